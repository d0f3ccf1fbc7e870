// The special-shape page of the writing sheet (template 231 "特殊形状"): curved stroke
// ends with their lengths and directions, swelling, crossing restraint and traction. Its
// Cancel reloads every page of the sheet.
#pragma once

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"

class CSpecialShapePage : public CShapeSheetPage {
  Q_OBJECT

 public:
  // The direction sliders show a fifth of the degrees, with a tick every 18 positions.
  static constexpr int kDirectionFactor = 5;
  static constexpr int kDirectionTicks = 18;

  CSpecialShapePage() : CShapeSheetPage(231, "特殊形状", kAllPages) {}
  SpecialShapeValues m_values;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  void OnInitDialog() override;
};
