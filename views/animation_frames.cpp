#include "views/animation_frames.h"

#include "brush/render/brush_state.h"
#include "core/document/tmb_doc.h"
#include "core/record/char_data_full.h"
#include "views/pre_view.h"
#include "views/tmb_view.h"

namespace {

// The record's points, settings and frame flags.
void CopyFrameRecord(CCharDataFull& to, const CCharDataFull& from) {
  to.CopyFrom(from);
  to.m_flags = from.m_flags;
  to.m_bChanged = 1;
}

}  // namespace

bool CViewAnimationFrame::PaintFrame(tmb::DeviceContext& dc, CCharDataFull& frame, int /*cellMode*/) {
  CTmbDoc* doc = m_view.GetDocument();
  if (!doc || !m_view.m_pBrushState) return false;
  CCharDataFull& own = doc->m_char;
  auto kept = std::make_unique<CCharDataFull>();
  CopyFrameRecord(*kept, own);
  CopyFrameRecord(own, frame);
  m_view.PrepareOffscreenDCs(dc);
  const int painted = m_view.PaintCharacterView(dc);
  m_view.ReleaseOffscreenDCs();
  // The window shows its own character again at its next paint.
  CopyFrameRecord(own, *kept);
  return painted != -1;
}

const tmb::Surface& CViewAnimationFrame::Picture() const { return m_view.m_pBrushState->m_bitmap; }

AnimationFrameView* CViewAnimationWindows::ViewOfKind(int kind) {
  CTmbView* view = CTmbView::ViewOfKind(kind);
  if (!view) return nullptr;
  m_frame = std::make_unique<CViewAnimationFrame>(*view);
  return m_frame.get();
}

void CViewAnimationWindows::RefreshAfterFrame(int /*kind*/, int /*cellPreview*/) {
  if (CPre_View* preview = CPre_View::Instance()) preview->RedrawPreview();
}
