#include "platform/gdi/surface.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <utility>

#include "platform/gdi/bitmap_memory.h"

namespace tmb {

Surface::~Surface() { Destroy(); }

Surface::Surface(Surface&& other) noexcept { *this = std::move(other); }

Surface& Surface::operator=(Surface&& other) noexcept {
  if (this != &other) {
    Destroy();
    words_ = std::move(other.words_);
    width_ = std::exchange(other.width_, 0);
    height_ = std::exchange(other.height_, 0);
    stride_ = std::exchange(other.stride_, 0);
    format_ = other.format_;
  }
  return *this;
}

Status Surface::Create(int width, int height, PixelFormat format) {
  Destroy();
  if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) {
    return Status::Fail("bitmap size out of range");
  }
  const int stride = format == PixelFormat::kMono1 ? MonoStride(width) : width * 4;
  // A few bytes of slack after the last row let bit readers load whole words at a row's end.
  const size_t bytes = size_t(stride) * size_t(height) + kReadSlack;
  if (!ReserveBitmapMemory(bytes)) return Status::Fail("not enough memory for the bitmap");
  words_.reset(new (std::nothrow) uint32_t[(bytes + 3) / 4]);
  if (!words_) {
    ReleaseBitmapMemory(bytes);
    return Status::Fail("not enough memory for the bitmap");
  }
  width_ = width;
  height_ = height;
  stride_ = stride;
  format_ = format;
  std::memset(bits() + ByteSize(), 0, kReadSlack);
  Fill(0x000000);
  return Status::Ok();
}

void Surface::Destroy() {
  if (words_) {
    words_.reset();
    ReleaseBitmapMemory(ByteSize() + kReadSlack);
  }
  width_ = height_ = stride_ = 0;
}

void Surface::Fill(Colour colour) {
  if (IsNull()) return;
  if (IsMono()) {
    std::memset(bits(), MonoBitOfColour(PlainColour(colour)) ? 0xFF : 0x00, ByteSize());
    return;
  }
  const uint32_t v = StoredFromColour(PlainColour(colour));
  std::fill_n(ColourRow(0), size_t(width_) * size_t(height_), v);
}

Colour Surface::GetPixel(int x, int y) const {
  if (IsNull() || x < 0 || y < 0 || x >= width_ || y >= height_) return kInvalidColour;
  if (IsMono()) return ColourOfMonoBit(MonoBit(Row(y), x));
  return ColourFromStored(ColourRow(y)[x]);
}

void Surface::SetPixel(int x, int y, Colour colour) {
  if (IsNull() || x < 0 || y < 0 || x >= width_ || y >= height_) return;
  colour = PlainColour(colour);
  if (IsMono()) {
    SetMonoBit(Row(y), x, MonoBitOfColour(colour));
  } else {
    ColourRow(y)[x] = StoredFromColour(colour);
  }
}

}  // namespace tmb
