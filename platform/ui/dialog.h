// Modal dialogs from binding tables. A dialog object holds its members for as long as
// its owner keeps it; each DoModal builds the window from the table, loads the members
// into the controls, runs it, and on OK (or an action button) saves them back after
// validation. The caller copies the members into the live settings only when the result
// says the dialog was accepted.
#pragma once

#include <QDialog>
#include <QObject>
#include <functional>
#include <string>
#include <vector>

#include "platform/ui/binding.h"

namespace tmb::ui {

class BindingForm;

// Dialog results.
constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdFailed = -1;  // the dialog could not be opened

// Whether the values of a dialog that ended with result are to be taken: only OK, which
// action buttons end with too. Cancel and a dialog that never opened change nothing.
inline bool IsAccepted(int result) { return result == kIdOk; }

class DialogWindow : public QDialog {
  Q_OBJECT

 public:
  // With columns above 1 the controls are shared out over that many columns.
  DialogWindow(int templateId, const std::string& caption, std::vector<Binding> table, int* action,
               QWidget* parent = nullptr, int columns = 1);

  int templateId() const { return templateId_; }
  BindingForm* form() const { return form_; }
  // The control of id; kIdOk and kIdCancel are the dialog's own buttons.
  QWidget* Control(int id) const;
  void EnableControl(int id, bool enable);
  void SetControlText(int id, const std::string& text);
  // OK: the members are saved first; a bad value keeps the dialog open.
  void accept() override;
  // Checked after the members were saved by OK or an action button: false keeps the
  // dialog open (the check tells the user why).
  void SetValidator(std::function<bool()> validator) { validator_ = std::move(validator); }

 private:
  bool SaveAndCheck();

  int templateId_;
  BindingForm* form_;
  int* action_;
  std::function<bool()> validator_;
};

// Runs a built dialog window. The default runs it modally; tests install a runner that
// edits the controls and presses the buttons.
class DialogRunner {
 public:
  virtual ~DialogRunner() = default;
  // kIdOk, kIdCancel or kIdFailed.
  virtual int Run(DialogWindow& dialog) = 0;
};

DialogRunner& Dialogs();
void SetDialogRunner(DialogRunner* runner);

class ModalDialog {
 public:
  ModalDialog(int templateId, std::string caption) : templateId_(templateId), caption_(std::move(caption)) {}
  virtual ~ModalDialog() = default;

  // Every run starts with no action, so OK after an earlier action button hands the
  // caller no stale action.
  int DoModal(QWidget* parent = nullptr);
  int templateId() const { return templateId_; }

  int m_nAction = 0;  // set by action buttons, which end the dialog as OK does

 protected:
  virtual std::vector<Binding> Bindings() = 0;
  // After the controls were loaded from the members.
  virtual void OnInitDialog(DialogWindow&) {}
  // A control told the dialog something (buttons that stay open, sliders, edits).
  virtual void OnNotify(DialogWindow&, int /*id*/, Notify) {}
  // OK or an action button, after the members were saved: false keeps the dialog open.
  virtual bool OnValidate(DialogWindow&) { return true; }
  // The columns the controls are laid out in: more for a table too tall for the screen.
  virtual int Columns() const { return 1; }

 private:
  int templateId_;
  std::string caption_;
};

// A dialog that stays open beside the other windows. Create builds and shows its window;
// when the window is closed and destroyed, the object deletes itself, so owners keep it
// in a QPointer.
class ModelessDialog : public QObject {
  Q_OBJECT

 public:
  ModelessDialog(int templateId, std::string caption) : templateId_(templateId), caption_(std::move(caption)) {}
  // An owner that deletes the box while it is shown closes its window too.
  ~ModelessDialog() override;

  // Shows the window; false when it is already shown.
  bool Create(QWidget* parent = nullptr);
  DialogWindow* window() const { return window_; }
  int templateId() const { return templateId_; }

 protected:
  virtual std::vector<Binding> Bindings() = 0;
  virtual void OnInitDialog(DialogWindow&) {}
  virtual void OnNotify(DialogWindow&, int /*id*/, Notify) {}
  // OK, after the members were saved, and Cancel; both then close the box.
  virtual void OnOK() {}
  virtual void OnCancel() {}

 private:
  int templateId_;
  std::string caption_;
  DialogWindow* window_ = nullptr;
  int action_ = 0;
};

}  // namespace tmb::ui
