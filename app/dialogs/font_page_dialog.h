// The font page shown as a modal dialog on a copy of a text-settings block, for the pages
// that carry a block of their own (the text outlines).
#pragma once

#include <QPointer>

#include "app/dialogs/font_page.h"
#include "platform/ui/dialog.h"

class CFontPageDlg final : public tmb::ui::ModalDialog {
 public:
  // windowKind: the drawing window (A or B) whose document and temporary store the page
  // acts on.
  explicit CFontPageDlg(int windowKind) : ModalDialog(275, "フォント"), m_nWindowKind(windowKind) {}

  // Shows the page on a copy of block; on OK the edited copy goes back into block.
  int Run(CTextSettings& block);
  // The page while the dialog is shown.
  CFontPage* page() const { return m_page; }

 protected:
  std::vector<tmb::ui::Binding> Bindings() override { return {}; }
  void OnInitDialog(tmb::ui::DialogWindow& window) override;
  bool OnValidate(tmb::ui::DialogWindow& window) override;

 private:
  int m_nWindowKind;
  CTextSettings m_block;
  QPointer<CFontPage> m_page;
};
