// The special-motion page "特殊動作" (template 277): after-images, time-lag morphing,
// easing and its change points, and blocked regions.
#pragma once

#include "export/sheet/ani_page.h"

class CAniBasePage2 : public CAniPage {
  Q_OBJECT

 public:
  explicit CAniBasePage2(CAniSheetValues& values);
  bool StoresOnConfirm() const override { return false; }

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
};
