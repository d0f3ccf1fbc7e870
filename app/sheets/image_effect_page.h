// The image-effect page of the writing sheet (template 240 "画像効果", sheet page 4): the
// effect switch, margins, sample point, background and area, and the effect file, whose
// buttons choose another file, edit the script and save it.
#pragma once

#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"

class CCharDataFull;

class CImageEffectPage : public CShapeSheetPage {
  Q_OBJECT

 public:
  static constexpr int kFileEdit = 330;
  static constexpr int kChangeFile = 331;
  static constexpr int kEditScript = 352;
  static constexpr int kSaveScript = 406;

  CImageEffectPage() : CShapeSheetPage(240, "画像効果", 4) {}
  ImageEffectValues m_values;
  // The record whose effect definition the file buttons work on (the sheet's window's);
  // without one they do nothing.
  CCharDataFull* m_pRecord = nullptr;

 protected:
  std::vector<tmb::ui::Binding> PageBindings() override;
  void OnControlNotify(int id, tmb::ui::Notify code) override;

 private:
  // Another effect file: the record's definition reads it, the page shows its name.
  void ChangeFile();
  // The script in the script dialog; the page shows the values again when it was taken.
  void EditScript();
  // The script saved under the file's name (asked for when there is none).
  void SaveScript();
};
