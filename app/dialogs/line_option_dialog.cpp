#include "app/dialogs/line_option_dialog.h"

std::vector<tmb::ui::Binding> CLineOptionDlg::Bindings() {
  using namespace tmb::ui;
  return {
      // The edit saves after the slider: a number typed and not yet left is the one kept.
      Slider(421, &m_nSmooth, 0, kMaxSmooth, 422, "弱 .. 強"),
      SignedEdit(422, &m_nSmooth, 0, kMaxSmooth, "抑揚スムーズ処理"),
      CheckBox(514, &m_bDetails, "細部のスムーズ処理"),
      RadioGroup(516, &m_nDetailMode, {"強く", "しない", "軽く"}, "細部"),
  };
}
