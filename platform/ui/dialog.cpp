#include "platform/ui/dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
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
                           int* action, QWidget* parent, int columns)
    : QDialog(parent),
      templateId_(templateId),
      form_(new BindingForm(std::move(table), this, columns)),
      action_(action) {
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
    if (!SaveAndCheck()) return;
    if (action_) *action_ = number;
    QDialog::accept();
  });
}

QWidget* DialogWindow::Control(int id) const {
  if (id == kIdOk || id == kIdCancel) return findChild<QWidget*>(QStringLiteral("ctl%1").arg(id));
  return form_->Control(id);
}

void DialogWindow::EnableControl(int id, bool enable) {
  if (QWidget* control = Control(id)) control->setEnabled(enable);
}

void DialogWindow::SetControlText(int id, const std::string& text) {
  const QString s = QString::fromStdString(text);
  QWidget* control = Control(id);
  if (auto* edit = qobject_cast<QLineEdit*>(control)) {
    edit->setText(s);
  } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
    button->setText(s);
  } else if (auto* label = qobject_cast<QLabel*>(control)) {
    label->setText(s);
  } else if (auto* box = qobject_cast<QGroupBox*>(control)) {
    box->setTitle(s);
  }
}

bool DialogWindow::SaveAndCheck() { return form_->UpdateData(true) && (!validator_ || validator_()); }

void DialogWindow::accept() {
  if (SaveAndCheck()) QDialog::accept();
}

int ModalDialog::DoModal(QWidget* parent) {
  m_nAction = 0;
  DialogWindow window(templateId_, caption_, Bindings(), &m_nAction, parent, Columns());
  window.form()->UpdateData(false);
  window.form()->SetNotifyHandler([this, &window](int id, Notify code) { OnNotify(window, id, code); });
  window.SetValidator([this, &window] { return OnValidate(window); });
  OnInitDialog(window);
  return Dialogs().Run(window);
}

ModelessDialog::~ModelessDialog() {
  if (!window_) return;
  disconnect(window_, nullptr, this, nullptr);
  delete window_;
}

bool ModelessDialog::Create(QWidget* parent) {
  if (window_) return false;
  window_ = new DialogWindow(templateId_, caption_, Bindings(), &action_, parent);
  window_->setModal(false);
  window_->setAttribute(Qt::WA_DeleteOnClose);
  window_->form()->UpdateData(false);
  window_->form()->SetNotifyHandler([this](int id, Notify code) { OnNotify(*window_, id, code); });
  connect(window_, &QDialog::accepted, this, [this] { OnOK(); });
  connect(window_, &QDialog::rejected, this, [this] { OnCancel(); });
  connect(window_, &QObject::destroyed, this, [this] {
    window_ = nullptr;
    deleteLater();
  });
  OnInitDialog(*window_);
  window_->show();
  // The box comes up with the keyboard, as the window it was asked from had it; a desktop
  // without a window manager gives it none by itself.
  window_->raise();
  window_->activateWindow();
  return true;
}

}  // namespace tmb::ui
