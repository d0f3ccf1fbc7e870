#include "convert/analysis/side_loops.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/path/stroke_path_ex.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

// Level strokes of n points 3 apart at y = 50, first sides 5 above, second sides 5 below.
void AddLevelStroke(CStrokePathEx& path, int n) {
  for (int k = 0; k < n; ++k) {
    const int i = path.GetCount();
    path.AddPointUnique(float(3 * k), 50, k == 0 ? 1 : 0, 1);
    path.m_pSide1[i] = CFPoint(float(3 * k), 45);
    path.m_pSide2[i] = CFPoint(float(3 * k), 55);
  }
}

TEST(SideLoops, NormalsCrossingAtTheEndsAreLaidOntoTheirPartners) {
  for (int mode : {kSideLoopsAll, kSideLoopsNearEnds, kSideLoopsShortReach}) {
    CStrokePathEx path(16);
    AddLevelStroke(path, 11);
    path.m_pSide1[0] = CFPoint(10, 44);   // crosses the normals of points 1 and 2
    path.m_pSide1[10] = CFPoint(20, 44);  // crosses those of points 9 and 8
    RemoveSideLoops(path, mode);
    EXPECT_EQ(path.m_pSide1[0], CFPoint(6, 45)) << mode;
    EXPECT_EQ(path.m_pSide1[1], CFPoint(6, 45)) << mode;
    EXPECT_EQ(path.m_pSide1[9], CFPoint(24, 45)) << mode;
    EXPECT_EQ(path.m_pSide1[10], CFPoint(24, 45)) << mode;
    EXPECT_FLOAT_EQ(path.m_pWeight1[0], float(std::hypot(6.0, 5.0))) << "weights made again";
    EXPECT_FLOAT_EQ(path.m_pWeight2[5], 5) << mode;
  }
}

TEST(SideLoops, StrokesPastIndex32767CollapseInsideTheirStroke) {
  constexpr int kStrokes = 400, kPoints = 100;
  CStrokePathEx path(kStrokes * kPoints);
  for (int s = 0; s < kStrokes; ++s) AddLevelStroke(path, kPoints);
  ASSERT_EQ(path.GetCount(), 40000);
  for (int s = 0; s < kStrokes; ++s) path.m_pSide1[s * kPoints] = CFPoint(10, 44);
  RemoveSideLoops(path, kSideLoopsNearEnds);
  for (int first : {0, 39900}) {
    EXPECT_EQ(path.m_pSide1[first], CFPoint(6, 45)) << first;
    EXPECT_EQ(path.m_pSide1[first + 1], CFPoint(6, 45)) << first;
    EXPECT_EQ(path.m_pSide1[first + 3], CFPoint(9, 45)) << first;
    EXPECT_EQ(path.m_pSide1[first - 1 + kPoints], CFPoint(3 * (kPoints - 1), 45)) << first;
  }
}

TEST(SideLoops, SmallLoopsOfTheCentreLineAreFolded) {
  struct Case {
    Points loop, folded;
  } cases[] = {
      // A loop crossing the segment (10, 0)-(20, 0) upright.
      {{{0, 0, 1}, {10, 0, 0}, {20, 0, 0}, {20, 10, 0}, {15, 10, 0}, {15, -5, 0}, {15, -10, 0}},
       {{0, 0, 1}, {10, 0, 0}, {15, -5, 0}, {15, -10, 0}}},
      // Two diagonals crossing at a right angle: with directions (10, 10) and (-10, 10),
      // |u.x v.y| equals |u.y v.x|, and a parallel test on those sizes instead of on the
      // cross product would leave this loop standing.
      {{{0, 0, 1}, {10, 0, 0}, {20, 10, 0}, {25, 5, 0}, {20, 0, 0}, {10, 10, 0}, {10, 20, 0}},
       {{0, 0, 1}, {10, 0, 0}, {10, 10, 0}, {10, 20, 0}}},
  };
  for (const Case& c : cases) {
    CStrokePath path(16);
    for (const PathPoint& p : c.loop) path.AddPointUnique(p.x, p.y, p.flag, 1);
    RemoveSmallLoops(path);
    EXPECT_EQ(PointsOf(path), c.folded);
  }
}

}  // namespace
