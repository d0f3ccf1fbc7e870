// The image-effect page of the writing sheet (template 240 "画像効果", sheet page 4): the
// effect switch, margins, sample point, background and area, and the effect file. Its
// file buttons come with the effect dialogs.
#pragma once

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"

class CImageEffectPage : public CShapeSheetPage {
  Q_OBJECT

 public:
  CImageEffectPage() : CShapeSheetPage(240, "画像効果", 4) {}
  ImageEffectValues m_values;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
};
