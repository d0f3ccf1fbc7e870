#include "core/onebit/staircase.h"

#include <gtest/gtest.h>

#include "support/mono_block.h"

namespace {

using tmb::test::MonoBlock;

TEST(Staircase, StepsBecomeDiagonals) {
  // Each step's corner goes, the line's end corners with them; what is left runs from
  // pixel to pixel diagonally.
  MonoBlock m({"........", ".##.....", "..##....", "...##...", "....##..", "........"});
  EXPECT_EQ(RemoveStaircasePixels(m.bitmap, 0, 0, 8, 6), 4);
  EXPECT_EQ(m.Text(), MonoBlock({"........", "..#.....", "...#....", "....#...", "....#...", "........"}).Text());
  MonoBlock l({"........", ".....##.", "....##..", "...##...", "........"});
  EXPECT_EQ(RemoveStaircasePixels(l.bitmap, 0, 0, 8, 5), 2);
  EXPECT_EQ(l.Text(), MonoBlock({"........", ".....#..", ".....#..", "...##...", "........"}).Text());
}

TEST(Staircase, APixelWhereABranchMeetsTheLineStays) {
  // The step rule alone would take (3, 2) and cut the line's left part off.
  MonoBlock m({"........", "........", ".######.", "....#...", "....#...", "........"});
  const std::string before = m.Text();
  EXPECT_EQ(RemoveStaircasePixels(m.bitmap, 0, 0, 8, 6), 0);
  EXPECT_EQ(m.Text(), before);
}

TEST(Staircase, WorksOnlyInsideTheRegionAwayFromTheFirstRowAndColumn) {
  const std::vector<std::string> steps = {"........", ".##.....", "..##....", "...##...", "....##..", "........"};
  MonoBlock m(steps);
  RemoveStaircasePixels(m.bitmap, 0, 3, 8, 6);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 8; ++x) EXPECT_EQ(m.IsInk(x, y), steps[size_t(y)][size_t(x)] == '#') << x << "," << y;
  }
  // (0, 1) is a step's corner, but the first column is never visited.
  MonoBlock edge({"....", "##..", ".##.", "...."});
  RemoveStaircasePixels(edge.bitmap, -5, -5, 99, 99);
  EXPECT_TRUE(edge.IsInk(0, 1));
}

}  // namespace
