// What the commands and keys of a drawing view do to its character: erasing strokes,
// clearing, undoing, copying between the windows, the edit mode, and the refresh after a
// file was loaded.
#include <QGuiApplication>
#include <QScrollBar>
#include <algorithm>

#include "convert/driver/tablet_ink.h"
#include "core/document/doc_windows.h"
#include "core/file/char_block_convert.h"
#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/document.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/virtual_keys.h"
#include "resources/command_ids.h"
#include "views/shape_sheet_windows.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"
#include "views/view_params.h"

namespace {

constexpr int kVkZ = 'Z';

// Setting actions of RunSettingAction.
enum SettingAction { kApplySheet = 0, kStyleMenu = 1, kClearAll = 2, kStandardSettings = 3 };

// The record was edited: its outline must be built again and the file saved.
void MarkEdited(CCharDataFull& rec) {
  rec.m_nOutlineDirty = 1;
  rec.m_bModified = 1;
}

}  // namespace

// ---- erasing and clearing

void CTmbView::EraseStrokes(tmb::DeviceContext& dc, int x, int y, int mode) {
  CTmbDoc* doc = GetDocument();
  if (!doc || doc->m_char.m_nPoints == 0) return;
  CCharDataFull& rec = doc->m_char;
  const int hit = mode == 1 ? rec.FindNearestPoint(x, y) : rec.m_nPoints - 1;
  if (hit < 0) return;
  // Both ways of erasing can be undone.
  doc->SaveUndoCopy();
  int first = 0, end = 0;
  rec.GetStrokeBounds(hit, &first, &end);
  rec.DeletePoints(first, rec.m_nPoints);
  MarkEdited(rec);
  RebuildOutline();
  PaintCharacterView(dc);
  if (m_bGuidesDrawn || rec.m_param[kParamGuideMode] == 2) DrawGuides(dc);
}

void CTmbView::RedrawAfterErase(int mode) {
  ClientDC dc(*this);
  EraseStrokes(dc, m_ptErase.x, m_ptErase.y, mode);
}

void CTmbView::ClearAll() {
  ReleaseOffscreenDCs();
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  {
    ClientDC dc(*this);
    ClearWritingArea(dc, 2);
  }
  m_nStampCount = 0;
  doc->SaveUndoCopy();
  if (doc->m_char.m_nPoints > 0) MarkEdited(doc->m_char);
  doc->m_char.ClearPoints();
  doc->m_work.m_nPoints = 0;
  // A replacement set up by a frame command has nothing left to replace.
  doc->m_char.m_nFramePending = 0;
  doc->m_char.m_nFrameFirst = doc->m_char.m_nFrameEnd = 0;
}

void CTmbView::RestoreCharacter(int which) {
  CTmbDoc* doc = GetDocument();
  // Without a copy to go back to, the character stays as it is.
  if (!doc || !doc->RestoreBase(which == 0 ? kBaseUndo : kBaseTempSave)) return;
  MarkEdited(doc->m_char);
  // A shown sheet would otherwise hand the values gone back on its next apply.
  SheetWindows().ReloadSheetOf(m_nKind);
  RedrawInSteps(1);
}

// ---- modes and settings

void CTmbView::SetEditMode(int mode) {
  CCharDataFull* rec = DrawnRecord();
  if (rec && mode != m_nMode && rec->m_regions.m_list.m_nCount != 0) {
    m_nMode = mode;
    rec->m_regions.m_list.m_nDisplay = uint8_t(mode);
    RefreshWritingArea();
  }
  m_nMode = mode;
  UpdateCursor();
}

void CTmbView::RunSettingAction(int action) {
  switch (action) {
    case kApplySheet:
      // Edits waiting on the window's sheet are part of what the user asks to see.
      SheetWindows().ApplySheetOf(m_nKind);
      RebuildOutlineAndRedraw(0);
      break;
    case kStyleMenu:
      ShowStyleMenu();
      break;
    case kClearAll:
      ClearAll();
      break;
    case kStandardSettings:
      if (CCharDataFull* rec = DrawnRecord(); rec && rec->CopySettingsWithDialog(0, m_nKind != kKindDrawA) == 1) {
        RebuildOutlineAndRedraw(1);
        SheetWindows().ReloadSheetOf(m_nKind);
      }
      break;
    default:
      break;
  }
}

void CTmbView::CopyDataBetweenWindows(int direction) {
  const int targetKind = direction == 0 ? kKindDrawB : kKindDrawA;
  CTmbDoc* target = TmbDocOfKind(targetKind);
  CCharDataFull* rec = DrawnRecord();
  if (!target || !rec) return;
  target->SaveUndoCopy();
  if (rec->CopySettingsWithDialog(direction + 1, m_nKind != kKindDrawA) != 1) return;
  if (CTmbView* view = ViewOfKind(targetKind)) {
    auto* main = qobject_cast<tmb::ui::MainFrame*>(window());
    if (main && view->frame()) main->ActivateChildFrame(view->frame());
    // The main window's title and bars follow the window now in front.
    SendFrameCommand(tmb::kCmdUpdateTitle);
    view->RedrawInSteps(0);
    if (view->document()) view->document()->UpdateAllViews();
  }
  gDrawState.m_nCurDrawKind = targetKind;
  SheetWindows().ReloadSheetOf(targetKind);
}

void CTmbView::RefreshAfterLoad() {
  // A character read from a file is no handwriting collected here.
  TabletInkOf(m_nIndex).ClearInk();
  ClientDC dc(*this);
  if (!m_bInitialised) {
    SetUpPalette(dc);
  } else {
    const int windows = std::clamp(gDrawState.m_nCharWindows, 0, int(gDrawState.m_charWindowKinds.size()));
    for (int i = 0; i < windows; ++i) {
      if (CTmbView* view = ViewOfKind(gDrawState.m_charWindowKinds[size_t(i)])) view->RefreshWritingArea();
    }
  }
  // A file of the old brush layout takes the style chosen in the style menus, once, in
  // every window (the title and the sheets follow the load where it is handed out).
  if (gOldBrushLayout) {
    gOldBrushLayout = 0;
    const int windows = std::clamp(gDrawState.m_nCharWindows, 0, int(gDrawState.m_charWindowKinds.size()));
    for (int i = 0; i < windows; ++i) {
      if (CTmbView* view = ViewOfKind(gDrawState.m_charWindowKinds[size_t(i)])) view->ApplyStyleCommand(-1);
    }
  }
  m_pArea->horizontalScrollBar()->setValue(m_pArea->horizontalScrollBar()->maximum());
  m_pArea->verticalScrollBar()->setValue(0);
  RedrawSettingsPane();
  PaintCharacterView(dc);
}

// ---- keys

void CTmbView::OnKeyDown(int, bool ctrl, bool shift) {
  gDrawState.m_bCtrlDown = ctrl ? 1 : 0;
  gDrawState.m_bShiftDown = shift ? 1 : 0;
}

void CTmbView::OnKeyUp(int key) {
  if (key == kVkZ && gDrawState.m_bCtrlDown) {
    RedrawAfterErase(0);
  } else if (key == tmb::ui::kVkBack) {
    ClientDC dc(*this);
    EraseStrokes(dc, m_ptErase.x, m_ptErase.y, 0);
  } else if (key == tmb::ui::kVkHome) {
    ClearAll();
  }
}

void CTmbView::ReplayLastKey() {
  const Qt::KeyboardModifiers mods = QGuiApplication::queryKeyboardModifiers();
  OnKeyDown(gDrawState.m_nLastKeyChar, mods & Qt::ControlModifier, mods & Qt::ShiftModifier);
  OnKeyUp(gDrawState.m_nLastKeyChar);
}
