#include "export/sheet/ani_p_sheet.h"

#include "export/animation/anim_sheet_copies.h"
#include "export/sheet/ani_base_page.h"
#include "export/sheet/ani_save_page.h"
#include "export/sheet/ani_special_page.h"
#include "export/sheet/animate_save_ex_page.h"
#include "export/sheet/swf_file_page.h"
#include "platform/service/messages.h"

namespace {

constexpr int kMsgNameNotStorable = 61594;

}  // namespace

CAniPSheet::CAniPSheet(QWidget* parent) : PropertySheet("Tamberi", parent, ButtonRow::kNone) {
  m_pages = {new CAniBasePage(m_values), new CAniBasePage2(m_values), new CAniSavePage(m_values),
             new CAnimateSaveExPage(m_values), new CSwfFilePage(m_values)};
  for (CAniPage* page : m_pages) {
    page->m_onConfirm = [this](CAniPage& p, CAniPage::ApplyMode mode) { OnPageConfirmed(p, mode); };
    page->m_onCancel = [this](CAniPage& p) {
      if (m_onCancel) m_onCancel(p);
    };
    AddPage(page);
  }
}

CAniPage* CAniPSheet::PageOfIndex(int pageIndex) const {
  for (CAniPage* page : m_pages) {
    if (page->pageIndex() == pageIndex) return page;
  }
  return nullptr;
}

void CAniPSheet::ShowValues(int pageIndex) {
  for (CAniPage* page : m_pages) {
    if (page->built() && (pageIndex == kAnimPageAll || page->pageIndex() == pageIndex)) page->UpdateData(false);
  }
}

void CAniPSheet::OnPageConfirmed(CAniPage& page, CAniPage::ApplyMode mode) {
  // Every page goes into the records, so a name typed on the file page is checked
  // whichever page confirms.
  if (const std::string bad = UnstorableSaveName(m_values.save); !bad.empty()) {
    tmb::ShowMessage(kMsgNameNotStorable, tmb::kMsgOk, {bad});
    SetActivePage(kTabSave);
    return;
  }
  FitWaitsToFrames(m_values);
  if (m_onConfirm) m_onConfirm(page, mode);
}
