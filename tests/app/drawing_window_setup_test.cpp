// How a drawing window starts and takes a loaded file: no road of the user's closes it, and a
// file of the old brush layout takes the style chosen in the style menus in every window,
// opened from the File menu as a user opens it.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMenu>
#include <QPointer>
#include <QStyle>
#include <functional>
#include <string>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "core/record/param_defaults.h"
#include "core/file/char_block_convert.h"
#include "resources/command_ids.h"
#include "support/file_bytes.h"
#include "support/recorded_character_file.h"
#include "support/temp_dir.h"
#include "support/ui/menu_path.h"
#include "support/ui/title_bar.h"
#include "support/wdf_builder.h"
#include "views/tmb_view.h"

namespace tmb::test {
namespace {

// The command of the first entry of the style menus.
constexpr int kFirstStyleOfTheMenus = 1000;

using DrawingWindowSetup = AppTest;

TEST_F(DrawingWindowSetup, NoRoadOfTheUsersClosesADrawingWindowAndAWindowAWhoseFrameIsGoneOpensAgain) {
  ASSERT_TRUE(Start());
  ShowAndPaint();
  QMenuBar* bar = frame()->menuBar();
  const struct Road {
    const char* name;
    bool maximised;
    std::function<void(QMdiSubWindow&)> take;
  } roads[] = {
      {"the close button", false,
       [](QMdiSubWindow& f) { ClickAt(&f, TitleBarPart(f, QStyle::SC_TitleBarCloseButton), false); }},
      {"a double click on the menu icon", false,
       [](QMdiSubWindow& f) { ClickAt(&f, TitleBarPart(f, QStyle::SC_TitleBarSysMenu), true); }},
      {"the window menu's close", false,
       [](QMdiSubWindow& f) {
         for (QAction* a : f.systemMenu()->actions()) {
           if (a->isEnabled() && a->shortcut() == QKeySequence(QKeySequence::Close)) a->trigger();
         }
       }},
      {"Ctrl+F4", false, [](QMdiSubWindow& f) { QTest::keyClick(f.widget(), Qt::Key_F4, Qt::ControlModifier); }},
      // Maximised, the window's icon and buttons move into the menu bar.
      {"the menu bar's close button", true,
       [bar](QMdiSubWindow&) {
         QWidget* buttons = bar->cornerWidget(Qt::TopRightCorner);
         ASSERT_TRUE(buttons);
         ClickAt(buttons, MenuBarCloseButton(*buttons), false);
       }},
      {"a double click on the menu bar's icon", true,
       [bar](QMdiSubWindow&) {
         QWidget* icon = bar->cornerWidget(Qt::TopLeftCorner);
         ASSERT_TRUE(icon);
         ClickAt(icon, icon->rect().center(), true);
       }},
  };
  auto tryRoads = [&](int kind) {
    // The title bar as the frame draws it has no close button to show.
    QMdiSubWindow* shown = FrameOfKind(kind);
    ASSERT_TRUE(shown);
    EXPECT_FALSE(TitleBarRect(*shown, QStyle::SC_TitleBarCloseButton, shown->windowFlags()).isValid());
    EXPECT_TRUE(TitleBarRect(*shown, QStyle::SC_TitleBarSysMenu, shown->windowFlags()).isValid());
    for (const Road& road : roads) {
      SCOPED_TRACE(std::string(road.name) + (kind == kKindDrawA ? " of A" : " of B"));
      QPointer<CFrame_View> f = FrameOfKind(kind);
      ASSERT_TRUE(f);
      frame()->mdiArea()->setActiveSubWindow(f);
      if (road.maximised) f->showMaximized();
      QCoreApplication::processEvents();
      road.take(*f);
      FlushDeletes();
      ASSERT_TRUE(f);
      EXPECT_TRUE(f->isVisible());
      EXPECT_EQ(gDrawState.m_windowOpen[kind], -1);
      f->showNormal();
    }
  };
  tryRoads(kKindDrawA);
  tryRoads(kKindDrawB);
  // Once its frame is gone, window A comes back with 32810, and no more closable.
  DestroyDrawingFrame(kKindDrawA);
  ASSERT_EQ(FrameOfKind(kKindDrawA), nullptr);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdReopenA));
  ASSERT_TRUE(FrameOfKind(kKindDrawA));
  tryRoads(kKindDrawA);
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(DrawingWindowSetup, AFileOfTheOldBrushLayoutTakesTheStyleChosenInTheStyleMenusOnce) {
  struct Case {
    bool oldLayout;  // the reader found the old brush layout in the file
    bool choose;     // the user chose the first style of the menus, "楷書風" (width 100)
    int width;       // parameter 3 of window A's record after the load
  } cases[] = {{true, true, 100}, {true, false, 40}, {false, true, 40}};
  for (const Case& c : cases) {
    TempDir dir;
    const std::string path = (dir / "file.wdf").string();
    // A level stroke of width 40, a point every 4 pixels.
    ASSERT_TRUE(WriteWindowACharacterFile(path, [](CCharData& a) {
      a.m_param[3] = 40;
      for (int x = 100; x <= 300; x += 4) {
        const int k = a.m_nPoints++;
        a.m_pPoints[k] = {x, 200};
        a.m_pFlags[k] = x == 100 ? 1 : 0;
        a.m_pPressure[k] = -1;
      }
    }));
    ASSERT_TRUE(Start());
    ShowAndPaint();
    if (c.choose) {
      ASSERT_TRUE(frame()->ExecuteCommand(kFirstStyleOfTheMenus));
    }
    chooser.Next(path);
    // What the reader raises for a block of the old layout.
    gOldBrushLayout = c.oldLayout ? 1 : 0;
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdFileOpen));
    QCoreApplication::processEvents();
    // The record keeps the conversion values a style brings (parameter 380 of the file).
    const CCharDataFull& rec = *GetCharDocumentOfKind(kKindDrawA)->DrawnRecord();
    ASSERT_NE(rec.m_param[380], 0);
    EXPECT_EQ(rec.m_param[3], c.width) << c.oldLayout << c.choose;
    // Once: the next file starts without it.
    EXPECT_EQ(gOldBrushLayout, 0);
    theApp.Reset();
    FlushDeletes();
    gDrawState.Reset();
    ResetPanes();
    theApp.SetScreenMetrics(TestScreen());
  }
}

TEST_F(DrawingWindowSetup, OpeningAFileOfTheOldBrushLayoutGivesEveryWindowTheStyleOnce) {
  TempDir dir;
  const std::string path = (dir / "old.wdf").string();
  // Both parts of revision 23, the last of the old brush layout: a level stroke of width
  // 40 in each, the style's values to be kept (parameter 380).
  ParamBlock defaults{};
  GetSlotParamDefaults(defaults, {}, 0);
  auto part = [&defaults](int firstPart, int y) {
    WdfBlock b = CharPart(firstPart, {}, 40);
    for (size_t k = 0; k < defaults.size(); ++k) b.params.emplace(int(k), defaults[k]);
    b.r2 = 23;
    b.params[380] = 1;
    for (int x = 100; x <= 300; x += 4) b.points.push_back({x, y, x == 100 ? 1 : 0, -1});
    return b;
  };
  WriteFileBytes(path, BuildWdfFile({part(1, 200), part(0, 300)}));
  ASSERT_TRUE(Start());
  ShowAndPaint();
  // The user chooses the first style of the menus, 楷書風 (width 100), then opens the file.
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"字体", "楷書風"}));
  for (int kind : {kKindDrawA, kKindDrawB}) GetCharDocumentOfKind(kind)->DrawnRecord()->m_param[3] = 40;
  chooser.Next(path);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"文件", "打开"}));
  QCoreApplication::processEvents();
  for (int kind : {kKindDrawA, kKindDrawB}) {
    const CCharDataFull& rec = *GetCharDocumentOfKind(kind)->DrawnRecord();
    EXPECT_GT(rec.m_nPoints, 40) << kind;
    EXPECT_EQ(rec.m_param[3], 100) << kind;
  }
  EXPECT_EQ(gOldBrushLayout, 0);
  // Once: reading a file of the new layout afterwards leaves its width.
  std::vector<WdfBlock> fresh = {part(1, 200), part(0, 300)};
  for (WdfBlock& b : fresh) b.r2 = 28;
  WriteFileBytes(path, BuildWdfFile(fresh));
  chooser.Next(path);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"文件", "打开"}));
  QCoreApplication::processEvents();
  for (int kind : {kKindDrawA, kKindDrawB}) EXPECT_EQ(GetCharDocumentOfKind(kind)->DrawnRecord()->m_param[3], 40) << kind;
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
