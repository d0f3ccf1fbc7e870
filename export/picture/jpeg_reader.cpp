#include "export/picture/jpeg_reader.h"

#include "core/bitmap/dib.h"
#include "core/file/picture_bytes.h"
#include "export/picture/picture_file_bytes.h"
#include "export/picture/picture_read_result.h"
#include "platform/gdi/bitmap_bytes.h"
#include "platform/gdi/bitmap_memory.h"
#include "platform/gdi/picture_limit.h"
#include "platform/media/jpeg_codec.h"

int ReadJpegFile(tmb::DeviceContext* pDC, const std::string& path, tmb::Size* size, tmb::Surface* pTarget) {
  tmb::BitmapBytes file;
  if (const int read = ReadPictureFileBytes(path, file); read != kPictureRead) return read;
  if (PictureTypeOfBytes(file.span()) != kPictureJpeg) return kPictureDamaged;
  tmb::JpegReader reader;
  if (!reader.Open(file.span()) || reader.ClaimsMoreThanItsData()) return kPictureDamaged;
  const tmb::Size picture{reader.width(), reader.height()};
  if (picture.cx <= 0 || picture.cy <= 0) return kPictureDamaged;
  if (picture.cx > tmb::Surface::kMaxSide || picture.cy > tmb::Surface::kMaxSide ||
      !tmb::IsHoldablePicture(picture.cx, picture.cy)) {
    return kPictureTooLarge;
  }

  // The header's sides are all that is known before decoding: the rows are held in the
  // budget first, so a picture the budget cannot hold is refused here.
  tmb::BitmapBytes pixels;
  if (!pixels.AllocateForOverwrite(size_t(picture.cx) * size_t(picture.cy) * 3)) return kPictureTooLarge;
  const size_t workLimit = tmb::BitmapMemoryLimit() - tmb::BitmapMemoryInUse();
  if (!reader.ReadBgr(pixels.span(), workLimit)) return reader.ranOutOfMemory() ? kPictureTooLarge : kPictureDamaged;
  if (pTarget && !DrawRgbPixels(pDC, pTarget, pixels.span(), picture, -1, 0, 3, {})) return kPictureTooLarge;
  if (size) *size = picture;
  return kPictureRead;
}
