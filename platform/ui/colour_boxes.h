// The colour boxes that stay open beside the image editor: the correction colour
// (template 178) and the conversion to monochrome (template 278). Each deletes itself
// when its window is destroyed, so owners keep it in a QPointer.
#pragma once

#include "platform/ui/colour_slot_editor.h"
#include "platform/ui/dialog.h"

class CFixColorDlg final : public tmb::ui::ModelessDialog {
  Q_OBJECT

 public:
  CFixColorDlg();

  ColourSlotEditor m_colours;  // slot 0 the correction colour; slot 1 has no swatch
  int m_bActive = 0;           // 1 while the box is shown

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
  void OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) override;
  void OnCancel() override { m_bActive = 0; }
};

class CMonochromeDlg final : public tmb::ui::ModelessDialog {
  Q_OBJECT

 public:
  enum Slot { kCharPart = 0, kOtherPart };

  CMonochromeDlg();

  ColourSlotEditor m_colours;
  int m_nSetRadio = -1;  // 556: the part the "set" buttons chose
  int m_bActive = 0;     // 1 while the box is shown

 signals:
  // "変換": the image editor converts with the two colours.
  void Convert();

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
  void OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) override;
  void OnOK() override;
  void OnCancel() override { m_bActive = 0; }
};
