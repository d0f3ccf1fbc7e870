#include "export/sheet/ani_page.h"

CAniPage::CAniPage(int templateId, const std::string& caption, int pageIndex, CAniSheetValues& values)
    : PropertyPage(templateId, caption), m_values(values), m_nPageIndex(pageIndex) {}

std::vector<tmb::ui::Binding> CAniPage::Bindings() {
  std::vector<tmb::ui::Binding> lines = PageBindings();
  lines.push_back(tmb::ui::PushButton(kConfirm, "実行"));
  lines.push_back(tmb::ui::PushButton(kOk, "OK"));
  lines.push_back(tmb::ui::PushButton(kCancel, "キャンセル"));
  return lines;
}

void CAniPage::OnNotify(int id, tmb::ui::Notify code) {
  if (id == kConfirm && code == tmb::ui::Notify::kClicked) {
    Confirm(kApplyConfirm);
  } else if (id == kOk && code == tmb::ui::Notify::kClicked) {
    Confirm(kApplyOk);
  } else if (id == kCancel && code == tmb::ui::Notify::kClicked) {
    Cancel();
  } else {
    OnPageNotify(id, code);
  }
}

bool CAniPage::Confirm(ApplyMode mode) {
  if (!UpdateData(true)) return false;
  if (m_onConfirm) m_onConfirm(*this, mode);
  return true;
}

void CAniPage::Cancel() {
  if (m_onCancel) m_onCancel(*this);
}

void CAniPage::HideControls(std::initializer_list<int> ids) {
  for (int id : ids) {
    if (QWidget* control = Control(id)) control->hide();
  }
}
