#include "platform/ui/pending_input.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QThread>
#include <QWidget>
#include <QWindow>

namespace tmb::ui {
namespace {

constexpr char kTakesInputWhileBusy[] = "tmbTakesInputWhileBusy";

bool IsMouse(QEvent::Type t) {
  return t == QEvent::MouseButtonPress || t == QEvent::MouseButtonRelease || t == QEvent::MouseButtonDblClick ||
         t == QEvent::MouseMove || t == QEvent::Wheel || t == QEvent::TabletPress || t == QEvent::TabletRelease ||
         t == QEvent::TabletMove || t == QEvent::ContextMenu;
}

bool IsKey(QEvent::Type t) {
  return t == QEvent::KeyPress || t == QEvent::KeyRelease || t == QEvent::Shortcut || t == QEvent::ShortcutOverride;
}

// The widget an event for watched lands on: a window's own events go to the widget under
// the pointer (mouse) or the one with the focus (keys).
QWidget* TargetOf(QObject* watched, QEvent* event) {
  if (auto* widget = qobject_cast<QWidget*>(watched)) return widget;
  if (!qobject_cast<QWindow*>(watched)) return nullptr;
  if (auto* mouse = dynamic_cast<QSinglePointEvent*>(event)) {
    return QApplication::widgetAt(mouse->globalPosition().toPoint());
  }
  return QApplication::focusWidget();
}

bool TakesInputWhileBusy(const QWidget* widget) {
  return widget && widget->isEnabled() && widget->property(kTakesInputWhileBusy).toBool();
}

// The stop request an event is; kMouseNone for the input that is only taken away. Moves
// and presses are not kept, so that the release of a click is the next message however
// much the pointer moved before it.
int StopRequestOf(QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    if (button == Qt::LeftButton) return kMouseLeftUp;
    if (button == Qt::RightButton) return kMouseRightUp;
  }
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    return kKeyEscape;
  }
  return kMouseNone;
}

}  // namespace

PendingInput::PendingInput() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->installEventFilter(this);
  SetMouseQueue(this);
}

PendingInput::~PendingInput() {
  if (&Mouse() == this) SetMouseQueue(nullptr);
}

void PendingInput::MarkTakesInputWhileBusy(QWidget* widget) {
  if (widget) widget->setProperty(kTakesInputWhileBusy, true);
}

void PendingInput::Pump() {
  // A question asked from within the letting in (a paint that flushes) finds what is
  // already taken.
  if (pumping_ || !QCoreApplication::instance()) return;
  pumping_ = true;
  // Timers wait: the work in progress is the only thing running.
  QCoreApplication::processEvents(QEventLoop::ExcludeSocketNotifiers | QEventLoop::X11ExcludeTimers);
  pumping_ = false;
}

int PendingInput::TakeMouseMessage(bool windowOnly) {
  Pump();
  QWidget* active = QApplication::activeWindow();
  for (auto it = taken_.begin(); it != taken_.end(); ++it) {
    if (windowOnly && active && it->window != active) continue;
    const int kind = it->kind;
    taken_.erase(it);
    return kind;
  }
  return kMouseNone;
}

void PendingInput::DropPending() {
  if (QThread::currentThread()->loopLevel() > 0) Pump();
  taken_.clear();
}

bool PendingInput::eventFilter(QObject* watched, QEvent* event) {
  if (!pumping_) return false;
  const QEvent::Type type = event->type();
  if (!IsMouse(type) && !IsKey(type)) return false;
  QWidget* target = TargetOf(watched, event);
  if (TakesInputWhileBusy(target)) return false;
  // No shortcut may run a command either.
  if (type == QEvent::ShortcutOverride) event->accept();
  const int kind = StopRequestOf(event);
  if (kind != kMouseNone) taken_.push_back({kind, target ? target->window() : nullptr});
  return true;
}

}  // namespace tmb::ui
