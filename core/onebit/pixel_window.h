// The neighbourhood of a pixel as one number, for the passes that test many pixels: the
// 4 x 4 block of columns x - 1 to x + 2 and rows y - 2 to y + 1 around (x, y), one bit per
// pixel set for ink, row y - 2 in the lowest four bits and the leftmost column in the
// highest bit of each four. It holds every pixel the thinning test reads; pixels outside
// the bitmap are background.
#pragma once

#include <cstdint>

#include "core/onebit/mono_bitmap.h"

// The thinning test (CMonoBitmap::CanThinPixel) of the centre of every window, one bit
// each: 8 KB, so that the passes find it in the nearest cache.
const uint64_t* CanThinBits();
// What the 3 x 3 block around the centre says, by WindowCore: kCoreSimple when the centre
// may go without changing the picture's shape (two or more ink neighbours, so it ends no
// line, which stay one 8-connected group: removing it splits nothing and opens no hole);
// the number of ink neighbours from bit kCoreInkShift up.
enum CoreFact : uint8_t { kCoreSimple = 1, kCoreInkShift = 1 };
const uint8_t* CoreFacts();
// The 3 x 3 block of a window, row y - 1 in the lowest three bits.
inline uint32_t WindowCore(uint32_t window) {
  return ((window >> 5) & 7u) | (((window >> 9) & 7u) << 3) | (((window >> 13) & 7u) << 6);
}

inline bool WindowCanThin(uint32_t window) { return (CanThinBits()[window >> 6] >> (window & 63)) & 1; }
inline bool WindowIsSimple(uint32_t window) { return CoreFacts()[WindowCore(window)] & kCoreSimple; }
inline int WindowInk8(uint32_t window) { return CoreFacts()[WindowCore(window)] >> kCoreInkShift; }

// The windows of the eight pixels of one byte of a row, read at once.
class ByteWindows {
 public:
  // Byte b of row y of bitmap.
  ByteWindows(const CMonoBitmap& bitmap, int b, int y) {
    if (bitmap.m_pBits && b >= 1 && (b + 2) * 8 <= bitmap.m_width && y >= 2 && y + 1 < bitmap.m_rows) {
      // Well inside the bitmap: three whole bytes of each row.
      const size_t stride = size_t(bitmap.m_stride);
      const uint8_t* p = bitmap.m_pBits + size_t(bitmap.m_lastRow - y + 2) * stride + (b - 1);
      for (int r = 0; r < 4; ++r, p -= stride) {
        m_rows[r] = ~((uint32_t(p[0]) << 16) | (uint32_t(p[1]) << 8) | p[2]) & 0xFFFFFFu;
      }
    } else {
      ReadAtEdge(bitmap, b, y);
    }
  }
  // The window of pixel 8 b + i.
  uint32_t At(int i) const {
    const int shift = 13 - i;
    return ((m_rows[0] >> shift) & 15u) | (((m_rows[1] >> shift) & 15u) << 4) | (((m_rows[2] >> shift) & 15u) << 8) |
           (((m_rows[3] >> shift) & 15u) << 12);
  }
  // Notes that pixel 8 b + i of the byte's own row became background.
  void Clear(int i) { m_rows[2] &= ~(1u << (15 - i)); }

 private:
  // The same, byte by byte, with what lies outside the bitmap as background.
  void ReadAtEdge(const CMonoBitmap& bitmap, int b, int y);

  // Rows y - 2 to y + 1: the ink of bytes b - 1, b and b + 1, the first in bits 16 to 23.
  uint32_t m_rows[4];
};

// The window of (x, y).
inline uint32_t PixelWindow(const CMonoBitmap& bitmap, int x, int y) {
  return ByteWindows(bitmap, x >> 3, y).At(x & 7);
}

// The 3 x 3 block around (x, y), as WindowCore gives it.
inline uint32_t PixelCore(const CMonoBitmap& bitmap, int x, int y) {
  const int b = (x - 1) >> 3;
  if (!bitmap.m_pBits || x < 1 || x + 1 >= bitmap.m_width || b + 1 >= bitmap.m_stride || y < 1 ||
      y + 1 >= bitmap.m_rows) {
    return WindowCore(PixelWindow(bitmap, x, y));
  }
  // Columns x - 1 to x + 1 of rows y - 1 to y + 1, from the two bytes that hold them.
  const int shift = 13 - ((x - 1) & 7);
  const size_t stride = size_t(bitmap.m_stride);
  const uint8_t* p = bitmap.m_pBits + size_t(bitmap.m_lastRow - y + 1) * stride + b;
  uint32_t core = 0;
  for (int r = 0; r < 3; ++r, p -= stride) core |= ((~((uint32_t(p[0]) << 8) | p[1]) >> shift) & 7u) << (3 * r);
  return core;
}
