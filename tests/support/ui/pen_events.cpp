#include "support/ui/pen_events.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTabletEvent>
#include <QWidget>

namespace tmb::test {

PenEvents::PenEvents(QWidget* target, ManualClock& clock, uint32_t stepMs)
    : target_(target),
      clock_(clock),
      stepMs_(stepMs),
      stylus_(std::make_unique<QPointingDevice>(
          QStringLiteral("test stylus"), 7, QInputDevice::DeviceType::Stylus, QPointingDevice::PointerType::Pen,
          QInputDevice::Capability::Position | QInputDevice::Capability::Pressure, 1, 2)) {}

void PenEvents::Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, const QPointingDevice* device) {
  if (type == QEvent::MouseButtonPress || type == QEvent::MouseButtonDblClick) held_ |= button;
  if (type == QEvent::MouseButtonRelease) held_ &= ~Qt::MouseButtons(button);
  QMouseEvent event(type, QPointF(at), QPointF(target_->mapToGlobal(at)), button, held_, Qt::NoModifier, device);
  QCoreApplication::sendEvent(target_, &event);
}

void PenEvents::Press(QPoint at, Qt::MouseButton button) {
  clock_.Advance(stepMs_);
  Mouse(QEvent::MouseButtonPress, at, button, QPointingDevice::primaryPointingDevice());
}

void PenEvents::Move(QPoint at) {
  clock_.Advance(stepMs_);
  Mouse(QEvent::MouseMove, at, Qt::NoButton, QPointingDevice::primaryPointingDevice());
}

void PenEvents::Release(QPoint at, Qt::MouseButton button) {
  clock_.Advance(stepMs_);
  Mouse(QEvent::MouseButtonRelease, at, button, QPointingDevice::primaryPointingDevice());
}

void PenEvents::DoubleClick(QPoint at) {
  clock_.Advance(stepMs_);
  Mouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton, QPointingDevice::primaryPointingDevice());
}

void PenEvents::Hover(QPoint at) {
  const Qt::MouseButtons held = held_;
  held_ = Qt::NoButton;
  Move(at);
  held_ = held;
}

void PenEvents::Stroke(std::initializer_list<QPoint> points) {
  const QPoint* p = points.begin();
  Press(*p);
  for (++p; p != points.end(); ++p) Move(*p);
  Release(*(points.end() - 1));
}

void PenEvents::Line(QPoint from, QPoint to, int steps) {
  Press(from);
  const QPoint way = to - from;
  for (int k = 1; k < steps; ++k) Move(from + QPoint(way.x() * k / steps, way.y() * k / steps));
  Release(to);
}

void PenEvents::Tablet(QEvent::Type type, QPoint at, double pressure, bool withMouse) {
  if (withMouse) clock_.Advance(stepMs_);
  const bool down = type != QEvent::TabletRelease;
  const Qt::MouseButton button = type == QEvent::TabletMove ? Qt::NoButton : Qt::LeftButton;
  QTabletEvent event(type, stylus_.get(), QPointF(at), QPointF(target_->mapToGlobal(at)), pressure, 0, 0, 0, 0, 0,
                     Qt::NoModifier, button, down ? Qt::LeftButton : Qt::NoButton);
  event.setAccepted(false);
  QCoreApplication::sendEvent(target_, &event);
  if (!withMouse || event.isAccepted()) return;
  // Qt makes a mouse event of a tablet event nobody accepted.
  const QEvent::Type mouse = type == QEvent::TabletPress   ? QEvent::MouseButtonPress
                             : type == QEvent::TabletMove ? QEvent::MouseMove
                                                          : QEvent::MouseButtonRelease;
  Mouse(mouse, at, button, stylus_.get());
}

void PenEvents::PenPress(QPoint at, double pressure) { Tablet(QEvent::TabletPress, at, pressure, true); }

void PenEvents::PenMove(QPoint at, double pressure) { Tablet(QEvent::TabletMove, at, pressure, true); }

void PenEvents::PenRelease(QPoint at, double pressure) { Tablet(QEvent::TabletRelease, at, pressure, true); }

void PenEvents::PenPacket(QPoint at, double pressure) { Tablet(QEvent::TabletMove, at, pressure, false); }

}  // namespace tmb::test
