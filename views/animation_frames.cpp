#include "views/animation_frames.h"

#include <QAbstractScrollArea>

#include "brush/render/brush_state.h"
#include "core/canvas/bitmap_blits.h"
#include "core/canvas/cell_order.h"
#include "core/canvas/work_canvas.h"
#include "core/document/tmb_doc.h"
#include "core/record/char_data_full.h"
#include "platform/ui/clipboard.h"
#include "platform/ui/surface_image.h"
#include "views/pre_view.h"
#include "views/tmb_view.h"

namespace {

// The record's points, settings and frame flags.
void CopyFrameRecord(CCharDataFull& to, const CCharDataFull& from) {
  to.CopyFrom(from);
  to.m_flags = from.m_flags;
  to.m_nOutlineDirty = 1;
}

}  // namespace

bool CViewAnimationFrame::PaintFrame(tmb::DeviceContext& dc, CCharDataFull& frame) {
  CTmbDoc* doc = m_view.GetDocument();
  if (!doc || !m_view.m_pBrushState) return false;
  CCharDataFull& own = doc->m_char;
  auto kept = std::make_unique<CCharDataFull>();
  CopyFrameRecord(*kept, own);
  CopyFrameRecord(own, frame);
  m_view.PrepareOffscreenDCs(dc);
  const int painted = m_view.PaintCharacterView(dc);
  m_view.ReleaseOffscreenDCs();
  // The window's record is its own again; the caller draws it once the run is over.
  CopyFrameRecord(own, *kept);
  // The user sees every frame, not only the last one when the run is over.
  if (painted != -1) m_view.ShowWindowNow();
  return painted != -1;
}

const tmb::Surface& CViewAnimationFrame::Picture() const { return m_view.m_pBrushState->m_bitmap; }

AnimationFrameView* CViewAnimationWindows::ViewOfKind(int kind) {
  CTmbView* view = CTmbView::ViewOfKind(kind);
  if (!view) return nullptr;
  m_frame = std::make_unique<CViewAnimationFrame>(*view);
  return m_frame.get();
}

void CViewAnimationWindows::RefreshAfterFrame(int kind, CCharDataFull& frame, int cellPreview) {
  CTmbView* view = CTmbView::ViewOfKind(kind);
  tmb::Surface* picture = view ? view->DrawingBitmap() : nullptr;
  CPre_View* preview = CPre_View::Instance();
  if (picture && preview && !preview->m_bmpPreview.IsNull()) {
    tmb::Surface& shown = preview->m_bmpPreview;
    if (cellPreview) {
      // Only the written cells, read row by row and laid down the columns from the right.
      shown.Fill(0xFFFFFF);
      CTmbDoc* doc = view->GetDocument();
      CopyCellsToVerticalOrder(shown, *picture, frame, doc ? &doc->m_work : nullptr);
    } else {
      CopyBitmapBlock(nullptr, &shown, 0, 0, gWorkCanvas.m_width, gWorkCanvas.m_height, picture, 0, 0);
    }
    preview->RedrawPreview();
    preview->area()->viewport()->repaint();
  }
  if (view) view->RedrawSettingsPane();
}

bool CViewAnimationWindows::CopyFrameToClipboard(const tmb::Surface& frame, const tmb::Rect& canvas) {
  CPre_View* preview = CPre_View::Instance();
  if (preview && !preview->m_bmpPreview.IsNull()) {
    if (!preview->CopyPictureToClipboard(canvas)) return false;
  } else {
    const QRect block(canvas.left, canvas.top, canvas.Width(), canvas.Height());
    tmb::ui::Clipboard().SetImage(tmb::ui::ImageOfSurface(frame).copy(block));
  }
  return m_clipboardNotice ? m_clipboardNotice() : true;
}
