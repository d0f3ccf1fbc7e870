#include "core/path/division_table.h"

#include <gtest/gtest.h>

#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

class DivisionTableTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Three divisions ending at points 4, 9 and 12 of the paired paths.
    table.m_count = 3;
    table.m_endIndex[1] = 4;
    table.m_endIndex[2] = 9;
    table.m_endIndex[3] = 12;
  }
  void TearDown() override {
    table.ClearDivisions();
    table.m_active = table.m_current = table.m_selectMode = 0;
    gDivisionEditing = 0;
  }

  CDivisionTable& table = gDivisionTable;
};

TEST_F(DivisionTableTest, AnInactiveTableSelectsNothingAndLeavesTheRange) {
  table.m_selectMode = 1;
  EXPECT_EQ(table.ActiveMode(), 0);
  int lo = -5, hi = -6;
  table.GetCurrentRange(lo, hi);
  EXPECT_EQ(lo, -5);
  EXPECT_EQ(hi, -6);
}

TEST_F(DivisionTableTest, TheCurrentDivisionRunsFromThePreviousEndToItsOwn) {
  table.m_active = 1;
  table.m_selectMode = 2;
  EXPECT_EQ(table.ActiveMode(), 2);
  struct Case {
    int current, lo, hi;
  };
  // A current division outside the match is held to its first or last division.
  for (const Case& c : {Case{0, 0, 4}, Case{1, 4, 9}, Case{2, 9, 12}, Case{3, 9, 12}, Case{2047, 9, 12},
                        Case{-1, 0, 4}}) {
    table.m_current = c.current;
    int lo = -1, hi = -1;
    table.GetCurrentRange(lo, hi);
    EXPECT_EQ(lo, c.lo) << c.current;
    EXPECT_EQ(hi, c.hi) << c.current;
  }
  table.m_count = 0;
  int lo = -1, hi = -1;
  table.GetCurrentRange(lo, hi);
  EXPECT_EQ(lo, 0);
  EXPECT_EQ(hi, 0);
}

// Every list holds the table's capacity of entries, one more than a match may divide into
// (its end list needs divisions + 1).
TEST_F(DivisionTableTest, EachListHoldsTheCapacity) {
  EXPECT_EQ(CDivisionTable::m_capacity, 2048);
  for (size_t size : {table.m_endIndex.size(), table.m_strokeA.size(), table.m_strokeB.size()}) {
    EXPECT_EQ(size, size_t(CDivisionTable::m_capacity));
  }
  EXPECT_EQ(kMaxDivisions + 1, CDivisionTable::m_capacity);
}

// The table is the selection the point-path appends consult while division editing is on.
TEST_F(DivisionTableTest, PathAppendsTakeTheSelectedDivisionOfTheTable) {
  EXPECT_EQ(&CurrentDivisionSelection(), &gDivisionTable);
  CStrokePath src(32);
  for (int i = 0; i < 12; ++i) src.AppendPoint(i, 0, i == 0 ? 1 : 0);
  gDivisionEditing = 1;
  table.m_active = 1;
  table.m_current = 1;
  struct Case {
    int mode, first, count;
  };
  for (const Case& c : {Case{1, 4, 5}, Case{2, 9, 3}}) {
    table.m_selectMode = c.mode;
    CStrokePath out(32);
    ASSERT_EQ(out.AppendSelectedStrokes(src, -1), 1);
    ASSERT_EQ(out.GetCount(), c.count) << c.mode;
    EXPECT_EQ(out.m_pPoints[0].x, c.first) << c.mode;
  }
}

}  // namespace
