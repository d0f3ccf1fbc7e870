// 设置 > 参考线 in the running application: with the dialog's option the image editor
// takes its picture in again.
#include "app/app_fixture.h"
#include "app/dialogs/area_dialogs.h"
#include "imageedit/editor/bmp_view.h"
#include "imageedit/view/bmp_view_window.h"
#include "support/ui/menu_path.h"

namespace tmb::test {
namespace {

using GuideFrameCommand = ShownAppTest;

TEST_F(GuideFrameCommand, TheOptionTakesTheImageEditorsPictureInAgain) {
  ASSERT_EQ(frame()->EnsureImageEditorOpen(), 1);
  CBmpViewWindow* editor = CBmpViewWindow::Instance();
  ASSERT_TRUE(editor);
  // The character window's menus hold the command.
  frame()->ActivateViewOfKind(kKindDrawA, 0);
  for (int option : {0, 1}) {
    SCOPED_TRACE(option);
    editor->editor().m_bModified = 0;
    editor->editor().m_nUndoKind = CBmpView::kUndoNone;
    dialogs.Then([option](ui::DialogWindow& d) {
      gGuideLineDlg.m_bOption = option;  // the option the dialog's caller reads
      return ScriptedDialogs::PressOk(d);
    });
    ASSERT_TRUE(ChooseMenuItem(bar(), {"设置", "参考线"}));
    EXPECT_EQ(dialogs.shown.back(), 150);
    EXPECT_EQ(editor->editor().m_bModified, option);
    EXPECT_EQ(editor->editor().m_nUndoKind != CBmpView::kUndoNone, option == 1);
  }
  EXPECT_EQ(messages.beeps, 0);
}

}  // namespace
}  // namespace tmb::test
