// Help: 帮助 > 帮助 opens the help page, and says where the page is when no program opens
// it; F1 in a dialog asks for the help of the control with the focus, and the dialog stays.
#include "app/app_fixture.h"
#include "app/dialogs/pen_dialogs.h"
#include "resources/command_ids.h"
#include "support/recorded_services.h"

namespace tmb::test {
namespace {

constexpr int kMsgHelpNotShown = 61513;

class Help : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
    ASSERT_TRUE(std::filesystem::exists(theApp.m_strHelpPath)) << theApp.m_strHelpPath;
  }
};

TEST_F(Help, TheHelpCommandOpensThePageOrSaysWhereItIs) {
  {
    RecordedShell shell;
    EXPECT_TRUE(frame()->ExecuteCommand(kCmdHelp));
    EXPECT_EQ(shell.opened, std::vector<std::string>{theApp.m_strHelpPath});
    EXPECT_TRUE(messages.ids.empty());
  }
  RecordedShell none;
  none.opens = false;
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdHelp));
  EXPECT_EQ(none.opened.size(), 1u);
  ASSERT_EQ(messages.ids, std::vector<int>{kMsgHelpNotShown});
  EXPECT_NE(messages.texts[0].find(theApp.m_strHelpPath), std::string::npos);
}

TEST_F(Help, F1InADialogOpensTheHelpAndLeavesTheDialogOpen) {
  RecordedShell shell;
  bool stillOpen = false;
  dialogs.Then([&](ui::DialogWindow& d) {
    QWidget* delay = d.Control(110);
    EXPECT_NE(delay, nullptr);
    if (delay) QTest::keyClick(delay, Qt::Key_F1);
    stillOpen = d.result() == 0;
    return ui::kIdCancel;
  });
  CBrushSetDlg dlg;
  dlg.DoModal(frame());
  EXPECT_EQ(shell.opened, std::vector<std::string>{theApp.m_strHelpPath});
  EXPECT_TRUE(stillOpen);
}

}  // namespace
}  // namespace tmb::test
