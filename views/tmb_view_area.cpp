#include "views/tmb_view_area.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QTabletEvent>

#include "platform/ui/tablet.h"
#include "platform/ui/virtual_keys.h"
#include "views/tmb_view.h"

CTmbViewArea::CTmbViewArea(CTmbView* view) : SurfaceScrollArea(view) {
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setMouseTracking(true);
}

std::optional<bool> CTmbViewArea::OtherViewportEvent(QEvent& event) {
  switch (event.type()) {
    case QEvent::Enter:
      view_->UpdateCursor();
      return std::nullopt;
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
      // The pen's pressure waits as a packet; the mouse event Qt makes of the unaccepted
      // tablet event brings the point.
      tmb::ui::Tablet().Feed(static_cast<QTabletEvent&>(event));
      event.ignore();
      return false;
    default:
      return std::nullopt;
  }
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

bool CTmbViewArea::ViewportMouse(const QMouseEvent& event) {
  const QPoint at = event.position().toPoint();
  const tmb::Point device{at.x(), at.y()};
  switch (event.type()) {
    case QEvent::MouseButtonPress:
      if (event.button() == Qt::LeftButton) view_->OnLButtonDown(device);
      if (event.button() == Qt::RightButton) view_->OnRButtonDown(device);
      break;
    // The second press of a double click starts nothing.
    case QEvent::MouseButtonDblClick:
      if (event.button() == Qt::LeftButton) view_->OnLButtonDblClk(device);
      break;
    case QEvent::MouseButtonRelease:
      if (event.button() == Qt::LeftButton) view_->OnLButtonUp(device);
      if (event.button() == Qt::RightButton) view_->OnRButtonUp(device);
      break;
    default:
      view_->OnMouseMove(device, event.buttons() & Qt::LeftButton);
      break;
  }
  return true;
}
