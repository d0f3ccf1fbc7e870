#include "convert/analysis/stroke_end_cleaning.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/path/stroke_path_ex.h"
#include "support/path_points.h"

namespace {

using tmb::test::AddLineStroke;
using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

TEST(StrokeEndCleaning, StrokeLengthFromMeasuresEuclideanOrByTheLargerStep) {
  CStrokePath path(8);
  Fill(path, {{0, 0, 1}, {3, 4, 0}, {3, 10, 0}, {50, 50, 1}});
  EXPECT_FLOAT_EQ(StrokeLengthFrom(path, 0, 1), 11);
  EXPECT_FLOAT_EQ(StrokeLengthFrom(path, 0, 0), 10);
  EXPECT_FLOAT_EQ(StrokeLengthFrom(path, 1, 1), 6);
  EXPECT_FLOAT_EQ(StrokeLengthFrom(path, 3, 1), 0);
}

TEST(StrokeEndCleaning, ShortStrokesGrowTo24AndAnEndWithoutDirectionStays) {
  CStrokePath path(16);
  Fill(path, {{0, 0, 1}, {20, 0, 0},               // 20 long: 2 more at each end
              {0, 10, 1}, {0, 10, 0}, {10, 10, 0},  // its first segment has no length
              {5, 20, 1}, {5, 20, 0},               // no length at all
              {0, 30, 1},                           // one point
              {0, 40, 1}, {30, 40, 0}});            // long enough
  EXPECT_EQ(ExtendShortStrokes(path), 2);
  EXPECT_EQ(PointsOf(path), (Points{{-2, 0, 1}, {22, 0, 0}, {0, 10, 1}, {0, 10, 0}, {17, 10, 0}, {5, 20, 1},
                                    {5, 20, 0}, {0, 30, 1}, {0, 40, 1}, {30, 40, 0}}));
}

TEST(StrokeEndCleaning, WalkToDistanceStopsAtStrokeBoundariesAndThePathsEnds) {
  CStrokePath path(8);
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {5, 0, 0}, {6, 0, 0}, {20, 0, 1}, {21, 0, 0}});
  struct Case {
    int i, d, step, reached;
  } cases[] = {
      {0, 3, 1, 3},   // the first point 3 away
      {3, 3, -1, 2},
      {1, 10, 1, 4},  // the stroke's last point
      {4, 3, -1, 2},  // point 3 lies within 3: the walk goes on
      {6, 3, -1, 5},  // the stroke's first point
      {0, 3, -1, 0},  // the path's first point: no step before it
      {6, 3, 1, 6},   // the path's last point: none after it
      {2, 3, 0, 2},
  };
  for (const Case& c : cases) EXPECT_EQ(WalkToDistance(path, c.i, c.d, c.step), c.reached) << c.i << " " << c.step;
}

TEST(StrokeEndCleaning, TightTurnsNearTheEndsAreSmoothedAndTheMiddleIsLeft) {
  CStrokePath path(16);
  // A right angle at point 1, another at the middle point 6.
  Fill(path, {{0, 0, 1}, {3, 3, 0}, {6, 0, 0}, {9, 0, 0}, {12, 0, 0}, {15, 0, 0}, {18, 3, 0}, {21, 0, 0},
              {24, 0, 0}, {27, 0, 0}, {30, 0, 0}, {33, 0, 0}, {36, 0, 0}});
  EXPECT_EQ(SmoothTightEndTurns(path), 1);
  EXPECT_EQ(path.m_pPoints[1], CFPoint(3, 0));
  EXPECT_EQ(path.m_pPoints[6], CFPoint(18, 3));
  EXPECT_EQ(path.GetCount(), 13);
}

TEST(StrokeEndCleaning, HookedEndsAreCutOffWithTheirSidePoints) {
  CStrokePathEx path(64);
  // A hook of one step at each end of a level stroke long enough that the walk from one
  // end (36 steps) never reaches the other end's hook.
  Fill(path, {{0, -3, 1}});
  for (int x = 0; x <= 150; x += 3) path.AddPointUnique(float(x), 0, 0, 1);
  Fill(path, {{150, 3, 0}});
  const int last = path.GetCount() - 1;
  for (int i = 0; i <= last; ++i) path.m_pSide1[i] = CFPoint(float(i), -5);
  EXPECT_EQ(StraightenEndRuns(path), 1);
  EXPECT_EQ(path.m_pPoints[0], CFPoint(0, 0));
  EXPECT_EQ(path.m_pSide1[0], CFPoint(1, -5));
  EXPECT_EQ(path.m_pPoints[last], CFPoint(150, 0));
  EXPECT_EQ(path.m_pSide1[last], CFPoint(float(last - 1), -5));
  for (int i = 1; i < last; ++i) {
    EXPECT_EQ(path.m_pPoints[i], CFPoint(float(3 * (i - 1)), 0)) << i;
    EXPECT_EQ(path.m_pSide1[i], CFPoint(float(i), -5)) << i;
  }
}

TEST(StrokeEndCleaning, ATurnedHeadIsLaidStraightAndATurnOntoNoLengthIsLeft) {
  CStrokePathEx path(64);
  Fill(path, {{0, 6, 1}, {0, 3, 0}});
  for (int x = 0; x <= 60; x += 3) path.AddPointUnique(float(x), 0, 0, 1);
  Fill(path, {{0, 50, 1}, {0, 47, 0}, {0, 47, 0}, {5, 47, 0}});
  EXPECT_EQ(ReshapeEndTurns(path), 1);
  // The head runs on backwards along the stroke, its segments 3 long as before.
  for (int i = 0; i <= 22; ++i) EXPECT_EQ(path.m_pPoints[i], CFPoint(float(3 * (i - 2)), 0)) << i;
  EXPECT_EQ(PointsOf(path)[23], (PathPoint{0, 50, 1}));
  EXPECT_EQ(PointsOf(path)[25], (PathPoint{0, 47, 0}));
  EXPECT_EQ(PointsOf(path)[26], (PathPoint{5, 47, 0}));
}

}  // namespace
