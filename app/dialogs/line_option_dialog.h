// The line options (template 273), run from the line page of the writing sheet: how
// strongly the modulation is smoothed, the smoothing of details and its strength; and the
// box of template 174, which binds nothing and which nothing opens.
#pragma once

#include "platform/ui/dialog.h"

class CLineOptionDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr int kMaxSmooth = 30;

  CLineOptionDlg() : ModalDialog(273, "ラインオプション") {}

  int m_nSmooth = 0;      // slider 421 mirrored into 422, 0..30: "弱" .. "強"
  int m_bDetails = 0;     // 514
  int m_nDetailMode = 0;  // 516: "強く", "しない", "軽く"

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

class CDlg174 : public tmb::ui::ModalDialog {
 public:
  CDlg174() : ModalDialog(174, "Tamberi") {}

 protected:
  std::vector<tmb::ui::Binding> Bindings() override { return {}; }
};
