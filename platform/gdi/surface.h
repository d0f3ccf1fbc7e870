// A bitmap of our own: 32-bit colour or 1-bit monochrome rows, top row first. Colour rows
// hold one word per pixel (see pixel.h) with a stride of width x 4 bytes; monochrome rows
// hold the leftmost pixel in the highest bit of their first byte, padded to 4 bytes, as
// the rows of a one-bit device-independent bitmap. Drawing code works on the rows
// directly; the bounds-checked pixel access here is for tests and single pixels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

#include "platform/gdi/geometry.h"
#include "platform/gdi/pixel.h"
#include "platform/service/result.h"

namespace tmb {

enum class PixelFormat { kColour32, kMono1 };

class Surface {
 public:
  Surface() = default;
  virtual ~Surface();
  Surface(Surface&& other) noexcept;
  Surface& operator=(Surface&& other) noexcept;
  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  // Largest width or height a surface may have.
  static constexpr int kMaxSide = 1 << 16;

  // Makes a new surface (black) in place of any held one; fails for a size that is not
  // positive, above kMaxSide, or beyond the bitmap memory budget (the old one is gone).
  Status Create(int width, int height, PixelFormat format);
  void Destroy();
  bool IsNull() const { return words_ == nullptr; }

  int width() const { return width_; }
  int height() const { return height_; }
  Size size() const { return {width_, height_}; }
  Rect Bounds() const { return {0, 0, width_, height_}; }
  PixelFormat format() const { return format_; }
  bool IsMono() const { return format_ == PixelFormat::kMono1; }
  // Bytes per row.
  int stride() const { return stride_; }
  size_t ByteSize() const { return size_t(stride_) * size_t(height_); }

  uint8_t* bits() { return reinterpret_cast<uint8_t*>(words_.get()); }
  const uint8_t* bits() const { return reinterpret_cast<const uint8_t*>(words_.get()); }
  uint8_t* Row(int y) { return bits() + size_t(y) * size_t(stride_); }
  const uint8_t* Row(int y) const { return bits() + size_t(y) * size_t(stride_); }
  // Rows of a colour surface (the storage is words, so this is no type pun).
  uint32_t* ColourRow(int y) { return words_.get() + size_t(y) * size_t(width_); }
  const uint32_t* ColourRow(int y) const { return words_.get() + size_t(y) * size_t(width_); }

  // Fills every pixel with colour (its nearer of black and white on a monochrome surface).
  void Fill(Colour colour);

  // The pixel's colour; kInvalidColour outside the surface (or when there is none).
  Colour GetPixel(int x, int y) const;
  // Sets one pixel; nothing happens outside the surface.
  void SetPixel(int x, int y, Colour colour);

  // Bytes of row padding a routine may read past the last row (see surface.cpp).
  static constexpr size_t kReadSlack = 8;

 private:
  std::unique_ptr<uint32_t[]> words_;
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  PixelFormat format_ = PixelFormat::kColour32;
};

// Bytes per row of a monochrome surface of width pixels.
constexpr int MonoStride(int width) { return (width + 31) / 32 * 4; }

inline bool MonoBit(const uint8_t* row, int x) { return (row[x >> 3] >> (7 - (x & 7))) & 1; }
inline void SetMonoBit(uint8_t* row, int x, bool bit) {
  const uint8_t mask = uint8_t(0x80u >> (x & 7));
  if (bit) {
    row[x >> 3] |= mask;
  } else {
    row[x >> 3] &= uint8_t(~mask);
  }
}

}  // namespace tmb
