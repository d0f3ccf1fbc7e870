#include "platform/ui/paper_scroll.h"

#include <QAbstractScrollArea>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "platform/ui/surface_image.h"

namespace tmb::ui {

void SetPaperScrollRanges(QAbstractScrollArea& area, QSize total, int lineStep) {
  const QSize shown = area.viewport()->size();
  QScrollBar* h = area.horizontalScrollBar();
  QScrollBar* v = area.verticalScrollBar();
  h->setRange(0, std::max(0, total.width() - shown.width()));
  h->setPageStep(std::max(1, shown.width()));
  h->setSingleStep(lineStep);
  v->setRange(0, std::max(0, total.height() - shown.height()));
  v->setPageStep(std::max(1, shown.height()));
  v->setSingleStep(lineStep);
}

void RefitPaperScrollRanges(QAbstractScrollArea& area, QSize total, int lineStep) {
  QScrollBar* h = area.horizontalScrollBar();
  const bool atRight = h->value() == h->maximum();
  SetPaperScrollRanges(area, total, lineStep);
  if (atRight) h->setValue(h->maximum());
}

Rect VisibleRect(const QAbstractScrollArea& area) {
  const int x = area.horizontalScrollBar()->value();
  const int y = area.verticalScrollBar()->value();
  const QSize shown = area.viewport()->size();
  return {x, y, x + shown.width(), y + shown.height()};
}

bool FitSurfaceToSize(Surface& surface, QSize size) {
  if (size.isEmpty()) {
    surface.Destroy();
    return false;
  }
  if (!surface.IsNull() && surface.width() == size.width() && surface.height() == size.height()) return false;
  return bool(surface.Create(size.width(), size.height(), PixelFormat::kColour32));
}

void ShowSurface(QWidget& widget, const Surface& surface) {
  QPainter painter(&widget);
  painter.drawImage(0, 0, ImageOfSurface(surface));
}

}  // namespace tmb::ui
