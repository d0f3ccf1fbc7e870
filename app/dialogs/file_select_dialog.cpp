#include "app/dialogs/file_select_dialog.h"

#include "app/tmb_app.h"
#include "core/file/file_select.h"

std::vector<tmb::ui::Binding> CFileSelectDlg::Bindings() {
  using namespace tmb::ui;
  return {
      RadioGroup(kModeRadio, &m_nMode, {"A->A , B->B", "A->B , B->A", "A->A", "A->B", "B->B", "B->A"}, "文件 -> 窗口"),
      CheckBox(kSettingsOnlyCheck, &m_bSettingsOnly, "读取时只读取变换值"),
      RadioGroup(kAnchorRadio, &m_nAnchor, {"左上", "右上"}, "基准角"),
      CheckBox(kEmbedUsedOnlyCheck, &m_bEmbedUsedOnly, "保存时，未设置效果时不保存背景图像"),
  };
}

void CFileSelectDlg::OnInitDialog(tmb::ui::DialogWindow& window) { window.EnableControl(kEmbedUsedOnlyCheck, false); }

void ShowFileOptionsDialog() {
  CFileSelectDlg dlg;
  dlg.m_nMode = gFileSelect.m_nMode;
  dlg.m_bSettingsOnly = gFileSelect.m_bSettingsOnly;
  dlg.m_nAnchor = gFileSelect.m_nAnchor;
  dlg.m_bEmbedUsedOnly = gFileSelect.m_bEmbedUsedOnly;
  if (!tmb::ui::IsAccepted(dlg.DoModal(theApp.mainWindow()))) return;
  gFileSelect.m_nMode = dlg.m_nMode;
  gFileSelect.m_bSettingsOnly = dlg.m_bSettingsOnly;
  gFileSelect.m_nAnchor = dlg.m_nAnchor;
  gFileSelect.m_bEmbedUsedOnly = dlg.m_bEmbedUsedOnly;
}
