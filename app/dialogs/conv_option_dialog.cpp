#include "app/dialogs/conv_option_dialog.h"

#include "app/tmb_app.h"

int gnConvKeepColour = 0;
int gnConvKeepBlur = 0;

std::vector<tmb::ui::Binding> CConvOptionDlg::Bindings() {
  using namespace tmb::ui;
  return {
      CheckBox(687, &m_bKeepColour, "不改变颜色"),
      CheckBox(688, &m_bKeepBlur, "不改变模糊值"),
  };
}

void RunConvOptionDialog() {
  CConvOptionDlg dlg;
  dlg.m_bKeepColour = gnConvKeepColour;
  dlg.m_bKeepBlur = gnConvKeepBlur;
  if (!tmb::ui::IsAccepted(dlg.DoModal(theApp.mainWindow()))) return;
  gnConvKeepColour = dlg.m_bKeepColour;
  gnConvKeepBlur = dlg.m_bKeepBlur;
}
