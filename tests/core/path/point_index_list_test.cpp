#include "core/path/point_index_list.h"

#include <gtest/gtest.h>

#include "core/path/path_arrays.h"

namespace {

TEST(PointIndexList, AppendCountsUpAndRefusesWhenFull) {
  CPointIndexList list(2);
  EXPECT_EQ(list.Append(7), 1);
  EXPECT_EQ(list.Append(9), 2);
  EXPECT_EQ(list.Append(11), -1);
  EXPECT_EQ(list.m_nCount, 2);
}

TEST(PointIndexList, FindMatchesValueAndKind) {
  CPointIndexList list(4);
  list.Append(5);
  list.Append(5);
  list.m_pKinds[1] = 8;
  EXPECT_EQ(list.Find(5, 0), 0);
  EXPECT_EQ(list.Find(5, 8), 1);
  EXPECT_EQ(list.Find(5, 4), -1);
  EXPECT_EQ(list.Find(6, 0), -1);
  list.Clear();
  EXPECT_EQ(list.m_nCount, 0);
  EXPECT_EQ(list.m_pKinds[1], 0);
  EXPECT_EQ(list.Find(5, 8), -1);
}

TEST(PointIndexList, AddPointWritesPointIndexAndKindUntilFull) {
  CPointIndexList list(2);
  list.AddPoint(1.5f, 2.5f, 255, 40);
  list.AddPoint(3, 4, 8, 41);
  list.AddPoint(5, 6, 4, 42);  // full: nothing
  ASSERT_EQ(list.m_nCount, 2);
  EXPECT_EQ(list.m_pPoints[0], CFPoint(1.5f, 2.5f));
  EXPECT_EQ(list.m_pValues[0], 40);
  EXPECT_EQ(list.m_pKinds[0], 255);
  EXPECT_EQ(list.Find(41, 8), 1);
}

TEST(PathArrays, AllocateGivesFourZeroedArraysAndReallocates) {
  CPathArrays arrays;
  ASSERT_TRUE(arrays.Allocate(3));
  for (int32_t* a : arrays.m_pArrays) {
    for (int i = 0; i < 3; ++i) EXPECT_EQ(a[i], 0);
  }
  arrays.m_pArrays[3][2] = 9;
  ASSERT_TRUE(arrays.Allocate(10));
  EXPECT_EQ(arrays.m_nSize, 10);
  EXPECT_EQ(arrays.m_pArrays[3][2], 0);
  arrays.m_pArrays[0][9] = 1;
  EXPECT_FALSE(arrays.Allocate(-1));
  EXPECT_EQ(arrays.m_pArrays[0], nullptr);
  arrays.Free();
}

}  // namespace
