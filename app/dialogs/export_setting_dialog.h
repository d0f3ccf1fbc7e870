// The export settings of strokes (template 312, the font division of the settings menu):
// whether strokes are deleted or extracted, for all strokes or one stroke by its number.
// One object for the run, so that the dialog opens on the values chosen last.
#pragma once

#include "platform/ui/dialog.h"

class CExportSettingDlg : public tmb::ui::ModalDialog {
 public:
  static constexpr int kMaxStroke = 256;

  CExportSettingDlg() : ModalDialog(312, "書き出し設定") {}

  int m_bDelete = 0;    // 658
  int m_bExtract = 0;   // 657
  int m_nTarget = -1;   // 655: all strokes, the given stroke only
  int m_nStroke = 1;    // 659 with spin 660; the first stroke, so that an untouched OK passes

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
};

extern CExportSettingDlg gExportSettingDlg;

// The font-division command: the export settings, run modally.
void RunExportSettings();
