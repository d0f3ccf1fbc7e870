#include "convert/passes/stroke_end_shortening.h"

#include <gtest/gtest.h>

#include <vector>

#include "convert/driver/path_resampling.h"
#include "core/path/stroke_work.h"

namespace {

// A stroke of 10 points one pixel apart (the resampling at spacing 1 keeps them) and a
// second one of 3.
void AddStrokes(CStrokeWork& path) {
  for (int k = 0; k < 10; ++k) path.AddPointUnique(float(k), 0, k == 0 ? 1 : 0, 1);
  for (int k = 0; k < 3; ++k) path.AddPointUnique(float(k), 20, k == 0 ? 1 : 0, 1);
}

std::vector<float> Xs(const CStrokeWork& path, int from, int to) {
  std::vector<float> xs;
  for (int i = from; i < to; ++i) xs.push_back(path.m_pPoints[i].x);
  return xs;
}

TEST(ShortenStrokeEnds, EndsAreDrawnOntoThePointsInside) {
  struct Case {
    int m;
    std::vector<float> first;
  };
  const Case cases[] = {
      {2, {2, 2, 2, 3, 4, 5, 6, 7, 7, 7}},
      {3, {2, 2, 2, 3, 4, 5, 6, 7, 7, 7}},  // 10 - 6 is less than 5: 10 / 4 = 2 instead
      {1, {1, 1, 2, 3, 4, 5, 6, 7, 8, 8}},
      {0, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {-4, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
      {2000000000, {2, 2, 2, 3, 4, 5, 6, 7, 7, 7}},
  };
  for (const Case& c : cases) {
    CStrokeWork path(64);
    AddStrokes(path);
    ShortenStrokeEnds(path, c.m);
    ASSERT_EQ(path.GetCount(), 13) << c.m;
    EXPECT_EQ(Xs(path, 0, 10), c.first) << c.m;
    EXPECT_EQ(path.m_pFlags[10], 1);
  }
}

TEST(ShortenStrokeEnds, ShortStrokesGiveUpAQuarterAtMost) {
  CStrokeWork path(64);
  AddStrokes(path);
  ShortenStrokeEnds(path, 1);
  EXPECT_EQ(Xs(path, 10, 13), (std::vector<float>{1, 1, 1}));  // 3 - 2 is not less than 3 / 2
  path.SetCount(0);
  AddStrokes(path);
  ShortenStrokeEnds(path, 2);
  EXPECT_EQ(Xs(path, 10, 13), (std::vector<float>{0, 1, 2}));  // 3 / 4 = 0
}

}  // namespace
