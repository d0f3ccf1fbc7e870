#include <gtest/gtest.h>

#include <vector>

#include "core/path/stroke_index.h"
#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;

// Points (i, 0) whose flags exercise every unit: strokes (any non-zero flag) [0, 2], [3, 4],
// [5, 6], [7, 8], [9, 10]; flag 4 ends a segment, 2 a section, 6 numbers a stroke.
class StrokeNavTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const int flags[] = {1, 0, 0, 4, 0, 2, 0, 1, 0, 6, 0};
    for (int i = 0; i < 11; ++i) path_.AppendPoint(i, 0, flags[i]);
  }
  CStrokePath path_{32};
};

TEST_F(StrokeNavTest, UnitBoundsFollowTheirOwnFlagCodes) {
  struct Case {
    int i, strokeEnd, strokeStart, strictStart, segmentEnd, nextBreak;
  } cases[] = {
      {0, 2, 0, 0, 2, 5},    {1, 2, 0, 0, 2, 5},  {3, 4, 3, 0, 4, 5},   {6, 6, 5, 0, 6, 7},
      {8, 8, 7, 7, 10, 11},  // flag 6 ends a stroke but no segment, section or break
      {10, 10, 9, 7, 10, 11},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(path_.FindStrokeEnd(c.i), c.strokeEnd) << c.i;
    EXPECT_EQ(path_.FindStrokeStart(c.i), c.strokeStart) << c.i;
    EXPECT_EQ(path_.FindPrevFlag(c.i), c.strokeStart) << c.i;
    EXPECT_EQ(path_.FindStrokeStartStrict(c.i), c.strictStart) << c.i;
    EXPECT_EQ(path_.FindSegmentEnd(c.i), c.segmentEnd) << c.i;
    EXPECT_EQ(path_.FindNextBreak(c.i), c.nextBreak) << c.i;
    EXPECT_EQ(path_.GetStrokeBound(c.i, 0), c.strokeStart) << c.i;
    EXPECT_EQ(path_.GetStrokeBound(c.i, 1), c.strokeEnd) << c.i;
  }
  EXPECT_TRUE(path_.IsStrokeLast(2));
  EXPECT_FALSE(path_.IsSectionLast(2));  // flag 4 is no section break
  EXPECT_TRUE(path_.IsSectionLast(4));
  EXPECT_TRUE(path_.IsStrokeBoundary(3));
  EXPECT_FALSE(path_.IsStrokeBoundary(1));
  EXPECT_TRUE(path_.IsStrokeLast(10));
}

TEST_F(StrokeNavTest, OtherEndAndRangeOfAStroke) {
  EXPECT_EQ(path_.GetStrokeBoundIndex(3), 4);
  EXPECT_EQ(path_.GetStrokeBoundIndex(4), 3);
  int start = -1, endExcl = -1;
  EXPECT_EQ(path_.GetStrokeRange(6, start, endExcl), 1);
  EXPECT_EQ(start, 5);
  EXPECT_EQ(endExcl, 7);
  path_.GetStrokeRange(20, start, endExcl);
  EXPECT_EQ(start, 9);
  EXPECT_EQ(endExcl, 11);
}

TEST(StrokeNav, NeighboursWrapAtBothEndsOfAStroke) {
  CStrokePath path(8);
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}});
  EXPECT_EQ(path.NextInStroke(4, -1), 0);
  EXPECT_EQ(path.PrevInStroke(0, -1), 4);
  EXPECT_EQ(path.NextInStroke(4, 7), 7);
  EXPECT_EQ(path.PrevInStroke(0, 7), 7);
  EXPECT_EQ(path.NextInStroke(2, -1), 3);
  EXPECT_EQ(path.PrevInStroke(2, -1), 1);
  EXPECT_EQ(path.NextPoint(4, -1), CFPoint(0, 0));
  EXPECT_EQ(path.PrevPoint(0, -1), CFPoint(4, 0));
  EXPECT_EQ(path.NextPointClamped(4), CFPoint(4, 0));
  EXPECT_EQ(path.PrevPointClamped(0), CFPoint(0, 0));
  EXPECT_EQ(path.NextPointClamped(1), CFPoint(2, 0));

  // The first point begins a stroke even without a flag.
  path.m_pFlags[0] = 0;
  EXPECT_EQ(path.FindStrokeStart(3), 0);
  EXPECT_EQ(path.PrevInStroke(0, -1), 4);
}

TEST_F(StrokeNavTest, SegmentNeighboursRunThroughSegmentEnds) {
  EXPECT_EQ(path_.NextInStroke(2, -1), 0);
  EXPECT_EQ(path_.NextInSegment(2, -1), 3);
  EXPECT_EQ(path_.NextInSegment(4, -1), 0);
  EXPECT_EQ(path_.NextInSegment(8, -1), 9);  // 6 is no section break
}

TEST(StrokeNav, SkippingNeighboursPassOverAttributeThree) {
  CStrokePath path(8);
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}});
  path.m_pAttrs[1] = 3;
  path.m_pAttrs[2] = 3;
  EXPECT_EQ(path.NextSkippingType3(0), 3);
  EXPECT_EQ(path.PrevSkippingType3(3), 0);
  EXPECT_EQ(path.PrevSkippingType3(0), 3);
  path.m_pAttrs[3] = 3;
  EXPECT_EQ(path.NextSkippingType3(0), 0);  // nothing else to land on
}

TEST(StrokeNav, WrapIndexWrapsOnceAndThenClamps) {
  CStrokePath path(32);
  for (int i = 0; i < 20; ++i) path.AppendPoint(i, 0, i == 0 || i == 10 ? 1 : 0);
  struct Case {
    int i, offset, expected;
  } cases[] = {
      {10, -1, 19}, {19, 1, 10}, {15, 3, 18}, {18, 4, 12}, {12, -4, 18},
      {12, 25, 19},   // wrapped once to 27, still past the end
      {12, -25, 10},  // wrapped once to -3, still before the start
  };
  for (const Case& c : cases) {
    EXPECT_EQ(path.WrapIndexInStroke(c.i, c.offset, -1, -1), c.expected) << c.i << " " << c.offset;
  }
  EXPECT_EQ(path.WrapIndexInStroke(3, 5, 0, 5), 2);  // explicit bounds
  path.m_pFlags[15] = 3;  // ends the stroke at 14, but not the segment
  EXPECT_EQ(path.WrapIndexInStroke(14, 1, -1, -1), 10);
  EXPECT_EQ(path.WrapIndexInSection(14, 1, -1, -1), 15);
  EXPECT_EQ(path.WrapIndexInSection(19, 1, -1, -1), 10);
}

TEST(StrokeNav, FillCyclicIndicesWrapsAndKeepsToTheOutput) {
  int out[4] = {-1, -1, -1, -1};
  EXPECT_EQ(CStrokePath::FillCyclicIndices(out, 8, 5, 9, 4), 1);
  EXPECT_EQ(std::vector<int>(out, out + 4), (std::vector<int>{8, 9, 5, 6}));
  int small[2] = {-1, -1};
  CStrokePath::FillCyclicIndices(small, 0, 0, 9, 50);
  EXPECT_EQ(small[1], 1);
}

TEST(StrokeNav, IndexDistancesGoTheShorterWayRound) {
  CStrokePath path(32);
  for (int i = 0; i < 20; ++i) path.AppendPoint(i, 0, i == 0 || i == 10 ? 1 : 0);
  EXPECT_EQ(path.IndexDistanceInStroke(3, 12), -1);
  EXPECT_EQ(path.IndexDistanceInStroke(11, 18), 2);
  EXPECT_EQ(path.IndexDistanceInStroke(18, 11), 2);
  EXPECT_EQ(path.IndexDistanceInStroke(12, 15), 3);
  EXPECT_EQ(path.IndexDistanceInSection(12, 15), 3);
  EXPECT_EQ(path.IsWithinInStroke(3, 12, 50), 0);
  EXPECT_EQ(path.IsWithinInStroke(11, 18, 3), 1);
  EXPECT_EQ(path.IsWithinInStroke(12, 16, 3), 0);
  EXPECT_EQ(path.IsWithinInStroke(12, 14, 3), 1);
  path.m_pFlags[15] = 4;
  EXPECT_EQ(path.IndexDistanceInSection(12, 15), -1);

  EXPECT_EQ(CStrokePath::CyclicDistance(1, 8, 0, 9), 3);
  EXPECT_EQ(CStrokePath::CyclicDistance(8, 1, 0, 9), 3);
  EXPECT_EQ(CStrokePath::CyclicDistance(2, 4, 0, 9), 2);
}

TEST_F(StrokeNavTest, CountingAndNumberingTreatCodesOneAndSixDifferently) {
  EXPECT_EQ(path_.CountStrokes(), 2);
  EXPECT_EQ(path_.GetStrokeIndex(8), 1);
  EXPECT_EQ(path_.GetStrokeIndex(9), 2);  // 6 counts here
  EXPECT_EQ(path_.GetStrokeIndex(-1), 2);
  EXPECT_EQ(path_.GetStrokeStart(0), 0);
  EXPECT_EQ(path_.GetStrokeStart(1), 7);
  EXPECT_EQ(path_.GetStrokeStart(2), -1);
  EXPECT_EQ(path_.GetStrokeStart(-1), -1);
  EXPECT_EQ(path_.GetStartOfStroke(1), 3);
  EXPECT_EQ(path_.GetStartOfStroke(4), 9);
  EXPECT_EQ(path_.GetStartOfStroke(40), 9);

  CStrokePath unflagged(4);
  Fill(unflagged, {{0, 0, 0}, {1, 0, 0}});
  EXPECT_EQ(unflagged.GetStrokeIndex(1), -1);
}

TEST_F(StrokeNavTest, GetStrokeOfScansFromAnIndex) {
  int start = -1, end = -1;
  EXPECT_EQ(path_.GetStrokeOf(6, start, end, 0), 2);
  EXPECT_EQ(start, 5);
  EXPECT_EQ(end, 6);
  EXPECT_EQ(path_.GetStrokeOf(-1, start, end, 4), 2);
  EXPECT_EQ(start, 9);
  EXPECT_EQ(end, 10);
}

TEST_F(StrokeNavTest, StrokeListsStopAtTheRoomGiven) {
  int starts[8], ends[8];
  CFPoint vectors[8];
  ASSERT_EQ(path_.CollectStrokeStarts(starts, ends, vectors), 5);
  EXPECT_EQ(std::vector<int>(starts, starts + 5), (std::vector<int>{0, 3, 5, 7, 9}));
  EXPECT_EQ(std::vector<int>(ends, ends + 5), (std::vector<int>{2, 4, 6, 8, 10}));
  EXPECT_EQ(vectors[1], CFPoint(1, 0));
  int two[2];
  EXPECT_EQ(path_.CollectStrokeStarts(two, {}, {}), 2);

  CFPoint points[10];
  int indices[10];
  ASSERT_EQ(path_.CollectStrokeEnds(points, indices), 10);
  EXPECT_EQ(std::vector<int>(indices, indices + 10), (std::vector<int>{0, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
  EXPECT_EQ(points[3], CFPoint(4, 0));
  CFPoint fewPoints[5];
  EXPECT_EQ(path_.CollectStrokeEnds(fewPoints, indices), 4);
}

TEST(StrokeNav, GappedStrokeStartsCompareSquaredDistances) {
  CStrokePath path(16);
  Fill(path, {{0, 0, 1}, {3, 0, 0}, {6, 0, 1}, {7, 0, 0}, {12, 0, 1}, {12, 1, 0}, {14, 1, 2}});
  int out[8];
  // Gaps before the starts: 3 (at 2), 5 (at 4), 2 (at 6).
  ASSERT_EQ(path.ListGappedStrokeStarts(out, 3.0f), 2);
  EXPECT_EQ(std::vector<int>(out, out + 3), (std::vector<int>{0, 4, 7}));
  ASSERT_EQ(path.ListGappedStrokeStarts(out, 1.5f), 4);
  EXPECT_EQ(std::vector<int>(out, out + 5), (std::vector<int>{0, 2, 4, 6, 7}));
  int tight[3];
  ASSERT_EQ(path.ListGappedStrokeStarts(tight, 1.5f), 2);
  EXPECT_EQ(tight[2], 7);  // the closing count always fits
}

TEST(StrokeNav, StrokeEndPairsAndMiddles) {
  CStrokePath path(16);
  for (int i = 0; i < 10; ++i) path.AppendPoint(i, 0, i == 0 || i == 4 ? 1 : 0);
  int out[16];
  ASSERT_EQ(path.ListStrokeEndPairs(out), 8);
  EXPECT_EQ(std::vector<int>(out, out + 8), (std::vector<int>{0, 3, 4, 9, 1, 2, 6, 7}));
  int few[3];
  EXPECT_EQ(path.ListStrokeEndPairs(few), 3);
}

TEST(StrokeIndex, ListsFirstAndLastIndicesClosedByTheLength) {
  const uint8_t flags[] = {1, 0, 0, 1, 1, 0, 2};
  CStrokeIndex index(flags);
  EXPECT_EQ(index.m_nStrokes, 3);
  EXPECT_EQ(index.m_first, (std::vector<int>{0, 3, 4, 7}));
  EXPECT_EQ(index.m_last, (std::vector<int>{2, 3, 6, 7}));
  CStrokeIndex none(std::span<const uint8_t>{});
  EXPECT_EQ(none.m_nStrokes, 0);
  EXPECT_EQ(none.m_first, (std::vector<int>{0}));
}

TEST(StrokeIndex, FindsTheStrokeOfAPointOrTheCountOutsideEveryStroke) {
  const uint8_t flags[] = {0, 1, 0, 1, 1, 0, 2};
  CStrokeIndex index(flags);
  const int expected[] = {3, 0, 0, 1, 2, 2, 2};  // point 0 comes before the first start
  for (int i = 0; i < 7; ++i) EXPECT_EQ(index.FindStroke(i), expected[i]) << i;
  EXPECT_EQ(index.FindStroke(-1), 3);
  EXPECT_EQ(index.FindStroke(7), 3);
  EXPECT_EQ(CStrokeIndex(std::span<const uint8_t>{}).FindStroke(0), 0);
}

}  // namespace
