// What the pages of the animation sheet share: their values in the sheet's plain record
// of pages, a page number for the copies, and their own "実行", "OK" and cancel buttons,
// which hand the page to the sheet.
#pragma once

#include <functional>

#include "export/animation/anim_sheet_values.h"
#include "platform/ui/property_sheet.h"

class CAniPage : public tmb::ui::PropertyPage {
  Q_OBJECT

 public:
  // The page's own buttons.
  static constexpr int kConfirm = 1;  // "実行": applies the settings
  static constexpr int kCancel = 2;
  static constexpr int kOk = 324;     // "OK": applies only

  CAniPage(int templateId, const std::string& caption, int pageIndex, CAniSheetValues& values);

  // The page number of the copies (AnimSheetPage).
  int pageIndex() const { return m_nPageIndex; }
  // Whether confirming this page first stores the sheet into the current record.
  virtual bool StoresOnConfirm() const { return true; }

  // How a confirmed page is applied: "実行" and "OK" apply the settings to every
  // character window; "表示" then runs the animation in the current drawing window
  // through the outputs the sheet switches on.
  enum ApplyMode { kApplyOk = 0, kApplyConfirm = 1, kApplyShow = 2 };

  // Set by the sheet: a page read its controls and is confirmed; a page is cancelled.
  std::function<void(CAniPage&, ApplyMode)> m_onConfirm;
  std::function<void(CAniPage&)> m_onCancel;

  // Reads the controls (a bad value keeps the page as it is) and hands the page over.
  bool Confirm(ApplyMode mode = kApplyConfirm);
  void Cancel();

 protected:
  // The page's own lines, then its buttons.
  virtual std::vector<tmb::ui::Binding> PageBindings() = 0;
  // Two columns keep the tallest page within a screen of 768 lines.
  int Columns() const override { return 2; }
  // A control of the page's own told it something.
  virtual void OnPageNotify(int /*id*/, tmb::ui::Notify) {}
  // Hides the controls of ids.
  void HideControls(std::initializer_list<int> ids);

  CAniSheetValues& m_values;

 private:
  std::vector<tmb::ui::Binding> Bindings() final;
  void OnNotify(int id, tmb::ui::Notify code) final;

  int m_nPageIndex;
};
