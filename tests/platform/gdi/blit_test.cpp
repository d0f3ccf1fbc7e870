#include <gtest/gtest.h>

#include "platform/gdi/device_context.h"
#include "support/surface_text.h"
#include "support/test_canvas.h"

namespace tmb {
namespace {

using test::Lines;
using test::SurfaceText;
using test::Canvas;

// Pixel i of four holds source bit i >> 1 and destination bit i & 1; the pattern is one
// brush for the whole transfer, so each code is run once with a black and once with a
// white brush.
TEST(BitBlt, EveryRasterCodeFollowsItsTruthTable) {
  for (PixelFormat format : {PixelFormat::kMono1, PixelFormat::kColour32}) {
    Canvas src(4, 1, format);
    src.surface.SetPixel(0, 0, 0x000000);
    src.surface.SetPixel(1, 0, 0x000000);
    Canvas dst(4, 1, format);
    for (int op = 0; op < 256; ++op) {
      for (int p = 0; p < 2; ++p) {
        dst.surface.Fill(0xFFFFFF);
        dst.surface.SetPixel(0, 0, 0x000000);
        dst.surface.SetPixel(2, 0, 0x000000);
        dst.dc.SelectBrush(Brush::Solid(p ? 0xFFFFFF : 0x000000));
        ASSERT_TRUE(dst.dc.BitBlt(0, 0, 4, 1, &src.dc, 0, 0, uint32_t(op) << 16));
        for (int i = 0; i < 4; ++i) {
          const int s = i >> 1, d = i & 1;
          const int expected = (op >> (p * 4 + s * 2 + d)) & 1;
          EXPECT_EQ(dst.surface.GetPixel(i, 0), expected ? 0xFFFFFFu : 0x000000u)
              << "code " << std::hex << op << " P" << p << " S" << s << " D" << d;
        }
      }
    }
  }
}

TEST(BitBlt, RasterCodesWorkOnTheBitsOfEachColourChannel) {
  Canvas src(1, 1, PixelFormat::kColour32, 0x0F0F33);
  Canvas dst(1, 1, PixelFormat::kColour32, 0x3355F0);
  dst.dc.SelectBrush(Brush::Solid(0x00FF0F));
  const struct {
    uint32_t rop;
    Colour expected;
  } cases[] = {{kSrcCopy, 0x0F0F33},   {kSrcAnd, 0x030530},    {kSrcPaint, 0x3F5FF3},
               {kSrcInvert, 0x3C5AC3}, {kNotSrcCopy, 0xF0F0CC}, {kDstInvert, 0xCCAA0F},
               {kPatCopy, 0x00FF0F},   {kPatInvert, 0x33AAFF},  {kMergePaint, 0xF3F5FC},
               {kBlackness, 0x000000}, {kWhiteness, 0xFFFFFF}};
  for (const auto& c : cases) {
    dst.surface.Fill(0x3355F0);
    dst.dc.BitBlt(0, 0, 1, 1, &src.dc, 0, 0, c.rop);
    EXPECT_EQ(dst.surface.GetPixel(0, 0), c.expected) << std::hex << c.rop;
  }
}

TEST(BitBlt, ColourBecomesMonochromeByTheSourceBackgroundColour) {
  Canvas src(4, 1, PixelFormat::kColour32);
  const Colour colours[] = {0x0000FF, 0xFFFFFF, 0x000000, 0x0000FE};
  for (int i = 0; i < 4; ++i) src.surface.SetPixel(i, 0, colours[i]);
  Canvas mask(4, 1, PixelFormat::kMono1, 0x000000);
  src.dc.SetBackgroundColour(0x0000FF);
  mask.dc.BitBlt(0, 0, 4, 1, &src.dc, 0, 0, kSrcCopy);
  EXPECT_EQ(SurfaceText(mask.surface), ".###\n") << "only the background colour becomes 1 (white)";
  src.dc.SetBackgroundColour(0xFFFFFF);
  mask.dc.BitBlt(0, 0, 4, 1, &src.dc, 0, 0, kSrcCopy);
  EXPECT_EQ(SurfaceText(mask.surface), "#.##\n");
}

TEST(BitBlt, MonochromeBecomesColourByTheDestinationTextAndBackgroundColours) {
  Canvas mask(4, 1, PixelFormat::kMono1);
  mask.surface.SetPixel(1, 0, 0x000000);
  mask.surface.SetPixel(3, 0, 0x000000);
  Canvas dst(4, 1, PixelFormat::kColour32);
  dst.dc.SetBackgroundColour(0x00FF00);
  dst.dc.SetTextColour(0x800000);
  mask.dc.SetBackgroundColour(0x123456);  // the source's own colours play no part
  mask.dc.SetTextColour(0x654321);
  dst.dc.BitBlt(0, 0, 4, 1, &mask.dc, 0, 0, kSrcCopy);
  const Colour expected[] = {0x00FF00, 0x800000, 0x00FF00, 0x800000};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(dst.surface.GetPixel(i, 0), expected[i]) << i;
  // The classic mask trick: AND with a default context keeps colour where the mask is 1.
  Canvas picture(4, 1, PixelFormat::kColour32, 0x336699);
  picture.dc.BitBlt(0, 0, 4, 1, &mask.dc, 0, 0, kSrcAnd);
  EXPECT_EQ(picture.surface.GetPixel(0, 0), 0x336699u);
  EXPECT_EQ(picture.surface.GetPixel(1, 0), 0x000000u);
}

TEST(BitBlt, MonochromeBlocksShiftToAnyBitPosition) {
  Canvas src(40, 2, PixelFormat::kMono1);
  for (int x = 0; x < 40; ++x) src.surface.SetPixel(x, 1, (x * 7 % 5 == 0) ? 0x000000 : 0xFFFFFF);
  for (int sx = 0; sx < 9; ++sx) {
    for (int dx = 0; dx < 9; ++dx) {
      Canvas dst(48, 1, PixelFormat::kMono1);
      dst.dc.BitBlt(dx, 0, 25, 1, &src.dc, sx, 1, kSrcCopy);
      for (int x = 0; x < 48; ++x) {
        const Colour expected = x >= dx && x < dx + 25 ? src.surface.GetPixel(sx + x - dx, 1) : 0xFFFFFF;
        ASSERT_EQ(dst.surface.GetPixel(x, 0), expected) << sx << " " << dx << " " << x;
      }
    }
  }
}

TEST(BitBlt, PartsOutsideEitherSurfaceAreLeftAlone) {
  Canvas src(4, 4, PixelFormat::kColour32, 0x000000);
  Canvas dst(6, 6, PixelFormat::kColour32);
  dst.dc.BitBlt(-1, 2, 6, 6, &src.dc, -1, 1, kSrcCopy);
  EXPECT_EQ(SurfaceText(dst.surface), Lines({"......",
                                             "......",
                                             "####..",
                                             "####..",
                                             "####..",
                                             "......"}));
  EXPECT_FALSE(dst.dc.BitBlt(0, 0, 2, 2, nullptr, 0, 0, kSrcCopy)) << "a source code needs a source";
  EXPECT_TRUE(dst.dc.BitBlt(0, 0, 2, 2, nullptr, 0, 0, kDstInvert));
  EXPECT_EQ(dst.surface.GetPixel(1, 1), 0x000000u);
}

TEST(BitBlt, OverlappingBlocksOfOneSurfaceMoveAsAWhole) {
  for (PixelFormat format : {PixelFormat::kColour32, PixelFormat::kMono1}) {
    Canvas c(10, 3, format);
    for (int x = 0; x < 10; x += 3) c.surface.SetPixel(x, 1, 0x000000);
    c.dc.BitBlt(1, 1, 9, 1, &c.dc, 0, 1, kSrcCopy);
    EXPECT_EQ(SurfaceText(c.surface, {0, 1, 10, 2}), "##..#..#..\n");
    c.dc.BitBlt(0, 0, 10, 2, &c.dc, 0, 1, kSrcCopy);
    EXPECT_EQ(SurfaceText(c.surface, {0, 0, 10, 1}), "##..#..#..\n");
  }
}

TEST(MaskBlt, TakesTheSourceWhereTheMaskIsZeroAndKeepsTheDestinationWhereItIsOne) {
  for (PixelFormat format : {PixelFormat::kColour32, PixelFormat::kMono1}) {
    Canvas src(12, 1, format, 0x000000);
    Canvas dst(12, 1, format);
    Canvas mask(12, 1, PixelFormat::kMono1);
    for (int x = 0; x < 12; x += 2) mask.surface.SetPixel(x, 0, 0x000000);
    ASSERT_TRUE(dst.dc.MaskBlt(1, 0, 10, 1, &src.dc, 0, 0, &mask.surface, 0, 0, 0xCCAA0029));
    EXPECT_EQ(SurfaceText(dst.surface), ".#.#.#.#.#..\n");
    // Mask pixels beyond the mask count as 1: the destination stays.
    dst.surface.Fill(0xFFFFFF);
    ASSERT_TRUE(dst.dc.MaskBlt(0, 0, 12, 1, &src.dc, 0, 0, &mask.surface, 6, 0, 0xCCAA0029));
    EXPECT_EQ(SurfaceText(dst.surface), "#.#.#.......\n");
  }
  Canvas colourMask(2, 1, PixelFormat::kColour32);
  Canvas dst(2, 1, PixelFormat::kColour32);
  EXPECT_FALSE(dst.dc.MaskBlt(0, 0, 2, 1, &dst.dc, 0, 0, &colourMask.surface, 0, 0, 0xCCAA0029));
}

TEST(PatBlt, UsesTheBrushAndTheDestinationOnly) {
  Canvas c(4, 2, PixelFormat::kColour32, 0x00FF00);
  c.dc.SelectBrush(Brush::Solid(0x0000FF));
  EXPECT_TRUE(c.dc.PatBlt(1, 0, 2, 1, kPatCopy));
  EXPECT_TRUE(c.dc.PatBlt(4, 2, -2, -1, kDstInvert));  // negative extents run backwards
  EXPECT_FALSE(c.dc.PatBlt(0, 0, 1, 1, kSrcCopy));
  EXPECT_EQ(c.surface.GetPixel(1, 0), 0x0000FFu);
  EXPECT_EQ(c.surface.GetPixel(2, 1), 0xFF00FFu);
  EXPECT_EQ(c.surface.GetPixel(0, 1), 0x00FF00u);
}

}  // namespace
}  // namespace tmb
