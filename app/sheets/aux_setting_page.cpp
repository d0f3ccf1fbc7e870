#include "app/sheets/aux_setting_page.h"

std::vector<tmb::ui::Binding> CAuxSettingPage::PageBindings() {
  using namespace tmb::ui;
  AuxSettingValues& v = m_values;
  return {
      CheckBox(176, &v.m_bAutoConvert, "バー移動直後の自動変換表示"),
      // 138 and 139 belong to the next set, so the last two buttons take ids of their own.
      RadioButtons({137, 177, 178}, &v.m_nDetailMode, {"ver.1.*", "ver.2.*", "Tamberi ver.3"}, "細部表示モード"),
      Label(0, "変換バーの値: 現在の変換値 / バーの最大値"),
      UnsignedEdit(254, &v.m_nCrush, 0, 1000, "崩し"),
      UnsignedEdit(255, &v.m_nCrushMax, 0, 1000, ""),
      UnsignedEdit(256, &v.m_nFlow, 0, 1500, "筆脈"),
      UnsignedEdit(257, &v.m_nFlowMax, 1, 1500, ""),
      UnsignedEdit(258, &v.m_nRenmen, 0, 1500, "連綿"),
      UnsignedEdit(259, &v.m_nRenmenMax, 1, 1500, ""),
      UnsignedEdit(260, &v.m_nWidth, 0, 200, "太さ"),
      UnsignedEdit(261, &v.m_nWidthMax, 1, 200, ""),
      UnsignedEdit(262, &v.m_nInflect, 0, 200, "抑揚"),
      UnsignedEdit(263, &v.m_nInflectMax, 1, 200, ""),
      UnsignedEdit(264, &v.m_nBlur, 0, 200, "掠れ"),
      UnsignedEdit(265, &v.m_nBlurMax, 1, 200, ""),
      CheckBox(188, &v.m_bHideSheet, "変換表示時にこのシートを消去"),
      RadioGroup(139, &v.m_nPressure, {"小", "大"}, "タブレット使用時の筆圧効果"),
  };
}
