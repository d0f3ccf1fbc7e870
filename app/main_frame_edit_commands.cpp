// The main window's Edit menu: the modes of the drawing view, undo, clearing and erasing,
// the edit rectangles, the temporary save, copies between the windows, and the frame-part
// and layout commands that the drawing view takes.
#include <QCursor>
#include <QMenu>

#include "app/frame_command_helpers.h"
#include "app/main_frame.h"
#include "app/tmb_document.h"
#include "platform/ui/popup_menus.h"
#include "resources/command_ids.h"
#include "resources/menus.h"
#include "views/view_popup_menus.h"

namespace {

// Commands of the drawing view's own: layout and moving everything.
constexpr int kDrawingViewCommands[] = {tmb::kCmdEditLayout, tmb::kCmdEditMoveAll};

// The frame-part commands and what each needs: an edit rectangle; for the move after the
// frame also the part saved before; for the move to the start only that part, as it
// computes no range of the frame. The flags are taken from the record whenever a menu
// shows them: the Edit menu carries the same commands as the view's popup.
enum class FrameNeeds { kRegions, kSaved, kBoth };
struct FrameCommand {
  int id;
  int mode;
  FrameNeeds needs;
};
constexpr FrameCommand kFrameCommands[] = {
    {tmb::kCmdFrameClear, kFrameCut, FrameNeeds::kRegions},
    {tmb::kCmdFrameKeep, kFrameKeep, FrameNeeds::kRegions},
    {tmb::kCmdFrameMoveAfter, kFrameMoveAfter, FrameNeeds::kBoth},
    {tmb::kCmdFrameMoveFirst, kFrameMoveFirst, FrameNeeds::kSaved},
    {tmb::kCmdFrameRange, kFrameRange, FrameNeeds::kRegions},
    {tmb::kCmdFrameReplace, kFrameCutForNew, FrameNeeds::kRegions},
    {tmb::kCmdFrameInsert, kFrameKeepForNew, FrameNeeds::kRegions},
    {tmb::kCmdFrameCopy, kFrameCopy, FrameNeeds::kRegions},
};

bool FrameCommandAllowed(FrameNeeds needs) {
  switch (needs) {
    case FrameNeeds::kRegions: return gRegionsExist != 0;
    case FrameNeeds::kSaved: return gSavedPartExists != 0;
    case FrameNeeds::kBoth: return gRegionsAndSaved != 0;
  }
  return false;
}


// The mode commands act while the drawing views are ready and no registration panel is up.
tmb::ui::CommandTarget::UpdateHandler ModeUpdate(int mode) {
  return [mode](tmb::ui::CommandUpdate& u) {
    CTmbView* view = PeekCurrentView();
    u.Enable(view && gDrawState.m_bViewsReady && !gDrawState.m_toolPanel.m_bShown);
    u.SetCheck(view && view->m_nMode == mode);
  };
}

// The rectangle list of the edit mode: the document's cell-rectangle table. Its append
// flag is the document's several-frames switch: on, a new rectangle joins the list.
CEditRegions& Cells(CCharDataFull& rec) { return rec.m_regions.m_list; }

}  // namespace

void CMainFrame::RegisterEditCommands() {
  OnCommand(tmb::kCmdDrawMode, OnCurrentView(&CTmbView::SetEditMode, CTmbView::kModeDraw));
  OnUpdate(tmb::kCmdDrawMode, ModeUpdate(CTmbView::kModeDraw));
  OnCommand(tmb::kCmdEditMode, OnCurrentView(&CTmbView::SetEditMode, CTmbView::kModeEdit));
  OnUpdate(tmb::kCmdEditMode, ModeUpdate(CTmbView::kModeEdit));

  OnCommand(tmb::kCmdEditUndo, OnCurrentView(&CTmbView::Undo));
  OnUpdate(tmb::kCmdEditUndo, [](tmb::ui::CommandUpdate& u) {
    // The flag of the window the undo works on, not that of the first window.
    const int kind = gDrawState.ResolveKind(kKindCurrentDraw);
    CTmbDocument* doc = PeekCurrentDoc();
    u.Enable(gDrawState.m_windowOpen[size_t(kind)] != 0 && doc && doc->engine().m_bUndoValid);
  });

  OnCommand(tmb::kCmdClearAll, OnCurrentView(&CTmbView::ClearAll));
  OnCommand(tmb::kCmdEraseLastStroke, OnCurrentView(&CTmbView::RedrawAfterErase, 0));
  OnCommand(tmb::kCmdEraseFromNearest, OnCurrentView(&CTmbView::RedrawAfterErase, 1));
  OnCommand(tmb::kCmdEditTempSave, OnCurrentDoc(&CTmbDoc::TempSave));
  OnCommand(tmb::kCmdEditTempLoad, OnCurrentView(&CTmbView::RestoreCharacter, 1));
  OnCommand(tmb::kCmdCopyAToB, OnCurrentView(&CTmbView::CopyDataBetweenWindows, 0));
  OnCommand(tmb::kCmdCopyBToA, OnCurrentView(&CTmbView::CopyDataBetweenWindows, 1));
  OnCommand(tmb::kCmdOverlayOther, OnCurrentView(&CTmbView::OverlayOtherWindow));

  OnCommand(tmb::kCmdClearCells, [] {
    CTmbView* view = CommandView();
    CTmbDoc* doc = view ? view->GetDocument() : nullptr;
    if (!doc) return;
    CCellRectTable::Clear(Cells(doc->m_char));
    view->RefreshWritingArea();
  });
  OnCommand(tmb::kCmdSeveralFrames, [] {
    CTmbView* view = CommandView();
    CTmbDoc* doc = view ? view->GetDocument() : nullptr;
    if (!doc) return;
    CEditRegions& cells = Cells(doc->m_char);
    cells.m_bAppend = cells.m_bAppend ? 0 : 1;
    CCellRectTable::Clear(cells);
    view->RefreshWritingArea();
  });
  OnUpdate(tmb::kCmdSeveralFrames, CheckFromRecord([](const CCharDataFull& rec) {
             return rec.m_regions.m_list.m_bAppend != 0;
           }));

  OnCommand(tmb::kCmdCaptureFirstChar, [] {
    if (CTmbView* view = CommandView()) view->m_bCaptureOption = view->m_bCaptureOption ? 0 : 1;
  });
  OnUpdate(tmb::kCmdCaptureFirstChar, [](tmb::ui::CommandUpdate& u) {
    CTmbView* view = PeekCurrentView();
    u.Enable(view != nullptr);
    u.SetCheck(view && view->m_bCaptureOption);
  });

  for (int id : kDrawingViewCommands) {
    OnCommand(id, [this, id] { SendToViewOfKind(kKindCurrentDraw, id); });
  }
  for (const FrameCommand& c : kFrameCommands) {
    OnCommand(c.id, OnCurrentView(&CTmbView::ClearFramePart, c.mode));
    OnUpdate(c.id, [c](tmb::ui::CommandUpdate& u) {
      const CCharDataFull* rec = PeekCurrentRecord();
      if (rec) NoteFramePartFlags(*rec);
      u.Enable(rec && FrameCommandAllowed(c.needs));
    });
  }
  // "Cancel" of the popup menus.
  OnCommand(tmb::kCmdCancelMenu, [] {});
  OnCommand(tmb::kCmdToolbarPopup, [this] { ShowViewPopupAtCursor(tmb::kPopupCopyDirection); });
  // The panel lives on window A's paper, whichever drawing window is current.
  OnCommand(tmb::kCmdRegistrationPanel, [] {
    if (CTmbView* view = CommandView(kKindDrawA)) view->ToggleRegistration();
  });
  OnUpdate(tmb::kCmdRegistrationPanel, [](tmb::ui::CommandUpdate& u) {
    u.Enable(CTmbView::ViewOfKind(kKindDrawA) != nullptr);
    u.SetCheck(gDrawState.m_toolPanel.m_bShown != 0);
  });
}

void CMainFrame::ShowViewPopupAtCursor(int popup) {
  QMenu menu(this);
  if (FillPopupMenu(menu, tmb::kMenuViewPopups, popup)) tmb::ui::PopupMenus().Track(menu, QCursor::pos());
}
