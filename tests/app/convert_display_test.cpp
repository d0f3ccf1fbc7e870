// 変換表示 in the running application, from the View menu and from the right-button menu:
// strokes just written with the mouse are shown converted by the brush; a character shown
// converted already is drawn again the same.
#include "app/recorded_window_fixture.h"
#include "resources/command_ids.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"

namespace tmb::test {
namespace {

using ConvertDisplay = RecordedWindowTest;

TEST_F(ConvertDisplay, TheMenuAndTheRightButtonMenuShowWrittenStrokesConverted) {
  struct Case {
    const char* how;
    bool popup;
  } cases[] = {{"right-button menu", true}, {"view menu", false}};
  int dy = 0;
  for (const Case& c : cases) {
    WriteStroke(dy += 60);
    const Surface written = CopyOfSurface(Window());
    if (c.popup) {
      popups.choose = kCmdConvertDisplaySheet;
      PenEvents mouse(view->area()->viewport(), clock);
      const QPoint at = Device({VisibleCorner().x + 200, VisibleCorner().y + 300});
      mouse.Press(at, Qt::RightButton);
      mouse.Release(at, Qt::RightButton);
      popups.choose = 0;
      ASSERT_FALSE(popups.names.empty()) << c.how;
    } else {
      ASSERT_TRUE(frame()->ExecuteCommand(kCmdConvertDisplay)) << c.how;
    }
    const Surface converted = CopyOfSurface(Window());
    SavePictureForViewing(converted, std::string("convert_display_by_") + (c.popup ? "popup" : "menu"));
    // The brush redrew the new stroke: the window changed where it was written.
    EXPECT_FALSE(SamePixels(converted, written)) << c.how;
    // Again on the converted character: the same picture.
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdConvertDisplay)) << c.how;
    EXPECT_TRUE(SamePixels(Window(), converted)) << c.how;
  }
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
