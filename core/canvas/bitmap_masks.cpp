#include "core/canvas/bitmap_masks.h"

#include <algorithm>

#include "core/canvas/bitmap_blits.h"
#include "core/canvas/work_bitmap.h"
#include "core/canvas/work_canvas.h"

namespace {

// A memory context compatible with pDC holding one bitmap.
tmb::DeviceContext ContextOn(tmb::DeviceContext* pDC, tmb::Surface* bitmap) {
  tmb::DeviceContext dc = tmb::DeviceContext::CompatibleWith(pDC);
  dc.SelectSurface(bitmap);
  return dc;
}

const tmb::Rect& Paper() { return gWorkCanvas.m_rect; }

}  // namespace

void FillBitmap(tmb::DeviceContext* pDC, tmb::Surface* bitmap, int w, int h, tmb::Colour colour) {
  FillBitmapRect(pDC, bitmap, {0, 0, w, h}, colour);
}

void FillBitmapRect(tmb::DeviceContext* pDC, tmb::Surface* bitmap, const tmb::Rect& rect, tmb::Colour colour) {
  if (!bitmap) return;
  tmb::DeviceContext dc = ContextOn(pDC, bitmap);
  dc.FillRect(rect, tmb::Brush::Solid(colour));
}

void MakeColorKeyMask(tmb::DeviceContext* pA, tmb::DeviceContext* pB, const tmb::Rect& rect, tmb::Colour colour,
                      tmb::DeviceContext* target) {
  if (!pA || !pB || !target) return;
  pB->FillRect(rect, tmb::Brush::Solid(colour));
  BitBltRect(pB, rect.left, rect.top, rect.right, rect.bottom, pA, tmb::kSrcInvert);
  BitBltRect(pB, rect.left, rect.top, rect.right, rect.bottom, nullptr, tmb::kDstInvert);
  HalftoneCopy(target, rect, pB);
}

void MakeColorKeyMaskBitmap(tmb::DeviceContext* pDC, tmb::Surface* bitmapA, tmb::Surface* bitmapB,
                            const tmb::Rect& rect, tmb::Colour colour, tmb::DeviceContext* target) {
  if (!bitmapA || !bitmapB) return;
  tmb::DeviceContext a = ContextOn(pDC, bitmapA);
  tmb::DeviceContext b = ContextOn(pDC, bitmapB);
  MakeColorKeyMask(&a, &b, rect, colour, target);
}

void MergeThroughMask(tmb::DeviceContext* pM, tmb::DeviceContext* pB, tmb::DeviceContext* pA, const tmb::Rect& rect,
                      int intoB) {
  if (!pM || !pB || !pA) return;
  BitBltRect(pA, rect.left, rect.top, rect.right, rect.bottom, pM, tmb::kSrcAnd);
  BitBltRect(pM, rect.left, rect.top, rect.right, rect.bottom, nullptr, tmb::kDstInvert);
  BitBltRect(pB, rect.left, rect.top, rect.right, rect.bottom, pM, tmb::kSrcAnd);
  if (intoB == 1) {
    BitBltRect(pB, rect.left, rect.top, rect.right, rect.bottom, pA, tmb::kSrcPaint);
  } else {
    BitBltRect(pA, rect.left, rect.top, rect.right, rect.bottom, pB, tmb::kSrcPaint);
  }
}

void FillAndMergeThroughMask(tmb::DeviceContext* pFill, tmb::DeviceContext* pMask, tmb::DeviceContext* pOther,
                             const tmb::Rect& rect, tmb::Colour colour) {
  if (!pFill) return;
  pFill->FillRect(rect, tmb::Brush::Solid(colour));
  MergeThroughMask(pMask, pOther, pFill, rect, 0);
}

void FillAndOrBitmap(tmb::DeviceContext* pDC, tmb::Surface* dst, tmb::Surface* src, int w, int h, tmb::Colour colour) {
  if (!dst || !src) return;
  FillBitmap(pDC, src, w, h, colour);
  BlitBitmapToBitmap(pDC, dst, 0, 0, w, h, src, 0, 0, tmb::kSrcPaint);
}

void MergeOntoCanvas(tmb::DeviceContext* pB, tmb::DeviceContext* pM, tmb::DeviceContext* pA) {
  if (!pB || !pM || !pA) return;
  const tmb::Rect& paper = Paper();
  BitBltRect(pM, paper.left, paper.top, paper.right, paper.bottom, pB, tmb::kSrcCopy);
  MergeThroughMask(pM, pB, pA, paper, 1);
}

void LiftNearWhitePixels(tmb::DeviceContext* pDC) {
  tmb::Surface* s = pDC ? pDC->surface() : nullptr;
  if (!s || s->IsMono()) return;
  const tmb::Point o = pDC->viewportOrigin();
  tmb::Rect r = Paper();
  r.Offset(o.x, o.y);
  r = tmb::Rect::Intersection(r, s->Bounds());
  for (int y = r.top; y < r.bottom; ++y) {
    uint32_t* row = s->ColourRow(y);
    for (int x = r.left; x < r.right; ++x) {
      const uint32_t p = row[x];
      if (((p >> 16) & 0xFF) > 240 && ((p >> 8) & 0xFF) > 240 && (p & 0xFF) > 240) {
        // Each channel is above 240: adding one per channel (255 stays) never carries.
        uint32_t lifted = p;
        if ((p & 0xFF) != 0xFF) lifted += 0x000001;
        if ((p & 0xFF00) != 0xFF00) lifted += 0x000100;
        if ((p & 0xFF0000) != 0xFF0000) lifted += 0x010000;
        row[x] = lifted;
      }
    }
  }
}

void TintBitmapOnCanvas(tmb::DeviceContext* pDC, tmb::Surface* bitmap, tmb::Colour colour, tmb::Colour tint) {
  tmb::Surface* canvas = gWorkCanvas.m_pColorBitmap;
  if (!bitmap || !canvas || canvas->IsNull()) return;
  const tmb::Rect& paper = Paper();
  if (tmb::PlainColour(colour) == 0xFFFFFF) {
    tmb::DeviceContext dc = ContextOn(pDC, bitmap);
    dc.PatBlt(paper.left, paper.top, paper.Width(), paper.Height(), tmb::kDstInvert);
    FillAndOrBitmap(pDC, bitmap, canvas, paper.Width(), paper.Height(), tint);
    return;
  }
  FillAndOrBitmap(pDC, bitmap, canvas, paper.Width(), paper.Height(), colour);
}

void FillWhiteWithColour(tmb::DeviceContext* pDC, tmb::Surface* bitmap, tmb::Colour colour) {
  tmb::Surface* canvas = gWorkCanvas.m_pColorBitmap;
  tmb::Surface* mask = &gWorkCanvas.m_maskBitmaps[0];
  if (!bitmap || !canvas || canvas->IsNull() || mask->IsNull()) return;
  const tmb::Rect& paper = Paper();
  FillBitmap(pDC, canvas, paper.Width(), paper.Height(), colour);
  tmb::DeviceContext a = ContextOn(pDC, canvas);
  tmb::DeviceContext b = ContextOn(pDC, bitmap);
  tmb::DeviceContext m = ContextOn(pDC, mask);
  BitBltRect(&m, paper.left, paper.top, paper.right, paper.bottom, &b, tmb::kSrcCopy);
  MergeThroughMask(&m, &b, &a, paper, 1);
}

int RenderToWorkBitmap(tmb::DeviceContext* pDC, tmb::Surface* target, const tmb::Surface* source,
                       tmb::Colour transparent) {
  if (!target || !source || target->IsMono() || source->IsMono()) return -1;
  const tmb::Rect paper = tmb::Rect::Intersection(
      Paper(), tmb::Rect::Intersection(target->Bounds(), source->Bounds()));
  if (paper.IsEmpty()) return 1;
  CWorkBitmap scratch, mask;
  scratch.SetSizeToCreate(gWorkCanvas.m_width, gWorkCanvas.m_height);
  mask.SetSizeToCreate(gWorkCanvas.m_width, gWorkCanvas.m_height);
  if (scratch.Create(pDC, 1) < 0 || mask.Create(pDC, 0) < 0) return -1;
  tmb::DeviceContext sourceDC = ContextOn(pDC, const_cast<tmb::Surface*>(source));
  tmb::DeviceContext scratchDC = ContextOn(pDC, &scratch);
  tmb::DeviceContext targetDC = ContextOn(pDC, target);
  tmb::DeviceContext maskDC(&mask);
  // White in the mask where source shows the transparent colour.
  MakeColorKeyMask(&sourceDC, &scratchDC, paper, transparent, &maskDC);
  BitBltRect(&scratchDC, paper.left, paper.top, paper.right, paper.bottom, &sourceDC, tmb::kSrcCopy);
  MergeThroughMask(&maskDC, &scratchDC, &targetDC, paper, 0);
  return 1;
}
