#include "convert/passes/stroke_bow.h"

#include <gtest/gtest.h>

#include <vector>

#include "convert/driver/analysis_overlay.h"
#include "core/path/stroke_work.h"
#include "support/path_points.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::AddPolyline;
using tmb::test::PointsOf;

class StrokeBowTest : public ::testing::Test {
 protected:
  void SetUp() override { gAnalysisOverlay.Clear(); }
  void TearDown() override { gAnalysisOverlay.Clear(); }
  CStrokeWork path{256};
};

std::vector<float> Ys(const CStrokePath& path) {
  std::vector<float> ys;
  for (int i = 0; i < path.GetCount(); ++i) ys.push_back(path.m_pPoints[i].y);
  return ys;
}

// A level stroke 300 pixels long, 31 points 10 apart, in a mark of its own: a third of the
// way is point 10, five sixths point 25.
TEST_F(StrokeBowTest, ALevelStrokeRisesAtAThirdAndSinksAtFiveSixths) {
  AddPolyline(path, {{0, 100}, {300, 100}}, 10);
  gAnalysisOverlay.AddMark(0, path.GetCount() - 1, path);
  EXPECT_EQ(BowHorizontalStrokes(path), 1);
  const std::vector<float> y = Ys(path);
  EXPECT_FLOAT_EQ(y[0], 100);
  EXPECT_FLOAT_EQ(y[5], 85);    // halfway to the top
  EXPECT_FLOAT_EQ(y[10], 70);   // 0.1 x 300 above the line
  EXPECT_FLOAT_EQ(y[25], 115);  // 0.05 x 300 below it
  EXPECT_FLOAT_EQ(y[30], 100);  // back on the line
  for (int i = 0; i < path.GetCount(); ++i) EXPECT_EQ(path.m_pFlags[i], i == 0 ? 1 : 0);
}

TEST_F(StrokeBowTest, OnlyLongLevelStrokesDrawnRightwardInAMarkAreBowed) {
  struct Case {
    const char* what;
    CFPoint from;
    CFPoint to;
    int corner;  // a point flagged 3, or -1
    bool inMark;
    bool bowed;
  };
  const Case cases[] = {
      {"level", {0, 100}, {300, 100}, -1, true, true},
      {"rising less than 1 in 2", {0, 200}, {300, 51}, -1, true, true},
      {"rising 1 in 2", {0, 200}, {300, 50}, -1, true, false},
      {"drawn leftward", {300, 100}, {0, 100}, -1, true, false},
      {"a corner inside", {0, 100}, {300, 100}, 12, true, false},
      {"a corner on its last point", {0, 100}, {300, 100}, 30, true, true},
      {"in no mark", {0, 100}, {300, 100}, -1, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    path.SetCount(0);
    gAnalysisOverlay.Clear();
    AddPolyline(path, {c.from, c.to}, 10);
    if (c.corner >= 0) path.m_pFlags[c.corner] = 3;
    if (c.inMark) gAnalysisOverlay.AddMark(0, path.GetCount() - 1, path);
    const auto before = PointsOf(path);
    BowHorizontalStrokes(path);
    EXPECT_EQ(PointsOf(path) != before, c.bowed);
  }
}

// The mark is as wide as its widest stroke: a stroke bows only when it is longer than six
// tenths of that width.
TEST_F(StrokeBowTest, ShortStrokesOfAWideMarkStayStraight) {
  AddPolyline(path, {{0, 100}, {180, 100}}, 10);  // just six tenths of 300
  const int second = AddPolyline(path, {{0, 150}, {190, 150}}, 10);
  const int third = AddPolyline(path, {{0, 200}, {300, 200}}, 10);
  gAnalysisOverlay.AddMark(0, path.GetCount() - 1, path);
  BowHorizontalStrokes(path);
  for (int i = 0; i < second; ++i) EXPECT_EQ(path.m_pPoints[i].y, 100) << i;
  EXPECT_LT(path.m_pPoints[second + 6].y, 150);
  EXPECT_LT(path.m_pPoints[third + 10].y, 200);
}

}  // namespace
