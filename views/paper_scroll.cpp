#include "views/paper_scroll.h"

#include <QAbstractScrollArea>
#include <QScrollBar>
#include <algorithm>

#include "core/canvas/work_canvas.h"
#include "core/state/draw_state.h"

namespace {

// Lines a click on a scroll bar's arrow moves, in pixels.
constexpr int kScrollLine = 16;

}  // namespace

void SetPaperScrollRanges(QAbstractScrollArea& area) {
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  const QSize total(gWorkCanvas.m_width + 2 * o.x, gWorkCanvas.m_height + 2 * o.y);
  const QSize shown = area.viewport()->size();
  QScrollBar* h = area.horizontalScrollBar();
  QScrollBar* v = area.verticalScrollBar();
  h->setRange(0, std::max(0, total.width() - shown.width()));
  h->setPageStep(std::max(1, shown.width()));
  h->setSingleStep(kScrollLine);
  v->setRange(0, std::max(0, total.height() - shown.height()));
  v->setPageStep(std::max(1, shown.height()));
  v->setSingleStep(kScrollLine);
}

void RefitPaperScrollRanges(QAbstractScrollArea& area) {
  QScrollBar* h = area.horizontalScrollBar();
  const bool atRight = h->value() == h->maximum();
  SetPaperScrollRanges(area);
  if (atRight) h->setValue(h->maximum());
}

tmb::Rect LogicalClientRect(const QAbstractScrollArea& area) {
  const int x = area.horizontalScrollBar()->value();
  const int y = area.verticalScrollBar()->value();
  const QSize shown = area.viewport()->size();
  return {x, y, x + shown.width(), y + shown.height()};
}

bool FitSurfaceToViewport(tmb::Surface& surface, const QAbstractScrollArea& area) {
  const QSize size = area.viewport()->size();
  if (size.isEmpty()) {
    surface.Destroy();
    return false;
  }
  if (!surface.IsNull() && surface.size() == tmb::Size{size.width(), size.height()}) return false;
  return bool(surface.Create(size.width(), size.height(), tmb::PixelFormat::kColour32));
}
