// The loop every pass over a one-bit region shares: rows top to bottom - 1, columns left
// to right - 1, passing over rows without ink and over whole bytes of background.
#pragma once

#include <algorithm>
#include <bit>
#include <cstdint>

#include "core/onebit/mono_bitmap.h"
#include "platform/gdi/geometry.h"

// The bitmap's region within bounds (and within the bitmap).
inline tmb::Rect RegionWithin(const CMonoBitmap& bitmap, const tmb::Rect& bounds) {
  const tmb::Rect region{bitmap.m_left, bitmap.m_top, bitmap.m_right, bitmap.m_bottom};
  return tmb::Rect::Intersection(tmb::Rect::Intersection(region, bounds), {0, 0, bitmap.m_width, bitmap.m_height});
}

// Calls visit(x, y) for every ink pixel of area (within the bitmap), row by row. The
// bytes of a row are read before its pixels are visited, so visit may remove the pixel it
// is given; the emptiness of a row is told from the row's own bytes.
template <class Visit>
void ForEachInkPixel(const CMonoBitmap& bitmap, const tmb::Rect& area, Visit visit) {
  if (!bitmap.m_pBits || area.IsEmpty()) return;
  const int first = area.left >> 3;
  const int last = (area.right - 1) >> 3;
  for (int y = area.top; y < area.bottom; ++y) {
    const uint8_t* row = bitmap.m_pBits + size_t(bitmap.m_lastRow - y) * size_t(bitmap.m_stride);
    if (std::all_of(row + first, row + last + 1, [](uint8_t b) { return b == 0xFF; })) continue;
    for (int b = first; b <= last; ++b) {
      unsigned ink = ~unsigned(row[b]) & 0xFFu;
      if (b == first) ink &= 0xFFu >> (area.left & 7);
      if (b == last) ink &= 0xFFu << (7 - ((area.right - 1) & 7));
      while (ink) {
        const int bit = std::bit_width(ink) - 1;  // the leftmost pixel left
        ink &= ~(1u << bit);
        visit(b * 8 + 7 - bit, y);
      }
    }
  }
}

// The number of ink pixels in the bitmap's region.
int CountInkPixels(const CMonoBitmap& bitmap);
