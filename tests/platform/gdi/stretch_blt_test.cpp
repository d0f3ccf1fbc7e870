#include <gtest/gtest.h>

#include <random>

#include "platform/gdi/device_context.h"
#include "support/surface_text.h"
#include "support/test_canvas.h"

namespace tmb {
namespace {

using test::SurfaceText;
using test::Canvas;

TEST(StretchBlt, ASingleBlackPixelSurvivesBlackOnWhiteAndVanishesWhiteOnBlack) {
  for (PixelFormat srcFormat : {PixelFormat::kMono1, PixelFormat::kColour32}) {
    for (PixelFormat dstFormat : {PixelFormat::kMono1, PixelFormat::kColour32}) {
      Canvas src(64, 64, srcFormat);
      src.surface.SetPixel(45, 17, 0x000000);
      Canvas dst(2, 2, dstFormat);
      dst.dc.SetStretchMode(kBlackOnWhite);
      dst.dc.StretchBlt(0, 0, 2, 2, &src.dc, 0, 0, 64, 64, kSrcCopy);
      EXPECT_EQ(SurfaceText(dst.surface), ".#\n..\n");
      dst.surface.Fill(0xFFFFFF);
      dst.dc.SetStretchMode(kWhiteOnBlack);
      dst.dc.StretchBlt(0, 0, 2, 2, &src.dc, 0, 0, 64, 64, kSrcCopy);
      EXPECT_EQ(SurfaceText(dst.surface), "..\n..\n");
    }
  }
}

TEST(StretchBlt, HalftoneAveragesEachBlock) {
  // A random one-bit picture reduced 4:1 (counted sixteen pixels at a time) and 3:1
  // (counted block by block): each pixel is the rounded mean of its block, in the
  // destination's text and background colours.
  std::mt19937 random(7);
  Canvas src(133, 21, PixelFormat::kMono1);
  for (int y = 0; y < 21; ++y) {
    for (int x = 0; x < 133; ++x) src.surface.SetPixel(x, y, random() % 3 ? 0xFFFFFF : 0x000000);
  }
  for (int k : {3, 4}) {
    for (int sx : {0, 5}) {
      const int w = 120 / k, h = 21 / k;
      Canvas dst(w, h, PixelFormat::kColour32);
      dst.dc.SetStretchMode(kHalftone);
      dst.dc.StretchBlt(0, 0, w, h, &src.dc, sx, 0, w * k, h * k, kSrcCopy);
      for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
          int ones = 0;
          for (int j = 0; j < k; ++j) {
            for (int i = 0; i < k; ++i) ones += src.surface.GetPixel(sx + k * x + i, k * y + j) == 0xFFFFFF;
          }
          const int v = (255 * ones + k * k / 2) / (k * k);
          ASSERT_EQ(dst.surface.GetPixel(x, y), MakeRgb(v, v, v)) << k << " " << sx << ": " << x << "," << y;
        }
      }
    }
  }
}

TEST(StretchBlt, HalftoneOfColourAveragesEachChannel) {
  Canvas src(2, 2, PixelFormat::kColour32);
  src.surface.SetPixel(0, 0, 0x0000FF);
  src.surface.SetPixel(1, 0, 0x00FF00);
  src.surface.SetPixel(0, 1, 0xFF0000);
  src.surface.SetPixel(1, 1, 0x000000);
  Canvas dst(1, 1, PixelFormat::kColour32);
  dst.dc.SetStretchMode(kHalftone);
  dst.dc.StretchBlt(0, 0, 1, 1, &src.dc, 0, 0, 2, 2, kSrcCopy);
  EXPECT_EQ(dst.surface.GetPixel(0, 0), 0x404040u);  // (255 + 2) / 4 per channel
}

TEST(StretchBlt, EnlargingRepeatsPixelsAndNegativeExtentsMirror) {
  Canvas src(3, 1, PixelFormat::kColour32);
  src.surface.SetPixel(0, 0, 0x000000);
  Canvas dst(9, 2, PixelFormat::kColour32);
  dst.dc.SetStretchMode(kColorOnColor);
  dst.dc.StretchBlt(0, 0, 9, 2, &src.dc, 0, 0, 3, 1, kSrcCopy);
  EXPECT_EQ(SurfaceText(dst.surface), "###......\n###......\n");
  dst.surface.Fill(0xFFFFFF);
  dst.dc.StretchBlt(9, 0, -9, 1, &src.dc, 0, 0, 3, 1, kSrcCopy);
  EXPECT_EQ(SurfaceText(dst.surface), "......###\n.........\n");
}

TEST(StretchBlt, ASourceBlockBeyondTheSourceRepeatsItsEdge) {
  Canvas src(2, 2, PixelFormat::kMono1, 0x000000);
  Canvas dst(8, 8, PixelFormat::kColour32);
  EXPECT_TRUE(dst.dc.StretchBlt(0, 0, 8, 8, &src.dc, -50, -50, 4, 4, kSrcCopy));
  EXPECT_EQ(test::CountPixels(dst.surface, 0x000000), 64);
  EXPECT_FALSE(dst.dc.StretchBlt(0, 0, 8, 8, nullptr, 0, 0, 4, 4, kSrcCopy));
}

}  // namespace
}  // namespace tmb
