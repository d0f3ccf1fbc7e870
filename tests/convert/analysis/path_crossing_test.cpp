#include "convert/analysis/path_crossing.h"

#include <gtest/gtest.h>

#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;

// One stroke that leaves a-b = (0,0)-(10,0) to the right, turns round above it and comes
// down across the line y = 0 at x = -6 (segment 8-9), left of a.
void FillLoop(CStrokePath& path, bool withTail) {
  Fill(path, {{0, 0, 1}, {10, 0}, {15, 5}, {15, 15}, {10, 20}, {0, 20}, {-5, 15}, {-5, 10},
              {-6, 5}, {-6, -5}});
  if (withTail) Fill(path, {{-5, -10}, {0, -15}, {5, -15}});
}

TEST(FindPathCrossing, FindsTheSegmentThatCrossesTheExtendedChord) {
  CStrokePath path(64);
  FillLoop(path, true);
  CFPoint out(99, 99);
  EXPECT_EQ(FindPathCrossing(path, 0, 1, &out, 0), 8);
  EXPECT_EQ(out, CFPoint(-6, 0));
  EXPECT_EQ(FindPathCrossing(path, 0, 1, &out, 1), 8);  // closed changes nothing
}

TEST(FindPathCrossing, CrossingsNearAOrBRoundTheStrokeDoNotCount) {
  // Without the tail the crossing segment starts 1 point before a, going round the stroke;
  // the closing segment 9-0 meets the line only at a itself, inside the span box.
  CStrokePath path(64);
  FillLoop(path, false);
  CFPoint out(99, 99);
  EXPECT_EQ(FindPathCrossing(path, 0, 1, &out, 0), -1);
  EXPECT_EQ(out, CFPoint(99, 99));
}

TEST(FindPathCrossing, PointsNearerToBAndOtherStrokesAreSkipped) {
  CStrokePath path(64);
  // The crossing segment lies nearer b than a ...
  Fill(path, {{0, 0, 1}, {10, 0}, {10, 10}, {12, 10}, {14, 10}, {16, 10}, {16, 5}, {16, -5},
              {12, -10}, {8, -10}, {4, -10}});
  CFPoint out;
  EXPECT_EQ(FindPathCrossing(path, 0, 1, &out, 0), -1);
  // ... and a crossing in another stroke is not a crossing of a's stroke.
  CStrokePath two(64);
  Fill(two, {{0, 0, 1}, {10, 0}, {10, 10}, {-6, 5, 1}, {-6, -5}, {-7, -9}, {-8, -12}, {-9, -15}});
  EXPECT_EQ(FindPathCrossing(two, 0, 1, &out, 0), -1);
}

TEST(FindPathCrossing, IndexesOutsideThePathFindNothing) {
  CStrokePath path(64);
  FillLoop(path, true);
  CFPoint out;
  EXPECT_EQ(FindPathCrossing(path, -1, 1, &out, 0), -1);
  EXPECT_EQ(FindPathCrossing(path, 0, 13, &out, 0), -1);
  CStrokePath empty(8);
  EXPECT_EQ(FindPathCrossing(empty, 0, 0, &out, 0), -1);
}

}  // namespace
