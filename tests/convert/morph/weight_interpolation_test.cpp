#include "convert/morph/weight_interpolation.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

#include "core/path/stroke_path_ex.h"

namespace {

// A path of the given strokes (point counts), point i at (i, 0), with weights
// (w(i), 2 w(i)) unless without weights.
std::unique_ptr<CStrokePathEx> WeightedPath(std::vector<int> strokes, const std::function<float(int)>& w,
                                            bool weights = true) {
  int count = 0;
  for (int n : strokes) count += n;
  auto path = std::make_unique<CStrokePathEx>(count + 1);
  for (int n : strokes) {
    for (int k = 0; k < n; ++k) path->AppendPoint(path->GetCount(), 0, k == 0 ? 1 : 0);
  }
  if (weights) {
    EXPECT_TRUE(path->AllocWeights());
    for (int i = 0; i < count; ++i) {
      path->m_pWeight1[i] = w(i);
      path->m_pWeight2[i] = 2 * w(i);
    }
  }
  return path;
}

std::vector<float> Weights1(const CStrokePathEx& path) {
  return std::vector<float>(path.m_pWeight1, path.m_pWeight1 + path.GetCount());
}

TEST(WeightInterpolation, EvenMappingBlendsSlowOutOfAAndSlowIntoB) {
  auto a = WeightedPath({5}, [](int) { return 2.0f; });
  auto b = WeightedPath({5}, [](int) { return 10.0f; });
  auto target = WeightedPath({5}, [](int) { return 0.0f; }, false);
  struct Case {
    int percent;
    float factor;
    float expected;
  };
  const Case cases[] = {
      {0, 1, 2},   {100, 1, 10}, {50, 1, 6},  {25, 1, 2.96f},  // 12 % of B at a quarter
      {0, 2, 4},   {100, 2, 10}, {100, 0.5f, 20}, {0, 0.5f, 2},  // a factor scales one side
      {0, 0, 2},   {100, -3, 10}, {-20, 1, 2}, {130, 1, 10},   // no factor, and off-range percents
  };
  for (const Case& c : cases) {
    ASSERT_EQ(target->InterpolateWeights(*a, *b, c.percent, c.factor, 0), 5);
    for (int i = 0; i < 5; ++i) {
      EXPECT_FLOAT_EQ(target->m_pWeight1[i], c.expected) << c.percent << " " << c.factor;
      EXPECT_FLOAT_EQ(target->m_pWeight2[i], 2 * c.expected) << c.percent << " " << c.factor;
    }
  }
}

TEST(WeightInterpolation, EvenMappingSpreadsAShorterSourceOverThePath) {
  auto a = WeightedPath({3}, [](int i) { return 1.0f + i; });
  auto target = WeightedPath({5}, [](int) { return 0.0f; }, false);
  target->InterpolateWeights(*a, *a, 0, 1, 0);
  EXPECT_EQ(Weights1(*target), (std::vector<float>{1, 1, 2, 2, 3}));
}

// 128,000 points and more: the source index i x (count - 1) needs 64 bits.
TEST(WeightInterpolation, LongPathsMapEveryPointOntoItsOwnPlace) {
  constexpr int kPoints = 130000;
  auto a = WeightedPath({kPoints}, [](int i) { return float(i); });
  auto target = WeightedPath({kPoints}, [](int) { return 0.0f; }, false);
  target->InterpolateWeights(*a, *a, 0, 1, 0);
  EXPECT_EQ(Weights1(*target), Weights1(*a));
}

TEST(WeightInterpolation, AnEmptySourceOrOneWithoutWeightsLeavesTheWeights) {
  auto a = WeightedPath({4}, [](int) { return 1.0f; });
  auto empty = WeightedPath({}, [](int) { return 1.0f; });
  auto bare = WeightedPath({4}, [](int) { return 1.0f; }, false);
  auto target = WeightedPath({4}, [](int) { return 7.0f; });
  for (const CStrokePathEx* other : {empty.get(), bare.get()}) {
    for (int mode : {0, 1, 2}) {
      EXPECT_EQ(target->InterpolateWeights(*a, *other, 50, 1, mode), 4);
      EXPECT_EQ(target->InterpolateWeights(*other, *a, 50, 1, mode), 4);
      EXPECT_EQ(Weights1(*target), (std::vector<float>(4, 7.0f)));
    }
  }
  // A path of one point keeps its weights too.
  auto dot = WeightedPath({1}, [](int) { return 7.0f; });
  EXPECT_EQ(dot->InterpolateWeights(*a, *a, 50, 1, 0), 1);
  EXPECT_EQ(dot->m_pWeight1[0], 7.0f);
}

// Stroke by stroke, each stroke of the path takes the weights of the source stroke of the
// same number; mode 1 maps A that way and B whole, other modes the other way round.
TEST(WeightInterpolation, StrokeMappingTakesTheWeightsOfTheMatchingStroke) {
  auto a = WeightedPath({6, 10}, [](int i) { return i < 6 ? 1.0f : 5.0f; });
  auto b = WeightedPath({3, 4}, [](int i) { return i < 3 ? 3.0f : 9.0f; });
  auto target = WeightedPath({4, 4}, [](int) { return 0.0f; }, false);
  target->InterpolateWeights(*a, *b, 0, 1, 1);
  EXPECT_EQ(Weights1(*target), (std::vector<float>{1, 1, 1, 1, 5, 5, 5, 5}));
  target->InterpolateWeights(*a, *b, 100, 1, 2);
  EXPECT_EQ(Weights1(*target), (std::vector<float>{3, 3, 3, 3, 9, 9, 9, 9}));
  // Whole: the path runs over all of B, from its first stroke's weights to its last's.
  target->InterpolateWeights(*a, *b, 100, 1, 1);
  const std::vector<float> whole = Weights1(*target);
  EXPECT_EQ(whole.front(), 3.0f);
  EXPECT_EQ(whole.back(), 9.0f);
  EXPECT_TRUE(std::is_sorted(whole.begin(), whole.end()));
}

}  // namespace
