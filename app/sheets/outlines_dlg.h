// The text-outline page (template 268): a text-settings block of its own whose controls
// are enabled by its mode. The font dialog, the outline preview and the font page of its
// buttons come with later dialogs.
#pragma once

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"

class COutlinesDlg : public CShapeSheetPage {
  Q_OBJECT

 public:
  COutlinesDlg() : CShapeSheetPage(268, "アウトライン文字", kAllPages) {}
  OutlinesDlgValues m_values;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  void OnControlNotify(int id, tmb::ui::Notify code) override;
  void ApplyEnabling() override;
};
