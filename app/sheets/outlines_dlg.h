// The text-outline page (template 268): a text-settings block of its own whose controls
// are enabled by its mode; its font button chooses the block's font, its font-page button
// edits the first text block of the window's record (the page's own block when it serves
// no window) and its preview button draws on the window's drawing view.
#pragma once

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"
#include "core/state/draw_state.h"
#include "core/text/text_settings.h"

class CCharDataFull;

class COutlinesDlg : public CShapeSheetPage {
  Q_OBJECT

 public:
  COutlinesDlg() : CShapeSheetPage(268, "アウトライン文字", kAllPages) {}
  static constexpr int kFontButton = 481;
  static constexpr int kFontPageButton = 505;

  OutlinesDlgValues m_values;
  CTextSettings m_block;  // the page's block; 481 sets the font of its default entry
  CCharDataFull* m_pRecord = nullptr;  // the window's record, whose first block 505 edits
  // The drawing window (A or B) of the sheet holding the page: the font page acts on its
  // document and its temporary store, and the preview draws on its view.
  int m_nWindowKind = kKindDrawA;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  void OnControlNotify(int id, tmb::ui::Notify code) override;
  void ApplyEnabling() override;
};
