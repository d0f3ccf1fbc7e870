#include "platform/ui/popup_menus.h"

#include <QMenu>

namespace tmb::ui {
namespace {

class RunningPopups final : public PopupMenuService {
 public:
  void Track(QMenu& menu, QPoint global) override { menu.exec(global); }
};

RunningPopups gRunning;
PopupMenuService* gService = &gRunning;

}  // namespace

PopupMenuService& PopupMenus() { return *gService; }

void SetPopupMenuService(PopupMenuService* service) { gService = service ? service : &gRunning; }

}  // namespace tmb::ui
