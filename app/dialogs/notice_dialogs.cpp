#include "app/dialogs/notice_dialogs.h"

CNoticeDlg::CNoticeDlg(int templateId, std::string caption, std::string text, std::string ok, std::string cancel)
    : ModalDialog(templateId, std::move(caption)),
      m_strText(std::move(text)),
      m_strOk(std::move(ok)),
      m_strCancel(std::move(cancel)) {}

std::vector<tmb::ui::Binding> CNoticeDlg::Bindings() {
  if (m_strText.empty()) return {};
  return {tmb::ui::Label(100, m_strText)};
}

void CNoticeDlg::OnInitDialog(tmb::ui::DialogWindow& window) {
  if (!m_strOk.empty()) window.SetControlText(tmb::ui::kIdOk, m_strOk);
  if (m_strCancel.empty()) {
    window.Control(tmb::ui::kIdCancel)->hide();
  } else {
    window.SetControlText(tmb::ui::kIdCancel, m_strCancel);
  }
}

CColorModeWarnDlg::CColorModeWarnDlg()
    : CNoticeDlg(205, "Tamberi",
                 "16ビットのカラーモードでは墨の濃淡や輪郭線のアンチエイリアス処理が精細なものになりません。\n"
                 "24ビット以上のカラーモードに設定してください。") {}

CClipboardNoticeDlg::CClipboardNoticeDlg()
    : CNoticeDlg(253, "現画像をクリップボードに送付しました", "現画像をクリップボードに送付しました", "次へ", "全て中止") {}
