#include "convert/passes/box_sides.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "convert/analysis/stroke_feature_table.h"
#include "convert/driver/analysis_overlay.h"
#include "convert/passes/stroke_features.h"
#include "core/path/stroke_work.h"
#include "support/path_points.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::AddPolyline;
using tmb::test::PointsOf;

class BoxSidesTest : public ::testing::Test {
 protected:
  void TearDown() override {
    gStrokeFeatureTable.Clear();
    gAnalysisOverlay.Clear();
  }
  // The box character: the left side, the top turning down the right side, the bottom.
  void AddBox() {
    left = AddPolyline(*path, {{20, 20}, {20, 120}});
    right = AddPolyline(*path, {{20, 20}, {120, 20}, {120, 120}});
    bottom = AddPolyline(*path, {{20, 120}, {120, 120}});
  }
  std::unique_ptr<CStrokeWork> path = std::make_unique<CStrokeWork>(2000);
  int left = 0;
  int right = 0;
  int bottom = 0;
};

TEST_F(BoxSidesTest, ARangeBowsByAShareOfItsChordAtItsMiddle) {
  struct Case {
    float percent;
    float middle;   // x of the middle point after
    float quarter;  // x of the point half way to it
  } cases[] = {{10, 110, 105}, {-20, 80, 90}, {0, 100, 100}};
  for (const Case& c : cases) {
    path->SetCount(0);
    const int a = AddPolyline(*path, {{100, 0}, {100, 100}});
    const int b = path->GetCount() - 1;
    EXPECT_EQ(BendRangeX(*path, a, b, c.percent, 0), 1);
    EXPECT_FLOAT_EQ(path->m_pPoints[a + 50].x, c.middle) << c.percent;
    EXPECT_FLOAT_EQ(path->m_pPoints[a + 25].x, c.quarter);
    EXPECT_FLOAT_EQ(path->m_pPoints[a + 75].x, c.quarter);
    EXPECT_EQ(path->m_pPoints[a].x, 100);
    EXPECT_EQ(path->m_pPoints[b].x, 100);
    for (int k = a; k <= b; ++k) EXPECT_EQ(path->m_pPoints[k].y, float(k - a));
  }
  // The smoothing rounds the bow off but keeps its ends.
  path->SetCount(0);
  AddPolyline(*path, {{100, 0}, {100, 100}});
  BendRangeX(*path, 0, 100, 10, 3);
  EXPECT_GT(path->m_pPoints[50].x, 105);
  EXPECT_LT(path->m_pPoints[50].x, 110);
  EXPECT_EQ(path->m_pPoints[0].x, 100);
  EXPECT_EQ(path->m_pPoints[100].x, 100);
}

TEST_F(BoxSidesTest, TheClassifiedBoxMovesNoPoint) {
  AddBox();
  gAnalysisOverlay.AddMark(0, path->GetCount() - 1, *path);
  AnalyseStrokeFeatures(*path, 0, 1);
  const auto before = PointsOf(*path);
  for (int mode : {1, 2, -1}) {
    EXPECT_EQ(BendBoxSides(*path, mode), 1);
    EXPECT_EQ(PointsOf(*path), before) << mode;
  }
}

TEST_F(BoxSidesTest, SidesMarkedInTheTableBowApart) {
  struct Case {
    int mode;
    float sign;  // of the first side's bow; the second bows the other way
  } cases[] = {{1, -1}, {0, 1}, {2, 1}};
  for (const Case& c : cases) {
    path->SetCount(0);
    const int first = AddPolyline(*path, {{20, 20}, {20, 120}});
    const int second = AddPolyline(*path, {{120, 20}, {120, 120}});
    const int other = AddPolyline(*path, {{20, 140}, {20, 240}});
    gStrokeFeatureTable.Clear();
    gStrokeFeatureTable.AddEntry(first, 3, *path);
    gStrokeFeatureTable.AddEntry(second, 104, *path);
    BendBoxSides(*path, c.mode);
    // 5 percent of a chord of 100, rounded off a little by the smoothing.
    const float bow1 = path->m_pPoints[first + 50].x - 20;
    const float bow2 = path->m_pPoints[second + 50].x - 120;
    EXPECT_GT(c.sign * bow1, 4.0f) << c.mode;
    EXPECT_LE(c.sign * bow1, 5.0f) << c.mode;
    EXPECT_NEAR(bow2, -bow1, 1e-4);
    EXPECT_EQ(path->m_pPoints[other + 50].x, 20);  // the third is listed nowhere
  }
}

}  // namespace
