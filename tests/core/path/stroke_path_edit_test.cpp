#include <gtest/gtest.h>

#include <vector>

#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

TEST(StrokePathEdit, RoundPointsRoundsHalvesAwayFromZeroInTheRange) {
  CStrokePath path(8);
  Fill(path, {{0.5f, -0.5f, 1}, {2.5f, -2.5f, 0}, {1.49f, -1.49f, 0}, {7.7f, 7.7f, 0}});
  path.RoundPoints(1, 3);
  EXPECT_EQ(PointsOf(path), (Points{{0.5f, -0.5f, 1}, {3, -3, 0}, {1, -1, 0}, {7.7f, 7.7f, 0}}));
  path.RoundPoints(-1, 2);  // a negative bound rounds the whole path
  EXPECT_EQ(PointsOf(path), (Points{{1, -1, 1}, {3, -3, 0}, {1, -1, 0}, {8, 8, 0}}));
}

TEST(StrokePathEdit, DeleteRangeReflagsAfterARemovedStrokeStartAndClampsTheRange) {
  struct Case {
    int first, last;
    Points expected;
  } cases[] = {
      {3, 4, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {4, 0, 1}, {5, 0, 0}}},
      {2, 4, {{0, 0, 1}, {1, 0, 0}, {4, 0, 1}, {5, 0, 0}}},
      {1, 3, {{0, 0, 1}, {3, 0, 1}, {4, 0, 0}, {5, 0, 0}}},  // no start removed: no new one
      {4, 99, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 1}}},
      {-2, 1, {{1, 0, 1}, {2, 0, 0}, {3, 0, 1}, {4, 0, 0}, {5, 0, 0}}},
      {3, 2, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 1}, {4, 0, 0}, {5, 0, 0}}},
      {0, 99, {}},
  };
  for (const Case& c : cases) {
    CStrokePath path(8);
    Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 1}, {4, 0, 0}, {5, 0, 0}});
    path.DeleteRange(c.first, c.last);
    EXPECT_EQ(PointsOf(path), c.expected) << c.first << " " << c.last;
    EXPECT_GE(path.GetCount(), 0);
  }
}

TEST(StrokePathEdit, RemoveRepeatsDropsPointsThatRoundOntoTheirNeighbours) {
  CStrokePath path(16);
  Fill(path, {{0, 0, 1},
              {0.4f, 0, 0},    // rounds onto the point before
              {1, 0, 0},
              {1.2f, 0.3f, 0},  // rounds onto the point before
              {2, 0, 0},
              {0.1f, 0, 0},     // the stroke's end rounds onto its start
              {5, 5, 1},
              {6, 5, 0},
              {5, 5, 0},        // kept at first, dropped as a trailing return to the start
              {5.2f, 5, 0},
              {5, 5, 1}});      // a start is always kept
  CStrokePath whole(16);
  whole.CopyFrom(path);
  whole.RemoveRepeatsInRange(-1, 0);
  EXPECT_EQ(PointsOf(whole), (Points{{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {5, 5, 1}, {6, 5, 0}, {5, 5, 1}}));

  path.RemoveRepeatsInRange(2, 3);
  EXPECT_EQ(path.GetCount(), 10);
  EXPECT_EQ(path.GetPoint(3), CFPoint(2, 0));
  EXPECT_EQ(path.GetPoint(1), CFPoint(0.4f, 0));  // before the range: untouched
}

TEST(StrokePathEdit, RemoveRepeatsLeavesAFullPathUnchangedForARangeEndingBeforeItStarts) {
  CStrokePath path(4);
  Fill(path, {{0, 0, 1}, {0, 0, 0}, {1, 0, 0}, {1, 0, 0}});
  const Points before = PointsOf(path);
  path.RemoveRepeatsInRange(3, 0);
  EXPECT_EQ(PointsOf(path), before);
  EXPECT_EQ(path.GetCount(), 4);
}

TEST(StrokePathEdit, RemoveDuplicatesKeepsStarts) {
  CStrokePath path(8);
  Fill(path, {{1, 1, 1}, {1, 1, 0}, {1, 1, 1}, {2, 2, 0}, {2, 2, 0}});
  EXPECT_EQ(path.RemoveDuplicates(), 3);
  EXPECT_EQ(PointsOf(path), (Points{{1, 1, 1}, {1, 1, 1}, {2, 2, 0}}));
}

TEST(StrokePathEdit, RemoveShortStrokesByLengthAndByPointCount) {
  CStrokePath path(16);
  Fill(path, {{0, 0, 1},                          // a single point
              {10, 0, 1}, {12, 0, 0},             // length 2
              {20, 0, 1}, {23, 0, 0}, {25, 0, 0},  // length 5
              {30, 0, 1}, {33, 0, 0}});           // length 3
  CStrokePath byLength(16);
  byLength.CopyFrom(path);
  EXPECT_EQ(byLength.RemoveShortStrokes(3), 2);
  EXPECT_EQ(PointsOf(byLength), (Points{{20, 0, 1}, {23, 0, 0}, {25, 0, 0}, {30, 0, 1}, {33, 0, 0}}));
  EXPECT_EQ(byLength.RemoveShortStrokes(0), 0);

  // A stroke longer than the int range is long.
  CStrokePath far(4);
  Fill(far, {{-3e9f, 0, 1}, {3e9f, 0, 0}});
  EXPECT_EQ(far.RemoveShortStrokes(INT32_MAX), 0);
  EXPECT_EQ(far.GetCount(), 2);

  EXPECT_EQ(path.RemoveStrokesByPointCount(1), 3);
  EXPECT_EQ(PointsOf(path), (Points{{20, 0, 1}, {23, 0, 0}, {25, 0, 0}}));
}

TEST(StrokePathEdit, RemoveMatchingPointsPassesStartsOn) {
  CStrokePath other(4);
  Fill(other, {{0, 0, 0}, {3, 0, 0}});
  CStrokePath path(8);
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 1}, {4, 0, 0}});
  EXPECT_EQ(path.RemoveMatchingPoints(other, 0), 2);
  EXPECT_EQ(PointsOf(path), (Points{{1, 0, 1}, {2, 0, 0}, {4, 0, 1}}));

  CStrokePath middle(4);
  Fill(middle, {{1, 0, 0}});
  CStrokePath marked(8);
  Fill(marked, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}});
  EXPECT_EQ(marked.RemoveMatchingPoints(middle, 1), 1);
  EXPECT_EQ(PointsOf(marked), (Points{{0, 0, 1}, {2, 0, 1}, {3, 0, 0}}));
  EXPECT_EQ(marked.RemoveMatchingPoints(marked, 0), 3);
  EXPECT_EQ(marked.GetCount(), 0);
}

TEST(StrokePathEdit, DropShortEndSegmentsKeepsTheStrokeStart) {
  CStrokePath path(16);
  Fill(path, {{0, 0, 1}, {5, 0, 0}, {5.5f, 0, 0},  // last segment 0.5
              {10, 0, 1}, {11, 0, 0},              // a two-point stroke of length 1
              {20, 0, 1}, {25, 0, 0}});
  EXPECT_EQ(path.DropShortEndSegments(1.0f), 2);
  EXPECT_EQ(PointsOf(path), (Points{{0, 0, 1}, {5.5f, 0, 0}, {11, 0, 1}, {20, 0, 1}, {25, 0, 0}}));
}

TEST(StrokePathEdit, RemoveLastStrokeCutsBeforeItsStart) {
  CStrokePath path(8);
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 1}, {3, 0, 0}});
  EXPECT_EQ(path.RemoveLastStroke(), 1);
  EXPECT_EQ(path.GetCount(), 2);
  path.RemoveLastStroke();
  EXPECT_EQ(path.GetCount(), 0);
  EXPECT_EQ(path.RemoveLastStroke(), 1);
  EXPECT_EQ(path.GetCount(), 0);
}

}  // namespace
