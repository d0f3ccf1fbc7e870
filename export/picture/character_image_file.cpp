#include "export/picture/character_image_file.h"

#include "core/state/draw_state.h"
#include "export/picture/picture_file_writer.h"
#include "platform/service/messages.h"

int SaveCharacterImageFile(tmb::DeviceContext* pDC, const tmb::Surface& picture, tmb::Point topLeft,
                           const std::string& path) {
  const tmb::Size size = gDrawState.m_sizeCharImage;
  const tmb::PixelFormat format = gDrawState.m_bCharImageMono ? tmb::PixelFormat::kMono1 : tmb::PixelFormat::kColour32;
  tmb::Surface image;
  if (size.cx <= 0 || size.cy <= 0 || !image.Create(size.cx, size.cy, format)) {
    tmb::Beep();
    tmb::ShowMessage(62063);
    return 0;
  }
  tmb::DeviceContext src(const_cast<tmb::Surface*>(&picture));
  tmb::DeviceContext dst(&image);
  dst.BitBlt(0, 0, size.cx, size.cy, &src, topLeft.x, topLeft.y, tmb::kSrcCopy);
  return WritePictureFile(pDC, &image, PaletteOfPictureWrites(), path, size.cx, size.cy, kFormatBmp);
}
