// The basic-form page of the writing sheet (template 238 "基礎形状") and its option
// dialog (template 270): the crush type with its softness, flow, intent and the main and
// secondary hardness; the option dialog holds the mouse speed, pooling and speed mode.
#pragma once

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"
#include "platform/ui/dialog.h"

class CBasicFormOptionDlg : public tmb::ui::ModalDialog {
 public:
  CBasicFormOptionDlg() : ModalDialog(270, "Basic Form Option") {}
  int m_nMouseSpeed = 0;  // 297
  int m_nPooling = 0;     // 302
  int m_nSpeedMode = 0;   // 296

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

class CWriteRep : public CShapeSheetPage {
  Q_OBJECT

 public:
  // The semi-cursive crush type, the one whose softness the page offers.
  static constexpr int kSemiCursive = 4;
  // The speed-independent mode, the one that offers the main hardness.
  static constexpr int kSpeedIndependent = 1;

  CWriteRep() : CShapeSheetPage(238, "基礎形状", 0) {}
  WriteRepValues m_values;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  void OnControlNotify(int id, tmb::ui::Notify code) override;
  void ApplyEnabling() override;

 private:
  void RunOptionDialog();
};
