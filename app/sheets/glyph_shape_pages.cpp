#include "app/sheets/glyph_shape_pages.h"

#include "app/sheets/outline_page.h"

namespace {

constexpr int kSubFactor = 5;
// The bars' whole ranges, as the auxiliary page gives them: a crush of 500 or linked
// writing of 1200 is valid even where the slider ends at 100.
constexpr int kCrushMax = 1000;
constexpr int kRenmenMax = 1500;

}  // namespace

std::vector<tmb::ui::Binding> CGlyphTidePageForm::PageBindings() {
  using namespace tmb::ui;
  WriteRepLiteValues& v = m_values;
  return {
      SignedEdit(307, &v.m_nCrush, 0, kCrushMax, "崩し: 基本強度"),
      Slider(306, nullptr, 0, 100, 307, ""),
      RadioGroup(582, &v.m_nCrushSoftness, {"100%", "50%"}, "軟度"),
      SignedEdit(299, &v.m_nMain, 1, 100, "正　（標準値 3～5）"),
      Slider(298, nullptr, 1, 10, 299, ""),
      SignedEdit(303, &v.m_nSub, 0, 150, "副 （標準値 50～100）"),
      ScaledSlider(302, nullptr, 0, 30, 303, kSubFactor, ""),
      SignedEdit(105, &v.m_nSoftness, 1, 1000, "[行書]モード時の特殊軟度"),
      Slider(300, nullptr, 1, 50, 105, ""),
      SignedEdit(309, &v.m_nRenmen, 0, kRenmenMax, "連綿　（標準値 10～15）"),
      Slider(308, nullptr, 0, 100, 309, ""),
      SignedEdit(305, &v.m_nFlow, 1, 300, "流れ　（標準値 100～200）"),
      Slider(304, nullptr, 1, 300, 305, ""),
  };
}

std::vector<tmb::ui::Binding> CGlyphTidePageOutline::PageBindings() {
  using namespace tmb::ui;
  OutlineSwitchValues& v = m_values;
  std::vector<Binding> lines =
      NaturalSmoothingLines(&v.m_bNaturalSmooth, &v.m_nNaturalStrength, &v.m_bPartSmooth, &v.m_nPartStrength);
  std::vector<Binding> more = {
      CheckBox(649, &v.m_bAntiAlias, "アンチエイリアス: ON"),
      SignedEdit(523, &v.m_nBold, 0, 32, "ボールド補正"),
      Slider(432, nullptr, 0, 32, 523, ""),
      SignedEdit(522, &v.m_nDensity, 0, 100, "濃度"),
      Slider(431, nullptr, 0, 100, 522, ""),
  };
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}
