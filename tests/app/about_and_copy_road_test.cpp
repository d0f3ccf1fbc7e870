// The dialogs the Help and Edit menus open that only tell or choose: the about box with
// its one button below the version, and the copy between the windows named as its item.
#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>

#include "app/app_fixture.h"
#include "app/dialogs/setting_dialogs.h"
#include "support/ui/menu_path.h"

namespace tmb::test {
namespace {

using AboutAndCopyRoad = ShownAppTest;

TEST_F(AboutAndCopyRoad, TheAboutBoxShowsTheVersionAboveItsOneButton) {
  bool checked = false;
  dialogs.Then([&checked](ui::DialogWindow& d) {
    d.show();
    QCoreApplication::processEvents();
    auto* version = qobject_cast<QLabel*>(d.Control(CAboutDlg::kVersionText));
    QWidget* ok = d.Control(ui::kIdOk);
    QWidget* cancel = d.Control(ui::kIdCancel);
    EXPECT_TRUE(version && ok && cancel);
    if (version && ok && cancel) {
      EXPECT_TRUE(version->text().startsWith(QStringLiteral("Tamberi  ")));
      EXPECT_TRUE(ok->isVisible());
      EXPECT_FALSE(cancel->isVisible());
      EXPECT_LT(version->mapTo(&d, QPoint(0, version->height())).y(), ok->mapTo(&d, QPoint(0, 0)).y());
      checked = true;
    }
    d.hide();
    return ScriptedDialogs::PressOk(d);
  });
  ASSERT_TRUE(ChooseMenuItem(bar(), {"帮助", "关于 Tamberi"}));
  EXPECT_TRUE(checked);
  EXPECT_EQ(dialogs.shown, std::vector<int>{322});
}

TEST_F(AboutAndCopyRoad, TheCopyBetweenTheWindowsIsNamedAsItsItem) {
  QStringList titles;
  for (int k = 0; k < 2; ++k) {
    dialogs.Then([&titles](ui::DialogWindow& d) {
      titles << d.windowTitle();
      return ui::kIdCancel;
    });
  }
  ASSERT_TRUE(ChooseMenuItem(bar(), {"编辑", "窗口间复制", "A→B"}));
  ASSERT_TRUE(ChooseMenuItem(bar(), {"编辑", "窗口间复制", "B→A"}));
  EXPECT_EQ(titles, (QStringList{QStringLiteral("窗口间复制 A→B"), QStringLiteral("窗口间复制 B→A")}));
  // The standard settings keep their own name.
  dialogs.Then([&titles](ui::DialogWindow& d) {
    titles << d.windowTitle();
    return ui::kIdCancel;
  });
  ASSERT_TRUE(ChooseMenuItem(bar(), {"设置", "標準設定"}));
  EXPECT_EQ(titles.last(), QStringLiteral("标准设置"));
}

}  // namespace
}  // namespace tmb::test
