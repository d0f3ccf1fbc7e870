// The dialogs of the pen: the pen and brush speed (template 104) and the choice the brush
// renderer asks for (template 147).
#pragma once

#include "platform/ui/dialog.h"

class CBrushSetDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr int kSpeedSlider = 333;
  static constexpr int kDelayEdit = 110;
  static constexpr int kMaxSpeed = 6;
  static constexpr unsigned kMaxDelay = 2000;

  CBrushSetDlg() : ModalDialog(104, "笔速") {}

  int m_nSpeed = 0;            // 333: mouse speed while writing, 0 slow .. 6 fast
  unsigned m_nDelay = 0;       // 110: milliseconds between two pen samples
  int m_nRestrain = -1;        // 561: pauses while writing: none, with, plain line
  int m_bChangeSpeed = 0;      // 583: change to the speed above
  int m_bPlainTabletLine = 0;  // 666: plain line quality with a Tablet PC pen

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

class CDlg147 : public tmb::ui::ModalDialog {
 public:
  CDlg147() : ModalDialog(147, "Tamberi") {}

  int m_nFirst = 0;   // 132
  int m_nSecond = 0;  // 145

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

extern CBrushSetDlg gBrushSetDlg;
