#include "convert/passes/work_path_smoothing.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

#include "core/path/stroke_work.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;

// A zigzag of two strokes: every interior point lies 8 off the line of its neighbours.
void AddZigzag(CStrokeWork& path) {
  Fill(path, {{0, 0, 1}, {10, 8, 0}, {20, 0, 3}, {30, 8, 0}, {40, 0, 1}, {50, 8, 0}, {60, 0, 0}});
}

std::vector<float> Ys(const CStrokeWork& path) {
  std::vector<float> ys;
  for (int i = 0; i < path.GetCount(); ++i) ys.push_back(path.m_pPoints[i].y);
  return ys;
}

class SmoothWorkPathTest : public ::testing::Test {
 protected:
  void SetUp() override {
    path.m_param[0] = 1;
    path.m_param[230] = 100;
    path.m_param[234] = 0;
    AddZigzag(path);
  }
  CStrokeWork path{16};
};

TEST_F(SmoothWorkPathTest, TheModeChoosesThePointsThatMove) {
  struct Case {
    int mode;
    std::vector<float> ys;
  };
  // One full pass, left to right, each point moved onto the midpoint of its (already
  // moved) left neighbour and its right neighbour.
  const Case cases[] = {
      {0, {0, 0, 4, 2, 5, 2.5f, 0}},
      {1, {0, 8, 0, 8, 0, 0, 0}},     // point 5: its own and next flags are 0
      {2, {0, 8, 8, 8, 8, 4, 0}},     // points 2, 4, 5: the next flag is 0
      {3, {0, 0, 0, 0, 0, 0, 0}},     // points 1, 3, 5: their own flag is 0
      {4, {0, 0, 4, 8, 8, 4, 0}},     // all but the one after the corner (2) on pass 0
      {5, {0, 8, 0, 8, 0, 8, 0}},
      {9, {0, 8, 0, 8, 0, 8, 0}},
  };
  for (const Case& c : cases) {
    path.SetCount(0);
    AddZigzag(path);
    path.m_param[11] = c.mode;
    SmoothWorkPath(path);
    EXPECT_EQ(Ys(path), c.ys) << "mode " << c.mode;
  }
}

TEST_F(SmoothWorkPathTest, CornersMoveOnlyOnOddPassesInTheJunctionMode) {
  path.m_param[11] = 4;
  path.m_param[0] = 2;
  SmoothWorkPath(path);
  // Pass 0 leaves point 3 (after the corner at 2) at 8; pass 1 moves it.
  EXPECT_EQ(Ys(path), (std::vector<float>{0, 2, 5, 6.5f, 5.25f, 2.625f, 0}));
}

TEST_F(SmoothWorkPathTest, ProtectedJunctionsStayAndFiftyNineBecomesFifty) {
  path.m_param[11] = 4;
  path.m_pFlags[3] = 59;  // points 2 and 3 are a junction
  SmoothWorkPath(path);
  EXPECT_EQ(path.m_pFlags[3], 50);
  EXPECT_EQ(Ys(path), (std::vector<float>{0, 0, 0, 8, 0, 0, 0}));
}

TEST_F(SmoothWorkPathTest, TheStrengthBlendsTowardTheMidpoint) {
  path.m_param[11] = 0;
  path.m_param[230] = 50;
  SmoothWorkPath(path);
  EXPECT_FLOAT_EQ(Ys(path)[1], 4);  // half way from 8 to 0
  path.SetCount(0);
  AddZigzag(path);
  path.m_param[230] = 100;
  path.m_param[234] = 1;  // halved
  SmoothWorkPath(path);
  EXPECT_FLOAT_EQ(Ys(path)[1], 4);
}

// A damaged file can hold any strength; past the settings' 0 to 150 % the passes would
// push the points further out each time, to infinity.
TEST_F(SmoothWorkPathTest, StrengthsPastTheirRangeSmoothAsTheNearestEnd) {
  const std::pair<int, int> cases[] = {{151, 150}, {1001, 150}, {INT32_MAX, 150}, {-1, 0}, {INT32_MIN, 0}};
  path.m_param[11] = 0;
  path.m_param[0] = 1000;
  for (auto [given, end] : cases) {
    path.SetCount(0);
    AddZigzag(path);
    path.m_param[230] = end;
    SmoothWorkPath(path);
    const std::vector<float> want = Ys(path);
    path.SetCount(0);
    AddZigzag(path);
    path.m_param[230] = given;
    SmoothWorkPath(path);
    EXPECT_EQ(Ys(path), want) << given;
  }
}

TEST_F(SmoothWorkPathTest, ShortPathsAndZeroPassesStay) {
  path.m_param[11] = 0;
  path.m_param[0] = 0;
  SmoothWorkPath(path);
  EXPECT_EQ(Ys(path), (std::vector<float>{0, 8, 0, 8, 0, 8, 0}));
  path.m_param[0] = 50;
  path.SetCount(2);
  SmoothWorkPath(path);
  EXPECT_EQ(PointsOf(path), (std::vector<PathPoint>{{0, 0, 1}, {10, 8, 0}}));
}

}  // namespace
