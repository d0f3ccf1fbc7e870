#include "app/sheets/outline_page.h"

std::vector<tmb::ui::Binding> COutlinePage::PageBindings() {
  using namespace tmb::ui;
  OutlineValues& v = m_values;
  return {
      CheckBox(517, &v.m_bNaturalSmooth, "ナチュラルスムージング: ストローク毎(標準)"),
      SignedEdit(518, &v.m_nNaturalStrength, 0, 100, "強度"),
      Slider(428, nullptr, 0, 100, 518, ""),
      CheckBox(521, &v.m_bPartSmooth, "部分体"),
      SignedEdit(520, &v.m_nPartStrength, 0, 100, "強度"),
      Slider(430, nullptr, 0, 100, 520, ""),
      CheckBox(541, &v.m_bSpline, "スプライン"),
      RadioGroup(600, &v.m_nKeepTip, {"弱", "中", "強"}, "先端部形状の保持"),
      // 612 is the check below, so the set's last buttons take ids of their own.
      RadioButtons({610, 613, 614}, &v.m_nAntiAlias, {"OFF", "トレース型", "ストレッチ型"}, "アンチエイリアス"),
      CheckBox(612, &v.m_bTraceForRough, "掠れ付き等の非プレーンライン時にはトレース型を使用"),
      SignedEdit(523, &v.m_nBold, 0, 32, "ボールド補正"),
      Slider(432, nullptr, 0, 32, 523, ""),
      RadioGroup(568, &v.m_nDetailView, {"B", "C", "A"}, "細部表示モード"),
      SignedEdit(522, &v.m_nDensity, 0, 100, "濃度"),
      Slider(431, nullptr, 0, 100, 522, ""),
  };
}
