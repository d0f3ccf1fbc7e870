// Copies of surfaces and their comparison, for tests that check a picture came back as
// it was.
#pragma once

#include "platform/gdi/surface.h"

namespace tmb::test {

// A surface of the same size, format and pixels.
inline Surface CopyOfSurface(const Surface& from) {
  Surface copy;
  copy.Create(from.width(), from.height(), from.format());
  for (int y = 0; y < from.height(); ++y) {
    for (int x = 0; x < from.width(); ++x) copy.SetPixel(x, y, from.GetPixel(x, y));
  }
  return copy;
}

// Whether both have the same size and every pixel alike.
inline bool SamePixels(const Surface& a, const Surface& b) {
  if (a.size() != b.size()) return false;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) return false;
    }
  }
  return true;
}

}  // namespace tmb::test
