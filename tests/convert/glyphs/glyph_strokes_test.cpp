#include "convert/glyphs/glyph_strokes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/text/stroke_end_clipping.h"
#include "core/path/stroke_path_ex.h"
#include "platform/gdi/device_context.h"
#include "support/path_points.h"
#include "support/picture_files.h"
#include "support/test_canvas.h"

namespace {

using tmb::test::AddLineStroke;
using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

TEST(ReverseStrokes, EveryStrokeRunsTheOtherWayWithItsControlPoints) {
  CStrokePath path(20);
  Fill(path, {{0, 0, 1}, {5, 0, 0}, {5, 5, 0}, {9, 9, 1}, {8, 8, 0}, {7, 7, 0}});
  path.m_pAttrs[1] = CStrokePath::kAttrSkip;
  ReverseStrokes(path);
  EXPECT_EQ(PointsOf(path), (Points{{5, 5, 1}, {5, 0, 0}, {0, 0, 0}, {7, 7, 1}, {8, 8, 0}, {9, 9, 0}}));
  EXPECT_EQ(path.m_pAttrs[1], CStrokePath::kAttrSkip);
  ReverseStrokes(path, 3);  // from a stroke on: the ones before stay
  EXPECT_EQ(PointsOf(path), (Points{{5, 5, 1}, {5, 0, 0}, {0, 0, 0}, {9, 9, 1}, {8, 8, 0}, {7, 7, 0}}));
}

// A level centre line from (0, 50) to (100, 50), a point every 100 / segments pixels, 10
// wide.
void CentreLine(CStrokePathEx& centre, int segments = 25) {
  ASSERT_TRUE(centre.AllocWeights());
  AddLineStroke(centre, {0, 50}, {100, 50}, segments);
  for (int i = 0; i < centre.GetCount(); ++i) centre.m_pWeight1[i] = centre.m_pWeight2[i] = 5;
}

// A closed rectangle outline with upright edges at left and right.
void Box(CStrokePath& outline, float left, float right) {
  Fill(outline, {{left, 0, 1}, {right, 0, 0}, {right, 100, 0}, {left, 100, 0}});
}

TEST(ClipStrokeEndsToOutline, AnEdgeNearAnEndCutsItThereAndAFarOneDoesNot) {
  CStrokePathEx centre(100);
  CentreLine(centre);
  CStrokePath near(10);
  Box(near, 10, 90);  // 10 pixels in from either end
  EXPECT_EQ(ClipStrokeEndsToOutline(centre, near), 2);
  ASSERT_GE(centre.GetCount(), 2);
  EXPECT_EQ(centre.m_pPoints[0], CFPoint(10, 50));
  EXPECT_EQ(centre.GetLastPoint(), CFPoint(90, 50));
  EXPECT_EQ(centre.m_pFlags[0], 1);
  EXPECT_EQ(centre.m_pPoints[1], CFPoint(12, 50));
  EXPECT_EQ(centre.CountStrokes(), 1);
  // The cut's side points are the ends of the edge crossed, the first on the left of the
  // way on (upwards on the paper for a stroke running right).
  EXPECT_EQ(centre.m_pSide1[0], CFPoint(10, 0));
  EXPECT_EQ(centre.m_pSide2[0], CFPoint(10, 100));
  EXPECT_EQ(centre.m_pSide1[1], CFPoint(-1, -1));
  const int last = centre.GetCount() - 1;
  EXPECT_EQ(centre.m_pSide1[last], CFPoint(90, 0));
  EXPECT_EQ(centre.m_pSide2[last], CFPoint(90, 100));

  // On a line of a point per pixel: 22 pixels in is within reach, 23 beyond it.
  for (float inset : {22.0f, 23.0f}) {
    SCOPED_TRACE(inset);
    CStrokePathEx line(200);
    CentreLine(line, 100);
    CStrokePath box(10);
    Box(box, inset, 100 - inset);
    const bool reached = inset * inset <= kClipReach2;
    EXPECT_EQ(ClipStrokeEndsToOutline(line, box), reached ? 2 : 0);
    EXPECT_EQ(line.m_pPoints[0], reached ? CFPoint(inset, 50) : CFPoint(0, 50));
  }
}

TEST(ClipStrokeEndsToOutline, CutsThatWouldMeetLeaveTheStrokeWhole) {
  // A hook whose start reaches the edge only past its second point, and whose end only on
  // the way back to the first: both cuts fall on the second point.
  CStrokePathEx centre(10);
  Fill(centre, {{0, 0, 1}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}});
  CStrokePath edge(10);
  Fill(edge, {{-1, 3, 1}, {3, 3, 0}});
  EXPECT_EQ(ClipStrokeEndsToOutline(centre, edge), 0);
  EXPECT_EQ(PointsOf(centre), (Points{{0, 0, 1}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}}));
}

TEST(PrepareGlyphStrokes, TheSideOutlineComesOutClosedAndFreeOfKinks) {
  CStrokePathEx centre(2000);
  CentreLine(centre);
  ParamBlock params{};
  params[201] = 2;
  params[220] = 1;
  const int before = gPreparedGlyphs;
  EXPECT_EQ(PrepareGlyphStrokes(centre, params, true), 1);
  EXPECT_EQ(gPreparedGlyphs, before + 1);
  const CStrokePath& outline = *centre.m_pOutline;
  ASSERT_GT(outline.GetCount(), 100);
  EXPECT_EQ(outline.CountStrokes(), 1);
  tmb::Rect bounds;
  outline.GetIntBoundingRect(bounds);
  EXPECT_NEAR(bounds.top, 45, 1);
  EXPECT_NEAR(bounds.bottom, 55, 1);
  // Neighbours round their outline are at most a pixel apart, and no point turns
  // straight back.
  for (int i = 0; i < outline.GetCount(); ++i) {
    const tmb::Point p = outline.m_pPoints[i].RoundToPoint();
    const tmb::Point q = outline.m_pPoints[outline.NextInStroke(i, -1)].RoundToPoint();
    const tmb::Point r = outline.m_pPoints[outline.NextInStroke(outline.NextInStroke(i, -1), -1)].RoundToPoint();
    EXPECT_LE(std::abs(q.x - p.x), 1) << i;
    EXPECT_LE(std::abs(q.y - p.y), 1) << i;
    EXPECT_NE(p, r) << i;
  }
}

// Glyph strokes of every lie, 12 wide: level, upright, slanting and a quarter circle.
void GlyphStrokes(CStrokePathEx& centre) {
  ASSERT_TRUE(centre.AllocWeights());
  AddLineStroke(centre, {20, 30}, {120, 30}, 25);
  AddLineStroke(centre, {150, 20}, {150, 120}, 25);
  AddLineStroke(centre, {20, 70}, {120, 120}, 25);
  for (int k = 0; k <= 25; ++k) {
    const double a = k * 3.14159265358979 / 50;
    centre.AddPointUnique(float(200 + 60 * std::sin(a)), float(120 - 100 * std::cos(a)), k == 0 ? 1 : 0, 1);
  }
  for (int i = 0; i < centre.GetCount(); ++i) centre.m_pWeight1[i] = centre.m_pWeight2[i] = 6;
}

// The smoothing rounds the corners of every plain stroke end alike, whatever way the
// stroke lies: only an outline that turns back past an end is held there. (Held by the
// size of the angle the shared angle function gives, the ends of level and upright strokes
// stayed square, a slanting stroke got a square start and a round end, and the end of the
// curve one sharp corner beside a round one, by how the float directions happened to
// round.)
TEST(PrepareGlyphStrokes, EveryPlainStrokeEndIsRoundedAlike) {
  constexpr int kScale = 4;
  CStrokePathEx centre(2000);
  GlyphStrokes(centre);
  ParamBlock params{};
  params[0] = 3;
  params[201] = 10;
  params[220] = 1;
  params[260] = 1;
  ASSERT_EQ(PrepareGlyphStrokes(centre, params, true), 1);
  const CStrokePath& outline = *centre.m_pOutline;
  ASSERT_EQ(outline.CountStrokes(), 4);
  tmb::test::Canvas picture(300 * kScale, 150 * kScale, tmb::PixelFormat::kColour32);
  std::vector<tmb::Point> points;
  std::vector<int> counts;
  for (auto [s, e] : tmb::test::StrokeRanges(outline)) {
    for (int i = s; i <= e; ++i) points.push_back((outline.m_pPoints[i] * float(kScale)).RoundToPoint());
    counts.push_back(e - s + 1);
  }
  picture.dc.SelectPen(tmb::Pen::Null());
  picture.dc.SelectBrush(tmb::Brush::Solid(0));
  picture.dc.SetPolyFillMode(tmb::kWinding);
  picture.dc.PolyPolygon(points, counts);
  EXPECT_FALSE(tmb::test::SavePictureForViewing(picture.surface, "glyph_stroke_ends_smoothed").empty());
  // Ink in the box of three pixels round a side corner of an end: a square corner fills a
  // quarter of it, a rounded one far less.
  auto cornerInk = [&picture](CFPoint corner) {
    const tmb::Point c = (corner * float(kScale)).RoundToPoint();
    int ink = 0;
    for (int y = c.y - 3 * kScale; y <= c.y + 3 * kScale; ++y) {
      for (int x = c.x - 3 * kScale; x <= c.x + 3 * kScale; ++x) ink += picture.surface.GetPixel(x, y) == 0;
    }
    return ink;
  };
  constexpr int kBox = (6 * kScale + 1) * (6 * kScale + 1);
  for (auto [s, e] : tmb::test::StrokeRanges(centre)) {
    for (int i : {s, e}) {
      EXPECT_LT(cornerInk(centre.m_pSide1[i]), kBox / 8) << "point " << i;
      EXPECT_LT(cornerInk(centre.m_pSide2[i]), kBox / 8) << "point " << i;
    }
    // The stroke itself is inked along its middle.
    const CFPoint middle = centre.m_pPoints[(s + e) / 2] * float(kScale);
    EXPECT_EQ(picture.surface.GetPixel(int(middle.x), int(middle.y)), 0u) << "stroke from " << s;
  }
}

TEST(DrawPathOutline, DrawsTheClosedStrokesInBlueGreen) {
  tmb::test::Canvas canvas(40, 40, tmb::PixelFormat::kColour32);
  CStrokePath path(10);
  Fill(path, {{5, 5, 1}, {30, 5, 0}, {30, 30, 0}});
  DrawPathOutline(&canvas.dc, path);
  EXPECT_EQ(canvas.surface.GetPixel(15, 5), 0xFFC000u);
  EXPECT_EQ(canvas.surface.GetPixel(30, 15), 0xFFC000u);
  EXPECT_EQ(canvas.surface.GetPixel(15, 15), 0xFFC000u);  // the closing line
  EXPECT_EQ(canvas.surface.GetPixel(25, 10), 0xFFFFFFu);
}

}  // namespace
