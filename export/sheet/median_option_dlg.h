// "中央値指定オプション" (template 281): for six conversion bars, whether their transition
// frames run in turn or through a median, and the median.
#pragma once

#include "export/animation/anim_sheet_values.h"
#include "platform/ui/dialog.h"

class CMedianOptionDlg : public tmb::ui::ModalDialog {
 public:
  CMedianOptionDlg() : ModalDialog(281, "中央値指定オプション") {}

  CMedianValues m_values;

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};
