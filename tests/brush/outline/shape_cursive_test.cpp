#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "support/brush_fixture.h"

namespace {

using tmb::Point;
using tmb::test::PointsOf;

class ShapeCursiveTest : public tmb::test::BrushEngineTest {
 protected:
  // Points with flags; the float buffer starts from the points.
  void Make(const std::vector<Point>& pts, const std::vector<int>& flags) {
    work->ClearPoints();
    floats.assign(pts.size(), CFPoint{0, 0});
    for (size_t i = 0; i < pts.size(); ++i) {
      work->m_pPoints[i] = pts[i];
      work->m_pFlags[i] = static_cast<uint8_t>(flags[i]);
      floats[i] = CFPoint(float(pts[i].x), float(pts[i].y));
    }
    work->m_nPoints = int(pts.size());
  }
  void Shape(int passes, int type, int join, int strength) {
    work->m_param[0] = passes;
    work->m_param[11] = type;
    work->m_param[6] = join;
    work->m_param[230] = strength;
    work->ShapeCursive(floats.data(), work->m_param);
  }

  std::vector<CFPoint> floats;
};

TEST_F(ShapeCursiveTest, DegreeZeroOnlyRoundsTheFloatPoints) {
  Make({{0, 0}, {0, 0}, {0, 0}}, {1, 0, 0});
  floats = {{1.5f, -1.5f}, {2.49f, 0.5f}, {-0.5f, 7.2f}};
  Shape(0, 0, 100, 100);
  EXPECT_EQ(PointsOf(*work), (std::vector<Point>{{2, -2}, {2, 1}, {-1, 7}}));
}

TEST_F(ShapeCursiveTest, MiddlePointMovesTowardItsNeighboursByTheStrength) {
  struct Case {
    int strength;
    int halve;
    Point middle;
  };
  const Case cases[] = {{100, 0, {4, 0}}, {50, 0, {4, 4}}, {100, 1, {4, 4}}, {0, 0, {4, 8}}};
  for (const Case& c : cases) {
    Make({{0, 0}, {4, 8}, {8, 0}}, {1, 0, 0});
    work->m_param[234] = c.halve;
    Shape(1, 0, 100, c.strength);
    EXPECT_EQ(work->m_pPoints[1], c.middle) << c.strength << " " << c.halve;
  }
}

TEST_F(ShapeCursiveTest, TypeFiveSquaresCornersAlongOneAxis) {
  struct Case {
    std::vector<Point> in;
    Point middle;
  };
  const Case cases[] = {
      {{{0, 0}, {5, 3}, {10, 1}}, {5, 0}},  // mostly horizontal: only y moves
      {{{0, 0}, {3, 5}, {1, 10}}, {0, 5}},  // mostly vertical: only x moves
  };
  for (const Case& c : cases) {
    Make(c.in, {1, 0, 0});
    Shape(1, 5, 100, 75);
    EXPECT_EQ(work->m_pPoints[1], c.middle);
  }
}

TEST_F(ShapeCursiveTest, TypeFourSmoothsThroughShortJumpsOnly) {
  // A stroke, one gap point (flag 255), and a stroke whose start lies sqrt(500) px from
  // the first stroke's end.
  const std::vector<Point> pts = {{0, 0}, {10, 0}, {20, 0}, {30, 5}, {40, 10}, {50, 0}, {60, 0}};
  const std::vector<int> flags = {1, 0, 0, 255, 1, 0, 0};
  struct Case {
    int join;
    bool gapMoves;
  };
  for (const Case& c : {Case{30, true}, Case{20, false}}) {
    Make(pts, flags);
    Shape(1, 4, c.join, 100);
    EXPECT_EQ(work->m_pPoints[3] != pts[3], c.gapMoves) << c.join;
    EXPECT_EQ(work->m_pPoints[4] != pts[4], c.gapMoves) << c.join;
    EXPECT_NE(work->m_pPoints[5], pts[5]) << c.join;  // inside the stroke everything moves
  }
}

TEST_F(ShapeCursiveTest, PullMovesEachLaterStrokeOnMostAtItsPosition) {
  Make({{0, 0}, {10, 0}, {20, 0}, {100, 0}, {110, 0}, {120, 0}, {130, 0}, {140, 0}}, {1, 0, 0, 1, 0, 0, 0, 0});
  work->m_param[211] = 1;
  work->m_param[210] = 10;  // at most 10 px per pass
  work->m_param[212] = 50;  // full at the middle of the stroke
  Shape(1, 9, 100, 100);    // type 9: no smoothing
  EXPECT_EQ(PointsOf(*work), (std::vector<Point>{{0, 0}, {10, 0}, {20, 0}, {102, 0}, {116, 0}, {130, 0}, {140, 0}, {146, 0}}));
}

}  // namespace

namespace {

// A damaged file can hold any cursive degree; a huge one must finish like the largest sane one.
// Neighbours across the whole int range are far apart however large the join distance:
// the middle point stays.
TEST_F(ShapeCursiveTest, PointsAcrossTheIntRangeAreNeverNear) {
  const std::vector<Point> points{{INT32_MIN, INT32_MIN}, {0, 0}, {INT32_MAX, INT32_MAX}};
  for (int type : {0, 2, 3, 4}) {
    Make(points, {1, 0, 0});
    Shape(1, type, INT32_MAX, 100);
    EXPECT_EQ(PointsOf(*work), points) << type;
  }
}

// A damaged file can hold any strength; past the settings' 0 to 150 % the passes would
// throw the points out of the paper.
TEST_F(ShapeCursiveTest, StrengthsPastTheirRangeShapeAsTheNearestEnd) {
  const std::pair<int, int> cases[] = {{151, 150}, {1001, 150}, {INT32_MAX, 150}, {-1, 0}, {INT32_MIN, 0}};
  const std::vector<Point> zigzag{{0, 0}, {10, 8}, {20, 0}, {30, 8}, {40, 0}, {50, 8}, {60, 0}};
  const std::vector<int> flags{1, 0, 0, 0, 0, 0, 0};
  for (auto [given, end] : cases) {
    Make(zigzag, flags);
    Shape(200, 0, 100, end);
    const std::vector<Point> want = PointsOf(*work);
    Make(zigzag, flags);
    Shape(200, 0, 100, given);
    EXPECT_EQ(PointsOf(*work), want) << given;
  }
}

TEST_F(ShapeCursiveTest, HugeDegreesFinish) {
  std::vector<Point> results[2];
  const int degrees[] = {1000, 2147483647};
  for (int k = 0; k < 2; ++k) {
    Make({{0, 0}, {4, 8}, {8, 0}, {12, 8}}, {1, 0, 0, 0});
    Shape(degrees[k], 0, 100, 100);
    results[k] = PointsOf(*work);
  }
  EXPECT_EQ(results[0], results[1]);
}

}  // namespace
