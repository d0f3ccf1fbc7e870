// Menus walked as a user opens them: every item under a menu bar or a popup menu, each
// found again by its place, with each popup opened on the way (its items are built,
// enabled and ticked as it opens). Popup menus the program tracks are walked the same
// way, noted or with one of their items chosen.
#pragma once

#include <QAction>
#include <QMenu>
#include <QString>
#include <string>
#include <vector>

#include "platform/ui/popup_menus.h"
#include "support/ui/menu_path.h"

namespace tmb::test {

// An item of a menu: the indexes of the actions from the top down to it, its labels and
// its command (the action's data).
struct MenuItemPlace {
  std::vector<int> at;
  std::string labels;  // "文件 > 打开"
  int id = 0;
};

namespace detail {

inline void CollectMenuItems(const QList<QAction*>& actions, const MenuItemPlace& above,
                             std::vector<MenuItemPlace>& items) {
  for (int i = 0; i < actions.size(); ++i) {
    QAction* a = actions[i];
    if (a->isSeparator() || !a->isVisible()) continue;
    MenuItemPlace place = above;
    place.at.push_back(i);
    if (!place.labels.empty()) place.labels += " > ";
    place.labels += MenuLabel(a).toStdString();
    if (QMenu* popup = a->menu()) {
      emit popup->aboutToShow();
      CollectMenuItems(popup->actions(), place, items);
    } else {
      place.id = a->data().toInt();
      items.push_back(std::move(place));
    }
  }
}

}  // namespace detail

// Every item under actions (a menu bar's or a popup's), popups opened on the way.
inline std::vector<MenuItemPlace> EveryMenuItem(const QList<QAction*>& actions) {
  std::vector<MenuItemPlace> items;
  detail::CollectMenuItems(actions, {}, items);
  return items;
}

// The item at place under actions, each popup opened on the way; null when it is gone.
inline QAction* MenuItemAt(QList<QAction*> actions, const std::vector<int>& at) {
  QAction* found = nullptr;
  for (int i : at) {
    if (i < 0 || i >= actions.size()) return nullptr;
    found = actions[i];
    if (QMenu* popup = found->menu()) {
      emit popup->aboutToShow();
      actions = popup->actions();
    }
  }
  return found;
}

// The popup menus the program tracks: each is noted with all its items, or the item at
// the place asked for is chosen (when it is enabled) as the user's click chooses it.
class WalkedPopups final : public ui::PopupMenuService {
 public:
  WalkedPopups() { ui::SetPopupMenuService(this); }
  ~WalkedPopups() override { ui::SetPopupMenuService(nullptr); }
  WalkedPopups(const WalkedPopups&) = delete;
  WalkedPopups& operator=(const WalkedPopups&) = delete;

  void Track(QMenu& menu, QPoint) override { Walk(menu); }

  // Walks menu as it is shown: notes it, or chooses the item of choose (then cleared).
  void Walk(QMenu& menu) {
    ++shown;
    emit menu.aboutToShow();
    if (choose.empty()) {
      items = EveryMenuItem(menu.actions());
      if (menu.isVisible()) menu.close();
      return;
    }
    QAction* item = MenuItemAt(menu.actions(), choose);
    choose.clear();
    if (menu.isVisible()) menu.close();
    if (!item) return;
    found = true;
    enabled = item->isEnabled();
    if (enabled) item->trigger();
  }

  std::vector<MenuItemPlace> items;  // of the last popup noted
  std::vector<int> choose;           // the place to choose in the next popup; empty: note it
  int shown = 0;                     // popups shown
  bool found = false;                // the last place asked for was there
  bool enabled = false;              // and enabled
};

}  // namespace tmb::test
