#include "app/char_file_answers.h"

#include "app/dialogs/settings_value_dialogs.h"
#include "app/tmb_app.h"

CCharFileAnswers gCharFileAnswers;

int CCharFileAnswers::AskSettingFile() {
  CSettingFileDlg& dlg = gSettingFileDlg;
  if (!tmb::ui::IsAccepted(dlg.DoModal(theApp.mainWindow()))) return kSettingFileCancel;
  return dlg.m_nAction == CSettingFileDlg::kReplaceAction ? kSettingFileReplace : kSettingFileConvert;
}
