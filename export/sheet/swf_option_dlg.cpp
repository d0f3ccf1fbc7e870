#include "export/sheet/swf_option_dlg.h"

std::vector<tmb::ui::Binding> CSwfOptionDlg::Bindings() {
  using namespace tmb::ui;
  return {
      CheckBox(564, &m_bDummyBox, "背景色用ダミーボックスを付加"),
      CheckBox(567, &m_bOutlineOnly, "輪郭線のみ"),
      CheckBox(563, &m_bUseWaits, "ウェイトタイムの指定を有効化"),
  };
}
