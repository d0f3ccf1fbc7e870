#include "core/geometry/point_distance.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

TEST(PointDistance, ExactWithinRangeAndSaturatedBeyond) {
  struct Case {
    tmb::Point a, b;
    int64_t d2;
  } cases[] = {
      {{0, 0}, {3, 4}, 25},
      {{-3, -4}, {0, 0}, 25},
      {{0, 0}, {INT32_MAX, 0}, int64_t{INT32_MAX} * INT32_MAX},
      {{INT32_MIN, 0}, {0, INT32_MIN}, INT64_MAX},  // 2^63, one past the largest
      {{INT32_MIN, 0}, {INT32_MAX, 0}, INT64_MAX},
      {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX}, INT64_MAX},
      {{INT32_MAX, INT32_MIN}, {INT32_MAX, INT32_MIN}, 0},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SquaredDistance(c.a, c.b), c.d2) << c.a.x << "," << c.a.y << " to " << c.b.x << "," << c.b.y;
    EXPECT_EQ(SquaredDistance(c.b, c.a), c.d2);
  }
}

}  // namespace
