#include "core/geometry/number_helpers.h"

#include <gtest/gtest.h>

#include <array>

namespace {

TEST(NumberHelpers, ClampTestsTheLowerBoundFirst) {
  EXPECT_EQ(ClampInt(5, 10, 1), 10);
  EXPECT_EQ(ClampInt(0, 1, 9), 1);
  EXPECT_EQ(ClampInt(10, 1, 9), 9);
  EXPECT_EQ(ClampInt(4, 1, 9), 4);
  EXPECT_EQ(ClampDouble(-0.5, 0.0, 1.0), 0.0);
  EXPECT_EQ(IsBetween(1, 1, 3), 1);
  EXPECT_EQ(IsBetween(1, 4, 3), 0);
  const int32_t values[] = {4, 8, 8, 15};
  EXPECT_EQ(IndexOfInt(8, values, 4), 1);
  EXPECT_EQ(IndexOfInt(16, values, 4), -1);
  EXPECT_EQ(IndexOfInt(15, values, 3), -1);
  int32_t a = 1, b = 2;
  EXPECT_EQ(SwapIntReturnOld(a, b), 1);
  EXPECT_EQ(a, 2);
  uint8_t rgb[3];
  ColorToRgbBytes(rgb, 0x336699);
  EXPECT_EQ(rgb[0], 0x99);
  EXPECT_EQ(rgb[2], 0x33);
}

TEST(NumberHelpers, TerminatedRunsAppendWithinTheirBuffer) {
  std::array<uint8_t, 8> dst = {1, 2, 255, 0, 0, 0, 0, 0};
  const std::array<uint8_t, 4> src = {7, 8, 255, 9};
  EXPECT_EQ(AppendTerminatedRun(dst, src, -1, -1), 4);
  EXPECT_EQ(dst, (std::array<uint8_t, 8>{1, 2, 7, 8, 255, 0, 0, 0}));
  EXPECT_EQ(AppendTerminatedRun(dst, src, 4, 2), 6);
  EXPECT_EQ(dst[6], 255);
  const std::array<uint8_t, 8> before = dst;
  EXPECT_EQ(AppendTerminatedRun(dst, src, -1, -1), -1) << "no room for two more and a terminator";
  EXPECT_EQ(dst, before);
  const std::array<uint8_t, 2> unterminated = {3, 4};
  EXPECT_EQ(AppendTerminatedRun(dst, unterminated, 0, -1), -1);
  EXPECT_EQ(AppendTerminatedRun(dst, src, 0, 50), -1);
}

}  // namespace
