#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "platform/gdi/device_context.h"
#include "support/surface_text.h"

namespace tmb {
namespace {

using test::Lines;
using test::SurfaceText;

class DrawTest : public ::testing::Test {
 protected:
  void SetUp() override { Make(PixelFormat::kColour32, 24, 24); }
  void Make(PixelFormat format, int w, int h) {
    ASSERT_TRUE(surface.Create(w, h, format));
    surface.Fill(0xFFFFFF);
    dc.SelectSurface(&surface);
  }
  // Pixels that are not white.
  std::vector<Point> Ink() const {
    std::vector<Point> out;
    for (int y = 0; y < surface.height(); ++y) {
      for (int x = 0; x < surface.width(); ++x) {
        if (surface.GetPixel(x, y) != 0xFFFFFF) out.push_back({x, y});
      }
    }
    return out;
  }
  Surface surface;
  DeviceContext dc;
};

TEST_F(DrawTest, ADefaultContextHasTheExpectedState) {
  DeviceContext fresh;
  EXPECT_EQ(fresh.brush(), Brush::Solid(0xFFFFFF));
  EXPECT_EQ(fresh.pen(), Pen::Solid(1, 0x000000));
  EXPECT_EQ(fresh.backgroundColour(), 0xFFFFFFu);
  EXPECT_EQ(fresh.textColour(), 0x000000u);
  EXPECT_EQ(fresh.backgroundMode(), kOpaque);
  EXPECT_EQ(fresh.polyFillMode(), kAlternate);
  EXPECT_EQ(fresh.stretchMode(), kBlackOnWhite);
  EXPECT_EQ(fresh.drawMode(), kR2CopyPen);
  EXPECT_FALSE(fresh.LineTo(3, 3)) << "nothing selected: nothing to draw into";
  EXPECT_EQ(fresh.GetPixel(0, 0), kInvalidColour);
}

TEST_F(DrawTest, AFilledPolygonCoversExactlyItsInteriorByTheTopLeftRule) {
  for (PixelFormat format : {PixelFormat::kColour32, PixelFormat::kMono1}) {
    Make(format, 12, 8);
    dc.SelectPen(Pen::Null());
    dc.SelectBrush(Brush::Solid(0x000000));
    const Point square[] = {{2, 1}, {6, 1}, {6, 5}, {2, 5}};
    dc.Polygon(square);
    EXPECT_EQ(SurfaceText(surface), Lines({"............",
                                           "..####......",
                                           "..####......",
                                           "..####......",
                                           "..####......",
                                           "............",
                                           "............",
                                           "............"}));
  }
}

TEST_F(DrawTest, PolygonsThatShareEdgesCoverEveryPixelExactlyOnce) {
  // Two triangles splitting a square along its diagonal, and a fan around a centre point,
  // each drawn inverting: any pixel covered twice would come back white.
  dc.SelectPen(Pen::Null());
  dc.SelectBrush(Brush::Solid(0xFFFFFF));
  dc.SetDrawMode(kR2XorPen);
  const Point t1[] = {{3, 3}, {17, 3}, {17, 13}};
  const Point t2[] = {{3, 3}, {17, 13}, {3, 13}};
  dc.Polygon(t1);
  dc.Polygon(t2);
  EXPECT_EQ(int(Ink().size()), 14 * 10);
  for (Point p : Ink()) EXPECT_TRUE(Rect({3, 3, 17, 13}).Contains(p));

  surface.Fill(0xFFFFFF);
  const Point c{11, 9};
  const Point ring[] = {{2, 2}, {20, 4}, {21, 19}, {9, 22}, {1, 12}};
  for (int i = 0; i < 5; ++i) {
    const Point tri[] = {c, ring[i], ring[(i + 1) % 5]};
    dc.Polygon(tri);
  }
  std::vector<Point> fan = Ink();
  surface.Fill(0xFFFFFF);
  dc.SetDrawMode(kR2CopyPen);
  dc.SelectBrush(Brush::Solid(0x000000));
  dc.Polygon(ring);
  EXPECT_EQ(Ink(), fan);
}

TEST_F(DrawTest, APolygonWithAPenAlsoCoversItsRightAndBottomEdges) {
  Make(PixelFormat::kColour32, 8, 6);
  dc.SelectBrush(Brush::Solid(0x0000FF));
  const Point square[] = {{1, 1}, {5, 1}, {5, 4}, {1, 4}};
  dc.Polygon(square);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool border = (x == 1 || x == 5 || y == 1 || y == 4) && x >= 1 && x <= 5 && y >= 1 && y <= 4;
      const bool inside = x > 1 && x < 5 && y > 1 && y < 4;
      EXPECT_EQ(surface.GetPixel(x, y), border ? 0x000000u : inside ? 0x0000FFu : 0xFFFFFFu) << x << "," << y;
    }
  }
}

TEST_F(DrawTest, WindingAndAlternateDifferOnASelfOverlappingStar) {
  const Point star[] = {{12, 1}, {19, 22}, {1, 9}, {23, 9}, {5, 22}};
  dc.SelectPen(Pen::Null());
  dc.SelectBrush(Brush::Solid(0x000000));
  dc.SetPolyFillMode(kAlternate);
  dc.Polygon(star);
  EXPECT_EQ(surface.GetPixel(12, 13), 0xFFFFFFu) << "the centre is wound twice: outside by alternate";
  EXPECT_EQ(surface.GetPixel(12, 5), 0x000000u);
  const size_t alternate = Ink().size();
  surface.Fill(0xFFFFFF);
  dc.SetPolyFillMode(kWinding);
  dc.Polygon(star);
  EXPECT_EQ(surface.GetPixel(12, 13), 0x000000u);
  EXPECT_GT(Ink().size(), alternate);
}

TEST_F(DrawTest, LineToLeavesOutItsLastPixel) {
  const struct {
    Point from, to;
  } lines[] = {{{2, 5}, {12, 5}}, {{12, 6}, {2, 6}}, {{4, 1}, {4, 20}}, {{3, 3}, {13, 13}},
               {{20, 2}, {17, 21}}, {{1, 20}, {21, 14}}, {{5, 5}, {5, 5}}};
  for (const auto& l : lines) {
    surface.Fill(0xFFFFFF);
    dc.MoveTo(l.from.x, l.from.y);
    dc.LineTo(l.to.x, l.to.y);
    const int n = std::max(std::abs(l.to.x - l.from.x), std::abs(l.to.y - l.from.y));
    EXPECT_EQ(int(Ink().size()), n);
    EXPECT_EQ(surface.GetPixel(l.to.x, l.to.y), 0xFFFFFFu);
    if (n > 0) {
      EXPECT_EQ(surface.GetPixel(l.from.x, l.from.y), 0x000000u);
    }
    EXPECT_EQ(dc.currentPosition(), l.to);
  }
}

TEST_F(DrawTest, AClosedPolylineInvertsEveryBorderPixelOnce) {
  dc.SetDrawMode(kR2Not);
  const Point frame[] = {{2, 2}, {10, 2}, {10, 7}, {2, 7}, {2, 2}};
  dc.Polyline(frame);
  EXPECT_EQ(int(Ink().size()), 2 * 8 + 2 * 5);
  for (Point p : Ink()) EXPECT_TRUE(p.x == 2 || p.x == 10 || p.y == 2 || p.y == 7);
}

TEST_F(DrawTest, ADottedInvertingFrameDrawnTwiceRestoresThePicture) {
  dc.SelectBrush(Brush::Solid(0x00FF00));
  dc.Ellipse(3, 3, 20, 20);
  Surface before;
  ASSERT_TRUE(before.Create(24, 24, PixelFormat::kColour32));
  std::memcpy(before.bits(), surface.bits(), surface.ByteSize());
  dc.SelectPen(Pen::Styled(kPenDot, 1, 0x000000));
  dc.SelectBrush(Brush::Null());
  dc.SetDrawMode(kR2Not);
  dc.Rectangle(1, 1, 22, 18);
  EXPECT_NE(std::memcmp(before.bits(), surface.bits(), surface.ByteSize()), 0);
  // The frame is dotted: some border pixels are left as they were.
  EXPECT_EQ(surface.GetPixel(1, 1), 0x000000u);
  int untouched = 0;
  for (int x = 1; x < 22; ++x) untouched += surface.GetPixel(x, 1) == 0xFFFFFF;
  EXPECT_GT(untouched, 5);
  dc.Rectangle(1, 1, 22, 18);
  EXPECT_EQ(std::memcmp(before.bits(), surface.bits(), surface.ByteSize()), 0);
}

TEST_F(DrawTest, RectanglesAndFillRectLeaveOutTheRightAndBottomEdges) {
  Make(PixelFormat::kColour32, 8, 6);
  dc.SelectBrush(Brush::Solid(0xFF0000));
  dc.Rectangle(1, 1, 6, 5);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      const bool in = x >= 1 && x < 6 && y >= 1 && y < 5;
      const bool border = in && (x == 1 || x == 5 || y == 1 || y == 4);
      EXPECT_EQ(surface.GetPixel(x, y), border ? 0x000000u : in ? 0xFF0000u : 0xFFFFFFu) << x << "," << y;
    }
  }
  surface.Fill(0xFFFFFF);
  dc.SetDrawMode(kR2Not);  // FillRect copies its brush whatever the mode
  dc.FillRect({6, 4, 2, 1}, Brush::Solid(0x123456));  // an inverted rectangle is empty
  EXPECT_TRUE(Ink().empty());
  dc.FillRect({2, 1, 6, 4}, Brush::Solid(0x123456));
  EXPECT_EQ(test::CountPixels(surface, 0x123456), 4 * 3);
  EXPECT_EQ(surface.GetPixel(6, 3), 0xFFFFFFu);
  EXPECT_EQ(surface.GetPixel(5, 4), 0xFFFFFFu);
}

TEST_F(DrawTest, DrawingModesCombinePenAndDestination) {
  // Every mode on the four combinations of pen and destination bits.
  Make(PixelFormat::kMono1, 4, 1);
  for (int mode = kR2Black; mode <= kR2White; ++mode) {
    for (int pen = 0; pen < 2; ++pen) {
      for (int d = 0; d < 2; ++d) {
        surface.Fill(d ? 0xFFFFFF : 0x000000);
        dc.SetDrawMode(mode);
        dc.SelectPen(Pen::Solid(1, pen ? 0xFFFFFF : 0x000000));
        dc.MoveTo(0, 0);
        dc.LineTo(1, 0);
        const int expected = ((mode - 1) >> (pen * 2 + d)) & 1;
        EXPECT_EQ(surface.GetPixel(0, 0), expected ? 0xFFFFFFu : 0x000000u) << mode << " " << pen << d;
      }
    }
  }
}

TEST_F(DrawTest, EllipsesStayInTheirBoxTouchItsSidesAndAreSymmetric) {
  const Rect boxes[] = {{2, 3, 20, 12}, {4, 4, 9, 9}, {0, 0, 24, 24}, {10, 5, 12, 19}, {3, 3, 7, 7}};
  for (const Rect& box : boxes) {
    surface.Fill(0xFFFFFF);
    dc.SelectBrush(Brush::Solid(0x0000FF));
    dc.Ellipse(box.left, box.top, box.right, box.bottom);
    const std::vector<Point> ink = Ink();
    Rect bounds{99, 99, -1, -1};
    for (Point p : ink) {
      EXPECT_TRUE(box.Contains(p));
      bounds = Rect::Union(bounds, {p.x, p.y, p.x + 1, p.y + 1});
      const Point mirrorX{box.left + box.right - 1 - p.x, p.y};
      const Point mirrorY{p.x, box.top + box.bottom - 1 - p.y};
      EXPECT_NE(surface.GetPixel(mirrorX.x, mirrorX.y), 0xFFFFFFu);
      EXPECT_NE(surface.GetPixel(mirrorY.x, mirrorY.y), 0xFFFFFFu);
    }
    EXPECT_EQ(bounds, box);
    // The pen's outline and the brush's interior together are the filled ellipse.
    dc.SelectPen(Pen::Null());
    dc.SelectBrush(Brush::Solid(0x000000));
    surface.Fill(0xFFFFFF);
    dc.Ellipse(box.left, box.top, box.right, box.bottom);
    EXPECT_EQ(Ink(), ink);
    dc.SelectPen(Pen::Solid(1, 0));
  }
}

TEST_F(DrawTest, WidePensDrawTheirWidthWithTheirEndCaps) {
  const struct {
    int cap;
    int pixels;
  } cases[] = {{kCapFlat, 10 * 4}, {kCapSquare, 14 * 4}};
  for (const auto& c : cases) {
    surface.Fill(0xFFFFFF);
    Pen pen = Pen::Solid(4, 0x000000);
    pen.endCap = c.cap;
    dc.SelectPen(pen);
    dc.MoveTo(10, 10);
    dc.LineTo(20, 10);
    EXPECT_EQ(int(Ink().size()), c.pixels) << c.cap;
    for (Point p : Ink()) EXPECT_TRUE(p.y >= 8 && p.y <= 11);
  }
  surface.Fill(0xFFFFFF);
  dc.SelectPen(Pen::Solid(5, 0x000000));
  dc.MoveTo(10, 10);
  dc.LineTo(10, 10);
  EXPECT_EQ(SurfaceText(surface, {7, 7, 14, 14}), Lines({".......",
                                                         "..###..",
                                                         ".#####.",
                                                         ".#####.",
                                                         ".#####.",
                                                         "..###..",
                                                         "......."}))
      << "a round cap on a zero-length line is a disc";
}

TEST_F(DrawTest, RoundJoinsCoverMoreThanBevelJoinsAndWideLinesPaintOnce) {
  const Point path[] = {{4, 4}, {18, 4}, {18, 18}};
  Pen pen = Pen::Solid(7, 0xFFFFFF);
  pen.join = kJoinBevel;
  dc.SetDrawMode(kR2XorPen);  // a pixel painted twice would turn white again
  dc.SelectPen(pen);
  dc.Polyline(path);
  const std::vector<Point> bevel = Ink();
  surface.Fill(0xFFFFFF);
  pen.join = kJoinRound;
  dc.SelectPen(pen);
  dc.Polyline(path);
  const std::vector<Point> round = Ink();
  EXPECT_GT(round.size(), bevel.size());
  for (Point p : bevel) EXPECT_NE(surface.GetPixel(p.x, p.y), 0xFFFFFFu);
  EXPECT_EQ(surface.GetPixel(18, 4), 0x000000u);
  EXPECT_EQ(surface.GetPixel(21, 1), 0xFFFFFFu) << "the outer corner is rounded off";
}

TEST_F(DrawTest, TheViewportOriginMovesEverything) {
  dc.SetViewportOrigin({5, 3});
  dc.SetPixel(0, 0, 0x000000);
  EXPECT_EQ(surface.GetPixel(5, 3), 0x000000u);
  EXPECT_EQ(dc.GetPixel(0, 0), 0x000000u);
  EXPECT_EQ(dc.GetPixel(-6, 0), kInvalidColour);
  EXPECT_EQ(dc.SetPixel(19, 0, 0x000000), kInvalidColour);
  dc.FillRect({0, 0, 2, 2}, Brush::Solid(0x0000FF));
  EXPECT_EQ(surface.GetPixel(6, 4), 0x0000FFu);
}

TEST_F(DrawTest, ShapesFarOutsideTheSurfaceAreClippedWithoutHarm) {
  dc.SelectPen(Pen::Solid(3, 0x000000));
  dc.MoveTo(-2000000000, 12);
  dc.LineTo(2000000000, 12);
  EXPECT_EQ(surface.GetPixel(23, 13), 0x000000u);
  EXPECT_EQ(surface.GetPixel(0, 11), 0x000000u);
  dc.SelectPen(Pen::Solid(1, 0x000000));
  dc.SelectBrush(Brush::Null());
  dc.MoveTo(0, 14);
  dc.LineTo(2147483647, 14);
  const Point huge[] = {{-2147483647, -2147483647}, {2147483647, 5}, {3, 2147483647}};
  dc.Polygon(huge);
  dc.Ellipse(-100000000, -100000000, 100000000, 100000000);
  dc.Rectangle(-2147483647, -2147483647, 2147483647, 2147483647);
  EXPECT_EQ(surface.GetPixel(5, 14), 0x000000u);
}

}  // namespace
}  // namespace tmb
