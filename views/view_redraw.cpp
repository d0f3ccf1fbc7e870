// The full redraws of the drawing view that commands ask for: the stepped redraw that lets
// the character grow into its display values, and the rebuild of the brush outline.
#include "brush/outline/outline_document.h"
#include "core/document/tmb_doc.h"
#include "core/state/draw_state.h"
#include "views/stepped_display.h"
#include "views/tmb_view.h"
#include "views/view_params.h"

namespace {

// Redraw modes of CDrawState::m_nRedrawSteps.
constexpr int kRedrawPlain = 0;
constexpr int kRedrawAfterStrokes = 1;
constexpr int kRedrawAlways = 2;

}  // namespace

void CTmbView::RedrawInSteps(int force) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  CCharDataFull& rec = doc->m_char;
  if (rec.m_param[kParamDisplayMode] != m_nLastDisplayMode) force = 1;
  m_nLastDisplayMode = rec.m_param[kParamDisplayMode];
  {
    // The record gets its own display values back however the painting ends, so that no
    // save or later paint can see a stepped value.
    CSteppedDisplay steps(rec.m_param);
    const int mode = gDrawState.m_nRedrawSteps;
    const bool stepped =
        mode == kRedrawAlways || (mode == kRedrawAfterStrokes && rec.m_nPoints > doc->m_nLastPainted);
    const int n = stepped ? steps.StepCount() : 0;
    for (int i = 0; i <= n; ++i) {
      steps.Apply(i, n);
      if (force == 1 || mode != kRedrawPlain) RedrawSettingsPane();
      ClientDC dc(*this);
      PaintCharacterView(dc);
      // Each step is seen as it is drawn, whatever else the window shows meanwhile.
      if (n > 0) ShowNow();
    }
  }
  doc->m_nLastPainted = rec.m_nPoints;
}

void CTmbView::ShowOriginalLineDrawMode() {
  CCharDataFull* rec = DrawnRecord();
  if (!rec) return;
  rec->m_param[kParamPenMode] = 1;
  rec->m_nOutlineDirty = 1;
  RedrawInSteps(0);
  rec->m_param[kParamPenMode] = 0;
}

int CTmbView::TogglePointDisplay(int toggle) {
  CCharDataFull* rec = DrawnRecord();
  if (!rec) return 0;
  if (toggle == 1) rec->m_param[kParamShowPoints] = rec->m_param[kParamShowPoints] ? 0 : 1;
  return rec->m_param[kParamShowPoints];
}

void CTmbView::RebuildOutline() {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  COutlineDocument outline{doc->m_pFloatPoints.get()};
  doc->m_work.BuildOutline(doc->m_char, &outline);
}

void CTmbView::RebuildOutlineAndRedraw(int force) {
  RebuildOutline();
  RedrawInSteps(force);
}
