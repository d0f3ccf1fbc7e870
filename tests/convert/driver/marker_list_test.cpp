#include "convert/driver/marker_list.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/surface_text.h"
#include "support/test_canvas.h"

namespace {

using tmb::test::Canvas;
using tmb::test::Lines;
using tmb::test::SurfaceText;

class MarkerListTest : public ::testing::Test {
 protected:
  // The list is large: it lives on the heap, as the one global does in static storage.
  std::unique_ptr<CTesData> markers = std::make_unique<CTesData>();
};

TEST_F(MarkerListTest, PostsWhilePostingIsOnAndStoresNegativeKindsAsTwo) {
  markers->PostMarker(1.5f, 2.5f, -7, 1033);
  markers->PostMarker(3, 4, 5, 1039);
  ASSERT_EQ(markers->m_nCount, 2);
  EXPECT_EQ(markers->m_points[0], CFPoint(1.5f, 2.5f));
  EXPECT_EQ(markers->m_kinds[0], 2);
  EXPECT_EQ(markers->m_kinds[1], 5);
  EXPECT_EQ(markers->m_codes[1], 1039);

  markers->EnablePosting(0);
  markers->PostMarker(9, 9, 1, 1033);
  EXPECT_EQ(markers->m_nCount, 2);
  markers->Clear();
  EXPECT_TRUE(markers->IsPosting());
  EXPECT_EQ(markers->m_nCount, 0);
  EXPECT_EQ(markers->m_kinds[0], 2);
  EXPECT_EQ(markers->m_codes[0], 0);
  EXPECT_EQ(markers->m_nCurrent, 255);
}

TEST_F(MarkerListTest, TheMarkerPastTheCapacityIsDropped) {
  for (int k = 0; k <= CTesData::kCapacity; ++k) markers->PostMarker(float(k), 0, 1, 1033 + k % 3);
  EXPECT_EQ(markers->m_nCount, CTesData::kCapacity);
  EXPECT_EQ(markers->m_points[CTesData::kCapacity - 1].x, float(CTesData::kCapacity - 1));
}

TEST_F(MarkerListTest, PostMarkerIfPostsOnlyOnItsConditionAndLeavesPostingOff) {
  markers->EnablePosting(0);
  markers->PostMarkerIf(0, 1, 1, 1, 1033);
  EXPECT_EQ(markers->m_nCount, 0);
  markers->PostMarkerIf(1, 1, 1, 1, 1033);
  EXPECT_EQ(markers->m_nCount, 1);
  EXPECT_FALSE(markers->IsPosting());
}

TEST(MarkerStyle, CodesHaveTheirSquaresAndOthersNone) {
  struct Case {
    int code;
    bool drawn;
    tmb::Colour colour;
    int half;
  };
  const Case cases[] = {{1033, true, 0x0000ff, 2}, {1038, true, 0xffff00, 2}, {1043, true, 0x000000, 2},
                        {1044, false, 0, 0},       {1070, false, 0, 0},       {1075, false, 0, 0},
                        {1076, true, 0xffff00, 2}, {1077, true, 0x808000, 1}, {1082, true, 0x0000ff, 5},
                        {1087, true, 0xffff00, 2}, {1089, true, 0xff0000, 6}, {1110, true, 0xffff00, 2},
                        {1111, false, 0, 0},       {100, false, 0, 0}};
  for (const Case& c : cases) {
    const auto style = MarkerStyleOf(c.code);
    ASSERT_EQ(style.has_value(), c.drawn) << c.code;
    if (!style) continue;
    EXPECT_EQ(style->colour, c.colour) << c.code;
    EXPECT_EQ(style->halfSize, c.half) << c.code;
  }
}

TEST_F(MarkerListTest, DrawsSquaresOfTheDrawnCodesOnly) {
  Canvas canvas(12, 7, tmb::PixelFormat::kColour32);
  markers->PostMarker(2.4f, 2.6f, 1, 1077);  // half-size 1 at (2, 3)
  markers->PostMarker(8, 3, 1, 1033);        // half-size 2 at (8, 3)
  markers->PostMarker(5, 5, 1, 1044);        // held, not drawn
  canvas.dc.SetBackgroundMode(tmb::kOpaque);
  markers->DrawMarkers(canvas.dc);
  EXPECT_EQ(SurfaceText(canvas.surface), Lines({
                                             "............",
                                             "......####..",
                                             ".##...####..",
                                             ".##...####..",
                                             "......####..",
                                             "............",
                                             "............",
                                         }));
  EXPECT_EQ(canvas.surface.GetPixel(8, 3), 0x0000ffu);
  EXPECT_EQ(canvas.dc.backgroundMode(), tmb::kOpaque);
}

}  // namespace
