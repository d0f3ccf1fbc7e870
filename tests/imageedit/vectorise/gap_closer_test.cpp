// Closing the narrow slots cut into ink: the slot's mouth drawn across in the mask when
// its outline has the shape of a slot, and nothing for other corners.
#include "imageedit/vectorise/gap_closer.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/path/stroke_path_lite.h"
#include "support/mono_block.h"

namespace {

using tmb::Point;
using tmb::test::MonoBlock;

// Ink over (10, 10)-(69, 49) with a slot `width` pixels wide and `depth` deep cut down
// from the top at x = 38.
MonoBlock SlottedBlock(int width, int depth) {
  MonoBlock mask(80, 60);
  for (int y = 10; y < 50; ++y) {
    for (int x = 10; x < 70; ++x) {
      if (x < 38 || x >= 38 + width || y >= 10 + depth) mask.Ink(x, y);
    }
  }
  return mask;
}

// Its outline as corner points, clockwise, closed on its first point.
void SlotOutline(CStrokePath& path, int width, int depth) {
  const Point corners[] = {{10, 10}, {37, 10}, {37, 10 + depth}, {38 + width, 10 + depth},
                           {38 + width, 10}, {69, 10}, {69, 49}, {10, 49}, {10, 10}};
  path.SetCount(0);
  for (size_t i = 0; i < std::size(corners); ++i) path.AppendPoint(corners[i].x, corners[i].y, i == 0 ? 1 : 0);
}

TEST(CloseOutlineGaps, ANarrowDeepSlotIsClosedTwoPixelsInFromItsMouth) {
  struct Case {
    int width, depth;
    int closed;
  } cases[] = {{4, 20, 1}, {4, 10, 0}, {30, 20, 0}};  // closed; too shallow; too wide
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << " x " << c.depth);
    MonoBlock mask = SlottedBlock(c.width, c.depth);
    const MonoBlock before(mask);
    CStrokePath outline(32);
    SlotOutline(outline, c.width, c.depth);
    CStrokePathLite added(64);
    EXPECT_EQ(CloseOutlineGaps(outline, mask.bitmap, added), c.closed);
    if (!c.closed) {
      EXPECT_EQ(mask.Text(), before.Text());
      EXPECT_EQ(added.m_nCount, 0);
      continue;
    }
    std::vector<Point> row;
    for (int x = 38; x < 38 + c.width; ++x) {
      EXPECT_TRUE(mask.IsInk(x, 12)) << x;
      EXPECT_FALSE(mask.IsInk(x, 11)) << x;
      row.push_back({x, 12});
    }
    EXPECT_EQ(std::vector<Point>(added.m_pPoints, added.m_pPoints + added.m_nCount), row);
  }
}

}  // namespace
