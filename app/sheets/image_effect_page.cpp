#include "app/sheets/image_effect_page.h"

#include <climits>

std::vector<tmb::ui::Binding> CImageEffectPage::PageBindings() {
  using namespace tmb::ui;
  ImageEffectValues& v = m_values;
  return {
      CheckBox(392, &v.m_bApply, "効果を掛ける"),
      SignedEdit(390, &v.m_nMarginX, INT_MIN, INT_MAX, "余白: 横"),
      SignedEdit(391, &v.m_nMarginY, INT_MIN, INT_MAX, "余白: 縦"),
      SignedEdit(326, &v.m_nSampleX, INT_MIN, INT_MAX, "指定点 X (左上から)"),
      SignedEdit(327, &v.m_nSampleY, INT_MIN, INT_MAX, "指定点 Y (左上から)"),
      // 326 and 390 belong to edits, so the second buttons take ids of their own.
      RadioButtons({325, 710}, &v.m_nBackground, {"用紙色", "指定点の色"}, "効果に使う背景色"),
      RadioButtons({389, 711, 712}, &v.m_nArea, {"自動設定", "指定領域", "全範囲"}, "効果範囲"),
      TextEdit(330, &v.m_strFile, "効果定義ファイル"),
      PushButton(331, "ファイル変更"),
      PushButton(352, "編集"),
      PushButton(406, "保存"),
  };
}
