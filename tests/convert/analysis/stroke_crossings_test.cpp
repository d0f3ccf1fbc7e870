#include "convert/analysis/stroke_crossings.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;

TEST(StrokeCrossings, AStrokePairGivesItsCrossingsInSegmentOrder) {
  CStrokePath path(32);
  // A level stroke and a zigzag crossing it three times.
  Fill(path, {{0, 10, 1}, {50, 10, 0}, {100, 10, 0},  //
              {20, 0, 1}, {30, 20, 0}, {60, 0, 0}, {70, 20, 0}});
  std::vector<CCrossingRecord> records(path.GetCount());
  ASSERT_EQ(AnalyseStrokeCrossings(path, 0, 3, records, kCrossStrokePair, -1), 3);
  EXPECT_EQ(records[0].first, 0);
  EXPECT_EQ(records[0].second, 3);
  EXPECT_EQ(records[0].middle, 1);
  EXPECT_EQ(records[0].crossing, CFPoint(25, 10));
  EXPECT_EQ(records[1].first, 0);  // segment 0 meets the zigzag twice before segment 1 does
  EXPECT_EQ(records[1].second, 4);
  EXPECT_EQ(records[2].first, 1);
  EXPECT_EQ(records[2].crossing, CFPoint(65, 10));
  // A one-record array takes the first crossing.
  CCrossingRecord first[1];
  EXPECT_EQ(AnalyseStrokeCrossings(path, 0, 3, first, kCrossStrokePair, -1), 1);
  EXPECT_EQ(first[0].crossing, CFPoint(25, 10));
  // Apart, or asked from a point past the path: none.
  EXPECT_EQ(AnalyseStrokeCrossings(path, 3, 0, first, kCrossStrokePair, -1), 1);
  EXPECT_EQ(AnalyseStrokeCrossings(path, 0, 40, first, kCrossStrokePair, -1), 0);
  CStrokePath apart(8);
  Fill(apart, {{0, 0, 1}, {10, 0, 0}, {20, 5, 1}, {20, -5, 0}});
  EXPECT_EQ(AnalyseStrokeCrossings(apart, 0, 2, records, kCrossStrokePair, -1), 0);
}

TEST(StrokeCrossings, NoMoreRecordsThanThePathHasPoints) {
  CStrokePath path(32);
  // Three long, nearly level segments and eight steep ones across all of them: 24
  // crossings on 13 points.
  Fill(path, {{0, 0, 1}, {100, 0.5f, 0}, {0, 1, 0}, {100, 1.5f, 0}});
  for (int k = 0; k < 9; ++k) path.AddPointUnique(float(10 + 10 * k), k % 2 == 0 ? -5.0f : 5.0f, k == 0 ? 1 : 0, 1);
  std::vector<CCrossingRecord> records(64);
  EXPECT_EQ(AnalyseStrokeCrossings(path, 0, 4, records, kCrossStrokePair, -1), path.GetCount());
}

// Every crossing of the range search, found the long way: all pairs, no boxes.
std::vector<CCrossingRecord> AllRangeCrossings(const CStrokePath& path, int first, int second, int reach) {
  std::vector<CCrossingRecord> out;
  const CFPoint* p = path.m_pPoints;
  for (int i = first; i < second - 4; ++i) {
    for (int j = i + 2; j < second - 1; ++j) {
      if (path.IsSectionLast(i) || path.IsSectionLast(j)) continue;
      const double dx = double(p[j].x) - p[i].x;
      const double dy = double(p[j].y) - p[i].y;
      if (reach >= 0 && !(std::fabs(dx) < reach && std::fabs(dy) < reach && dx * dx + dy * dy < double(reach) * reach)) {
        continue;
      }
      CFPoint hit(0, 0);
      if (IntersectSegments(p[i], p[i + 1], p[j], p[j + 1], &hit, kIntersectOnBoth) == 1) {
        out.emplace_back().Set(i, j, (i + j) / 2, hit.x, hit.y);
      }
    }
  }
  return out;
}

TEST(StrokeCrossings, TheRangeSearchPassesOverOnlyStrokesThatCannotMeet) {
  // Strokes scattered over a field, some level or upright (boxes of no height or width),
  // with segment ends (4) and a section break (2) inside strokes.
  CStrokePath path(400);
  uint32_t seed = 7;
  auto next = [&seed](int range) {
    seed = seed * 1103515245u + 12345u;
    return int((seed >> 16) % uint32_t(range));
  };
  for (int s = 0; s < 24; ++s) {
    const int kind = s % 4;
    float x = float(next(300));
    float y = float(next(300));
    const int points = 3 + next(12);
    for (int k = 0; k < points; ++k) {
      int flag = k == 0 ? 1 : (k == points / 2 && s % 5 == 1 ? 4 : (k == points / 2 && s % 7 == 2 ? 2 : 0));
      path.AddPointUnique(x, y, flag, 1);
      x += kind == 0 ? 12.0f : float(next(41) - 20);
      y += kind == 1 ? 12.0f : float(next(41) - 20);
    }
  }
  const int n = path.GetCount();
  struct Case {
    int first;
    int second;
    int reach;
  } cases[] = {{0, n, -1}, {7, n, -1}, {0, n, 25}, {0, n, 10}, {path.GetStrokeStart(3) + 2, path.GetStrokeStart(20), -1}};
  std::vector<CCrossingRecord> records(static_cast<size_t>(n));
  for (const Case& c : cases) {
    const std::vector<CCrossingRecord> want = AllRangeCrossings(path, c.first, c.second, c.reach);
    ASSERT_FALSE(want.empty());
    for (int mode : {kCrossRange, kCrossRangeAlt}) {
      const int got = AnalyseStrokeCrossings(path, c.first, c.second, records, mode, c.reach);
      ASSERT_EQ(got, static_cast<int>(want.size())) << c.first << " " << c.reach;
      for (int k = 0; k < got; ++k) {
        EXPECT_EQ(records[k].first, want[k].first);
        EXPECT_EQ(records[k].second, want[k].second);
        EXPECT_EQ(records[k].crossing, want[k].crossing);
      }
    }
    // A short table takes the first crossings in the same order.
    std::vector<CCrossingRecord> few(want.size() / 2);
    ASSERT_EQ(AnalyseStrokeCrossings(path, c.first, c.second, few, kCrossRange, c.reach), static_cast<int>(few.size()));
    for (size_t k = 0; k < few.size(); ++k) EXPECT_EQ(few[k].second, want[k].second);
  }
}

TEST(StrokeCrossings, TheRangeSearchSurvivesPointsFarOffOrDamaged) {
  CStrokePath path(32);
  Fill(path, {{0, 0, 1}, {10, 10, 0}, {0, 10, 0}, {10, 0, 0}, {1e30f, 5, 1}, {-1e30f, 5, 0}, {5, NAN, 0},
              {5, -5, 0}, {5, 15, 0}});
  std::vector<CCrossingRecord> records(static_cast<size_t>(path.GetCount()));
  const std::vector<CCrossingRecord> want = AllRangeCrossings(path, 0, path.GetCount(), -1);
  EXPECT_EQ(AnalyseStrokeCrossings(path, 0, path.GetCount(), records, kCrossRange, -1), static_cast<int>(want.size()));
  EXPECT_EQ(AnalyseStrokeCrossings(path, 0, path.GetCount(), records, kCrossRange, 10), 1);
}

}  // namespace
