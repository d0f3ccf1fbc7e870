// The animation export's small dialogs that no page opens: the GIF merge's three files
// typed or browsed for, and the switches of the SWF options and of template 256, each
// shown from its members and handed back only on OK.
#include <QAbstractButton>
#include <QLineEdit>
#include <gtest/gtest.h>

#include "core/state/draw_state.h"
#include "export/sheet/dlg256.h"
#include "export/sheet/merge_gif_dlg.h"
#include "export/sheet/swf_option_dlg.h"
#include "support/scripted_chooser.h"
#include "support/ui/control_ids.h"
#include "support/ui/scripted_dialogs.h"

namespace tmb::test {
namespace {

TEST(MergeGifDlg, EachBrowseButtonPutsItsChosenFileIntoItsOwnEditAndTypedTextStays) {
  ScriptedDialogs dialogs;
  ScriptedChooser chooser;
  gDrawState.m_szLastFolder = "/home/user/gifs";
  CMergeGifDlg dialog;
  dialog.m_files = {"/old/a.gif", "", ""};
  chooser.Next("/home/user/gifs/b.gif");
  dialogs.Then([](ui::DialogWindow& d) {
    ExpectEveryIdOnce(d, {458, 459, 460, 461, 462, 463});
    ScriptedDialogs::Type(d, 460, QStringLiteral("/typed/c.gif"));
    ScriptedDialogs::Click(d, 462);  // chosen
    ScriptedDialogs::Click(d, 461);  // cancelled: the edit keeps its file
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(459))->text(), QStringLiteral("/home/user/gifs/b.gif"));
    EXPECT_EQ(qobject_cast<QLineEdit*>(d.Control(460))->text(), QStringLiteral("/typed/c.gif"));
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(dialog.DoModal(), ui::kIdOk);
  EXPECT_EQ(dialog.m_files, (std::array<std::string, 3>{"/old/a.gif", "/home/user/gifs/b.gif", "/typed/c.gif"}));
  ASSERT_EQ(chooser.asked.size(), 2u);
  EXPECT_EQ(chooser.asked[0].filter, "(*.gif)|*.gif|(*.gif)|*.gif|(*.*)|*.*||");
  EXPECT_EQ(chooser.asked[0].folder, "/home/user/gifs");
  EXPECT_EQ(chooser.asked[0].defaultExtension, "gif");
  for (const FileChoice& asked : chooser.asked) EXPECT_EQ(asked.title, "Open");
  gDrawState.Reset();
}

TEST(SwitchDialogs, ShowTheirMembersAndHandThemBackOnlyOnOk) {
  ScriptedDialogs dialogs;
  CSwfOptionDlg swf;
  swf.m_bOutlineOnly = 1;
  dialogs.Then([](ui::DialogWindow& d) {
    ExpectEveryIdOnce(d, {563, 564, 567});
    EXPECT_TRUE(qobject_cast<QAbstractButton*>(d.Control(567))->isChecked());
    ScriptedDialogs::Check(d, 563, true);
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_EQ(swf.DoModal(), ui::kIdOk);
  EXPECT_EQ(swf.m_bUseWaits, 1);
  EXPECT_EQ(swf.m_bDummyBox, 0);

  CDlg256 box;
  dialogs.Then([](ui::DialogWindow& d) {
    ExpectEveryIdOnce(d, {445, 448, 451});
    ScriptedDialogs::Check(d, 448, true);
    return ui::kIdCancel;
  });
  EXPECT_EQ(box.DoModal(), ui::kIdCancel);
  EXPECT_EQ(box.m_bCheck448, 0);
  EXPECT_EQ(dialogs.shown, (std::vector<int>{310, 256}));
}

}  // namespace
}  // namespace tmb::test
