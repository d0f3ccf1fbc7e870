// The per-pixel colour routines of the image effects.
#include "brush/bitmap/pixel_effects.h"

#include <gtest/gtest.h>

namespace {

tmb::Surface Picture(int w, int h, tmb::Colour fill) {
  tmb::Surface s;
  s.Create(w, h, tmb::PixelFormat::kColour32);
  s.Fill(fill);
  return s;
}

TEST(GreyValue, TheTwoModes) {
  EXPECT_EQ(GreyValue(0x0A141E, 1), (0x1E + 0x14 + 0x0A) / 3);
  EXPECT_EQ(GreyValue(0x0000FF, 0), int(0.3 * 255));
  EXPECT_EQ(GreyValue(0xFFFFFF, 0), 255);
}

TEST(ShiftPixelColour, ChannelsStayWithinABytePerFilter) {
  tmb::Surface s = Picture(3, 1, 0x80F010);
  s.SetPixel(1, 0, 0xFFFFFF);
  const int up[3] = {300, -300, 100};
  EXPECT_EQ(ShiftPixelColour(s, 0, 0, up, kShiftAll, 0, 0), 1);
  EXPECT_EQ(s.GetPixel(0, 0), 0xE400FFu) << "red held at 255, green at 0";
  EXPECT_EQ(ShiftPixelColour(s, 1, 0, up, kShiftOtherThanKey, 0, 0xFFFFFF), 0) << "the key colour is left";
  EXPECT_EQ(ShiftPixelColour(s, 2, 0, up, kShiftKeyOnly, 0, 0xFFFFFF), 0);
  const int half[3] = {128, 255, 0};
  EXPECT_EQ(ShiftPixelColour(s, 1, 0, half, kShiftKeyOnly, 1, 0xFFFFFF), 1);
  EXPECT_EQ(s.GetPixel(1, 0), 0x00FF80u);
  EXPECT_EQ(ShiftPixelColour(s, 5, 0, up, kShiftAll, 0, 0), 0) << "outside the picture";
}

TEST(ThresholdTwoColours, TheMiddleGoesToAAndTheBoundsAreCutToThePicture) {
  tmb::Surface s = Picture(4, 3, 0x808080);
  s.SetPixel(3, 2, 0xF0F0F0);
  // Inclusive bounds reaching past the picture touch only its pixels.
  ThresholdTwoColours(s, 0x000000, 0xFFFFFF, 1, 1, 10, 10, 0);
  EXPECT_EQ(s.GetPixel(0, 0), 0x808080u) << "outside the rectangle";
  EXPECT_EQ(s.GetPixel(1, 1), 0xFFFFFFu) << "128 x 3 from A, 127 x 3 from B: B is nearer";
  s.SetPixel(0, 0, 0x7F7F7F);
  ThresholdTwoColours(s, 0x000000, 0xFEFEFE, 0, 0, 0, 0, 0);
  EXPECT_EQ(s.GetPixel(0, 0), 0x000000u) << "exactly between: colour A";
  EXPECT_EQ(s.GetPixel(3, 2), 0xFFFFFFu);
  ThresholdTwoColours(s, 0x0000FF, 0x00FF00, 0, 0, 3, 2, 1);
  EXPECT_EQ(s.GetPixel(3, 2), 0x000000u) << "black and white instead of the colours";
}

TEST(AverageNeighbourhood, AveragesTheClippedWindowUnlessAllEqual) {
  tmb::Surface s = Picture(5, 5, 0x000000);
  s.SetPixel(2, 2, 0x0000FF);
  NeighbourhoodParams p{{0, 0, 5, 5}, 0x000000, 1};
  EXPECT_EQ(AverageNeighbourhood(s, 2, 2, p), 1);
  EXPECT_EQ(p.colour, 0x00001Cu) << "255 / 9";
  NeighbourhoodParams uniform{{0, 0, 5, 5}, 0x000000, 1};
  EXPECT_EQ(AverageNeighbourhood(s, 0, 4, uniform), 0);
  NeighbourhoodParams corner{{2, 2, 5, 5}, 0x000000, 1};
  EXPECT_EQ(AverageNeighbourhood(s, 2, 2, corner), 1);
  EXPECT_EQ(corner.colour, 0x00003Fu) << "the window cut to the rectangle holds 4 pixels";
  NeighbourhoodParams huge{{0, 0, 5, 5}, 0x000000, 1000};
  EXPECT_EQ(AverageNeighbourhood(s, 2, 2, huge), 1) << "the radius is held to its most";
  NeighbourhoodParams direct{{0, 0, 5, 5}, 0x000000, -1};
  EXPECT_EQ(AverageNeighbourhood(s, 3, 2, direct), 1) << "the left neighbour differs";
}

TEST(GradientFill, RunsFromTheFirstColourToTheSecondAndMirrors) {
  tmb::Surface s = Picture(11, 2, 0xFFFFFF);
  GradientFillSelection(s, {0, 0, 11, 2}, 1, 0, 0x000000, 0x0000FF);
  EXPECT_EQ(s.GetPixel(0, 0), 0x000000u);
  EXPECT_EQ(s.GetPixel(10, 1), 0x0000FFu);
  GradientFillSelection(s, {0, 0, 11, 2}, 1, 1, 0x000000, 0x0000FF);
  EXPECT_EQ(s.GetPixel(10, 0), 0x000033u) << "mirrored: 2 x (span - position) past the middle";
  EXPECT_EQ(s.GetPixel(5, 0), 0x0000FFu);
  tmb::Surface keyed = Picture(4, 4, 0xFFFFFF);
  keyed.SetPixel(1, 1, 0x000000);
  GradientFillSelection(keyed, {0, 0, 4, 4}, 0, 0, 0x00FF00, 0x00FF00, 0xFFFFFF, 0);
  EXPECT_EQ(keyed.GetPixel(1, 1), 0x00FF00u) << "only what differs from the key";
  EXPECT_EQ(keyed.GetPixel(0, 0), 0xFFFFFFu);
}

}  // namespace
