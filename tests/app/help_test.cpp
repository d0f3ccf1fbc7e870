// Help: 帮助 > 帮助 opens the help page, and says where the page is when no program opens
// it; F1 in a dialog asks for the help of the control with the focus, and the dialog stays;
// the toolbar's help button opens the help of the next window clicked.
#include <QToolBar>

#include <filesystem>
#include <fstream>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/dialogs/pen_dialogs.h"
#include "resources/command_ids.h"
#include "platform/ui/desktop_open.h"
#include "support/recorded_services.h"
#include "support/temp_dir.h"
#include "support/ui/menu_path.h"
#include "support/ui/toolbar_button.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

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

using ContextHelpButton = ShownAppTest;

// The button waits for a click: the click opens the help instead of reaching the window
// (no stroke), and the mode ends with it; Escape leaves the mode without help.
TEST_F(ContextHelpButton, TheNextClickOpensTheHelpForItAndEscapeLeaves) {
  RecordedShell shell;
  QToolButton* help = ButtonOfCommand(frame()->toolBar(), kCmdHelp);
  ASSERT_TRUE(help);
  QWidget* paper = CTmbView::ViewOfKind(kKindDrawA)->area()->viewport();
  const int points = GetCharDocumentOfKind(kKindDrawA)->DrawnRecord()->m_nPoints;

  QTest::mouseClick(help, Qt::LeftButton);
  EXPECT_TRUE(shell.opened.empty()) << "the button only waits for a window";
  QTest::mouseClick(paper, Qt::LeftButton, {}, QPoint(120, 120));
  EXPECT_EQ(shell.opened, std::vector<std::string>{theApp.m_strHelpPath});
  EXPECT_EQ(GetCharDocumentOfKind(kKindDrawA)->DrawnRecord()->m_nPoints, points) << "the click drew";

  QTest::mouseClick(paper, Qt::LeftButton, {}, QPoint(120, 120));
  EXPECT_EQ(shell.opened.size(), 1u) << "the mode ended with the help";

  QTest::mouseClick(help, Qt::LeftButton);
  QTest::keyClick(paper, Qt::Key_Escape);
  QTest::mouseClick(paper, Qt::LeftButton, {}, QPoint(120, 120));
  EXPECT_EQ(shell.opened.size(), 1u) << "Escape left the mode";
  EXPECT_TRUE(messages.ids.empty());
}

// The desktop's opener in a folder put first on the path, ending with status.
class FakeOpener {
 public:
  explicit FakeOpener(int status) : path_(qgetenv("PATH")) {
    const std::filesystem::path script = dir_ / "xdg-open";
    std::ofstream(script) << "#!/bin/sh\necho \"xdg-open: no method available for opening '$1'\" >&2\nexit " << status
                          << "\n";
    std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    qputenv("PATH", QByteArray::fromStdString(dir_.path().string()) + ":" + path_);
    SetShellOpenService(&desktop_);
  }
  ~FakeOpener() {
    SetShellOpenService(nullptr);
    qputenv("PATH", path_);
  }

 private:
  TempDir dir_;
  QByteArray path_;
  ui::DesktopOpen desktop_;
};

TEST_F(Help, AnOpenerThatFindsNoProgramIsToldWithThePagesPathFromTheMenuAndF1) {
  {
    FakeOpener failing(3);
    ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"帮助", "帮助"}));
    ASSERT_EQ(messages.ids, std::vector<int>{kMsgHelpNotShown});
    EXPECT_NE(messages.texts[0].find(theApp.m_strHelpPath), std::string::npos);
    frame()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame()));
    frame()->UpdateAllActions();
    QTest::keyClick(frame(), Qt::Key_F1);
    EXPECT_EQ(messages.ids, (std::vector<int>{kMsgHelpNotShown, kMsgHelpNotShown}));
  }
  FakeOpener opening(0);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"帮助", "帮助"}));
  EXPECT_EQ(messages.ids.size(), 2u);
}

}  // namespace
}  // namespace tmb::test
