#include "core/path/stroke_path_ex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

TEST(StrokePathEx, NewPathHasZeroSidePointsAnOutlineOfItsCapacityAndNoWeights) {
  CStrokePathEx path(12);
  EXPECT_EQ(path.m_pOutline->GetCapacity(), 12);
  EXPECT_FALSE(path.HasWeights());
  for (int i = 0; i < 12; ++i) {
    ASSERT_EQ(path.m_pSide1[i], CFPoint(0, 0));
    ASSERT_EQ(path.m_pSide2[i], CFPoint(0, 0));
  }
  path.SetExtraPointsTo(2.5f);
  EXPECT_EQ(path.m_pSide1[11], CFPoint(2.5f, 2.5f));
  EXPECT_EQ(path.m_pSide2[0], CFPoint(2.5f, 2.5f));
}

TEST(StrokePathEx, CopiesCarrySidePointsAndWeightsWithEachPoint) {
  CStrokePathEx src(8);
  Fill(src, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}});
  ASSERT_TRUE(src.AllocWeights());
  for (int i = 0; i < 3; ++i) {
    src.m_pSide1[i] = CFPoint(float(i), 1);
    src.m_pSide2[i] = CFPoint(float(i), -1);
    src.m_pWeight1[i] = 10.0f + i;
    src.m_pWeight2[i] = 20.0f + i;
    src.m_pGuideMarks[i] = uint8_t(i);
  }
  CStrokePathEx dst(8);
  ASSERT_TRUE(dst.CopyRangeFrom(src, 1, 3));
  ASSERT_TRUE(dst.HasWeights());  // allocated for the copy
  EXPECT_EQ(dst.m_pSide1[0], CFPoint(1, 1));
  EXPECT_EQ(dst.m_pSide2[1], CFPoint(2, -1));
  EXPECT_EQ(dst.m_pWeight1[1], 12.0f);
  EXPECT_EQ(dst.m_pWeight2[0], 21.0f);
  EXPECT_EQ(dst.m_pGuideMarks[0], 1);

  // Rebuilding in place keeps the extras with their points.
  dst.InsertPointAt(0, 2);
  EXPECT_EQ(dst.m_pSide1[0], CFPoint(2, 1));
  EXPECT_EQ(dst.m_pWeight1[2], 12.0f);
  dst.DeleteRange(0, 1);
  EXPECT_EQ(dst.m_pSide1[0], CFPoint(1, 1));

  // A plain path gives points only; the extras stay as they were, but no guide mark
  // stays to hold side points that the new point never had.
  CStrokePath plain(8);
  Fill(plain, {{5, 5, 1}});
  ASSERT_TRUE(dst.CopyFrom(plain));
  EXPECT_EQ(dst.m_pSide1[0], CFPoint(1, 1));
  EXPECT_EQ(dst.m_pGuideMarks[0], 0);
}

// Dropping repeated points in place (as the end-turn smoothing and the glyph end clipping
// do) moves each kept point's side points and weights with it.
TEST(StrokePathEx, CopyingWithoutDuplicatesCarriesTheExtrasOfTheKeptPoints) {
  CStrokePathEx path(8);
  Fill(path, {{0, 0, 1}, {0, 0, 0}, {3, 0, 0}, {3, 0, 0}, {5, 0, 0}});
  ASSERT_TRUE(path.AllocWeights());
  for (int i = 0; i < 5; ++i) {
    path.m_pSide1[i] = CFPoint(float(i), 1);
    path.m_pSide2[i] = CFPoint(float(i), -1);
    path.m_pWeight1[i] = 10.0f + i;
    path.m_pWeight2[i] = 20.0f + i;
  }
  EXPECT_EQ(path.CopyWithoutDuplicates(path, 1), 3);
  const int kept[] = {0, 2, 4};
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(path.m_pSide1[k], CFPoint(float(kept[k]), 1)) << k;
    EXPECT_EQ(path.m_pSide2[k], CFPoint(float(kept[k]), -1)) << k;
    EXPECT_EQ(path.m_pWeight1[k], 10.0f + kept[k]) << k;
    EXPECT_EQ(path.m_pWeight2[k], 20.0f + kept[k]) << k;
  }
}

TEST(StrokePathEx, ReallocateKeepsTheWeightArraysWhenTheyExisted) {
  CStrokePathEx path(8);
  path.AllocWeights();
  path.Reallocate(20);
  EXPECT_TRUE(path.HasWeights());
  EXPECT_EQ(path.m_pOutline->GetCapacity(), 20);
  path.m_pWeight2[19] = 1.0f;  // sized for the new capacity
  CStrokePathEx bare(8);
  bare.Reallocate(20);
  EXPECT_FALSE(bare.HasWeights());
}

TEST(StrokePathEx, AppendCountFromWritesFromAPositionAndDropsRepeats) {
  CStrokePath src(16);
  Fill(src, {{0, 0, 1}, {0, 0, 0}, {1, 0, 0}, {5, 5, 1}, {5, 5, 0}, {7, 7, 1}});
  struct Case {
    int pos, n, first, drop;
    Points expected;
  } cases[] = {
      {1, 3, 0, 0, {{9, 9, 1}, {0, 0, 1}, {0, 0, 0}, {1, 0, 0}}},
      {1, 3, 0, 1, {{9, 9, 1}, {0, 0, 1}, {1, 0, 0}}},
      // The repeat that closes a stroke begun by the point before it stays.
      {1, 3, 3, 1, {{9, 9, 1}, {5, 5, 1}, {5, 5, 0}, {7, 7, 1}}},
      {0, 2, 2, 0, {{1, 0, 0}, {5, 5, 1}}},
      {1, 99, 4, 0, {{9, 9, 1}, {5, 5, 0}, {7, 7, 1}}},  // src ends first
  };
  for (const Case& c : cases) {
    CStrokePathEx dst(16);
    Fill(dst, {{9, 9, 1}, {8, 8, 0}});
    EXPECT_EQ(dst.AppendCountFrom(c.pos, c.n, src, c.first, c.drop), int(c.expected.size()));
    EXPECT_EQ(PointsOf(dst), c.expected) << c.pos << " " << c.n << " " << c.first << " " << c.drop;
  }
}

TEST(StrokePathEx, AppendCountFromStopsAtTheCapacity) {
  CStrokePath src(64);
  for (int i = 0; i < 40; ++i) src.AppendPoint(i, 0, 0);
  CStrokePathEx dst(10);
  EXPECT_EQ(dst.AppendCountFrom(4, 40, src, 0, 0), 10);
  EXPECT_EQ(dst.GetPoint(9), CFPoint(5, 0));
  EXPECT_EQ(dst.AppendCountFrom(50, 5, src, 0, 0), 10);  // past the capacity: nothing written
}

}  // namespace
