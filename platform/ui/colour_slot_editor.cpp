#include "platform/ui/colour_slot_editor.h"

#include <QLineEdit>
#include <QPointer>
#include <QSignalBlocker>
#include <QSlider>
#include <algorithm>
#include <string>

#include "platform/service/colour_chooser.h"
#include "platform/ui/binding_form.h"
#include "platform/ui/dialog.h"

namespace {

constexpr int kChannelMax = 255;
constexpr int kPercentMax = 100;
constexpr int kAllChannels = 7;
constexpr const char* kChannelNames[] = {"赤", "緑", "青"};

}  // namespace

ColourSlotEditor::ColourSlotEditor(ColourSlotControls controls)
    : m_controls(std::move(controls)), m_slots(std::max<size_t>(1, m_controls.swatches.size())) {}

int ColourSlotEditor::CurrentSlot() const { return m_nCurrent >= 0 && m_nCurrent < SlotCount() ? m_nCurrent : 0; }

tmb::Colour ColourSlotEditor::SlotColour(int slot) const {
  const Rgb& c = m_slots[size_t(slot >= 0 && slot < SlotCount() ? slot : 0)];
  return tmb::MakeRgb(c[0], c[1], c[2]);
}

void ColourSlotEditor::SetSlotColour(int slot, tmb::Colour colour) {
  const size_t index = size_t(slot >= 0 && slot < SlotCount() ? slot : 0);
  m_slots[index] = {uint8_t(tmb::RedOf(colour)), uint8_t(tmb::GreenOf(colour)), uint8_t(tmb::BlueOf(colour))};
  if (index < m_controls.swatches.size()) {
    if (QWidget* swatch = Control(m_controls.swatches[index])) swatch->update();
  }
}

void ColourSlotEditor::Attach(tmb::ui::DialogWindow& window) {
  control_ = [w = QPointer<tmb::ui::DialogWindow>(&window)](int id) { return w ? w->Control(id) : nullptr; };
}

std::vector<tmb::ui::Binding> ColourSlotEditor::Bindings(const std::vector<std::string>& swatchLabels) {
  using namespace tmb::ui;
  std::vector<Binding> lines;
  for (size_t i = 0; i < m_controls.swatches.size(); ++i) {
    if (m_controls.swatches[i] == 0) continue;
    lines.push_back(Swatch(m_controls.swatches[i], [this, i] { return SlotColour(int(i)); },
                           i < swatchLabels.size() ? swatchLabels[i] : std::string()));
  }
  const int sliderMax = m_controls.scale == SliderScale::kPercent ? kPercentMax : kChannelMax;
  for (size_t c = 0; c < 3; ++c) {
    if (m_controls.checkedEdits) {
      lines.push_back(SignedEdit(m_controls.edits[c], &m_channel[c], 0, kChannelMax, kChannelNames[c]));
    } else {
      lines.push_back(TextEdit(m_controls.edits[c], nullptr, kChannelNames[c]));
    }
    // The editor moves a slider and its edit itself, through its own scale.
    lines.push_back(SliderBeside(m_controls.sliders[c], nullptr, 0, sliderMax, m_controls.edits[c], std::string()));
  }
  return lines;
}

int ColourSlotEditor::SliderPosition(int value) const {
  return m_controls.scale == SliderScale::kPercent ? value * kPercentMax / kChannelMax : value;
}

int ColourSlotEditor::ValueOfPosition(int position) const {
  const int value = m_controls.scale == SliderScale::kPercent ? position * kChannelMax / kPercentMax : position;
  return std::clamp(value, 0, kChannelMax);
}

int ColourSlotEditor::IndexOf(const std::array<int, 3>& ids, int id) const {
  auto it = std::find(ids.begin(), ids.end(), id);
  return it == ids.end() ? -1 : int(it - ids.begin());
}

void ColourSlotEditor::OnInitDialog(bool keepCurrent) {
  const int sliderMax = m_controls.scale == SliderScale::kPercent ? kPercentMax : kChannelMax;
  for (int id : m_controls.sliders) {
    if (auto* slider = qobject_cast<QSlider*>(Control(id))) {
      QSignalBlocker block(slider);
      slider->setRange(0, sliderMax);
    }
  }
  if (!keepCurrent) m_nCurrent = 0;
  Refresh(kAllChannels);
}

void ColourSlotEditor::Refresh(int mask) {
  const int slot = CurrentSlot();
  for (size_t c = 0; c < 3; ++c) {
    if (!(mask & (1 << c))) continue;
    const int value = m_slots[size_t(slot)][c];
    m_channel[c] = value;
    // The editor's own settings must not come back to it as moves of the user.
    if (auto* slider = qobject_cast<QSlider*>(Control(m_controls.sliders[c]))) {
      QSignalBlocker block(slider);
      slider->setValue(SliderPosition(value));
    }
    if (auto* edit = qobject_cast<QLineEdit*>(Control(m_controls.edits[c]))) {
      QSignalBlocker block(edit);
      edit->setText(QString::number(value));
    }
  }
  if (QWidget* swatch = Control(m_controls.swatches[size_t(slot)])) swatch->update();
}

void ColourSlotEditor::SelectSlot(int slot) {
  m_nCurrent = slot;
  Refresh(kAllChannels);
  if (QWidget* red = Control(m_controls.edits[0])) red->setFocus();
}

void ColourSlotEditor::ChooseFromColourBox() {
  tmb::Colour colour = SlotColour(CurrentSlot());
  if (!tmb::ChooseColour(colour)) return;
  SetSlotColour(CurrentSlot(), colour);
  Refresh(kAllChannels);
}

void ColourSlotEditor::StoreEdit(int channel) {
  auto* edit = qobject_cast<QLineEdit*>(Control(m_controls.edits[size_t(channel)]));
  if (!edit) return;
  bool ok = false;
  const long long typed = edit->text().trimmed().toLongLong(&ok);
  // A page refuses a number outside 0..255 as soon as its edit is left, and keeps the
  // focus there; a dialog keeps it within 0..255 rather than taking its low byte, which
  // would turn 300 into 44.
  if (m_controls.checkedEdits && !(ok && typed >= 0 && typed <= kChannelMax)) {
    if (m_bRefusing) return;  // the message took the focus from the edit
    m_bRefusing = true;
    tmb::ui::RefuseNumber(*edit, 0, kChannelMax, false);
    m_bRefusing = false;
    return;
  }
  if (ok) m_slots[size_t(CurrentSlot())][size_t(channel)] = uint8_t(std::clamp<long long>(typed, 0, kChannelMax));
  Refresh(1 << channel);
}

bool ColourSlotEditor::OnNotify(int id, tmb::ui::Notify code) {
  using tmb::ui::Notify;
  if (int c = IndexOf(m_controls.sliders, id); c >= 0) {
    if (code != Notify::kScroll) return true;
    if (auto* slider = qobject_cast<QSlider*>(Control(id))) {
      m_slots[size_t(CurrentSlot())][size_t(c)] = uint8_t(ValueOfPosition(slider->value()));
      Refresh(1 << c);
    }
    return true;
  }
  if (int c = IndexOf(m_controls.edits, id); c >= 0) {
    if (code == Notify::kKillFocus) StoreEdit(c);
    return true;
  }
  auto swatch = std::find(m_controls.swatches.begin(), m_controls.swatches.end(), id);
  if (id != 0 && swatch != m_controls.swatches.end()) {
    if (code == Notify::kSetFocus) SelectSlot(int(swatch - m_controls.swatches.begin()));
    return true;
  }
  return false;
}
