// Every item of the menus, toolbar and keys of the main window, tried in the states a user
// meets: each is enabled and runs its handler. Dialogs, choosers and questions are
// cancelled; the idle update pass never beeps and the main window stays open.
#include <QAction>
#include <set>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "resources/accelerators.h"
#include "resources/command_ids.h"
#include "resources/menus.h"
#include "resources/toolbars.h"
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

TEST_F(FrameCommandWalk, ExitClosesTheMainWindow) {
  QPointer<CMainFrame> main = frame();
  EXPECT_TRUE(main->ExecuteCommand(kCmdFileExit));
  FlushDeletes();
  EXPECT_TRUE(main.isNull());
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
