// 最初の文字を画像ウィンドウへ in the running application: with the switch on, the next
// paint of a written character copies it into the image editor, once, and window A
// stays the window the user works in.
#include "app/kind_lookup.h"
#include "app/recorded_window_fixture.h"
#include "brush/render/brush_state.h"
#include "imageedit/view/bmp_view_window.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/command_target.h"
#include "resources/command_ids.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"
#include "support/ui/menu_path.h"

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

// After 全消去 the next written character is the painter's to capture: with the editor
// open behind window A, it goes into the editor and window A stays in front. The
// editor's own command to take in window A still brings the editor forward.
TEST_F(AutoCapture, AfterClearingAllTheWrittenCharacterGoesIntoTheEditorBehindWindowA) {
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"窗口", "編集ｳｨﾝﾄﾞｳ", "表示"}));
  CBmpViewWindow* editor = CBmpViewWindow::Instance();
  ASSERT_NE(editor, nullptr);
  QCoreApplication::processEvents();
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"表示", "描画ｳｨﾝﾄﾞｳA"}));
  ASSERT_EQ(frame()->GetActiveViewKind(), kKindDrawA);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"设置", "最初の文字を画像ウィンドウへ"}));
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"编辑", "清除", "全部"}));
  ASSERT_EQ(view->m_nAutoCapture, 0);
  const Surface blank = CopyOfSurface(editor->editor().m_bmpWork);

  WriteStroke(100);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"显示", "变换显示"}));
  Window();
  EXPECT_EQ(view->m_nAutoCapture, 1);
  const Surface& picture = editor->editor().m_bmpWork;
  EXPECT_GT(Ink(picture), Ink(blank)) << "the written character was taken in";
  EXPECT_EQ(frame()->GetActiveViewKind(), kKindDrawA) << "the user goes on writing in window A";

  ASSERT_TRUE(ui::CommandRouter({editor->frame()}).Execute(32976));
  EXPECT_EQ(frame()->ActiveChildFrame(), editor->frame());
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
