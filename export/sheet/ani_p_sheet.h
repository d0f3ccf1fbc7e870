// The animation sheet: six pages over one plain record of their values. A page
// confirmed is checked here (names a record can keep, waits fitted to the frames) before
// the sheet's owner writes it into the records; a page cancelled goes to the owner,
// which reloads it from the record.
#pragma once

#include <array>
#include <functional>
#include <memory>

#include "export/animation/anim_sheet_values.h"
#include "export/sheet/ani_page.h"
#include "platform/ui/property_sheet.h"

class CGlyphTideAnimatePageBase;
class CGlyphTideAnimatePageLiteBase;
class CGlyphTideAnimatePageLiteFont;

class CAniPSheet : public tmb::ui::PropertySheet {
  Q_OBJECT

 public:
  // Tab positions, which the sheet commands name.
  enum Tab { kTabMotion, kTabSpecial, kTabSave, kTabSaveEx, kTabSwf, kTabFont, kTabs };

  explicit CAniPSheet(QWidget* parent = nullptr);
  ~CAniPSheet() override;

  // The pages of the glyph family the sheet holds beside its tabs: they share the
  // sheet's values and hand over like the tabs, but are none of them.
  CGlyphTideAnimatePageBase& glyphBasePage() const { return *m_pGlyphBase; }
  CGlyphTideAnimatePageLiteBase& glyphLiteBasePage() const { return *m_pGlyphLiteBase; }
  CGlyphTideAnimatePageLiteFont& glyphLiteFontPage() const { return *m_pGlyphLiteFont; }

  // The page of a copy's page number; null for any other number.
  CAniPage* PageOfIndex(int pageIndex) const;
  // The built pages show their values again: the one of pageIndex, or all for -1 (the
  // glyph pages too).
  void ShowValues(int pageIndex);

  CAniSheetValues m_values;
  int m_bShown = 0;
  // The owner's part of a confirmed page (the values already checked) and of a cancel.
  std::function<void(CAniPage&, CAniPage::ApplyMode)> m_onConfirm;
  std::function<void(CAniPage&)> m_onCancel;

 private:
  void OnPageConfirmed(CAniPage& page, CAniPage::ApplyMode mode);
  void Connect(CAniPage& page);
  // The tabs, then the glyph pages.
  std::vector<CAniPage*> AllPages() const;

  std::array<CAniPage*, kTabs> m_pages{};
  std::unique_ptr<CGlyphTideAnimatePageBase> m_pGlyphBase;
  std::unique_ptr<CGlyphTideAnimatePageLiteBase> m_pGlyphLiteBase;
  std::unique_ptr<CGlyphTideAnimatePageLiteFont> m_pGlyphLiteFont;
};
