// The animation sheet: five pages over one plain record of their values. A page
// confirmed is checked here (names a record can keep, waits fitted to the frames) before
// the sheet's owner writes it into the records; a page cancelled goes to the owner,
// which reloads it from the record.
#pragma once

#include <array>
#include <functional>

#include "export/animation/anim_sheet_values.h"
#include "export/sheet/ani_page.h"
#include "platform/ui/property_sheet.h"

class CAniPSheet : public tmb::ui::PropertySheet {
  Q_OBJECT

 public:
  // Tab positions, which the sheet commands name.
  enum Tab { kTabMotion, kTabSpecial, kTabSave, kTabSaveEx, kTabSwf, kTabs };

  explicit CAniPSheet(QWidget* parent = nullptr);

  // The page of a copy's page number; null for any other number.
  CAniPage* PageOfIndex(int pageIndex) const;
  // The built pages show their values again: the one of pageIndex, or all for -1.
  void ShowValues(int pageIndex);

  CAniSheetValues m_values;
  int m_bShown = 0;
  // The owner's part of a confirmed page (the values already checked) and of a cancel.
  std::function<void(CAniPage&, CAniPage::ApplyMode)> m_onConfirm;
  std::function<void(CAniPage&)> m_onCancel;

 private:
  void OnPageConfirmed(CAniPage& page, CAniPage::ApplyMode mode);

  std::array<CAniPage*, kTabs> m_pages{};
};
