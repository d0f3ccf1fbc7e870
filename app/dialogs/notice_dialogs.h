// The notice boxes: they bind nothing, and their callers only look at the result.
#pragma once

#include <string>

#include "platform/ui/dialog.h"

class CNoticeDlg : public tmb::ui::ModalDialog {
 public:
  // text is shown; cancel names the second button, or is empty for a box with OK only.
  CNoticeDlg(int templateId, std::string caption, std::string text, std::string ok = {}, std::string cancel = {});

 protected:
  std::vector<tmb::ui::Binding> Bindings() override;
  void OnInitDialog(tmb::ui::DialogWindow& window) override;

 private:
  std::string m_strText;
  std::string m_strOk;
  std::string m_strCancel;
};

// The 16-bit colour mode warning (template 205).
class CColorModeWarnDlg : public CNoticeDlg {
 public:
  CColorModeWarnDlg();
};

// After each picture sent to the clipboard in a series (template 253): OK goes on to the
// next, Cancel stops them all.
class CClipboardNoticeDlg : public CNoticeDlg {
 public:
  CClipboardNoticeDlg();
};

// Notices whose templates are free (206, 225, 255, 269).
class CDlg206 : public CNoticeDlg {
 public:
  CDlg206() : CNoticeDlg(206, "Tamberi", "") {}
};

class CDlg225 : public CNoticeDlg {
 public:
  CDlg225() : CNoticeDlg(225, "Tamberi", "") {}
};

class CDlg255 : public CNoticeDlg {
 public:
  CDlg255() : CNoticeDlg(255, "Tamberi", "") {}
};

class CDlg269 : public CNoticeDlg {
 public:
  CDlg269() : CNoticeDlg(269, "Tamberi", "") {}
};
