#include "export/sheet/wait_time_dlg.h"

#include <QListWidget>
#include <algorithm>

#include "export/animation/wait_list.h"
#include "platform/ui/binding_form.h"

int CWaitTimeDlg::Lines() const { return std::clamp(m_nCount, 0, kValueTableSize); }

std::vector<tmb::ui::Binding> CWaitTimeDlg::Bindings() {
  using namespace tmb::ui;
  m_lines.clear();
  for (int i = 0; i < Lines(); ++i) m_lines.push_back(std::to_string(m_waits[size_t(i)]));
  return {
      ListBox(kList, &m_lines, "ウェイトタイム"),
      SignedEdit(kValueEdit, &m_nValue, 1, 1000, "値"),
      PushButton(kSetButton, "設定"),
      PushButton(kSpreadButton, "等差化"),
      PushButton(kResetButton, "リセット"),
  };
}

void CWaitTimeDlg::OnInitDialog(tmb::ui::DialogWindow& window) {
  if (auto* list = qobject_cast<QListWidget*>(window.Control(kList))) {
    list->setSelectionMode(QAbstractItemView::ExtendedSelection);
  }
}

void CWaitTimeDlg::OnNotify(tmb::ui::DialogWindow& window, int id, tmb::ui::Notify code) {
  auto* list = qobject_cast<QListWidget*>(window.Control(kList));
  if (code != tmb::ui::Notify::kClicked || !list) return;
  std::vector<int> selected;
  for (int row = 0; row < list->count(); ++row) {
    if (list->item(row)->isSelected()) selected.push_back(row);
  }
  if (id == kSetButton) {
    if (!window.form()->UpdateData(true)) return;
    for (int row : selected) m_waits[size_t(row)] = m_nValue;
  } else if (id == kSpreadButton) {
    SpreadWaits(m_waits, selected);
  } else if (id == kResetButton) {
    FillWaitList(m_waits, {m_nFirst, m_nMiddle, m_nLast}, Lines());
  } else {
    return;
  }
  ShowWaits(*list);
}

void CWaitTimeDlg::ShowWaits(QListWidget& list) const {
  for (int row = 0; row < list.count() && row < Lines(); ++row) {
    list.item(row)->setText(QString::number(m_waits[size_t(row)]));
  }
}
