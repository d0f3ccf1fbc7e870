#include "convert/analysis/redundant_points.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/path/stroke_path_ex.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

// Appends a stroke of n points from (x, y), step k being steps[k % steps.size()].
void AddSteps(CStrokePath& path, float x, float y, int n, const std::vector<CFPoint>& steps) {
  CFPoint p(x, y);
  for (int k = 0; k < n; ++k) {
    path.AddPointUnique(p.x, p.y, k == 0 ? 1 : 0, 1);
    p = p + steps[size_t(k) % steps.size()];
  }
}

const std::vector<CFPoint> kStairs = {{1, 0}, {0, 1}};

TEST(RedundantPoints, AStaircaseOfTenPointsKeepsItsFirstAndLastTwo) {
  CStrokePath path(32);
  AddSteps(path, 0, 0, 10, kStairs);
  EXPECT_EQ(RemoveRedundantPoints(path, -1, 0), 8);
  EXPECT_EQ(PointsOf(path), (Points{{0, 0, 1}, {4, 4, 0}, {5, 4, 0}}));  // points 0, 8 and 9
}

TEST(RedundantPoints, StretchesOfEachRunLengthStayInsideTheirStroke) {
  struct Case {
    std::vector<CFPoint> steps;
    int result;             // per stroke
    std::vector<int> kept;  // the indices of each stroke's points that stay
  } cases[] = {
      {{{1, 0}}, 8, {0, 8, 9}},                      // a level run: run length 1
      {{{2, 0}, {0, 1}, {1, 1}}, 6, {0, 6, 7, 8, 9}},  // run length 3
  };
  for (const Case& c : cases) {
    CStrokePath path(64);
    AddSteps(path, 0, 0, 10, c.steps);
    AddSteps(path, 100, 0, 10, c.steps);  // a second stroke, thinned on its own
    const Points original = PointsOf(path);
    EXPECT_EQ(RemoveRedundantPoints(path, -1, 0), 2 * c.result);
    Points expected;
    for (int base : {0, 10}) {
      for (int k : c.kept) expected.push_back(original[size_t(base + k)]);
    }
    EXPECT_EQ(PointsOf(path), expected) << c.result;
  }
}

TEST(RedundantPoints, ARangeFromMidStrokeStaysInItAndKeepsWhatLiesOutside) {
  CStrokePathEx path(64);
  AddSteps(path, 0, 0, 20, kStairs);
  for (int i = 0; i < 20; ++i) path.m_pSide1[i] = CFPoint(float(i), -1);
  const Points original = PointsOf(path);
  // From point 5 the stretch runs to point 12: it ends before the range's last point, 14.
  EXPECT_EQ(RemoveRedundantPoints(path, 5, 15), 8);
  std::vector<int> kept = {0, 1, 2, 3, 4, 5, 13, 14, 15, 16, 17, 18, 19};
  ASSERT_EQ(path.GetCount(), int(kept.size()));
  for (size_t k = 0; k < kept.size(); ++k) {
    EXPECT_EQ(PointsOf(path)[k], original[size_t(kept[k])]) << k;
    EXPECT_EQ(path.m_pSide1[k], CFPoint(float(kept[k]), -1)) << "the side point travels with its point";
  }
}

TEST(RedundantPoints, IsRepeatedRunNeverStartsAtOrBesideAPointOfAttribute3) {
  CStrokePath path(32);
  AddSteps(path, 0, 0, 12, kStairs);
  ASSERT_EQ(IsRepeatedRun(path, 2, 2), 2);  // steps 2 to 5 repeat
  // Points 1 to 3, start - 1 to start + 1, block the run; the points further on do not.
  for (int k = 0; k < 12; ++k) {
    path.m_pAttrs[k] = CStrokePath::kAttrSkip;
    EXPECT_EQ(IsRepeatedRun(path, 2, 2), k >= 1 && k <= 3 ? 0 : 2) << k;
    path.m_pAttrs[k] = CStrokePath::kAttrDefault;
  }
  EXPECT_EQ(IsRepeatedRun(path, 8, 2), 0) << "the repeat would reach past the path";
  EXPECT_EQ(IsRepeatedRun(path, 2, kMaxRepeatedRun + 1), 0);

  // With a point of attribute 3 at 6 the stretch from 0 (run length 2) takes the windows
  // at 0, 2 and 4 and is refused at 6: points 1 to 7 go, that one with them, and the
  // walk goes on at point 8.
  path.m_pAttrs[6] = CStrokePath::kAttrSkip;
  EXPECT_EQ(CountRepeatedRuns(path, 0, 11, 2), 8);
  EXPECT_EQ(RemoveRedundantPoints(path, -1, 0), 8);
  EXPECT_EQ(PointsOf(path), (Points{{0, 0, 1}, {4, 4, 0}, {5, 4, 0}, {5, 5, 0}, {6, 5, 0}}));
}

TEST(RedundantPoints, DropRepeatedPointsKeepsStartsAndControlsAndDropsRepeatsAndStraightRuns) {
  CStrokePath path(32);
  Fill(path, {{0, 0, 0},             // the path's first point, with no flag
              {0, 0, 0},             // a repeat: dropped
              {1, 0, 0}, {2, 0, 0},  // inside a level run: dropped
              {3, 0, 0}, {3, 1, 0},  // a turn, then inside a plumb run: dropped
              {3, 2, 0}, {3, 2, 0},  // a repeat: one of the two stays, the stroke's last
              {3, 2, 1},             // a stroke start on the same point: kept
              {4, 2, 0}, {5, 2, 0},  // a control point in a level run: kept
              {6, 2, 0}, {6, 2, 0}});  // repeated control points: kept
  for (int i : {10, 11, 12}) path.m_pAttrs[i] = CStrokePath::kAttrSkip;
  EXPECT_EQ(DropRepeatedPoints(path), 0);
  EXPECT_EQ(PointsOf(path), (Points{{0, 0, 0}, {3, 0, 0}, {3, 2, 0}, {3, 2, 1}, {5, 2, 0}, {6, 2, 0}, {6, 2, 0}}));
}

}  // namespace
