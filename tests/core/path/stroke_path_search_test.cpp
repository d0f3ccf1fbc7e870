#include <gtest/gtest.h>

#include "core/path/stroke_path.h"
#include "core/path/stroke_path_lite.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;

// Two points equally near to (5, 0): index 1 and index 3.
class NearestTest : public ::testing::Test {
 protected:
  void SetUp() override { Fill(path_, {{0, 0, 1}, {4, 0, 0}, {20, 0, 0}, {6, 0, 0}, {30, 0, 1}}); }
  CStrokePath path_{16};
};

TEST_F(NearestTest, FloatSearchesKeepTheFirstOfEquallyNearPoints) {
  EXPECT_EQ(path_.FindNearest(5, 0), 1);
  EXPECT_EQ(path_.FindNearestInRange(5, 0, 2, 5), 3);
  EXPECT_EQ(path_.FindNearestDirected(5, 0, 1), 1);   // lowest index forwards
  EXPECT_EQ(path_.FindNearestDirected(5, 0, -1), 3);  // highest backwards
  EXPECT_EQ(path_.FindNearestDirected(5, 0, 0), 1);   // a zero step counts as forwards
  EXPECT_EQ(path_.FindNearestStepping(5, 0, 3, -2, 1), 3);
  EXPECT_EQ(path_.FindNearestStepping(5, 0, 0, 2, 2), 0);   // 0, 2, 4: none beats point 0
  EXPECT_EQ(path_.FindNearestStepping(29, 0, 2, 2, 9), 4);  // steps past the end are skipped
  float dist = 0;
  EXPECT_EQ(path_.FindNearestTo(CFPoint(5, 0), dist), 1);
  EXPECT_EQ(dist, 1.0f);
}

TEST_F(NearestTest, SearchesFromAStartValueOfAHundredMillion) {
  // No point lies within 10,000 units: the start value wins.
  EXPECT_EQ(path_.FindNearestInRange(50000, 0, 2, 5), 0);
  EXPECT_EQ(path_.FindNearestStepping(50000, 0, 3, 1, 1), 3);
  EXPECT_EQ(path_.FindNearestPoint(50000, 0), -1);
  EXPECT_EQ(path_.FindNearestInt(50000, 0), 0);
  CStrokePath empty(4);
  EXPECT_EQ(empty.FindNearestPoint(0, 0), -1);
  EXPECT_EQ(empty.FindNearestInt(0, 0), 0);
  EXPECT_EQ(empty.FindNearest(0, 0), 0);
}

TEST(Nearest, IntegerSearchesCompareRoundedPoints) {
  CStrokePath path(8);
  Fill(path, {{0.4f, 0, 1}, {2.5f, 0, 0}, {1.6f, 0, 0}});
  // Rounded: 0, 3, 2. From 1 the rounded points 0 and 2 tie, and the first stays.
  EXPECT_EQ(path.FindNearestPoint(1, 0), 0);
  EXPECT_EQ(path.FindNearestInt(3, 0), 1);
  float dist = -1;
  EXPECT_EQ(path.FindNearestTo(CFPoint(2.5f, 0), dist), 1);
  EXPECT_EQ(dist, 0.0f);
}

TEST(Nearest, IntegerSearchesAcrossTheIntRange) {
  CStrokePath path(8);
  Fill(path, {{-2147483648.0f, -2147483648.0f, 1}, {2147483520.0f, 2147483520.0f, 0}});
  EXPECT_EQ(path.FindNearestPoint(INT32_MAX, INT32_MAX), 1);
  EXPECT_EQ(path.FindNearestPoint(INT32_MIN, INT32_MIN), 0);
  EXPECT_EQ(path.FindNearestPoint(0, 0), -1);  // both beyond the start distance
}

TEST(Nearest, LitePathNearestWithAndWithoutADistance) {
  CStrokePathLite lite(4);
  lite.m_pPoints[0] = {0, 0};
  lite.m_pPoints[1] = {10, 0};
  lite.m_nCount = 2;
  EXPECT_EQ(lite.FindNearest(7, 0, -1), 1);
  EXPECT_EQ(lite.FindNearest(7, 0, 3), 1);
  EXPECT_EQ(lite.FindNearest(7, 4, 3), 0);  // 5 away
  lite.m_pPoints[1] = {-10, 0};
  lite.m_pFlags[1] = 0;
  lite.m_pPoints[2] = {5, 0};
  lite.m_nCount = 3;
  EXPECT_EQ(lite.XDirectionAfter(0), -1);
  EXPECT_EQ(lite.XDirectionAfter(2), 1);  // the stroke ends first
}

TEST(StrokeWalks, WalkUntilDistanceGoesRoundTheStroke) {
  CStrokePath path(16);
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {50, 50, 1}});
  CFPoint v;
  EXPECT_EQ(path.WalkUntilDistance(0, 1, 2.0f, v), 2);
  EXPECT_EQ(v, CFPoint(2, 0));
  EXPECT_EQ(path.WalkUntilDistance(0, -1, 2.5f, v), 3);  // backwards wraps to the last point
  EXPECT_EQ(path.WalkUntilDistance(1, 1, 99.0f, v), 1);  // round and back
  EXPECT_EQ(v, CFPoint(0, 0));
}

TEST(StrokeWalks, WalkUntilOutsideBoxLeavesTheBoxRoundThePointOrStopsAtTheStepLimit) {
  CStrokePath path(16);
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 1, 0}, {2, 3, 0}, {0, 2, 0}, {50, 50, 1}});
  EXPECT_EQ(path.WalkUntilOutsideBox(0, 1, 2.0f, 10), 3);   // y 3 leaves it; x 2 did not
  EXPECT_EQ(path.WalkUntilOutsideBox(0, 1, 1.5f, 10), 2);
  EXPECT_EQ(path.WalkUntilOutsideBox(0, -1, 1.5f, 10), 4);  // backwards, wrapping to the last
  EXPECT_EQ(path.WalkUntilOutsideBox(0, 1, 2.0f, 2), 2);    // two steps only
  EXPECT_EQ(path.WalkUntilOutsideBox(1, 1, 99.0f, 5), 1);   // round and back
  EXPECT_EQ(path.WalkUntilOutsideBox(5, 1, 1.0f, 3), 5);    // a stroke of one point
  EXPECT_EQ(path.WalkUntilOutsideBox(9, 1, 1.0f, 3), 9);    // outside the path
}

TEST(StrokeWalks, SectionAndLimitedWalksStopAtBoundariesAndInsideThePath) {
  CStrokePath path(16);
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {5, 0, 2}, {6, 0, 0}});
  EXPECT_EQ(path.WalkInSection(0, -1, 1.0f), 0);  // backwards from a start
  EXPECT_EQ(path.WalkInSection(1, 1, 2.0f), 3);
  EXPECT_EQ(path.WalkInSection(1, 1, 50.0f), 4);  // the boundary before the section break
  EXPECT_EQ(path.WalkInSection(4, 1, 1.0f), 4);   // forwards from a section's last point
  EXPECT_EQ(path.WalkInSection(3, -1, 50.0f), 0); // never leaves the path
  EXPECT_EQ(path.WalkInSection(6, 1, 1.0f), 6);

  EXPECT_EQ(path.WalkLimited(1, 1, 50.0f, 2), 3);
  EXPECT_EQ(path.WalkLimited(1, 1, 50.0f, 10), 4);
  EXPECT_EQ(path.WalkLimited(5, -1, 1.0f, 10), 5);
  EXPECT_EQ(path.WalkLimited(6, -1, 50.0f, 10), 5);

  EXPECT_EQ(path.FindFirstBeyond(0, 6, 4.0f), 3);
  EXPECT_EQ(path.FindFirstBeyond(0, 2, 4.0f), 0);
  EXPECT_EQ(path.FindFirstBeyond(0, 99, 100.0f), 0);
}

}  // namespace
