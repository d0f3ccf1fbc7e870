// The other drawing window's picture laid under this one's (command 33003), so that the
// user can write over it.
#include <algorithm>

#include "brush/render/brush_state.h"
#include "core/canvas/work_canvas.h"
#include "core/document/doc_windows.h"
#include "core/record/char_data_full.h"
#include "core/state/draw_state.h"
#include "views/tmb_view.h"
#include "views/view_params.h"

namespace {

constexpr tmb::Colour kWhite = 0xFFFFFF;
// Where the mask shows the other picture's paper this picture stays as it is (D); where it
// shows ink the two are ANDed, so that the darker ink of either wins.
constexpr uint32_t kUnderRop = (0x88u << 24) | (0xAAu << 16);

}  // namespace

void CTmbView::OverlayOtherWindow() {
  ReleaseOffscreenDCs();
  const int otherKind = m_nKind != kKindDrawA ? kKindDrawA : kKindDrawB;
  const CBrushState& other = gBrushStates[otherKind == kKindDrawA ? 0 : 1];
  CWorkBitmap& work = gWorkCanvas.m_colorBitmap;
  if (!m_pBrushState || !m_pBrushState->m_bCreated || !other.m_bCreated || work.IsNull()) return;
  ClientDC dc(*this);
  const int w = std::min(gWorkCanvas.m_width, m_pBrushState->m_bitmap.width());
  const int h = std::min(gWorkCanvas.m_height, m_pBrushState->m_bitmap.height());
  tmb::DeviceContext workDC = tmb::DeviceContext::CompatibleWith(&dc.dc());
  workDC.SelectSurface(&work);
  tmb::DeviceContext otherDC = tmb::DeviceContext::CompatibleWith(&dc.dc());
  otherDC.SelectSurface(const_cast<tmb::Surface*>(static_cast<const tmb::Surface*>(&other.m_bitmap)));
  workDC.BitBlt(0, 0, w, h, &otherDC, 0, 0, tmb::kSrcCopy);
  // The other record's paper colour is what stays transparent.
  const CCharDataFull* otherRec = DrawnRecordOfKind(otherKind);
  tmb::Surface paper;
  if (!paper.Create(w, h, tmb::PixelFormat::kMono1)) return;
  tmb::DeviceContext maskDC(&paper);
  workDC.SetBackgroundColour(otherRec ? tmb::Colour(otherRec->m_param[kParamBackColour]) : kWhite);
  maskDC.BitBlt(0, 0, w, h, &workDC, 0, 0, tmb::kSrcCopy);
  tmb::DeviceContext backDC = tmb::DeviceContext::CompatibleWith(&dc.dc());
  backDC.SelectSurface(&m_pBrushState->m_bitmap);
  backDC.MaskBlt(0, 0, w, h, &workDC, 0, 0, &paper, 0, 0, kUnderRop);
  PaintWritingArea(dc);
}
