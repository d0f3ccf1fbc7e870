// The user's input posted to a widget, arriving the way input arrives while the program is
// busy: queued behind the work, delivered when events are next let in.
#pragma once

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointF>
#include <QWidget>

namespace tmb::test {

// The pointer moved to at (widget coordinates), then a click of button there.
inline void PostClick(QWidget* widget, Qt::MouseButton button, QPointF at) {
  const QPointF global = widget->mapToGlobal(at);
  QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseMove, at, global, Qt::NoButton, Qt::NoButton,
                                                      Qt::NoModifier));
  QCoreApplication::postEvent(widget,
                              new QMouseEvent(QEvent::MouseButtonPress, at, global, button, button, Qt::NoModifier));
  QCoreApplication::postEvent(
      widget, new QMouseEvent(QEvent::MouseButtonRelease, at, global, button, Qt::NoButton, Qt::NoModifier));
}

// A press and release of key.
inline void PostKey(QWidget* widget, int key) {
  QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
  QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier));
}

}  // namespace tmb::test
