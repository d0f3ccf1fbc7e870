// Popup menus for tests: each popup is noted (its name and its items' command ids, -1 for
// a sub-menu and 0 for a separator) instead of being shown, and may choose one command,
// by its id or, as a user does, by its label.
#pragma once

#include <QMenu>
#include <QString>
#include <string>
#include <vector>

#include "platform/ui/popup_menus.h"
#include "support/ui/menu_path.h"

namespace tmb::test {

class NotedPopups final : public ui::PopupMenuService {
 public:
  NotedPopups() { ui::SetPopupMenuService(this); }
  ~NotedPopups() override { ui::SetPopupMenuService(nullptr); }
  NotedPopups(const NotedPopups&) = delete;
  NotedPopups& operator=(const NotedPopups&) = delete;

  void Track(QMenu& menu, QPoint) override {
    names.push_back(menu.objectName().toStdString());
    items.clear();
    subMenuNames.clear();
    emit menu.aboutToShow();
    QAction* chosen = nullptr;
    for (QAction* a : menu.actions()) {
      items.push_back(a->menu() ? -1 : a->isSeparator() ? 0 : a->data().toInt());
      if (a->menu()) subMenuNames.push_back(a->menu()->objectName().toStdString());
      const bool wanted = (choose && a->data().toInt() == choose) ||
                          (!chooseLabel.isEmpty() && !a->isSeparator() && MenuLabel(a) == chooseLabel);
      if (!a->menu() && wanted && a->isEnabled()) chosen = a;
    }
    if (chosen) chosen->trigger();
  }

  std::vector<std::string> names;         // every popup shown, in order
  std::vector<std::string> subMenuNames;  // of the last popup
  std::vector<int> items;                 // of the last popup
  int choose = 0;                         // the command to choose, 0 none
  QString chooseLabel;                    // the label of the item to choose, empty none
};

}  // namespace tmb::test
