#include "platform/ui/desktop_open.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace tmb::ui {

bool DesktopOpen::Open(const std::string& path) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

}  // namespace tmb::ui
