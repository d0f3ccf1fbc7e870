// The shape sheets of drawing windows A and B: their frames, made on first use and only
// hidden when closed, showing and hiding them, and moving the values between a sheet's
// pages and its window's record.
#include <QEvent>
#include <memory>

#include "app/kind_lookup.h"
#include "app/main_frame.h"
#include "app/dialogs/colour_page.h"
#include "app/sheets/shape_sheet.h"
#include "app/sheets/write_base_pages.h"
#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "resources/string_table.h"
#include "views/live_stroke.h"
#include "views/shape_sheet_windows.h"
#include "views/style_command_windows.h"
#include "views/tmb_view.h"

namespace {

constexpr int kWindowA = 1;
constexpr int kWindowB = 2;
constexpr int kTitleA = 62084;
constexpr int kTitleB = 62085;

CCharDataFull* RecordOfKind(int kind) {
  CTmbDocument* doc = GetCharDocumentOfKind(kind);
  return doc ? &doc->engine().m_char : nullptr;
}

// The sheet window (A or B) of drawing window kind.
int WindowOfKind(int kind) { return kind == kKindDrawB ? kWindowB : kWindowA; }

CShapePropSheetFrame* AsSheetFrame(QWidget* frame) { return qobject_cast<CShapePropSheetFrame*>(frame); }

// What the views below the shell ask of the sheets: the style commands reload the
// current drawing window's sheet after a style changed its record; the drawing views
// apply, reload and hide the sheets of their own windows.
class CSheetLinks final : public StyleCommandWindows, public ShapeSheetWindows {
 public:
  explicit CSheetLinks(CMainFrame& frame) : m_frame(frame) {}
  void ReloadShapeSheet() override { m_frame.LoadShapeSheetPage(-1, 1, CMainFrame::kCurrentSheet); }
  bool ApplySheetOf(int kind) override { return m_frame.ApplySheetInFront(kind); }
  bool ReloadSheetOf(int kind) override {
    return m_frame.LoadShapeSheetPage(-1, 1, kind == kKindDrawB ? CMainFrame::kSheetOfB : CMainFrame::kSheetOfA) == 1;
  }
  void HideSheets() override { m_frame.HideShapeSheet(); }

 private:
  CMainFrame& m_frame;
};

std::unique_ptr<CSheetLinks> gSheetLinks;

}  // namespace

void CMainFrame::InstallShapeSheetLinks() {
  SetShapeSheetQuery([this] { return IsShapeSheetShown(); });
  gSheetLinks = std::make_unique<CSheetLinks>(*this);
  SetStyleCommandWindows(gSheetLinks.get());
  SetShapeSheetWindows(gSheetLinks.get());
}

void CMainFrame::RemoveShapeSheetLinks() {
  SetShapeSheetQuery(nullptr);
  if (gSheetLinks && &StyleWindows() == gSheetLinks.get()) SetStyleCommandWindows(nullptr);
  if (gSheetLinks && &SheetWindows() == gSheetLinks.get()) SetShapeSheetWindows(nullptr);
  gSheetLinks.reset();
}

CShapePropSheetFrame* CMainFrame::SheetFrameOfWindow(int window) const {
  return AsSheetFrame(window == kWindowB ? m_pSheetFrameB : m_pSheetFrameA);
}

bool CMainFrame::IsShapeSheetShown() const {
  for (int window : {kWindowA, kWindowB}) {
    if (CShapePropSheetFrame* frame = SheetFrameOfWindow(window); frame && frame->isVisible()) return true;
  }
  return false;
}

QWidget* CMainFrame::GetActiveSheetFrame() const {
  if (m_nActiveSheet == kWindowA) return m_pSheetFrameA;
  if (m_nActiveSheet == kWindowB) return m_pSheetFrameB;
  return nullptr;
}

QWidget* CMainFrame::GetCurrentShapeSheetFrame() const {
  return gDrawState.ResolveKind(kKindCurrentDraw) == kKindDrawB ? m_pSheetFrameB : m_pSheetFrameA;
}

bool CMainFrame::CreateShapeSheetFrame() {
  if (m_pCurSheetFrame) return true;
  const int window = WindowOfKind(gDrawState.ResolveKind(kKindCurrentDraw));
  const QString title = QString::fromStdString(tmb::LoadStringText(window == kWindowB ? kTitleB : kTitleA));
  auto* frame = new CShapePropSheetFrame(window, title, this);
  (window == kWindowB ? m_pSheetFrameB : m_pSheetFrameA) = frame;
  m_pCurSheetFrame = frame;
  ConnectShapeSheet(*frame);
  // The new sheet starts from its own window's record; the other sheet, maybe shown with
  // edits not yet applied, is left alone.
  if (CCharDataFull* rec = RecordOfKind(frame->m_pSheet->kind())) frame->m_pSheet->LoadPages(-1, *rec, false);
  frame->CentreOnOwner();
  m_nActiveSheet = window;
  return true;
}

void CMainFrame::ConnectShapeSheet(CShapePropSheetFrame& frame) {
  CModelessShapePropSheet* sheet = frame.m_pSheet;
  const int window = sheet->m_nWindow;
  frame.m_onActivate = [this, window, sheet] {
    m_nActiveSheet = window;
    // The colour, image-effect and text-outline pages write into the record as their
    // buttons are pressed: they get the record the window holds now (none once the window
    // closed).
    sheet->SetRecord(RecordOfKind(sheet->kind()));
  };
  sheet->m_onApply = [this, kind = sheet->kind()] { ApplyShapePagesRedraw(kind); };
  // Turning to a writing page makes its sheet the active one and its window the current
  // one, with the auxiliary page's bar values in the record.
  sheet->m_onPageFront = [this, window] {
    m_nActiveSheet = window;
    ApplyAuxPage();
  };
  sheet->m_onReload = [this, window](int page) {
    LoadShapeSheetPage(page, 1, window == kWindowB ? kSheetOfB : kSheetOfA);
    if (gDrawState.m_nSheetClearMode) {
      if (CShapePropSheetFrame* f = SheetFrameOfWindow(window)) {
        f->hide();
        f->m_pSheet->m_bShown = 0;
      }
    }
  };
}

void CMainFrame::ShowShapeSheet(bool centre) {
  m_pCurSheetFrame = GetCurrentShapeSheetFrame();
  if (!m_pCurSheetFrame && !CreateShapeSheetFrame()) return;
  CShapePropSheetFrame* frame = AsSheetFrame(m_pCurSheetFrame);
  if (!frame) return;
  CModelessShapePropSheet* sheet = frame->m_pSheet;
  if (!frame->isVisible()) {
    frame->show();
    sheet->m_bShown = 1;
    LoadShapeSheetPage(-1, 1, sheet->m_nWindow == kWindowB ? kSheetOfB : kSheetOfA);
  } else {
    ApplyShapeSheet(frame);
  }
  // A page the sheet does not hold (the auxiliary and image-effect pages among them)
  // leaves the page in front as it is.
  sheet->SelectPageNumbered(gDrawState.m_nShapeSheetPage);
  if (centre) frame->CentreOnOwner();
  frame->raise();
  frame->activateWindow();
  m_nActiveSheet = sheet->m_nWindow;
}

bool CMainFrame::ApplyShapeSheet(QWidget* frame) {
  CShapePropSheetFrame* sheetFrame = AsSheetFrame(frame);
  if (!sheetFrame || !sheetFrame->isVisible()) return false;
  return ApplyShapePagesNoRedraw(sheetFrame->m_pSheet->kind());
}

void CMainFrame::ApplyBothSheets() {
  for (int window : {kWindowA, kWindowB}) ApplyShapeSheet(SheetFrameOfWindow(window));
}

void CMainFrame::ApplyAuxPage() {
  CShapePropSheetFrame* frame = AsSheetFrame(GetActiveSheetFrame());
  if (!frame) return;
  const int kind = frame->m_pSheet->kind();
  CCharDataFull* rec = RecordOfKind(kind);
  if (!rec) return;
  if (!frame->m_pSheet->AuxPageMatches(*rec) && !ApplyShapePagesNoRedraw(kind)) return;
  gDrawState.m_nCurDrawKind = kind;
  if (tmb::ui::View* panel = PeekViewOfKind(kKindSettings)) panel->RedrawNow();
}

bool CMainFrame::ApplySheetInFront(int kind) {
  CShapePropSheetFrame* frame = SheetFrameOfWindow(WindowOfKind(kind));
  return frame && frame == GetActiveSheetFrame() && ApplyShapeSheet(frame);
}

bool CMainFrame::ApplyShapePages(int kind, bool redraw) {
  CShapePropSheetFrame* frame = SheetFrameOfWindow(WindowOfKind(kind));
  CCharDataFull* rec = RecordOfKind(kind);
  if (!frame || !rec || !frame->m_pSheet->StorePages(*rec)) return false;
  if (redraw) {
    if (CTmbView* view = CTmbView::ViewOfKind(kind)) view->RedrawInSteps(1);
  }
  return true;
}

int CMainFrame::LoadShapeSheetPage(int page, int refresh, int which) {
  QWidget* target = which == kActiveSheet ? GetActiveSheetFrame()
                    : which == kSheetOfA  ? m_pSheetFrameA.data()
                    : which == kSheetOfB  ? m_pSheetFrameB.data()
                                          : GetCurrentShapeSheetFrame();
  CShapePropSheetFrame* frame = AsSheetFrame(target);
  if (!frame || !frame->isVisible()) return 0;
  CCharDataFull* rec = RecordOfKind(frame->m_pSheet->kind());
  if (!rec) return 0;
  frame->m_pSheet->LoadPages(page, *rec, refresh != 0);
  return 1;
}

tmb::ui::PropertyPage* CMainFrame::GetShapePage(bool windowB) const {
  CShapePropSheetFrame* frame = SheetFrameOfWindow(windowB ? kWindowB : kWindowA);
  return frame ? frame->m_pSheet->basicPage() : nullptr;
}

void CMainFrame::HideActiveSheet() {
  if (CShapePropSheetFrame* frame = AsSheetFrame(GetActiveSheetFrame())) frame->close();
}

void CMainFrame::HideShapeSheet() {
  for (int window : {kWindowA, kWindowB}) {
    if (CShapePropSheetFrame* frame = SheetFrameOfWindow(window)) frame->close();
  }
}
