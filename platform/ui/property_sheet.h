// Property sheets: pages of bound controls under tabs, with OK, Cancel and Apply. A page
// leaves the front only when its values pass validation; OK and Apply save every page
// that was shown and call its OnOK; Cancel calls OnCancel of each. A floating sheet
// whose pages carry their own confirm and cancel buttons goes without the button row.
#pragma once

#include <QWidget>
#include <string>
#include <vector>

#include "platform/ui/binding.h"

class QTabWidget;

namespace tmb::ui {

class BindingForm;

class PropertyPage : public QWidget {
  Q_OBJECT

 public:
  PropertyPage(int templateId, const std::string& caption);

  int templateId() const { return templateId_; }
  const std::string& caption() const { return caption_; }
  QWidget* Control(int id) const;
  // Controls to members (validated) or members to controls; the page must be built.
  bool UpdateData(bool save);
  bool built() const { return form_ != nullptr; }

  // The page comes to the front: builds it on first use and loads the members.
  virtual bool OnSetActive();
  // The page leaves the front: false (and the page stays) when a value is out of range.
  virtual bool OnKillActive() { return UpdateData(true); }
  virtual void OnOK() {}
  virtual void OnCancel() {}

 protected:
  virtual std::vector<Binding> Bindings() = 0;
  // The columns the page's controls are laid out in (a tall page fits a small screen).
  virtual int Columns() const { return 1; }
  // Once, after the page was built and first loaded.
  virtual void OnInitDialog() {}
  // A control told the page something (buttons that stay open, sliders, edits).
  virtual void OnNotify(int /*id*/, Notify) {}

 private:
  int templateId_;
  std::string caption_;
  BindingForm* form_ = nullptr;
};

class PropertySheet : public QWidget {
  Q_OBJECT

 public:
  enum class ButtonRow { kShown, kNone };
  explicit PropertySheet(const std::string& caption, QWidget* parent = nullptr,
                         ButtonRow row = ButtonRow::kShown);

  // Adds page (the sheet takes it as a child).
  void AddPage(PropertyPage* page);
  int pageCount() const;
  PropertyPage* Page(int index) const;
  int ActiveIndex() const;
  // Brings page index to the front; false when the current page refused to leave.
  bool SetActivePage(int index);

  // The three buttons; Apply and OK return false when a page kept a bad value.
  bool Apply();
  bool PressOk();
  void PressCancel();

 signals:
  void Closed();

 private:
  QTabWidget* tabs_;
  int current_ = -1;
};

}  // namespace tmb::ui
