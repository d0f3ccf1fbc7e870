#include "core/onebit/staircase.h"

#include "core/onebit/pixel_window.h"
#include "core/onebit/region_scan.h"

int RemoveStaircasePixels(CMonoBitmap& bitmap, int left, int top, int right, int bottom) {
  const tmb::Rect area = tmb::Rect::Intersection({left, top, right, bottom}, {1, 1, bitmap.m_width, bitmap.m_height});
  int removed = 0;
  ForEachInkPixel(bitmap, area, [&](int x, int y) {
    auto ink = [&](int dx, int dy) { return !bitmap.TestBit(x + dx, y + dy); };
    bool corner = false;
    for (int side : {1, -1}) {
      if (ink(side, 0)) {
        corner = corner || (ink(side, 1) && !ink(2 * side, -1)) || (ink(side, -1) && !ink(2 * side, 1));
      }
    }
    // A step's corner links its two neighbours diagonally anyway; where a third line
    // meets there, taking the pixel would cut it off.
    if (!corner || !WindowIsSimple(PixelWindow(bitmap, x, y))) return;
    bitmap.SetBit(x, y, 1);
    ++removed;
  });
  return removed;
}
