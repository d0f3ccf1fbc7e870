#include "app/dialogs/view_mouse_dialogs.h"

std::vector<tmb::ui::Binding> CDlg197::Bindings() { return {tmb::ui::ActionButton(135, kAction135, "135")}; }

std::vector<tmb::ui::Binding> CDlg198::Bindings() {
  using namespace tmb::ui;
  return {
      CheckBox(176, &m_bCheck176, "176"),
      TextEdit(102, &m_strText, "102"),
      CheckBox(188, &m_bCheck188, "188"),
      UnsignedEdit(103, &m_nValue, kMinValue, kMaxValue, "103"),
      RadioGroup(132, &m_nRadio132, {"132", "133"}, ""),
      RadioGroup(137, &m_nRadio137, {"137", "138"}, ""),
      CheckBox(189, &m_bCheck189, "189"),
      ActionButton(135, kAction135, "135"),
      ActionButton(140, kAction140, "140"),
  };
}

std::vector<tmb::ui::Binding> CDlg201::Bindings() { return {tmb::ui::TextEdit(102, &m_strText, "102")}; }
