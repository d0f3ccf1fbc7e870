// The small dialogs the drawing view's mouse handlers open (templates 197, 198 and 201).
// Their buttons 135 and 140 end them as OK does, leaving their action for the caller.
#pragma once

#include <string>

#include "platform/ui/dialog.h"

class CDlg197 : public tmb::ui::ModalDialog {
 public:
  static constexpr int kAction135 = 1;

  CDlg197() : ModalDialog(197, "Tamberi") {}

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

class CDlg198 : public tmb::ui::ModalDialog {
 public:
  static constexpr int kAction135 = 1;
  static constexpr int kAction140 = 2;
  static constexpr unsigned kMinValue = 128;
  static constexpr unsigned kMaxValue = 384;

  CDlg198() : ModalDialog(198, "Tamberi") {}

  int m_bCheck176 = 0;       // 176
  std::string m_strText;     // 102
  int m_bCheck188 = 0;       // 188
  unsigned m_nValue = 0;     // 103, 128..384
  int m_nRadio132 = -1;      // 132
  int m_nRadio137 = -1;      // 137
  int m_bCheck189 = 0;       // 189

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

class CDlg201 : public tmb::ui::ModalDialog {
 public:
  CDlg201() : ModalDialog(201, "Tamberi") {}

  std::string m_strText;  // 102

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};
