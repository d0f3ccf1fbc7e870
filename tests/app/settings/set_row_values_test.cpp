#include "app/settings/set_row_values.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr int kScale = 100;
constexpr int32_t kBig = std::numeric_limits<int32_t>::max();

TEST(SetRowValues, ScrollCodesMoveTheValueWithinZeroAndTheMaximum) {
  const struct {
    int code;
    int32_t value;
    int32_t maximum;
    int pos;
    int32_t expected;
  } cases[] = {
      {kScrollPageRight, 95, 100, 0, 100},  {kScrollLineLeft, 0, 100, 0, 0},
      {kScrollLineRight, 99, 100, 0, 100},  {kScrollLineRight, 100, 100, 0, 100},
      {kScrollPageLeft, 5, 100, 0, 0},      {kScrollPageLeft, 50, 100, 0, 40},
      {kScrollLeft, 50, 100, 0, 0},         {kScrollRight, 50, 300, 0, 300},
      {kScrollThumbTrack, 0, 300, 50, 150}, {kScrollThumbPosition, 0, 300, 100, 300},
      {kScrollThumbTrack, 0, kBig, 100, kBig},  // position x maximum needs 64 bits
      {kScrollThumbTrack, 0, 300, 400, 300},    // a position past the scale
      {kScrollRight, 0, 0, 0, 1},               // a maximum of 0 counts as 1
      {kScrollLineRight, kBig, kBig, 0, kBig},  // no overflow at the top
      {kScrollLineLeft, -50, 100, 0, 0},        // a value from a file below 0
      {kScrollThumbPosition - 100, 5, 100, 0, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(RowValueAfter(c.code, c.value, c.maximum, c.pos, kScale), c.expected)
        << "code " << c.code << " at " << c.value << "/" << c.maximum;
  }
}

TEST(SetRowValues, TheMaximumRisesToTheNextTenAboveTheValue) {
  EXPECT_EQ(RowMaximum(105, 100), 110);
  EXPECT_EQ(RowMaximum(110, 100), 120);
  EXPECT_EQ(RowMaximum(50, 100), 100);
  EXPECT_EQ(RowMaximum(0, 0), 1);
  EXPECT_EQ(RowMaximum(kBig, 5), kBig);  // (v / 10 + 1) x 10 would overflow
  EXPECT_EQ(RowMaximum(-5, -20), 1);
}

TEST(SetRowValues, PositionsStayOnTheBar) {
  EXPECT_EQ(RowPosition(105, 110, kScale), 95);
  EXPECT_EQ(RowPosition(kBig, kBig, kScale), kScale);  // v x scale needs 64 bits
  EXPECT_EQ(RowPosition(-7, 100, kScale), 0);
  EXPECT_EQ(RowPosition(500, 100, kScale), kScale);
  EXPECT_EQ(RowPosition(3, 0, kScale), kScale);
}

}  // namespace
