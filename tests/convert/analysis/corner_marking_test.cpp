#include "convert/analysis/corner_marking.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;

std::vector<int> Attributes(const CStrokePath& path) {
  return std::vector<int>(path.m_pAttrs, path.m_pAttrs + path.GetCount());
}

TEST(CornerMarking, FarEdgeVectorTakesTheFirstFarSuccessorElseTheSecond) {
  CStrokePath path(16);
  Fill(path, {{0, 0, 1}, {2, 0, 0}, {20, 0, 0}, {21, 0, 0}, {50, 0, 1}});
  EXPECT_EQ(FarEdgeVector(path, 0, 8, -1, -1), CFPoint(20, 0)) << "the second lies far enough";
  EXPECT_EQ(FarEdgeVector(path, 1, 8, -1, -1), CFPoint(18, 0)) << "the first does";
  EXPECT_EQ(FarEdgeVector(path, 2, 8, -1, -1), CFPoint(1, 0)) << "neither: the stroke's last point";
  EXPECT_EQ(FarEdgeVector(path, 3, 8, -1, -1), CFPoint(0, 0)) << "the stroke's last point itself";
  EXPECT_EQ(FarEdgeVector(path, 3, 8, 0, 3), CFPoint(-21, 0)) << "round the stroke";
  EXPECT_EQ(FarEdgeVector(path, 2, 8, 0, -1), CFPoint(-20, 0)) << "round the stroke it finds";
}

// A stroke's last point has no edge ahead: it is a corner once a direction is known since
// the corner before it, and not when it follows a corner.
TEST(CornerMarking, AStraightRunMarksOnlyItsEndAndATurnAfterAFarPointIsACorner) {
  struct Case {
    CFPoint third;
    std::vector<int> attributes;
  } cases[] = {
      {{20, 0}, {1, 3, 1}},   // straight on: an interior angle of 180 degrees
      {{10, 10}, {1, 1, 3}},  // a right angle
      {{20, 2}, {1, 3, 1}},   // a turn of 11 degrees: 169 inside
      {{20, 4}, {1, 1, 3}},   // a turn of 22 degrees: 158 inside
  };
  for (const Case& c : cases) {
    CStrokePath path(8);
    Fill(path, {{0, 0, 1}, {10, 0, 0}, {c.third.x, c.third.y, 0}});
    MarkCorners(path);
    EXPECT_EQ(Attributes(path), c.attributes) << c.third.x << "," << c.third.y;
  }
  // Unit steps straight on, level and slanting.
  CStrokePath runs(64);
  for (int k = 0; k < 20; ++k) runs.AddPointUnique(float(k), 5, k == 0 ? 1 : 0, 1);
  for (int k = 0; k < 20; ++k) runs.AddPointUnique(float(k), float(k), k == 0 ? 1 : 0, 1);
  MarkCorners(runs);
  for (int i = 0; i < runs.GetCount(); ++i) EXPECT_EQ(runs.m_pAttrs[i], i % 20 == 0 || i % 20 == 19 ? 1 : 3) << i;
}

TEST(CornerMarking, ACornerStandsWhereTheWayLeavesItsXOrYDirection) {
  CStrokePath path(16);
  // Down to the right, then up to the right: y stops going down at the apex.
  Fill(path, {{0, 0, 1}, {2, 2, 0}, {4, 4, 0}, {6, 6, 0}, {8, 8, 0}, {10, 6, 0}, {12, 4, 0}, {14, 2, 0}, {16, 0, 0}});
  MarkCorners(path);
  EXPECT_EQ(Attributes(path), (std::vector<int>{1, 3, 3, 1, 3, 3, 3, 3, 1}));

  // A square traced in unit steps keeps its four corners, and its last point before the
  // start, where the way up ends.
  CStrokePath square(64);
  CFPoint p(0, 0);
  square.AddPointUnique(p.x, p.y, 1, 1);
  for (CFPoint step : {CFPoint(1, 0), CFPoint(0, 1), CFPoint(-1, 0), CFPoint(0, -1)}) {
    for (int k = 0; k < 10; ++k) {
      p = p + step;
      if (p != CFPoint(0, 0)) square.AddPointUnique(p.x, p.y, 0, 1);
    }
  }
  MarkCorners(square);
  ASSERT_EQ(square.GetCount(), 40);
  for (int i = 0; i < square.GetCount(); ++i) EXPECT_EQ(square.m_pAttrs[i], i % 10 == 0 || i == 39 ? 1 : 3) << i;
}

TEST(CornerMarking, ALongEdgeMarksBothItsEndsAndCloseCornersGiveWay) {
  CStrokePath path(8);
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {40, 0, 0}, {41, 0, 0}});
  MarkCorners(path);
  // 1, 2 and 3 see an edge longer than 32 ahead; 1 lies within 2 of corner 2.
  EXPECT_EQ(Attributes(path), (std::vector<int>{1, 3, 1, 1, 3}));
}

}  // namespace
