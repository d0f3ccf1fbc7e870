#include "core/canvas/bitmap_blits.h"

namespace {

// Two memory contexts holding a destination and a source bitmap for one transfer.
struct BitmapPair {
  BitmapPair(tmb::DeviceContext* pDC, tmb::Surface* dst, tmb::Surface* src)
      : dstDC(tmb::DeviceContext::CompatibleWith(pDC)), srcDC(tmb::DeviceContext::CompatibleWith(pDC)) {
    dstDC.SelectSurface(dst);
    srcDC.SelectSurface(src);
  }
  tmb::DeviceContext dstDC;
  tmb::DeviceContext srcDC;
};

}  // namespace

bool BitBltRect(tmb::DeviceContext* pDstDC, int left, int top, int right, int bottom, tmb::DeviceContext* pSrcDC,
                uint32_t rop) {
  if (!pDstDC) return false;
  return pDstDC->BitBlt(left, top, right - left, bottom - top, pSrcDC, left, top, rop);
}

bool BlitBitmapToBitmap(tmb::DeviceContext* pDC, tmb::Surface* dstBitmap, int x, int y, int w, int h,
                        tmb::Surface* srcBitmap, int sx, int sy, uint32_t rop) {
  if (!dstBitmap || !srcBitmap) return false;
  BitmapPair pair(pDC, dstBitmap, srcBitmap);
  return pair.dstDC.BitBlt(x, y, w, h, &pair.srcDC, sx, sy, rop);
}

bool CopyBitmapArea(tmb::DeviceContext* pDC, tmb::Surface* dstBitmap, int x, int y, int w, int h,
                    tmb::Surface* srcBitmap, int sx, int sy) {
  return BlitBitmapToBitmap(pDC, dstBitmap, x, y, w, h, srcBitmap, sx, sy, tmb::kSrcCopy);
}

bool CopyBitmapBlock(tmb::DeviceContext* pDC, tmb::Surface* dstBitmap, int x, int y, int w, int h,
                     tmb::Surface* srcBitmap, int sx, int sy) {
  return CopyBitmapArea(pDC, dstBitmap, x, y, w, h, srcBitmap, sx, sy);
}

bool CopyBitmapRect(tmb::DeviceContext* pDC, tmb::Surface* dstBitmap, const tmb::Rect& dst, tmb::Surface* srcBitmap,
                    int sx, int sy) {
  return CopyBitmapArea(pDC, dstBitmap, dst.left, dst.top, dst.Width(), dst.Height(), srcBitmap, sx, sy);
}

bool AndBitmapArea(tmb::DeviceContext* pDC, tmb::Surface* dstBitmap, int x, int y, int w, int h,
                   tmb::Surface* srcBitmap, int sx, int sy) {
  return BlitBitmapToBitmap(pDC, dstBitmap, x, y, w, h, srcBitmap, sx, sy, tmb::kSrcAnd);
}

bool BlitBitmapRop(tmb::DeviceContext* pDC, tmb::Surface* dstBitmap, int x, int y, int w, int h,
                   tmb::Surface* srcBitmap, int sx, int sy, uint32_t rop) {
  return BlitBitmapToBitmap(pDC, dstBitmap, x, y, w, h, srcBitmap, sx, sy, rop);
}

bool BlitHBitmap(tmb::DeviceContext* hDC, tmb::Surface* dstBitmap, int x, int y, int w, int h,
                 tmb::Surface* srcBitmap, int sx, int sy) {
  return CopyBitmapArea(hDC, dstBitmap, x, y, w, h, srcBitmap, sx, sy);
}

bool StretchBitmapArea(tmb::DeviceContext* pDC, tmb::Surface* dstBitmap, const tmb::Rect& dstRect,
                       tmb::Surface* srcBitmap, const tmb::Rect& srcRect) {
  if (!dstBitmap || !srcBitmap) return false;
  BitmapPair pair(pDC, dstBitmap, srcBitmap);
  return pair.dstDC.StretchBlt(dstRect.left, dstRect.top, dstRect.Width(), dstRect.Height(), &pair.srcDC,
                               srcRect.left, srcRect.top, srcRect.Width(), srcRect.Height(), tmb::kSrcCopy);
}

int HalftoneCopy(tmb::DeviceContext* pDstDC, const tmb::Rect& rect, tmb::DeviceContext* pSrcDC) {
  if (!pDstDC) return 1;
  pDstDC->SetStretchMode(tmb::kHalftone);
  pDstDC->StretchBlt(0, 0, rect.Width(), rect.Height(), pSrcDC, 0, 0, rect.Width(), rect.Height(), tmb::kSrcCopy);
  return 1;
}
