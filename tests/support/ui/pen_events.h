// Mouse and tablet pen events sent to a widget as the window system delivers them: a
// tablet event that the widget does not accept is followed by the mouse event Qt makes
// of it. A clock moved by hand times the samples.
#pragma once

#include <QEvent>
#include <QPoint>
#include <QPointingDevice>
#include <initializer_list>
#include <memory>

#include "support/manual_clock.h"

class QWidget;

namespace tmb::test {

class PenEvents {
 public:
  // Events go to target (a view's viewport); each sample first moves clock by stepMs.
  PenEvents(QWidget* target, ManualClock& clock, uint32_t stepMs = 20);

  // The mouse, left button unless said otherwise.
  void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton);
  void Move(QPoint at);
  void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton);
  void DoubleClick(QPoint at);
  // A move with no button held.
  void Hover(QPoint at);
  // A whole stroke: press at the first point, a move to each later one, release at the
  // last.
  void Stroke(std::initializer_list<QPoint> points);
  // A straight stroke from from to to in steps even steps, as a hand moves the mouse:
  // press at from, a move at each step between, release at to.
  void Line(QPoint from, QPoint to, int steps);

  // The tablet pen at a pressure of 0 to 1 (more for a pen that overshoots).
  void PenPress(QPoint at, double pressure);
  void PenMove(QPoint at, double pressure);
  void PenRelease(QPoint at, double pressure);
  // A pen event whose mouse event has not come yet: only its packet is queued.
  void PenPacket(QPoint at, double pressure);

  const QPointingDevice& stylus() const { return *stylus_; }

 private:
  void Tablet(QEvent::Type type, QPoint at, double pressure, bool withMouse);
  void Mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, const QPointingDevice* device);

  QWidget* target_;
  ManualClock& clock_;
  uint32_t stepMs_;
  std::unique_ptr<QPointingDevice> stylus_;
  Qt::MouseButtons held_ = Qt::NoButton;
};

}  // namespace tmb::test
