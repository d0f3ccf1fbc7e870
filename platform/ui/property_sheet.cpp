#include "platform/ui/property_sheet.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "platform/ui/binding_form.h"

namespace tmb::ui {

PropertyPage::PropertyPage(int templateId, const std::string& caption)
    : templateId_(templateId), caption_(caption) {
  setObjectName(QStringLiteral("page%1").arg(templateId));
}

QWidget* PropertyPage::Control(int id) const { return form_ ? form_->Control(id) : nullptr; }

bool PropertyPage::UpdateData(bool save) { return form_ ? form_->UpdateData(save) : true; }

bool PropertyPage::OnSetActive() {
  const bool first = !form_;
  if (first) {
    form_ = new BindingForm(Bindings(), this, Columns());
    form_->SetNotifyHandler([this](int id, Notify code) { OnNotify(id, code); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form_);
    layout->addStretch();
  }
  form_->UpdateData(false);
  if (first) OnInitDialog();
  return true;
}

PropertySheet::PropertySheet(const std::string& caption, QWidget* parent, ButtonRow row)
    : QWidget(parent), tabs_(new QTabWidget(this)) {
  setWindowTitle(QString::fromStdString(caption));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  connect(tabs_, &QTabWidget::currentChanged, this, [this](int index) {
    if (index == current_ || index < 0) return;
    if (!SetActivePage(index)) {
      QSignalBlocker block(tabs_);
      tabs_->setCurrentIndex(current_);
    }
  });
  if (row == ButtonRow::kNone) return;
  auto* buttons =
      new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Apply, this);
  layout->addWidget(buttons);
  connect(buttons->button(QDialogButtonBox::Ok), &QPushButton::clicked, this, [this] { PressOk(); });
  connect(buttons->button(QDialogButtonBox::Cancel), &QPushButton::clicked, this, [this] { PressCancel(); });
  connect(buttons->button(QDialogButtonBox::Apply), &QPushButton::clicked, this, [this] { Apply(); });
}

void PropertySheet::AddPage(PropertyPage* page) {
  tabs_->addTab(page, QString::fromStdString(page->caption()));
  if (current_ < 0) SetActivePage(0);
}

int PropertySheet::pageCount() const { return tabs_->count(); }

PropertyPage* PropertySheet::Page(int index) const { return qobject_cast<PropertyPage*>(tabs_->widget(index)); }

int PropertySheet::ActiveIndex() const { return current_; }

bool PropertySheet::SetActivePage(int index) {
  PropertyPage* next = Page(index);
  if (!next) return false;
  if (PropertyPage* now = Page(current_); now && index != current_ && !now->OnKillActive()) return false;
  current_ = index;
  {
    QSignalBlocker block(tabs_);
    tabs_->setCurrentIndex(index);
  }
  next->OnSetActive();
  return true;
}

bool PropertySheet::Apply() {
  PropertyPage* now = Page(current_);
  if (now && !now->OnKillActive()) return false;
  for (int i = 0; i < pageCount(); ++i) {
    if (Page(i)->built()) Page(i)->OnOK();
  }
  return true;
}

bool PropertySheet::PressOk() {
  if (!Apply()) return false;
  close();
  emit Closed();
  return true;
}

void PropertySheet::PressCancel() {
  for (int i = 0; i < pageCount(); ++i) Page(i)->OnCancel();
  close();
  emit Closed();
}

}  // namespace tmb::ui
