#include "app/dialogs/colour_dialogs.h"

#include "app/kind_lookup.h"
#include "app/tmb_app.h"
#include "core/state/draw_state.h"
#include "imageedit/view/bmp_view_window.h"
#include "platform/gdi/pixel.h"
#include "platform/service/messages.h"
#include "views/view_params.h"

namespace {

// The colour of the image editor's picture at the top-left corner of its set region.
std::optional<tmb::Colour> EditorRegionCorner() {
  CBmpViewWindow* window = CBmpViewWindow::Instance();
  if (!window || !window->editor().HasArea()) return std::nullopt;
  tmb::Rect region = window->editor().m_region;
  region.Normalize();
  const tmb::Colour colour = window->editor().m_bmpWork.GetPixel(region.left, region.top);
  if (colour == tmb::kInvalidColour) return std::nullopt;
  return tmb::PlainColour(colour);
}

using tmb::ui::Notify;

constexpr int kAllChannels = 7;
constexpr int kColourBox = 226;

// The "set" radio buttons of the effect details, one per slot.
const std::vector<int> kEffectSetRadios = {132, 133, 137, 268, 269};

// The "set" buttons of the colour change, one per slot, and its buttons that stay open.
constexpr int kChangeSetButtons[] = {282, 283, 289, 294};
constexpr int kCopyToBackground = 292;
constexpr int kTakePaperColour = 288;
constexpr int kTakeRegionCorner = 332;

// The paper colour of the current drawing window; none while none is open.
std::optional<tmb::Colour> CurrentPaperColour() {
  CTmbDocument* doc = GetCharDocumentOfKind(kKindCurrentDraw);
  if (!doc || !doc->DrawnRecord()) return std::nullopt;
  return static_cast<tmb::Colour>(doc->DrawnRecord()->m_param[kParamBackColour]);
}

template <size_t N>
void SlotsToEditor(const RgbSlot (&rgb)[N], ColourSlotEditor& editor) {
  for (size_t i = 0; i < N; ++i) editor.SetSlotColour(int(i), ColourOfSlot(rgb[i]));
}

template <size_t N>
void EditorToSlots(const ColourSlotEditor& editor, RgbSlot (&rgb)[N]) {
  for (size_t i = 0; i < N; ++i) rgb[i] = RgbSlotOf(editor.SlotColour(int(i)));
}

}  // namespace

// ---- special-effect detail values

CEffectDetailForm::CEffectDetailForm()
    : ModalDialog(179, "特殊効果詳細値"),
      m_colours({{104, 228, 227, 266, 267}, {106, 229, 230}, {185, 186, 187}, SliderScale::kPercent, false}) {}

int CEffectDetailForm::Run(CEffectDetailDlg& values) {
  m_values = values;
  // The dialog opens on the first slot.
  m_values.m_nCurrentSlot = 0;
  SlotsToEditor(values.m_slots, m_colours);
  const int result = DoModal(theApp.mainWindow());
  if (!tmb::ui::IsAccepted(result)) return tmb::kAnswerCancel;
  EditorToSlots(m_colours, m_values.m_slots);
  m_values.m_nCurrentSlot = m_colours.CurrentSlot();
  values = m_values;
  return tmb::kAnswerOk;
}

std::vector<tmb::ui::Binding> CEffectDetailForm::Bindings() {
  using namespace tmb::ui;
  CEffectDetailDlg& v = m_values;
  std::vector<Binding> lines = {
      RadioButtons(kEffectSetRadios, &v.m_nCurrentSlot,
                   {"set 付加輪郭", "set 浮き彫り・影", "set 石版点", "set グラデーション左", "set グラデーション右"}, ""),
  };
  for (Binding& b : m_colours.Bindings({"付加輪郭", "浮き彫り・影", "石版点", "グラデーション左", "グラデーション右"})) {
    lines.push_back(std::move(b));
  }
  for (Binding b : {
           PushButton(kColourBox, "標準カラーボックス"),
           SignedEdit(102, &v.m_nLightColouring, 1, 100, "淡色化の強度 (%)"),
           SignedEdit(103, &v.m_nStoneDensity, 1, 100, "石版の濃さ (%)"),
           SignedEdit(105, &v.m_nReliefHeight, 1, 100, "浮き彫りの高さ"),
           SignedEdit(108, &v.m_nShadowHeight, 1, 100, "影の高さ"),
           SignedEdit(112, &v.m_nHollowWidth, 1, 20, "くり抜き枠の太さ"),
           SignedEdit(110, &v.m_nAntiqueDensity, 1, 10, "古色化の濃度"),
           UnsignedEdit(113, &v.m_nOutlineWidth, 1, 100, "付加輪郭の太さ"),
           UnsignedEdit(114, &v.m_nBlurStrength, 1, 10, "ぼかし・くもりの強度"),
           CheckBox(176, &v.m_bReliefOutline, "浮き彫り・影への単線輪郭付加"),
           CheckBox(188, &v.m_bTransparentBack, "彩度・明度変更時の背景透過"),
           CheckBox(235, &v.m_bOutlineGradient, "付加輪郭色のグラデーション化"),
           CheckBox(189, &v.m_bReliefGradient, "浮き彫り部のグラデーション化"),
           CheckBox(464, &v.m_bStrokeGradientWrap, "文字部グラデーション色の折返し"),
           CheckBox(465, &v.m_bPaperGradientWrap, "用紙部グラデーション色の折返し"),
       }) {
    lines.push_back(std::move(b));
  }
  return lines;
}

void CEffectDetailForm::OnInitDialog(tmb::ui::DialogWindow& window) {
  m_colours.Attach(window);
  m_colours.OnInitDialog(false);
}

void CEffectDetailForm::OnNotify(tmb::ui::DialogWindow&, int id, Notify code) {
  if (m_colours.OnNotify(id, code)) return;
  if (id == kColourBox) {
    m_colours.ChooseFromColourBox();
    return;
  }
  for (size_t i = 0; i < kEffectSetRadios.size(); ++i) {
    if (id == kEffectSetRadios[i]) m_colours.SelectSlot(int(i));
  }
}

// ---- colour change

CColorChangeForm::CColorChangeForm()
    : ModalDialog(217, "カラー変更"),
      m_colours({{280, 281, 290, 295}, {106, 229, 230}, {284, 285, 286}, SliderScale::kPercent, false}) {}

int CColorChangeForm::Run(CColorChangeDlg& values) {
  m_values = values;
  SlotsToEditor(values.m_slots, m_colours);
  const int result = DoModal(theApp.mainWindow());
  if (!tmb::ui::IsAccepted(result)) return tmb::kAnswerCancel;
  EditorToSlots(m_colours, m_values.m_slots);
  m_values.m_nCurrentSlot = m_colours.CurrentSlot();
  m_values.m_nAction = m_nAction;
  values = m_values;
  return tmb::kAnswerOk;
}

std::vector<tmb::ui::Binding> CColorChangeForm::Bindings() {
  using namespace tmb::ui;
  CColorChangeDlg& v = m_values;
  std::vector<Binding> lines = m_colours.Bindings({"文字部", "用紙部", "背景色", "拡大ｳｨﾝﾄﾞｳの右クリック指定色"});
  for (Binding b : {
           PushButton(kChangeSetButtons[0], "set 文字部"),
           PushButton(kChangeSetButtons[1], "set 用紙部"),
           PushButton(kChangeSetButtons[2], "set 背景色"),
           PushButton(kChangeSetButtons[3], "set 右クリック指定色"),
           PushButton(kColourBox, "標準カラーボックス"),
           SignedEdit(107, &v.m_nRedShift, -255, 255, "set項目部の成分増減: 赤"),
           SignedEdit(231, &v.m_nGreenShift, -255, 255, "緑"),
           SignedEdit(232, &v.m_nBlueShift, -255, 255, "青"),
           ActionButton(293, 1, "変更: 領域内部のカラー変更 (文字部)"),
           ActionButton(287, 2, "変更: 領域内部のカラー変更 (用紙部)"),
           ActionButton(291, 3, "変更: 全域の用紙色として設定・変更"),
           ActionButton(296, 4, "変更: 拡大ｳｨﾝﾄﾞｳの右クリック指定色"),
           ActionButton(355, 5, "変更: set項目部の成分増減"),
           ActionButton(356, 6, "変更: 二値化"),
           PushButton(kCopyToBackground, "設定: 現在の色を背景色に"),
           PushButton(kTakePaperColour, "設定: 描画ｳｨﾝﾄﾞｳの用紙色に一致"),
           PushButton(kTakeRegionCorner, "設定: 設定領域の左上の色"),
       }) {
    lines.push_back(std::move(b));
  }
  return lines;
}

void CColorChangeForm::OnInitDialog(tmb::ui::DialogWindow& window) {
  m_colours.Attach(window);
  m_colours.OnInitDialog(false);
}

void CColorChangeForm::OnNotify(tmb::ui::DialogWindow&, int id, Notify code) {
  if (m_colours.OnNotify(id, code)) return;
  std::optional<tmb::Colour> background;
  switch (id) {
    case kColourBox:
      m_colours.ChooseFromColourBox();
      return;
    case kCopyToBackground:
      if (m_colours.CurrentSlot() == CColorChangeDlg::kSlotBackground) return;
      background = m_colours.SlotColour(m_colours.CurrentSlot());
      break;
    case kTakePaperColour:
      background = CurrentPaperColour();
      break;
    case kTakeRegionCorner:
      background = m_regionCornerColour ? m_regionCornerColour() : EditorRegionCorner();
      if (!background) tmb::Beep();
      break;
    default:
      for (int slot = 0; slot < CColorChangeDlg::kSlots; ++slot) {
        if (id != kChangeSetButtons[slot]) continue;
        m_values.m_nSetChoice = slot;
        m_colours.SelectSlot(slot);
      }
      return;
  }
  if (!background) return;
  m_colours.SetSlotColour(CColorChangeDlg::kSlotBackground, *background);
  // The background slot shows its new colour whichever slot is current.
  m_colours.Refresh(kAllChannels);
}
