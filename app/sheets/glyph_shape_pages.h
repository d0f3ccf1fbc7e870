// The form and outline pages of the glyph family. The form page (template 297 "フォーム",
// sheet page 0) holds the crush, linked writing, flow and hardness bars; the edits take
// each bar's whole range while the sliders show its usual part. The outline page
// (template 298 "アウトライン") holds the smoothing strengths and anti-aliasing as a switch;
// its Cancel reloads every page.
#pragma once

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"

class CGlyphTidePageForm : public CShapeSheetPage {
  Q_OBJECT

 public:
  CGlyphTidePageForm() : CShapeSheetPage(297, "フォーム", 0) {}
  WriteRepLiteValues m_values;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
};

class CGlyphTidePageOutline : public CShapeSheetPage {
  Q_OBJECT

 public:
  CGlyphTidePageOutline() : CShapeSheetPage(298, "アウトライン", kAllPages) {}
  OutlineSwitchValues m_values;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
};
