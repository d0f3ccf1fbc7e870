// The text-outline tab of a window's shape sheet in the running application: the font
// page its button opens acts on the sheet's own window, the temporary store files that
// its options release among them; and the sheet, grown for the tab, stays on a screen of
// 1,024 x 768.
#include <QAbstractButton>
#include <QScreen>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <optional>

#include "app/app_fixture.h"
#include "app/dialogs/font_mode_dialogs.h"
#include "app/dialogs/font_page.h"
#include "app/kind_lookup.h"
#include "app/sheets/outlines_dlg.h"
#include "app/sheets/shape_sheet.h"
#include "app/sheets/shape_sheet_tabs.h"
#include "app/tmb_document.h"
#include "core/document/tmb_doc.h"
#include "support/read_only_folder.h"
#include "support/store_folder.h"
#include "support/ui/menu_path.h"

namespace tmb::test {
namespace {

namespace fs = std::filesystem;

// The four files of temporary store set n.
std::vector<std::string> TempSetFiles(int n) {
  std::vector<std::string> names;
  for (const char* store : {"fontdata", "picdata"}) {
    for (const char* ext : {".idx", ".dat"}) names.push_back(std::string(store) + "_tmp" + std::to_string(n) + ext);
  }
  return names;
}

class TextOutlineTab : public ShownAppTest {
 protected:
  void SetUp() override {
    ShownAppTest::SetUp();
    // The store of the user's data folder, for this test alone, holding what files read
    // into windows A and B left in their temporary sets.
    store.emplace();
    for (int set : {1, 2}) {
      for (const std::string& name : TempSetFiles(set)) std::ofstream(*store / name) << "set " << set;
    }
  }
  void TearDown() override {
    store.reset();
    ShownAppTest::TearDown();
  }
  static CTmbDoc& Doc(int kind) { return GetCharDocumentOfKind(kind)->engine(); }
  static void Click(QWidget* button) { qobject_cast<QAbstractButton*>(button)->click(); }
  // Answers the next font page: its options, released with "解除"; the page itself
  // cancelled.
  void ReleaseFromTheFontPage() {
    dialogs.Then([](ui::DialogWindow& d) {
      Click(d.findChild<QAbstractButton*>(QStringLiteral("ctl%1").arg(CFontPage::kOption)));
      return ui::kIdCancel;
    });
    dialogs.Then([](ui::DialogWindow& d) {
      ScriptedDialogs::Click(d, CFontModeOptionDlg::kRelease);
      return d.result() == QDialog::Accepted ? ui::kIdOk : 0;
    });
  }

  std::optional<ScopedStoreFolder> store;
};

TEST_F(TextOutlineTab, TheFontPageOfBsSheetReleasesBsTemporaryStoreAndAsksBsDocumentForTheLayout) {
  const int stateA = Doc(kKindDrawA).m_nFontModeState;
  Doc(kKindDrawB).m_nFontModeState = 0;
  COutlinesDlg* page = OpenOutlineTab(kKindDrawB);
  ASSERT_TRUE(page);
  ReleaseFromTheFontPage();
  Click(page->Control(COutlinesDlg::kFontPageButton));
  ASSERT_EQ(dialogs.shown, (std::vector<int>{275, 284}));
  for (const std::string& name : TempSetFiles(2)) EXPECT_FALSE(fs::exists(*store / name)) << name;
  for (const std::string& name : TempSetFiles(1)) EXPECT_TRUE(fs::exists(*store / name)) << name;
  EXPECT_EQ(Doc(kKindDrawB).m_nFontModeState, kFontModeRelayout);
  EXPECT_EQ(Doc(kKindDrawA).m_nFontModeState, stateA);

  // OK on the font page asks B's document again, and A's still not.
  dialogs.Then(ScriptedDialogs::PressOk);
  Click(page->Control(COutlinesDlg::kFontPageButton));
  EXPECT_EQ(Doc(kKindDrawB).m_nFontModeState, kFontModeRelayout);
  EXPECT_EQ(Doc(kKindDrawA).m_nFontModeState, stateA);
  EXPECT_TRUE(messages.ids.empty());
}

// A store folder the program may not write keeps B's set: the user is told so, and
// nothing of the set is lost.
TEST_F(TextOutlineTab, AReleaseTheStoreRefusesIsToldAndKeepsTheSet) {
  constexpr int kMsgStoreNotReleased = 61523;
  COutlinesDlg* page = OpenOutlineTab(kKindDrawB);
  ASSERT_TRUE(page);
  ReleaseFromTheFontPage();
  {
    ReadOnlyFolder readOnly(store->path());
    if (!readOnly.refusing()) GTEST_SKIP() << "the store folder cannot be made read-only here";
    Click(page->Control(COutlinesDlg::kFontPageButton));
  }
  ASSERT_EQ(dialogs.shown, (std::vector<int>{275, 284}));
  EXPECT_EQ(messages.ids, std::vector<int>{kMsgStoreNotReleased});
  ASSERT_FALSE(messages.texts.empty());
  EXPECT_NE(messages.texts[0].find(store->path().string()), std::string::npos);
  for (int set : {1, 2}) {
    for (const std::string& name : TempSetFiles(set)) EXPECT_TRUE(fs::exists(*store / name)) << name;
  }
}

// The smallest screen the program is made for, which the UI tests' offscreen platform
// is given.
constexpr QSize kSmallScreen{1024, 768};

class OnA1024By768Screen : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_EQ(QGuiApplication::primaryScreen()->size(), kSmallScreen);
    // The program measures the screen it runs on.
    theApp.SetScreenMetrics(std::nullopt);
    ASSERT_TRUE(Start());
    ShowAndPaint();
  }
};

TEST_F(OnA1024By768Screen, TheShapeSheetGrownForItsTextOutlineTabKeepsItsButtonsOnTheScreen) {
  const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"形状", "形状"}));
  QCoreApplication::processEvents();
  CShapePropSheetFrame* sheetFrame = ShapeSheetFrame(kKindDrawA);
  ASSERT_TRUE(sheetFrame);
  EXPECT_TRUE(area.contains(sheetFrame->frameGeometry()));
  const int opened = sheetFrame->height();
  ASSERT_TRUE(ClickTab(*sheetFrame, kOutlineTab));
  ASSERT_TRUE(QTest::qWaitFor([&] { return sheetFrame->height() > opened; }, 1000)) << "the tab is taller";
  QCoreApplication::processEvents();

  EXPECT_TRUE(area.contains(sheetFrame->frameGeometry())) << "the sheet lies within the screen";
  COutlinesDlg* page = sheetFrame->m_pSheet->outlinesPage();
  for (int id : {ui::kIdOk, ui::kIdCancel, COutlinesDlg::kFontPageButton}) {
    QWidget* button = page->Control(id);
    ASSERT_TRUE(button && button->isVisible()) << id;
    const QRect shown(button->mapToGlobal(QPoint(0, 0)), button->size());
    EXPECT_TRUE(area.contains(shown)) << id << " lies within the screen";
  }
}

}  // namespace
}  // namespace tmb::test
