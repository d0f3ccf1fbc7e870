#include "app/dialogs/export_setting_dialog.h"

#include "app/tmb_app.h"

CExportSettingDlg gExportSettingDlg;

std::vector<tmb::ui::Binding> CExportSettingDlg::Bindings() {
  using namespace tmb::ui;
  return {
      CheckBox(658, &m_bDelete, "削除"),
      CheckBox(657, &m_bExtract, "抽出"),
      RadioGroup(655, &m_nTarget, {"全ストロークに対して", "指定ストロークのみ"}, "対象"),
      SignedEdit(659, &m_nStroke, 1, kMaxStroke, "画目"),
      SpinButton(660, 659, 1, kMaxStroke),
  };
}

void RunExportSettings() { gExportSettingDlg.DoModal(theApp.mainWindow()); }
