#include "export/sheet/ani_special_page.h"

#include "platform/ui/radio_choice.h"

CAniBasePage2::CAniBasePage2(CAniSheetValues& values) : CAniPage(277, "特殊動作", kAnimPageSpecial, values) {}

std::vector<tmb::ui::Binding> CAniBasePage2::PageBindings() {
  using namespace tmb::ui;
  CAniSpecialValues& v = m_values.special;
  return {
      CheckBox(462, &v.m_bAfterImage, "残像を残す"),
      CheckBox(463, &v.m_bTimeLag, "時間差モーフィング"),
      SignedEdit(544, &v.m_nStrength, 0, kSheetMaxPercent, "強度"),
      Slider(543, &v.m_nStrength, 0, kSheetMaxPercent, 544, ""),
      SignedEdit(304, &v.m_nAcceleration, 0, kSheetMaxAcceleration, "コマ変化の加速化"),
      Slider(303, &v.m_nAcceleration, 0, kSheetMaxAcceleration, 304, ""),
      RadioChoice(550, &v.m_nDecelerate, {"加速", "減速"}),
      SignedEdit(549, &v.m_nLatest, 0, kSheetMaxPercent, "最遅延変化点"),
      Slider(548, &v.m_nLatest, 0, kSheetMaxPercent, 549, ""),
      SignedEdit(547, &v.m_nEarliest, 0, kSheetMaxPercent, "最先行変化点"),
      Slider(546, &v.m_nEarliest, 0, kSheetMaxPercent, 547, ""),
      CheckBox(599, &v.m_bBlocks, "領域のブロック化"),
      SignedEdit(597, &v.m_nEdgeDistance, 0, kSheetMaxEdgeDistance, "最長エッジ間距離"),
      Slider(596, &v.m_nEdgeDistance, 0, kSheetMaxEdgeDistance, 597, ""),
  };
}
