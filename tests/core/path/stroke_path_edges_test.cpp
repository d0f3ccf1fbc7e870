#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;

TEST(StrokePathEdges, CornerMeasureIsTheAbsoluteTurn) {
  EXPECT_FLOAT_EQ(CStrokePath::CornerMeasure({0, 0}, {1, 0}, {1, 1}, 0), float(M_PI / 2));
  EXPECT_FLOAT_EQ(CStrokePath::CornerMeasure({0, 0}, {1, 0}, {1, -1}, 0), float(M_PI / 2));
  EXPECT_FLOAT_EQ(CStrokePath::CornerMeasure({0, 0}, {1, 0}, {2, 0}, 0), 0.0f);
  // With a length limit: sides at most minLen, the chord at least as long as each side.
  EXPECT_FLOAT_EQ(CStrokePath::CornerMeasure({0, 0}, {2, 0}, {2, 2}, 2), float(M_PI / 2));
  EXPECT_EQ(CStrokePath::CornerMeasure({0, 0}, {3, 0}, {3, 2}, 2), 0.0f);   // a side too long
  EXPECT_EQ(CStrokePath::CornerMeasure({0, 0}, {2, 0}, {0, 0}, 2), 0.0f);   // chord too short
  EXPECT_EQ(CStrokePath::CornerMeasure({0, 0}, {std::nanf(""), 0}, {1, 1}, 2), 0.0f);  // no length
  EXPECT_EQ(CStrokePath::CornerMeasure({0, 0}, {3e9f, 0}, {3e9f, 1}, 2), 0.0f);
}

TEST(StrokePathEdges, EdgeVectorsRunRoundTheStrokeAndMaskSkippedPoints) {
  CStrokePath path(16);
  Fill(path, {{9, 9, 1}, {0, 0, 1}, {3, 0, 0}, {3, 4, 0}, {7, 7, 1}});
  float lengths[8];
  CFPoint vectors[8];
  ASSERT_EQ(path.EdgeVectors(2, lengths, vectors, {}), 2);
  EXPECT_EQ(vectors[0], CFPoint(0, 4));
  EXPECT_EQ(vectors[1], CFPoint(-3, -4));  // back to the stroke's first point
  EXPECT_EQ(lengths[1], 25.0f);

  path.m_pAttrs[3] = 3;
  uint8_t mask[8];
  ASSERT_EQ(path.EdgeVectors(1, lengths, vectors, mask), 3);
  EXPECT_EQ(std::vector<int>(mask, mask + 3), (std::vector<int>{1, 0, 0}));
  EXPECT_EQ(lengths[0], 9.0f);
  EXPECT_EQ(lengths[1], -1.0f);
  EXPECT_EQ(lengths[2], -1.0f);
  float two[2];
  EXPECT_EQ(path.EdgeVectors(1, two, vectors, {}), 2);
}

TEST(StrokePathEdges, SnapHorizontalEdgesToMultiplesOrJustBelow) {
  struct Case {
    float y;
    float x2;  // the edge's other end: right of 10 is rightward
    float expected;
  } cases[] = {
      {5, 20, 4}, {7, 20, 8},  // rightward: to the nearer multiple of 4
      {5, 0, 7},  {4, 0, 3},   // leftward: one below a multiple
      {8, 20, 8}, {-3, 20, 0},
  };
  for (const Case& c : cases) {
    CStrokePath path(8);
    // An open run of two points and a vertical drop, so only one edge is horizontal.
    Fill(path, {{10, c.y, 1}, {c.x2, c.y, 0}, {c.x2, c.y + 50, 0}});
    path.SnapHorizontalEdges(4);
    EXPECT_EQ(path.GetPoint(0).y, c.expected) << c.y << " " << c.x2;
    EXPECT_EQ(path.GetPoint(1).y, c.expected) << c.y << " " << c.x2;
  }
  CStrokePath path(4);
  Fill(path, {{0, 5, 1}, {3, 5, 0}});
  path.SnapHorizontalEdges(0);  // no grid: nothing moves
  EXPECT_EQ(path.GetPoint(0).y, 5.0f);
}

TEST(StrokePathEdges, UnconnectedEndsHaveNoOtherStrokeNearby) {
  CStrokePath path(16);
  Fill(path, {{0, 0, 1}, {10, 0, 0},     // its end meets the next stroke's start
              {11, 1, 1}, {20, 0, 0},
              {50, 50, 1}, {52, 50, 0}});  // its own ends are near each other only
  int out[8];
  ASSERT_EQ(path.FindUnconnectedEnds(out, 2.0f), 4);
  EXPECT_EQ(std::vector<int>(out, out + 4), (std::vector<int>{0, 3, 4, 5}));
  int one[1];
  EXPECT_EQ(path.FindUnconnectedEnds(one, 2.0f), 1);
}

}  // namespace
