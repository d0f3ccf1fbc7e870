// The dialogs the Help, Edit and Settings menus open that only tell or choose: the about
// box with its one button below the version, and the standard settings, under their own
// caption with their source offered whichever item opens them, which for a copy between
// the windows once accepted bring the target window in front under a refreshed main title.
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

// The standard settings, the copies between the windows included, keep the caption of
// their own and offer their source of settings: only the choice of what to save or load,
// which no item opens, takes another caption and greys the source.
TEST_F(AboutAndCopyRoad, TheStandardSettingsKeepTheirCaptionAndSourceWhicheverItemOpensThem) {
  constexpr int kSourceControls[] = {252, 470, 471};  // "设置值", "启动时使用的设置文件", "默认值"
  const std::initializer_list<const char*> items[] = {
      {"设置", "標準設定"}, {"编辑", "窗口间复制", "A→B"}, {"编辑", "窗口间复制", "B→A"}};
  for (const auto& item : items) {
    SCOPED_TRACE(*(item.end() - 1));
    QString title;
    std::vector<bool> enabled;
    dialogs.Then([&](ui::DialogWindow& d) {
      title = d.windowTitle();
      for (int id : kSourceControls) enabled.push_back(d.Control(id) && d.Control(id)->isEnabled());
      return ui::kIdCancel;
    });
    ASSERT_TRUE(ChooseMenuItem(bar(), item));
    EXPECT_EQ(dialogs.shown.back(), 194);
    EXPECT_EQ(title, QStringLiteral("标准设置"));
    EXPECT_EQ(enabled, std::vector<bool>(3, true));
  }
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

}  // namespace
}  // namespace tmb::test
