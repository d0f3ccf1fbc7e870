#include "app/sheets/brush_blur_page.h"

std::vector<tmb::ui::Binding> CBrushBlurPage::PageBindings() {
  using namespace tmb::ui;
  BrushBlurValues& v = m_values;
  // The template's sets run into each other's ids, so their further buttons take ids of
  // their own from 720 on.
  return {
      RadioButtons({416, 720, 721, 722, 723, 724, 725, 726}, &v.m_nBrushKind,
                   {"標準 A", "渇筆 A", "帯ペン 横帯", "帯ペン 縦帯", "標準 丸筆", "標準 B", "渇筆 B", "渇筆 C"}, "筆種"),
      RadioButtons({417, 727}, &v.m_nBlur, {"弱", "強"}, "掠れ: 基本強度"),
      RadioButtons({418, 728, 729}, &v.m_nBlurPattern, {"A", "B", "C"}, "パターン"),
      RadioGroup(275, &v.m_nGrain, {"OFF", "ON"}, "用紙のざら目・クレープ: 効果"),
      RadioButtons({271, 730, 731}, &v.m_nGrainFlow, {"つけない", "横", "縦"}, "目の状態: 流れ"),
      RadioButtons({272, 732, 733}, &v.m_nGrainRough, {"弱", "中", "強"}, "目の状態: 荒さ"),
      RadioButtons({273, 734}, &v.m_nGrainDepth, {"浅", "深"}, "目の状態: 深さ"),
      Label(0, "※掠れを大きくしたとき効果が明瞭になります"),
  };
}
