#include "export/sheet/ani_sheet_frame.h"

#include <QCloseEvent>

#include "export/sheet/ani_p_sheet.h"

CAniSheetFrame::CAniSheetFrame(const QString& title, QWidget* owner) : MiniFrame(title, owner) {
  m_pSheet = new CAniPSheet(this);
  SetContent(m_pSheet);
  setFocusProxy(m_pSheet);
}

void CAniSheetFrame::closeEvent(QCloseEvent* event) {
  // The frame lives on and is shown again by the next sheet command.
  event->ignore();
  if (m_onClose) m_onClose();
}
