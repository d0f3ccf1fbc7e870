// Menu items found by their labels, as a user finds them: each popup on the way is opened
// (its update pass runs), so that the item found is enabled and ticked as shown.
#pragma once

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QString>
#include <initializer_list>

namespace tmb::test {

// A menu text without its access key and its keys: "元に戻す(&U)\tCtrl+Z" is "元に戻す".
inline QString Label(const QAction* action) {
  QString text = action->text().section(QLatin1Char('\t'), 0, 0);
  const qsizetype key = text.indexOf(QLatin1String("(&"));
  if (key >= 0) text.truncate(key);
  return text.remove(QLatin1Char('&'));
}

// The item at the end of path (labels) among items, each popup on the way opened; null
// when the path is missing.
inline QAction* MenuItemAmong(QList<QAction*> items, std::initializer_list<const char*> path) {
  QAction* found = nullptr;
  for (const char* label : path) {
    found = nullptr;
    for (QAction* a : items) {
      if (Label(a) == QString::fromUtf8(label)) found = a;
    }
    if (!found) return nullptr;
    if (QMenu* popup = found->menu()) {
      emit popup->aboutToShow();
      items = popup->actions();
    }
  }
  return found;
}

// The menu bar's item at the end of path; null when it is missing.
inline QAction* MenuItem(QMenuBar* bar, std::initializer_list<const char*> path) {
  return MenuItemAmong(bar->actions(), path);
}

// Chooses the menu item at path; false when it is missing or disabled.
inline bool Choose(QMenuBar* bar, std::initializer_list<const char*> path) {
  QAction* item = MenuItem(bar, path);
  if (!item || !item->isEnabled()) return false;
  item->trigger();
  return true;
}

}  // namespace tmb::test
