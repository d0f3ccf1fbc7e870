#include "export/sheet/ani_base_page.h"

#include "export/animation/anim_sheet_copies.h"
#include "export/sheet/median_option_dlg.h"
#include "platform/ui/radio_choice.h"

std::vector<std::string> TransitionStyleNames() {
  return {"同種", "行書", "草書", "隷書", "特殊行書Ａ", "特殊行書Ｂ", "デジタル"};
}

CAniBasePage::CAniBasePage(CAniSheetValues& values) : CAniPage(257, "動作", kAnimPageMotion, values) {}

std::vector<tmb::ui::Binding> CAniBasePage::PageBindings() {
  using namespace tmb::ui;
  CAniBaseValues& v = m_values.base;
  return {
      SignedEdit(kFramesEdit, &v.m_nFrames, kSheetMinFrames, kSheetMaxFrames, "コマ枚数"),
      SpinButton(kFramesSpin, kFramesEdit, kSheetMinFrames, kSheetMaxFrames),
      RadioChoice(368, &v.m_nMorph, {"しない", "する"}, "モーフィング：字形の変化"),
      RadioChoice(369, &v.m_nWarp, {"しない", "する"}, "ワーピング：可動変換値の変化"),
      RadioChoice(365, &v.m_nDirection, {"A→B", "B→A"}, "方向"),
      RadioChoice(367, &v.m_nMedianMode, {"順次", "指定中央値"}, "崩し"),
      SignedEdit(366, &v.m_nMedianValue, 0, kSheetMaxMedian, "崩し中央値"),
      SpinButton(412, 366, 0, kSheetMaxMedian),
      SignedEdit(402, &v.m_nSplit, 0, kSheetMaxPercent, "分割位置"),
      Slider(409, &v.m_nSplit, 0, kSheetMaxPercent, 402, ""),
      SignedEdit(436, &v.m_nStretch, 0, kSheetMaxStretch, "伸張許容度"),
      Slider(435, &v.m_nStretch, 0, kSheetMaxStretch, 436, ""),
      ComboIndex(463, &v.m_nStyle, TransitionStyleNames(), "崩し型"),
      PushButton(kMedianButton, "中央値指定オプション"),
      PushButton(kShowButton, "表示"),
  };
}

bool CAniBasePage::OnKillActive() {
  if (!UpdateData(true)) return false;
  FitWaitsToFrames(m_values);
  return true;
}

void CAniBasePage::OnPageNotify(int id, tmb::ui::Notify code) {
  if (code != tmb::ui::Notify::kClicked) return;
  if (id == kShowButton) {
    Confirm(kApplyShow);
  } else if (id == kMedianButton) {
    CMedianOptionDlg dialog;
    dialog.m_values = m_values.base.m_median;
    if (tmb::ui::IsAccepted(dialog.DoModal(this))) m_values.base.m_median = dialog.m_values;
  }
}
