// Every item of the menus, toolbar and keys of the main window, tried in the states a user
// meets: each is enabled and runs its handler. Dialogs, choosers and questions are
// cancelled; the idle update pass never beeps and the main window stays open. On a screen
// of 1,024 x 768, with a real character in both windows and window A or B current, every
// item of the menu bar (popups and the style menus built as they open), of the drawing
// view's right-click menus in each of its modes, of the image editor's menu bar and of the
// preview's right-click menu, and every toolbar button, is chosen as a user chooses it:
// none beeps (the update pass neither), every dialog (with the dialogs its buttons open)
// and every floating window, each tab of a sheet shown, lies on the screen with its
// sliders and arrows beside their edits, no dialog stays open, and every floating window
// left closes with Escape.
#include <QAction>
#include <QApplication>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <map>
#include <optional>
#include <set>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "resources/accelerators.h"
#include "resources/command_ids.h"
#include "resources/menus.h"
#include "resources/toolbars.h"
#include "core/file/file_select.h"
#include "support/recorded_character.h"
#include "support/recorded_character_file.h"
#include "support/temp_dir.h"
#include "support/manual_clock.h"
#include "support/ui/control_placement.h"
#include "support/ui/menu_walk.h"
#include "support/ui/pen_events.h"
#include "imageedit/view/bmp_view_window.h"
#include "support/ui/toolbar_button.h"
#include "views/pre_view.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"
#include "views/view_params.h"
#include "platform/ui/binding_form.h"

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
      DestroyDrawingFrame(kKindDrawB);
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

// A screen of 1,024 x 768 that every dialog and floating window must fit, with room for
// the title bar the desktop adds.
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;
constexpr int kTitleBar = 40;

// Items the walk leaves out, each with its reason.
const std::map<int, const char*> kSkipped = {
    {kCmdFileExit, "ends the program: tested apart"},
};
// Items held back in the walk's state, each with what it waits for; every other item is
// enabled.
const std::map<std::string, const char*> kWaiting = {
    {"menu bar: 编辑 > 书写顺序 > 书写顺序的更改:将确保文字接续到主框内文字的后面", "a part saved from the frame"},
    {"menu bar: 编辑 > 书写顺序 > 书写顺序的更改:将确保文字设置到全体的最开头", "a part saved from the frame"},
    {"edit popup: 书写顺序的更改:将确保文字接续到主框内文字的后面", "a part saved from the frame"},
    {"edit popup: 书写顺序的更改:将确保文字设置到全体的最开头", "a part saved from the frame"},
    {"editor menu bar: 画像編集 > 元に戻す", "an edit of the picture to undo"},
};

// Push buttons of dialogs that the walk does not press to reach a dialog behind them.
const std::map<std::pair<int, int>, const char*> kButtonsNotPressed = {
    {{313, 661}, "overwrites the text file the dictionary last read or wrote"},
    {{313, 410}, "registers the characters of the text typed: the walk types none, and nothing registered beeps"},
};

// What the drawing view is doing when it is right-clicked.
enum class Scene { kDrawing, kEditing, kConverted };

class RealCharacterWalk : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    // The program measures the screen itself, as it does on the user's desktop.
    theApp.SetScreenMetrics(std::nullopt);
    ASSERT_EQ(QGuiApplication::primaryScreen()->geometry(), QRect(0, 0, kScreenWidth, kScreenHeight));
    // The recorded character in window A and, read from the same file, in window B.
    path = (dir / "walk.wdf").string();
    ASSERT_TRUE(WriteRecordedCharacterFile(path));
    ASSERT_TRUE(Start());
    ShowAndPaint();
    main = frame();
    // Every modal dialog is looked at on the screen; the push buttons of a first one are
    // pressed, so that the dialogs they open are looked at too (and cancelled).
    dialogs.onShown = [this](ui::DialogWindow& d) { LookAt(d); };
  }
  void TearDown() override {
    dialogs.onShown = nullptr;
    AppTest::TearDown();
  }

  void LookAt(ui::DialogWindow& d) {
    ++depth;
    if (depth > 1) ++nested;
    d.show();
    QCoreApplication::processEvents();
    const std::string name = "dialog " + std::to_string(d.templateId());
    CheckFits(d, name);
    CheckPlacement(d, name);
    if (depth == 1 && d.form()) {
      for (const ui::Binding& b : d.form()->table()) {
        if (b.kind != ui::BindKind::kPush || kButtonsNotPressed.count({d.templateId(), b.id})) continue;
        auto* button = qobject_cast<QAbstractButton*>(d.Control(b.id));
        if (!button || !button->isVisible() || !button->isEnabled()) continue;
        button->click();
        QCoreApplication::processEvents();
      }
    }
    d.hide();
    --depth;
  }
  void CheckFits(QWidget* w, const std::string& name) {
    const QRect r = w->frameGeometry();
    EXPECT_TRUE(QGuiApplication::primaryScreen()->geometry().contains(r))
        << name << " at " << r.x() << "," << r.y() << " sized " << r.width() << " x " << r.height()
        << " reaches past the screen";
    EXPECT_LE(r.height() + kTitleBar, kScreenHeight) << name << " leaves no room for its title bar";
  }
  void CheckFits(QWidget& w, const std::string& name) { CheckFits(&w, name); }
  // The sliders and arrows of every form shown in window stand beside their edits.
  static void CheckPlacement(const QWidget& window, const std::string& name) {
    for (const std::string& fault : MisplacedInWindow(window, name)) ADD_FAILURE() << fault;
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
  // Both characters loaded afresh, window kind current and in front, its view doing
  // what scene says.
  void Prepare(int kind, Scene scene = Scene::kDrawing) {
    // The registration panel an item showed is put away as its menu item does.
    if (gDrawState.m_toolPanel.m_bShown) CTmbView::ViewOfKind(kKindDrawA)->ToggleRegistration();
    for (int k : {kKindDrawA, kKindDrawB}) {
      if (CTmbView* v = CTmbView::ViewOfKind(k)) v->SetEditMode(CTmbView::kModeDraw);
    }
    main->ActivateViewOfKind(kind, 0);
    gDrawState.m_nCurDrawKind = kind;
    // The copy of the first character into the image editor an item switched on is
    // switched off again as its menu item does.
    if (QAction* copy = MenuItem(main->menuBar(), {"设置", "最初の文字を画像ウィンドウへ"}); copy && copy->isChecked()) {
      copy->trigger();
    }
    LoadCharacters();
    CTmbView* view = CTmbView::ViewOfKind(kind);
    ASSERT_TRUE(view);
    if (scene == Scene::kEditing) view->SetEditMode(CTmbView::kModeEdit);
    if (scene == Scene::kConverted) GetCharDocumentOfKind(kind)->DrawnRecord()->m_param[kParamDisplayMode] = 1;
  }
  // After one item: the main window is there, nothing beeped since beeps, no dialog
  // stays open, and every floating window fits the screen with each of its tabs and
  // closes with Escape.
  void CheckAfter(const std::string& what, int beeps) {
    SCOPED_TRACE(what);
    ASSERT_FALSE(main.isNull());
    ASSERT_TRUE(main->isVisible());
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "a dialog stays open";
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (window == main || !window->isVisible() || qobject_cast<QMenu*>(window)) continue;
      const std::string name = WindowName(*window);
      CheckFits(window, name);
      CheckPlacement(*window, name);
      ClickEachTab(*window, name, [&](const std::string& page) {
        CheckFits(window, page);
        CheckPlacement(*window, page);
      });
      QWidget* focus = window->focusWidget() ? window->focusWidget() : window;
      QTest::keyClick(focus, Qt::Key_Escape);
      EXPECT_FALSE(window->isVisible()) << name << " stays after Escape";
      window->close();
    }
    EXPECT_EQ(messages.beeps, beeps) << "a beep";
    ++run;
  }
  // Each of items chosen once, in a state of its own made by prepare. choose chooses
  // item as the user does and says whether it was enabled; nullopt when it is gone.
  void ChooseEach(const std::vector<MenuItemPlace>& items, const std::string& where,
                  const std::function<void()>& prepare,
                  const std::function<std::optional<bool>(const MenuItemPlace&)>& choose) {
    ASSERT_FALSE(items.empty()) << where;
    for (const MenuItemPlace& item : items) {
      if (kSkipped.count(item.id)) continue;
      const std::string what = where + ": " + item.labels;
      SCOPED_TRACE(what);
      prepare();
      const int beeps = messages.beeps;
      main->UpdateAllActions();
      const std::optional<bool> enabled = choose(item);
      ASSERT_TRUE(enabled.has_value()) << what << " is gone";
      if (!*enabled) held.push_back(what);
      CheckAfter(what, beeps);
    }
  }
  // Every item of the menu bar of the window in front.
  void WalkMenuBar(const std::function<void()>& prepare, const std::string& where) {
    prepare();
    const std::vector<MenuItemPlace> items = EveryMenuItem(main->menuBar()->actions());
    ASSERT_GT(items.size(), 20u) << where;
    ChooseEach(items, where, prepare, [&](const MenuItemPlace& item) -> std::optional<bool> {
      QAction* action = MenuItemAt(main->menuBar()->actions(), item.at);
      if (!action) return std::nullopt;
      const bool enabled = action->isEnabled();
      if (enabled) action->trigger();
      return enabled;
    });
  }
  // Every item of the popup that open() brings up, each chosen from a popup of its own.
  void WalkPopup(const std::function<void()>& prepare, const std::function<void()>& open, const std::string& where) {
    prepare();
    walked.choose.clear();
    const int shown = walked.shown;
    open();
    ASSERT_EQ(walked.shown, shown + 1) << where << ": no popup";
    const std::vector<MenuItemPlace> items = walked.items;
    ChooseEach(items, where, prepare, [&](const MenuItemPlace& item) -> std::optional<bool> {
      walked.choose = item.at;
      walked.found = false;
      open();
      if (!walked.found) return std::nullopt;
      return walked.enabled;
    });
  }
  // Every item held back waits for what kWaiting says.
  void ExpectHeldAreWaiting() const {
    for (const std::string& item : held) EXPECT_TRUE(kWaiting.count(item)) << item << " is held back";
  }
  // The right button pressed and released on the drawing view of kind.
  static void RightClickView(int kind) {
    QWidget* viewport = CTmbView::ViewOfKind(kind)->area()->viewport();
    QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(120, 120));
    QTest::mouseRelease(viewport, Qt::RightButton, {}, QPoint(120, 120));
  }

  TempDir dir;
  ManualClock clock;
  std::string path;
  QPointer<CMainFrame> main;
  WalkedPopups walked;
  int depth = 0;                               // of the dialog looked at
  int nested = 0;                              // dialogs reached from a dialog
  std::vector<std::string> held;               // items found disabled
  int run = 0;
};

class RealCharacterWalkOfWindow : public RealCharacterWalk, public ::testing::WithParamInterface<int> {};

TEST_P(RealCharacterWalkOfWindow, EveryMenuPopupAndButtonItemRunsWithoutABeepAndEveryWindowFitsAndCloses) {
  const int kind = GetParam();
  auto prepare = [&] { Prepare(kind); };
  WalkMenuBar(prepare, "menu bar");
  const struct {
    Scene scene;
    const char* where;
  } scenes[] = {{Scene::kDrawing, "drawing popup"}, {Scene::kEditing, "edit popup"}, {Scene::kConverted, "converted popup"}};
  for (const auto& [scene, where] : scenes) {
    WalkPopup([&, scene = scene] { Prepare(kind, scene); }, [&] { RightClickView(kind); }, where);
  }
  // Every button of the toolbar, clicked; the one that pops a menu up has its items
  // walked as well.
  prepare();
  main->UpdateAllActions();
  QToolBar* toolbar = main->toolBar();
  std::vector<int> buttons;
  for (QAction* a : toolbar->actions()) {
    if (!a->isSeparator() && a->isVisible()) buttons.push_back(a->data().toInt());
  }
  ASSERT_GT(buttons.size(), 15u);
  for (int id : buttons) {
    SCOPED_TRACE(id);
    prepare();
    const int beeps = messages.beeps;
    main->UpdateAllActions();
    QToolButton* button = ButtonOfCommand(toolbar, id);
    ASSERT_TRUE(button);
    const int shown = walked.shown;
    if (button->isEnabled()) {
      QTest::mouseClick(button, Qt::LeftButton);
    } else if (id != kButtonWithoutCommand) {
      held.push_back("toolbar: " + std::to_string(id));
    }
    CheckAfter("toolbar: " + std::to_string(id), beeps);
    if (walked.shown != shown) {
      WalkPopup(prepare, [&] { QTest::mouseClick(ButtonOfCommand(toolbar, id), Qt::LeftButton); },
                "toolbar " + std::to_string(id) + " popup");
    }
  }
  ExpectHeldAreWaiting();
  EXPECT_GT(run, 200);
  EXPECT_GT(nested, 0) << "no dialog was reached from a dialog";
}

INSTANTIATE_TEST_SUITE_P(WindowAOrBCurrent, RealCharacterWalkOfWindow, ::testing::Values(kKindDrawA, kKindDrawB),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return info.param == kKindDrawA ? std::string("A") : std::string("B");
                         });

TEST_F(RealCharacterWalk, TheImageEditorsMenuItemsRunWithoutABeepAndItsWindowsFitAndClose) {
  WalkMenuBar(
      [&] {
        // The preview open, for the items that take its picture.
        Prepare(kKindDrawA);
        main->ActivateViewOfKind(kKindPreview, 0);
        main->ActivateViewOfKind(kKindImageEditor, 0);
        QCoreApplication::processEvents();
        ASSERT_EQ(main->GetActiveViewKind(), kKindImageEditor);
        // A region dragged out and copied, for the items that work on them.
        if (!ChooseMenuItem(main->menuBar(), {"画像編集", "コピー"})) {
          // A picture pasted before is set down with a click first.
          PenEvents mouse(CBmpViewWindow::Instance()->viewport(), clock);
          mouse.Stroke({{300, 300}});
          ChooseMenuItem(main->menuBar(), {"画像編集", "領域枠の消去"});
          mouse.Stroke({{60, 60}, {120, 120}, {180, 180}});
          ASSERT_TRUE(ChooseMenuItem(main->menuBar(), {"画像編集", "コピー"}));
        }
      },
      "editor menu bar");
  ExpectHeldAreWaiting();
}

TEST_F(RealCharacterWalk, ThePreviewsRightClickItemsRunWithoutABeep) {
  auto prepare = [&] {
    Prepare(kKindDrawA);
    main->ActivateViewOfKind(kKindPreview, 0);
    QCoreApplication::processEvents();
    ASSERT_EQ(main->GetActiveViewKind(), kKindPreview);
  };
  // The preview runs its menu itself: the walk takes it once it is on the screen.
  auto open = [&] {
    QTimer::singleShot(0, [&] {
      if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) walked.Walk(*menu);
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
      while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    });
    guard.start(2000);
    QWidget* viewport = CPre_View::Instance()->area()->viewport();
    QTest::mousePress(viewport, Qt::RightButton, {}, QPoint(60, 60));
    QTest::mouseRelease(viewport, Qt::RightButton, {}, QPoint(60, 60));
  };
  WalkPopup(prepare, open, "preview popup");
  ExpectHeldAreWaiting();
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
