#include "app/sheets/glyph_colour_pages.h"

#include <QAbstractButton>
#include <algorithm>

namespace {

constexpr int kAllChannels = 7;
constexpr int kPointMax = 100;

// The gradient points: their edits and spins, in the order of parameters 172..175.
constexpr int kPointEdits[] = {621, 618, 619, 620};
constexpr int kPointSpins[] = {172, 173, 174, 175};

ColourSlotControls ControlsOf(std::vector<int> swatches) {
  return {std::move(swatches), {258, 631, 632}, {552, 553, 554}, SliderScale::kDirect, true};
}

int IndexIn(const std::vector<int>& ids, int id) {
  auto it = std::find(ids.begin(), ids.end(), id);
  return it == ids.end() ? -1 : int(it - ids.begin());
}

}  // namespace

CGlyphColourPage::CGlyphColourPage(int templateId, std::vector<int> swatches, std::vector<int> setButtons,
                                   std::vector<std::string> slotNames)
    : CShapeSheetPage(templateId, "カラー", kSheetPage),
      m_colours(ControlsOf(swatches)),
      m_swatches(std::move(swatches)),
      m_setButtons(std::move(setButtons)),
      m_slotNames(std::move(slotNames)) {}

std::vector<tmb::ui::Binding> CGlyphColourPage::PageBindings() {
  using namespace tmb::ui;
  std::vector<std::string> buttons;
  for (const std::string& name : m_slotNames) buttons.push_back("set: " + name);
  std::vector<Binding> lines = {RadioButtons(m_setButtons, &m_nSlot, buttons, "set")};
  for (Binding& b : m_colours.Bindings(m_slotNames)) lines.push_back(std::move(b));
  for (Binding& b : MoreBindings()) lines.push_back(std::move(b));
  lines.push_back(PushButton(kColourBox, "標準カラーボックス"));
  return lines;
}

void CGlyphColourPage::PutSlotsIntoEditor() {
  const std::span<RgbBytes> rgb = SlotValues();
  for (size_t k = 0; k < rgb.size(); ++k) {
    m_colours.SetSlotColour(int(k), tmb::MakeRgb(rgb[k][0], rgb[k][1], rgb[k][2]));
  }
}

bool CGlyphColourPage::ExchangeValues(bool save) {
  if (!save) {
    PutSlotsIntoEditor();
    UpdateData(false);
    m_colours.Refresh(kAllChannels);
    return true;
  }
  if (!UpdateData(true)) return false;
  const std::span<RgbBytes> rgb = SlotValues();
  for (size_t k = 0; k < rgb.size(); ++k) rgb[k] = RgbBytesOf(m_colours.SlotColour(int(k)));
  return true;
}

bool CGlyphColourPage::OnSetActive() {
  // Once built, the editor holds what the user set; before, the values are the truth.
  if (!built()) PutSlotsIntoEditor();
  return CShapeSheetPage::OnSetActive();
}

void CGlyphColourPage::OnInitDialog() {
  m_colours.Attach([this](int id) { return Control(id); });
  // The page keeps its current slot.
  m_colours.SetCurrentSlot(m_nSlot);
  m_colours.OnInitDialog(true);
}

void CGlyphColourPage::SelectSlot(int slot, bool exchange) {
  if (exchange && !UpdateData(true)) return;
  m_nSlot = slot;
  if (auto* button = qobject_cast<QAbstractButton*>(Control(m_setButtons[size_t(slot)]))) {
    QSignalBlocker block(button);
    button->setChecked(true);
  }
  m_colours.SelectSlot(slot);
}

void CGlyphColourPage::OnControlNotify(int id, tmb::ui::Notify code) {
  using tmb::ui::Notify;
  // A swatch taking the focus selects its slot after the controls went into the values.
  if (const int slot = IndexIn(m_swatches, id); slot >= 0 && code == Notify::kSetFocus) {
    SelectSlot(slot, true);
    return;
  }
  if (m_colours.OnNotify(id, code) || code != Notify::kClicked) return;
  if (id == kColourBox) {
    m_colours.ChooseFromColourBox();
  } else if (const int slot = IndexIn(m_setButtons, id); slot >= 0) {
    SelectSlot(slot, false);
  }
}

CGlyphTidePageColor::CGlyphTidePageColor()
    : CGlyphColourPage(296, {629, 630, 641, 640, 639, 642}, {644, 643, 633, 634, 635, 636},
                       {"文字色", "用紙色", "ポイント1", "ポイント2", "ポイント3", "ポイント4"}) {}

std::vector<tmb::ui::Binding> CGlyphTidePageColor::MoreBindings() {
  using namespace tmb::ui;
  std::vector<Binding> lines;
  for (size_t k = 0; k < m_values.m_nPoint.size(); ++k) {
    lines.push_back(SignedEdit(kPointEdits[k], &m_values.m_nPoint[k], 0, kPointMax,
                               "グラデーション設定 (.swf): ポイント" + std::to_string(k + 1)));
    lines.push_back(SpinButton(kPointSpins[k], kPointEdits[k], 0, kPointMax));
  }
  return lines;
}

CGlyphTidePageLiteColor::CGlyphTidePageLiteColor()
    : CGlyphColourPage(304, {629, 630}, {644, 643}, {"文字色", "用紙色"}) {}
