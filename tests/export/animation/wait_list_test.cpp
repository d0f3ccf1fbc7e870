// The per-frame waits of the animation sheet: filling, spreading between two frames, the
// frames a larger count adds, and counts outside the table.
#include "export/animation/wait_list.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

namespace {

TEST(WaitList, FillsFirstMiddlesAndLastWithinTheTable) {
  struct Case {
    int count;
    int filled;
    std::vector<int32_t> head;  // the first five entries after filling 7s
  } cases[] = {
      {0, 0, {7, 7, 7, 7, 7}},  // nothing written, not entry -1
      {-3, 0, {7, 7, 7, 7, 7}},
      {1, 1, {3, 7, 7, 7, 7}},  // the one frame is the first and the last
      {2, 2, {1, 3, 7, 7, 7}},
      {4, 4, {1, 2, 2, 3, 7}},
      {300, 256, {1, 2, 2, 2, 2}},  // the table holds 256
  };
  for (const Case& c : cases) {
    std::array<int32_t, 256> waits;
    waits.fill(7);
    EXPECT_EQ(FillWaitList(waits, {1, 2, 3}, c.count), c.filled) << c.count;
    EXPECT_EQ(std::vector<int32_t>(waits.begin(), waits.begin() + 5), c.head) << c.count;
    if (c.count >= 256) {
      EXPECT_EQ(waits[255], 3);
    }
    // The three waits one by one fill the same.
    std::array<int32_t, 256> byOne;
    byOne.fill(7);
    EXPECT_EQ(FillWaitList3(byOne, 1, 2, 3, c.count), c.filled) << c.count;
    EXPECT_EQ(byOne, waits) << c.count;
  }
}

TEST(WaitList, SpreadsEvenlyBetweenTheOuterSelectedFrames) {
  std::array<int32_t, 8> waits{10, 10, 10, 0, 0, 0, 50, 10};
  const std::array<int, 2> lines{6, 2};
  SpreadWaits(waits, lines);
  EXPECT_EQ(waits, (std::array<int32_t, 8>{10, 10, 10, 20, 30, 40, 50, 10}));

  // One line, or lines outside the table, change nothing.
  std::array<int32_t, 8> before = waits;
  SpreadWaits(waits, std::array<int, 1>{3});
  SpreadWaits(waits, std::array<int, 3>{-1, 4, 900});
  EXPECT_EQ(waits, before);

  // Falling waits step down by integer division.
  std::array<int32_t, 4> down{9, 0, 0, 0};
  SpreadWaits(down, std::array<int, 2>{0, 3});
  EXPECT_EQ(down, (std::array<int32_t, 4>{9, 6, 3, 0}));
}

TEST(WaitList, FramesAddedByALargerCountGetAWait) {
  std::array<int32_t, 10> waits{10, 10, 10, 10, 10, 0, 0, 0, 0, 0};
  FillNewFrameWaits(waits, 8);
  EXPECT_EQ(waits, (std::array<int32_t, 10>{10, 10, 10, 10, 10, 30, 30, 30, 0, 0}));
  FillNewFrameWaits(waits, 1000);  // the spin's largest count stays in the table
  EXPECT_EQ(waits[9], 30);
}

}  // namespace
