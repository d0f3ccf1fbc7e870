#include "app/sheets/outline_page.h"

std::vector<tmb::ui::Binding> COutlinePage::PageBindings() {
  using namespace tmb::ui;
  OutlineValues& v = m_values;
  std::vector<Binding> lines =
      NaturalSmoothingLines(&v.m_bNaturalSmooth, &v.m_nNaturalStrength, &v.m_bPartSmooth, &v.m_nPartStrength);
  std::vector<Binding> more = {
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
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

std::vector<tmb::ui::Binding> NaturalSmoothingLines(int* perStroke, int* strokeStrength, int* partial,
                                                    int* partialStrength) {
  using namespace tmb::ui;
  return {
      CheckBox(517, perStroke, "ナチュラルスムージング: ストローク毎(標準)"),
      SignedEdit(518, strokeStrength, 0, 100, "強度"),
      Slider(428, nullptr, 0, 100, 518, ""),
      CheckBox(521, partial, "部分体"),
      SignedEdit(520, partialStrength, 0, 100, "強度"),
      Slider(430, nullptr, 0, 100, 520, ""),
  };
}
