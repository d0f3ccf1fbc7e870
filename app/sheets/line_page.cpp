#include "app/sheets/line_page.h"

#include "app/dialogs/line_option_dialog.h"

namespace {

// The option button: the line options' dialog on the page's three option values.
constexpr int kOptionButton = 499;

}  // namespace

std::vector<tmb::ui::Binding> CLinePage::PageBindings() {
  using namespace tmb::ui;
  LineValues& v = m_values;
  return {
      RadioGroup(kChangeRadio, &v.m_nLineChange,
                 {"標準", "端部のみを細化: 先端", "端部のみを細化: 後端", "端部のみを細化: 両端", "強制抑揚: 細→太",
                  "強制抑揚: 太→細", "強制抑揚: 太→細→太", "強制抑揚: 細→太→細"},
                 "ラインごとの基本変化"),
      GroupFrame(252, "描画時抑揚の継承度"),
      UnsignedEdit(102, &v.m_nInherit, 0, 10, ""),
      Slider(185, nullptr, 0, 10, 102, ""),
      Label(260, "弱"),
      Label(261, "強"),
      SignedEdit(425, &v.m_nMinThinEnd, 1, 5, "最小細線: 端部"),
      Slider(424, nullptr, 1, 5, 425, ""),
      SignedEdit(427, &v.m_nMinThinOther, 1, 5, "最小細線: 非端部"),
      Slider(426, nullptr, 1, 5, 427, ""),
      GroupFrame(253, "抑揚の強調"),
      SignedEdit(508, &v.m_nEmphasis, 0, 20, ""),
      Slider(507, nullptr, 0, 20, 508, ""),
      Label(580, "弱"),
      Label(581, "強"),
      CheckBox(512, &v.m_bThinStraight, "直線部の細化"),
      CheckBox(511, &v.m_bStressThinEnds, "細端部の強調"),
      PushButton(kOptionButton, "オプション"),
  };
}

void CLinePage::OnControlNotify(int id, tmb::ui::Notify code) {
  if (code != tmb::ui::Notify::kClicked) return;
  if (id >= kChangeRadio && id < kChangeRadio + kChangeModes) ApplyEnabling();
  if (id == kOptionButton) RunOptions();
}

void CLinePage::RunOptions() {
  CLineOptionDlg options;
  options.m_nSmooth = m_values.m_nOptionInflection;
  options.m_bDetails = m_values.m_bOptionDetail;
  options.m_nDetailMode = m_values.m_nOptionSmoothing;
  if (!tmb::ui::IsAccepted(options.DoModal(this))) return;
  m_values.m_nOptionInflection = options.m_nSmooth;
  m_values.m_bOptionDetail = options.m_bDetails;
  m_values.m_nOptionSmoothing = options.m_nDetailMode;
}

void CLinePage::ApplyEnabling() {
  const int mode = CheckedButton(kChangeRadio, kChangeModes);
  // A record whose mode names no button keeps the controls of the standard mode.
  EnableControls({252, 260, 261, 253, 580, 581, 102, 185, 507, 508, 511, 512}, mode < kFirstForcedMode);
}
