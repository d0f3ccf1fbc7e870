// The mouse side of the drawing view: in drawing mode a press, the moves and the release
// become one stroke of the drawn record, each accepted sample drawn at once; the edit
// modes get their gestures from here too (edit_gestures.cpp).
#include <QScrollBar>
#include <algorithm>
#include <optional>

#include "convert/driver/tablet_ink.h"
#include "core/canvas/work_canvas.h"
#include "core/document/tmb_doc.h"
#include "core/path/stroke_path.h"
#include "core/state/draw_state.h"
#include "platform/service/clock.h"
#include "platform/service/messages.h"
#include "views/live_stroke.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"
#include "views/view_params.h"

namespace {

// A character holding more points than this takes no new stroke.
constexpr int kStrokeStartLimit = 15998;
// A stroke that leaves the character with more points than this warns at its end.
constexpr int kWarnPoints = 15000;
// A sample may come this many milliseconds before the minimum interval has passed.
constexpr int kSampleSlack = 8;

enum MouseEvent { kMousePress = 0, kMouseMove = 1, kMouseRelease = 2 };

}  // namespace

tmb::Point CTmbView::LogicalOf(tmb::Point device) const {
  return {device.x + m_pArea->horizontalScrollBar()->value(), device.y + m_pArea->verticalScrollBar()->value()};
}

void CTmbView::UpdateVisibleRect() { m_rcVisible = ClientRectLogical(); }

// ---- the handlers

void CTmbView::OnLButtonDown(tmb::Point device) {
  const tmb::Point p = LogicalOf(device);
  if (!gDrawState.m_rcCanvas.Contains(p)) return;
  const int x = p.x - gDrawState.m_ptCanvasOrigin.x, y = p.y - gDrawState.m_ptCanvasOrigin.y;
  ClientDC dc(*this);
  if (RouteRegistrationMouse(dc, x, y, kMousePress)) return;
  CTmbDoc* doc = GetDocument();
  if (!doc || doc->m_char.m_param[kParamDisplayMode] != 0) return;
  if (m_nMode == kModeEdit) {
    PressRubberBand(dc, device, x, y);
    return;
  }
  if (m_nMode != kModeDraw) return;
  if (doc->m_char.m_nPoints > kStrokeStartLimit) {
    ReportCharCapacity();
    return;
  }
  const CRegistrationPanel& panel = gDrawState.m_toolPanel;
  if (panel.m_bShown && !panel.m_rcWriting.Contains({x, y})) return;
  PrepareOffscreenDCs(dc);
  // Taken at every stroke: the view may have scrolled since the contexts were prepared.
  UpdateVisibleRect();
  // The stroke is drawn over what the window shows and merged back from it: the window
  // must show the back buffer before the first stamp.
  if (m_bNeedsDraw && m_bInitialised) {
    PaintWritingArea(dc);
    m_bNeedsDraw = false;
  }
  BeginStroke(dc, x, y);
  m_bStrokeActive = 1;
}

void CTmbView::OnMouseMove(tmb::Point device, bool leftHeld) {
  const tmb::Point p = LogicalOf(device);
  if (!gDrawState.m_rcCanvas.Contains(p)) return;
  const int x = p.x - gDrawState.m_ptCanvasOrigin.x, y = p.y - gDrawState.m_ptCanvasOrigin.y;
  // Moves that cannot draw take no client context: a context shows the window again.
  std::optional<ClientDC> client;
  if (m_bStrokeActive || m_nRubber || gDrawState.m_toolPanel.m_bShown) client.emplace(*this);
  tmb::DeviceContext none;
  tmb::DeviceContext& dc = client ? client->dc() : none;
  if (RouteRegistrationMouse(dc, x, y, kMouseMove)) return;
  const CTmbDoc* doc = GetDocument();
  if (!doc || doc->m_char.m_param[kParamDisplayMode] != 0) return;
  SetMouseSpeedForMode(1);
  if (m_nMode == kModeEdit) {
    if (m_nRubber) DragRubberBand(dc, device, x, y);
    return;
  }
  if (m_nMode != kModeDraw) return;
  // A release that went elsewhere (a window that took the mouse) ends the stroke at the
  // first move without the button, rather than drawing on with no button held.
  if (m_bStrokeActive && !leftHeld) {
    FinishStroke(dc, x, y);
    return;
  }
  AddStrokePoint(dc, x, y, 0);
}

void CTmbView::OnLButtonUp(tmb::Point device) {
  const tmb::Point p = LogicalOf(device);
  const int x = p.x - gDrawState.m_ptCanvasOrigin.x, y = p.y - gDrawState.m_ptCanvasOrigin.y;
  const CTmbDoc* doc = GetDocument();
  if (!doc || doc->m_char.m_param[kParamDisplayMode] != 0) return;
  ClientDC dc(*this);
  if (RouteRegistrationMouse(dc, x, y, kMouseRelease)) return;
  switch (m_nMode) {
    case kModeDraw:
      if (m_bStrokeActive) AddStrokePoint(dc, x, y, 1);
      FinishStroke(dc, x, y);
      break;
    case kModeEdit:
      ReleaseRubberBand(dc, x, y);
      break;
    case kModePointEdit:
      InsertPointNear(dc, x, y);
      break;
    default:
      break;
  }
}

void CTmbView::OnRButtonDown(tmb::Point device) {
  if (gWorkCanvas.m_bInkActive) return;
  // The stroke under way ends where it got to.
  if (m_bStrokeActive) {
    ClientDC dc(*this);
    FinishStroke(dc, m_ptLast.x, m_ptLast.y);
  }
  ShowContextMenu(device);
}

void CTmbView::OnRButtonUp(tmb::Point device) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  ClientDC dc(*this);
  doc->m_char.m_regions.m_list.HideAll(dc);
  if (m_nMode != kModePointEdit || gWorkCanvas.m_bInkActive) return;
  const tmb::Point p = LogicalOf(device);
  DeletePointNear(dc, p.x - gDrawState.m_ptCanvasOrigin.x, p.y - gDrawState.m_ptCanvasOrigin.y);
}

// ---- the stroke

void CTmbView::StorePoint(CTmbDoc& doc, int x, int y, int flag) {
  CCharDataFull& rec = doc.m_char;
  const int n = rec.m_nPoints;
  rec.m_pPoints[n] = {x, y};
  doc.m_work.m_pPoints[n] = {x, y};
  rec.m_pFlags[n] = static_cast<uint8_t>(flag);
  // Nothing of a point that stood here before (erased or undone) stays with the new one;
  // the next sample gives it its pressure.
  rec.m_pPressure[n] = -1;
  rec.m_pSegLength[n] = 1;
  rec.m_pWidthLevel[n] = 0;
  rec.m_nPoints = n + 1;
  m_ptLast = {x, y};
}

void CTmbView::OnLButtonDblClk(tmb::Point /*device*/) {}

void CTmbView::BeginStroke(tmb::DeviceContext& /*dc*/, int x, int y) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  CCharDataFull& rec = doc->m_char;
  m_rcDirty = {x, y, x, y};
  m_bCapacityWarning = 0;
  SampleLogBeginStroke(rec);
  if (rec.m_nPoints >= kMaxCharPoints) return;
  if (doc->m_bUndoAtNextStroke) doc->SaveUndoCopy();
  // Handwriting for the recogniser: the ink runs from the first stroke written since it
  // was last cleared.
  TabletInkOf(m_nIndex).CollectStrokeFrom(rec.m_nPoints);
  StorePoint(*doc, x, y, CStrokePath::kFlagStart);
  if (rec.m_nOutlineDirty == 0) rec.m_nOutlineDirty = -1;
  rec.m_bRedrawStrokes = 1;
  rec.m_bModified = 1;
  NoteInputTime(tmb::TickCount());
  DrainStartPackets();
}

void CTmbView::AddStrokePoint(tmb::DeviceContext& dc, int x, int y, int final) {
  const CRegistrationPanel& panel = gDrawState.m_toolPanel;
  if (panel.m_bShown && !panel.m_rcWriting.Contains({x, y})) return;
  if (m_bStrokeActive == 0 || m_bStrokeActive == 3) return;
  if (!gWorkCanvas.m_rect.Contains({x, y})) {
    tmb::Beep();
    return;
  }
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  CCharDataFull& rec = doc->m_char;
  ReadSamplePressure();
  const uint32_t now = tmb::TickCount();
  const int interval = SampleInterval(now);
  if (!rec.m_bEverySample && interval + kSampleSlack < gDrawState.m_nPenDelay) return;
  const int n = rec.m_nPoints;
  if (n >= kMaxCharPoints || n == 0) {
    // The record is full: the stroke ends at its last point and the user is told.
    m_bCapacityWarning = n != 0;
    FinishStroke(dc, x, y);
    return;
  }
  const int kind = m_bStrokeActive == 1 ? kSegmentFirst : final ? kSegmentLast : kSegmentInside;
  DrawLiveStroke(dc, m_ptLast, {x, y}, kind);
  m_bStrokeActive = final ? 3 : 2;
  NoteInputTime(now);
  m_rcDirty = {std::min(m_rcDirty[0], x), std::min(m_rcDirty[1], y), std::max(m_rcDirty[2], x),
               std::max(m_rcDirty[3], y)};
  StorePoint(*doc, x, y, CStrokePath::kFlagContinue);
  // The pressure read with a sample belongs to the point the new segment starts at.
  rec.m_pPressure[n - 1] = gDrawState.m_nPenPressure;
  if (rec.m_nPoints > kWarnPoints) m_bCapacityWarning = 1;
  SampleLogSample(n, now, interval);
}

void CTmbView::EndStroke(tmb::DeviceContext& dc, int /*x*/, int /*y*/) {
  m_bStrokeActive = 0;
  SampleLogEndStroke();
  // What the window shows of the stroke joins the back buffer: its dark pixels darken
  // the picture, the rest leaves it as it was.
  if (m_bOffscreen && !IsShapeSheetShown()) {
    const tmb::Point o = gDrawState.m_ptCanvasOrigin;
    const int left = std::max(m_rcVisible.left, m_rcDirty[0] + o.x);
    const int top = std::max(m_rcVisible.top, m_rcDirty[1] + o.y);
    const int right = std::min(m_rcVisible.right, m_rcDirty[2] + o.x + kStampCell);
    const int bottom = std::min(m_rcVisible.bottom, m_rcDirty[3] + o.y + kStampCell);
    if (right > left && bottom > top) {
      m_dcBack.BitBlt(left - o.x, top - o.y, right - left, bottom - top, &dc, left, top, tmb::kSrcAnd);
    }
  }
  if (CCharDataFull* rec = DrawnRecord()) rec->m_bStrokeEnded = 1;
}

void CTmbView::ClearPendingStroke() {
  m_bStrokeActive = 0;
  m_bCapacityWarning = 0;
  m_nStartPackets = 0;
  m_wLastSample = 0;
  m_ptLast = {};
  m_rcDirty = {};
}

void CTmbView::FinishStroke(tmb::DeviceContext& dc, int x, int y) {
  m_bStrokeActive = 0;
  EndStroke(dc, x, y);
  DrainEndPackets();
  // Told once per stroke, and only now: a message box during the stroke would take the
  // release away from it.
  if (m_bCapacityWarning) {
    m_bCapacityWarning = 0;
    ReportCharCapacity();
  }
}
