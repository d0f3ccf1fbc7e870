// The text-outline page (template 268): a text-settings block of its own whose controls
// are enabled by its mode; its font-page button edits the block. The font dialog and the
// outline preview of its other buttons come with later dialogs.
#pragma once

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"
#include "core/text/text_settings.h"

class COutlinesDlg : public CShapeSheetPage {
  Q_OBJECT

 public:
  COutlinesDlg() : CShapeSheetPage(268, "アウトライン文字", kAllPages) {}
  OutlinesDlgValues m_values;
  CTextSettings m_block;  // 505 edits it on the font page

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  void OnControlNotify(int id, tmb::ui::Notify code) override;
  void ApplyEnabling() override;
};
