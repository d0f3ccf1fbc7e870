// The drawing view's cursors: the wait cursor around long work, the arrow, and the
// drawing cursors the program draws itself (a writing brush, and a plain pen for the
// older systems the settings may name).
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QWidget>

#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"
#include "views/view_params.h"

namespace {

// The drawing cursors by resource id.
constexpr int kCursorBrush = 281;
constexpr int kCursorPen = 277;
// The brush cursor is the drawing cursor from this system version (major x 100) on.
constexpr int kBrushCursorVersion = 500;
constexpr int kCursorSide = 32;
// Where both cursors touch the paper.
constexpr int kTipX = 2;
constexpr int kTipY = 29;

// A light rim under the dark strokes keeps the cursor seen on dark paper as well.
void RimmedLine(QPainter& p, QLineF line, const QColor& colour, qreal width) {
  p.setPen(QPen(Qt::white, width + 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(line);
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(line);
}

QCursor CursorResource(int id) {
  QPixmap pixmap(kCursorSide, kCursorSide);
  pixmap.fill(Qt::transparent);
  QPainter p(&pixmap);
  p.setRenderHint(QPainter::Antialiasing);
  if (id == kCursorBrush) {
    // A bamboo handle, its ferrule and a tuft of ink that tapers to the tip.
    RimmedLine(p, {12, 20, 29, 3}, QColor(170, 120, 60), 4);
    RimmedLine(p, {10, 22, 13, 19}, QColor(60, 60, 60), 5);
    const QPolygonF tuft{{QPointF(kTipX, kTipY), QPointF(7.5, 18.5), QPointF(13.5, 24.5)}};
    p.setPen(QPen(Qt::white, 1.5));
    p.setBrush(Qt::black);
    p.drawPolygon(tuft);
  } else {
    RimmedLine(p, {kTipX, kTipY, 27, 4}, Qt::black, 2);
  }
  p.end();
  return QCursor(pixmap, kTipX, kTipY);
}

}  // namespace

void CTmbView::BeginWaitCursor() {
  m_savedCursor = m_pArea->viewport()->cursor();
  m_bBusy = 1;
  m_pArea->viewport()->setCursor(Qt::WaitCursor);
}

void CTmbView::EndWaitCursor() {
  m_pArea->viewport()->setCursor(m_savedCursor);
  m_bBusy = 0;
}

CTmbView::BusyScope::BusyScope(CTmbView& view) : view_(view), mine_(!view.m_bBusy) {
  if (mine_) view_.BeginWaitCursor();
}

CTmbView::BusyScope::~BusyScope() {
  if (!mine_) return;
  view_.EndWaitCursor();
  view_.UpdateCursor();
}

void CTmbView::RestoreArrowCursor() {
  m_pArea->viewport()->setCursor(Qt::ArrowCursor);
  m_bBusy = 0;
}

void CTmbView::SetDrawingCursor() {
  if (m_bBusy) RestoreArrowCursor();
  m_pArea->viewport()->setCursor(
      CursorResource(gDrawState.m_nWinVersion >= kBrushCursorVersion ? kCursorBrush : kCursorPen));
}

void CTmbView::UpdateCursor() {
  QWidget* viewport = m_pArea->viewport();
  if (m_bBusy) {
    viewport->setCursor(Qt::WaitCursor);
  } else if (m_nMode == kModeDraw) {
    const CCharDataFull* rec = DrawnRecord();
    if (rec && rec->m_param[kParamDisplayMode] == 0) {
      SetDrawingCursor();
    } else {
      viewport->setCursor(Qt::ArrowCursor);
    }
  } else if (m_nMode == kModeEdit) {
    viewport->setCursor(gDrawState.m_toolPanel.m_bShown ? Qt::ArrowCursor : Qt::CrossCursor);
  }
}
