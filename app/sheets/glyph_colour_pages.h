// The colour pages of the glyph family: six colour slots (the character's, the paper's
// and the four gradient points') with the gradient positions (template 296), and the
// reduced twin with the character's and the paper's colour (template 304). Both edit
// their slots with the colour-slot editor, the sliders holding the channel itself.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "platform/ui/colour_slot_editor.h"
#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"

class CGlyphColourPage : public CShapeSheetPage {
  Q_OBJECT

 public:
  static constexpr int kSheetPage = 1;
  static constexpr int kColourBox = 638;

  ColourSlotEditor m_colours;
  int m_nSlot = -1;  // 644: the slot the "set" buttons chose; -1 none

  // Loading puts the values' colours into the slots; saving takes them back.
  bool ExchangeValues(bool save) override;
  bool OnSetActive() override;

 protected:
  // swatches: the swatch of each slot; setButtons: the "set" button of each slot.
  CGlyphColourPage(int templateId, std::vector<int> swatches, std::vector<int> setButtons,
                   std::vector<std::string> slotNames);
  // The values' colours, one per slot.
  virtual std::span<RgbBytes> SlotValues() = 0;
  // The page's lines after the editor's.
  virtual std::vector<tmb::ui::Binding> MoreBindings() { return {}; }

  std::vector<tmb::ui::Binding> PageBindings() final;
  void OnInitDialog() override;
  void OnControlNotify(int id, tmb::ui::Notify code) override;

 private:
  // Makes slot current (after the controls went into the values, when asked) and shows it.
  void SelectSlot(int slot, bool exchange);
  void PutSlotsIntoEditor();

  std::vector<int> m_swatches;
  std::vector<int> m_setButtons;
  std::vector<std::string> m_slotNames;
};

class CGlyphTidePageColor : public CGlyphColourPage {
 public:
  CGlyphTidePageColor();
  SixColourValues m_values;

 protected:
  std::span<RgbBytes> SlotValues() override { return m_values.m_rgb; }
  std::vector<tmb::ui::Binding> MoreBindings() override;
};

class CGlyphTidePageLiteColor : public CGlyphColourPage {
 public:
  CGlyphTidePageLiteColor();
  TwoColourValues m_values;

 protected:
  std::span<RgbBytes> SlotValues() override { return m_values.m_rgb; }
};
