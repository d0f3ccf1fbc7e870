// The shape sheet of a drawing window and the mini frame that floats it: the basic page
// and the colour page, loaded from the window's record and stored back into it through
// the copy pair each page registers, and the text-outline page, which works on the
// record's text blocks itself. Pages carry their own "変換表示" and Cancel.
#pragma once

#include <functional>

#include "app/sheets/shape_sheet_copies.h"
#include "app/sheets/shape_sheet_page.h"
#include "app/sheets/sheet_page_values.h"
#include "platform/ui/mini_frame.h"
#include "platform/ui/property_sheet.h"

class CAuxSettingPage;
class CCharDataFull;
class CColorPage;
class CImageEffectPage;
class COutlinesDlg;
class CWriteBasicPage;

class CModelessShapePropSheet : public tmb::ui::PropertySheet {
  Q_OBJECT

 public:
  // window: 1 the sheet of window A, 2 that of window B.
  CModelessShapePropSheet(int window, QWidget* parent = nullptr);

  int m_nWindow;
  int m_bShown = 0;
  // The drawing window kind of the sheet's window.
  int kind() const;
  CWriteBasicPage* basicPage() const { return m_pBasicPage; }
  CColorPage* colourPage() const { return m_pColorPage; }
  COutlinesDlg* outlinesPage() const { return m_pOutlinesPage; }
  // Gives the pages that act on the record themselves the record of the sheet's window
  // (null: none, once the window closed).
  void SetRecord(CCharDataFull* rec);
  // Brings the tab of sheet page number page (0 the basic page, 1 the colour page) to
  // the front; false, and the page in front stays, for a number no tab has.
  bool SelectPageNumbered(int page);
  // The image-effect and auxiliary pages: members the sheet loads and stores with the
  // others but shows no tab of.
  CImageEffectPage* effectPage() const { return m_pEffectPage; }
  CAuxSettingPage* auxPage() const { return m_pAuxPage; }
  // Whether the auxiliary page (its controls read first, when it was built) holds what
  // rec holds.
  bool AuxPageMatches(const CCharDataFull& rec);

  // Adds page, reloaded by its sheet page number, with its copy pair between its values
  // and the record.
  template <class Page, class V>
  void AddWritingPage(Page* page, ShapeSheetCopies::ToPage<V> toPage, ShapeSheetCopies::FromPage<V> fromPage) {
    m_copies.Register(page->sheetPage() < 0 ? kNoNumber : page->sheetPage(), page->m_values, toPage, fromPage,
                      {[page] { return page->built(); }, [page] { return page->ExchangeValues(true); }});
    Connect(page);
  }

  // Fills the pages numbered page (below 0: every page) from rec; with refresh the built
  // ones show the new values.
  void LoadPages(int page, const CCharDataFull& rec, bool refresh);
  // Stores every page the user has had in front into rec, only the values the user
  // changed; a page never shown stores nothing. false when a page keeps a value out of
  // range (rec untouched).
  bool StorePages(CCharDataFull& rec);

  // The window's hand-over: a page's "変換表示" (store, convert and show) and a page's
  // Cancel (reload page number n from the record, hide the sheet when the user asked).
  std::function<void()> m_onApply;
  std::function<void(int)> m_onReload;
  // A writing page of the sheet came to the front.
  std::function<void()> m_onPageFront;

 protected:
  void mousePressEvent(QMouseEvent* event) override;

 private:
  // Pages whose Cancel reloads every page register under a number no load asks for.
  static constexpr int kNoNumber = 1000;
  // Gives page the sheet's hand-over and adds it.
  void Connect(CShapeSheetPage* page);
  // Registers a page held without a tab: always stored, its controls read when built.
  template <class Page, class V>
  void HoldPage(Page* page, ShapeSheetCopies::ToPage<V> toPage, ShapeSheetCopies::FromPage<V> fromPage) {
    page->setParent(this);
    page->hide();
    m_copies.Register(page->sheetPage(), page->m_values, toPage, fromPage,
                      {[] { return true; }, [page] { return !page->built() || page->ExchangeValues(true); }});
  }
  // The colour page's values to its controls and back.
  void ShowColourValues();
  bool TakeColourValues();

  CWriteBasicPage* m_pBasicPage;
  CColorPage* m_pColorPage;
  CImageEffectPage* m_pEffectPage;
  CAuxSettingPage* m_pAuxPage;
  COutlinesDlg* m_pOutlinesPage;
  ColourPageValues m_colourValues;
  ShapeSheetCopies m_copies;
};

class CShapePropSheetFrame : public tmb::ui::MiniFrame {
  Q_OBJECT

 public:
  CShapePropSheetFrame(int window, const QString& title, QWidget* owner);

  CModelessShapePropSheet* m_pSheet;
  // The frame came to the front; the main window makes its sheet the active one.
  std::function<void()> m_onActivate;

 protected:
  // Closing only hides the frame.
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  // A left press on the title area tells the drawing views to set their pointer speed anew.
  bool event(QEvent* event) override;
};
