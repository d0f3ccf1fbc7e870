#include "app/context_help_mode.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/ui/context_help.h"

void CContextHelpMode::Enter() {
  if (active_ || !QCoreApplication::instance()) return;
  active_ = true;
  QCoreApplication::instance()->installEventFilter(this);
  QApplication::setOverrideCursor(Qt::WhatsThisCursor);
}

void CContextHelpMode::Leave() {
  if (!active_) return;
  active_ = false;
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
  QApplication::restoreOverrideCursor();
}

bool CContextHelpMode::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress: {
      // The press reaches the window system's window before the widget under it.
      auto* widget = qobject_cast<QWidget*>(watched);
      if (!widget) return false;
      const int context = tmb::ui::HelpContextOf(widget);
      Leave();
      if (help_) help_(context);
      return true;
    }
    case QEvent::KeyPress:
      if (static_cast<QKeyEvent*>(event)->key() != Qt::Key_Escape) return false;
      Leave();
      return true;
    default:
      return false;
  }
}
