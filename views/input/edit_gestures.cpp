// The gestures of the drawing view's edit modes: rubber-band rectangles of the edit
// regions (edit mode), and single points inserted and deleted (point-edit mode).
#include <QCursor>
#include <QWidget>
#include <algorithm>
#include <memory>

#include "core/document/tmb_doc.h"
#include "core/geometry/rect_helpers.h"
#include "core/path/stroke_path.h"
#include "core/state/draw_state.h"
#include "platform/service/messages.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace {

// A rubber band near the window's edge scrolls the view by a step.
constexpr int kScrollMargin = 16;
constexpr int kScrollStep = 32;
// A point edit takes the point (or the midpoint of two) within this squared distance.
constexpr int64_t kNearEnough = 2500;
constexpr int64_t kFarAway = 100000000;
constexpr tmb::Colour kInsertedDot = 0xFF0000;
constexpr tmb::Colour kDeletedDot = 0xFFFFFF;

int64_t Squared(int64_t dx, int64_t dy) { return dx * dx + dy * dy; }

void MarkEdited(CCharDataFull& rec) {
  rec.m_nOutlineDirty = 1;
  rec.m_bModified = 1;
}

}  // namespace

// ---- edit mode

void CTmbView::PressRubberBand(tmb::DeviceContext& dc, tmb::Point /*device*/, int x, int y) {
  CTmbDoc* doc = GetDocument();
  if (!doc || m_nRubber != 0) return;
  CEditRegions& list = doc->m_char.m_regions.m_list;
  if (!list.m_bAppend) {
    list.HideAll(dc);
    CCellRectTable::Clear(list);
  } else {
    // A full list takes no further rectangle.
    const int count = std::max(list.m_nCount, 0);
    if (count >= kEditRegionCount) {
      tmb::Beep();
      return;
    }
    list.m_nCurrent = count;
  }
  m_ptAnchor = {x, y};
  list.m_rects[size_t(list.m_nCurrent)] = {x, y, x, y};
  m_nRubber = 1;
  m_bAutoScrolled = 0;
}

void CTmbView::DragRubberBand(tmb::DeviceContext& dc, tmb::Point device, int x, int y) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  CEditRegions& list = doc->m_char.m_regions.m_list;
  if (list.m_nCurrent < 0 || list.m_nCurrent >= kEditRegionCount) return;
  tmb::Rect& r = list.m_rects[size_t(list.m_nCurrent)];
  if (m_nRubber == 1) {
    m_nRubber = 2;
  } else {
    list.ToggleCurrent(dc);
    m_ptAnchor = {r.right, r.bottom};
  }
  r.right = x;
  r.bottom = y;
  const QSize shown = m_pArea->viewport()->size();
  int bar = -1, delta = kScrollStep;
  if (device.x + kScrollMargin > shown.width() && r.right >= m_ptAnchor.x) {
    bar = 0;
  } else if (device.x - kScrollMargin < 0 && r.right <= m_ptAnchor.x) {
    bar = 0;
    delta = -kScrollStep;
  } else if (device.y + kScrollMargin > shown.height() && r.bottom >= m_ptAnchor.y) {
    bar = 1;
  } else if (device.y - kScrollMargin < 0 && r.bottom <= m_ptAnchor.y) {
    bar = 1;
    delta = -kScrollStep;
  }
  if (bar < 0) {
    m_bAutoScrolled = 0;
  } else {
    ScrollBy(dc, bar, delta);
    m_bAutoScrolled = 1;
    // The corner follows the pointer to where the scrolled paper now lies under it.
    const QPoint at = m_pArea->viewport()->mapFromGlobal(QCursor::pos());
    const tmb::Point p = LogicalOf({at.x(), at.y()});
    r.right = p.x - gDrawState.m_ptCanvasOrigin.x;
    r.bottom = p.y - gDrawState.m_ptCanvasOrigin.y;
  }
  list.ToggleCurrent(dc);
}

void CTmbView::ReleaseRubberBand(tmb::DeviceContext& dc, int x, int y) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  CEditRegions& list = doc->m_char.m_regions.m_list;
  if (m_nRubber < 2) {
    // A click picks the rectangle under it, or the nearest.
    if (list.m_bAppend) list.HitTest(x, y);
  } else {
    list.m_nCount = list.m_bAppend ? std::max(list.m_nCount, 0) + 1 : 1;
    NormalizeRect(list.m_rects[size_t(list.m_nCount - 1)]);
    list.m_nDisplay = 1;
  }
  m_nRubber = 0;
  if (list.m_nDisplay == 2) PaintWritingArea(dc);
}

// ---- point-edit mode

void CTmbView::InsertPointNear(tmb::DeviceContext& dc, int x, int y) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  CCharDataFull& rec = doc->m_char;
  // The pair of neighbours whose midpoint lies nearest (four times the squared distance).
  int64_t best = kFarAway;
  int found = -1;
  for (int i = 0; i + 1 < rec.m_nPoints; ++i) {
    const tmb::Point a = rec.m_pPoints[i], b = rec.m_pPoints[i + 1];
    const int64_t d = Squared(2 * int64_t{x} - a.x - b.x, 2 * int64_t{y} - a.y - b.y);
    if (d < best) {
      best = d;
      found = i;
    }
  }
  if (found < 0 || best >= kNearEnough) return;
  m_ptEdited = rec.m_pPoints[found];
  m_nEditedFlag = rec.m_pFlags[found];
  m_nEditedIndex = found;
  // The new point takes the place of the next one, its flag included: inserted before a
  // stroke's start it starts the stroke. Its pressure and width are those of the point
  // before it, on whose segment it lies.
  auto point = std::make_unique<CCharData>();
  point->m_pPoints[0] = {x, y};
  point->m_pFlags[0] = rec.m_pFlags[found + 1];
  point->m_pPressure[0] = rec.m_pPressure[found];
  point->m_pWidthLevel[0] = rec.m_pWidthLevel[found];
  point->m_nPoints = 1;
  if (rec.InsertPoints(found + 1, *point) != 1) return;
  rec.m_pFlags[found + 2] = CStrokePath::kFlagContinue;
  MarkEdited(rec);
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  DrawDot(dc, x + o.x, y + o.y, kInsertedDot, kInsertedDot);
}

void CTmbView::DeletePointNear(tmb::DeviceContext& dc, int x, int y) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  CCharDataFull& rec = doc->m_char;
  int64_t best = kFarAway;
  int found = -1;
  for (int i = 0; i < rec.m_nPoints; ++i) {
    const int64_t d = Squared(int64_t{x} - rec.m_pPoints[i].x, int64_t{y} - rec.m_pPoints[i].y);
    if (d < best) {
      best = d;
      found = i;
    }
  }
  if (found < 0 || best >= kNearEnough) {
    tmb::Beep();
    return;
  }
  const tmb::Point p = rec.m_pPoints[found];
  m_ptEdited = p;
  m_nEditedFlag = rec.m_pFlags[found];
  m_nEditedIndex = found;
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  DrawDot(dc, p.x + o.x, p.y + o.y, kDeletedDot, kDeletedDot);
  // A stroke whose first point goes starts at its second.
  const bool startGoes = rec.m_pFlags[found] == CStrokePath::kFlagStart && !rec.IsStrokeEnd(found);
  rec.DeletePoints(found, found + 1);
  if (startGoes) rec.m_pFlags[found] = CStrokePath::kFlagStart;
  MarkEdited(rec);
}
