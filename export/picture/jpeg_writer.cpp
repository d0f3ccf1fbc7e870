#include "export/picture/jpeg_writer.h"

#include <filesystem>

#include "export/picture/dib_pixels.h"
#include "platform/file/safe_save.h"
#include "platform/gdi/dib_rows.h"
#include "platform/media/jpeg_codec.h"

int WriteJpegFile(const std::string& path, int width, int height, std::span<const uint8_t> pixels) {
  if (!HoldsDibPixels24(width, height, pixels.size())) return 0;
  const ptrdiff_t stride = ptrdiff_t(tmb::DibStride(width, 24));
  tmb::SafeSave save(std::filesystem::u8path(path));
  if (!save.Begin()) return 0;
  // The picture's top row is the block's last one.
  const uint8_t* top = pixels.data() + size_t(stride) * size_t(height - 1);
  if (!tmb::WriteJpegBgr(save.file(), top, -stride, width, height, kJpegQuality)) return 0;
  return save.Commit() ? 1 : 0;
}
