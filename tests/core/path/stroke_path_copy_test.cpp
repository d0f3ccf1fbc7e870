#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/path/stroke_marks.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_path_lite.h"
#include "support/fixed_division.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

// A path of n points (i, 10 i), a stroke start every fourth point.
void FillRun(CStrokePath& path, int n) {
  for (int i = 0; i < n; ++i) {
    path.AddPointUnique(float(i), float(10 * i), i % 4 == 0 ? 1 : 0, 1);
  }
}

TEST(StrokePathCopy, SinglePointAppendsRefuseWhenFullAndKeepTheCount) {
  CStrokePath src(4);
  Fill(src, {{7, 7, 1}});
  struct Case {
    const char* name;
    std::function<int(CStrokePath&)> append;
  } cases[] = {
      {"AppendPointFrom", [&](CStrokePath& p) { return p.AppendPointFrom(src, 0); }},
      {"AppendPointUnlessRepeat", [&](CStrokePath& p) { return p.AppendPointUnlessRepeat(src, 0, 1); }},
      {"AppendFlagged", [&](CStrokePath& p) { return p.AppendFlagged(src, 0, 2); }},
      {"AppendPoint", [](CStrokePath& p) { return p.AppendPoint(5, 5, 0); }},
      {"AddIntPointUnique", [](CStrokePath& p) { return int(p.AddIntPointUnique(5, 5, 0)); }},
      {"AddPointUnique", [](CStrokePath& p) { return p.AddPointUnique(5, 5, 0, 1); }},
  };
  for (const Case& c : cases) {
    CStrokePath path(3);
    EXPECT_EQ(c.append(path), 1) << c.name;
    Fill(path, {{1, 1, 0}, {2, 2, 0}});
    EXPECT_EQ(c.append(path), 0) << c.name;
    EXPECT_EQ(path.GetCount(), 3) << c.name;
  }
}

TEST(StrokePathCopy, AppendAllFromIsRefusedWhenTheSumReachesTheCapacity) {
  CStrokePath src(10);
  FillRun(src, 4);
  CStrokePath path(10);
  FillRun(path, 6);
  EXPECT_EQ(path.AppendAllFrom(src), -1);  // 6 + 4 reaches 10
  EXPECT_EQ(path.GetCount(), 6);
  path.SetCount(5);
  EXPECT_EQ(path.AppendAllFrom(src), 1);
  EXPECT_EQ(path.GetCount(), 9);
  EXPECT_EQ(path.GetPoint(8), CFPoint(3, 30));
}

TEST(StrokePathCopy, MultiPointAppendsTakeAllOrNothing) {
  CStrokePath src(16);
  FillRun(src, 5);
  const tmb::Point ints[] = {{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}};
  struct Case {
    const char* name;
    std::function<bool(CStrokePath&)> append;
  } cases[] = {
      {"AppendFrom", [&](CStrokePath& p) { return p.AppendFrom(src); }},
      {"AppendRangeFrom", [&](CStrokePath& p) { return p.AppendRangeFrom(src, 0, 5, 0); }},
      {"AppendIntPoints", [&](CStrokePath& p) { return p.AppendIntPoints(ints, 0, 5); }},
  };
  for (const Case& c : cases) {
    CStrokePath fits(8);
    FillRun(fits, 3);
    EXPECT_TRUE(c.append(fits)) << c.name;  // exactly full is allowed
    EXPECT_EQ(fits.GetCount(), 8) << c.name;

    CStrokePath tooSmall(8);
    FillRun(tooSmall, 4);
    EXPECT_FALSE(c.append(tooSmall)) << c.name;
    EXPECT_EQ(tooSmall.GetCount(), 4) << c.name;
  }
}

TEST(StrokePathCopy, AppendIntPointsAddsContinuationPoints) {
  const tmb::Point ints[] = {{1, 2}, {3, 4}, {5, 6}};
  CStrokePath path(8);
  EXPECT_TRUE(path.AppendIntPoints(ints, 1, 9));  // the range is clipped to the array
  EXPECT_EQ(PointsOf(path), (Points{{3, 4, 0}, {5, 6, 0}}));
}

TEST(StrokePathCopy, ReplacingCopiesFromALargerPathStopAtTheCapacity) {
  CStrokePath big(64);
  FillRun(big, 50);
  big.EnsureAuxBuffer(0);
  big.m_pStrokeMarks->SetMark(1, 4);

  CStrokePath small(10);
  EXPECT_FALSE(small.CopyFrom(big));
  EXPECT_EQ(small.GetCount(), 10);
  EXPECT_EQ(small.GetPoint(9), CFPoint(9, 90));
  ASSERT_NE(small.m_pStrokeMarks, nullptr);  // made for the copy
  EXPECT_EQ(small.GetStrokeMark(5), 4);

  EXPECT_FALSE(small.CopyRangeFrom(big, 20, 45));
  EXPECT_EQ(small.GetCount(), 10);
  EXPECT_EQ(small.GetPoint(0), CFPoint(20, 200));
  EXPECT_EQ(small.ExtractRange(big, 0, 30), -1);
  EXPECT_EQ(small.ExtractRange(big, 40, 45), 5);
  EXPECT_EQ(small.ExtractRange(big, 48, 90), 2);  // clipped to big's points

  EXPECT_FALSE(small.CopyStrokesFrom(big, 0, 20));
  EXPECT_EQ(small.GetCount(), 10);
  EXPECT_EQ(small.CopyWithoutDuplicates(big, 1), 10);
  CStrokePathLite lite(64);
  lite.CopyFrom(big);
  EXPECT_FALSE(small.CopyFromLite(lite));
  EXPECT_EQ(small.GetCount(), 10);
}

TEST(StrokePathCopy, CopyFromReplacesPointsBytesAndClearsStaleMarks) {
  CStrokePath src(8);
  Fill(src, {{1, 1, 1}, {2, 2, 0}});
  src.m_pAttrs[1] = 3;
  CStrokePath dst(8);
  FillRun(dst, 6);
  dst.EnsureAuxBuffer(0);
  dst.m_pStrokeMarks->SetMark(0, 5);
  EXPECT_TRUE(dst.CopyFrom(src));
  EXPECT_EQ(PointsOf(dst), (Points{{1, 1, 1}, {2, 2, 0}}));
  EXPECT_EQ(dst.m_pAttrs[1], 3);
  EXPECT_EQ(dst.m_pStrokeMarks->GetMark(0), 0);
  EXPECT_TRUE(dst.CopyFrom(dst));
  EXPECT_EQ(dst.GetCount(), 2);
}

TEST(StrokePathCopy, CopyPointFromRefusesIndicesOutsideEitherPath) {
  CStrokePath big(64);
  FillRun(big, 40);
  CStrokePath small(10);
  EXPECT_FALSE(small.CopyPointFrom(big, 30, 10));
  EXPECT_FALSE(small.CopyPointFrom(big, 64, 0));
  EXPECT_FALSE(small.CopyPointFrom(big, -1, 0));
  EXPECT_TRUE(small.CopyPointFrom(big, 30, 9));
  EXPECT_EQ(small.m_pPoints[9], CFPoint(30, 300));
  EXPECT_EQ(small.GetCount(), 0);  // writes a slot, not the count
}

TEST(StrokePathCopy, InsertPointAtMovesTheTailUpAndCopiesFromTheMovedIndex) {
  CStrokePath path(5);
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}});
  ASSERT_TRUE(path.InsertPointAt(1, 3));  // index 3 is old point 2 after the move
  EXPECT_EQ(PointsOf(path), (Points{{0, 0, 1}, {2, 0, 0}, {1, 0, 0}, {2, 0, 0}}));
  EXPECT_FALSE(path.InsertPointAt(6, 0));
  EXPECT_FALSE(path.InsertPointAt(0, 5));
  ASSERT_TRUE(path.InsertPointAt(4, 0));  // at the end
  EXPECT_FALSE(path.InsertPointAt(0, 0)); // full
  EXPECT_EQ(path.GetCount(), 5);
}

TEST(StrokePathCopy, InsertPathAtPutsTheSourceBetweenTheHalves) {
  CStrokePath src(8);
  Fill(src, {{10, 0, 1}, {11, 0, 0}});
  CStrokePath path(8);
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 1}});
  ASSERT_TRUE(path.InsertPathAt(src, 2));
  EXPECT_EQ(PointsOf(path), (Points{{0, 0, 1}, {1, 0, 0}, {10, 0, 1}, {11, 0, 0}, {2, 0, 1}}));

  EXPECT_FALSE(path.InsertPathAt(path, 0));  // 5 + 5 would not fit
  EXPECT_EQ(path.GetCount(), 5);

  CStrokePath twice(8);
  Fill(twice, {{0, 0, 1}, {1, 0, 0}});
  ASSERT_TRUE(twice.InsertPathAt(twice, 1));
  EXPECT_EQ(PointsOf(twice), (Points{{0, 0, 1}, {0, 0, 1}, {1, 0, 0}, {1, 0, 0}}));
}

TEST(StrokePathCopy, InsertPathAtIsRefusedUnchangedWhenTheSumReachesTheCapacity) {
  CStrokePath src(8);
  FillRun(src, 3);
  CStrokePath path(8);
  FillRun(path, 5);
  Points before = PointsOf(path);
  EXPECT_FALSE(path.InsertPathAt(src, 2));
  EXPECT_EQ(PointsOf(path), before);
  EXPECT_FALSE(path.InsertPathAt(src, 6));  // past the end
  EXPECT_FALSE(path.InsertPathAt(src, -1));
}

TEST(StrokePathCopy, ReplaceRangeSwapsAPartForAnotherPath) {
  CStrokePath src(8);
  Fill(src, {{9, 9, 1}});
  CStrokePath path(8);
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 1}});
  ASSERT_TRUE(path.ReplaceRange(1, 3, src));
  EXPECT_EQ(PointsOf(path), (Points{{0, 0, 1}, {9, 9, 1}, {3, 0, 1}}));

  CStrokePath big(8);
  FillRun(big, 6);
  Points before = PointsOf(path);
  EXPECT_FALSE(path.ReplaceRange(0, 1, big));  // 2 + 6 reaches 8
  EXPECT_EQ(PointsOf(path), before);
}

TEST(StrokePathCopy, StrokeCopiesTakeWholeStrokes) {
  CStrokePath src(16);
  Fill(src, {{0, 0, 0}, {1, 0, 0}, {2, 0, 1}, {3, 0, 2}, {4, 0, 0}, {5, 0, 1}});
  CStrokePath dst(16);
  ASSERT_TRUE(dst.CopyStrokesFrom(src, 1, 3));  // any non-zero flag numbers a stroke
  EXPECT_EQ(PointsOf(dst), (Points{{2, 0, 1}, {3, 0, 2}, {4, 0, 0}}));
  ASSERT_TRUE(dst.CopyStrokesFrom(src, 0, 1));  // the first point starts stroke 0 unflagged
  EXPECT_EQ(PointsOf(dst), (Points{{0, 0, 0}, {1, 0, 0}}));

  EXPECT_EQ(dst.CopyStrokeAt(src, 3), 5);
  EXPECT_EQ(PointsOf(dst), (Points{{3, 0, 2}, {4, 0, 0}}));
  EXPECT_EQ(dst.CopyStrokeAt(src, 5), -1);
  EXPECT_EQ(PointsOf(dst), (Points{{5, 0, 1}}));
  EXPECT_EQ(dst.CopyStrokeAt(src, 9), -1);
  EXPECT_EQ(dst.GetCount(), 0);
}

TEST(StrokePathCopy, CopyWithoutDuplicatesKeepsTheFirstPointAndRepeatedStarts) {
  CStrokePath src(16);
  Fill(src, {{1, 1, 0}, {1, 1, 0}, {2, 2, 0}, {2, 2, 1}, {2, 2, 0}, {3, 3, 0}});
  CStrokePath dst(16);
  EXPECT_EQ(dst.CopyWithoutDuplicates(src, 1), 4);
  EXPECT_EQ(PointsOf(dst), (Points{{1, 1, 0}, {2, 2, 0}, {2, 2, 1}, {3, 3, 0}}));
  EXPECT_EQ(dst.CopyWithoutDuplicates(src, 0), 6);
}

TEST(StrokePathCopy, UniqueAppendsCompareWithTheLastPointAndItsFlag) {
  CStrokePath path(8);
  EXPECT_EQ(path.AddPointUnique(2.5f, 3.4f, 1, 0), 1);
  // The integer form compares with the last point rounded halves away from zero.
  EXPECT_FALSE(path.AddIntPointUnique(3, 3, 1));
  EXPECT_TRUE(path.AddIntPointUnique(3, 3, 0));  // same point, other flag
  EXPECT_FALSE(path.AddIntPointUnique(3, 3, 0));
  EXPECT_EQ(path.AddPointUnique(3, 3, 0, 0), 0);
  EXPECT_EQ(path.AddPointUnique(3, 3, 0, 1), 1);  // forced
  EXPECT_EQ(path.GetCount(), 3);
  EXPECT_EQ(path.m_pAttrs[2], 1);
}

TEST(StrokePathCopy, AppendPointUnlessRepeatComparesPointFlagAndAttribute) {
  CStrokePath src(8);
  Fill(src, {{1, 1, 0}, {1, 1, 0}, {1, 1, 0}});
  src.m_pAttrs[2] = 3;
  CStrokePath dst(8);
  EXPECT_EQ(dst.AppendPointUnlessRepeat(src, 0, 0), 1);
  EXPECT_EQ(dst.AppendPointUnlessRepeat(src, 1, 0), 0);
  EXPECT_EQ(dst.AppendPointUnlessRepeat(src, 1, 1), 1);
  EXPECT_EQ(dst.AppendPointUnlessRepeat(src, 2, 0), 1);
  EXPECT_EQ(dst.GetCount(), 3);
}

TEST(StrokePathCopy, AppendRangeDirectedWalksEitherWayAndSkipsRepeats) {
  CStrokePath src(8);
  Fill(src, {{0, 0, 1}, {1, 0, 0}, {1, 0, 1}, {3, 0, 0}});
  struct Case {
    int a, b, mode;
    Points expected;
  } cases[] = {
      {0, 3, 1, {{9, 9, 4}, {0, 0, 1}, {1, 0, 0}, {1, 0, 1}, {3, 0, 0}}},  // a flagged repeat stays
      {0, 3, 2, {{9, 9, 4}, {0, 0, 0}, {1, 0, 0}, {3, 0, 0}}},
      {3, 0, 0, {{9, 9, 4}, {3, 0, 0}, {1, 0, 0}, {0, 0, 0}}},  // flags as they were
      {2, 2, 1, {{9, 9, 4}, {1, 0, 1}}},
  };
  for (const Case& c : cases) {
    CStrokePath dst(8);
    Fill(dst, {{9, 9, 4}});
    EXPECT_TRUE(dst.AppendRangeDirected(src, c.a, c.b, c.mode));
    EXPECT_EQ(PointsOf(dst), c.expected) << c.a << " " << c.b << " " << c.mode;
  }
  CStrokePath tiny(2);
  EXPECT_FALSE(tiny.AppendRangeDirected(src, 0, 3, 1));
  EXPECT_EQ(tiny.GetCount(), 2);
}

TEST(StrokePathCopy, AppendCyclicRangeGoesRoundTheStroke) {
  CStrokePath src(16);
  // Stroke [0, 4] and stroke [5, 7].
  Fill(src, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {5, 0, 1}, {6, 0, 0}, {7, 0, 0}});
  struct Case {
    int a, b, dir;
    std::vector<int> visited;
  } cases[] = {
      {3, 1, 0, {3, 2, 1}},
      {1, 3, 0, {1, 0, 4, 3}},  // backwards through the first point to the last
      {1, 3, 1, {1, 2, 3}},
      {3, 1, 1, {3, 4, 0, 1}},  // forwards through the last point to the first
      {6, 6, 1, {6, 7, 5, 6}},  // all the way round
  };
  for (const Case& c : cases) {
    CStrokePath dst(16);
    int indices[8] = {};
    EXPECT_EQ(dst.AppendCyclicRange(src, c.a, c.b, c.dir, indices, 0), std::abs(c.b - c.a));
    std::vector<int> got(indices, indices + dst.GetCount());
    EXPECT_EQ(got, c.visited) << c.a << " " << c.b << " " << c.dir;
    for (int k = 0; k < dst.GetCount(); ++k) EXPECT_EQ(dst.GetPoint(k), src.GetPoint(c.visited[k]));
  }
}

TEST(StrokePathCopy, AppendCyclicRangeRecordsNoMoreIndicesThanGivenRoom) {
  CStrokePath src(16);
  FillRun(src, 4);
  CStrokePath dst(16);
  int indices[2] = {-1, -1};
  dst.AppendCyclicRange(src, 0, 3, 1, indices, 0);
  EXPECT_EQ(dst.GetCount(), 4);
  EXPECT_EQ(indices[1], 1);
}

TEST(StrokePathCopy, AppendRangeFromCarriesTheStrokeMark) {
  CStrokePath src(16);
  Fill(src, {{0, 0, 1}, {1, 0, 0}, {2, 0, 1}, {3, 0, 0}});
  src.EnsureAuxBuffer(0);
  src.m_pStrokeMarks->SetMark(1, 8);
  CStrokePath dst(16);
  Fill(dst, {{5, 5, 1}});
  dst.EnsureAuxBuffer(0);
  ASSERT_TRUE(dst.AppendRangeFrom(src, 2, 4, 1));
  EXPECT_EQ(dst.GetStrokeMark(1), 8);
  EXPECT_EQ(dst.GetStrokeMark(0), 0);
  ASSERT_TRUE(dst.AppendRangeFrom(src, 2, 40, 0));  // clipped to src's points
  EXPECT_EQ(dst.GetCount(), 5);
}

TEST(StrokePathCopy, LiteConversionsRoundAndKeepFlags) {
  CStrokePath path(8);
  Fill(path, {{2.5f, -2.5f, 1}, {1.49f, -0.5f, 0}});
  CStrokePathLite lite(8);
  ASSERT_TRUE(lite.CopyFrom(path));
  ASSERT_EQ(lite.m_nCount, 2);
  EXPECT_EQ(lite.m_pPoints[0], (tmb::Point{3, -3}));
  EXPECT_EQ(lite.m_pPoints[1], (tmb::Point{1, -1}));
  EXPECT_EQ(lite.m_pFlags[0], 1);

  lite.m_pAttrs[1] = 3;
  CStrokePath back(8);
  ASSERT_TRUE(back.CopyFromLite(lite));
  EXPECT_EQ(PointsOf(back), (Points{{3, -3, 1}, {1, -1, 0}}));
  EXPECT_EQ(back.m_pAttrs[1], 3);

  CStrokePathLite tiny(1);
  EXPECT_FALSE(tiny.CopyFrom(path));
  EXPECT_EQ(tiny.m_nCount, 1);
}

class AppendSelectedStrokesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Three strokes of two points.
    Fill(src_, {{0, 0, 1}, {1, 0, 0}, {2, 0, 1}, {3, 0, 0}, {4, 0, 1}, {5, 0, 0}});
  }
  void TearDown() override {
    gDivisionEditing = 0;
    InstallDivisionSelection(nullptr);
  }
  std::vector<int> FlagsAfter(int mode) {
    CStrokePath dst(32);
    Fill(dst, {{9, 9, 1}});
    EXPECT_EQ(dst.AppendSelectedStrokes(src_, mode), 1);
    std::vector<int> flags;
    for (int i = 1; i < dst.GetCount(); ++i) flags.push_back(dst.m_pFlags[i]);
    return flags;
  }
  CStrokePath src_{32};
};

TEST_F(AppendSelectedStrokesTest, ModesRewriteTheStrokeStarts) {
  EXPECT_EQ(FlagsAfter(-1), (std::vector<int>{1, 0, 1, 0, 1, 0}));
  EXPECT_EQ(FlagsAfter(0), (std::vector<int>{1, 0, 1, 0, 1, 0}));
  EXPECT_EQ(FlagsAfter(1), (std::vector<int>{3, 0, 1, 0, 1, 0}));
  EXPECT_EQ(FlagsAfter(2), (std::vector<int>{2, 0, 1, 0, 1, 0}));
  EXPECT_EQ(FlagsAfter(32), (std::vector<int>{3, 0, 2, 0, 2, 0}));
  // Mode 33 keeps a start whose stroke-mark byte (by the number of starts seen) is set.
  src_.EnsureAuxBuffer(0);
  src_.m_pStrokeMarks->SetMark(2, 1);
  EXPECT_EQ(FlagsAfter(33), (std::vector<int>{3, 0, 1, 0, 2, 0}));
}

TEST_F(AppendSelectedStrokesTest, IsRefusedWhenTheSumReachesTheCapacityAndAppendsMarks) {
  CStrokePath dst(7);
  Fill(dst, {{9, 9, 1}});
  EXPECT_EQ(dst.AppendSelectedStrokes(src_, 0), -1);
  EXPECT_EQ(dst.GetCount(), 1);

  CStrokePath roomy(8);
  roomy.EnsureAuxBuffer(0);
  roomy.m_pStrokeMarks->Append(4);
  src_.EnsureAuxBuffer(0);
  src_.m_pStrokeMarks->Append(5);
  src_.m_pStrokeMarks->Append(6);
  EXPECT_EQ(roomy.AppendSelectedStrokes(src_, 0), 1);
  EXPECT_EQ(roomy.GetCount(), 6);
  EXPECT_EQ(roomy.m_pStrokeMarks->m_nUsed, 3);
  EXPECT_EQ(roomy.m_pStrokeMarks->GetMark(2), 6);
}

TEST_F(AppendSelectedStrokesTest, DivisionEditingSelectsPointsOfTheCurrentDivision) {
  struct Case {
    int editing, mode, lo, hi;
    Points expected;
  } cases[] = {
      {1, 1, 2, 4, {{9, 9, 1}, {2, 0, 1}, {3, 0, 0}}},
      {1, 2, 2, 4, {{9, 9, 1}, {4, 0, 1}, {5, 0, 0}}},
      {1, 7, 2, 4, {{9, 9, 1}}},
      {1, 1, -5, 99, {{9, 9, 1}, {0, 0, 1}, {1, 0, 0}, {2, 0, 1}, {3, 0, 0}, {4, 0, 1}, {5, 0, 0}}},
      {0, 1, 2, 4, {{9, 9, 1}, {0, 0, 1}, {1, 0, 0}, {2, 0, 1}, {3, 0, 0}, {4, 0, 1}, {5, 0, 0}}},
  };
  for (const Case& c : cases) {
    tmb::test::FixedDivision division(c.mode, c.lo, c.hi);
    InstallDivisionSelection(&division);
    gDivisionEditing = c.editing;
    CStrokePath dst(32);
    Fill(dst, {{9, 9, 1}});
    EXPECT_EQ(dst.AppendSelectedStrokes(src_, -1), 1);
    EXPECT_EQ(PointsOf(dst), c.expected) << c.editing << " " << c.mode;
    InstallDivisionSelection(nullptr);
  }
}

}  // namespace

namespace {

// Every copy from a path sized like the animation sequence (maximum points x frames) into
// a path of the default capacity stays inside the smaller one (the sanitizer build checks
// the memory, these checks the counts).
TEST(StrokePathCopy, CopiesFromTheSequencePathStayWithinACharacterPath) {
  tmb::test::ScopedMaxPoints maxPoints(100);
  CStrokePath sequence(100 * 5);
  FillRun(sequence, 450);
  CStrokePathLite lite(500);
  lite.CopyFrom(sequence);
  struct Case {
    const char* name;
    std::function<void(CStrokePath&)> copy;
  } cases[] = {
      {"CopyFrom", [&](CStrokePath& p) { p.CopyFrom(sequence); }},
      {"CopyRangeFrom", [&](CStrokePath& p) { p.CopyRangeFrom(sequence, 10, 400); }},
      {"ExtractRange", [&](CStrokePath& p) { p.ExtractRange(sequence, 0, 450); }},
      {"CopyStrokesFrom", [&](CStrokePath& p) { p.CopyStrokesFrom(sequence, 0, 1000); }},
      {"CopyStrokeAt", [&](CStrokePath& p) { p.CopyStrokeAt(sequence, 0); }},
      {"CopyWithoutDuplicates", [&](CStrokePath& p) { p.CopyWithoutDuplicates(sequence, 1); }},
      {"CopyFromLite", [&](CStrokePath& p) { p.CopyFromLite(lite); }},
      {"CopyScaled", [&](CStrokePath& p) { p.CopyScaled(sequence, 2.0f); }},
      {"AppendFrom", [&](CStrokePath& p) { p.AppendFrom(sequence); }},
      {"AppendAllFrom", [&](CStrokePath& p) { p.AppendAllFrom(sequence); }},
      {"AppendRangeFrom", [&](CStrokePath& p) { p.AppendRangeFrom(sequence, 0, 450, 1); }},
      {"AppendSelectedStrokes", [&](CStrokePath& p) { p.AppendSelectedStrokes(sequence, 32); }},
      {"AppendRangeDirected", [&](CStrokePath& p) { p.AppendRangeDirected(sequence, 449, 0, 1); }},
      {"AppendCyclicRange", [&](CStrokePath& p) { p.AppendCyclicRange(sequence, 3, 1, 1, {}, 1); }},
      {"InsertPathAt", [&](CStrokePath& p) { p.InsertPathAt(sequence, 1); }},
      {"ReplaceRange", [&](CStrokePath& p) { p.ReplaceRange(0, 1, sequence); }},
      {"AppendLinePoints", [&](CStrokePath& p) { p.AppendLinePoints({0, 0}, {1000, 3}, 0, nullptr); }},
      {"AppendFloatLinePoints", [&](CStrokePath& p) { p.AppendFloatLinePoints({0, 0}, {1000, 3}, 0); }},
  };
  for (const Case& c : cases) {
    CStrokePath path;
    FillRun(path, 5);
    c.copy(path);
    EXPECT_GE(path.GetCount(), 0) << c.name;
    EXPECT_LE(path.GetCount(), 100) << c.name;
  }
}

}  // namespace
