#include "app/dialogs/colour_dialogs.h"

#include "app/kind_lookup.h"
#include "core/state/draw_state.h"
#include "platform/service/messages.h"
#include "views/view_params.h"

CEffectDetailDlg gEffectDetailDlg;
CColorChangeDlg gColorChangeDlg;

namespace {

using tmb::ui::Notify;

// The "set" buttons of the colour change, one per slot.
constexpr int kChangeSetButtons[] = {282, 283, 289, 294};
constexpr int kCopyToBackground = 292;
constexpr int kTakePaperColour = 288;
constexpr int kTakeRegionCorner = 332;
constexpr int kEffectColourBox = 226;

// The "set" radio buttons of the effect details, one per slot.
const std::vector<int> kEffectSetRadios = {132, 133, 137, 268, 269};

// The paper colour of the current drawing window; none while none is open.
std::optional<tmb::Colour> CurrentPaperColour() {
  CTmbDocument* doc = GetCharDocumentOfKind(kKindCurrentDraw);
  if (!doc || !doc->DrawnRecord()) return std::nullopt;
  return static_cast<tmb::Colour>(doc->DrawnRecord()->m_param[kParamBackColour]);
}

}  // namespace

// ---- special-effect detail values

CEffectDetailDlg::CEffectDetailDlg()
    : ModalDialog(179, "特殊効果詳細値"),
      m_colours({{104, 228, 227, 266, 267}, {106, 229, 230}, {185, 186, 187}, SliderScale::kPercent, false}) {}

std::vector<tmb::ui::Binding> CEffectDetailDlg::Bindings() {
  using namespace tmb::ui;
  std::vector<Binding> lines = {
      RadioButtons(kEffectSetRadios, &m_nSetRadio, {"付加輪郭", "浮き彫り・影", "石版点", "グラデーション左", "グラデーション右"},
                   "set"),
  };
  for (Binding& b : m_colours.Bindings({"付加輪郭", "浮き彫り・影", "石版点", "左", "右"})) lines.push_back(std::move(b));
  for (Binding b : {
           PushButton(kEffectColourBox, "標準カラーボックス"),
           SignedEdit(102, &m_nPaleStrength, 1, 100, "淡色化の強度 (%)"),
           SignedEdit(103, &m_nLithoDensity, 1, 100, "石版の濃さ (%)"),
           SignedEdit(105, &m_nEmbossHeight, 1, 100, "浮き彫りの高さ"),
           SignedEdit(108, &m_nShadowHeight, 1, 100, "影の高さ"),
           SignedEdit(112, &m_nCutFrameWidth, 1, 20, "くり抜き枠の太さ"),
           SignedEdit(110, &m_nAgeing, 1, 10, "古色化の濃度"),
           UnsignedEdit(113, &m_nOutlineWidth, 1, 100, "付加輪郭の太さ"),
           UnsignedEdit(114, &m_nBlur, 1, 10, "ぼかし・くもりの強度"),
           CheckBox(176, &m_bEmbossOutline, "浮き彫り・影への単線輪郭付加"),
           CheckBox(188, &m_bTransparentBack, "彩度・明度変更時の背景透過"),
           CheckBox(235, &m_bOutlineGradient, "付加輪郭色のグラデーション化"),
           CheckBox(189, &m_bEmbossGradient, "浮き彫り部のグラデーション化"),
           CheckBox(464, &m_bCharGradientFold, "文字部グラデーション色の折返し"),
           CheckBox(465, &m_bPaperGradientFold, "用紙部グラデーション色の折返し"),
       }) {
    lines.push_back(std::move(b));
  }
  return lines;
}

void CEffectDetailDlg::OnInitDialog(tmb::ui::DialogWindow& window) {
  m_colours.Attach(window);
  m_colours.OnInitDialog(false);
}

void CEffectDetailDlg::OnNotify(tmb::ui::DialogWindow&, int id, Notify code) {
  if (m_colours.OnNotify(id, code)) return;
  if (id == kEffectColourBox) {
    m_colours.ChooseFromColourBox();
    return;
  }
  for (size_t i = 0; i < kEffectSetRadios.size(); ++i) {
    if (id == kEffectSetRadios[i]) {
      m_nSetRadio = int(i);
      m_colours.SelectSlot(int(i));
    }
  }
}

// ---- colour change

CColorChangeDlg::CColorChangeDlg()
    : ModalDialog(217, "カラー変更"),
      m_colours({{280, 281, 290, 295}, {106, 229, 230}, {284, 285, 286}, SliderScale::kPercent, false}) {}

std::vector<tmb::ui::Binding> CColorChangeDlg::Bindings() {
  using namespace tmb::ui;
  std::vector<Binding> lines = m_colours.Bindings({"文字部", "用紙部", "背景色", "拡大ｳｨﾝﾄﾞｳの右クリック指定色"});
  for (Binding b : {
           PushButton(kChangeSetButtons[0], "set 文字部"),
           PushButton(kChangeSetButtons[1], "set 用紙部"),
           PushButton(kChangeSetButtons[2], "set 背景色"),
           PushButton(kChangeSetButtons[3], "set 右クリック指定色"),
           PushButton(kEffectColourBox, "標準カラーボックス"),
           SignedEdit(107, &m_nRedShift, -255, 255, "set項目部の成分増減 赤"),
           SignedEdit(231, &m_nGreenShift, -255, 255, "緑"),
           SignedEdit(232, &m_nBlueShift, -255, 255, "青"),
           ActionButton(293, kChangeCharPart, "変更: 領域内部のカラー変更 (文字部)"),
           ActionButton(287, kChangePaperPart, "変更: 領域内部のカラー変更 (用紙部)"),
           ActionButton(291, kSetBackground, "変更: 全域の用紙色として設定・変更"),
           ActionButton(296, kChangeZoomPick, "変更: 拡大ｳｨﾝﾄﾞｳの右クリック指定色"),
           ActionButton(355, kShiftChannels, "変更: set項目部の成分増減"),
           ActionButton(356, kBinarise, "変更: 二値化"),
           PushButton(kCopyToBackground, "設定: 現在の色を背景色に"),
           PushButton(kTakePaperColour, "設定: 描画ｳｨﾝﾄﾞｳの用紙色に一致"),
           PushButton(kTakeRegionCorner, "設定: 領域左上の色"),
       }) {
    lines.push_back(std::move(b));
  }
  return lines;
}

void CColorChangeDlg::OnInitDialog(tmb::ui::DialogWindow& window) {
  m_colours.Attach(window);
  m_colours.OnInitDialog(false);
}

void CColorChangeDlg::OnNotify(tmb::ui::DialogWindow&, int id, Notify code) {
  if (m_colours.OnNotify(id, code)) return;
  std::optional<tmb::Colour> background;
  switch (id) {
    case kEffectColourBox:
      m_colours.ChooseFromColourBox();
      return;
    case kCopyToBackground:
      // The background slot copied onto itself would change nothing anyway.
      if (m_colours.CurrentSlot() == kBackground) return;
      background = m_colours.SlotColour(m_colours.CurrentSlot());
      break;
    case kTakePaperColour:
      background = CurrentPaperColour();
      break;
    case kTakeRegionCorner:
      if (m_regionCornerColour) background = m_regionCornerColour();
      if (!background) tmb::Beep();
      break;
    default:
      for (int slot = 0; slot < kSlotCount; ++slot) {
        if (id == kChangeSetButtons[slot]) m_colours.SelectSlot(slot);
      }
      return;
  }
  if (!background) return;
  m_colours.SetSlotColour(kBackground, *background);
  m_colours.Refresh(7);
}
