#include "export/swf/swf_export_timing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <numeric>
#include <vector>

namespace {

int64_t TotalFrames(const SwfTiming& t) {
  return std::accumulate(t.repeats.begin(), t.repeats.end(), int64_t(0)) +
         std::accumulate(t.backRepeats.begin(), t.backRepeats.end(), int64_t(0));
}

TEST(SwfExportTiming, RatesAndRepeatsFollowTheTimingMode) {
  struct Case {
    int mode;
    std::vector<int32_t> durations;
    int pictures;
    int rate;
    std::vector<int> repeats;
  };
  const Case cases[] = {
      {0, {10}, 2, 10, {1, 1}},        // 100 / 10
      {0, {250}, 2, 1, {2, 2}},        // too slow for a rate: one frame a second, twice
      {0, {0}, 1, 25, {1}},            // raised to 4 hundredths
      {0, {-7}, 1, 25, {1}},
      {0, {}, 1, 25, {1}},             // no durations: the shortest
      {1, {50, 4}, 2, 12, {6, 1}},     // 0.48 frames is still shown once
      {1, {50}, 3, 12, {6, 6, 6}},     // pictures past the list take its last entry
      {-1, {300}, 3, 12, {1, 1, 1}},
      {7, {300}, 2, 12, {1, 1}},
  };
  for (const Case& c : cases) {
    const SwfTiming t = ComputeSwfTiming(c.mode, c.durations, c.pictures, false);
    EXPECT_EQ(t.rate, c.rate) << c.mode;
    EXPECT_EQ(t.repeats, c.repeats) << c.mode;
    EXPECT_TRUE(t.backRepeats.empty());
  }
}

TEST(SwfExportTiming, BackAndForthRepeatsThePicturesBetweenTheEndsBackwards) {
  const SwfTiming t = ComputeSwfTiming(1, std::vector<int32_t>{10, 20, 30, 40, 50}, 5, true);
  EXPECT_EQ(t.repeats, (std::vector<int>{1, 2, 4, 5, 6}));
  EXPECT_EQ(t.backRepeats, (std::vector<int>{5, 4, 2}));  // pictures 3, 2, 1
  EXPECT_TRUE(ComputeSwfTiming(1, std::vector<int32_t>{10}, 2, true).backRepeats.empty());
}

TEST(SwfExportTiming, TheMovieStaysWithinTheFramesAFileCounts) {
  const int32_t longest = std::numeric_limits<int32_t>::max();
  // 2^31 - 1 hundredths would be 21 million frames of one picture.
  const SwfTiming one = ComputeSwfTiming(0, std::vector<int32_t>{longest}, 1, false);
  EXPECT_EQ(one.rate, 1);
  EXPECT_LE(TotalFrames(one), kSwfMaxMovieFrames);
  EXPECT_GT(TotalFrames(one), kSwfMaxMovieFrames - 10);

  const SwfTiming many = ComputeSwfTiming(0, std::vector<int32_t>{100000}, 1000, true);
  EXPECT_LE(TotalFrames(many), kSwfMaxMovieFrames);
  for (int q : many.repeats) EXPECT_GE(q, 1);

  // One long picture among many short ones: every picture keeps a frame.
  std::vector<int32_t> durations(1000, 1);
  durations[0] = longest;
  const SwfTiming mixed = ComputeSwfTiming(1, durations, 1000, true);
  EXPECT_LE(TotalFrames(mixed), kSwfMaxMovieFrames);
  for (int q : mixed.repeats) EXPECT_GE(q, 1);
  for (int q : mixed.backRepeats) EXPECT_GE(q, 1);
}

}  // namespace
