// Template 256, which the resources do not hold: three switches under their ids, laid
// out and labelled freely.
#pragma once

#include "platform/ui/dialog.h"

class CDlg256 : public tmb::ui::ModalDialog {
 public:
  CDlg256() : ModalDialog(256, "Tamberi") {}

  int m_bCheck445 = 0;
  int m_bCheck448 = 0;
  int m_bCheck451 = 0;

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};
