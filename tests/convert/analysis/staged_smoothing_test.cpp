#include "convert/analysis/staged_smoothing.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <vector>

#include "convert/analysis/shape_records.h"
#include "core/path/point_index_list.h"
#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

using tmb::test::PointsOf;

ParamBlock Params(int smoothing, int width, int stages, int quarter) {
  ParamBlock p{};
  p[201] = smoothing;
  p[3] = width;
  p[293] = stages;
  p[348] = quarter;
  return p;
}

std::vector<int> PassesOf(const std::vector<SmoothingStage>& stages) {
  std::vector<int> passes;
  for (const SmoothingStage& s : stages) passes.push_back(s.passes);
  return passes;
}

TEST(StagedSmoothing, StagePassesFollowTheWindowAndTheStageCount) {
  struct Case {
    int smoothing, width, stages, quarter, percent;
    std::vector<int> passes;
  } cases[] = {
      {10, 15, 0, 0, 0, {30, 14, 14, 7}},
      {10, 15, 0, 0, 300, {10, 4, 4, 2}},
      {10, 15, 0, 1, 0, {7, 3, 3, 1}},
      {10, 15, 1, 0, 0, {30}},
      {10, 15, 2, 0, 0, {30, 14, 14, 18}},  // the last stage at the whole width
      {10, 15, 3, 0, 0, {30, 14, 14, 1}},   // no last stage of its own: at least one pass
      {10, 15, 0, 0, 50, {30, 14, 14, 7}},  // a percentage up to 100 leaves the window
      {-10, 15, 0, 0, 0, {1, 1, 1, 1}},
      {0, 15, 0, 0, 0, {}},
      // The settings bars at their ends run every pass they ask for.
      {50, 100, 0, 0, 0, {1000, 480, 480, 1600}},
      {100, 200, 2, 0, 0, {4000, 1920, 1920, 32000}},
      // File values far out of range: in 64 bits, and each stage held to the most the
      // settings bars can ask for.
      {INT_MAX, INT_MAX, 0, 0, 0, {32000, 32000, 32000, 32000}},
      {INT_MAX, INT_MIN, 2, 0, 0, {1, 1, 1, 32000}},  // a negative window at a negative width
      {INT_MIN, INT_MAX, 0, 0, INT_MIN, {1, 1, 1, 1}},
  };
  for (const Case& c : cases) {
    const auto stages = PlanSmoothingStages(Params(c.smoothing, c.width, c.stages, c.quarter), c.percent);
    EXPECT_EQ(PassesOf(stages), c.passes) << c.smoothing << " " << c.width << " " << c.stages << " " << c.quarter
                                          << " " << c.percent;
  }
  const auto four = PlanSmoothingStages(Params(10, 15, 0, 0), 0);
  EXPECT_EQ(four[0].group, kReleaseUnmatched);
  EXPECT_EQ(four[1].group, kReleaseLoopInside);
  EXPECT_EQ(four[2].group, kReleaseInnerSide);
  EXPECT_EQ(four[3].group, kReleaseAllButEnds);
  EXPECT_EQ(PlanSmoothingStages(Params(10, 15, 1, 0), 0)[0].group, kReleaseAll);
}

// A closed star of 16 points, every point a corner that the smoothing moves unless it is
// fixed, with one anchor of each kind.
struct AnchoredStar {
  AnchoredStar() {
    for (int k = 0; k < 16; ++k) {
      const double angle = k * 3.14159265358979 / 8, radius = k % 2 == 0 ? 40 : 20;
      outline.AddPointUnique(float(50 + radius * std::cos(angle)), float(50 + radius * std::sin(angle)), k == 0 ? 1 : 0,
                             1);
    }
    const uint8_t kinds[] = {kAnchorStart, kAnchorOuterTurn, kAnchorCorner, kAnchorInnerTurn, kAnchorEnd,
                             kAnchorKeptSix, kAnchorKeptSeven, kAnchorLoopEnd, kAnchorLoopInside};
    for (int k = 0; k < int(std::size(kinds)); ++k) anchors.AddPoint(0, 0, kinds[k], k);
    anchors.AddPoint(outline.m_pPoints[12].x, outline.m_pPoints[12].y, kAnchorPosition, 0);
  }
  std::vector<int> Kinds() const { return {anchors.m_pKinds, anchors.m_pKinds + anchors.m_nCount}; }

  CStrokePath outline{32};
  CPointIndexList anchors{16};
};

TEST(StagedSmoothing, StagesReleaseTheirKindsAndKeepTheEndsFixed) {
  AnchoredStar star;
  const auto before = PointsOf(star.outline);
  ASSERT_EQ(SmoothContoursInStages(star.outline, star.anchors, Params(10, 15, 0, 0), 0), 1);
  EXPECT_EQ(star.Kinds(), (std::vector<int>{4, 255, 255, 255, 8, 6, 7, 11, 255, 255}));
  const auto after = PointsOf(star.outline);
  for (int i : {0, 4, 5, 6, 7}) EXPECT_EQ(after[i], before[i]) << i;  // fixed throughout
  for (int i : {1, 2, 3, 8, 9, 12}) EXPECT_NE(after[i], before[i]) << i;  // released on the way

  AnchoredStar oneStage;
  SmoothContoursInStages(oneStage.outline, oneStage.anchors, Params(10, 15, 1, 0), 0);
  EXPECT_EQ(oneStage.Kinds(), (std::vector<int>{255, 255, 255, 255, 255, 255, 255, 255, 255, 0}));
}

// Smoothing and width of 2^31 - 1 read from a file ask for billions of passes a stage.
TEST(StagedSmoothing, ParametersFromADamagedFileStillFinish) {
  AnchoredStar star;
  ASSERT_EQ(SmoothContoursInStages(star.outline, star.anchors, Params(INT_MAX, INT_MAX, 0, 0), 0), 1);
  for (int i = 0; i < star.outline.GetCount(); ++i) {
    EXPECT_TRUE(std::isfinite(star.outline.m_pPoints[i].x) && std::isfinite(star.outline.m_pPoints[i].y)) << i;
  }
}

TEST(StagedSmoothing, WithoutTheSmoothingParameterNothingChanges) {
  AnchoredStar star;
  const auto before = PointsOf(star.outline);
  const auto kinds = star.Kinds();
  EXPECT_EQ(SmoothContoursInStages(star.outline, star.anchors, Params(0, 15, 0, 0), 0), 0);
  EXPECT_EQ(PointsOf(star.outline), before);
  EXPECT_EQ(star.Kinds(), kinds);
}

}  // namespace
