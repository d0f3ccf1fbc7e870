#include "export/sheet/ani_p_sheet.h"

#include "export/animation/anim_sheet_copies.h"
#include "export/sheet/ani_base_page.h"
#include "export/sheet/ani_save_page.h"
#include "export/sheet/ani_special_page.h"
#include "export/sheet/animate_font_page.h"
#include "export/sheet/animate_save_ex_page.h"
#include "export/sheet/glyph_animate_pages.h"
#include "export/sheet/swf_file_page.h"
#include "platform/service/messages.h"

namespace {

constexpr int kMsgNameNotStorable = 61594;

}  // namespace

CAniPSheet::CAniPSheet(QWidget* parent)
    : PropertySheet("Tamberi", parent, ButtonRow::kNone),
      m_pGlyphBase(std::make_unique<CGlyphTideAnimatePageBase>(m_values)),
      m_pGlyphLiteBase(std::make_unique<CGlyphTideAnimatePageLiteBase>(m_values)),
      m_pGlyphLiteFont(std::make_unique<CGlyphTideAnimatePageLiteFont>(m_values)) {
  m_pages = {new CAniBasePage(m_values), new CAniBasePage2(m_values), new CAniSavePage(m_values),
             new CAnimateSaveExPage(m_values), new CSwfFilePage(m_values), new CAnimateFont(m_values)};
  for (CAniPage* page : m_pages) AddPage(page);
  for (CAniPage* page : AllPages()) Connect(*page);
}

CAniPSheet::~CAniPSheet() = default;

void CAniPSheet::Connect(CAniPage& page) {
  page.m_onConfirm = [this](CAniPage& p, CAniPage::ApplyMode mode) { OnPageConfirmed(p, mode); };
  page.m_onCancel = [this](CAniPage& p) {
    if (m_onCancel) m_onCancel(p);
  };
}

std::vector<CAniPage*> CAniPSheet::AllPages() const {
  std::vector<CAniPage*> pages(m_pages.begin(), m_pages.end());
  pages.insert(pages.end(), {m_pGlyphBase.get(), m_pGlyphLiteBase.get(), m_pGlyphLiteFont.get()});
  return pages;
}

CAniPage* CAniPSheet::PageOfIndex(int pageIndex) const {
  for (CAniPage* page : m_pages) {
    if (page->pageIndex() == pageIndex) return page;
  }
  return nullptr;
}

void CAniPSheet::ShowValues(int pageIndex) {
  for (CAniPage* page : AllPages()) {
    if (page->built() && (pageIndex == kAnimPageAll || page->pageIndex() == pageIndex)) page->UpdateData(false);
  }
}

void CAniPSheet::OnPageConfirmed(CAniPage& page, CAniPage::ApplyMode mode) {
  // The tabs go into the records, so a name typed on the file page is checked whichever
  // page confirms them.
  if (const std::string bad = UnstorableSaveName(m_values.save); !bad.empty()) {
    tmb::ShowMessage(kMsgNameNotStorable, tmb::kMsgOk, {bad});
    SetActivePage(kTabSave);
    return;
  }
  FitWaitsToFrames(m_values);
  if (m_onConfirm) m_onConfirm(page, mode);
}
