// The drawing target of a work path: the brush render state it paints into and the two
// memory contexts it draws through.
#include <memory>

#include "brush/render/brush_state.h"
#include "brush/render/work_dc_scope.h"
#include "core/canvas/work_canvas.h"
#include "core/path/stroke_work.h"
#include "platform/gdi/device_context.h"

namespace {

constexpr int kPaperColourParam = 157;
constexpr int kWindows = 2;

}  // namespace

void CStrokeWork::SelectBrushState(CBrushState* state) {
  if (!state && m_nWindow >= 0 && m_nWindow < kWindows) state = &gBrushStates[m_nWindow];
  m_pBrushState = state;
  m_pStateBitmap = state ? &state->m_bitmap : nullptr;
  m_pBrushBitmaps = {};
  if (state) m_pBrushBitmaps = {&state->m_tipStrip, &state->m_brushSet, &state->m_mask1, &state->m_mask2};
}

int CStrokeWork::PrepareWorkDCs(tmb::DeviceContext* pDC) {
  if (m_bWorkDCsPrepared) return 1;
  if (m_nWindow < 0 || !m_pBrushState || !m_pBrushState->m_bCreated || !m_pStateBitmap) return 0;
  tmb::Surface* targets[2] = {&gWorkCanvas.m_spareBitmap, m_pStateBitmap};
  for (int k = 0; k < 2; ++k) {
    m_pWorkDC[k] = std::make_unique<tmb::DeviceContext>(tmb::DeviceContext::CompatibleWith(pDC));
    m_pReplaced[k] = m_pWorkDC[k]->SelectSurface(targets[k]);
  }
  m_bWorkDCsPrepared = 1;
  return 1;
}

void CStrokeWork::ReleaseWorkDCs() {
  if (!m_bWorkDCsPrepared) return;
  for (int k = 0; k < 2; ++k) {
    m_pWorkDC[k]->SelectSurface(m_pReplaced[k]);
    m_pWorkDC[k].reset();
    m_pReplaced[k] = nullptr;
  }
  m_bWorkDCsPrepared = 0;
}

void CStrokeWork::FillStateBitmap(tmb::DeviceContext* pDC, int useColour) {
  WorkDCScope dcs(*this, pDC);
  if (!dcs) return;
  const tmb::Colour colour = useColour ? tmb::PlainColour(tmb::Colour(m_param[kPaperColourParam])) : 0xFFFFFF;
  dcs.StateDC().FillSolidRect(m_pStateBitmap->Bounds(), colour);
}
