#include "export/sheet/glyph_animate_pages.h"

#include "export/animation/anim_sheet_copies.h"
#include "export/sheet/ani_base_page.h"
#include "export/sheet/median_option_dlg.h"
#include "platform/ui/radio_choice.h"

namespace {

constexpr int kMaxCrushSlider = 10;
constexpr int kMinSoftness = 10;
constexpr int kMaxSmoothing = 300;

}  // namespace

void CGlyphAnimPage::OnPageNotify(int id, tmb::ui::Notify code) {
  if (code == tmb::ui::Notify::kClicked && id == kShowButton) {
    Confirm(kApplyShow);
  } else {
    OnGlyphNotify(id, code);
  }
}

bool CGlyphAnimMotionPage::OnKillActive() {
  if (!UpdateData(true)) return false;
  FitWaitsToFrameCount(m_values.save, Frames());
  return true;
}

std::vector<tmb::ui::Binding> CGlyphAnimMotionPage::MotionLines(int* stretch, int* frames, int* split) {
  using namespace tmb::ui;
  return {
      SignedEdit(436, stretch, 0, kSheetMaxStretch, "伸張許容度 (弱 .. 強)"),
      Slider(435, nullptr, 0, kSheetMaxStretch, 436, ""),
      SignedEdit(kFramesEdit, frames, kSheetMinFrames, kSheetMaxFrames, "コマ枚数"),
      SpinButton(kFramesSpin, kFramesEdit, kSheetMinFrames, kSheetMaxFrames),
      SignedEdit(402, split, 0, kSheetMaxPercent, "分割位置"),
      Slider(409, nullptr, 0, kSheetMaxPercent, 402, ""),
  };
}

std::vector<tmb::ui::Binding> CGlyphTideAnimatePageBase::PageBindings() {
  using namespace tmb::ui;
  CGlyphAnimBaseValues& v = m_values.glyph.base;
  std::vector<Binding> lines = MotionLines(&v.m_nStretch, &v.m_nFrames, &v.m_nSplit);
  std::vector<Binding> more = {
      RadioChoice(365, &v.m_nDirection, {"A→B", "B→A"}, "方向"),
      ComboIndex(463, &v.m_nStyle, TransitionStyleNames(), "崩し型"),
      SignedEdit(366, &v.m_nMedianValue, 0, kSheetMaxPercent, "他の変換値の中央値"),
      SpinButton(412, 366, 0, kSheetMaxPercent),
      RadioChoice(367, &v.m_nMedianMode, {"順次", "指定中央値"}, "強度変化"),
      PushButton(kMedianButton, "設定"),
      PushButton(kShowButton, "表示"),
  };
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

void CGlyphTideAnimatePageBase::OnGlyphNotify(int id, tmb::ui::Notify code) {
  if (id == kMedianButton && code == tmb::ui::Notify::kClicked) RunMedianDialog();
}

void CGlyphTideAnimatePageBase::RunMedianDialog() {
  CGlyphAnimBaseValues& v = m_values.glyph.base;
  CMedianOptionDlg dialog;
  CMedianValues& m = dialog.m_values;
  m.m_value[kMedianLinking] = v.m_nRenmenValue;
  m.m_mode[kMedianLinking] = v.m_nRenmenMode;
  m.m_value[kMedianFlow] = v.m_nFlowValue;
  m.m_mode[kMedianFlow] = v.m_nFlowMode;
  if (!tmb::ui::IsAccepted(dialog.DoModal(this))) return;
  v.m_nRenmenValue = m.m_value[kMedianLinking];
  v.m_nRenmenMode = m.m_mode[kMedianLinking];
  v.m_nFlowValue = m.m_value[kMedianFlow];
  v.m_nFlowMode = m.m_mode[kMedianFlow];
}

std::vector<tmb::ui::Binding> CGlyphTideAnimatePageLiteBase::PageBindings() {
  using namespace tmb::ui;
  CGlyphAnimLiteBaseValues& v = m_values.glyph.liteBase;
  std::vector<Binding> lines = MotionLines(&v.m_nStretch, &v.m_nFrames, &v.m_nSplit);
  std::vector<Binding> more = {
      // The conversion degree's median keeps the motion tab's range; the slider shows its
      // first part.
      SignedEdit(366, &v.m_nCrush, 0, kSheetMaxMedian, "形状崩し度"),
      Slider(437, nullptr, 0, kMaxCrushSlider, 366, ""),
      RadioChoice(365, &v.m_nDirection, {"A→B", "B→A"}, "方向"),
      PushButton(kShowButton, "表示"),
  };
  lines.insert(lines.end(), more.begin(), more.end());
  return lines;
}

std::vector<tmb::ui::Binding> CGlyphTideAnimatePageLiteFont::PageBindings() {
  using namespace tmb::ui;
  CGlyphAnimLiteFontValues& v = m_values.glyph.liteFont;
  return {
      SignedEdit(595, &v.m_nSoftness, kMinSoftness, kSheetMaxPercent, "崩し軟度"),
      Slider(594, nullptr, kMinSoftness, kSheetMaxPercent, 595, ""),
      SignedEdit(597, &v.m_nSmoothing, 0, kMaxSmoothing, "アウトラインスムージング"),
      Slider(596, nullptr, 0, kMaxSmoothing, 597, ""),
  };
}
