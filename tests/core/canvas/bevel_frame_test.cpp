// Bevelled frames from four trapezoid regions.
#include "core/canvas/bevel_frame.h"

#include <gtest/gtest.h>

namespace {

TEST(FillFrameRegions, AFrameOfWidthTwoCoversTheGrownRectangleWithTheFaceInside) {
  tmb::Surface s;
  s.Create(30, 30, tmb::PixelFormat::kColour32);
  s.Fill(0x000000);
  tmb::DeviceContext dc(&s);
  FrameColours c{0x0000FF, 0x00FF00, 0xFF0000, 0xFFFF00, 0xFFFFFF};
  FillFrameRegions(&dc, 10, 10, 20, 20, 2, 1, 0, 0, c);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) {
      const bool inFrame = x >= 8 && x < 22 && y >= 8 && y < 22;
      const bool inFace = x >= 10 && x < 20 && y >= 10 && y < 20;
      if (!inFrame) {
        EXPECT_EQ(s.GetPixel(x, y), 0x000000u) << x << "," << y;
      } else if (inFace) {
        EXPECT_EQ(s.GetPixel(x, y), 0xFFFFFFu) << x << "," << y;
      } else {
        EXPECT_NE(s.GetPixel(x, y), 0x000000u) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(s.GetPixel(8, 15), 0x00FF00u) << "left side";
  EXPECT_EQ(s.GetPixel(15, 8), 0x0000FFu) << "top side";
  EXPECT_EQ(s.GetPixel(21, 15), 0xFFFF00u) << "right side";
  EXPECT_EQ(s.GetPixel(15, 21), 0xFF0000u) << "bottom side";
}

TEST(FillFrameRegions, WithoutAContextNothingHappens) { FillFrameRegions(nullptr, 0, 0, 5, 5, 2, 1, 1, 0, {}); }

}  // namespace
