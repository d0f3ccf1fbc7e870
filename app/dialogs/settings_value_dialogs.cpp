#include "app/dialogs/settings_value_dialogs.h"

#include "app/tmb_app.h"
#include "platform/service/messages.h"
#include "resources/string_table.h"

CStdSettingForm gStdSettingForm;
CSettingFileDlg gSettingFileDlg;

int CStdSettingForm::Run(CStdSettingDlg& dialog) {
  m_values = dialog;
  if (!tmb::ui::IsAccepted(DoModal(theApp.mainWindow()))) return tmb::kAnswerCancel;
  dialog = m_values;
  return tmb::kAnswerOk;
}

std::vector<tmb::ui::Binding> CStdSettingForm::Bindings() {
  using namespace tmb::ui;
  CStdSettingDlg& v = m_values;
  return {
      CheckBox(176, &v.m_bBrush, "变换设置栏"),
      CheckBox(188, &v.m_bOther, "设置栏以外的基本变换值"),
      CheckBox(189, &v.m_bShape, "颜色、浓淡、纸张"),
      CheckBox(190, &v.m_bEffect, "图像效果脚本"),
      CheckBox(235, &v.m_bGuide, "笔与参考线的设置"),
      CheckBox(404, &v.m_bCharacter, "文字数据"),
      GroupFrame(kSourceFrame, "设置值"),
      RadioGroup(kSourceRadio, &v.m_nSource, {"启动时使用的设置文件", "默认值"}, ""),
  };
}

void CStdSettingForm::OnInitDialog(tmb::ui::DialogWindow& window) {
  // Outside mode 0 the same dialog only chooses what to save or load: it says so and
  // offers no source of settings.
  if (m_values.m_nMode == 0) return;
  window.setWindowTitle(QString::fromStdString(tmb::LoadStringText(kCaptionString)));
  for (int id : {kSourceRadio, kSourceRadio + 1, kSourceFrame}) window.EnableControl(id, false);
}

std::vector<tmb::ui::Binding> CSettingFileDlg::Bindings() {
  using namespace tmb::ui;
  return {
      Label(100, "文字部分を持たない設定値のみのデータです。"),
      ActionButton(kReplaceButton, kReplaceAction, "設定 (現在の文字を消去してこの設定値にする)"),
  };
}

void CSettingFileDlg::OnInitDialog(tmb::ui::DialogWindow& window) { window.SetControlText(tmb::ui::kIdOk, "変換表示"); }
