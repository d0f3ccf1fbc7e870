#include "core/geometry/rect_helpers.h"

#include <gtest/gtest.h>

namespace {

TEST(RectHelpers, NormalizeRectOrdersTheCornersOfADragInAnyDirection) {
  const tmb::Rect cases[] = {{10, 20, 30, 40}, {30, 20, 10, 40}, {10, 40, 30, 20}, {30, 40, 10, 20}};
  for (tmb::Rect r : cases) {
    NormalizeRect(r);
    EXPECT_EQ(r, (tmb::Rect{10, 20, 30, 40}));
  }
}

TEST(RectHelpers, ClipNormalisesAndReportsOverlap) {
  tmb::Rect r{10, 8, 2, 1};
  EXPECT_TRUE(NormalizeAndClipRect(r, {0, 0, 5, 5}));
  EXPECT_EQ(r, (tmb::Rect{2, 1, 5, 5}));
  tmb::Rect outside{6, 6, 9, 9};
  EXPECT_FALSE(NormalizeAndClipRect(outside, {0, 0, 5, 5}));
  tmb::Point p1{8, 9}, p2{-3, 2};
  ClipCornersToRect(p1, p2, {0, 0, 5, 5});
  EXPECT_EQ(p1, (tmb::Point{0, 2}));
  EXPECT_EQ(p2, (tmb::Point{5, 5}));
  tmb::Point q1{-1, -1}, q2{9, 9};
  ClipCornersToRect(q1, q2, {0, 0, 5, 5});
  EXPECT_EQ(q1, (tmb::Point{-1, -1})) << "a result equal to the clip leaves the points";
}

// Each coordinate is rounded half away from zero: halves go outwards on either side of 0.
TEST(RoundFloatRect, RoundsEachCoordinateHalfAwayFromZero) {
  struct Case {
    float l, t, r, b;
    tmb::Rect rounded;
  } cases[] = {
      {0.5f, 1.5f, 2.49f, 2.5f, {1, 2, 2, 3}},
      {-0.5f, -1.5f, -2.49f, -2.5f, {-1, -2, -2, -3}},
      {10.f, -0.4f, 499.5f, 749.5f, {10, 0, 500, 750}},
  };
  for (const Case& c : cases) EXPECT_EQ(RoundFloatRect(c.l, c.t, c.r, c.b), c.rounded) << c.l;
}

}  // namespace
