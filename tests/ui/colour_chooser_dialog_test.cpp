// The colour chooser of the running program: Qt's colour dialog, opened on the colour in
// force, which is also its custom colour 0; OK hands the choice back, Cancel nothing.
#include "platform/ui/colour_chooser_dialog.h"

#include <QApplication>
#include <QColorDialog>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace tmb::ui {
namespace {

// Runs answer on the colour dialog once it is up.
void WhenTheDialogShows(std::function<void(QColorDialog&)> answer) {
  QTimer::singleShot(0, [answer = std::move(answer)] {
    auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    answer(*dialog);
  });
}

TEST(ColourChooserDialog, OpensOnTheColourAsCustomColourZeroAndHandsBackTheChoice) {
  ColourChooserDialog chooser;
  const Colour start = MakeRgb(0x12, 0x34, 0x56);
  QColor custom, current;
  WhenTheDialogShows([&](QColorDialog& dialog) {
    custom = QColorDialog::customColor(0);
    current = dialog.currentColor();
    dialog.setCurrentColor(QColor(255, 0, 0));
    dialog.accept();
  });
  Colour colour = start;
  EXPECT_TRUE(chooser.ChooseColour(colour));
  EXPECT_EQ(custom, QColor(0x12, 0x34, 0x56));
  EXPECT_EQ(current, QColor(0x12, 0x34, 0x56));
  EXPECT_EQ(colour, 0x0000FFu);  // pure red, red in the low byte

  WhenTheDialogShows([](QColorDialog& dialog) {
    dialog.setCurrentColor(QColor(0, 0, 255));
    dialog.reject();
  });
  colour = start;
  EXPECT_FALSE(chooser.ChooseColour(colour));
  EXPECT_EQ(colour, start);
}

TEST(ColourChooserDialog, ColoursConvertBothWays) {
  for (Colour c : {0x000000u, 0xFFFFFFu, 0x0000FFu, 0x00FF00u, 0xFF0000u, 0x563412u}) {
    EXPECT_EQ(FromQColor(ToQColor(c)), c);
  }
  EXPECT_EQ(ToQColor(0x0000FF), QColor(255, 0, 0));
}

}  // namespace
}  // namespace tmb::ui
