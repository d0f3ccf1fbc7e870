#include "core/text/zero_buffer.h"

#include <gtest/gtest.h>

namespace {

TEST(ZeroBuffer, AllocationsAreZeroAndCopiesIndependent) {
  CZeroBuffer a;
  ASSERT_TRUE(a.Allocate(5));
  for (int i = 0; i < 15; ++i) EXPECT_EQ(a.m_pData[i], 0);  // with the 10 spare bytes
  a.m_pData[4] = 9;
  CZeroBuffer b;
  b.CopyFrom(a);
  EXPECT_EQ(b.m_nSize, 5);
  EXPECT_EQ(b.m_pData[4], 9);
  a.m_pData[4] = 1;
  EXPECT_EQ(b.m_pData[4], 9);
  EXPECT_FALSE(a.Allocate(-1));
  EXPECT_FALSE(a.m_bAllocated);
  b.CopyFrom(a);
  EXPECT_FALSE(b.m_bAllocated);
  EXPECT_EQ(b.m_nSize, 0);
}

}  // namespace
