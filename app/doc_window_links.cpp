#include "app/doc_window_links.h"

#include "app/kind_lookup.h"
#include "app/main_frame.h"
#include "app/tmb_app.h"
#include "app/tmb_document.h"
#include "views/tmb_view.h"

namespace {

CTmbDocument* FrameworkDocOf(CTmbDoc& doc) {
  for (const QPointer<tmb::ui::Document>& d : theApp.m_pKindDoc) {
    auto* wrapper = qobject_cast<CTmbDocument*>(d.data());
    if (wrapper && &wrapper->engine() == &doc) return wrapper;
  }
  return nullptr;
}

}  // namespace

CTmbDoc* CDocWindowLinks::DocumentOfKind(int kind) {
  CTmbDocument* doc = GetCharDocumentOfKind(kind);
  return doc ? &doc->engine() : nullptr;
}

void CDocWindowLinks::RefreshAfterLoad(int kind) {
  if (CMainFrame* frame = theApp.mainFrame()) frame->UpdateMainTitle();
  if (CTmbDocument* doc = GetCharDocumentOfKind(kind)) doc->UpdateAllViews();
  if (CTmbView* view = CTmbView::ViewOfKind(kind)) view->RefreshAfterLoad();
  // Both shape sheets show what the file brought.
  if (CMainFrame* frame = theApp.mainFrame()) {
    frame->LoadShapeSheetPage(-1, 1, CMainFrame::kSheetOfA);
    frame->LoadShapeSheetPage(-1, 1, CMainFrame::kSheetOfB);
  }
}

void CDocWindowLinks::UpdateWindowAndSheets() {
  if (CMainFrame* frame = theApp.mainFrame()) frame->UpdateWindowAndSheets();
}

void CDocWindowLinks::UpdateAllViews(CTmbDoc& doc) {
  if (CTmbDocument* wrapper = FrameworkDocOf(doc)) wrapper->UpdateAllViews();
  if (CMainFrame* frame = theApp.mainFrame()) frame->UpdateMainTitle();
}

void CDocWindowLinks::NoteCurrentFile(const std::string& path) {
  theApp.m_recentFiles.Add(path);
  if (CMainFrame* frame = theApp.mainFrame()) frame->ShowRecentFiles();
}
