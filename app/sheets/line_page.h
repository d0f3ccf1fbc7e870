// The line page of the writing sheet (template 192 "ライン"): the basic change per line
// and the thinning and inflection values that only its first four modes use. Its Cancel
// reloads every page of the sheet.
#pragma once

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"

class CLinePage : public CShapeSheetPage {
  Q_OBJECT

 public:
  // The radio set of the basic change per line: standard, three end-thinning modes, then
  // four forced inflections from kFirstForcedMode on.
  static constexpr int kChangeRadio = 221;
  static constexpr int kChangeModes = 8;
  static constexpr int kFirstForcedMode = 4;

  CLinePage() : CShapeSheetPage(192, "ライン", kAllPages) {}
  LineValues m_values;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  void OnControlNotify(int id, tmb::ui::Notify code) override;
  void ApplyEnabling() override;

 private:
  // Button 499: the line options on the page's three option values, kept unless the
  // dialog is cancelled.
  void RunOptions();
};
