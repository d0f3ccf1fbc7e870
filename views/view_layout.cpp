// The edit commands of the framed layout and of the move of the whole character: their
// dialogs, the undo copy, the layout engine on the drawn record and the redraw.
#include <memory>

#include "convert/presets/framed_layout.h"
#include "core/document/tmb_doc.h"
#include "core/path/stroke_work.h"
#include "platform/ui/dialog.h"
#include "resources/command_ids.h"
#include "views/layout_dialogs.h"
#include "views/tmb_view.h"

void CTmbView::RegisterCommands() {
  OnCommand(tmb::kCmdEditLayout, [this] { OnLayout(); });
  OnCommand(tmb::kCmdEditMoveAll, [this] { OnMoveAll(); });
  RegisterStyleCommands();
}

void CTmbView::OnLayout() {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  // Only OK applies: a cancelled dialog, or one that never opened, holds no new values.
  if (!tmb::ui::IsAccepted(gLayoutDlg.DoModal(this))) return;
  doc->SaveUndoCopy();
  int a = 0, b = 0;
  if (gLayoutDlg.m_nOperation == kLayoutMove) {
    a = gLayoutDlg.m_nMoveX;
    b = gLayoutDlg.m_nMoveY;
  } else if (gLayoutDlg.m_nOperation == kLayoutScale) {
    a = gLayoutDlg.m_nScaleX;
    b = gLayoutDlg.m_nScaleY;
  }
  ApplyLayout(gLayoutDlg, 0, a, b);
  RedrawInSteps(0);
}

void CTmbView::ApplyLayout(const CLayoutDlg& dialog, int clear, int a, int b) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  CCharDataFull& rec = doc->m_char;
  auto path = std::make_unique<CStrokeWork>();
  rec.ToStrokeWork(*path);
  LayoutFrames(*path, nullptr, clear ? kLayoutClear : dialog.m_nOperation, rec.m_regions.m_list, dialog.m_nEdge,
               dialog.m_nBox, dialog.m_nDimension, a, b);
  rec.FromStrokeWork(*path);
  rec.m_nOutlineDirty = 1;
  rec.m_bModified = 1;
}

void CTmbView::OnMoveAll() {
  CCharDataFull* rec = DrawnRecord();
  if (!rec || !tmb::ui::IsAccepted(gMoveDlg.DoModal(this))) return;
  rec->MoveAllPoints(0, rec->m_nPoints, gMoveDlg.m_nX, gMoveDlg.m_nY);
  ReleaseOffscreenDCs();
  RedrawInSteps(0);
}
