// Closing the narrow slots cut into ink: the slot's mouth drawn across in the mask when
// its outline has the shape of a slot, and nothing for other corners.
#include "imageedit/vectorise/gap_closer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/path/stroke_path_lite.h"
#include "support/mono_block.h"

namespace {

using tmb::Point;
using tmb::test::MonoBlock;

// Ink over (10, 10)-(69, 49) with a slot `width` pixels wide and `depth` deep cut down
// from the top at x = 38. A side given a strand width is only that thick above the slot's
// bottom, paper beyond it: a strand split off the stroke.
struct Slot {
  int width, depth;
  int leftStrand = 0, rightStrand = 0;  // 0: the side is the stroke itself
};

MonoBlock SlottedBlock(const Slot& s) {
  MonoBlock mask(80, 60);
  for (int y = 10; y < 50; ++y) {
    for (int x = 10; x < 70; ++x) {
      const bool left = x < 38 && (s.leftStrand == 0 || x >= 38 - s.leftStrand);
      const bool right = x >= 38 + s.width && (s.rightStrand == 0 || x < 38 + s.width + s.rightStrand);
      if (y >= 10 + s.depth || left || right) mask.Ink(x, y);
    }
  }
  return mask;
}

// Its outline as corner points, clockwise, closed on its first point.
void SlotOutline(CStrokePath& path, const Slot& s) {
  const int bottom = 10 + s.depth, right = 38 + s.width;
  std::vector<Point> corners;
  if (s.leftStrand) {
    corners = {{10, bottom}, {38 - s.leftStrand, bottom}, {38 - s.leftStrand, 10}};
  } else {
    corners = {{10, 10}};
  }
  for (Point p : {Point{37, 10}, Point{37, bottom}, Point{right, bottom}, Point{right, 10}}) corners.push_back(p);
  if (s.rightStrand) {
    for (Point p : {Point{right + s.rightStrand - 1, 10}, Point{right + s.rightStrand - 1, bottom}, Point{69, bottom}}) {
      corners.push_back(p);
    }
  } else {
    corners.push_back({69, 10});
  }
  for (Point p : {Point{69, 49}, Point{10, 49}}) corners.push_back(p);
  corners.push_back(corners.front());
  path.SetCount(0);
  for (size_t i = 0; i < corners.size(); ++i) path.AppendPoint(corners[i].x, corners[i].y, i == 0 ? 1 : 0);
}

// A slot is drawn across 2 pixels in from its mouth when a side beyond the line is a thin
// strand; between two sides of stroke it is a gap between strokes and stays.
TEST(CloseOutlineGaps, ASlotBesideAThinStrandIsClosedTwoPixelsInFromItsMouth) {
  struct Case {
    Slot slot;
    int closed;
  } cases[] = {
      {{4, 20, 0, 2}, 1},   // the strand on the right
      {{4, 20, 2, 0}, 1},   // the strand on the left
      {{4, 20, 0, 0}, 0},   // stroke on both sides: two strokes stay apart
      {{4, 10, 0, 2}, 0},   // too shallow
      {{30, 20, 0, 2}, 0},  // too wide
  };
  for (const Case& c : cases) {
    const Slot& s = c.slot;
    SCOPED_TRACE(testing::Message() << s.width << " x " << s.depth << ", strands " << s.leftStrand << " "
                                    << s.rightStrand);
    MonoBlock mask = SlottedBlock(s);
    const MonoBlock before(mask);
    CStrokePath outline(32);
    SlotOutline(outline, s);
    CStrokePathLite added(64);
    EXPECT_EQ(CloseOutlineGaps(outline, mask.bitmap, added), c.closed);
    if (!c.closed) {
      EXPECT_EQ(mask.Text(), before.Text());
      EXPECT_EQ(added.m_nCount, 0);
      continue;
    }
    std::vector<Point> row;
    for (int x = 38; x < 38 + s.width; ++x) {
      EXPECT_TRUE(mask.IsInk(x, 12)) << x;
      EXPECT_FALSE(mask.IsInk(x, 11)) << x;
      row.push_back({x, 12});
    }
    std::vector<Point> got(added.m_pPoints, added.m_pPoints + added.m_nCount);
    std::sort(got.begin(), got.end(), [](Point a, Point b) { return a.x < b.x; });
    EXPECT_EQ(got, row);
  }
}

}  // namespace
