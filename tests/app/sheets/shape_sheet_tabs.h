// A drawing window's shape sheet in the running application as the user reaches its
// tabs: opened from the window menu, a tab brought in front by a click on it.
#pragma once

#include <QTabBar>
#include <QTest>

#include "app/main_frame.h"
#include "app/sheets/outlines_dlg.h"
#include "app/sheets/shape_sheet.h"
#include "app/tmb_app.h"
#include "core/state/draw_state.h"
#include "support/ui/menu_path.h"

namespace tmb::test {

// The text-outline tab's place among a shape sheet's tabs.
inline constexpr int kOutlineTab = 2;

// The shape sheet of window kind (A or B); null while there is none.
inline CShapePropSheetFrame* ShapeSheetFrame(int kind) {
  CMainFrame* main = theApp.mainFrame();
  return qobject_cast<CShapePropSheetFrame*>(kind == kKindDrawB ? main->m_pSheetFrameB : main->m_pSheetFrameA);
}

// Clicks tab of the sheet in window; false when it has no such tab.
inline bool ClickTab(QWidget& window, int tab) {
  QTabBar* tabs = window.findChild<QTabBar*>();
  if (!tabs || tabs->count() <= tab) return false;
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(tab).center());
  return true;
}

// Window kind's sheet opened from the window menu, with its text-outline tab clicked;
// null when the tab did not come in front.
inline COutlinesDlg* OpenOutlineTab(int kind) {
  const char* item = kind == kKindDrawB ? "设置窗口B" : "设置窗口A";
  if (!ChooseMenuItem(theApp.mainFrame()->menuBar(), {"窗口", item, "显示"}) || !ShapeSheetFrame(kind)) return nullptr;
  if (!ClickTab(*ShapeSheetFrame(kind), kOutlineTab)) return nullptr;
  CModelessShapePropSheet& sheet = *ShapeSheetFrame(kind)->m_pSheet;
  return sheet.Page(sheet.ActiveIndex()) == sheet.outlinesPage() ? sheet.outlinesPage() : nullptr;
}

}  // namespace tmb::test
