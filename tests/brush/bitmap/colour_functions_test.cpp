// The colour arithmetic of the image effects, channel by channel and at its limits.
#include "brush/bitmap/colour_functions.h"

#include <gtest/gtest.h>

namespace {

TEST(ColourFunctions, AveragesWorkOnEachChannelAlone) {
  EXPECT_EQ(AverageColour2(0x0000FF, 0xFF0001), 0x7F0080u);
  EXPECT_EQ(AverageColour3(0x0000FF, 0x00FF00, 0xFF0000), 0x555555u);
  EXPECT_EQ(AverageColour4(0xFFFFFF, 0xFFFFFF, 0x000000, 0x030303), 0x808080u);
}

TEST(ColourFunctions, BlendAndOffsetStayWithinTheChannel) {
  EXPECT_EQ(BlendColour(0xFF0000, 0x0000FF, 50), 0x7F007Fu);
  EXPECT_EQ(BlendColour(0x102030, 0xFFFFFF, 100), 0x102030u);
  EXPECT_EQ(BlendColour(0xC8C8C8, 0x000000, 150), 0xFFFFFFu) << "held at 255, not wrapped";
  // 250 + 127 would wrap to 121 in eight bits; it stops at 255. 10 - 128 stops at 0.
  EXPECT_EQ(OffsetColour(0x0A80FA, 0x00FFFF, 100), 0x00FFFFu);
  EXPECT_EQ(OffsetColour(0x404040, 0x808080, 100), 0x404040u) << "middle grey moves nothing";
  EXPECT_EQ(OffsetColour(0x404040, 0xC0C0C0, 50), 0x606060u);
}

TEST(ColourFunctions, TheDistanceOfBlackAndWhiteIsTheLargest) {
  EXPECT_EQ(ColourDistance(0x000000, 0xFFFFFF), 765);
  EXPECT_EQ(ColourDistance(0x0A0B0C, 0x0C0B0A), 4);
  EXPECT_EQ(ColourDistance(0x123456, 0x123456), 0);
}

}  // namespace
