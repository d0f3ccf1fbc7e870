#include "app/dialogs/font_page_dialog.h"

#include <QVBoxLayout>

#include "app/tmb_app.h"

int CFontPageDlg::Run(CTextSettings& block) {
  m_block.CopyFrom(block, 0);
  const int result = DoModal(theApp.mainWindow());
  if (tmb::ui::IsAccepted(result)) block.CopyFrom(m_block, 0);
  return result;
}

void CFontPageDlg::OnInitDialog(tmb::ui::DialogWindow& window) {
  m_page = new CFontPage;
  m_page->m_nWindowKind = m_nWindowKind;
  m_page->LoadBlock(m_block);
  if (auto* column = qobject_cast<QVBoxLayout*>(window.layout())) column->insertWidget(0, m_page);
  m_page->OnSetActive();
}

bool CFontPageDlg::OnValidate(tmb::ui::DialogWindow&) {
  if (!m_page || !m_page->UpdateData(true)) return false;
  m_page->OnOK();
  m_block.CopyFrom(m_page->m_block, 0);
  return true;
}
