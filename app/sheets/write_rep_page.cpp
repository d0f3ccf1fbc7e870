#include "app/sheets/write_rep_page.h"

#include <algorithm>
#include <array>

namespace {

// The crush-type buttons; the template's ids after 301 are taken by the sliders.
constexpr std::array<int, 6> kCrushTypeButtons = {301, 601, 602, 603, 604, 605};
constexpr int kOptionButton = 499;
constexpr int kSubFactor = 5;

}  // namespace

std::vector<tmb::ui::Binding> CBasicFormOptionDlg::Bindings() {
  using namespace tmb::ui;
  return {
      RadioGroup(297, &m_nMouseSpeed, {"0", "+", "++", "-"}, "描画時のマウス速度変更"),
      RadioGroup(302, &m_nPooling, {"OFF", "先端", "後端", "両端"}, "行書変換時の端部の溜まり"),
      RadioButtons({296, 306}, &m_nSpeedMode, {"速度依存モード", "速度非依存モード（標準）"}, "描画速度の反映"),
  };
}

std::vector<tmb::ui::Binding> CWriteRep::PageBindings() {
  using namespace tmb::ui;
  WriteRepValues& v = m_values;
  return {
      RadioButtons({kCrushTypeButtons.begin(), kCrushTypeButtons.end()}, &v.m_nCrushType,
                   {"草書", "隷書", "特殊行書A", "特殊行書B", "行書", "デジタル"}, "基本崩し型"),
      UnsignedEdit(105, &v.m_nSoftness, 1, 1000, "軟度"),
      Slider(300, nullptr, 1, 50, 105, "(楷) - 草"),
      SignedEdit(305, &v.m_nFlow, 1, 300, "流れ　（標準値 100～200）"),
      Slider(304, nullptr, 1, 300, 305, "弱 - 強"),
      SignedEdit(307, &v.m_nIntent, 0, 100, "筆意　（標準値 0～20）"),
      Slider(306, nullptr, 0, 100, 307, "弱 - 強"),
      RadioGroup(582, &v.m_nCrushSoftness, {"かな中心", "漢字中心"}, "崩し軟度 (後者は双方の値を内部的に1/2にします)"),
      UnsignedEdit(299, &v.m_nMain, 1, 100, "正　（標準値 3～5）"),
      Slider(298, nullptr, 1, 10, 299, "硬 - 軟"),
      SignedEdit(303, &v.m_nSub, 0, 150, "副 （標準値 50～100）"),
      ScaledSlider(302, nullptr, 0, 30, 303, kSubFactor, "硬 - 軟"),
      CheckBox(650, &v.m_bKeepTurn, "転折部の保持"),
      PushButton(kOptionButton, "設定"),
  };
}

void CWriteRep::OnControlNotify(int id, tmb::ui::Notify code) {
  if (code != tmb::ui::Notify::kClicked) return;
  if (id == kOptionButton) {
    RunOptionDialog();
  } else if (std::find(kCrushTypeButtons.begin(), kCrushTypeButtons.end(), id) != kCrushTypeButtons.end()) {
    ApplyEnabling();
  }
}

void CWriteRep::ApplyEnabling() {
  EnableControls({300, 105}, CheckedButton(kCrushTypeButtons) == kSemiCursive);
  EnableControls({298, 299}, m_values.m_nSpeedMode == kSpeedIndependent);
}

void CWriteRep::RunOptionDialog() {
  // The page's own edits are kept: they go into the values before the dialog runs.
  if (!UpdateData(true)) return;
  CBasicFormOptionDlg dlg;
  dlg.m_nMouseSpeed = m_values.m_nMouseSpeed;
  dlg.m_nPooling = m_values.m_nPooling;
  dlg.m_nSpeedMode = m_values.m_nSpeedMode;
  if (!tmb::ui::IsAccepted(dlg.DoModal(this))) return;
  m_values.m_nMouseSpeed = dlg.m_nMouseSpeed;
  m_values.m_nPooling = dlg.m_nPooling;
  m_values.m_nSpeedMode = dlg.m_nSpeedMode;
  ShowValues();
}
