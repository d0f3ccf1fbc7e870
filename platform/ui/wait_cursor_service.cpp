#include "platform/ui/wait_cursor_service.h"

#include <QCursor>
#include <QGuiApplication>

namespace tmb::ui {

void WaitCursorService::BeginWait() {
  ++depth_;
  QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void WaitCursorService::EndWait() {
  if (depth_ == 0) return;  // an end without a begin changes nothing
  --depth_;
  QGuiApplication::restoreOverrideCursor();
}

}  // namespace tmb::ui
