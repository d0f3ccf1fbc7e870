#include "platform/service/colour_chooser.h"

#include <gtest/gtest.h>

#include "support/scripted_colour_chooser.h"

namespace tmb {
namespace {

TEST(ColourChooser, WithoutAChooserEveryChoiceIsCancelled) {
  Colour colour = 0x123456;
  EXPECT_EQ(ChooseColour(colour), 0);
  EXPECT_EQ(colour, 0x123456u);
}

TEST(ColourChooser, AConfirmedChoiceReplacesTheColourAndACancelLeavesIt) {
  test::ScriptedColourChooser chooser;
  chooser.Next(0x0000FF);
  Colour colour = 0x123456;
  EXPECT_EQ(ChooseColour(colour), 1);
  EXPECT_EQ(colour, 0x0000FFu);
  EXPECT_EQ(ChooseColour(colour), 0);
  EXPECT_EQ(colour, 0x0000FFu);
  EXPECT_EQ(chooser.offered, (std::vector<Colour>{0x123456, 0x0000FF}));
}

}  // namespace
}  // namespace tmb
