#include "platform/ui/start_options.h"

#include <QApplication>
#include <QTimer>
#include <cstdlib>

namespace tmb::ui {

bool ApplyStartOptions(QApplication& app) {
  if (!std::getenv("TAMBERI_QUIT_AFTER_START")) return false;
  QTimer::singleShot(0, &app, &QApplication::quit);
  return true;
}

}  // namespace tmb::ui
