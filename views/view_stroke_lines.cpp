// The written strokes as thin lines: over the converted character in the back buffer for
// one repaint (the overlay display), or straight on the window while the first conversion
// of new strokes runs, so that the hand's lines show until the brush has drawn them.
#include <algorithm>

#include "core/document/tmb_doc.h"
#include "core/path/stroke_path.h"
#include "core/state/draw_state.h"
#include "views/tmb_view.h"
#include "views/view_params.h"

namespace {

constexpr int kParamWidth = 3;
// The pen is a sixth of the brush width, never thinner than 2 pixels.
constexpr int kLineWidthDivisor = 6;
constexpr int kThinnestLine = 2;

}  // namespace

void CTmbView::DrawStrokeLines(tmb::DeviceContext& dc, tmb::Colour colour, int offscreen) {
  CTmbDoc* doc = GetDocument();
  if (!doc) return;
  const CCharDataFull& rec = doc->m_char;
  const int first = offscreen == 1 ? 0 : std::clamp(doc->m_nLastPainted, 0, rec.m_nPoints);
  const tmb::Pen pen = tmb::Pen::Solid(std::max(rec.m_param[kParamWidth] / kLineWidthDivisor, kThinnestLine), colour);
  auto drawInto = [&](tmb::DeviceContext& target, tmb::Point shift) {
    const tmb::Pen old = target.SelectPen(pen);
    for (int i = first; i + 1 < rec.m_nPoints; ++i) {
      // A stroke's first point starts no line from the one before it, nor does its last
      // segment show.
      if (rec.m_pFlags[i + 1] != 0 || rec.IsStrokeEnd(i + 1)) continue;
      const tmb::Point a = rec.m_pPoints[i], b = rec.m_pPoints[i + 1];
      target.MoveTo(a.x + shift.x, a.y + shift.y);
      target.LineTo(b.x + shift.x, b.y + shift.y);
    }
    target.SelectPen(old);
  };
  if (offscreen == 1) {
    OffscreenScope offscreenDCs(*this, dc);
    if (m_bOffscreen) drawInto(m_dcBack, {0, 0});
    return;
  }
  drawInto(dc, gDrawState.m_ptCanvasOrigin);
}
