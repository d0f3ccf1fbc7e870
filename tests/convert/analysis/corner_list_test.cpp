#include "convert/analysis/corner_list.h"

#include <gtest/gtest.h>

#include "support/test_canvas.h"

namespace {

TEST(CornerList, EntriesAreDrawnAsSquaresShadedByTheirAngle) {
  CCornerList list;
  EXPECT_EQ(list.Add(3, 90, 0, CFPoint(5.4f, 5.6f), CCornerList::kKindAdded), 1);
  EXPECT_EQ(list.Add(9, 20, 1, CFPoint(15, 5), CCornerList::kKindAdded), 2);
  list.SetAllKinds();
  EXPECT_EQ(list.m_entries[1].kind, CCornerList::kKindSeen);
  tmb::test::Canvas canvas(22, 12, tmb::PixelFormat::kColour32);
  list.Draw(&canvas.dc);
  EXPECT_EQ(canvas.surface.GetPixel(5, 6), 250u);  // min(45, 25) x 10, red
  EXPECT_EQ(canvas.surface.GetPixel(2, 3), 250u);  // half-size 4: from x - 4
  EXPECT_EQ(canvas.surface.GetPixel(15, 5), 100u);
  EXPECT_EQ(canvas.surface.GetPixel(20, 5), 0xFFFFFFu);
  list.Clear();
  EXPECT_EQ(list.FindAngle(3), -1.0f);
}

}  // namespace
