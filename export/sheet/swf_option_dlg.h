// "swfファイル" (template 310): the three SWF switches of the SWF page in a dialog of
// their own: a dummy box for the background colour, outlines only, and the wait times.
#pragma once

#include "platform/ui/dialog.h"

class CSwfOptionDlg : public tmb::ui::ModalDialog {
 public:
  CSwfOptionDlg() : ModalDialog(310, "swfファイル") {}

  int m_bDummyBox = 0;
  int m_bOutlineOnly = 0;
  int m_bUseWaits = 0;

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};
