// A picture read pixel by pixel, as line rasterising consults a mask. The graphics layer
// adapts its surfaces to it.
#pragma once

#include "platform/gdi/geometry.h"

class PixelMask {
 public:
  virtual ~PixelMask() = default;
  // The colour of pixel (x, y) as 0x00BBGGRR.
  virtual tmb::Colour GetPixel(int x, int y) const = 0;
};
