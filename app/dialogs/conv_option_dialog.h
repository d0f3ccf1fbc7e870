// The conversion option of the font mode (template 326): which of the colour and the blur
// value the conversion leaves as they are. The two choices live in two globals.
#pragma once

#include "platform/ui/dialog.h"

class CConvOptionDlg : public tmb::ui::ModalDialog {
 public:
  CConvOptionDlg() : ModalDialog(326, "字体") {}

  int m_bKeepColour = 0;  // 687
  int m_bKeepBlur = 0;    // 688

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

// The conversion keeps the colour / the blur value (the dialog's two checks).
extern int gnConvKeepColour;
extern int gnConvKeepBlur;

// The typeface option command: the dialog on the two globals, taken back unless
// cancelled.
void RunConvOptionDialog();
