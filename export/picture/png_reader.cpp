#include "export/picture/png_reader.h"

#include <csetjmp>
#include <cstdint>
#include <cstring>
#include <memory>
#include <new>
#include <vector>

#include <png.h>

#include "core/bitmap/dib.h"
#include "export/picture/picture_file_bytes.h"
#include "export/picture/picture_read_result.h"
#include "export/picture/png_error_handlers.h"
#include "platform/gdi/bitmap_bytes.h"
#include "platform/gdi/picture_limit.h"

namespace {

constexpr size_t kSignatureBytes = 8;

// The most pixels one byte of a PNG file can fill: deflate gives at most 1,032 bytes for
// one (a 258-byte copy in two bits), and a byte of one-bit rows holds 8 pixels.
constexpr uint64_t kMaxPixelsPerFileByte = 1032 * 8;

struct MemorySource {
  const uint8_t* data = nullptr;
  size_t size = 0;
  size_t pos = 0;
};

void ReadFromMemory(png_structp png, png_bytep out, size_t count) {
  auto* src = static_cast<MemorySource*>(png_get_io_ptr(png));
  if (count > src->size - src->pos) png_error(png, "the file ends early");
  std::memcpy(out, src->data + src->pos, count);
  src->pos += count;
}

struct PngRead {
  png_structp png = nullptr;
  png_infop info = nullptr;
  MemorySource src;
  ~PngRead() { png_destroy_read_struct(&png, &info, nullptr); }
};

struct PngLayout {
  int width = 0;
  int height = 0;
  int channels = 0;
  size_t rowBytes = 0;
};

// The functions that set a jump point hold no object with a destructor, so a jump back
// skips nothing.
bool ReadHeader(PngRead& r, PngLayout& layout) {
  if (setjmp(png_jmpbuf(r.png))) return false;
  png_set_read_fn(r.png, &r.src, ReadFromMemory);
  png_read_info(r.png, r.info);
  const png_uint_32 width = png_get_image_width(r.png, r.info);
  const png_uint_32 height = png_get_image_height(r.png, r.info);
  const int bitDepth = png_get_bit_depth(r.png, r.info);
  const int colourType = png_get_color_type(r.png, r.info);
  if (colourType == PNG_COLOR_TYPE_PALETTE) png_set_palette_to_rgb(r.png);
  if (colourType == PNG_COLOR_TYPE_GRAY && bitDepth < 8) png_set_expand_gray_1_2_4_to_8(r.png);
  if (png_get_valid(r.png, r.info, PNG_INFO_tRNS)) png_set_tRNS_to_alpha(r.png);
  if (bitDepth == 16) png_set_strip_16(r.png);
  if (colourType == PNG_COLOR_TYPE_GRAY || colourType == PNG_COLOR_TYPE_GRAY_ALPHA) png_set_gray_to_rgb(r.png);
  png_set_bgr(r.png);
  png_set_interlace_handling(r.png);
  png_read_update_info(r.png, r.info);
  layout.width = int(width > png_uint_32(INT32_MAX) ? INT32_MAX : width);
  layout.height = int(height > png_uint_32(INT32_MAX) ? INT32_MAX : height);
  layout.channels = png_get_channels(r.png, r.info);
  layout.rowBytes = png_get_rowbytes(r.png, r.info);
  return true;
}

bool ReadRows(PngRead& r, png_bytepp rows) {
  if (setjmp(png_jmpbuf(r.png))) return false;
  png_read_image(r.png, rows);
  png_read_end(r.png, nullptr);
  return true;
}

}  // namespace

int ReadPngFile(tmb::DeviceContext* pDC, const std::string& path, tmb::Size* size, tmb::Surface* pTarget) {
  tmb::BitmapBytes file;
  if (const int read = ReadPictureFileBytes(path, file); read != kPictureRead) return read;
  if (file.size() < kSignatureBytes || png_sig_cmp(file.data(), 0, kSignatureBytes) != 0) return kPictureDamaged;

  PngRead r;
  r.png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, PngJumpOnError, PngIgnoreWarning);
  if (!r.png) return kPictureTooLarge;
  r.info = png_create_info_struct(r.png);
  if (!r.info) return kPictureTooLarge;
  r.src = {file.data(), file.size(), 0};
  PngLayout layout;
  if (!ReadHeader(r, layout)) return kPictureDamaged;
  // A small file claiming a huge picture is damaged, told before its rows are taken.
  if (uint64_t(layout.width) * uint64_t(layout.height) > uint64_t(file.size()) * kMaxPixelsPerFileByte) {
    return kPictureDamaged;
  }
  if (layout.width > tmb::Surface::kMaxSide || layout.height > tmb::Surface::kMaxSide ||
      (layout.width > 0 && layout.height > 0 && !tmb::IsHoldablePicture(layout.width, layout.height))) {
    return kPictureTooLarge;
  }
  if (layout.width <= 0 || layout.height <= 0 || (layout.channels != 3 && layout.channels != 4) ||
      layout.rowBytes != size_t(layout.width) * size_t(layout.channels)) {
    return kPictureDamaged;
  }

  tmb::BitmapBytes pixels;
  if (!pixels.AllocateForOverwrite(layout.rowBytes * size_t(layout.height))) return kPictureTooLarge;
  std::vector<png_bytep> rows;
  try {
    rows.resize(size_t(layout.height));
  } catch (const std::bad_alloc&) {
    return kPictureTooLarge;
  }
  for (size_t y = 0; y < rows.size(); ++y) rows[y] = pixels.data() + y * layout.rowBytes;
  if (!ReadRows(r, rows.data())) return kPictureDamaged;

  const tmb::Size picture{layout.width, layout.height};
  if (pTarget && !DrawRgbPixels(pDC, pTarget, pixels.span(), picture, -1, 0, layout.channels, {})) {
    return kPictureTooLarge;
  }
  if (size) *size = picture;
  return kPictureRead;
}
