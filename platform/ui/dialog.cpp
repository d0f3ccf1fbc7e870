#include "platform/ui/dialog.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/binding_form.h"

namespace tmb::ui {
namespace {

class ExecRunner final : public DialogRunner {
 public:
  int Run(DialogWindow& dialog) override { return dialog.exec() == QDialog::Accepted ? kIdOk : kIdCancel; }
};

ExecRunner gExec;
DialogRunner* gRunner = &gExec;

}  // namespace

DialogRunner& Dialogs() { return *gRunner; }

void SetDialogRunner(DialogRunner* runner) { gRunner = runner ? runner : &gExec; }

DialogWindow::DialogWindow(int templateId, const std::string& caption, std::vector<Binding> table,
                           int* action, QWidget* parent)
    : QDialog(parent), templateId_(templateId), form_(new BindingForm(std::move(table), this)), action_(action) {
  setWindowTitle(QString::fromStdString(caption));
  setObjectName(QStringLiteral("dialog%1").arg(templateId));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(form_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("ctl1"));
  buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("ctl2"));
  connect(buttons, &QDialogButtonBox::accepted, this, &DialogWindow::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &DialogWindow::reject);
  layout->addWidget(buttons);
  form_->SetActionHandler([this](int number) {
    if (!form_->UpdateData(true)) return;
    if (action_) *action_ = number;
    QDialog::accept();
  });
}

QWidget* DialogWindow::Control(int id) const { return form_->Control(id); }

void DialogWindow::accept() {
  if (form_->UpdateData(true)) QDialog::accept();
}

int ModalDialog::DoModal(QWidget* parent) {
  DialogWindow window(templateId_, caption_, Bindings(), &m_nAction, parent);
  window.form()->UpdateData(false);
  OnInitDialog(window);
  return Dialogs().Run(window);
}

}  // namespace tmb::ui
