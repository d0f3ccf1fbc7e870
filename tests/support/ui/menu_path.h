// The menu bar as a user meets it: items found by their labels along a path of popups,
// each popup opened on the way so that its items are enabled and ticked.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <initializer_list>

namespace tmb::test {

// A menu text without its access key and its keys: "元に戻す(&U)\tCtrl+Z" is "元に戻す".
inline QString MenuLabel(const QAction* action) {
  QString text = action->text().section(QLatin1Char('\t'), 0, 0);
  const qsizetype key = text.indexOf(QLatin1String("(&"));
  if (key >= 0) text.truncate(key);
  return text.remove(QLatin1Char('&'));
}

// The menu bar's item at the end of path (labels); null when the path is missing.
inline QAction* MenuItem(QMenuBar* bar, std::initializer_list<const char*> path) {
  QList<QAction*> items = bar->actions();
  QAction* found = nullptr;
  for (const char* label : path) {
    found = nullptr;
    for (QAction* a : items) {
      if (MenuLabel(a) == QString::fromUtf8(label)) found = a;
    }
    if (!found) return nullptr;
    if (QMenu* popup = found->menu()) {
      emit popup->aboutToShow();
      items = popup->actions();
    }
  }
  return found;
}

// Chooses the menu item at path; false when it is missing or disabled.
inline bool ChooseMenuItem(QMenuBar* bar, std::initializer_list<const char*> path) {
  QAction* item = MenuItem(bar, path);
  if (!item || !item->isEnabled()) return false;
  item->trigger();
  return true;
}

}  // namespace tmb::test
