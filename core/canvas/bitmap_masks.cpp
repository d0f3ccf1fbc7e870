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

tmb::Rect Within(const tmb::Rect& rect, const tmb::Surface& s) { return tmb::Rect::Intersection(rect, s.Bounds()); }

// Replaces every pixel of area by change(pixel), a stored colour word (its alpha byte set
// again afterwards, as the block transfers do). A monochrome pixel is taken as a black or
// white word and comes back white only as white.
template <class Change>
void ChangePixels(tmb::Surface& s, const tmb::Rect& area, Change change) {
  if (area.IsEmpty()) return;
  if (!s.IsMono()) {
    for (int y = area.top; y < area.bottom; ++y) {
      uint32_t* row = s.ColourRow(y);
      for (int x = area.left; x < area.right; ++x) row[x] = change(row[x]) | tmb::kStoredAlpha;
    }
    return;
  }
  const bool one = (change(tmb::kStoredWhite) | tmb::kStoredAlpha) == tmb::kStoredWhite;
  const bool zero = (change(tmb::kStoredBlack) | tmb::kStoredAlpha) == tmb::kStoredWhite;
  for (int y = area.top; y < area.bottom; ++y) {
    uint8_t* row = s.Row(y);
    for (int x = area.left; x < area.right; ++x) tmb::SetMonoBit(row, x, tmb::MonoBit(row, x) ? one : zero);
  }
}

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

void TintBitmapOnCanvas(tmb::DeviceContext*, tmb::Surface* bitmap, tmb::Colour colour, tmb::Colour tint) {
  tmb::Surface* canvas = gWorkCanvas.m_pColorBitmap;
  if (!bitmap || !canvas || canvas->IsNull()) return;
  // The colour is ORed in over the part of the paper that both bitmaps hold; white first
  // inverts the paper. Row by row on the bitmap itself, not by filling the canvas colour
  // bitmap and ORing it in, which went over the paper twice more.
  const tmb::Rect& paper = Paper();
  const bool white = tmb::PlainColour(colour) == 0xFFFFFF;
  if (white) ChangePixels(*bitmap, Within(paper, *bitmap), [](uint32_t p) { return ~p; });
  const uint32_t add = tmb::StoredFromColour(white ? tint : colour);
  ChangePixels(*bitmap, Within(Within(paper, *bitmap), *canvas), [add](uint32_t p) { return p | add; });
}

void FillWhiteWithColour(tmb::DeviceContext*, tmb::Surface* bitmap, tmb::Colour colour) {
  tmb::Surface* canvas = gWorkCanvas.m_pColorBitmap;
  tmb::Surface* mask = &gWorkCanvas.m_maskBitmaps[0];
  if (!bitmap || !canvas || canvas->IsNull() || mask->IsNull()) return;
  // Over the paper as far as the mask and the canvas colour bitmap reach, as the merge
  // through them did. Row by row: the merge took 48 of the 88 million instructions of
  // drawing the recorded character, even on white paper, where nothing changes.
  const tmb::Rect area = Within(Within(Within(Paper(), *bitmap), *mask), *canvas);
  const uint32_t fill = tmb::StoredFromColour(colour);
  if (fill == tmb::kStoredWhite) return;
  ChangePixels(*bitmap, area, [fill](uint32_t p) { return p == tmb::kStoredWhite ? fill : p; });
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
  // The source with its transparent pixels made white, ANDed in: the target stays where
  // the source is transparent, and under its ink the darker of the two wins.
  BitBltRect(&scratchDC, paper.left, paper.top, paper.right, paper.bottom, &sourceDC, tmb::kSrcCopy);
  BitBltRect(&scratchDC, paper.left, paper.top, paper.right, paper.bottom, &maskDC, tmb::kSrcPaint);
  BitBltRect(&targetDC, paper.left, paper.top, paper.right, paper.bottom, &scratchDC, tmb::kSrcAnd);
  return 1;
}
