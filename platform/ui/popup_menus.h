// The service that shows a popup menu (one the main frame filled from a menu resource) at
// a screen point. Tests install a service that notes the popup instead of running it.
#pragma once

#include <QPoint>

class QMenu;

namespace tmb::ui {

class PopupMenuService {
 public:
  virtual ~PopupMenuService() = default;
  // Shows menu at the screen point and returns when it closed (its command has run).
  virtual void Track(QMenu& menu, QPoint global) = 0;
};

// The installed service; one that runs the menu until another is set.
PopupMenuService& PopupMenus();
void SetPopupMenuService(PopupMenuService* service);

}  // namespace tmb::ui
