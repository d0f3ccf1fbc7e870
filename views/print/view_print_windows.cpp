#include "views/print/view_print_windows.h"

#include "core/canvas/work_canvas.h"
#include "core/document/tmb_doc.h"
#include "core/path/path_sequence.h"
#include "core/state/draw_state.h"
#include "core/record/param_block.h"
#include "views/print/print_source.h"
#include "views/tmb_view.h"

namespace {

// Records the frame of the laid-out character: its ink and, as colour B, its paper.
void RecordPrintFrame(CPathSequence& sequence, tmb::Colour ink, const ParamBlock& param) {
  sequence.m_nFrameCounter = 0;
  sequence.AddFrame(ink, param);
}

}  // namespace

CPrintSource* CViewPrintWindows::SourceOfKind(int kind) { return PrintSourceOfKind(kind); }

bool CViewPrintWindows::LayOutOutlines(int kind, CPathSequence& sequence) {
  CTmbView* view = CTmbView::ViewOfKind(kind);
  CTmbDoc* doc = view ? view->GetDocument() : nullptr;
  if (!doc) return false;
  // Every painting of the converted character collects its brush outlines in the
  // sequence: one plain redraw leaves the character's outlines there.
  sequence.Init(1);
  view->RedrawInSteps(0);
  if (!sequence.m_pPath) return false;
  sequence.m_rcCanvas = gWorkCanvas.m_rect;
  RecordPrintFrame(sequence, tmb::PlainColour(tmb::Colour(uint32_t(doc->m_char.m_rangeFrom))), doc->m_char.m_param);
  return true;
}

namespace {

// work's result with the print target held at kind meanwhile.
template <typename Work>
auto WithPrintTarget(int kind, Work work) {
  const int target = gDrawState.m_nPrintTarget;
  gDrawState.m_nPrintTarget = kind;
  CViewPrintWindows windows;
  const auto result = work(windows);
  gDrawState.m_nPrintTarget = target;
  return result;
}

}  // namespace

int RenderPrintPageOfKind(tmb::PageContext& page, int kind) {
  return WithPrintTarget(kind, [&page](CViewPrintWindows& windows) { return RenderPrintPage(page, windows); });
}

bool CanPrintPageOfKind(int kind) {
  return WithPrintTarget(kind, [](CViewPrintWindows& windows) { return CanRenderPrintPage(windows); });
}
