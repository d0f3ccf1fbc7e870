#include "core/text/name_list.h"

#include <gtest/gtest.h>

namespace {

TEST(NameList, AddsUpToItsCapacityAndReservesRoomOnlyToGrow) {
  CNameList list(2);
  EXPECT_EQ(list.Add("a", 0, 3, 10, 20, 30, 40), 1);
  EXPECT_EQ(list.Add("b", 4, 9, 1, 2, 3, 4), 1);
  EXPECT_EQ(list.Add("c", 0, 0, 0, 0, 0, 0), 0);
  ASSERT_EQ(list.GetCount(), 2);
  EXPECT_EQ(list.Entry(0).m_strName, "a");
  EXPECT_EQ(list.Entry(0).m_nLast, 3);
  EXPECT_EQ(list.Entry(0).m_origin, CFPoint(10, 20));
  EXPECT_EQ(list.Entry(0).m_box, (tmb::Rect{10, 20, 30, 40}));

  list.m_nCursor = 1;
  list.Reserve(1);
  EXPECT_EQ(list.GetCapacity(), 2);
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_EQ(list.m_nCursor, 0);
  list.Reserve(5);
  EXPECT_EQ(list.GetCapacity(), 5);
  for (int k = 0; k < 5; ++k) EXPECT_EQ(list.Add("x", k, k, 0, 0, 0, 0), 1);
  EXPECT_EQ(list.Add("x", 0, 0, 0, 0, 0, 0), 0);
  EXPECT_EQ(gNameList.GetCapacity(), CNameList::kDefaultCapacity);
}

}  // namespace
