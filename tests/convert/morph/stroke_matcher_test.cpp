#include "convert/morph/stroke_matcher.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "convert/driver/path_resampling.h"
#include "convert/driver/scratch_paths.h"
#include "core/path/division_table.h"
#include "core/path/stroke_index.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data.h"
#include "core/text/text_settings.h"
#include "support/generated_character.h"
#include "support/path_points.h"
#include "support/scripted_messages.h"

namespace {

using tmb::test::AddLineStroke;
using tmb::test::PathPoint;
using tmb::test::PointsOf;

constexpr int kCapacity = 20000;

// The number of points of each stroke (a flag 1 starts one).
std::vector<int> StrokeSizes(const CStrokePath& path) {
  const CStrokeIndex index(std::span<const uint8_t>(path.m_pFlags, size_t(path.GetCount())));
  std::vector<int> sizes;
  for (int k = 0; k < index.m_nStrokes; ++k) sizes.push_back(index.m_last[k] - index.m_first[k] + 1);
  return sizes;
}

std::vector<PathPoint> StrokeStarts(const CStrokePath& path) {
  std::vector<PathPoint> starts;
  for (const PathPoint& p : PointsOf(path)) {
    if (p.flag != 0) starts.push_back(p);
  }
  return starts;
}

// Text settings whose marks start divisions at the given point indices.
std::unique_ptr<CTextSettings> Marks(std::initializer_list<int> starts) {
  auto text = std::make_unique<CTextSettings>();
  for (int start : starts) text->m_marks[text->m_nMarks++].m_nValue = start;
  return text;
}

class StrokeMatcherTest : public ::testing::Test {
 protected:
  void TearDown() override {
    gDivisionTable.ClearDivisions();
    ReleaseScratchPaths();
  }

  CStrokeMatcher matcher;
  tmb::test::ScriptedMessages messages;
  std::unique_ptr<CStrokeWork> a = std::make_unique<CStrokeWork>(kCapacity);
  std::unique_ptr<CStrokeWork> b = std::make_unique<CStrokeWork>(kCapacity);
  std::unique_ptr<CStrokeWork> outA = std::make_unique<CStrokeWork>(kCapacity);
  std::unique_ptr<CStrokeWork> outB = std::make_unique<CStrokeWork>(kCapacity);
};

TEST_F(StrokeMatcherTest, PathsEqualAfterTheFirstResamplingComeBackResampled) {
  AddLineStroke(*a, {0, 0}, {50, 0}, 5);
  AddLineStroke(*b, {10, 40}, {10, 90}, 50);
  ASSERT_EQ(matcher.MatchCharacterPaths(*outA, *outB, *a, *b, kNoGapDistance, nullptr, nullptr), 1);
  ResamplePath(*a, 1.0f, 5, 2);
  EXPECT_EQ(PointsOf(*outA), PointsOf(*a));
  EXPECT_EQ(outA->GetCount(), outB->GetCount());
}

TEST_F(StrokeMatcherTest, APathOfTwoPointsStaysUnequal) {
  AddLineStroke(*a, {0, 0}, {1, 0}, 1);
  AddLineStroke(*b, {0, 0}, {49, 0}, 49);
  EXPECT_EQ(matcher.EqualizePointCounts(*a, *b), 1);
  EXPECT_EQ(a->GetCount(), 2);
  EXPECT_EQ(b->GetCount(), 50);
}

// Lines 6 and 7 long: at the first spacing of 1 they have 7 and 8 points. The spacing
// 6 / 8 = 0.75 gives 9 points, the bracketing step to 0.85 gives 8, which only closes the
// bracket [0.75, 0.85]; the bisection's first trial, 0.8, gives 8 as well and is taken.
TEST_F(StrokeMatcherTest, ABracketingTrialThatReachesTheCountLeavesTheChoiceToTheBisection) {
  AddLineStroke(*a, {0, 0}, {6, 0}, 6);
  AddLineStroke(*b, {0, 0}, {7, 0}, 7);
  EXPECT_EQ(matcher.EqualizePointCounts(*a, *b), 1);
  ASSERT_EQ(a->GetCount(), 8);
  ASSERT_EQ(b->GetCount(), 8);
  for (int i = 0; i < 8; ++i) EXPECT_NEAR(a->m_pPoints[i].x, 0.8f * float(i), 1e-4) << i;
}

// Whatever the lengths, the shorter path is brought to the longer one's count without
// losing a stroke or moving a stroke's start.
TEST_F(StrokeMatcherTest, GeneratedPairsComeOutWithEqualCountsAndTheirStrokes) {
  for (uint32_t seed = 1; seed <= 40; ++seed) {
    auto recA = std::make_unique<CCharData>();
    auto recB = std::make_unique<CCharData>();
    tmb::test::AppendGeneratedCharacter(*recA, seed, 1 + seed % 4, 20 + seed % 30);
    tmb::test::AppendGeneratedCharacter(*recB, seed * 7919, 1 + seed % 4, 10 + seed % 50);
    recA->ToStrokeWork(*a);
    recB->ToStrokeWork(*b);
    const int strokesA = a->CountStrokes();
    const int strokesB = b->CountStrokes();
    const std::vector<PathPoint> startsA = StrokeStarts(*a);
    const int result = matcher.EqualizePointCounts(*a, *b);
    ASSERT_TRUE(result == 0 || result == 1) << seed;
    ASSERT_EQ(a->GetCount(), b->GetCount()) << seed;
    EXPECT_EQ(a->CountStrokes(), strokesA) << seed;
    EXPECT_EQ(b->CountStrokes(), strokesB) << seed;
    EXPECT_EQ(StrokeStarts(*a), startsA) << seed;
  }
}

// Single-point strokes cannot be resampled to more points: the path is padded with
// copies of its last point, which continue its last stroke.
TEST_F(StrokeMatcherTest, PaddingCopiesTheLastPointWithoutStartingStrokes) {
  for (int k = 0; k < 3; ++k) AddLineStroke(*a, {k * 10.0f, 0}, {k * 10.0f, 0}, 0);
  AddLineStroke(*b, {0, 0}, {9, 0}, 9);
  EXPECT_EQ(matcher.EqualizePointCounts(*a, *b), 0);
  ASSERT_EQ(a->GetCount(), b->GetCount());
  EXPECT_EQ(a->CountStrokes(), 3);
  for (int i = 3; i < a->GetCount(); ++i) EXPECT_EQ(a->m_pPoints[i], CFPoint(20, 0)) << i;
}

TEST_F(StrokeMatcherTest, StrokeByStrokePairsTheStrokesOfTheShorterCharacter) {
  const int lengthsA[] = {30, 80, 12};
  const int lengthsB[] = {60, 20, 45, 70, 25};
  for (int k = 0; k < 3; ++k) AddLineStroke(*a, {0, k * 20.0f}, {float(lengthsA[k]), k * 20.0f}, lengthsA[k] / 3);
  for (int k = 0; k < 5; ++k) AddLineStroke(*b, {k * 10.0f, 0}, {k * 10.0f, float(lengthsB[k])}, lengthsB[k] / 5);
  ASSERT_EQ(matcher.MatchStrokeByStroke(*a, *b), 1);
  const std::vector<int> sizesA = StrokeSizes(*a);
  ASSERT_EQ(sizesA.size(), 3u);
  EXPECT_EQ(sizesA, StrokeSizes(*b));
  EXPECT_EQ(a->GetCount(), b->GetCount());
  for (int k = 0; k < 3; ++k) EXPECT_GE(sizesA[k], 12) << k;
}

TEST_F(StrokeMatcherTest, DifferentNumbersOfDivisionMarksAreRefusedWithAMessage) {
  AddLineStroke(*a, {0, 0}, {40, 0}, 8);
  AddLineStroke(*b, {0, 0}, {90, 0}, 3);
  const auto two = Marks({2, 5});
  const auto three = Marks({1, 2, 3});
  for (int gap : {kNoGapDistance, 20}) {
    EXPECT_EQ(matcher.MatchCharacterPaths(*outA, *outB, *a, *b, gap, two.get(), three.get()), -1);
    EXPECT_EQ(PointsOf(*outA), PointsOf(*a));
    EXPECT_EQ(PointsOf(*outB), PointsOf(*b));
  }
  EXPECT_EQ(messages.CountOf(kMsgDivisionMarksDiffer), 2);
}

TEST_F(StrokeMatcherTest, MarksOfOneCharacterAloneLeaveTheWholePathsPaired) {
  AddLineStroke(*a, {0, 0}, {40, 0}, 8);
  AddLineStroke(*b, {0, 0}, {90, 0}, 3);
  gDivisionTable.m_count = 7;
  const auto marks = Marks({3});
  EXPECT_EQ(matcher.MatchCharacterPaths(*outA, *outB, *a, *b, kNoGapDistance, marks.get(), nullptr), 1);
  EXPECT_EQ(outA->GetCount(), outB->GetCount());
  EXPECT_EQ(gDivisionTable.m_count, 7);  // no division match ran
  EXPECT_TRUE(messages.ids.empty());
}

// Three strokes with a long pen jump before the second, against two strokes far apart:
// two divisions each, paired division by division.
TEST_F(StrokeMatcherTest, LongPenJumpsDivideTheCharacters) {
  AddLineStroke(*a, {0, 0}, {30, 0}, 6);
  AddLineStroke(*a, {200, 0}, {200, 60}, 6);
  AddLineStroke(*a, {205, 60}, {250, 60}, 9);
  AddLineStroke(*b, {0, 0}, {0, 80}, 4);
  AddLineStroke(*b, {100, 100}, {180, 100}, 40);
  const int strokesA = a->CountStrokes();
  ASSERT_EQ(matcher.MatchCharacterPaths(*outA, *outB, *a, *b, 50, nullptr, nullptr), 1);
  const CDivisionTable& t = gDivisionTable;
  ASSERT_EQ(t.m_count, 2);
  EXPECT_EQ(t.m_endIndex[0], 0);
  EXPECT_EQ(t.m_endIndex[2], outA->GetCount());
  EXPECT_EQ(outA->GetCount(), outB->GetCount());
  // Division 0 of A, its first stroke, was brought to the 81 points of B's first.
  EXPECT_EQ(t.m_endIndex[1], 81);
  EXPECT_EQ(outA->m_pFlags[81], 1);
  EXPECT_EQ(outA->m_pPoints[81], CFPoint(200, 0));
  EXPECT_EQ(outB->m_pPoints[81], CFPoint(100, 100));
  EXPECT_EQ(std::vector<int>(t.m_strokeA.begin(), t.m_strokeA.begin() + 3), (std::vector<int>{0, 1, strokesA + 1}));
  EXPECT_EQ(std::vector<int>(t.m_strokeB.begin(), t.m_strokeB.begin() + 3), (std::vector<int>{0, 1, 3}));
}

// Marks are point indices a user may have left anywhere: outside the path or out of
// order they still cut it into ascending divisions.
TEST_F(StrokeMatcherTest, DivisionMarksAreHeldWithinThePathInAscendingOrder) {
  AddLineStroke(*a, {0, 0}, {100, 0}, 100);
  AddLineStroke(*b, {0, 0}, {0, 50}, 25);
  const auto marksA = Marks({60, -7, 99999});
  const auto marksB = Marks({20, 10, 5});
  ASSERT_EQ(matcher.MatchCharacterPaths(*outA, *outB, *a, *b, kNoGapDistance, marksA.get(), marksB.get()), 1);
  const CDivisionTable& t = gDivisionTable;
  ASSERT_EQ(t.m_count, 4);
  for (int k = 0; k < t.m_count; ++k) EXPECT_LE(t.m_endIndex[k], t.m_endIndex[k + 1]) << k;
  EXPECT_EQ(t.m_endIndex[4], outA->GetCount());
}

TEST_F(StrokeMatcherTest, MoreDivisionsThanTheTableHoldsAreRefused) {
  // Single-point strokes 5 pixels apart: every one opens a division at a gap of 1.
  for (int divisions : {kMaxDivisions, kMaxDivisions + 1}) {
    a->SetCount(0);
    b->SetCount(0);
    for (int k = 0; k < divisions; ++k) {
      AddLineStroke(*a, {k * 5.0f, 0}, {k * 5.0f, 0}, 0);
      AddLineStroke(*b, {0, k * 5.0f}, {0, k * 5.0f}, 0);
    }
    gDivisionTable.m_count = -3;
    const int result = matcher.MatchCharacterPaths(*outA, *outB, *a, *b, 1, nullptr, nullptr);
    if (divisions == kMaxDivisions) {
      EXPECT_EQ(result, 1);
      EXPECT_EQ(gDivisionTable.m_count, kMaxDivisions);
      EXPECT_EQ(gDivisionTable.m_endIndex[kMaxDivisions], outA->GetCount());
      EXPECT_EQ(gDivisionTable.m_strokeA[kMaxDivisions], kMaxDivisions + 1);
    } else {
      EXPECT_EQ(result, -1);
      EXPECT_EQ(gDivisionTable.m_count, -3);
      EXPECT_EQ(PointsOf(*outA), PointsOf(*a));
      EXPECT_EQ(PointsOf(*outB), PointsOf(*b));
    }
  }
  EXPECT_EQ(messages.ids, std::vector<int>{kMsgTooManyDivisions});
}

TEST(MergeIndexLists, MergesTwoAscendingListsKeepingEveryEntry) {
  struct Case {
    std::vector<int> first;
    std::vector<int> second;
    std::vector<int> merged;
  };
  const Case cases[] = {
      {{1, 3, 5}, {0, 3, 6, 9}, {0, 1, 3, 3, 5, 6, 9}},
      {{}, {0, 4, 8}, {0, 4, 8}},
      {{2, 7}, {}, {2, 7}},
      {{0, 0}, {0}, {0, 0, 0}},
  };
  for (const Case& c : cases) {
    std::vector<int> first = c.first;
    first.resize(c.merged.size());
    EXPECT_EQ(MergeIndexLists(first, int(c.first.size()), c.second, int(c.second.size())), int(c.merged.size()));
    EXPECT_EQ(first, c.merged);
  }
}

}  // namespace
