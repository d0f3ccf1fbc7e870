// Moving every point of a character record (CCharData::MoveAllPoints), and its point count.
#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "core/record/char_data.h"
#include "core/record/char_data_full.h"

namespace {

std::unique_ptr<CCharDataFull> RecordOf(int n) {
  auto rec = std::make_unique<CCharDataFull>();
  rec->ClearPoints();
  for (int i = 0; i < n; ++i) {
    rec->m_pPoints[i] = {i % 500, i / 500};
    rec->m_pFlags[i] = i % 100 == 0 ? 1 : 0;
  }
  rec->m_nPoints = n;
  rec->m_nOutlineDirty = 0;
  rec->m_bModified = 0;
  return rec;
}

TEST(MoveAllPoints, AFullRecordMovesEveryPointAndNothingPastIt) {
  auto rec = RecordOf(kMaxCharPoints);
  rec->MoveAllPoints(0, rec->m_nPoints, 20, -10);
  for (int i = 0; i < kMaxCharPoints; ++i) {
    ASSERT_EQ(rec->m_pPoints[i], (tmb::Point{i % 500 + 20, i / 500 - 10})) << i;
  }
  EXPECT_EQ(rec->m_nPoints, kMaxCharPoints);
  EXPECT_EQ(rec->m_nOutlineDirty, 1);
  EXPECT_EQ(rec->m_bModified, 1);
}

TEST(MoveAllPoints, TheRangeEndIsLeftOutAndHeldToThePoints) {
  struct Case {
    int from, to;
    int firstMoved, endMoved;
  } cases[] = {{2, 5, 2, 5}, {-3, 4, 0, 4}, {8, 99, 8, 10}, {6, 6, 6, 6}, {7, 3, 7, 7}};
  for (const Case& c : cases) {
    auto rec = RecordOf(10);
    rec->MoveAllPoints(c.from, c.to, 1, 1);
    for (int i = 0; i < 10; ++i) {
      const bool moved = i >= c.firstMoved && i < c.endMoved;
      EXPECT_EQ(rec->m_pPoints[i].x, i + (moved ? 1 : 0)) << c.from << ".." << c.to << " point " << i;
    }
  }
}

TEST(MoveAllPoints, FarPointsStopAtTheEndsOfTheIntRange) {
  auto rec = RecordOf(2);
  rec->m_pPoints[0] = {INT_MAX - 5, INT_MIN + 5};
  rec->MoveAllPoints(0, 2, 10, -10);
  EXPECT_EQ(rec->m_pPoints[0], (tmb::Point{INT_MAX, INT_MIN}));
  EXPECT_EQ(rec->m_pPoints[1], (tmb::Point{11, -10}));
}

}  // namespace

namespace {

// The point count follows every edit of the points.
TEST(PointCount, FollowsTheEditsOfThePoints) {
  auto rec = RecordOf(10);
  EXPECT_EQ(rec->GetPointCount(), 10);
  rec->DeletePoints(2, 5);
  EXPECT_EQ(rec->GetPointCount(), 7);
  auto other = RecordOf(4);
  rec->InsertPoints(1, *other);
  EXPECT_EQ(rec->GetPointCount(), 11);
  rec->CopyPointRange(*other, 1, 3);
  EXPECT_EQ(rec->GetPointCount(), 2);
  rec->ClearPoints();
  EXPECT_EQ(rec->GetPointCount(), 0);
}

}  // namespace
