#include "core/geometry/fpoint.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <gtest/gtest.h>
#include <limits>

namespace {

TEST(FPoint, RoundToPointGoesHalvesAwayFromZero) {
  struct Case {
    float v;
    int expected;
  } cases[] = {{2.5f, 3},   {2.4f, 2},   {-2.5f, -3}, {-2.4f, -2}, {0.5f, 1},  {-0.5f, -1},
               {1.49f, 1},  {-1.49f, -1}, {0.0f, 0},  {-0.0f, 0},  {7.0f, 7},  {-7.0f, -7},
               {0.49999997f, 0}, {1e9f, 1000000000}};
  for (const Case& c : cases) {
    EXPECT_EQ(CFPoint(c.v, -c.v).RoundToPoint(), (tmb::Point{c.expected, c.v == 0 ? 0 : -c.expected}))
        << c.v;
  }
}

// Every float of a sweep over all magnitudes against floor(v + 1/2) (ceil(v - 1/2) below
// zero), which double arithmetic gives exactly for floats of this size.
TEST(FPoint, RoundingMatchesHalfAwayFromZeroOverAllMagnitudes) {
  for (uint32_t bits = 0; bits < 0x4F000000u; bits += 997) {
    const float v = std::bit_cast<float>(bits);
    const int expected = int(std::floor(double(v) + 0.5));
    ASSERT_EQ(RoundHalfAway(v), expected) << v;
    ASSERT_EQ(RoundHalfAway(-v), -expected) << -v;
  }
  EXPECT_EQ(RoundHalfAway(2147483520.0f), 2147483520);
  EXPECT_EQ(RoundHalfAway(-2147483648.0f), std::numeric_limits<int>::min());
  EXPECT_EQ(RoundHalfAway(2147483648.0f), std::numeric_limits<int>::max());
  EXPECT_EQ(RoundHalfAway(8388607.5f), 8388608);
  EXPECT_EQ(RoundHalfAway(-8388607.5f), -8388608);
}

TEST(FPoint, RoundingSaturatesInsteadOfOverflowing) {
  EXPECT_EQ(RoundHalfAway(1e20f), std::numeric_limits<int>::max());
  EXPECT_EQ(RoundHalfAway(-1e20f), std::numeric_limits<int>::min());
  EXPECT_EQ(RoundHalfAway(std::nanf("")), 0);
}

TEST(FPoint, EqualityIsExact) {
  CFPoint p(0.1f, 0.2f);
  EXPECT_TRUE(p == CFPoint(0.1f, 0.2f));
  EXPECT_TRUE(p != CFPoint(std::nextafter(0.1f, 1.0f), 0.2f));
}

TEST(FPoint, ArithmeticReturnsNewPointsAndAddInPlaceChangesItself) {
  CFPoint a(1.5f, -2.0f);
  EXPECT_EQ(a + CFPoint(1, 1), CFPoint(2.5f, -1.0f));
  EXPECT_EQ(a - CFPoint(0.5f, 0.5f), CFPoint(1.0f, -2.5f));
  EXPECT_EQ(a * 2.0f, CFPoint(3.0f, -4.0f));
  EXPECT_EQ(a / 2.0f, CFPoint(0.75f, -1.0f));
  EXPECT_EQ(a.ScaleXY(2.0f, 3.0f), CFPoint(3.0f, -6.0f));
  EXPECT_EQ(a, CFPoint(1.5f, -2.0f));
  EXPECT_EQ(a.AddInPlace(1.0f, 1.0f), CFPoint(2.5f, -1.0f));
  EXPECT_EQ(a, CFPoint(2.5f, -1.0f));
  EXPECT_EQ(a.Set(3, 4), CFPoint(3.0f, 4.0f));
}

TEST(FPoint, ArithmeticIsDoneInDoubleAndStoredAsFloat) {
  // 16777216 + 1 is not representable in float; in double it is, and the single rounding
  // to float gives the even neighbour.
  CFPoint big(16777216.0f, 0);
  EXPECT_EQ((big + CFPoint(1.0f, 0)).x, 16777216.0f);
  EXPECT_EQ((CFPoint(0.1f, 0) * 3.0f).x, static_cast<float>(double(0.1f) * 3.0));
}

TEST(FRect, WidthAndHeightAreNotNormalised) {
  CFRect r(10, 20, 4, 30);
  EXPECT_EQ(r.Width(), -6.0f);
  EXPECT_EQ(r.Height(), 10.0f);
}

TEST(FPoint, MultiplyInPlaceChangesThePointAndReturnsACopy) {
  CFPoint p(1.5f, -2.0f);
  CFPoint copy = (p *= -2.0f);
  EXPECT_EQ(p, CFPoint(-3.0f, 4.0f));
  EXPECT_EQ(copy, p);
}

}  // namespace
