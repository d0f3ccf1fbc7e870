#include "core/onebit/region_scan.h"

#include <bit>

int CountInkPixels(const CMonoBitmap& bitmap) {
  const tmb::Rect area = RegionWithin(bitmap, {0, 0, bitmap.m_width, bitmap.m_height});
  if (!bitmap.m_pBits || area.IsEmpty()) return 0;
  // Byte by byte: the ink of a byte is its clear bits within the area.
  const int first = area.left >> 3, last = (area.right - 1) >> 3;
  const unsigned firstMask = 0xFFu >> (area.left & 7);
  const unsigned lastMask = (0xFFu << (7 - ((area.right - 1) & 7))) & 0xFFu;
  int n = 0;
  for (int y = area.top; y < area.bottom; ++y) {
    const uint8_t* row = bitmap.m_pBits + size_t(bitmap.m_lastRow - y) * size_t(bitmap.m_stride);
    for (int b = first; b <= last; ++b) {
      unsigned ink = ~unsigned(row[b]) & 0xFFu;
      if (b == first) ink &= firstMask;
      if (b == last) ink &= lastMask;
      n += std::popcount(ink);
    }
  }
  return n;
}
