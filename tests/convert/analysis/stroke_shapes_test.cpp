#include "convert/analysis/stroke_shapes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <limits>
#include <vector>

#include "convert/analysis/shape_records.h"
#include "convert/driver/marker_list.h"
#include "convert/passes/turn_splitting.h"
#include "core/path/point_index_list.h"
#include "core/path/stroke_path_ex.h"
#include "support/path_points.h"

namespace {

using tmb::test::ScopedMaxPoints;

double Distance(const CFPoint& a, const CFPoint& b) { return std::hypot(double(a.x) - b.x, double(a.y) - b.y); }

// A stroke of n + 1 points from (x, y) by step, both weights w, flag 1 first.
void AddRun(CStrokePathEx& path, CFPoint from, CFPoint step, int n, float w) {
  ASSERT_TRUE(path.AllocWeights());
  for (int k = 0; k <= n; ++k) {
    const int i = path.GetCount();
    path.AddPointUnique(from.x + step.x * float(k), from.y + step.y * float(k), i == 0 ? 1 : 0, 1);
    path.m_pWeight1[i] = path.m_pWeight2[i] = w;
  }
}

struct Anchor {
  int index;
  CFPoint point;
};

std::vector<Anchor> AnchorsOf(const CPointIndexList& anchors, int kind) {
  std::vector<Anchor> out;
  for (int k = 0; k < anchors.m_nCount; ++k) {
    if (anchors.m_pKinds[k] == kind) out.push_back({anchors.m_pValues[k], anchors.m_pPoints[k]});
  }
  return out;
}

ParamBlock Params(int corner = 0, int lengthScale = 10) {
  ParamBlock p{};
  p[3] = lengthScale;
  p[290] = corner;
  p[111] = 15;
  return p;
}

TEST(StrokeShapes, TheBrushMovesWidthAcrossTheDiagonalAndKeepsItAlongIt) {
  struct Case {
    CFPoint step;
    double first, second;  // side distances after the shift, of weights 4
  } cases[] = {
      {{1, 1}, 4, 4},    // along the diagonal: b = 0.5
      {{1, -1}, 4, 4},   // exactly across it: the angle is read as 0, b = 0.5 again
      {{1, 0}, 2, 6},    // level: b = 0.75
      {{0, 1}, 6, 2},    // upright: b = 0.25
      {{-1, 0.98f}, 8, 0.026},  // nearly across, on the lower side: b near 0
      {{1, -0.98f}, 0.026, 8},  // nearly across, on the upper side: b near 1
  };
  for (const Case& c : cases) {
    CStrokePathEx path(64);
    AddRun(path, {50, 50}, c.step, 8, 4);
    CPointIndexList anchors(64);
    ASSERT_EQ(AnalyseStrokeShapes(path, anchors, Params(), 0), 1);
    EXPECT_NEAR(Distance(path.m_pSide1[4], path.m_pPoints[4]), c.first, 0.05) << c.step.x << "," << c.step.y;
    EXPECT_NEAR(Distance(path.m_pSide2[4], path.m_pPoints[4]), c.second, 0.05) << c.step.x << "," << c.step.y;
  }
}

// A stroke right 10 steps and down 10, turning (flag 3) at point 10.
void AddTurn(CStrokePathEx& path) {
  AddRun(path, {20, 20}, {1, 0}, 10, 3);
  for (int k = 1; k <= 10; ++k) {
    const int i = path.GetCount();
    path.AddPointUnique(30, 20 + float(k), 0, 1);
    path.m_pWeight1[i] = path.m_pWeight2[i] = 3;
  }
  path.m_pFlags[10] = 3;
}

TEST(StrokeShapes, ATurnIsAnchoredOnBothSidesAndItsCornerSharpenedAsAsked) {
  // A turn to the right: the outer side is the first (the writer's left).
  struct Result {
    std::vector<Anchor> corners;
    std::vector<CFPoint> side1;
  } results[3];
  for (int mode = 0; mode < 3; ++mode) {
    CStrokePathEx path(64);
    AddTurn(path);
    CPointIndexList anchors(64);
    AnalyseStrokeShapes(path, anchors, Params(mode), 0);
    results[mode].corners = AnchorsOf(anchors, kAnchorCorner);
    results[mode].side1.assign(path.m_pSide1, path.m_pSide1 + path.GetCount());
    const auto outer = AnchorsOf(anchors, kAnchorOuterTurn), inner = AnchorsOf(anchors, kAnchorInnerTurn);
    ASSERT_EQ(outer.size(), 1u);
    ASSERT_EQ(inner.size(), 1u);
    EXPECT_EQ(outer[0].point, path.m_pSide1[10]);
    EXPECT_EQ(inner[0].point, path.m_pSide2[10]);
    EXPECT_EQ(path.m_pOutline->m_pPoints[outer[0].index], outer[0].point);
  }
  EXPECT_TRUE(results[0].corners.empty());
  ASSERT_EQ(results[1].corners.size(), 1u);
  ASSERT_EQ(results[2].corners.size(), 1u);
  EXPECT_EQ(results[1].side1, results[0].side1);  // 1 records the corner only
  // 2 moves the outer side points between the turn and the corner onto the two of them.
  const CFPoint corner = results[2].corners[0].point;
  int onTurn = 0, onCorner = 0;
  for (int k = 11; k < 18; ++k) {
    onTurn += results[2].side1[k] == results[2].side1[10];
    onCorner += results[2].side1[k] == corner;
  }
  EXPECT_GT(onTurn + onCorner, 0);
  EXPECT_NE(results[2].side1, results[0].side1);
}

TEST(StrokeShapes, WithoutACandidateWithinTheLengthScaleTheCornerIsTwoPointsOn) {
  CStrokePathEx path(64);
  AddTurn(path);
  CPointIndexList anchors(64);
  AnalyseStrokeShapes(path, anchors, Params(1, 0), 0);
  const auto corners = AnchorsOf(anchors, kAnchorCorner);
  ASSERT_EQ(corners.size(), 1u);
  EXPECT_EQ(corners[0].point, path.m_pSide1[12]);
}

// A turn whose run is one or two points long (the next turn follows at once) still
// takes its corner two points on when no candidate is found: the point beyond its run.
TEST(StrokeShapes, WithoutACandidateAShortTurnRunsCornerIsStillTwoPointsOn) {
  struct Case {
    int nextTurn;
    std::vector<int> corners;  // first-side points, in order of the turns
  } cases[] = {
      {11, {12, 13}},  // a run of one point
      {12, {12, 14}},  // a run of two
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.nextTurn);
    CStrokePathEx path(64);
    AddTurn(path);
    path.m_pFlags[c.nextTurn] = 3;
    CPointIndexList anchors(64);
    AnalyseStrokeShapes(path, anchors, Params(1, 0), 0);
    std::vector<CFPoint> found, expected;
    for (const Anchor& a : AnchorsOf(anchors, kAnchorCorner)) found.push_back(a.point);
    for (int k : c.corners) expected.push_back(path.m_pSide1[k]);
    EXPECT_EQ(found, expected);
  }
}

TEST(StrokeShapes, TurnMarkersArePostedOnlyWhenAsked) {
  for (int show : {0, 1}) {
    gMarkers.Clear();
    CStrokePathEx path(64);
    AddTurn(path);
    CPointIndexList anchors(64);
    ParamBlock params = Params(1);
    params[362] = show;
    AnalyseStrokeShapes(path, anchors, params, 0);
    EXPECT_EQ(gMarkers.m_nCount, show ? 3 : 0);
    if (show) {
      EXPECT_EQ(gMarkers.m_codes[0], 1035);
      EXPECT_EQ(gMarkers.m_codes[1], 1033);
      EXPECT_EQ(gMarkers.m_codes[2], 1036);
    }
    EXPECT_FALSE(gMarkers.IsPosting());
  }
  gMarkers.Clear();
}

TEST(StrokeShapes, AShortStrokeAnchorsBothSidesWhereItsOutlineHasThem) {
  // The whole stroke is outlined (L = n - 1): the second side of point k stands at
  // 2L + 1 - k, and its anchors are found there.
  CStrokePathEx path(64);
  AddTurn(path);
  CPointIndexList anchors(64);
  AnalyseStrokeShapes(path, anchors, Params(1), 1);
  const auto outer = AnchorsOf(anchors, kAnchorOuterTurn), inner = AnchorsOf(anchors, kAnchorInnerTurn);
  ASSERT_EQ(inner.size(), 1u);
  EXPECT_EQ(inner[0].point, path.m_pSide2[10]);
  EXPECT_EQ(outer[0].point, path.m_pSide1[10]);
  // The ends: the outline points nearest to the first and the last point.
  const auto start = AnchorsOf(anchors, kAnchorStart), end = AnchorsOf(anchors, kAnchorEnd);
  ASSERT_EQ(start.size(), 1u);
  ASSERT_EQ(end.size(), 1u);
  const CStrokePath& outline = *path.m_pOutline;
  EXPECT_EQ(start[0].index, outline.FindNearest(20, 20));
  EXPECT_EQ(end[0].index, outline.FindNearest(30, 30));
  EXPECT_EQ(end[0].point, outline.m_pPoints[end[0].index]);
  // The last point is part of the outline.
  EXPECT_LT(Distance(outline.m_pPoints[end[0].index], {30, 30}), 3.1);
}

TEST(StrokeShapes, NarrowingHoldsTheThinningWithinNoneAndAll) {
  for (auto [thinning, width] : {std::pair{-50, 3.0}, std::pair{200, 0.0}, std::pair{25, 1.5}}) {
    CStrokePathEx path(64);
    AddTurn(path);
    path.m_pFlags[20] = 3;  // a flagged last point: its segment on is empty
    ParamBlock params = Params();
    params[2] = 5;
    params[4] = thinning;
    CPointIndexList anchors(64);
    AnalyseStrokeShapes(path, anchors, params, 0);
    for (int i : {10, 20}) {
      EXPECT_FLOAT_EQ(path.m_pWeight1[i], float(width)) << thinning << " " << i;
      EXPECT_FLOAT_EQ(path.m_pWeight2[i], float(width)) << thinning << " " << i;
    }
    for (int k = 0; k < path.m_pOutline->GetCount(); ++k) {
      ASSERT_TRUE(std::isfinite(path.m_pOutline->m_pPoints[k].x)) << thinning;
    }
  }
}

TEST(StrokeShapes, RunsOfOnePointAtTheEndStayInsideThePath) {
  // Turn points close together and on the last points: every read stays in the stroke.
  CStrokePathEx path(64);
  AddRun(path, {0, 0}, {1, 0.5f}, 6, 2);
  path.m_pFlags[4] = kFlagTurnBefore;
  path.m_pFlags[5] = kFlagTurnAfter;
  path.m_pFlags[6] = 3;
  CPointIndexList anchors(64);
  EXPECT_EQ(AnalyseStrokeShapes(path, anchors, Params(2), 0), 1);
  EXPECT_EQ(AnalyseStrokeShapes(path, anchors, Params(2), 1), 1);
  for (int k = 0; k < path.m_pOutline->GetCount(); ++k) ASSERT_TRUE(std::isfinite(path.m_pOutline->m_pPoints[k].y));
}

TEST(StrokeShapes, AShortLoopRoundATurnIsAnchoredAtItsEndsAndEveryThirdPoint) {
  CStrokePathEx path(64);
  AddRun(path, {0, 0}, {1, 1}, 12, 2);
  path.m_pFlags[2] = 62;  // '>'
  path.m_pFlags[5] = kFlagTurnBefore;
  path.m_pFlags[9] = 63;  // '?'
  CPointIndexList anchors(64);
  AnalyseStrokeShapes(path, anchors, Params(), 0);
  // On both sides: the loop's ends 2 and 9, and the points 3 and 6 inside it.
  auto byPosition = [](std::vector<CFPoint> v) {
    std::sort(v.begin(), v.end(), [](const CFPoint& a, const CFPoint& b) { return a.x < b.x || (a.x == b.x && a.y < b.y); });
    return v;
  };
  auto sidesOf = [&](std::initializer_list<int> ks) {
    std::vector<CFPoint> v;
    for (int k : ks) {
      v.push_back(path.m_pSide2[k]);
      v.push_back(path.m_pSide1[k]);
    }
    return byPosition(v);
  };
  auto pointsOf = [&](int kind) {
    std::vector<CFPoint> v;
    for (const Anchor& a : AnchorsOf(anchors, kind)) {
      EXPECT_EQ(path.m_pOutline->m_pPoints[a.index], a.point);
      v.push_back(a.point);
    }
    return byPosition(v);
  };
  EXPECT_EQ(pointsOf(kAnchorLoopEnd), sidesOf({2, 9}));
  EXPECT_EQ(pointsOf(kAnchorLoopInside), sidesOf({3, 6}));

  // Not shorter than three loop units (the length runs within the runs, so over five of
  // the seven steps): no loop anchors.
  CPointIndexList longer(64);
  ParamBlock params = Params();
  params[111] = 2;
  AnalyseStrokeShapes(path, longer, params, 0);
  EXPECT_TRUE(AnchorsOf(longer, kAnchorLoopEnd).empty());
}

TEST(DensifyOutline, SamplesEachSegmentAtTwoPointsPerPixel) {
  CStrokePath outline(16);
  tmb::test::Fill(outline, {{0, 0, 1}, {3, 0, 0}, {3, 0.4f, 0}});
  CShapeRecordList records(4);
  records.Add(1, kAnchorEnd, 0);
  records.Add(1, kAnchorStart, 0);
  records.Add(40, kAnchorStart, 0);  // past the outline: nothing
  CPointIndexList anchors(8);
  EXPECT_EQ(DensifyOutline(outline, anchors, records, 1), 1);
  // 3 pixels: 5 samples; 0.4 pixels: none; back to the start (3.03 pixels): 5.
  ASSERT_EQ(outline.GetCount(), 13);
  EXPECT_EQ(outline.m_pPoints[6], CFPoint(3, 0));
  EXPECT_EQ(outline.m_pPoints[1], CFPoint(0.5f, 0));
  EXPECT_EQ(outline.m_pFlags[0], 1);
  ASSERT_EQ(anchors.m_nCount, 2);
  EXPECT_EQ(anchors.m_pKinds[0], kAnchorStart);
  EXPECT_EQ(anchors.m_pKinds[1], kAnchorEnd);
  EXPECT_EQ(anchors.m_pValues[0], 6);
  EXPECT_EQ(anchors.m_pPoints[1], CFPoint(3, 0));

  // Without the short-stroke rule, samples rounding to the last point kept are left out:
  // of 0.5, 1, 1.5, 2 and 2.5 those rounding to 1, 2 and 3 first; of 2.5, 2, 1.5, 1 and 0.5
  // on the way back those rounding to 2 and 1.
  CStrokePath level(16);
  tmb::test::Fill(level, {{0, 0, 1}, {3, 0, 0}});
  CPointIndexList none(1);
  DensifyOutline(level, none, CShapeRecordList(0), 0);
  EXPECT_EQ(level.GetCount(), 1 + 3 + 1 + 2);
}

// A far point fills the outline, which then stops growing: the anchors of the points that
// no longer fit go on being made, on its last point. A damaged (NaN) point gets no samples.
TEST(DensifyOutline, AFarPointFillsTheOutlineAndLaterAnchorsReferToItsLastPoint) {
  ScopedMaxPoints capacity(100);
  for (float far : {1e30f, std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN()}) {
    SCOPED_TRACE(far);
    CStrokePath outline(8);
    tmb::test::Fill(outline, {{0, 0, 1}, {far, 0, 0}, {0, 5, 0}});
    CShapeRecordList records(4);
    records.Add(2, kAnchorEnd, 0);
    records.Add(2, kAnchorOuterTurn, 0);
    CPointIndexList anchors(8);
    DensifyOutline(outline, anchors, records, 1);
    const int count = std::isnan(far) ? 3 + 9 : 100;  // 9 samples back to the start
    ASSERT_EQ(outline.GetCount(), count);
    ASSERT_EQ(anchors.m_nCount, 2);
    EXPECT_EQ(anchors.m_pKinds[0], kAnchorEnd);
    EXPECT_EQ(anchors.m_pKinds[1], kAnchorOuterTurn);
    const int at = std::isnan(far) ? 2 : count - 1;
    for (int k = 0; k < 2; ++k) {
      EXPECT_EQ(anchors.m_pValues[k], at);
      EXPECT_EQ(anchors.m_pPoints[k], outline.m_pPoints[at]);
    }
  }
}

}  // namespace
