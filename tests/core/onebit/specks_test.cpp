#include "core/onebit/specks.h"

#include <gtest/gtest.h>

#include "core/onebit/region_scan.h"
#include "support/mono_block.h"

namespace {

using tmb::test::MonoBlock;

TEST(RemoveSpecks, BlotsUpToThreeByThreeGoAndLinesStayWhole) {
  MonoBlock block({
      "..........................",
      ".#....###.....####........",
      "......###.................",
      "......###....#............",
      ".............#.....##.....",
      "..#..........#.....##.....",
      ".............#............",
      "..........................",
  });
  // The single pixels and the 3 x 3 blot go; the 4-pixel line, the vertical line and the
  // 2 x 2 block (inside 3 x 3) are judged by their boxes.
  EXPECT_EQ(RemoveSpecks(block.bitmap), 1 + 9 + 1 + 4);
  EXPECT_EQ(block.Text(), MonoBlock({
                              "..........................",
                              "..............####........",
                              "..........................",
                              ".............#............",
                              ".............#............",
                              ".............#............",
                              ".............#............",
                              "..........................",
                          })
                              .Text());
}

TEST(RemoveSpecks, ABarThreeWideKeepsItsLength) {
  MonoBlock bar(320, 8);
  for (int x = 10; x < 310; ++x) {
    for (int y = 2; y < 5; ++y) bar.Ink(x, y);
  }
  EXPECT_EQ(RemoveSpecks(bar.bitmap), 0);
  EXPECT_EQ(CountInkPixels(bar.bitmap), 900);
  MonoBlock thin(320, 8);
  for (int x = 10; x < 310; ++x) thin.Ink(x, 3);
  EXPECT_EQ(RemoveSpecks(thin.bitmap), 0);
}

}  // namespace
