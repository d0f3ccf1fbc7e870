// The other drawing window's picture laid under this one's (command 33003), so that the
// user can write over it.
#include <algorithm>

#include "brush/render/brush_state.h"
#include "core/canvas/bitmap_masks.h"
#include "core/canvas/work_canvas.h"
#include "core/document/doc_windows.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "views/tmb_view.h"
#include "views/view_params.h"

namespace {

constexpr tmb::Colour kWhite = 0xFFFFFF;

}  // namespace

void CTmbView::OverlayOtherWindow() {
  ReleaseOffscreenDCs();
  const int otherKind = m_nKind != kKindDrawA ? kKindDrawA : kKindDrawB;
  const CBrushState& other = gBrushStates[otherKind == kKindDrawA ? 0 : 1];
  CWorkBitmap& work = gWorkCanvas.m_colorBitmap;
  if (!m_pBrushState || !m_pBrushState->m_bCreated || !other.m_bCreated || work.IsNull()) return;
  ClientDC dc(*this);
  const int w = std::min({gWorkCanvas.m_width, m_pBrushState->m_bitmap.width(), other.m_bitmap.width()});
  const int h = std::min({gWorkCanvas.m_height, m_pBrushState->m_bitmap.height(), other.m_bitmap.height()});
  tmb::DeviceContext workDC = tmb::DeviceContext::CompatibleWith(&dc.dc());
  workDC.SelectSurface(&work);
  tmb::DeviceContext otherDC = tmb::DeviceContext::CompatibleWith(&dc.dc());
  otherDC.SelectSurface(const_cast<tmb::Surface*>(static_cast<const tmb::Surface*>(&other.m_bitmap)));
  workDC.BitBlt(0, 0, w, h, &otherDC, 0, 0, tmb::kSrcCopy);
  // The other record's paper colour is what stays transparent.
  const CCharDataFull* otherRec = DrawnRecordOfKind(otherKind);
  const tmb::Colour paper = otherRec ? tmb::Colour(otherRec->m_param[kParamBackColour]) : kWhite;
  if (RenderToWorkBitmap(&dc.dc(), &m_pBrushState->m_bitmap, &work, paper) < 0) return;
  PaintWritingArea(dc);
}
