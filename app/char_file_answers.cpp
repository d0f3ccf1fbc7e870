#include "app/char_file_answers.h"

#include "app/dialogs/settings_value_dialogs.h"
#include "app/tmb_app.h"
#include "convert/presets/style_def_tree.h"

CCharFileAnswers gCharFileAnswers;

int CCharFileAnswers::AskSettingFile() {
  CSettingFileDlg& dlg = gSettingFileDlg;
  if (!tmb::ui::IsAccepted(dlg.DoModal(theApp.mainWindow()))) return kSettingFileCancel;
  return dlg.m_nAction == CSettingFileDlg::kReplaceAction ? kSettingFileReplace : kSettingFileConvert;
}

std::optional<int> CCharFileAnswers::StyleSelection() { return gStyleDefRoot.version(); }
