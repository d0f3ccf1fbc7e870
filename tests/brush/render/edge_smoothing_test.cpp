#include "brush/render/edge_smoothing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "platform/gdi/device_context.h"
#include "support/picture_files.h"
#include "support/scoped_work_canvas.h"
#include "support/surface_text.h"

namespace {

using tmb::Colour;
using tmb::Point;
using tmb::Surface;

constexpr Colour kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0x0000FF, kGreen = 0x00FF00;

int Channel(Colour c, int k) { return int((c >> (8 * k)) & 0xFF); }

class EdgeSmoothingTest : public ::testing::Test {
 protected:
  Surface Paper(Colour colour, int w = 200, int h = 150) {
    Surface s;
    EXPECT_TRUE(s.Create(w, h, tmb::PixelFormat::kColour32));
    s.Fill(colour);
    return s;
  }
  // A band slanting gently, so that its edges are staircases.
  void PaintBand(Surface& s, Colour ink) {
    tmb::DeviceContext dc(&s);
    dc.SelectPen(tmb::Pen::Solid(1, ink));
    dc.SelectBrush(tmb::Brush::Solid(ink));
    const Point band[] = {{20, 40}, {180, 70}, {180, 100}, {20, 70}};
    dc.Polygon(band);
  }
  int Changed(const Surface& a, const Surface& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
      for (int x = 0; x < a.width(); ++x) n += a.GetPixel(x, y) != b.GetPixel(x, y);
    }
    return n;
  }
  tmb::test::ScopedWorkCanvas canvas{200, 150};
};

TEST_F(EdgeSmoothingTest, ARunIsShadedFromNearTowardsInk) {
  const int expected[] = {192, 161, 128, 97, 64, 34};
  for (int j = 0; j <= 5; ++j) {
    const Colour c = ShadeRunColour(kWhite, kBlack, 75, 5, j);
    for (int k = 0; k < 3; ++k) EXPECT_EQ(Channel(c, k), expected[j]) << j;
  }
}

TEST_F(EdgeSmoothingTest, AStaircaseEdgeGetsColoursBetweenInkAndPaperAndARectangleNone) {
  Surface picture = Paper(kGreen);
  PaintBand(picture, kRed);
  Surface before = Paper(kGreen);
  PaintBand(before, kRed);
  RenderStrokesByStroke(&canvas.screen, &picture, kGreen, kRed, 100, 2);
  tmb::test::SavePictureForViewing(picture, "edge_smoothing_band");
  EXPECT_GT(Changed(picture, before), 50);
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      const Colour c = picture.GetPixel(x, y);
      if (c == before.GetPixel(x, y)) continue;
      EXPECT_EQ(Channel(c, 2), 0) << x << "," << y;
      EXPECT_NE(c, kGreen);  // between the two, not one of them
      EXPECT_NE(c, kRed);
    }
  }

  // Four corners and straight sides: nothing to smooth.
  Surface box = Paper(kWhite);
  tmb::DeviceContext(&box).FillSolidRect({40, 30, 120, 90}, kBlack);
  Surface boxBefore = Paper(kWhite);
  tmb::DeviceContext(&boxBefore).FillSolidRect({40, 30, 120, 90}, kBlack);
  RenderStrokesByStroke(&canvas.screen, &box, kWhite, kBlack, 100, 3);
  EXPECT_EQ(Changed(box, boxBefore), 0);
}

TEST_F(EdgeSmoothingTest, StrengthAndLevelAreClampedAndStrengthZeroLeavesTheRuns) {
  auto smoothed = [this](int strength, int level) {
    Surface s = Paper(kWhite);
    PaintBand(s, kBlack);
    RenderStrokesByStroke(&canvas.screen, &s, kWhite, kBlack, strength, level);
    return s;
  };
  EXPECT_EQ(Changed(smoothed(250, 2), smoothed(100, 2)), 0);
  EXPECT_EQ(Changed(smoothed(-5, 2), smoothed(0, 2)), 0);
  EXPECT_EQ(Changed(smoothed(100, 9), smoothed(100, 3)), 0);
  EXPECT_EQ(Changed(smoothed(100, -1), smoothed(100, 1)), 0);
  Surface plain = Paper(kWhite);
  PaintBand(plain, kBlack);
  EXPECT_LT(Changed(smoothed(0, 1), plain), Changed(smoothed(100, 1), plain));
}

TEST_F(EdgeSmoothingTest, InkAtThePapersEdgeIsSmoothedWithinThePaperOnly) {
  // A bitmap larger than the paper: what lies beyond the paper is never written.
  Surface big = Paper(kWhite, 260, 200);
  tmb::DeviceContext dc(&big);
  dc.SelectPen(tmb::Pen::Solid(1, kBlack));
  dc.SelectBrush(tmb::Brush::Solid(kBlack));
  dc.Ellipse(150, 100, 250, 190);  // across the paper's right and lower edges
  dc.Ellipse(-40, -30, 40, 30);    // across its upper-left corner
  Surface before = Paper(kWhite, 260, 200);
  std::copy(big.bits(), big.bits() + big.ByteSize(), before.bits());
  RenderStrokesByStroke(&canvas.screen, &big, kWhite, kBlack, 100, 3);
  EXPECT_GT(Changed(big, before), 0);
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 260; ++x) {
      if (x < 200 && y < 150) continue;
      ASSERT_EQ(big.GetPixel(x, y), before.GetPixel(x, y)) << x << "," << y;
    }
  }
  RenderStrokesByStroke(&canvas.screen, nullptr, kWhite, kBlack, 100, 2);
}

TEST_F(EdgeSmoothingTest, LevelThreeAlsoSoftensThePaperOutsideTheCorners) {
  auto smoothed = [this](int level) {
    Surface s = Paper(kWhite);
    PaintBand(s, kBlack);
    RenderStrokesByStroke(&canvas.screen, &s, kWhite, kBlack, 100, level);
    return s;
  };
  const Surface two = smoothed(2), three = smoothed(3);
  tmb::test::SavePictureForViewing(three, "edge_smoothing_band_level_3");
  Surface plain = Paper(kWhite);
  PaintBand(plain, kBlack);
  EXPECT_GT(Changed(two, three), 10);
  // Level 3 greys pixels of the paper that level 2 leaves white.
  int paperGreyed = 0, paperGreyedAtTwo = 0;
  for (int y = 0; y < plain.height(); ++y) {
    for (int x = 0; x < plain.width(); ++x) {
      if (plain.GetPixel(x, y) != kWhite) continue;
      paperGreyed += three.GetPixel(x, y) != kWhite;
      paperGreyedAtTwo += two.GetPixel(x, y) != kWhite;
    }
  }
  EXPECT_GT(paperGreyed, paperGreyedAtTwo);
}

TEST_F(EdgeSmoothingTest, AShortLedgeOpenAtBothEndsIsLeftAndALongOneShaded) {
  struct Case {
    int length;
    bool shaded;
  } cases[] = {{5, false}, {16, true}};
  for (const Case& c : cases) {
    // A block with a one-pixel ledge on its top edge.
    Surface s = Paper(kWhite);
    tmb::DeviceContext(&s).FillSolidRect({40, 60, 160, 120}, kBlack);
    tmb::DeviceContext(&s).FillSolidRect({90, 59, 90 + c.length, 60}, kBlack);
    Surface before = Paper(kWhite);
    std::copy(s.bits(), s.bits() + s.ByteSize(), before.bits());
    RenderStrokesByStroke(&canvas.screen, &s, kWhite, kBlack, 100, 2);
    int ledge = 0;
    for (int x = 91; x < 89 + c.length; ++x) ledge += s.GetPixel(x, 59) != before.GetPixel(x, 59);
    EXPECT_EQ(ledge > 0, c.shaded) << c.length;
  }
}

TEST(SmoothOutline, EachPointBecomesTheMidpointToItsSuccessor) {
  CStrokePathLite square(8);
  const Point points[] = {{0, 0}, {10, 0}, {10, 10}, {0, 10}};
  for (const Point& p : points) square.m_pPoints[square.m_nCount++] = p;
  square.m_pFlags[0] = 1;
  SmoothOutline(square);
  const Point expected[] = {{5, 0}, {10, 5}, {5, 10}, {0, 5}};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(square.m_pPoints[i], expected[i]) << i;
}

TEST(IsStepCorner, AJogIsACornerAndADiagonalStaircaseIsNot) {
  CStrokePathLite jog(16);
  const Point points[] = {{0, 0}, {20, 0}, {20, 6}, {40, 6}, {40, 20}, {0, 20}};
  for (const Point& p : points) jog.m_pPoints[jog.m_nCount++] = p;
  EXPECT_EQ(IsStepCorner(jog, 1, 0, 5), 1) << "a vertical step between horizontal runs";
  CStrokePathLite slant(16);
  const Point slanted[] = {{0, 0}, {20, 0}, {20, 10}, {25, 20}, {0, 20}};
  for (const Point& p : slanted) slant.m_pPoints[slant.m_nCount++] = p;
  EXPECT_EQ(IsStepCorner(slant, 1, 0, 4), 0) << "a vertical step followed by a slanting one";
  CStrokePathLite stairs(64);
  for (int k = 0; k < 20; ++k) stairs.m_pPoints[stairs.m_nCount++] = {k, k};
  stairs.m_pPoints[stairs.m_nCount++] = {19, 0};
  for (int i = 0; i < stairs.m_nCount; ++i) EXPECT_EQ(IsStepCorner(stairs, i, 0, stairs.m_nCount - 1), 0) << i;
  EXPECT_EQ(IntEquals(3, 3), 1);
}

TEST(CloseOutlines, EveryOutlineEndsOnItsFirstPointWithinTheCapacity) {
  CStrokePathLite path(10);
  const Point points[] = {{0, 0}, {4, 0}, {4, 4}, {9, 9}, {12, 9}, {9, 9}};
  const uint8_t flags[] = {1, 0, 0, 1, 0, 0};
  for (int k = 0; k < 6; ++k) {
    path.m_pPoints[k] = points[k];
    path.m_pFlags[k] = flags[k];
  }
  path.m_nCount = 6;
  EXPECT_EQ(CloseOutlines(path), 1);
  EXPECT_EQ(path.m_nCount, 7);
  EXPECT_EQ(path.m_pPoints[3], (Point{0, 0}));
  EXPECT_EQ(path.m_pFlags[4], 1);

  CStrokePathLite tight(6);
  for (int k = 0; k < 6; ++k) {
    tight.m_pPoints[k] = points[k];
    tight.m_pFlags[k] = flags[k];
  }
  tight.m_nCount = 6;
  EXPECT_EQ(CloseOutlines(tight), -1);
  EXPECT_EQ(tight.m_nCount, 4) << "the first outline, closed; the second did not fit";
}

}  // namespace
