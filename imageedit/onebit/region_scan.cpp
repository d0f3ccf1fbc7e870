#include "imageedit/onebit/region_scan.h"

int CountInkPixels(const CMonoBitmap& bitmap) {
  int n = 0;
  ForEachInkPixel(bitmap, RegionWithin(bitmap, {0, 0, bitmap.m_width, bitmap.m_height}), [&n](int, int) { ++n; });
  return n;
}
