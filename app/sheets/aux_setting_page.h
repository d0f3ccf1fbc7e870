// The auxiliary page of the writing sheet (template 176 "補助設定", sheet page 2): the
// conversion bars' current values and maxima, the detail mode and the switches.
#pragma once

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"

class CAuxSettingPage : public CShapeSheetPage {
  Q_OBJECT

 public:
  CAuxSettingPage() : CShapeSheetPage(176, "補助設定", 2) {}
  AuxSettingValues m_values;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
};
