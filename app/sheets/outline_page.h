// The outline page of the writing sheet (template 280 "アウトライン"): smoothing, spline,
// tip shape, anti-aliasing, bold correction, detail mode and density. Its Cancel reloads
// every page.
#pragma once

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"

// The natural smoothing lines both outline pages open with: per stroke (517, strength 518
// with slider 428) and of partial bodies (521, strength 520 with slider 430).
std::vector<tmb::ui::Binding> NaturalSmoothingLines(int* perStroke, int* strokeStrength, int* partial,
                                                    int* partialStrength);

class COutlinePage : public CShapeSheetPage {
  Q_OBJECT

 public:
  COutlinePage() : CShapeSheetPage(280, "アウトライン", kAllPages) {}
  OutlineValues m_values;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
};
