// The animation sheet of the main window: the commands that open it on a tab, its
// floating frame made on first use, and the copies between its pages and the records.
// A confirmed page goes into the record of every character window of the animation; a
// cancelled one is shown again as the record holds it. The glyph pages the sheet holds
// beside its tabs are loaded with all tabs and, confirmed, apply the tabs as a tab does.
#include "app/main_frame.h"
#include "core/document/doc_windows.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "export/animation/anim_sheet_copies.h"
#include "export/animation/animation_step.h"
#include "export/sheet/ani_p_sheet.h"
#include "export/sheet/ani_sheet_frame.h"
#include "platform/service/messages.h"
#include "resources/string_table.h"
#include "views/tmb_view.h"

namespace {

// Keeps the tab shown.
constexpr int kShownTab = -1;
constexpr int kMsgAnimationTitle = 62100;

struct SheetTab {
  int id;
  int tab;
};

// "基本設定" .. "形状補正", one tab each; the sheet button and the preview's "設定" keep
// the tab shown.
constexpr SheetTab kSheetTabs[] = {
    {33098, CAniPSheet::kTabMotion}, {33099, CAniPSheet::kTabSpecial}, {33100, CAniPSheet::kTabSave},
    {33101, CAniPSheet::kTabSaveEx}, {33102, CAniPSheet::kTabSwf},     {33103, CAniPSheet::kTabFont},
    {396, kShownTab},                {32907, kShownTab},               {32908, kShownTab},
};

// "表示": the confirmed settings run as an animation in the current drawing window, from
// A's character to B's, with the outputs they switch on; then the window shows its own
// character again.
void ShowAnimation() {
  const int kind = gDrawState.ResolveKind(kKindCurrentDraw);
  CTmbView* view = CTmbView::ViewOfKind(kind);
  AnimationFrameView* frames = AnimWindows().ViewOfKind(kind);
  CCharDataFull* record = DrawnRecordOfKind(kind);
  const CCharDataFull* a = DrawnRecordOfKind(kKindDrawA);
  const CCharDataFull* b = DrawnRecordOfKind(kKindDrawB);
  if (!view || !frames || !record || !a || !b) {
    tmb::Beep();
    return;
  }
  {
    CTmbView::ClientDC dc(*view);
    RunAnimation(*frames, dc, {record, a, b, record, b}, kind);
  }
  // The frames were drawn into the window's picture: its own character replaces the last.
  view->RepaintNow();
}

}  // namespace

void CMainFrame::RegisterAnimationSheetCommands() {
  for (const SheetTab& t : kSheetTabs) {
    OnCommand(t.id, [this, t] { ShowAnimationSheet(t.tab); });
  }
}

CAniPSheet* CMainFrame::AnimationSheet() const {
  auto* frame = qobject_cast<CAniSheetFrame*>(m_pAniSheetFrame.data());
  return frame ? frame->m_pSheet : nullptr;
}

void CMainFrame::ShowAnimationSheet(int page) {
  auto* frame = qobject_cast<CAniSheetFrame*>(m_pAniSheetFrame.data());
  if (!frame) {
    frame = new CAniSheetFrame(QString::fromStdString(tmb::LoadStringText(kMsgAnimationTitle)), this);
    m_pAniSheetFrame = frame;
    CAniPSheet* sheet = frame->m_pSheet;
    frame->m_onClose = [this] { HideAnimationSheet(); };
    sheet->m_onConfirm = [this, sheet](CAniPage& confirmed, CAniPage::ApplyMode mode) {
      if (confirmed.StoresOnConfirm()) StoreAnimationSheet();
      HideAnimationSheet();
      UpdateWindowAndSheets();
      ApplyAnimSheetToAllDocs(sheet->m_values);
      if (mode == CAniPage::kApplyShow) {
        ShowAnimation();
      } else if (CTmbView* view = CTmbView::ViewOfKind(gDrawState.ResolveKind(kKindCurrentDraw))) {
        view->update();
      }
    };
    sheet->m_onCancel = [this](CAniPage& cancelled) {
      HideAnimationSheet();
      LoadAnimationSheetPage(cancelled.pageIndex(), 1);
    };
    // Each page made and loaded once before the sheet is first shown: it opens at the
    // size of its largest page instead of growing as the tabs are visited.
    LoadAnimationSheetPage(kAnimPageAll, 0);
    const int first = sheet->ActiveIndex();
    for (int i = 0; i < sheet->pageCount(); ++i) sheet->SetActivePage(i);
    sheet->SetActivePage(first);
    frame->CentreOnOwner();
  }
  LoadAnimationSheetPage(kAnimPageAll, 1);
  CAniPSheet* sheet = frame->m_pSheet;
  if (page >= 0 && page < sheet->pageCount()) sheet->SetActivePage(page);
  frame->show();
  // The sheet comes up with the keyboard, as the writing sheets do, so that Escape closes
  // it without a click into it.
  frame->raise();
  frame->activateWindow();
  sheet->m_bShown = 1;
}

void CMainFrame::HideAnimationSheet() {
  if (m_pAniSheetFrame) m_pAniSheetFrame->hide();
  if (CAniPSheet* sheet = AnimationSheet()) sheet->m_bShown = 0;
}

void CMainFrame::LoadAnimationSheetPage(int page, int refresh) {
  CAniPSheet* sheet = AnimationSheet();
  const CCharDataFull* record = DrawnRecordOfKind(kKindCurrentDraw);
  if (!sheet || !record) return;
  if (!LoadAnimSheetPage(*record, sheet->m_values, page)) return;
  if (page == kAnimPageAll) LoadGlyphAnimPages(*record, sheet->m_values.glyph);
  if (refresh) sheet->ShowValues(page);
}

void CMainFrame::StoreAnimationSheet() {
  CAniPSheet* sheet = AnimationSheet();
  CCharDataFull* record = DrawnRecordOfKind(kKindCurrentDraw);
  if (sheet && record) LoadAnimSettings(*record, sheet->m_values, kAnimPageAll);
}
