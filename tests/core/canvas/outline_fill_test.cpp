#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/path/curve_runs.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_work.h"
#include "support/fixed_division.h"
#include "support/path_points.h"
#include "support/picture_files.h"
#include "support/scoped_work_canvas.h"
#include "support/surface_text.h"
#include "support/test_canvas.h"

namespace {

using tmb::PixelFormat;
using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;

constexpr tmb::Colour kInk = 0x000000, kWhite = 0xFFFFFF;

class OutlineFillTest : public ::testing::Test {
 protected:
  void TearDown() override { gOutlineCurveMode = 0; }

  // The marks (contour flags) of the first n contours of work.
  static std::vector<int> Marks(const CStrokeWork& work, int n) {
    std::vector<int> marks;
    for (int k = 0; k < n; ++k) marks.push_back(work.m_pStrokeMarks ? work.m_pStrokeMarks->GetMark(k) : -1);
    return marks;
  }

  tmb::test::ScopedWorkCanvas paper{40, 30, 1000};
  tmb::test::Canvas canvas{40, 30, PixelFormat::kColour32};
};

// A square contour from (l, t) to (r, b), clockwise on the paper or the other way.
void Square(CStrokePath& path, float l, float t, float r, float b, bool clockwise) {
  if (clockwise) {
    Fill(path, {{l, t, 1}, {r, t, 0}, {r, b, 0}, {l, b, 0}});
  } else {
    Fill(path, {{l, t, 1}, {l, b, 0}, {r, b, 0}, {r, t, 0}});
  }
}

TEST_F(OutlineFillTest, ARingFillsWithAWhiteHoleAndInvertSwapsIt) {
  for (int invert : {0, 1}) {
    CStrokeWork ring(20);
    Square(ring, 5, 5, 35, 25, true);
    Square(ring, 15, 10, 25, 20, false);
    canvas.surface.Fill(0x00FF00);
    ring.FillOutlines(&canvas.dc, kInk, 3, 0, nullptr, 1.0f, invert);
    EXPECT_EQ(canvas.surface.GetPixel(10, 15), invert ? kWhite : kInk) << invert;
    EXPECT_EQ(canvas.surface.GetPixel(20, 15), invert ? kInk : kWhite) << invert;
    EXPECT_EQ(canvas.surface.GetPixel(15, 15), kInk) << "the hole keeps an outline in the colour";
    EXPECT_EQ(canvas.surface.GetPixel(38, 28), kWhite) << "the paper is cleared";
    EXPECT_EQ(Marks(ring, 2), (std::vector<int>{invert, 1 - invert}));
    tmb::test::SavePictureForViewing(canvas.surface, invert ? "ring_inverted" : "ring");
  }
}

TEST_F(OutlineFillTest, AContainedContourGivenFirstIsOrderedAfterItsContainer) {
  CStrokeWork ring(20);
  Square(ring, 15, 10, 25, 20, false);
  Square(ring, 5, 5, 35, 25, true);
  EXPECT_EQ(ring.CollectStrokeOutlines(0), 1);
  EXPECT_EQ(PointsOf(ring)[0], (PathPoint{5, 5, 1}));
  EXPECT_EQ(PointsOf(ring)[4], (PathPoint{15, 10, 1}));
  EXPECT_EQ(Marks(ring, 2), (std::vector<int>{0, 1}));
  EXPECT_EQ(ring.m_pStrokeMarks->m_nUsed, 2);
  ring.FillOutlines(&canvas.dc, kInk, 3, 0, nullptr, 1.0f, 0);
  EXPECT_EQ(canvas.surface.GetPixel(20, 15), kWhite);
  EXPECT_EQ(canvas.surface.GetPixel(10, 15), kInk);
}

TEST_F(OutlineFillTest, ClockwiseAndCounterClockwiseSquaresGetOppositeOrientations) {
  CStrokeWork two(20);
  Square(two, 2, 2, 10, 10, true);
  Square(two, 20, 2, 28, 10, false);
  // A contour whose first point is not flagged still starts at index 0.
  two.m_pFlags[0] = 0;
  two.CollectStrokeOutlines(0);
  EXPECT_EQ(Marks(two, 2), (std::vector<int>{0, 1}));
  two.CollectStrokeOutlines(1);
  EXPECT_EQ(Marks(two, 2), (std::vector<int>{1, 0}));
}

TEST_F(OutlineFillTest, BoxesThatOnlyOverlapKeepTheirOrder) {
  CStrokeWork two(20);
  Square(two, 2, 2, 20, 20, true);
  Square(two, 10, 10, 30, 25, true);
  two.CollectStrokeOutlines(0);
  EXPECT_EQ(PointsOf(two)[0], (PathPoint{2, 2, 1}));
  EXPECT_EQ(PointsOf(two)[4], (PathPoint{10, 10, 1}));
}

// Innermost, apart, outermost, middle: the innermost swaps with the outermost, then with
// the middle, which leaves outermost, apart, middle, innermost.
TEST_F(OutlineFillTest, NestingIsOrderedBySwappingTheFirstPairOutOfOrder) {
  CStrokeWork nest(40);
  Square(nest, 12, 10, 18, 14, true);  // innermost
  Square(nest, 30, 2, 38, 8, true);    // apart
  Square(nest, 2, 2, 28, 28, true);    // outermost
  Square(nest, 8, 6, 22, 20, false);   // middle
  nest.CollectStrokeOutlines(0);
  const std::vector<PathPoint> p = PointsOf(nest);
  EXPECT_EQ(p[0], (PathPoint{2, 2, 1}));
  EXPECT_EQ(p[4], (PathPoint{30, 2, 1}));
  EXPECT_EQ(p[8], (PathPoint{8, 6, 1}));
  EXPECT_EQ(p[12], (PathPoint{12, 10, 1}));
  EXPECT_EQ(Marks(nest, 4), (std::vector<int>{0, 0, 1, 0}));
}

// The box test of the order: 4 when a holds b, -4 when a lies strictly inside b.
int Holds(const tmb::Rect& a, const tmb::Rect& b) {
  auto term = [](bool so) { return so ? -1 : 1; };
  return term(a.left > b.left) + term(a.right < b.right) + term(a.top > b.top) + term(a.bottom < b.bottom);
}

// The order by its plain rule: swap the ranks of the first pair out of order and start
// over from the first pair, until none is.
std::vector<int> PlainOrder(const std::vector<tmb::Rect>& boxes) {
  const size_t n = boxes.size();
  std::vector<int> rank(n);
  for (size_t k = 0; k < n; ++k) rank[k] = int(k);
  for (bool swapped = true; swapped;) {
    swapped = false;
    for (size_t i = 0; i < n && !swapped; ++i) {
      for (size_t j = i + 1; j < n && !swapped; ++j) {
        const int t = Holds(boxes[i], boxes[j]);
        if ((rank[i] < rank[j] && t == -4) || (rank[i] > rank[j] && t == 4)) {
          std::swap(rank[i], rank[j]);
          swapped = true;
        }
      }
    }
  }
  std::vector<int> order(n);
  for (size_t k = 0; k < n; ++k) order[size_t(rank[k])] = int(k);
  return order;
}

TEST_F(OutlineFillTest, ChainsOfNestedAndEqualBoxesTakeTheOrderOfThePlainRule) {
  uint32_t seed = 7;
  auto next = [&seed](int range) {
    seed = seed * 1103515245u + 12345u;
    return int((seed >> 16) % uint32_t(range));
  };
  for (int round = 0; round < 40; ++round) {
    // Squares about nearly one centre in any order, so that chains of them hold one
    // another, some only on a shared side, and some are equal.
    std::vector<tmb::Rect> boxes;
    CStrokeWork work(200);
    const int n = 2 + next(11);
    for (int k = 0; k < n; ++k) {
      const int h = 1 + next(12), x = 20 + next(2), y = 20 + next(2);
      const tmb::Rect box{x - h, y - h, x + h, y + h};
      boxes.push_back(box);
      Square(work, float(box.left), float(box.top), float(box.right), float(box.bottom), true);
    }
    work.CollectStrokeOutlines(0);
    std::vector<int> order;
    for (int s = 0; s < work.GetCount(); s += 4) {
      for (int k = 0; k < n; ++k) {
        if (work.m_pPoints[s] == CFPoint(float(boxes[size_t(k)].left), float(boxes[size_t(k)].top)) &&
            work.m_pPoints[s + 2] == CFPoint(float(boxes[size_t(k)].right), float(boxes[size_t(k)].bottom)) &&
            std::find(order.begin(), order.end(), k) == order.end()) {
          order.push_back(k);
          break;
        }
      }
    }
    EXPECT_EQ(order, PlainOrder(boxes)) << "round " << round;
  }
}

TEST_F(OutlineFillTest, CollectOnlyPaintsNothingButGivesTheContoursAsIntegerPoints) {
  CStrokeWork work(20);
  Fill(work, {{2.4f, 2.6f, 1}, {10, 2, 0}, {10, 9.5f, 0}});
  Square(work, 20, 5, 30, 15, true);
  CStrokePath out(20);
  const std::string before = tmb::test::SurfaceText(canvas.surface);
  canvas.surface.Fill(0x123456);
  work.FillOutlines(&canvas.dc, kInk, 0, 0, &out, 1.0f, 0);
  EXPECT_EQ(tmb::test::CountPixels(canvas.surface, 0x123456), 40 * 30);
  EXPECT_EQ(PointsOf(out), (std::vector<PathPoint>{
                               {2, 3, 1}, {10, 2, 0}, {10, 10, 0}, {20, 5, 1}, {30, 5, 0}, {30, 15, 0}, {20, 15, 0}}));
  // Without a context the same.
  CStrokePath again(20);
  work.FillOutlines(nullptr, kInk, 0, 0, &again, 1.0f, 0);
  EXPECT_EQ(PointsOf(again), PointsOf(out));
}

// The polygon of a contour keeps its points as they come, repeats and all: a point given
// twice, and the end of a curve, which the next piece begins with again.
TEST_F(OutlineFillTest, PolygonsKeepRepeatedPointsAndModeMinusOneCollectsTheStraightPieces) {
  CStrokeWork work(20);
  Fill(work, {{0, 0, 1}, {10, 0, 0}, {10, 0, 0}, {20, 0, 0}, {28, 4, 0}, {20, 10, 0}, {0, 10, 0}});
  work.m_pAttrs[4] = CStrokePath::kAttrSkip;  // (20, 0) to (20, 10) is a curve
  CStrokePath out(64);
  work.FillOutlines(nullptr, kInk, 0, 0, &out, 1.0f, 0);
  const std::vector<PathPoint> p = PointsOf(out);
  ASSERT_GT(p.size(), 8u);
  EXPECT_EQ(std::vector<PathPoint>(p.begin(), p.begin() + 4),
            (std::vector<PathPoint>{{0, 0, 1}, {10, 0, 0}, {10, 0, 0}, {20, 0, 0}}));
  EXPECT_EQ(p[p.size() - 3], (PathPoint{20, 10, 0}));  // the curve's end
  EXPECT_EQ(p[p.size() - 2], (PathPoint{20, 10, 0}));  // the straight piece from it
  EXPECT_EQ(p.back(), (PathPoint{0, 10, 0}));

  // Mode -1: each straight piece as a stroke of its two points, the curve not.
  std::vector<CFPoint> polygon;
  CStrokePath sides(20);
  for (int i = 0; i < 6;) i = work.BuildStrokePolygon(i, 0, polygon, -1, nullptr, kInk, 1.0f, &sides);
  EXPECT_EQ(PointsOf(sides), (std::vector<PathPoint>{{0, 0, 1}, {10, 0, 0}, {10, 0, 1}, {10, 0, 0}, {10, 0, 1},
                                                     {20, 0, 0}, {20, 10, 1}, {0, 10, 0}}));
}

TEST_F(OutlineFillTest, AContourOnTheCurveIsFilledAsItsPlainPolygon) {
  CStrokeWork work(20);
  Fill(work, {{3, 3, 1}, {30, 6, 0}, {20, 25, 0}, {8, 18, 0}});
  work.FillOutlines(&canvas.dc, 0x0000FF, 2, 0, nullptr, 1.0f, 0);
  tmb::test::Canvas plain{40, 30, PixelFormat::kColour32};
  plain.dc.SetPolyFillMode(tmb::kWinding);
  plain.dc.SelectBrush(tmb::Brush::Solid(0x0000FF));
  plain.dc.SelectPen(tmb::Pen::Solid(1, 0x0000FF));
  const tmb::Point pts[] = {{3, 3}, {30, 6}, {20, 25}, {8, 18}};
  plain.dc.Polygon(pts);
  EXPECT_EQ(tmb::test::SurfaceText(canvas.surface), tmb::test::SurfaceText(plain.surface));
  EXPECT_EQ(canvas.surface.GetPixel(18, 12), 0x0000FFu);
  EXPECT_EQ(canvas.dc.brush(), tmb::Brush{});
  EXPECT_EQ(canvas.dc.pen(), tmb::Pen{});
}

TEST_F(OutlineFillTest, ControlPointsRoundTheCornersInBothCurveModes) {
  for (int curveMode : {0, 1}) {
    gOutlineCurveMode = curveMode;
    CStrokeWork work(20);
    // A square whose corners are control points: a rounded square, closed through the
    // first point.
    Fill(work, {{20, 3, 1}, {36, 3, 0}, {36, 26, 0}, {4, 26, 0}, {4, 3, 0}});
    for (int i = 1; i < 5; ++i) work.m_pAttrs[i] = CStrokePath::kAttrSkip;
    canvas.surface.Fill(kWhite);
    work.FillOutlines(&canvas.dc, kInk, 2, 0, nullptr, 1.0f, 0);
    EXPECT_EQ(canvas.surface.GetPixel(20, 15), kInk) << curveMode;
    EXPECT_EQ(canvas.surface.GetPixel(20, 4), kInk) << curveMode;
    EXPECT_EQ(canvas.surface.GetPixel(5, 4), kWhite) << curveMode;
    EXPECT_EQ(canvas.surface.GetPixel(35, 25), kWhite) << curveMode;
    // Mode 5 sets only the curve's pixels.
    canvas.surface.Fill(kWhite);
    work.FillOutlines(&canvas.dc, 0x0000FF, 5, 1, nullptr, 1.0f, 0);
    EXPECT_EQ(canvas.surface.GetPixel(20, 15), kWhite) << curveMode;
    EXPECT_GT(tmb::test::CountPixels(canvas.surface, 0x0000FF), 60) << curveMode;
  }
}

TEST_F(OutlineFillTest, OutlineModeDrawsTheContourClosed) {
  CStrokeWork work(20);
  Square(work, 5, 5, 15, 12, true);
  work.FillOutlines(&canvas.dc, kInk, 1, 0, nullptr, 1.0f, 0);
  EXPECT_EQ(canvas.surface.GetPixel(5, 8), kInk);  // the closing side
  EXPECT_EQ(canvas.surface.GetPixel(10, 5), kInk);
  EXPECT_EQ(canvas.surface.GetPixel(10, 8), kWhite);
}

// The paper is cleared whatever the scale, and at a scale above 1 the whole scaled paper:
// cleared at its plain size only, an earlier drawing would stay beside the new one.
TEST_F(OutlineFillTest, TheWholePaperIsClearedFirstAtEveryScale) {
  tmb::test::Canvas big{160, 120, PixelFormat::kColour32, 0x00FF00};
  CStrokeWork earlier(20);
  Square(earlier, 30, 20, 36, 26, true);
  earlier.FillOutlines(&big.dc, kInk, 4, 0, nullptr, 4.0f, 0);
  ASSERT_EQ(big.surface.GetPixel(130, 90), kInk);
  CStrokeWork work(20);
  Square(work, 5, 5, 10, 10, true);
  work.FillOutlines(&big.dc, kInk, 4, 0, nullptr, 4.0f, 0);
  EXPECT_EQ(big.surface.GetPixel(30, 30), kInk);
  EXPECT_EQ(big.surface.GetPixel(130, 90), kWhite) << "the earlier drawing is gone";
  EXPECT_EQ(big.surface.GetPixel(150, 110), kWhite);
  // Below 1 the paper itself is cleared, not only the part the drawing covers.
  canvas.surface.Fill(0x00FF00);
  work.FillOutlines(&canvas.dc, kInk, 4, 0, nullptr, 0.5f, 0);
  EXPECT_EQ(canvas.surface.GetPixel(4, 4), kInk);
  EXPECT_EQ(canvas.surface.GetPixel(38, 28), kWhite);
  // With keepBackground the picture stays.
  big.surface.Fill(0x00FF00);
  work.FillOutlines(&big.dc, kInk, 4, 1, nullptr, 4.0f, 0);
  EXPECT_EQ(big.surface.GetPixel(150, 110), 0x00FF00u);
}

// A contour whose last point is a control point closes through its curve back to its
// first point. Taken into the polygon once more, that point would draw a line out to it
// along the side of the curve (here down the paper's left edge at x = 5).
TEST_F(OutlineFillTest, AContourEndingOnAControlPointClosesThroughItsCurve) {
  CStrokeWork work(20);
  Fill(work, {{5, 5, 1}, {35, 5, 0}, {35, 25, 0}, {5, 25, 0}});
  work.m_pAttrs[3] = CStrokePath::kAttrSkip;
  for (int mode : {1, 2}) {
    SCOPED_TRACE(mode);
    CStrokePath collected(2000);
    canvas.surface.Fill(kWhite);
    work.FillOutlines(&canvas.dc, kInk, mode, 0, &collected, 1.0f, 0);
    EXPECT_EQ(canvas.surface.GetPixel(30, 5), kInk);
    EXPECT_EQ(canvas.surface.GetPixel(16, 22), kInk);  // on the curve
    for (int y = 15; y <= 25; ++y) EXPECT_EQ(canvas.surface.GetPixel(5, y), kWhite) << y;
    ASSERT_GT(collected.GetCount(), 4);
    EXPECT_NE(collected.GetLastPoint(), CFPoint(5, 25));
  }
}

TEST_F(OutlineFillTest, FlaggedContoursAreWhiteAnd255AlsoLosesItsOutline) {
  CStrokeWork work(20);
  Square(work, 2, 2, 12, 12, true);
  Square(work, 15, 2, 25, 12, true);
  Square(work, 28, 2, 38, 12, true);
  work.EnsureAuxBuffer(0);
  work.m_pStrokeMarks->SetMark(1, 1);
  work.m_pStrokeMarks->SetMark(2, 255);
  canvas.surface.Fill(0x00FF00);
  work.FillOutlines(&canvas.dc, kInk, 2, 1, nullptr, 1.0f, 0);
  EXPECT_EQ(canvas.surface.GetPixel(7, 7), kInk);
  EXPECT_EQ(canvas.surface.GetPixel(20, 7), kWhite);
  EXPECT_EQ(canvas.surface.GetPixel(15, 7), kInk);
  EXPECT_EQ(canvas.surface.GetPixel(33, 7), kWhite);
  EXPECT_EQ(canvas.surface.GetPixel(28, 7), kWhite);
}

TEST_F(OutlineFillTest, OnlyTheContoursOfTheSelectedDivisionAreDrawn) {
  CStrokeWork work(20);
  Square(work, 2, 2, 12, 12, true);
  Square(work, 15, 2, 25, 12, true);
  for (int mode : {1, 2}) {
    tmb::test::FixedDivision division(mode, 0, 4);
    InstallDivisionSelection(&division);
    canvas.surface.Fill(kWhite);
    work.FillOutlines(&canvas.dc, kInk, 2, 1, nullptr, 1.0f, 0);
    InstallDivisionSelection(nullptr);
    EXPECT_EQ(canvas.surface.GetPixel(7, 7), mode == 1 ? kInk : kWhite) << mode;
    EXPECT_EQ(canvas.surface.GetPixel(20, 7), mode == 1 ? kWhite : kInk) << mode;
  }
}

TEST(FlattenCurveRun, ALongRunGivesAllItsPointsOnePixelApart) {
  // A curve over thousands of pixels: more samples than any fixed buffer of the points
  // of one piece would hold.
  std::vector<CFPoint> run;
  for (int k = 0; k < 8; ++k) run.emplace_back(float(k * 1500), float((k % 2) * 1500));
  for (int curveMode : {0, 1}) {
    gOutlineCurveMode = curveMode;
    std::vector<CFPoint> out;
    const int n = FlattenCurveRun(run, out);
    ASSERT_EQ(size_t(n), out.size());
    EXPECT_GT(n, 5000) << curveMode;
    EXPECT_EQ(out.front().RoundToPoint(), (tmb::Point{0, 0})) << curveMode;
    EXPECT_NEAR(out.back().x, 10500, 30) << curveMode;
    for (size_t k = 1; k < out.size(); ++k) ASSERT_NE(out[k].RoundToPoint(), out[k - 1].RoundToPoint());
  }
  gOutlineCurveMode = 0;
  std::vector<CFPoint> out;
  const CFPoint same[] = {{4, 4}, {4, 4}, {4, 4}};
  EXPECT_EQ(FlattenCurveRun(same, out), 1);
}

// A run is one curve from its first point through the midpoints of its inner segments to
// its last: it reaches its last point and never jumps, whatever the number of pieces.
TEST(FlattenCurveRun, AQuadraticRunIsOneUnbrokenCurveFromItsFirstPointToItsLast) {
  const std::vector<std::vector<CFPoint>> runs = {
      {{0, 0}, {60, 0}, {60, 60}},                       // one piece
      {{0, 0}, {60, 0}, {60, 60}, {120, 60}},            // two
      {{0, 0}, {60, 0}, {60, 60}, {120, 60}, {120, 0}},  // three
  };
  gOutlineCurveMode = 0;
  for (const std::vector<CFPoint>& run : runs) {
    SCOPED_TRACE(run.size());
    std::vector<CFPoint> out;
    ASSERT_GT(FlattenCurveRun(run, out), 2);
    EXPECT_EQ(out.front(), run.front());
    EXPECT_LE(std::hypot(out.back().x - run.back().x, out.back().y - run.back().y), 1.5f);
    for (size_t k = 1; k < out.size(); ++k) {
      ASSERT_LE(std::hypot(out[k].x - out[k - 1].x, out[k].y - out[k - 1].y), 1.5f) << k;
    }
  }
}

struct SnapCase {
  const char* name;
  std::vector<PathPoint> points;  // one closed stroke; point 1 is the one looked at
  PathPoint expected;
};

class SnapNearAxisTest : public ::testing::TestWithParam<SnapCase> {};

TEST_P(SnapNearAxisTest, MovesOnlyPointsThatStickOutOfARun) {
  CStrokeWork work(20);
  for (const PathPoint& p : GetParam().points) Fill(work, {p});
  work.SnapNearAxisPoints();
  EXPECT_EQ(PointsOf(work)[1], GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SnapNearAxisTest,
    ::testing::Values(
        // A one-pixel step close to the point before, where the way turns back: level
        // with the point before.
        SnapCase{"StepNearItsPredecessor", {{0, 0, 1}, {1, 1, 0}, {0, 2, 0}, {-5, 2, 0}}, {1, 0, 0}},
        // The end of a level run one pixel short of the upright side after it: onto it.
        SnapCase{"ShortEndOfALevelRun", {{0, 0, 1}, {5, 0, 0}, {6, 3, 0}, {0, 3, 0}}, {6, 0, 0}},
        // A straight run is left alone.
        SnapCase{"StraightRunStays", {{0, 0, 1}, {5, 0, 0}, {10, 0, 0}, {5, 5, 0}}, {5, 0, 0}},
        // Points off the pixels are looked at rounded, and a snapped coordinate is the
        // neighbour's rounded one; the other stays as it was.
        SnapCase{"OffThePixelsStepNearItsPredecessor", {{0.2f, 0.3f, 1}, {1.4f, 1.2f, 0}, {0.1f, 2.2f, 0}, {-5, 2, 0}},
                 {1.4f, 0, 0}},
        SnapCase{"OffThePixelsShortEndOfALevelRun", {{0.4f, 0, 1}, {5.2f, 0.3f, 0}, {5.6f, 3, 0}, {0, 3, 0}},
                 {6, 0.3f, 0}}),
    [](const auto& info) { return info.param.name; });

TEST(InsertMidpoints, PutsAnOnCurvePointBetweenTwoControlPoints) {
  CStrokePath path(20);
  Fill(path, {{0, 0, 1}, {2, 0, 0}, {4, 2, 0}, {6, 6, 0}, {8, 8, 1}, {9, 9, 0}});
  path.m_pAttrs[1] = path.m_pAttrs[2] = CStrokePath::kAttrSkip;  // a run of two controls
  path.m_pAttrs[3] = CStrokePath::kAttrSkip;                     // and a third after them
  path.m_pAttrs[4] = CStrokePath::kAttrSkip;                     // but it starts a stroke
  EXPECT_EQ(path.InsertMidpoints(), 1);
  EXPECT_EQ(PointsOf(path), (std::vector<PathPoint>{
                                {0, 0, 1}, {2, 0, 0}, {3, 1, 0}, {4, 2, 0}, {5, 4, 0}, {6, 6, 0}, {8, 8, 1}, {9, 9, 0}}));
  EXPECT_EQ(path.m_pAttrs[2], 0);
  EXPECT_EQ(path.m_pAttrs[4], 0);
  // A path without room for the midpoints stays as it was.
  CStrokePath full(3);
  Fill(full, {{0, 0, 1}, {2, 0, 0}, {4, 2, 0}});
  full.m_pAttrs[1] = full.m_pAttrs[2] = CStrokePath::kAttrSkip;
  EXPECT_EQ(full.InsertMidpoints(), 0);
  EXPECT_EQ(full.GetCount(), 3);
}

}  // namespace
