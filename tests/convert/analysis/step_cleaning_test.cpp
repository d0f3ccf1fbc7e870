#include "convert/analysis/step_cleaning.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

// A closed outline whose top edge steps down one pixel on its way right.
void SteppedTop(CStrokePath& path) {
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}, {4, 5, 0}, {0, 5, 0}});
}

TEST(CleanSteps, AOnePixelStepBecomesADiagonalByTheMode) {
  CStrokePath first(50), second(50);
  SteppedTop(first);
  SteppedTop(second);
  EXPECT_EQ(CleanStepsPass(first, 0, 0), 1);
  EXPECT_EQ(first.m_pPoints[2], CFPoint(2, 1)) << "mode 0 brings the step's upper point down";
  EXPECT_EQ(CleanStepsPass(second, 1, 0), 1);
  EXPECT_EQ(second.m_pPoints[3], CFPoint(2, 0)) << "mode 1 lifts the step's lower point";

  CStrokePath path(50);
  SteppedTop(path);
  EXPECT_EQ(CleanSteps(path, 1, 0), 1);
  EXPECT_EQ(PointsOf(path), (Points{{0, 0, 1}, {1, 0, 0}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}, {4, 5, 0}, {0, 5, 0}}));
}

TEST(CleanSteps, CornersAndTurnsBackAreNoSteps) {
  // A rectangle's corners turn; the ends of a bar one pixel high turn back.
  for (Points outline : {Points{{0, 0, 1}, {6, 0, 0}, {6, 6, 0}, {0, 6, 0}}, Points{{0, 0, 1}, {3, 0, 0}, {3, 1, 0}, {0, 1, 0}}}) {
    CStrokePath path(50);
    for (const PathPoint& p : outline) path.AppendPoint(int(p.x), int(p.y), p.flag);
    EXPECT_EQ(CleanSteps(path, 1, 0), 0);
    EXPECT_EQ(PointsOf(path), outline);
  }
}

TEST(CleanSteps, PointsAreRoundedAndDensifiedWhenAsked) {
  CStrokePath path(50);
  Fill(path, {{0.4f, 0, 1}, {4, 0.2f, 0}, {4, 4, 0}, {0, 4, 0}});
  EXPECT_EQ(CleanStepsPass(path, 0, 1), 0);
  EXPECT_EQ(path.GetCount(), 16);
  EXPECT_EQ(path.m_pPoints[0], CFPoint(0, 0));
  EXPECT_EQ(path.m_pPoints[1], CFPoint(1, 0));
}

TEST(CleanSteps, RepeatStopsOnceAPassChangesNothing) {
  // A staircase: every pass turns steps into diagonals until none is left.
  CStrokePath path(200);
  Fill(path, {{0, 0, 1}, {3, 0, 0}, {3, 1, 0}, {6, 1, 0}, {6, 2, 0}, {9, 2, 0}, {9, 3, 0}, {12, 3, 0},
              {12, 9, 0}, {0, 9, 0}});
  CStrokePath once(200);
  once.CopyFrom(path);
  const int first = CleanSteps(once, 0, 1);
  EXPECT_GT(first, 0);
  const int all = CleanSteps(path, 1, 1);
  EXPECT_GE(all, first);
  EXPECT_EQ(CleanStepsPass(path, 0, 0) + CleanStepsPass(path, 1, 0), 0);
}

}  // namespace
