#include "platform/gdi/surface.h"

#include <gtest/gtest.h>

#include <cstring>

#include "platform/gdi/bitmap_memory.h"

namespace tmb {
namespace {

TEST(Surface, ColourPixelsAreStoredAsRgb32Words) {
  Surface s;
  ASSERT_TRUE(s.Create(3, 2, PixelFormat::kColour32));
  EXPECT_EQ(s.stride(), 12);
  EXPECT_EQ(s.GetPixel(2, 1), 0x000000u) << "a new surface is black";
  s.SetPixel(1, 0, 0x00332211);  // red 0x11, green 0x22, blue 0x33
  EXPECT_EQ(s.ColourRow(0)[1], 0xFF112233u);
  uint8_t bytes[4];
  std::memcpy(bytes, s.Row(0) + 4, 4);
  // Blue, green, red, then an opaque alpha byte: what QImage::Format_RGB32 reads.
  EXPECT_EQ(bytes[0], 0x33);
  EXPECT_EQ(bytes[1], 0x22);
  EXPECT_EQ(bytes[2], 0x11);
  EXPECT_EQ(bytes[3], 0xFF);
  EXPECT_EQ(s.GetPixel(1, 0), 0x00332211u);
  s.SetPixel(0, 0, 0x02445566);  // a palette-relative colour draws as the plain colour
  EXPECT_EQ(s.GetPixel(0, 0), 0x00445566u);
}

TEST(Surface, MonochromeRowsArePaddedAndHoldTheLeftmostPixelHighest) {
  Surface s;
  ASSERT_TRUE(s.Create(33, 2, PixelFormat::kMono1));
  EXPECT_EQ(s.stride(), 8);
  s.Fill(0xFFFFFF);
  s.SetPixel(0, 1, 0x000000);
  s.SetPixel(9, 1, 0x000000);
  EXPECT_EQ(s.Row(1)[0], 0x7F);
  EXPECT_EQ(s.Row(1)[1], 0xBF);
  EXPECT_EQ(s.GetPixel(9, 1), 0x000000u);
  EXPECT_EQ(s.GetPixel(10, 1), 0xFFFFFFu);
}

TEST(Surface, ColoursOnAMonochromeSurfaceBecomeTheNearerOfBlackAndWhite) {
  Surface s;
  ASSERT_TRUE(s.Create(8, 1, PixelFormat::kMono1));
  const struct {
    Colour colour;
    Colour expected;
  } cases[] = {{0x000000, 0x000000}, {0xFFFFFF, 0xFFFFFF}, {0x0000FF, 0x000000}, {0x808080, 0xFFFFFF},
               {0x7F7F7F, 0x000000}, {0x00FFFF, 0xFFFFFF}, {0xC0C0C0, 0xFFFFFF}};
  for (const auto& c : cases) {
    s.SetPixel(0, 0, c.colour);
    EXPECT_EQ(s.GetPixel(0, 0), c.expected) << std::hex << c.colour;
  }
}

TEST(Surface, ReadsOutsideAreInvalidAndWritesOutsideDoNothing) {
  for (PixelFormat format : {PixelFormat::kColour32, PixelFormat::kMono1}) {
    Surface s;
    ASSERT_TRUE(s.Create(4, 3, format));
    s.Fill(0xFFFFFF);
    const Point outside[] = {{-1, 0}, {0, -1}, {4, 0}, {0, 3}, {-100000, 5}, {1 << 30, 1 << 30}};
    for (Point p : outside) {
      EXPECT_EQ(s.GetPixel(p.x, p.y), kInvalidColour) << p.x << "," << p.y;
      s.SetPixel(p.x, p.y, 0x000000);
    }
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 4; ++x) EXPECT_EQ(s.GetPixel(x, y), 0xFFFFFFu);
    }
  }
  Surface none;
  EXPECT_EQ(none.GetPixel(0, 0), kInvalidColour);
  none.SetPixel(0, 0, 0);
}

TEST(Surface, CreationRefusesBadSizesAndRespectsTheMemoryBudget) {
  Surface s;
  EXPECT_FALSE(s.Create(0, 10, PixelFormat::kColour32));
  EXPECT_FALSE(s.Create(10, -1, PixelFormat::kColour32));
  EXPECT_FALSE(s.Create(Surface::kMaxSide + 1, 1, PixelFormat::kMono1));
  EXPECT_TRUE(s.IsNull());

  const size_t before = BitmapMemoryInUse();
  {
    ScopedBitmapMemoryLimit limit(before + 1000);
    EXPECT_FALSE(s.Create(100, 100, PixelFormat::kColour32));
    EXPECT_TRUE(s.IsNull());
    EXPECT_TRUE(s.Create(100, 10, PixelFormat::kMono1));  // 16 x 10 bytes fit
    EXPECT_GT(BitmapMemoryInUse(), before);
    Surface moved = std::move(s);
    EXPECT_TRUE(s.IsNull());
    EXPECT_EQ(moved.width(), 100);
  }
  EXPECT_EQ(BitmapMemoryInUse(), before) << "destroying a surface returns its memory";
}

}  // namespace
}  // namespace tmb
