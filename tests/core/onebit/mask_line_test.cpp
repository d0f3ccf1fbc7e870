// Straight lines into a one-bit mask: the pixels along the longer axis, and which of
// them were new.
#include "core/onebit/mask_line.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/path/stroke_path_lite.h"
#include "support/mono_block.h"

namespace {

using tmb::Point;
using tmb::test::MonoBlock;

TEST(DrawMaskLine, StepsAlongTheLongerAxisAndTellsTheNewPixels) {
  struct Case {
    Point a, b;
    std::vector<std::string> after;
  } cases[] = {
      {{1, 1}, {6, 3}, {"........", ".##.....", "...##...", ".....##.", "........"}},
      {{2, 4}, {2, 0}, {"..#.....", "..#.....", "..#.....", "..#.....", "..#....."}},
      {{5, 2}, {5, 2}, {"........", "........", ".....#..", "........", "........"}},
  };
  for (const Case& c : cases) {
    MonoBlock mask(8, 5);
    mask.Ink(2, 2);  // already ink: not new
    CStrokePathLite added(16);
    const int made = DrawMaskLine(mask.bitmap, c.a, c.b, &added);
    MonoBlock expected(c.after);
    expected.Ink(2, 2);
    EXPECT_EQ(mask.Text(), expected.Text());
    EXPECT_EQ(made, added.m_nCount);
    for (int i = 0; i < added.m_nCount; ++i) EXPECT_NE(added.m_pPoints[i], (Point{2, 2}));
  }
  // Off the mask nothing is drawn or told.
  MonoBlock mask(4, 4);
  EXPECT_EQ(DrawMaskLine(mask.bitmap, {-3, 1}, {1, 1}), 2);
}

}  // namespace
