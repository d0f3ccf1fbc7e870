// Every item of the menus, toolbar and keys of the main window, tried in the states a user
// meets: each is enabled and runs its handler. Dialogs, choosers and questions are
// cancelled; the idle update pass never beeps and the main window stays open. With a
// real character in both windows, every item (right-click items too) runs without a
// beep, every dialog and floating window fits a 1,024 x 768 screen, and every floating
// window it leaves closes with Escape.
#include <QAction>
#include <QApplication>
#include <QTest>
#include <set>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "resources/accelerators.h"
#include "resources/command_ids.h"
#include "resources/menus.h"
#include "resources/toolbars.h"
#include "core/file/file_select.h"
#include "export/sheet/ani_sheet_frame.h"
#include "support/recorded_character.h"
#include "support/recorded_character_file.h"
#include "support/temp_dir.h"

namespace tmb::test {
namespace {

// The toolbar button that carries no command at all.
constexpr int kButtonWithoutCommand = 32834;

std::set<int> EveryCommandOfMenusToolbarAndKeys() {
  std::set<int> ids;
  for (int menu : {kMenuMain, kMenuCharacter}) {
    for (const MenuLine& line : FindMenuResource(menu)) {
      if (line.id > 0) ids.insert(line.id);
    }
  }
  for (const ToolbarButton& button : MainToolbar()) {
    if (button.id > 0) ids.insert(button.id);
  }
  for (const Accelerator& key : MainAccelerators()) ids.insert(key.id);
  return ids;
}

enum class Walk { kACurrent, kBCurrent, kBClosed, kEditorActive };

class FrameCommandWalk : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
    ShowAndPaint();
  }

  void Enter(Walk walk) {
    if (walk == Walk::kBClosed && FrameOfKind(kKindDrawB)) {
      FrameOfKind(kKindDrawB)->close();
      FlushDeletes();
    }
    frame()->ActivateViewOfKind(walk == Walk::kBCurrent ? kKindDrawB : kKindDrawA, 0);
    // The sheet commands choose their window themselves; the window already in front
    // does not choose it back.
    gDrawState.m_nCurDrawKind = walk == Walk::kBCurrent ? kKindDrawB : kKindDrawA;
    if (walk == Walk::kEditorActive) frame()->ActivateViewOfKind(kKindImageEditor, 0);
    // What the conditional items wait for: a file to save to, something to undo, views
    // that have painted once, no registration panel, and a frame with a saved part.
    CTmbDocument* doc = GetCharDocumentOfKind(kKindCurrentDraw);
    ASSERT_TRUE(doc);
    doc->engine().m_bHasPath = 1;
    gDrawState.m_szCharFilePath = (dir / "walk.wdf").string();
    // Pictures the commands save (the comparison sheets) go to the test's folder.
    for (int kind : {kKindDrawA, kKindDrawB}) {
      if (CTmbDocument* d = GetCharDocumentOfKind(kind)) d->DrawnRecord()->m_text[kTextFolder] = dir.path().string();
    }
    doc->engine().SaveUndoCopy();
    gDrawState.m_bViewsReady = 1;
    gDrawState.m_toolPanel.m_bShown = 0;
    // The frame commands wait for an edit rectangle and a part saved from it; the
    // registration's folders go to the test's folder.
    CEditRegions& regions = doc->engine().m_char.m_regions.m_list;
    regions.m_rects[0] = {0, 0, 100, 100};
    regions.m_nCount = 1;
    regions.m_nCurrent = 0;
    doc->engine().m_char.m_nFrameEnd = 1;
    gDrawState.m_szUserFolder = dir.path().string();
  }

  TempDir dir;
};

TEST_F(FrameCommandWalk, EachItemRunsOrIsHeldBackInEveryState) {
  QPointer<CMainFrame> main = frame();
  const std::set<int> ids = EveryCommandOfMenusToolbarAndKeys();
  ASSERT_GT(ids.size(), 150u);
  for (Walk walk : {Walk::kACurrent, Walk::kBCurrent, Walk::kBClosed, Walk::kEditorActive}) {
    const int state = static_cast<int>(walk);
    for (int id : ids) {
      if (id == kCmdFileExit) continue;  // tested apart
      Enter(walk);
      ASSERT_EQ(gDrawState.ResolveKind(kKindCurrentDraw), walk == Walk::kBCurrent ? kKindDrawB : kKindDrawA);
      const int beeps = messages.beeps;
      main->UpdateAllActions();
      EXPECT_EQ(messages.beeps, beeps) << "the update pass beeped, state " << state << ", id " << id;
      const bool enabled = main->QueryCommand(id).enabled();
      if (id == kButtonWithoutCommand) {
        EXPECT_FALSE(enabled) << "state " << state << ", id " << id;
        EXPECT_FALSE(main->ExecuteCommand(id)) << "state " << state << ", id " << id;
      } else {
        EXPECT_TRUE(enabled) << "state " << state << ", id " << id;
        EXPECT_TRUE(main->ExecuteCommand(id)) << "state " << state << ", id " << id;
      }
      ASSERT_FALSE(main.isNull()) << "state " << state << ", id " << id;
      ASSERT_TRUE(main->isVisible()) << "state " << state << ", id " << id;
    }
  }
  // Our own keys are bound whatever the desktop's standard keys are.
  for (const Accelerator& key : MainAccelerators()) {
    if (key.key != StandardKey::kNone) continue;
    QAction* action = main->ActionOf(key.id);
    ASSERT_TRUE(action) << key.id;
    EXPECT_EQ(action->shortcut(), QKeySequence::fromString(QString::fromUtf8(key.keys))) << key.id;
  }
}

// The commands of the drawing views' right-click menus.
std::set<int> EveryCommandOfTheViewPopups() {
  std::set<int> ids;
  for (const MenuLine& line : FindMenuResource(kMenuViewPopups)) {
    if (line.id > 0) ids.insert(line.id);
  }
  return ids;
}

// The height of a screen of 1,024 x 768 that every window must fit.
constexpr int kScreenHeight = 768;

class RealCharacterWalk : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    // The recorded character in window A and, read from the same file, in window B.
    path = (dir / "walk.wdf").string();
    ASSERT_TRUE(WriteRecordedCharacterFile(path));
    ASSERT_TRUE(Start());
    ShowAndPaint();
    // Every modal dialog is looked at on the screen before it is cancelled.
    dialogs.onShown = [this](ui::DialogWindow& d) {
      d.show();
      QCoreApplication::processEvents();
      if (d.frameGeometry().height() > kScreenHeight) tall.push_back(d.templateId());
      d.hide();
    };
  }
  void TearDown() override {
    dialogs.onShown = nullptr;
    AppTest::TearDown();
  }
  // The character opened into both windows, with a frame set around a part of it.
  void LoadCharacters() {
    const int mode = gFileSelect.m_nMode;
    for (int choice : {kSelectAtoA, kSelectAtoB}) {
      gFileSelect.m_nMode = choice;
      ASSERT_EQ(GetCharDocumentOfKind(kKindDrawA)->engine().LoadFile(path, 0), 1);
    }
    gFileSelect.m_nMode = mode;
    gDrawState.m_szUserFolder = dir.path().string();
    for (int kind : {kKindDrawA, kKindDrawB}) {
      CCharDataFull& rec = *GetCharDocumentOfKind(kind)->DrawnRecord();
      ASSERT_EQ(rec.m_nPoints, kRecordedStrokeCount * kRecordedPointsPerStroke);
      // What the commands write (comparison sheets, animation pages) goes to the test's
      // folder.
      rec.m_text[kTextFolder] = dir.path().string();
      CEditRegions& frames = rec.m_regions.m_list;
      frames.m_rects[0] = {40, 40, 240, 240};
      frames.m_nCount = 1;
      frames.m_nCurrent = 0;
    }
  }
  // The floating windows shown now (sheets, boxes, the editor's own windows).
  std::vector<QWidget*> FloatingWindows() const {
    std::vector<QWidget*> shown;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w != frame() && w->isVisible() && !qobject_cast<QMenu*>(w)) shown.push_back(w);
    }
    return shown;
  }

  TempDir dir;
  std::string path;
  std::vector<int> tall;  // the dialogs taller than the screen
};

TEST_F(RealCharacterWalk, EveryItemRunsWithoutABeepAndEveryWindowFitsTheScreenAndCloses) {
  QPointer<CMainFrame> main = frame();
  std::set<int> ids = EveryCommandOfMenusToolbarAndKeys();
  for (int id : EveryCommandOfTheViewPopups()) ids.insert(id);
  int run = 0;
  std::vector<int> held;
  for (int id : ids) {
    // Exit is tested apart; the button without a command does nothing.
    if (id == kCmdFileExit || id == kButtonWithoutCommand) continue;
    SCOPED_TRACE(id);
    frame()->ActivateViewOfKind(kKindDrawA, 0);
    gDrawState.m_nCurDrawKind = kKindDrawA;
    LoadCharacters();
    main->UpdateAllActions();
    const int beeps = messages.beeps;
    tall.clear();
    if (main->QueryCommand(id).enabled()) {
      EXPECT_TRUE(main->ExecuteCommand(id));
      ++run;
    } else {
      held.push_back(id);
    }
    ASSERT_FALSE(main.isNull());
    ASSERT_TRUE(main->isVisible());
    EXPECT_EQ(messages.beeps, beeps) << "a beep";
    EXPECT_TRUE(tall.empty()) << "dialog " << (tall.empty() ? 0 : tall.front()) << " is taller than the screen";
    QCoreApplication::processEvents();
    for (QWidget* window : FloatingWindows()) {
      const std::string name = window->objectName().toStdString();
      // The animation sheet's own tests see to its pages' heights.
      if (!qobject_cast<CAniSheetFrame*>(window)) {
        EXPECT_LE(window->frameGeometry().height(), kScreenHeight) << name << " is taller than the screen";
      }
      QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
      QTest::keyClick(focus, Qt::Key_Escape);
      EXPECT_FALSE(window->isVisible()) << name << " stays after Escape";
      window->close();
    }
  }
  // Only the moves of a frame's saved part wait, for a part to be saved first.
  EXPECT_EQ(held, (std::vector<int>{32993, 32994}));
  EXPECT_GT(run, 150);
}

TEST_F(FrameCommandWalk, ExitClosesTheMainWindow) {
  QPointer<CMainFrame> main = frame();
  EXPECT_TRUE(main->ExecuteCommand(kCmdFileExit));
  FlushDeletes();
  EXPECT_TRUE(main.isNull());
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
