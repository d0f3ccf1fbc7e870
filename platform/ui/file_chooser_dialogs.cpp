#include "platform/ui/file_chooser_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStringList>

#include "resources/string_table.h"

namespace tmb::ui {
namespace {

QString StartPath(const FileChoice& choice) {
  QString folder = QString::fromStdString(choice.folder);
  if (choice.fileName.empty() || choice.fileName.find('*') != std::string::npos) return folder;
  return QDir(folder).filePath(QString::fromStdString(choice.fileName));
}

QString OpenTitle(const FileChoice& choice) {
  return choice.title.empty() ? QString::fromStdString(LoadStringText(62067)) : QString::fromStdString(choice.title);
}

}  // namespace

QString ConvertFilter(const std::string& filter) {
  QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;  // the closing "||"
    QString pattern = parts[i + 1];
    pattern.replace(QLatin1Char(';'), QLatin1Char(' '));
    pattern.replace(QStringLiteral("*.*"), QStringLiteral("*"));
    out << parts[i] + QStringLiteral(" (") + pattern + QLatin1Char(')');
  }
  return out.join(QStringLiteral(";;"));
}

bool FileChooserDialogs::OpenFile(const FileChoice& choice, std::string& path) {
  QString chosen = QFileDialog::getOpenFileName(QApplication::activeWindow(), OpenTitle(choice), StartPath(choice),
                                                ConvertFilter(choice.filter));
  if (chosen.isEmpty()) return false;
  path = chosen.toStdString();
  return true;
}

bool FileChooserDialogs::OpenFiles(const FileChoice& choice, std::vector<std::string>& paths) {
  const QStringList chosen = QFileDialog::getOpenFileNames(QApplication::activeWindow(), OpenTitle(choice),
                                                           StartPath(choice), ConvertFilter(choice.filter));
  if (chosen.isEmpty()) return false;
  paths.clear();
  for (const QString& path : chosen) paths.push_back(path.toStdString());
  return true;
}

bool FileChooserDialogs::SaveFile(const FileChoice& choice, std::string& path) {
  QFileDialog dialog(QApplication::activeWindow(), QString::fromStdString(choice.title), StartPath(choice),
                     ConvertFilter(choice.filter));
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  if (!choice.defaultExtension.empty()) dialog.setDefaultSuffix(QString::fromStdString(choice.defaultExtension));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  path = dialog.selectedFiles().first().toStdString();
  return true;
}

bool FileChooserDialogs::ChooseFolder(const std::string& start, std::string& path, const std::string& title) {
  QString chosen = QFileDialog::getExistingDirectory(QApplication::activeWindow(), QString::fromStdString(title),
                                                     QString::fromStdString(start));
  if (chosen.isEmpty()) return false;
  path = chosen.toStdString();
  return true;
}

}  // namespace tmb::ui
