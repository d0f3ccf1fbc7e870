#include "convert/analysis/corner_squaring.h"

#include <gtest/gtest.h>

#include "convert/analysis/stroke_feature_list.h"
#include "core/path/stroke_path.h"
#include "support/path_points.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::AddPolyline;

TEST(CornerSquaring, DirectionTestsWeighTheSignedComponent) {
  struct Case {
    CFPoint v;
    float s;
    bool steep;
    bool flat;
  } cases[] = {
      {{1, 3}, 2, true, false},    {{1, 2}, 2, false, false},  {{1, -3}, 2, false, false},
      {{1, -3}, -2, true, false},  {{5, 1}, 2, false, true},   {{-5, 1}, -2, false, true},
      {{-5, 1}, 2, false, false},  {{0, 1}, 0, false, false},  {{3, 0}, 0.5f, false, true},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(IsSteepWithSign(c.v, c.s), c.steep) << c.v.x << "," << c.v.y << " " << c.s;
    EXPECT_EQ(IsFlatWithSign(c.v, c.s), c.flat) << c.v.x << "," << c.v.y << " " << c.s;
  }
}

TEST(CornerSquaring, ARoundedTurnIsDrawnHalfWayToARightAngle) {
  CStrokePath path(64);
  // A diagonal from (0, 0) to (30, 30) cornered at its middle: the level leg runs to
  // (30, 0), the second leg to (20, 30), a third of the run left of the end.
  const int a = path.GetCount();
  for (int k = 0; k <= 10; ++k) path.AppendPoint(3 * k, 3 * k, k == 0 ? 1 : 0);
  SquareCorner(path, a, a + 10, a + 5);
  EXPECT_EQ(path.m_pPoints[a], CFPoint(0, 0));
  EXPECT_EQ(path.m_pPoints[a + 5], CFPoint(22.5f, 7.5f));  // half way from (15, 15) to (30, 0)
  EXPECT_EQ(path.m_pPoints[a + 10], CFPoint(25, 30));      // half way to (20, 30)
  EXPECT_EQ(path.m_pPoints[a + 8], CFPoint(24, 21));       // (24, 24) and (24, 18) on the second leg
}

TEST(CornerSquaring, TwoRecordsOfOneTurnAreSquared) {
  struct Case {
    CFPoint turnEnd;   // where the level record ends
    CFPoint downStart; // where the falling record starts
    CFPoint downEnd;
    int squared;
  } cases[] = {
      {{40, 0}, {41, 1}, {40, 40}, 1},
      {{40, 0}, {50, 10}, {50, 50}, 0},  // the joint is longer than a quarter of the chord
      {{40, 0}, {41, 1}, {62, 40}, 0},   // the second runs down only as far as sideways x 2
      {{40, 30}, {41, 31}, {40, 70}, 0}, // the first is not level
  };
  for (const Case& c : cases) {
    CStrokePath path(256);
    AddPolyline(path, {{0, 0}, c.turnEnd}, 4);
    const int down = AddPolyline(path, {c.downStart, c.downEnd}, 4);
    path.m_pFlags[down] = CStrokePath::kFlagSection;
    CStrokeFeatureList list;
    list.Reset();
    list.BeginStroke(0);
    list.EndStroke(down - 1, 0);
    list.BeginStroke(down);
    list.EndStroke(path.GetCount() - 1, 0);
    const CFPoint before = path.m_pPoints[down + 4];
    EXPECT_EQ(SquareRecordCorner(path, list, 0), c.squared);
    EXPECT_EQ(path.m_pPoints[down + 4] != before, c.squared == 1);
    EXPECT_EQ(SquareRecordCorner(path, list, 1), 0);  // no record after the last
  }
}

}  // namespace
