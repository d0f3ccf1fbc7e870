// Dialogs for tests: each dialog shown takes the next scripted step, which may type into
// its controls and press its buttons; without a step the dialog is cancelled.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <deque>
#include <functional>
#include <vector>

#include "platform/ui/dialog.h"

namespace tmb::test {

class ScriptedDialogs final : public ui::DialogRunner {
 public:
  using Step = std::function<int(ui::DialogWindow&)>;

  ScriptedDialogs() { ui::SetDialogRunner(this); }
  ~ScriptedDialogs() override { ui::SetDialogRunner(nullptr); }

  void Then(Step step) { steps_.push_back(std::move(step)); }

  int Run(ui::DialogWindow& dialog) override {
    shown.push_back(dialog.templateId());
    if (onShown) onShown(dialog);
    if (steps_.empty()) return ui::kIdCancel;
    Step step = std::move(steps_.front());
    steps_.pop_front();
    return step(dialog);
  }

  // Types text into edit id.
  static void Type(ui::DialogWindow& dialog, int id, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(dialog.Control(id));
    if (edit) edit->setText(text);
  }
  static void Check(ui::DialogWindow& dialog, int id, bool on) {
    auto* box = qobject_cast<QAbstractButton*>(dialog.Control(id));
    if (box) box->setChecked(on);
  }
  // Clicks button id (a radio button is checked first, as the user's click does).
  static void Click(ui::DialogWindow& dialog, int id) {
    auto* button = qobject_cast<QAbstractButton*>(dialog.Control(id));
    if (button) button->click();
  }
  // Types text into edit id and leaves it, as the user's tab to the next control does.
  static void Enter(ui::DialogWindow& dialog, int id, const QString& text) {
    auto* edit = qobject_cast<QLineEdit*>(dialog.Control(id));
    if (!edit) return;
    edit->setText(text);
    emit edit->editingFinished();
  }
  // Gives control id the focus, as a click on it does, even while the dialog is not shown.
  static void Focus(ui::DialogWindow& dialog, int id) {
    if (QWidget* control = dialog.Control(id)) {
      QFocusEvent in(QEvent::FocusIn, Qt::MouseFocusReason);
      QCoreApplication::sendEvent(control, &in);
    }
  }
  // Presses OK: kIdOk when the dialog closed, 0 while it stays open on a bad value.
  static int PressOk(ui::DialogWindow& dialog) {
    dialog.accept();
    return dialog.result() == QDialog::Accepted ? ui::kIdOk : 0;
  }

  std::vector<int> shown;  // template ids, in order
  // Looks at every dialog before its step (or its cancel) runs.
  std::function<void(ui::DialogWindow&)> onShown;

 private:
  std::deque<Step> steps_;
};

}  // namespace tmb::test
