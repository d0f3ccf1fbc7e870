#include "app/sheets/shape_sheet.h"

#include <QCloseEvent>
#include <QMouseEvent>

#include "app/dialogs/colour_page.h"
#include "app/sheets/aux_setting_page.h"
#include "app/sheets/image_effect_page.h"
#include "app/sheets/outlines_dlg.h"
#include "app/sheets/sheet_copies.h"
#include "app/sheets/write_base_pages.h"
#include "core/state/draw_state.h"
#include "resources/string_table.h"

namespace {

constexpr int kSheetCaption = 57344;
constexpr int kColourSheetPage = 1;
constexpr int kAllChannels = 7;
// A click on the sheet's frame, or a right click on the sheet, leaves the drawing
// views' mouse-speed handling in its sheet mode.
constexpr int kSheetMouseSpeedMode = 1;

}  // namespace

CModelessShapePropSheet::CModelessShapePropSheet(int window, QWidget* parent)
    : PropertySheet(tmb::LoadStringText(kSheetCaption), parent, ButtonRow::kNone),
      m_nWindow(window),
      m_pBasicPage(new CWriteBasicPage),
      m_pColorPage(new CColorPage),
      m_pEffectPage(new CImageEffectPage),
      m_pAuxPage(new CAuxSettingPage),
      m_pOutlinesPage(new COutlinesDlg) {
  AddWritingPage(m_pBasicPage, CopyParamSetAToPage, CopyParamSetAFromPage);
  m_copies.Register(kColourSheetPage, m_colourValues, CopyColourSwitchToPage, CopyColoursFromPage,
                    {[this] { return m_pColorPage->built(); }, [this] { return TakeColourValues(); }});
  AddPage(m_pColorPage);
  m_pColorPage->m_onApply = [this] {
    if (m_onApply) m_onApply();
  };
  m_pColorPage->m_onReload = [this] {
    if (m_onReload) m_onReload(kColourSheetPage);
  };
  // The apply takes them after the colour page, in this order: the effect definition is
  // set again and the detail mode stored as the present one at every apply.
  HoldPage(m_pEffectPage, CopyEffectToPage, CopyEffectFromPage);
  HoldPage(m_pAuxPage, CopyBasicToPage, CopyBasicFromPage);
  // The text-outline page stores nothing with an apply: its font-page button writes the
  // record's first text block back at once.
  m_pOutlinesPage->m_nWindowKind = kind();
  Connect(m_pOutlinesPage);
}

void CModelessShapePropSheet::SetRecord(CCharDataFull* rec) {
  m_pColorPage->m_pRecord = rec;
  m_pEffectPage->m_pRecord = rec;
  m_pOutlinesPage->m_pRecord = rec;
}

bool CModelessShapePropSheet::SelectPageNumbered(int page) {
  for (int i = 0; i < pageCount(); ++i) {
    auto* shaped = qobject_cast<CShapeSheetPage*>(Page(i));
    const int number = Page(i) == m_pColorPage ? kColourSheetPage : shaped ? shaped->sheetPage() : kNoNumber;
    if (number == page && page >= 0) return SetActivePage(i);
  }
  return false;
}

bool CModelessShapePropSheet::AuxPageMatches(const CCharDataFull& rec) {
  if (m_pAuxPage->built() && !m_pAuxPage->ExchangeValues(true)) return false;
  AuxSettingValues held;
  CopyBasicToPage(rec, held);
  return held == m_pAuxPage->m_values;
}

int CModelessShapePropSheet::kind() const { return m_nWindow == 2 ? kKindDrawB : kKindDrawA; }

void CModelessShapePropSheet::Connect(CShapeSheetPage* page) {
  page->m_onApply = [this] {
    if (m_onApply) m_onApply();
  };
  page->m_onReload = [this, number = page->sheetPage()] {
    if (m_onReload) m_onReload(number);
  };
  page->m_onFront = [this] {
    if (m_onPageFront) m_onPageFront();
  };
  AddPage(page);
}

void CModelessShapePropSheet::LoadPages(int page, const CCharDataFull& rec, bool refresh) {
  SetRecord(const_cast<CCharDataFull*>(&rec));
  m_copies.Load(page, rec);
  if (page < 0 || page == kColourSheetPage) ShowColourValues();
  if (!refresh) return;
  std::vector<CShapeSheetPage*> pages = {m_pEffectPage, m_pAuxPage};
  for (int i = 0; i < pageCount(); ++i) {
    if (auto* shaped = qobject_cast<CShapeSheetPage*>(Page(i))) pages.push_back(shaped);
  }
  for (CShapeSheetPage* shaped : pages) {
    if (page < 0 || shaped->sheetPage() == page) shaped->ShowValues();
  }
}

bool CModelessShapePropSheet::StorePages(CCharDataFull& rec) { return m_copies.Store(rec); }

void CModelessShapePropSheet::ShowColourValues() {
  CColorPage& page = *m_pColorPage;
  page.m_nColourMode = m_colourValues.m_nColourMode;
  for (int slot : {CColorPage::kCharColour, CColorPage::kPaperColour}) {
    page.m_colours.SetSlotColour(slot, m_colourValues.m_colours[size_t(slot)]);
  }
  for (size_t i = 0; i < page.m_otherColours.size(); ++i) page.m_otherColours[i] = m_colourValues.m_colours[i + 2];
  if (!page.built()) return;
  page.UpdateData(false);
  page.m_colours.Refresh(kAllChannels);
}

bool CModelessShapePropSheet::TakeColourValues() {
  CColorPage& page = *m_pColorPage;
  if (!page.UpdateData(true)) return false;
  m_colourValues.m_nColourMode = page.m_nColourMode;
  for (int slot : {CColorPage::kCharColour, CColorPage::kPaperColour}) {
    m_colourValues.m_colours[size_t(slot)] = page.m_colours.SlotColour(slot);
  }
  for (size_t i = 0; i < page.m_otherColours.size(); ++i) m_colourValues.m_colours[i + 2] = page.m_otherColours[i];
  return true;
}

void CModelessShapePropSheet::mousePressEvent(QMouseEvent* event) {
  PropertySheet::mousePressEvent(event);
  if (event->button() == Qt::RightButton) gDrawState.m_nMouseSpeedMode = kSheetMouseSpeedMode;
}

CShapePropSheetFrame::CShapePropSheetFrame(int window, const QString& title, QWidget* owner)
    : MiniFrame(title, owner), m_pSheet(new CModelessShapePropSheet(window)) {
  setObjectName(window == 2 ? QStringLiteral("shapeSheetB") : QStringLiteral("shapeSheetA"));
  SetContent(m_pSheet);
  setFocusProxy(m_pSheet);
}

void CShapePropSheetFrame::closeEvent(QCloseEvent* event) {
  event->ignore();
  hide();
  m_pSheet->m_bShown = 0;
}

void CShapePropSheetFrame::changeEvent(QEvent* event) {
  MiniFrame::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow() && m_onActivate) m_onActivate();
}

bool CShapePropSheetFrame::event(QEvent* event) {
  const bool handled = MiniFrame::event(event);
  if (event->type() == QEvent::NonClientAreaMouseButtonPress &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    gDrawState.m_nMouseSpeedMode = kSheetMouseSpeedMode;
  }
  return handled;
}
