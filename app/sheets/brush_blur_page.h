// The brush and blur page of the writing sheet (template 242 "筆・掠れ"): seven radio
// sets for the brush kind, the blur and the paper grain. Its Cancel reloads every page.
#pragma once

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"

class CBrushBlurPage : public CShapeSheetPage {
  Q_OBJECT

 public:
  CBrushBlurPage() : CShapeSheetPage(242, "筆・掠れ", kAllPages) {}
  BrushBlurValues m_values;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
};
