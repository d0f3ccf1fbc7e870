#include "convert/analysis/near_chord.h"

#include <gtest/gtest.h>

#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;

// A chord of 100 pixels along x with points off it by the given shares of the chord.
void FillChordWithOffsets(CStrokePath& path, std::initializer_list<float> offsets) {
  path.AppendPoint(0, 0, 1);
  float x = 0;
  for (float share : offsets) {
    x += 10;
    path.AddPointUnique(x, 100 * share, 0, 1);
  }
  path.AppendPoint(100, 0, 0);
}

TEST(NearChord, PointsUpToAboutAFifthOfTheChordOffPassWithFour) {
  struct Case {
    std::initializer_list<float> offsets;
    int m;
    int near;
    int far;  // -1: left as it was
  } cases[] = {
      {{0.05f, 0.17f, -0.1f}, 4, 1, 2},
      {{0.05f, 0.18f, -0.1f}, 4, 0, 1},  // stops at the point out of reach, far as seen so far
      {{0.05f, -0.17f, 0.1f}, 4, 1, 2},  // either side
      {{0.3f, 5.0f, -9.0f}, 0, 1, 3},    // m = 0 takes any distance
      {{0, 0, 0}, 4, 1, -1},
      {{0.3f}, 1, 1, 1},                 // m = 1: within 0.707 of the chord
  };
  for (const Case& c : cases) {
    CStrokePath path(16);
    FillChordWithOffsets(path, c.offsets);
    int far = -1;
    EXPECT_EQ(IsNearChord(path, 0, path.GetCount() - 1, c.m, &far), c.near);
    EXPECT_EQ(far, c.far);
  }
}

TEST(NearChord, ASlantedChordAndAClosedOneMeasureFromTheirLine) {
  CStrokePath path(8);
  Fill(path, {{0, 0, 1}, {50, 60, 0}, {100, 100, 0}});
  // The middle point lies 7.07 from the diagonal: inside |g| / (4 sqrt 2) = 25.
  EXPECT_EQ(IsNearChord(path, 0, 2, 4), 1);
  EXPECT_EQ(IsNearChord(path, 0, 2, 20), 0);  // but not within 5
  CStrokePath loop(8);
  Fill(loop, {{0, 0, 1}, {3, 4, 0}, {0, 0, 0}});
  int far = -1;
  EXPECT_EQ(IsNearChord(loop, 0, 2, 4, &far), 1);  // no chord to measure against
  EXPECT_EQ(far, 1);
}

}  // namespace
