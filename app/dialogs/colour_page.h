// The colour page of the writing sheet (template 317, sheet page 1): black ink or one
// colour for the character, and the paper colour, edited as two colour slots.
#pragma once

#include <array>
#include <functional>
#include <string>

#include "platform/ui/colour_slot_editor.h"
#include "platform/ui/property_sheet.h"

class CCharDataFull;

class CColorPage : public tmb::ui::PropertyPage {
  Q_OBJECT

 public:
  enum Slot { kCharColour = 0, kPaperColour };
  // Parameter 170 of the record: the colour mode the page writes.
  static constexpr int kColourModeParam = 170;
  static constexpr int kSingleColourMode = 3;

  CColorPage();

  ColourSlotEditor m_colours;
  int m_nColourMode = 0;  // 667: 0 black ink, 1 single colour
  int m_nSetRadio = 0;    // 668: the slot the "設定" buttons chose
  // Parameters 158..165, which the page carries unchanged.
  std::array<tmb::Colour, 8> m_otherColours{};

  // The drawn record of the page's window; the owning sheet sets it.
  CCharDataFull* m_pRecord = nullptr;
  // The sheet's hand-over: OK takes the pages into the record and redraws; Cancel
  // reloads this page from the record.
  std::function<void()> m_onApply;
  std::function<void()> m_onReload;

  void OnOK() override;
  void OnCancel() override;

  // The page's two picture-file commands, for background picture 1 (index 0) or 2: a
  // picture chosen in the open dialog is kept by the page and named in the record (its
  // text 3 or 4). False when the dialog was cancelled or there is no record.
  bool ChoosePictureFile(int index);
  std::array<std::string, 2> m_strPictures;  // UTF-8

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog() override;
  void OnNotify(int id, tmb::ui::Notify code) override;

 private:
  // Writes the chosen mode into the record, remembering the value it held before the
  // first such write since the last OK or Cancel, however often the page came to the front.
  void WriteModeToRecord();
  // Makes slot current as its "設定" button does, writing the mode into the record.
  void ChooseSlot(int slot);

  bool m_bRemembered = false;
  int m_nRememberedMode = 0;
};
