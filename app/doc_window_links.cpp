#include "app/doc_window_links.h"

#include "app/kind_lookup.h"
#include "app/main_frame.h"
#include "app/tmb_app.h"
#include "app/tmb_document.h"
#include "core/bitmap/palettes.h"
#include "core/canvas/work_canvas.h"
#include "core/record/param_block.h"
#include "export/picture/picture_read_result.h"
#include "imageedit/editor/background_pictures.h"
#include "imageedit/view/bmp_view_window.h"
#include "platform/service/messages.h"
#include "views/tmb_view.h"

namespace {

constexpr int kParamInkColour = 156;  // the one colour the character is written in

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

void CDocWindowLinks::LoadImageIntoView(int kind, int picture) {
  CCharDataFull* record = DrawnRecordOfKind(kind);
  if (!record || (picture != 0 && picture != 1)) return;
  // Only a picture the file carries comes into the image editor. One the record merely
  // names (every new record names the default pictures) stays behind the character, or
  // each file opened would open the editor over the window it was opened into.
  const std::string& carried = record->m_tempPictures.Path(picture);
  const bool fromFile = !carried.empty() && record->BackgroundPicturePath(picture) == carried;
  tmb::Size size{};
  const int read = ReadBackgroundPicture(*record, picture, size);
  // A picture the file names but that is gone is passed over; a damaged one is told.
  if (read == kPictureNotOpened) return;
  if (read != kPictureRead) {
    tmb::ShowMessage(read == kPictureTooLarge ? 62043 : 62048);
    return;
  }
  if (!fromFile) return;
  CMainFrame* frame = theApp.mainFrame();
  if (frame) frame->EnsureImageEditorOpen();
  if (CBmpViewWindow* editor = CBmpViewWindow::Instance()) {
    editor->editor().ShowPicture(gWorkCanvas.m_colorBitmap, size);
    editor->SyncModified();
  }
  // The window the file was opened into stays the one in front.
  if (frame) frame->ActivateViewOfKind(kind, 0);
}

void CDocWindowLinks::RefreshAfterLoad(int kind) {
  // On a display of 256 colours the colour the character is written in enters the
  // palette of its window.
  if (const CCharDataFull* record = DrawnRecordOfKind(kind); record && gPaletteMode) {
    AddDrawingWindowColour(kind, record->m_param[kShapeModeParam] != 0 ? tmb::Colour(uint32_t(record->m_param[kParamInkColour])) : 0);
  }
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
