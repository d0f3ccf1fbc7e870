#include "platform/ui/desktop_open.h"

#include <QCoreApplication>
#include <QObject>
#include <QProcess>
#include <QString>

namespace tmb::ui {

namespace {

// The desktop's opener: it answers at once when no program takes the file, and may stay
// until the program it started ends (a browser run in its place).
constexpr char kOpener[] = "xdg-open";
constexpr int kStartMs = 5000;
constexpr int kAnswerMs = 3000;

}  // namespace

bool DesktopOpen::Open(const std::string& path) {
  // Not owned by the application: a program still open when this one ends stays open.
  auto* opener = new QProcess();
  opener->setProgram(QString::fromLatin1(kOpener));
  opener->setArguments({QString::fromStdString(path)});
  opener->setProcessChannelMode(QProcess::ForwardedChannels);
  opener->start();
  if (!opener->waitForStarted(kStartMs)) {
    delete opener;
    return false;
  }
  // Started is not opened: the opener's exit status says whether a program took the file.
  if (opener->waitForFinished(kAnswerMs)) {
    const bool opened = opener->exitStatus() == QProcess::NormalExit && opener->exitCode() == 0;
    delete opener;
    return opened;
  }
  QObject::connect(opener, &QProcess::finished, opener, &QObject::deleteLater);
  return true;
}

}  // namespace tmb::ui
