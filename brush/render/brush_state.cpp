#include "brush/render/brush_state.h"

#include "core/canvas/work_canvas.h"
#include "platform/gdi/resource_bitmaps.h"
#include "platform/service/messages.h"

CBrushState gBrushStates[2];
int gBrushDrawOption = 0;

namespace {

constexpr int kMsgLoadResource = 62056;
constexpr int kMsgCreateBitmap = 62063;

bool MakeSurface(tmb::Surface& s, int w, int h, tmb::PixelFormat format, tmb::Colour fill) {
  if (!s.Create(w, h, format)) return false;
  s.Fill(fill);
  return true;
}

// Copies the whole of source onto dst at (0, 0) by rop.
void CopyWhole(tmb::DeviceContext* pDC, tmb::Surface& dst, const tmb::Surface& source, uint32_t rop) {
  tmb::DeviceContext to = tmb::DeviceContext::CompatibleWith(pDC);
  to.SelectSurface(&dst);
  tmb::DeviceContext from = tmb::DeviceContext::CompatibleWith(pDC);
  from.SelectSurface(const_cast<tmb::Surface*>(&source));
  to.BitBlt(0, 0, source.width(), source.height(), &from, 0, 0, rop);
}

}  // namespace

int CBrushState::Create(tmb::DeviceContext* pDC, int render) {
  DeleteObjects();  // a second creation replaces the bitmaps
  m_width = m_widthCopy = gWorkCanvas.m_width;
  m_height = m_heightCopy = gWorkCanvas.m_height;
  m_bitmap.SetSizeToCreate(m_width, m_height);
  const tmb::PixelFormat colour = tmb::PixelFormat::kColour32;
  const bool made = m_bitmap.Create(pDC, 1) > 0 &&
                    MakeSurface(m_tipStrip, kSetWidth, kStripHeight, colour, 0xFFFFFF) &&
                    MakeSurface(m_brushSet, kSetWidth, kSetHeight, colour, 0xFFFFFF) &&
                    MakeSurface(m_mask1, kSetWidth, kSetHeight, tmb::PixelFormat::kMono1, 0x000000) &&
                    MakeSurface(m_mask2, kSetWidth, kSetHeight, tmb::PixelFormat::kMono1, 0xFFFFFF) &&
                    m_loadedTips.Create(kSetWidth, kCell, colour);
  if (!made) {
    // Without its bitmaps the state draws nothing: it stays uncreated.
    tmb::ShowMessage(kMsgCreateBitmap);
    DeleteObjects();
    return 0;
  }

  tmb::DeviceContext strip = tmb::DeviceContext::CompatibleWith(pDC);
  strip.SelectSurface(&m_tipStrip);
  for (int k = 0; k < kKinds; ++k) {
    tmb::Surface tip;
    if (!tmb::LoadBitmapResource(tmb::kBrushTipBitmap, tip)) {
      tmb::ShowMessage(kMsgLoadResource);
      continue;
    }
    tmb::DeviceContext from = tmb::DeviceContext::CompatibleWith(pDC);
    from.SelectSurface(&tip);
    strip.BitBlt(kCell * k, 0, kCell, kCell, &from, 0, 0, tmb::kSrcCopy);
  }
  strip.BitBlt(0, kCell, kSetWidth, kCell, &strip, 0, 0, tmb::kSrcCopy);
  CopyWhole(pDC, m_loadedTips, m_tipStrip, tmb::kSrcCopy);

  if (render) {
    m_bRenderRequest = 1;
    RenderBrushSet(pDC);
  }
  m_bCreated = 1;
  return 1;
}

void CBrushState::DeleteObjects() {
  m_tipStrip.Destroy();
  m_loadedTips.Destroy();
  m_brushSet.Destroy();
  m_mask1.Destroy();
  m_mask2.Destroy();
  m_bitmap.Destroy();
  m_bCreated = 0;
}

void CBrushState::BuildMasks(tmb::DeviceContext* pDC, const CBrushState& other) {
  if (!m_bCreated || !other.m_bCreated) return;
  CopyWhole(pDC, m_brushSet, other.m_brushSet, tmb::kSrcCopy);
  CopyWhole(pDC, m_mask1, other.m_mask1, tmb::kSrcCopy);
  CopyWhole(pDC, m_mask2, other.m_mask2, tmb::kSrcCopy);
  CopyWhole(pDC, m_tipStrip, other.m_tipStrip, tmb::kSrcCopy);
  // The stamps of this window are placed by the same centres.
  m_tipCentres = other.m_tipCentres;
}

void CBrushState::PaintCharacter(tmb::DeviceContext* pDC, tmb::Colour colour, int mode) {
  m_saved[3] = int(colour);
  if (m_bCreated && mode == 0) {
    // Colour under the ink of the set: the filled area ORed with the set's white.
    tmb::DeviceContext mask = tmb::DeviceContext::CompatibleWith(pDC);
    mask.SelectSurface(&m_mask2);
    for (tmb::Surface* target : {&gWorkCanvas.m_colorBitmap, &gWorkCanvas.m_spareBitmap}) {
      if (target->IsNull()) continue;
      tmb::DeviceContext dc = tmb::DeviceContext::CompatibleWith(pDC);
      dc.SelectSurface(target);
      dc.FillRect({0, 0, kSetWidth, kSetHeight}, tmb::Brush::Solid(colour));
      dc.BitBlt(0, 0, kSetWidth, kSetHeight, &mask, 0, 0, tmb::kSrcPaint);
    }
  } else if (m_bCreated && mode == 1) {
    RecolourStrip(colour);
    RenderSetFromRow(pDC, kCell, false);
  }
  m_saved[0] = 0;
}

tmb::Rect CBrushState::GetCellRect(int kind, int sizeIndex) {
  return {kCell * kind, kCell * sizeIndex, kCell * kind + kCell, kCell * sizeIndex + kCell};
}

void CBrushState::Reset() {
  DeleteObjects();
  m_width = m_height = m_widthCopy = m_heightCopy = 0;
  m_tipCentres = {};
  m_param = {};
  m_bRenderRequest = 0;
  m_saved = {};
}
