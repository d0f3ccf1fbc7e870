#include <gtest/gtest.h>

#include <vector>

#include "core/path/region_members.h"
#include "core/path/stroke_path.h"
#include "core/record/edit_regions.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

class RegionEditTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Fill(path_, {{0, 0, 1}, {10, 0, 0}, {20, 0, 0}, {0, 30, 1}, {10, 30, 0}, {50, 50, 1}, {60, 50, 0}});
  }
  CStrokePath path_{16};
};

TEST_F(RegionEditTest, FindStrokesInRectCoversWholeStrokes) {
  int first = -1, last = -1;
  path_.FindStrokesInRect({5, -5, 15, 35}, first, last);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(last, 5);
  path_.FindStrokesInRect({100, 100, 200, 200}, first, last);
  EXPECT_EQ(first, 0);
  EXPECT_EQ(last, 0);
  path_.FindStrokesInRect({0, 0, 10, 10}, first, last);  // right edge left out
  EXPECT_EQ(last, 3);
}

TEST_F(RegionEditTest, ModesDeleteStrokesOrPoints) {
  CStrokePath strokes(16);
  strokes.CopyFrom(path_);
  EXPECT_EQ(strokes.EditPointsInRect({5, 25, 15, 35}, 1, {}, 0), 1);
  EXPECT_EQ(PointsOf(strokes), (Points{{0, 0, 1}, {10, 0, 0}, {20, 0, 0}, {50, 50, 1}, {60, 50, 0}}));

  CStrokePath points(16);
  points.CopyFrom(path_);
  points.EditPointsInRect({-1, -1, 15, 1}, 0, {}, 0);
  EXPECT_EQ(PointsOf(points),
            (Points{{20, 0, 1}, {0, 30, 1}, {10, 30, 0}, {50, 50, 1}, {60, 50, 0}}));
}

TEST_F(RegionEditTest, PickingRemovesOnlyAPointWithinEightUnits) {
  struct Case {
    float dx;
    int count;
  } cases[] = {{7.9f, 6}, {8.0f, 7}, {0, 6}};
  for (const Case& c : cases) {
    CStrokePath path(16);
    path.CopyFrom(path_);
    path.EditPointsInRect({}, 2, CFPoint(60 + c.dx, 50), 0);
    EXPECT_EQ(path.GetCount(), c.count) << c.dx;
  }
  CStrokePath empty(4);
  EXPECT_EQ(empty.EditPointsInRect({}, 2, CFPoint(0, 0), 1), 1);
}

TEST_F(RegionEditTest, MatchStrokesNamesTheSameStrokeOfTheOtherPath) {
  CStrokePath other(16);
  Fill(other, {{0, 0, 1}, {1, 1, 0}, {5, 5, 1}, {6, 6, 0}, {7, 7, 0}});
  CEditRegions regions;
  regions.m_nCount = 2;
  regions.m_rects[0] = {-1, 25, 5, 35};    // holds the first point of stroke 1
  regions.m_rects[1] = {15, -1, 100, 100};  // holds points of strokes 0, 1 and 2
  CRegionMembers members;
  ASSERT_EQ(path_.MatchStrokes(other, regions, members), 2);  // other has no stroke 2
  EXPECT_EQ(members.m_entries[0].first, 0);
  EXPECT_EQ(members.m_entries[0].last, 2);
  EXPECT_EQ(members.m_entries[0].region, 1);
  EXPECT_EQ(members.m_entries[1].first, 2);
  EXPECT_EQ(members.m_entries[1].last, 5);
  EXPECT_EQ(members.m_entries[1].region, 0);  // the first frame in order wins

  regions.m_nCount = 9999;  // a damaged count reads no more than the frames there are
  EXPECT_EQ(path_.MatchStrokes(other, regions, members), 2);
}

TEST(RegionMatch, StopsBeforeTheMembershipTableIsFull) {
  CStrokePath path(4000);
  for (int i = 0; i < 1500; ++i) path.AppendPoint(i, 0, 1);
  CEditRegions regions;
  regions.m_nCount = 1;
  regions.m_rects[0] = {0, -1, 5000, 1};
  CRegionMembers members;
  EXPECT_EQ(path.MatchStrokes(path, regions, members), 1023);
}

}  // namespace
