// The dialogs the Help and Edit menus open that only tell or choose: the about box with
// its one button below the version, and the copy between the windows named as its item,
// which once accepted brings the target window in front under a refreshed main title.
#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>

#include "app/app_fixture.h"
#include "app/dialogs/setting_dialogs.h"
#include "app/kind_lookup.h"
#include "core/state/draw_state.h"
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

TEST_F(AboutAndCopyRoad, AnAcceptedCopyBringsTheTargetWindowInFrontWithTheMainTitleRefreshed) {
  gDrawState.m_szCharFilePath = "/data/pair.wdf";
  struct Case {
    bool accept;
    QString title;  // the main window's title right after the command
  } cases[] = {{false, QStringLiteral("stale")}, {true, QStringLiteral("Tamberi - pair.wdf")}};
  for (const Case& c : cases) {
    // The title goes stale while the dialog is up; only the copy's own refresh, not a
    // later paint, can mend it before the command returns.
    dialogs.Then([&c, this](ui::DialogWindow& d) {
      frame()->setWindowTitle(QStringLiteral("stale"));
      if (!c.accept) return ui::kIdCancel;
      ScriptedDialogs::Check(d, 176, true);  // the brush settings
      return ScriptedDialogs::PressOk(d);
    });
    ASSERT_TRUE(ChooseMenuItem(bar(), {"编辑", "窗口间复制", "A→B"}));
    EXPECT_EQ(frame()->windowTitle(), c.title) << c.accept;
    EXPECT_EQ(gDrawState.m_nCurDrawKind, c.accept ? kKindDrawB : kKindDrawA) << c.accept;
  }
  EXPECT_EQ(frame()->GetActiveViewKind(), kKindDrawB);
}

// A copy takes its values from the other window: the source of the standard settings (the
// start-up file or the defaults) stands greyed, and the standard settings offer it.
TEST_F(AboutAndCopyRoad, TheCopyBetweenTheWindowsOffersNoSourceOfSettings) {
  constexpr int kSourceControls[] = {252, 470, 471};  // "设置值", "启动时使用的设置文件", "默认值"
  struct Case {
    std::initializer_list<const char*> item;
    bool sourceEnabled;
  } cases[] = {{{"编辑", "窗口间复制", "A→B"}, false}, {{"编辑", "窗口间复制", "B→A"}, false}, {{"设置", "標準設定"}, true}};
  for (const Case& c : cases) {
    std::vector<bool> enabled;
    dialogs.Then([&enabled, &kSourceControls](ui::DialogWindow& d) {
      for (int id : kSourceControls) enabled.push_back(d.Control(id) && d.Control(id)->isEnabled());
      return ui::kIdCancel;
    });
    ASSERT_TRUE(ChooseMenuItem(bar(), c.item));
    EXPECT_EQ(enabled, std::vector<bool>(3, c.sourceEnabled)) << *(c.item.end() - 1);
  }
}

}  // namespace
}  // namespace tmb::test
