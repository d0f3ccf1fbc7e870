#include "core/record/edit_regions.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/state/draw_state.h"
#include "platform/gdi/device_context.h"

namespace {

std::unique_ptr<CEditRegions> RegionsOf(std::initializer_list<tmb::Rect> rects) {
  auto regions = std::make_unique<CEditRegions>();
  for (const tmb::Rect& r : rects) regions->m_rects[size_t(regions->m_nCount++)] = r;
  return regions;
}

TEST(EditRegions, HitTestPrefersTheRectangleThatHoldsThePoint) {
  struct Case {
    int x, y, current;
  };
  // A wide rectangle whose centre lies far off, and a small one near the points.
  auto regions = RegionsOf({{0, 0, 400, 40}, {50, 50, 60, 60}, {120, 50, 130, 60}});
  const Case cases[] = {
      {55, 38, 0},    // inside the wide one, though the small one's centre is nearer
      {55, 45, 1},    // in none: the nearest centre
      {125, 70, 2},   // in none: the nearest centre
      {90, 55, 1},    // equally near two centres: the earlier
      {399, 39, 0},   // the last pixel inside
  };
  for (const Case& c : cases) {
    regions->m_nCurrent = -7;
    regions->m_nDisplay = 0;
    regions->HitTest(c.x, c.y);
    EXPECT_EQ(regions->m_nCurrent, c.current) << c.x << "," << c.y;
    EXPECT_EQ(regions->m_nDisplay, 2);  // the hit asks for a repaint
  }
  // An empty list keeps its index.
  auto none = RegionsOf({});
  none->m_nCurrent = 5;
  none->HitTest(10, 10);
  EXPECT_EQ(none->m_nCurrent, 5);
  // A count beyond the list is held to its capacity.
  none->m_nCount = 100000;
  none->HitTest(10, 10);
  EXPECT_EQ(none->m_nCurrent, 0);
}

TEST(EditRegions, ShowingAndHidingAllRestoresEveryPixelExactly) {
  gDrawState.Reset();
  tmb::Surface s;
  ASSERT_TRUE(s.Create(300, 260, tmb::PixelFormat::kColour32));
  // A picture with some ink on it, so that inverting shows.
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) s.SetPixel(x, y, tmb::MakeRgb(uint8_t(x * 7), uint8_t(y * 5), uint8_t(x ^ y)));
  }
  std::vector<tmb::Colour> before;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) before.push_back(s.GetPixel(x, y));
  }
  auto regions = RegionsOf({{10, 10, 100, 60}, {50, 40, 200, 150}, {150, 150, 151, 200}});
  regions->m_nCurrent = 1;
  tmb::DeviceContext dc(&s);
  regions->ShowAll(dc);
  EXPECT_EQ(regions->m_bDrawn, 1);
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  EXPECT_NE(s.GetPixel(o.x + 10, o.y + 30), before[size_t((o.y + 30) * s.width() + o.x + 10)]);
  regions->ShowAll(dc);  // already shown: nothing more
  regions->HideAll(dc);
  EXPECT_EQ(regions->m_bDrawn, 0);
  regions->HideAll(dc);  // already hidden: nothing more
  size_t k = 0;
  int changed = 0;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) changed += s.GetPixel(x, y) != before[k++];
  }
  EXPECT_EQ(changed, 0);
  // The current frame alone toggles on and off the same way.
  regions->ToggleCurrent(dc);
  regions->ToggleCurrent(dc);
  k = 0;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) changed += s.GetPixel(x, y) != before[k++];
  }
  EXPECT_EQ(changed, 0);
}

TEST(EditRegions, TheCurrentRectangleAndClearing) {
  auto regions = RegionsOf({{1, 2, 3, 4}, {5, 6, 7, 8}});
  regions->m_nCurrent = 1;
  EXPECT_EQ(regions->GetCurrent(), (tmb::Rect{5, 6, 7, 8}));
  regions->m_nCurrent = kEditRegionCount;
  EXPECT_EQ(regions->GetCurrent(), tmb::Rect{});
  regions->m_nReference = 9;
  CCellRectTable::Clear(*regions);
  EXPECT_EQ(regions->m_nCount, 0);
  EXPECT_EQ(regions->m_nCurrent, 0);
  EXPECT_EQ(regions->m_nReference, 0);
}

// The corners and size of the current rectangle as a save or a send takes them: as stored
// (a rectangle dragged up or left has a negative size), none outside the list, and a
// damaged file's far corners held to the int range.
TEST(EditRegions, TheCurrentCornersAndSize) {
  struct Case {
    tmb::Rect rect;
    int current;
    tmb::Point topLeft, bottomRight;
    tmb::Size size;
  } cases[] = {
      {{10, 20, 110, 70}, 0, {10, 20}, {110, 70}, {100, 50}},
      {{110, 70, 10, 20}, 0, {110, 70}, {10, 20}, {-100, -50}},
      {{10, 20, 110, 70}, kEditRegionCount, {0, 0}, {0, 0}, {0, 0}},
      {{10, 20, 110, 70}, -1, {0, 0}, {0, 0}, {0, 0}},
      {{INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}, 0, {INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX},
       {INT32_MAX, INT32_MAX}},
  };
  for (const Case& c : cases) {
    auto regions = RegionsOf({c.rect});
    regions->m_nCurrent = c.current;
    EXPECT_EQ(regions->GetCurrentTopLeft(), c.topLeft) << c.current;
    EXPECT_EQ(regions->GetCurrentBottomRight(), c.bottomRight) << c.current;
    EXPECT_EQ(regions->GetCurrentSize(), c.size) << c.current;
  }
}

}  // namespace
