// 设置 > 参考线 in the running application: with the dialog's option the image editor
// takes its picture in again, and the margins take any unsigned number, past the paper
// too.
#include <QLineEdit>
#include <QSpinBox>
#include <string>

#include "app/app_fixture.h"
#include "app/dialogs/area_dialogs.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
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

// The right and top margins have no limit but the unsigned numbers': a margin past the
// paper is taken and shown again as typed, the largest unsigned number too; only their
// arrows keep to the paper. A number below 0 or past that range is refused with it.
TEST_F(GuideFrameCommand, TheMarginsTakeAnyUnsignedNumberAndOnlyTheirArrowsKeepToThePaper) {
  constexpr int kRightParam = 34, kTopParam = 35;
  frame()->ActivateViewOfKind(kKindDrawA, 0);
  CCharDataFull& rec = *GetCharDocumentOfKind(kKindDrawA)->DrawnRecord();
  const int width = gWorkCanvas.m_width, height = gWorkCanvas.m_height;
  const struct Case {
    std::string right, top;
    bool accepted;
  } cases[] = {
      {std::to_string(width + 1), std::to_string(height + 1), true},
      {"4294967295", "0", true},
      {"-1", "0", false},
      {"0", "4294967296", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.right + ", " + c.top);
    messages.texts.clear();
    const int right = rec.m_param[kRightParam], top = rec.m_param[kTopParam];
    dialogs.Then([&c, width, height](ui::DialogWindow& d) {
      EXPECT_EQ(qobject_cast<QSpinBox*>(d.Control(174))->maximum(), width);
      EXPECT_EQ(qobject_cast<QSpinBox*>(d.Control(175))->maximum(), height);
      ScriptedDialogs::Type(d, CGuideLineDlg::kRightEdit, QString::fromStdString(c.right));
      ScriptedDialogs::Type(d, CGuideLineDlg::kTopEdit, QString::fromStdString(c.top));
      const int result = ScriptedDialogs::PressOk(d);
      return result ? result : ui::kIdCancel;
    });
    ASSERT_TRUE(ChooseMenuItem(bar(), {"设置", "参考线"}));
    if (!c.accepted) {
      EXPECT_EQ(messages.texts, std::vector<std::string>{"Enter an integer between 0 and 4294967295."});
      EXPECT_EQ(rec.m_param[kRightParam], right);
      EXPECT_EQ(rec.m_param[kTopParam], top);
      continue;
    }
    EXPECT_TRUE(messages.texts.empty());
    // Opened again, the dialog shows the margins as they were typed.
    QString shownRight, shownTop;
    dialogs.Then([&](ui::DialogWindow& d) {
      shownRight = qobject_cast<QLineEdit*>(d.Control(CGuideLineDlg::kRightEdit))->text();
      shownTop = qobject_cast<QLineEdit*>(d.Control(CGuideLineDlg::kTopEdit))->text();
      return ui::kIdCancel;
    });
    ASSERT_TRUE(ChooseMenuItem(bar(), {"设置", "参考线"}));
    EXPECT_EQ(shownRight.toStdString(), c.right);
    EXPECT_EQ(shownTop.toStdString(), c.top);
  }
}

}  // namespace
}  // namespace tmb::test
