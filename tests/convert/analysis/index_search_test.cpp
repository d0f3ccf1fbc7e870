#include "convert/analysis/index_search.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(IndexSearch, TheFirstEntryHoldingTheValueElseMinus1) {
  const std::vector<int> values = {5, 7, 7, -1};
  EXPECT_EQ(FindIntIndex(7, values), 1);
  EXPECT_EQ(FindIntIndex(-1, values), 3);
  EXPECT_EQ(FindIntIndex(8, values), -1);
  EXPECT_EQ(FindIntIndex(0, {}), -1);

  std::vector<int16_t> small(4);
  FillInt16(small, -1);
  EXPECT_EQ(small, std::vector<int16_t>(4, -1));
  small[2] = 32767;
  EXPECT_EQ(FindInt16Index(32767, small), 2);
  EXPECT_EQ(FindInt16Index(0, small), -1);
}

}  // namespace
