// 最初の文字を画像ウィンドウへ in the running application: with the switch on, the next
// paint of a written character copies it into the image editor, once, and window A
// stays the window the user works in.
#include "app/kind_lookup.h"
#include "app/recorded_window_fixture.h"
#include "brush/render/brush_state.h"
#include "imageedit/view/bmp_view_window.h"
#include "resources/command_ids.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"

namespace tmb::test {
namespace {

int Ink(const Surface& s) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) n += RedOf(s.GetPixel(x, y)) < 128;
  }
  return n;
}

using AutoCapture = RecordedWindowTest;

TEST_F(AutoCapture, TheNextPaintPutsThePaintedCharacterIntoTheImageEditorOnce) {
  // Painting alone copies nothing while the switch is off.
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdConvertDisplay));
  EXPECT_EQ(CBmpViewWindow::Instance(), nullptr);
  const Surface painted = CopyOfSurface(gBrushStates[0].m_bitmap);
  ASSERT_GT(Ink(painted), 1000);

  ASSERT_TRUE(frame()->ExecuteCommand(kCmdCaptureFirstChar));
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdConvertDisplay));
  CBmpViewWindow* editor = CBmpViewWindow::Instance();
  ASSERT_NE(editor, nullptr);
  const Surface& picture = editor->editor().m_bmpWork;
  SavePictureForViewing(picture, "auto_capture_image_editor");
  EXPECT_TRUE(SamePixels(picture, painted));
  // The user goes on writing in window A.
  EXPECT_EQ(frame()->GetActiveViewKind(), kKindDrawA);
  EXPECT_EQ(view->m_nAutoCapture, 1);

  // Later characters are the user's to take in: a new one leaves the editor's picture.
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdClearAll));
  WriteStroke(300);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdConvertDisplay));
  EXPECT_TRUE(SamePixels(editor->editor().m_bmpWork, painted));
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
