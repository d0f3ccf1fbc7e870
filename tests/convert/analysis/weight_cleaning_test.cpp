#include "convert/analysis/weight_cleaning.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "convert/analysis/side_points.h"
#include "core/path/stroke_path_ex.h"
#include "support/path_points.h"

namespace {

using tmb::test::AddLineStroke;

// A level stroke of n points 3 apart with both weights w and its side points made.
void LevelStroke(CStrokePathEx& path, int n, float w) {
  AddLineStroke(path, {0, 50}, {3.0f * float(n - 1), 50}, n - 1);
  ASSERT_TRUE(path.AllocWeights());
  std::fill_n(path.m_pWeight1, n, w);
  std::fill_n(path.m_pWeight2, n, w);
  ComputeAllSidePoints(path);
}

std::vector<float> Weights1(const CStrokePathEx& path) {
  return std::vector<float>(path.m_pWeight1, path.m_pWeight1 + path.GetCount());
}

TEST(WeightCleaning, ClampWeightsHoldsWeightsAndAHeldEndDropsItsStrokesGuideMarks) {
  struct Case {
    float lo, hi;
    int at;        // the point given the weight
    float weight, held;
    bool marksDropped;
  } cases[] = {
      {-1, 10, 4, 10, 10, true},    // exactly at hi: held, and counted
      {-1, 10, 4, 9.9f, 9.9f, false},
      {-1, 10, 2, 12, 10, false},   // an inner point drops no mark
      {2, -1, 0, 1, 2, true},       // below lo
      {-2, 10, 2, 10, 1, false},    // lo -2: out of range becomes 1
      {-2, 10, 2, -1, 1, false},
      {-2, 10, 2, 9, 9, false},
  };
  for (const Case& c : cases) {
    CStrokePathEx path(8);
    LevelStroke(path, 5, 5);
    path.m_pFlags[0] = CStrokePath::kFlagSection;
    path.m_pWeight1[c.at] = c.weight;
    path.m_pGuideMarks[0] = path.m_pGuideMarks[4] = 1;
    EXPECT_EQ(ClampWeights(path, c.lo, c.hi), 1);
    EXPECT_FLOAT_EQ(path.m_pWeight1[c.at], c.held) << c.lo << " " << c.weight;
    EXPECT_EQ(path.m_pGuideMarks[0] == 0, c.marksDropped) << c.lo << " " << c.weight;
    EXPECT_EQ(path.m_pGuideMarks[4] == 0, c.marksDropped) << c.lo << " " << c.weight;
    EXPECT_EQ(path.m_pFlags[0], CStrokePath::kFlagSection) << "the flag byte is left alone";
  }
}

TEST(WeightCleaning, ScaleWeightsChangesNothingAt100AndScalesTheSidesOtherwise) {
  CStrokePathEx path(32);
  LevelStroke(path, 20, 4);
  const CFPoint side = path.m_pSide1[10];
  EXPECT_EQ(ScaleWeights(path, 100), 0);
  EXPECT_EQ(path.m_pSide1[10], side);
  EXPECT_EQ(Weights1(path), std::vector<float>(20, 4.0f));

  EXPECT_EQ(ScaleWeights(path, 50), 1);
  ASSERT_EQ(path.GetCount(), 20) << "the centre line stays";
  EXPECT_EQ(Weights1(path), std::vector<float>(20, 2.0f));
  const CFPoint p = path.m_pPoints[10];
  EXPECT_NEAR(std::hypot(path.m_pSide1[10].x - p.x, path.m_pSide1[10].y - p.y), 2.0, 1e-4);
}

// Scaling updates the side points without the update's end smoothing: at the values 0
// and 25 that smoothing runs 130 passes over 150 percent of every stroke, which folds the
// centre line onto the stroke's two ends and loses its inner points.
TEST(WeightCleaning, ScaleWeightsKeepsTheCentreLineThatTheEndSmoothingWouldFold) {
  CStrokePathEx scaled(32), smoothed(32);
  LevelStroke(scaled, 20, 4);
  LevelStroke(smoothed, 20, 4);
  const auto line = tmb::test::PointsOf(scaled);
  ASSERT_EQ(ScaleWeights(scaled, 150), 1);
  EXPECT_EQ(tmb::test::PointsOf(scaled), line);
  EXPECT_EQ(Weights1(scaled), std::vector<float>(20, 6.0f));

  UpdateSidePoints(smoothed, 1, 0, 0, 25);
  std::vector<float> xs;
  for (int i = 0; i < smoothed.GetCount(); ++i) xs.push_back(smoothed.m_pPoints[i].x);
  EXPECT_LE(smoothed.GetCount(), 3) << "folded onto its ends";
  EXPECT_EQ(xs.front(), 0.0f);
  EXPECT_EQ(xs.back(), 57.0f);
}

TEST(WeightCleaning, CapWeightRangeCapsByTheWeightsAroundTheRun) {
  // Weights 1 .. 10 over one stroke of ten points; the run's weights start at 20.
  struct Case {
    int a, b, result;
    std::vector<float> weights;
  } cases[] = {
      {0, 3, 1, {5, 5, 5, 4, 5, 6, 7, 8, 9, 10}},           // at the start: by the weight at b + 1
      {0, 10, 0, {20, 20, 20, 20, 20, 20, 20, 20, 20, 20}},  // the whole stroke: nothing
      {7, 10, 1, {1, 2, 3, 4, 5, 6, 7, 6, 6, 6}},           // at the end: by the weight at a - 2
      {3, 7, 1, {1, 2, 3, 2, 4, 6, 8, 8, 9, 10}},           // inside: the line from a - 2 to b + 2
  };
  for (const Case& c : cases) {
    CStrokePathEx path(16);
    LevelStroke(path, 10, 0);
    for (int k = 0; k < 10; ++k) path.m_pWeight1[k] = float(k + 1);
    for (int k = c.a; k < c.b; ++k) path.m_pWeight1[k] = 20;
    EXPECT_EQ(CapWeightRange(path, c.a, c.b, 0), c.result) << c.a;
    EXPECT_EQ(Weights1(path), c.weights) << c.a << " " << c.b;
  }
}

TEST(WeightCleaning, ALongNormalCrossingItsNeighboursIsCappedByThem) {
  CStrokePathEx path(16);
  LevelStroke(path, 11, 5);
  path.m_pSide1[5] = CFPoint(30, 46);  // from (15, 50) across the normals of 6 to 9
  path.ComputeWeights();
  CleanCrossingNormals(path);
  EXPECT_EQ(Weights1(path), std::vector<float>(11, 5.0f));
  EXPECT_EQ(path.m_pWeight2[5], 5.0f);
}

}  // namespace
