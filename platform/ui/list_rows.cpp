#include "platform/ui/list_rows.h"

#include <QFont>
#include <QFontDatabase>
#include <QListWidget>
#include <algorithm>

namespace tmb::ui {

void SetListLines(QWidget* control, const std::vector<std::string>& lines) {
  auto* list = qobject_cast<QListWidget*>(control);
  if (!list) return;
  const std::vector<int> kept = SelectedRows(control);
  list->clear();
  for (const std::string& line : lines) list->addItem(QString::fromStdString(line));
  SelectRows(control, kept);
}

std::vector<int> SelectedRows(QWidget* control) {
  std::vector<int> rows;
  auto* list = qobject_cast<QListWidget*>(control);
  if (!list) return rows;
  for (int i = 0; i < list->count(); ++i) {
    if (list->item(i)->isSelected()) rows.push_back(i);
  }
  return rows;
}

int SelectedRow(QWidget* control) {
  const std::vector<int> rows = SelectedRows(control);
  return rows.empty() ? -1 : rows.front();
}

void SelectRows(QWidget* control, const std::vector<int>& rows) {
  auto* list = qobject_cast<QListWidget*>(control);
  if (!list) return;
  list->clearSelection();
  for (int row : rows) {
    if (QListWidgetItem* item = list->item(row)) item->setSelected(true);
  }
}

QFont ListFont() { return QFontDatabase::systemFont(QFontDatabase::FixedFont); }

}  // namespace tmb::ui
