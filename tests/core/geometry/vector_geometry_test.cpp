#include "core/geometry/vector_geometry.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr float kPi = 3.1415927f;

TEST(VectorAngle, BetweenModeFollowsTheExactValueRules) {
  struct Case {
    float ax, ay, bx, by;
    int mode;
    float expected;
  } cases[] = {
      {1, 0, 2, 0, kAngleBetween, kPi},          // cosine exactly 1: pi, not 0
      {1, 0, 0, 1, kAngleBetween, 0.0f},         // cosine exactly 0: 0, not pi/2
      {1, 0, -1, 0, kAngleBetween, kPi},         // acos(-1)
      {0, 0, 1, 0, kAngleBetween, 0.0f},         // zero vector
      {1, 0, 0, 0, kAngleFirstReversed, 0.0f},   // zero vector, first reversed
      {3, 4, 3, 4, 7, kPi},                      // unknown modes act as mode 0
      {1, 0, 1, 0, kAngleFirstReversed, kPi},    // reversed: opposite, acos(-1)
      {-1, 0, 1, 0, kAngleFirstReversed, kPi},   // reversed: straight on reads as pi
      {1, 0, 0, -1, kAngleFirstReversed, 0.0f},  // reversed: a right angle still reads 0
  };
  for (const Case& c : cases) {
    EXPECT_EQ(VectorAngle(c.ax, c.ay, c.bx, c.by, c.mode), c.expected)
        << c.ax << "," << c.ay << " " << c.bx << "," << c.by << " mode " << c.mode;
  }
}

TEST(VectorAngle, OrdinaryAnglesComeFromAcos) {
  EXPECT_NEAR(VectorAngle(1, 0, 1, 1, kAngleBetween), kPi / 4, 1e-6);
  EXPECT_NEAR(VectorAngle(1, 0, 1, 1, kAngleFirstReversed), 3 * kPi / 4, 1e-6);
  EXPECT_NEAR(VectorAngle(0, 2, -1, -1, kAngleBetween), 3 * kPi / 4, 1e-6);
}

TEST(VectorAngle, SignedModeIsTheRawDifferenceOfDirections) {
  EXPECT_NEAR(VectorAngle(0, 1, 1, 0, kAngleSignedDirections), kPi / 2, 1e-6);
  EXPECT_NEAR(VectorAngle(1, 0, 0, 1, kAngleSignedDirections), -kPi / 2, 1e-6);
  // Just below and just above the negative x axis: nearly -2 pi, never wrapped.
  float a = VectorAngle(-1, -0.001f, -1, 0.001f, kAngleSignedDirections);
  EXPECT_NEAR(a, -2 * kPi + 0.002f, 1e-5);
  // A zero vector has no special rule here.
  EXPECT_EQ(VectorAngle(0, 0, 0, 0, kAngleSignedDirections), 0.0f);
}

TEST(VectorAngle, CosinePushedPastOneByRoundingNeverGivesNaN) {
  // Tiny vectors make the float product of the squared lengths subnormal, which pushes the
  // cosine of parallel vectors well past 1.
  struct Case {
    float ax, bx;
    int mode;
  } cases[] = {{1e-11f, 1e-11f, kAngleBetween},      {7e-12f, 1e-11f, kAngleBetween},
               {3e-11f, 3e-11f, kAngleBetween},      {1e-11f, 1e-11f, kAngleFirstReversed},
               {7e-12f, 1e-11f, kAngleFirstReversed}, {-3e-11f, 3e-11f, kAngleBetween}};
  for (const Case& c : cases) {
    float angle = VectorAngle(c.ax, 0, c.bx, 0, c.mode);
    EXPECT_FALSE(std::isnan(angle)) << c.ax << " " << c.bx << " mode " << c.mode;
    EXPECT_EQ(angle, kPi) << c.ax << " " << c.bx << " mode " << c.mode;
  }
}

// The comparison without the arc cosine decides as the angle does: integer vectors all
// around, vectors whose angle lies within a few float steps of the limit, and the exact
// cosines 0 and 1, in every mode and against limits outside 0..pi too.
TEST(VectorAngleBelow, DecidesAsTheAngleDoes) {
  const float limits[] = {kPi * 7 / 12, 0.5f, 2.9f, kPi / 2, 0.0f, kPi, 4.0f, -1.0f};
  for (float limit : limits) {
    const AngleLimit below(limit);
    int checked = 0;
    auto check = [&](float ax, float ay, float bx, float by) {
      for (int mode : {kAngleSignedDirections, kAngleBetween, kAngleFirstReversed}) {
        ASSERT_EQ(VectorAngleBelow(ax, ay, bx, by, mode, below), VectorAngle(ax, ay, bx, by, mode) < limit)
            << ax << " " << ay << " " << bx << " " << by << " mode " << mode << " limit " << limit;
        ++checked;
      }
    };
    for (int ax = -6; ax <= 6; ++ax) {
      for (int ay = -6; ay <= 6; ++ay) {
        for (int bx = -6; bx <= 6; ++bx) {
          for (int by = -6; by <= 6; ++by) check(float(ax), float(ay), float(bx), float(by));
        }
      }
    }
    // b turned from a by the limit and by a few steps either side of it.
    for (int k = -40; k <= 40; ++k) {
      const double turn = double(limit) + k * 1e-8;
      check(1000, 0, float(1000 * std::cos(turn)), float(1000 * std::sin(turn)));
      check(-3, 7, float(-3 * std::cos(turn) - 7 * std::sin(turn)), float(-3 * std::sin(turn) + 7 * std::cos(turn)));
    }
    EXPECT_GT(checked, 80000);
  }
}

TEST(JointAngleDegrees, TheWayInIsReversedAndTheAngleTurnedIntoDegrees) {
  struct Case {
    CFPoint in;
    CFPoint on;
    double expected;
  } cases[] = {
      {{10, 0}, {5, 0}, 180},       // straight on
      {{10, 0}, {5, 5}, 135},       // a turn of 45 degrees
      {{10, 0}, {-5, -5}, 45},      // nearly back
      {{10, 0}, {-5, 0}, 180},      // exactly back: a cosine of 1 reads as pi
      {{10, 0}, {0, 5}, 0},         // a right angle: a cosine of 0 reads as 0
      {{0, 0}, {5, 5}, 0},          // no way in
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(JointAngleDegrees(c.in, c.on, kPi), c.expected, 1e-4) << c.on.x << "," << c.on.y;
  }
  // The path's own pi divides: a coarser one gives larger angles.
  EXPECT_NEAR(JointAngleDegrees({10, 0}, {5, 5}, 3.0f), 135 * kPi / 3.0, 1e-3);
}

TEST(PointInSpanBox, EdgesAndToleranceCount) {
  struct Case {
    float x, y;
    int expected;
  } cases[] = {
      {5, 5, 1},         {0, 0, 1},       {10, 20, 1},      {10.000005f, 5, 1},
      {-0.000005f, 5, 1}, {5, 20.000005f, 1}, {10.0001f, 5, 0}, {5, -0.0001f, 0},
      {11, 5, 0},        {5, 21, 0},
  };
  for (const Case& c : cases) {
    // The box is given by its corners in either order.
    EXPECT_EQ(PointInSpanBox(c.x, c.y, 0, 0, 10, 20), c.expected) << c.x << "," << c.y;
    EXPECT_EQ(PointInSpanBox(c.x, c.y, 10, 20, 0, 0), c.expected) << c.x << "," << c.y;
  }
  // A degenerate box is a point (or a line) with the tolerance around it.
  EXPECT_EQ(PointInSpanBox(3.000005f, 7, 3, 0, 3, 10), 1);
  EXPECT_EQ(PointInSpanBox(3.001f, 7, 3, 0, 3, 10), 0);
}

TEST(ProjectPointOnLine, FootIsNotClampedToTheSegment) {
  CFPoint out(-1, -1);
  EXPECT_EQ(ProjectPointOnLine({0, 0}, {10, 0}, {4, 7}, &out), 1);
  EXPECT_EQ(out, CFPoint(4, 0));
  EXPECT_EQ(ProjectPointOnLine({0, 0}, {10, 0}, {25, -3}, &out), 1);
  EXPECT_EQ(out, CFPoint(25, 0));
  EXPECT_EQ(ProjectPointOnLine({0, 0}, {4, 4}, {0, 4}, &out), 1);
  EXPECT_EQ(out, CFPoint(2, 2));
}

TEST(ProjectPointOnLine, DegenerateLineLeavesOutUntouched) {
  CFPoint out(-1, -1);
  EXPECT_EQ(ProjectPointOnLine({3, 3}, {3, 3}, {5, 5}, &out), 0);
  EXPECT_EQ(out, CFPoint(-1, -1));
}

TEST(IntersectSegments, CrossingTouchingParallelAndCollinearPairs) {
  const CFPoint kUnset(-99, -99);
  struct Case {
    const char* name;
    CFPoint p1, p2, p3, p4;
    int mode0, mode1, mode2;  // results in modes 0, 1 and 2
    CFPoint out;              // kUnset: out not checked
  } cases[] = {
      {"cross", {0, 0}, {10, 10}, {0, 10}, {10, 0}, 1, 1, 1, {5, 5}},
      {"T touch at end", {0, 5}, {10, 5}, {5, 0}, {5, 5}, 1, 1, 1, {5, 5}},
      {"touch at shared corner", {0, 0}, {4, 0}, {4, 0}, {4, 6}, 1, 1, 1, {4, 0}},
      // The first segment only reaches the second one when extended.
      {"line hits, segment short", {0, 0}, {2, 2}, {0, 10}, {10, 0}, 1, 0, 0, {5, 5}},
      {"lines cross outside second", {0, 0}, {10, 10}, {20, 0}, {30, -10}, 0, 0, 0, {10, 10}},
      // Parallel pairs, on one line or not, take the mean of the four end points and
      // count where the boxes hold it.
      {"parallel diagonal", {0, 0}, {10, 10}, {0, 1}, {10, 11}, 1, 1, 2, {5, 5.5f}},
      {"parallel, mean in the second box only", {0, 0}, {1, 1}, {0, 1}, {20, 21}, 1, 0, 2, {5.25f, 5.75f}},
      {"parallel horizontal", {0, 0}, {10, 0}, {0, 3}, {10, 3}, 0, 0, 2, {5, 1.5f}},
      {"collinear overlapping", {0, 0}, {10, 0}, {5, 0}, {15, 0}, 1, 1, 2, {7.5f, 0}},
      {"collinear apart", {0, 0}, {2, 0}, {10, 0}, {12, 0}, 0, 0, 2, {6, 0}},
      {"collinear meeting at an end", {0, 0}, {4, 4}, {4, 4}, {8, 8}, 1, 1, 2, {4, 4}},
  };
  for (const Case& c : cases) {
    int expected[3] = {c.mode0, c.mode1, c.mode2};
    for (int mode = 0; mode < 3; ++mode) {
      CFPoint out = kUnset;
      EXPECT_EQ(IntersectSegments(c.p1, c.p2, c.p3, c.p4, &out, mode), expected[mode])
          << c.name << " mode " << mode;
      if (expected[mode] == 2) {
        EXPECT_EQ(out, kUnset) << c.name << ": a parallel pair in mode 2 leaves out alone";
      } else {
        EXPECT_NEAR(out.x, c.out.x, 1e-5) << c.name << " mode " << mode;
        EXPECT_NEAR(out.y, c.out.y, 1e-5) << c.name << " mode " << mode;
      }
    }
  }
}

TEST(IntersectSegments, ModesBeyondTwoAskForBothSegments) {
  CFPoint out;
  EXPECT_EQ(IntersectSegments({0, 0}, {2, 2}, {0, 10}, {10, 0}, &out, 5), 0);
  EXPECT_EQ(IntersectSegments({0, 0}, {10, 10}, {0, 10}, {10, 0}, &out, 5), 1);
}

TEST(IntersectLines, SlopeFormWithVerticalAndParallelLines) {
  const CFPoint kUnset(-99, -99);
  struct Case {
    const char* name;
    CFPoint p1, p2, p3, p4;
    int both;
    int expected;
    CFPoint out;
  } cases[] = {
      {"cross", {0, 0}, {10, 10}, {0, 10}, {10, 0}, 1, 1, {5, 5}},
      {"first vertical", {5, -10}, {5, 10}, {0, 0}, {10, 10}, 1, 1, {5, 5}},
      {"second vertical", {0, 0}, {10, 20}, {4, 0}, {4, 30}, 1, 1, {4, 8}},
      {"both vertical apart", {1, 0}, {1, 5}, {2, 0}, {2, 5}, 1, -1, kUnset},
      {"both vertical on one another", {1, 0}, {1, 4}, {1, 2}, {1, 10}, 1, 1, {1, 4}},
      {"parallel", {0, 0}, {10, 10}, {0, 1}, {10, 11}, 1, -1, kUnset},
      {"on one another", {0, 0}, {10, 10}, {5, 5}, {15, 15}, 1, 1, {7.5f, 7.5f}},
      {"outside first, only second asked", {0, 0}, {2, 2}, {0, 10}, {10, 0}, 0, 1, {5, 5}},
      {"outside first, both asked", {0, 0}, {2, 2}, {0, 10}, {10, 0}, 1, 0, {5, 5}},
      {"outside second", {0, 0}, {10, 10}, {20, 0}, {30, -10}, 0, 0, {10, 10}},
  };
  for (const Case& c : cases) {
    CFPoint out = kUnset;
    EXPECT_EQ(IntersectLines(c.p1, c.p2, c.p3, c.p4, &out, c.both), c.expected) << c.name;
    EXPECT_NEAR(out.x, c.out.x, 1e-5) << c.name;
    EXPECT_NEAR(out.y, c.out.y, 1e-5) << c.name;
  }
}

TEST(TurnDirection, SignOfTheTurn) {
  EXPECT_EQ(TurnDirection(0, 0, 10, 0, 10, 10), 1);
  EXPECT_EQ(TurnDirection(0, 0, 10, 0, 10, -10), -1);
  EXPECT_EQ(TurnDirection(0, 0, 10, 0, 20, 0), 0);
  EXPECT_EQ(TurnDirection(0, 0, 10, 0, 0, 0), 0);  // straight back
}

}  // namespace

namespace {

bool Meet(CFPoint p1, CFPoint p2, CFPoint p3, CFPoint p4) { return SpanBoxOf(p1, p2).Meets(SpanBoxOf(p3, p4)); }

TEST(SpanBox, BoxesMeetWithinTheTolerance) {
  EXPECT_TRUE(Meet({0, 0}, {10, 10}, {10, 10}, {20, 30}));        // touching corners
  EXPECT_TRUE(Meet({0, 0}, {10, 10}, {10.00001f, 0}, {20, 10}));  // within the widening
  EXPECT_FALSE(Meet({0, 0}, {10, 10}, {10.001f, 0}, {20, 10}));
  EXPECT_FALSE(Meet({0, 0}, {10, 10}, {0, 11}, {10, 20}));
  EXPECT_TRUE(Meet({10, 10}, {0, 0}, {20, 5}, {5, 5}));  // either direction
}

TEST(SpanBox, EveryCrossingOnBothSegmentsLiesWhereTheBoxesMeet) {
  uint32_t seed = 7;
  auto next = [&seed]() {
    seed = seed * 1103515245u + 12345u;
    return float(int((seed >> 16) % 41u) - 20) / 2.0f;  // a coarse grid, so touching ends are common
  };
  for (int k = 0; k < 20000; ++k) {
    const CFPoint p1(next(), next()), p2(next(), next()), p3(next(), next()), p4(next(), next());
    CFPoint hit(0, 0);
    if (IntersectSegments(p1, p2, p3, p4, &hit, kIntersectOnBoth) == 1) {
      ASSERT_TRUE(Meet(p1, p2, p3, p4)) << k;
    }
  }
}

}  // namespace
