// The toolbar as a user meets it: the button of a command, to look at and click.
#pragma once

#include <QAction>
#include <QToolBar>
#include <QToolButton>

namespace tmb::test {

// The button of toolbar for command id; null when it has none.
inline QToolButton* ButtonOfCommand(QToolBar* toolbar, int id) {
  for (QAction* a : toolbar->actions()) {
    if (!a->isSeparator() && a->data().toInt() == id) return qobject_cast<QToolButton*>(toolbar->widgetForAction(a));
  }
  return nullptr;
}

}  // namespace tmb::test
