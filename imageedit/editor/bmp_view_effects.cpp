// The one-touch effect on the image editing view's picture: the view's effect definition
// run over its region, and the scratch bitmap the effects share.
#include <algorithm>

#include "core/canvas/work_canvas.h"
#include "imageedit/editor/bmp_view.h"

bool CBmpView::HasArea() const {
  tmb::Rect r = m_region;
  r.Normalize();
  const tmb::Size canvas = CanvasSize();
  return !tmb::Rect::Intersection(r, {0, 0, canvas.cx, canvas.cy}).IsEmpty();
}

tmb::Surface* CBmpView::EffectWorkBitmap() {
  const tmb::Size canvas = CanvasSize();
  if (canvas.cx <= 0 || canvas.cy <= 0) return nullptr;
  if (m_bmpEffectWork.IsNull() || m_bmpEffectWork.width() != canvas.cx || m_bmpEffectWork.height() != canvas.cy) {
    if (!m_bmpEffectWork.Create(canvas.cx, canvas.cy, tmb::PixelFormat::kColour32)) return nullptr;
  }
  return &m_bmpEffectWork;
}

void CBmpView::ApplyOneTouchEffect(tmb::DeviceContext* pDC, int batch) {
  ApplyOneTouchEffectOn(m_bmpWork, m_region, pDC, batch);
}

void CBmpView::ApplyOneTouchEffectOn(tmb::Surface& picture, const tmb::Rect& region, tmb::DeviceContext* pDC,
                                     int batch) {
  tmb::Surface* work = EffectWorkBitmap();
  if (!work || picture.IsNull()) return;
  if (!batch) SaveUndoImage();
  m_effectDef.m_region = region;
  m_effectDef.Render(pDC, &picture, work, batch);
  m_effectDef.ApplyDetailValues();
  if (!batch) {
    Modified();
    FollowInZoomView();
  }
}
