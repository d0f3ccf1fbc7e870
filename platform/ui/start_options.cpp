#include "platform/ui/start_options.h"

#include <QApplication>
#include <QTimer>
#include <cstdlib>

namespace tmb::ui {

void ApplyStartOptions(QApplication& app) {
  if (std::getenv("TAMBERI_QUIT_AFTER_START")) {
    QTimer::singleShot(0, &app, &QApplication::quit);
  }
}

}  // namespace tmb::ui
