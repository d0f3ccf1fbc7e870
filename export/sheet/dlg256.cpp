#include "export/sheet/dlg256.h"

std::vector<tmb::ui::Binding> CDlg256::Bindings() {
  using namespace tmb::ui;
  return {
      CheckBox(445, &m_bCheck445, "オプション 1"),
      CheckBox(448, &m_bCheck448, "オプション 2"),
      CheckBox(451, &m_bCheck451, "オプション 3"),
  };
}
