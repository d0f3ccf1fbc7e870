#include "convert/passes/shape_transform.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/path/stroke_work.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;

class ShapeTransformTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // A character 200 wide and 100 high centred on (200, 150).
    Fill(path, {{100, 100, 1}, {300, 100, 0}, {200, 200, 1}, {250, 150, 0}});
  }
  void ExpectNear(const std::vector<PathPoint>& expected) {
    ASSERT_EQ(path.GetCount(), int(expected.size()));
    for (size_t i = 0; i < expected.size(); ++i) {
      EXPECT_NEAR(path.m_pPoints[i].x, expected[i].x, 1e-3) << i;
      EXPECT_NEAR(path.m_pPoints[i].y, expected[i].y, 1e-3) << i;
    }
  }
  CStrokeWork path{16};
};

TEST_F(ShapeTransformTest, WithEverySwitchOffOnlyTheGridIsLaidOut) {
  path.m_param[32] = 100;
  path.m_param[33] = 100;
  const auto before = PointsOf(path);
  ApplyShapeTransform(path);
  EXPECT_EQ(PointsOf(path), before);
  EXPECT_EQ(path.m_grid.m_nColumns, gWorkCanvas.m_width / 100);
  EXPECT_EQ(path.m_grid.m_nRows, gWorkCanvas.m_height / 100);
}

TEST_F(ShapeTransformTest, MovesByPixelsOrByPercentOfTheBounds) {
  path.m_param[80] = 1;
  path.m_param[82] = -5;
  path.m_param[83] = 7;
  ApplyShapeTransform(path);
  ExpectNear({{95, 107}, {295, 107}, {195, 207}, {245, 157}});
  path.m_param[81] = 1;
  path.m_param[82] = 10;
  path.m_param[83] = 0;
  ApplyShapeTransform(path);  // 10 % of 200
  ExpectNear({{115, 107}, {315, 107}, {215, 207}, {265, 157}});
}

TEST_F(ShapeTransformTest, ScalesByPercentAboutTheCentre) {
  path.m_param[84] = 1;
  path.m_param[86] = 100;
  path.m_param[87] = 100;
  const auto before = PointsOf(path);
  ApplyShapeTransform(path);
  EXPECT_EQ(PointsOf(path), before);
  path.m_param[86] = 50;  // halves the horizontal distance from (200, 150)
  ApplyShapeTransform(path);
  ExpectNear({{150, 100}, {250, 100}, {200, 200}, {225, 150}});
}

TEST_F(ShapeTransformTest, ScalesByTheCosinesOfAngles) {
  path.m_param[84] = 1;
  path.m_param[85] = 1;
  path.m_param[86] = 60;  // cos 60 = 0.5
  path.m_param[87] = 0;
  ApplyShapeTransform(path);
  ExpectNear({{150, 100}, {250, 100}, {200, 200}, {225, 150}});
}

TEST_F(ShapeTransformTest, RotatesAQuarterTurnAboutTheCentre) {
  path.m_param[88] = 1;
  path.m_param[89] = 90;
  ApplyShapeTransform(path);
  // (dx, dy) from (200, 150) becomes (dy, -dx).
  ExpectNear({{150, 250}, {150, 50}, {250, 150}, {200, 100}});
}

TEST_F(ShapeTransformTest, EachStrokeTurnsAboutTheCentreOfItsFirstPointsCell) {
  path.SetCount(0);
  // Cells of 100 anchored at the right edge of the 500-wide canvas: columns at x 0, 100 ...
  ASSERT_EQ(gWorkCanvas.m_width, 500);
  path.m_param[32] = 100;
  path.m_param[33] = 100;
  path.m_param[34] = 0;
  path.m_param[35] = 0;
  Fill(path, {{10, 10, 0}, {30, 10, 0}, {120, 20, 1}, {140, 20, 0}, {310, 230, 1}, {330, 230, 0}});
  path.m_param[84] = 2;
  path.m_param[86] = 50;
  path.m_param[87] = 50;
  ApplyShapeTransform(path);
  // Before the first stroke start the character's centre (170, 120) is the pivot.
  ExpectNear({{90, 65}, {100, 65}, {135, 35}, {145, 35}, {330, 240}, {340, 240}});
  path.m_param[84] = 0;
  path.m_param[88] = 2;
  path.m_param[89] = 90;
  path.SetCount(2);
  path.m_pFlags[0] = 1;
  path.m_pPoints[0] = CFPoint(160, 150);
  path.m_pPoints[1] = CFPoint(170, 150);
  ApplyShapeTransform(path);  // about (150, 150)
  ExpectNear({{150, 140}, {150, 130}});
}

}  // namespace
