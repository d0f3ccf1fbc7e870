// The two base pages of the writing sheet (sheet page 0): the base style page with its
// crush type and keep switches, and the basic page the shape sheet shows.
#pragma once

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"

class CWriteLiteRepBaseDlg : public CShapeSheetPage {
  Q_OBJECT

 public:
  CWriteLiteRepBaseDlg() : CShapeSheetPage(319, "基本設定", 0) {}
  WriteLiteRepBaseValues m_values;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
};

class CWriteBasicPage : public CShapeSheetPage {
  Q_OBJECT

 public:
  CWriteBasicPage() : CShapeSheetPage(327, "基本设置", 0) {}
  WriteBasicValues m_values;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
};
