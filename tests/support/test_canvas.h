// A surface of a given size and format, filled with one colour, with a device context
// drawing on it: the starting point of the raster layer's tests.
#pragma once

#include <gtest/gtest.h>

#include "platform/gdi/device_context.h"

namespace tmb::test {

struct Canvas {
  Canvas(int w, int h, PixelFormat format, Colour fill = 0xFFFFFF) {
    EXPECT_TRUE(surface.Create(w, h, format));
    surface.Fill(fill);
    dc.SelectSurface(&surface);
  }
  Surface surface;
  DeviceContext dc;
};

}  // namespace tmb::test
