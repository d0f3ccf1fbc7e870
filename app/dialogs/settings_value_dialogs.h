// The dialogs of whole sets of setting values: the standard settings (template 194),
// which choose the categories to copy and their source, and the question about a file
// that holds only setting values (template 148).
#pragma once

#include "core/record/std_setting_dlg.h"
#include "platform/ui/dialog.h"

// Shows template 194 for the record's standard-settings dialogs; installed at start-up.
class CStdSettingForm final : public tmb::ui::ModalDialog, public StdSettingDialogRunner {
 public:
  static constexpr int kCaptionString = 62101;
  static constexpr int kSourceRadio = 470;
  static constexpr int kSourceFrame = 252;

  CStdSettingForm() : ModalDialog(194, "标准设置") {}

  // Copies dialog into the controls and, unless cancelled, the choices back.
  int Run(CStdSettingDlg& dialog) override;

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;

 private:
  CStdSettingDlg m_values;
};

class CSettingFileDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr int kReplaceButton = 135;
  static constexpr int kReplaceAction = 1;

  CSettingFileDlg() : ModalDialog(148, "設定値ファイル") {}

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
};

extern CStdSettingForm gStdSettingForm;
extern CSettingFileDlg gSettingFileDlg;
