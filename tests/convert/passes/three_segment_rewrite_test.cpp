#include "convert/passes/three_segment_rewrite.h"

#include <gtest/gtest.h>

#include <vector>

#include "convert/driver/marker_list.h"
#include "core/path/stroke_work.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;

// A tree radical followed by a stroke that starts up and to the right of the last sweep.
void AddTree(CStrokePath& path) {
  Fill(path, {{50, 0, 1}, {51, 50, 0}, {52, 100, 0},  //
              {48, 40, 1}, {30, 65, 0}, {10, 90, 0},  //
              {54, 40, 1}, {72, 65, 0}, {90, 90, 0},  //
              {70, 20, 1}, {80, 20, 0}});
}

class ThreeSegmentRewriteTest : public ::testing::Test {
 protected:
  void TearDown() override { gMarkers.Clear(); }
  CStrokeWork path{32};
};

TEST_F(ThreeSegmentRewriteTest, TheRightSweepBecomesARisingLine) {
  AddTree(path);
  EXPECT_EQ(RewriteThreeSegmentStrokes(path, false), 1);
  EXPECT_EQ(PointsOf(path), (std::vector<PathPoint>{{50, 0, 1}, {51, 50, 0}, {52, 100, 0},  //
                                                    {48, 40, 1}, {30, 65, 0}, {10, 90, 0},  //
                                                    {10, 90, 1}, {50, 65, 0}, {90, 40, 0},  //
                                                    {70, 20, 1}, {80, 20, 0}}));
  EXPECT_FALSE(gMarkers.IsPosting());
}

TEST_F(ThreeSegmentRewriteTest, TheStrongFormWritesTheLeftSweepUpwardsAndDropsTheRight) {
  AddTree(path);
  path.m_pWidths[5] = 9;  // per-point values go with the points
  RewriteThreeSegmentStrokes(path, true);
  EXPECT_EQ(PointsOf(path), (std::vector<PathPoint>{{50, 0, 1}, {51, 50, 0}, {52, 100, 0},  //
                                                    {10, 90, 1}, {30, 65, 0}, {48, 40, 0},  //
                                                    {70, 20, 1}, {80, 20, 0}}));
  EXPECT_EQ(path.m_pWidths[3], 9);
}

TEST_F(ThreeSegmentRewriteTest, StrokesOfOtherFormsStayAsTheyAre) {
  Fill(path, {{50, 0, 1}, {51, 50, 0}, {150, 100, 0},  // the first segment runs off to the right
              {48, 40, 1}, {30, 65, 0}, {10, 90, 0},  //
              {54, 40, 1}, {72, 65, 0}, {90, 90, 0},  //
              {70, 20, 1}, {80, 20, 0}});
  const auto before = PointsOf(path);
  RewriteThreeSegmentStrokes(path, true);
  EXPECT_EQ(PointsOf(path), before);
  // Without a following stroke up and to the right the form is of the first kind: kept.
  path.SetCount(0);
  AddTree(path);
  path.SetCount(9);
  const auto tree = PointsOf(path);
  RewriteThreeSegmentStrokes(path, false);
  EXPECT_EQ(PointsOf(path), tree);
}

}  // namespace
