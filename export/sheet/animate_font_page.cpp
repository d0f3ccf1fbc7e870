#include "export/sheet/animate_font_page.h"

CAnimateFont::CAnimateFont(CAniSheetValues& values) : CAniPage(294, "フォント形状補正", kAnimPageFont, values) {}

std::vector<tmb::ui::Binding> CAnimateFont::PageBindings() {
  using namespace tmb::ui;
  CAnimateFontValues& v = m_values.font;
  return {
      SignedEdit(kEdgeEdit, &v.m_nEdge, 0, kSheetMaxEdgeEmphasis, "エッジ強調"),
      Slider(592, &v.m_nEdge, 0, kSheetMaxEdgeEmphasis, kEdgeEdit, ""),
      SignedEdit(kSoftnessEdit, &v.m_nSoftness, kSheetMinFontSoftness, kSheetMaxPercent, "崩し軟度 (%)"),
      Slider(594, &v.m_nSoftness, kSheetMinFontSoftness, kSheetMaxPercent, kSoftnessEdit, ""),
      SignedEdit(kSmoothingEdit, &v.m_nSmoothing, 0, kSheetMaxFontSmoothing, "アウトラインスムージング (%)"),
      Slider(596, &v.m_nSmoothing, 0, kSheetMaxFontSmoothing, kSmoothingEdit, ""),
      CheckBox(kOffCheck, &v.m_bOff, "一時オフ"),
  };
}
