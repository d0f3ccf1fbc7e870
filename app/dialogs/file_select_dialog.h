// The file-choice dialog (template 230): which part of a character data file goes to
// which drawing window, whether only the conversion values are read, the corner the
// points keep their distance from, and whether pictures not in use stay out of saves. It
// edits the application-wide file-choice settings the load and the block writer read.
#pragma once

#include "platform/ui/dialog.h"

class CFileSelectDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr int kModeRadio = 132;
  static constexpr int kSettingsOnlyCheck = 176;
  static constexpr int kAnchorRadio = 410;
  static constexpr int kEmbedUsedOnlyCheck = 434;

  CFileSelectDlg() : ModalDialog(230, "文件选项") {}

  int m_nMode = 0;           // 132: FileSelectMode
  int m_bSettingsOnly = 0;   // 176
  int m_nAnchor = 1;         // 410: upper left, upper right
  int m_bEmbedUsedOnly = 1;  // 434: shown, not changed here

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
};

// The file-options command: the dialog on the file-choice settings, taken back on OK.
void ShowFileOptionsDialog();
