#include "export/picture/picture_file_writer.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <span>

#include "core/bitmap/dib.h"
#include "core/bitmap/palettes.h"
#include "core/file/path_helpers.h"
#include "export/picture/jpeg_writer.h"
#include "export/picture/png_writer.h"
#include "platform/file/safe_save.h"
#include "platform/service/messages.h"
#include "resources/string_table.h"

namespace {

constexpr int kMsgMemoryError = 62043;
constexpr int kMsgOpenFile = 62047;
constexpr int kMsgCreateBitmap = 62063;

bool WriteFile(const CDib& dib, const std::string& path, int format) {
  const std::span<const uint8_t> bits(dib.m_pBits, dib.m_nBlockSize - size_t(dib.m_pBits - dib.m_pBlock));
  const int w = dib.m_blockSize.cx, h = dib.m_blockSize.cy;
  switch (format) {
    case kFormatBmp:
      return bool(tmb::SaveFileAtomically(std::filesystem::u8path(path), dib.m_pBlock, dib.m_nBlockSize));
    case kFormatJpeg: return WriteJpegFile(path, w, h, bits) == 1;
    case kFormatPng: return WritePngFile(path, w, h, bits) == 1;
    case kFormatGif: return bool(WriteGifFile(std::filesystem::u8path(path), w, h, bits));
    default: return true;
  }
}

bool AddFrames(const CDib& dib, const CPictureFrames& frames) {
  const std::span<const uint8_t> bits(dib.m_pBits, dib.m_nBlockSize - size_t(dib.m_pBits - dib.m_pBlock));
  const int w = dib.m_blockSize.cx, h = dib.m_blockSize.cy;
  bool ok = true;
  if (frames.mng) ok = AddMngFrame(*frames.mng, w, h, bits) == 1 && ok;
  if (frames.gif) ok = bool(AddGifFrame(*frames.gif, w, h, bits, frames.gifSetup)) && ok;
  return ok;
}

}  // namespace

const tmb::Palette* PaletteOfPictureWrites() { return gPaletteMode ? gCurPaletteA : nullptr; }

int WritePictureFile(tmb::DeviceContext* pDC, const tmb::Surface* bitmap, const tmb::Palette* palette,
                     const std::string& path, int width, int height, int format, const CPictureFrames& frames) {
  if (!bitmap || bitmap->IsNull() || bitmap->width() != width || bitmap->height() != height) {
    tmb::ShowMessage(kMsgOpenFile);
    return 0;
  }
  // The coded formats and the animations take 24-bit pixels only, whatever the display's
  // depth; a BMP file keeps the bitmap's own, with the palette's colours.
  const bool colour = !bitmap->IsMono();
  const bool coded = format == kFormatJpeg || format == kFormatPng || format == kFormatGif;
  const bool wantsFrames = frames.mng || frames.gif;
  if (!colour && (coded || wantsFrames)) {
    tmb::ShowMessage(kMsgOpenFile);
    return 0;
  }
  CDib dib;
  const int made = dib.CreateFromBitmap(pDC, bitmap, palette, coded || wantsFrames ? 24 : 0);
  if (made != 1) {
    tmb::ShowMessage(made < 0 ? kMsgMemoryError : kMsgOpenFile);
    return 0;
  }
  // A write that failed names its file: a batch or a registration writes many.
  if (!WriteFile(dib, path, format) || !AddFrames(dib, frames)) {
    tmb::Messages().Show(kMsgOpenFile, tmb::LoadStringText(kMsgOpenFile) + "\n" + path, tmb::kMsgOk);
    return 0;
  }
  return 1;
}

int SaveDCImageFile(tmb::DeviceContext* pDC, const tmb::Surface* source, int x, int y, int width, int height,
                    const std::string& path, int format, int region, const CPictureFrames& frames) {
  if (!source || source->IsNull()) return 0;
  if (!region) {
    return WritePictureFile(pDC, source, PaletteOfPictureWrites(), path, source->width(), source->height(), format,
                            frames);
  }
  tmb::Surface block;
  if (width <= 0 || height <= 0 || !block.Create(width, height, pDC ? pDC->CompatibleFormat() : tmb::PixelFormat::kColour32)) {
    tmb::Beep();
    tmb::ShowMessage(kMsgCreateBitmap);
    return 0;
  }
  tmb::DeviceContext src(const_cast<tmb::Surface*>(source));
  tmb::DeviceContext dst(&block);
  dst.BitBlt(0, 0, width, height, &src, x, y, tmb::kSrcCopy);
  return WritePictureFile(pDC, &block, PaletteOfPictureWrites(), path, width, height, format, frames);
}

int PictureFormatOfPath(const std::string& path) {
  std::string ext = GetFileExt(path);
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  if (ext == "jpg" || ext == "jpeg") return kFormatJpeg;
  if (ext == "png") return kFormatPng;
  if (ext == "gif") return kFormatGif;
  if (ext == "swf" || ext == "svg") return kFormatNone;
  return kFormatBmp;
}
