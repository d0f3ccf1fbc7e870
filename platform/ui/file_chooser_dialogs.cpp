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

// What the files of a pattern hold, for a filter the program labels only with its
// pattern; empty for a pattern of no known kind.
QString DescriptionOf(const QStringList& patterns) {
  struct Kind {
    const char* extension;
    const char* description;
  };
  static constexpr Kind kKinds[] = {
      {"bmp", "BMP picture"}, {"png", "PNG picture"}, {"jpg", "JPEG picture"}, {"gif", "GIF picture"},
      {"svg", "SVG picture"}, {"swf", "SWF movie"},   {"wdf", "Character data"}, {"txt", "Text"},
  };
  if (patterns == QStringList{QStringLiteral("*")}) return QStringLiteral("All files");
  QStringList found;
  for (const QString& pattern : patterns) {
    const QString extension = pattern.section(QLatin1Char('.'), -1).toLower();
    for (const Kind& kind : kKinds) {
      if (extension == QLatin1String(kind.extension)) found << QString::fromUtf8(kind.description);
    }
  }
  if (found.size() != patterns.size()) return {};
  if (found.size() == 1) return found.first();
  return found.filter(QStringLiteral("picture")).size() == found.size() ? QStringLiteral("Pictures") : QString();
}

// The extension a saved name without one takes under filter (as the dialogs write it):
// that of its one pattern "*.ext", else none.
QString ExtensionOfFilter(const QString& filter) {
  const QString patterns = filter.section(QLatin1Char('('), -1).section(QLatin1Char(')'), 0, 0);
  const QStringList list = patterns.split(QLatin1Char(' '), Qt::SkipEmptyParts);
  if (list.size() != 1 || !list.first().startsWith(QLatin1String("*."))) return {};
  const QString extension = list.first().mid(2);
  return extension.contains(QLatin1Char('*')) || extension.contains(QLatin1Char('?')) ? QString() : extension;
}

}  // namespace

QString ConvertFilter(const std::string& filter) {
  QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList out;
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;  // the closing "||"
    QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
    for (QString& pattern : patterns) {
      if (pattern == QLatin1String("*.*")) pattern = QStringLiteral("*");
    }
    QString label = parts[i];
    // A label that only repeats its pattern says what the files are instead.
    if (label.startsWith(QLatin1Char('(')) && label.endsWith(QLatin1Char(')'))) {
      const QString description = DescriptionOf(patterns);
      if (!description.isEmpty()) label = description;
    }
    out << label + QStringLiteral(" (") + patterns.join(QLatin1Char(' ')) + QLatin1Char(')');
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
  const QStringList filters = ConvertFilter(choice.filter).split(QStringLiteral(";;"));
  if (choice.filterIndex > 0 && choice.filterIndex < filters.size()) dialog.selectNameFilter(filters[choice.filterIndex]);
  // A name typed without an extension takes that of the type chosen, else the default.
  auto takeSuffixOf = [&dialog, &choice](const QString& filter) {
    const QString extension = ExtensionOfFilter(filter);
    dialog.setDefaultSuffix(extension.isEmpty() ? QString::fromStdString(choice.defaultExtension) : extension);
  };
  takeSuffixOf(dialog.selectedNameFilter());
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, takeSuffixOf);
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  path = dialog.selectedFiles().first().toStdString();
  return true;
}

bool FileChooserDialogs::ChooseFolder(const std::string& start, std::string& path) {
  QString chosen = QFileDialog::getExistingDirectory(QApplication::activeWindow(), QString(),
                                                     QString::fromStdString(start));
  if (chosen.isEmpty()) return false;
  path = chosen.toStdString();
  return true;
}

}  // namespace tmb::ui
