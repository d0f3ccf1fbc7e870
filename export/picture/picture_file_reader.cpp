#include "export/picture/picture_file_reader.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <span>

#include "core/bitmap/dib.h"
#include "core/file/picture_bytes.h"
#include "export/gif/gif_reader.h"
#include "export/picture/jpeg_reader.h"
#include "export/picture/picture_read_result.h"
#include "export/picture/png_reader.h"

namespace {

constexpr size_t kSignatureBytes = 8;

bool IsGif(std::span<const uint8_t> head) {
  return head.size() >= 6 && head[0] == 'G' && head[1] == 'I' && head[2] == 'F' && head[3] == '8' &&
         (head[4] == '7' || head[4] == '9') && head[5] == 'a';
}

// The BMP reader of the bitmap block: drawn only once the whole file proved sound.
int ReadBmpPicture(tmb::DeviceContext* pDC, const std::string& path, tmb::Size* size, tmb::Surface* pTarget) {
  CDib dib;
  switch (dib.LoadFile(path)) {
    case CDib::kLoaded: break;
    case CDib::kNotOpened: return kPictureNotOpened;
    case CDib::kNoMemory: return kPictureTooLarge;
    default: return kPictureDamaged;
  }
  if (pTarget) {
    tmb::DeviceContext dc = tmb::DeviceContext::CompatibleWith(pDC);
    dc.SelectSurface(pTarget);
    dib.Draw(&dc, {0, 0}, nullptr, 0);
  }
  if (size) *size = dib.GetSize();
  return kPictureRead;
}

}  // namespace

int PictureFileKindOf(const std::string& path) {
  std::ifstream in(std::filesystem::u8path(path), std::ios::binary);
  std::array<uint8_t, kSignatureBytes> head{};
  in.read(reinterpret_cast<char*>(head.data()), std::streamsize(head.size()));
  const std::span<const uint8_t> bytes(head.data(), size_t(std::max<std::streamsize>(0, in.gcount())));
  if (IsGif(bytes)) return kPictureFileGif;
  switch (PictureTypeOfBytes(bytes)) {
    case kPictureBmp: return kPictureFileBmp;
    case kPictureJpeg: return kPictureFileJpeg;
    case kPicturePng: return kPictureFilePng;
    default: return kPictureFileUnknown;
  }
}

int ReadPictureFile(tmb::DeviceContext* pDC, const std::string& path, tmb::Surface* pTarget, tmb::Size* size) {
  if (!std::ifstream(std::filesystem::u8path(path), std::ios::binary)) return kPictureNotOpened;
  tmb::Size read{};
  int result = kPictureDamaged;
  switch (PictureFileKindOf(path)) {
    case kPictureFileBmp: result = ReadBmpPicture(pDC, path, &read, pTarget); break;
    case kPictureFileJpeg: result = ReadJpegFile(pDC, path, &read, pTarget); break;
    case kPictureFilePng: result = ReadPngFile(pDC, path, &read, pTarget); break;
    case kPictureFileGif: result = ReadGifPicture(pDC, path, &read, pTarget); break;
    default: break;
  }
  if (result != kPictureRead) return result;
  // What lies beyond the target was not drawn: the caller gets the part it holds.
  if (pTarget && !pTarget->IsNull()) {
    read.cx = std::min(read.cx, pTarget->width());
    read.cy = std::min(read.cy, pTarget->height());
  }
  if (size) *size = read;
  return kPictureRead;
}
