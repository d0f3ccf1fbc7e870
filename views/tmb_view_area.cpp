#include "views/tmb_view_area.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabletEvent>

#include "platform/ui/tablet.h"
#include "platform/ui/virtual_keys.h"
#include "views/tmb_view.h"

CTmbViewArea::CTmbViewArea(CTmbView* view) : QAbstractScrollArea(view), view_(view) {
  setFrameShape(QFrame::NoFrame);
  setFocusPolicy(Qt::StrongFocus);
  // The view paints every pixel of the viewport from its window surface.
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  viewport()->setMouseTracking(true);
}

bool CTmbViewArea::viewportEvent(QEvent* event) {
  if (!view_) return QAbstractScrollArea::viewportEvent(event);
  switch (event->type()) {
    case QEvent::Paint:
      view_->PaintViewport();
      return true;
    case QEvent::Resize:
      view_->OnViewportResized();
      break;
    case QEvent::Enter:
      view_->UpdateCursor();
      break;
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
      // The pen's pressure waits as a packet; the mouse event Qt makes of the unaccepted
      // tablet event brings the point.
      tmb::ui::Tablet().Feed(*static_cast<QTabletEvent*>(event));
      event->ignore();
      return false;
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
      MouseEvent(*static_cast<QMouseEvent*>(event));
      return true;
    default:
      break;
  }
  return QAbstractScrollArea::viewportEvent(event);
}

void CTmbViewArea::scrollContentsBy(int, int) {
  if (view_) view_->OnScrolled();
}

void CTmbViewArea::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  if (view_) view_->OnSetFocus();
}

void CTmbViewArea::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  if (view_) view_->OnKillFocus();
}

void CTmbViewArea::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers();
  if (view_) {
    view_->OnKeyDown(tmb::ui::VirtualKeyOf(event->key()), mods & Qt::ControlModifier, mods & Qt::ShiftModifier);
  }
  QAbstractScrollArea::keyPressEvent(event);
}

void CTmbViewArea::keyReleaseEvent(QKeyEvent* event) {
  // A held key repeats as pairs of releases and presses; only the real release counts.
  if (view_ && !event->isAutoRepeat()) {
    view_->OnKeyUp(tmb::ui::VirtualKeyOf(event->key()));
  }
  QAbstractScrollArea::keyReleaseEvent(event);
}

void CTmbViewArea::MouseEvent(const QMouseEvent& event) {
  const QPoint at = event.position().toPoint();
  const tmb::Point device{at.x(), at.y()};
  switch (event.type()) {
    // A quick second press is a stroke of its own, as a press is.
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      if (event.button() == Qt::LeftButton) view_->OnLButtonDown(device);
      if (event.button() == Qt::RightButton) view_->OnRButtonDown(device);
      break;
    case QEvent::MouseButtonRelease:
      if (event.button() == Qt::LeftButton) view_->OnLButtonUp(device);
      if (event.button() == Qt::RightButton) view_->OnRButtonUp(device);
      break;
    default:
      view_->OnMouseMove(device, event.buttons() & Qt::LeftButton);
      break;
  }
}
