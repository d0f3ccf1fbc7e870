// The base of the writing sheet's pages: the page number the sheet reloads it by, the
// sheet's hand-over on "変換表示" and on Cancel, and the enabling of controls by mode.
#pragma once

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "platform/ui/property_sheet.h"

class CShapeSheetPage : public tmb::ui::PropertyPage {
  Q_OBJECT

 public:
  // The page number that reloads every page of the sheet.
  static constexpr int kAllPages = -10;

  CShapeSheetPage(int templateId, const std::string& caption, int sheetPage);

  // The number the sheet reloads this page by (kAllPages: the page's Cancel reloads all).
  int sheetPage() const { return m_nSheetPage; }

  // The sheet's hand-over: OK takes the pages into the record, converts and shows the
  // character; Cancel reloads this page (or all) from the record and hides the sheet
  // when the user asked for that. Unset, they do nothing.
  std::function<void()> m_onApply;
  std::function<void()> m_onReload;
  // The page came to the front: the sheet's window becomes the one the user works on.
  std::function<void()> m_onFront;

  // The controls to the values first; a value out of range keeps the page and hands
  // nothing over.
  void OnOK() override;
  // Saving (true): the controls into the values, false when one is out of range; loading
  // (false): the values into the controls. Pages whose values are not all bound members
  // override it; the page must be built.
  virtual bool ExchangeValues(bool save) { return UpdateData(save); }
  // The controls show the values again (after the sheet reloaded them from the record);
  // a page not built yet loads them when it first comes to the front.
  void ShowValues();
  void OnCancel() override;
  bool OnSetActive() override;

 protected:
  // The page's own controls; the page adds its "変換表示" (IDOK) and Cancel buttons.
  virtual std::vector<tmb::ui::Binding> PageBindings() = 0;
  // What one of the page's own controls told it.
  virtual void OnControlNotify(int /*id*/, tmb::ui::Notify) {}
  // Sets the controls that depend on a mode enabled or greyed; pages with such controls
  // override it. Runs when the page comes to the front and when a deciding radio is
  // clicked.
  virtual void ApplyEnabling() {}
  void EnableControls(std::initializer_list<int> ids, bool enable);
  // The index of the checked button of the radio set whose buttons are first, first + 1,
  // ... (or the listed ones); -1 for none.
  int CheckedButton(int first, int count) const;
  int CheckedButton(std::span<const int> ids) const;

 private:
  std::vector<tmb::ui::Binding> Bindings() final;
  void OnNotify(int id, tmb::ui::Notify code) final;

  int m_nSheetPage;
};
