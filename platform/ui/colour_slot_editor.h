// The colour-slot editor that every colour dialog and page shares: a row of swatches, one
// per colour slot, and one red, green and blue edit with a slider each, which always show
// the current slot.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/gdi/geometry.h"
#include "platform/ui/binding.h"

namespace tmb::ui {
class DialogWindow;
}

enum class SliderScale {
  kPercent,  // the slider runs 0..100 over the channel's 0..255
  kDirect,   // the slider is the channel value
};

struct ColourSlotControls {
  std::vector<int> swatches;  // one per slot, in slot order; 0 where the window has none
  std::array<int, 3> edits;   // red, green, blue
  std::array<int, 3> sliders;
  SliderScale scale = SliderScale::kPercent;
  // Pages check their edits against 0..255 when they are saved; dialogs take any number
  // and keep it within 0..255.
  bool checkedEdits = false;
};

class ColourSlotEditor {
 public:
  using Rgb = std::array<uint8_t, 3>;

  explicit ColourSlotEditor(ColourSlotControls controls);

  int SlotCount() const { return static_cast<int>(m_slots.size()); }
  // A slot outside the editor's count reads and writes slot 0.
  tmb::Colour SlotColour(int slot) const;
  void SetSlotColour(int slot, tmb::Colour colour);
  int CurrentSlot() const;
  void SetCurrentSlot(int slot) { m_nCurrent = slot; }

  // The binding lines of the swatches and channel controls, with the swatches' labels.
  std::vector<tmb::ui::Binding> Bindings(const std::vector<std::string>& swatchLabels);
  // The window whose controls the editor drives (a dialog or a page); null detaches it.
  void Attach(std::function<QWidget*(int)> control) { control_ = std::move(control); }
  // Drives window's controls while it lives; the editor outlives each run of a dialog.
  void Attach(tmb::ui::DialogWindow& window);

  // Slider ranges, slot 0 current unless keepCurrent, all three channels shown.
  void OnInitDialog(bool keepCurrent);
  // Shows the current slot's channels of mask (bit 0 red, 1 green, 2 blue) in their
  // sliders and edits, and repaints the current swatch.
  void Refresh(int mask);
  // Makes slot current, shows it and moves the focus to the red edit.
  void SelectSlot(int slot);
  // The desktop's colour chooser for the current slot.
  void ChooseFromColourBox();
  // Handles what one of the editor's own controls told the window; false for others.
  bool OnNotify(int id, tmb::ui::Notify code);

 private:
  int SliderPosition(int value) const;
  int ValueOfPosition(int position) const;
  int IndexOf(const std::array<int, 3>& ids, int id) const;
  QWidget* Control(int id) const { return control_ && id ? control_(id) : nullptr; }
  void StoreEdit(int channel);

  ColourSlotControls m_controls;
  std::vector<Rgb> m_slots;
  int m_nCurrent = 0;
  std::array<int, 3> m_channel{};  // the checked edits' members
  bool m_bRefusing = false;        // a range message about an edit is up
  std::function<QWidget*(int)> control_;
};
