// The scale page of the writing sheet (template 239 "スケール", sheet page 3): moving,
// scaling, rotating and the line output, each switched on by its radio set.
#pragma once

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"

class CScalePage : public CShapeSheetPage {
  Q_OBJECT

 public:
  CScalePage() : CShapeSheetPage(239, "スケール", 3) {}
  ScaleValues m_values;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
};
