#include "app/sheets/shape_sheet_page.h"

#include <QAbstractButton>
#include <algorithm>

#include "platform/ui/dialog.h"

CShapeSheetPage::CShapeSheetPage(int templateId, const std::string& caption, int sheetPage)
    : PropertyPage(templateId, caption), m_nSheetPage(sheetPage) {}

std::vector<tmb::ui::Binding> CShapeSheetPage::Bindings() {
  std::vector<tmb::ui::Binding> lines = PageBindings();
  lines.push_back(tmb::ui::PushButton(tmb::ui::kIdOk, "変換表示"));
  lines.push_back(tmb::ui::PushButton(tmb::ui::kIdCancel, "キャンセル"));
  return lines;
}

void CShapeSheetPage::OnNotify(int id, tmb::ui::Notify code) {
  if (id == tmb::ui::kIdOk) {
    OnOK();
  } else if (id == tmb::ui::kIdCancel) {
    OnCancel();
  } else {
    OnControlNotify(id, code);
  }
}

void CShapeSheetPage::OnOK() {
  if (!ExchangeValues(true)) return;
  if (m_onApply) m_onApply();
}

void CShapeSheetPage::OnCancel() {
  if (m_onReload) m_onReload();
}

void CShapeSheetPage::ShowValues() {
  if (!built()) return;
  ExchangeValues(false);
  ApplyEnabling();
}

bool CShapeSheetPage::OnSetActive() {
  const bool shown = PropertyPage::OnSetActive();
  ApplyEnabling();
  if (m_onFront) m_onFront();
  return shown;
}

void CShapeSheetPage::EnableControls(std::initializer_list<int> ids, bool enable) {
  for (int id : ids) {
    if (QWidget* control = Control(id)) {
      control->setEnabled(enable);
      control->update();
    }
  }
}

int CShapeSheetPage::CheckedButton(int first, int count) const {
  std::vector<int> ids(size_t(std::max(count, 0)));
  for (size_t i = 0; i < ids.size(); ++i) ids[i] = first + int(i);
  return CheckedButton(ids);
}

int CShapeSheetPage::CheckedButton(std::span<const int> ids) const {
  for (size_t i = 0; i < ids.size(); ++i) {
    auto* button = qobject_cast<QAbstractButton*>(Control(ids[i]));
    if (button && button->isChecked()) return int(i);
  }
  return -1;
}
