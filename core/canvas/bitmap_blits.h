// Block transfers between bitmaps through temporary memory device contexts: each makes
// contexts compatible with the given one, selects the bitmaps, transfers and leaves the
// bitmaps unselected again. Coordinates are pixels.
#pragma once

#include <cstdint>

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

// One rectangle of pSrcDC to the same place of pDstDC: width right - left, height
// bottom - top.
bool BitBltRect(tmb::DeviceContext* pDstDC, int left, int top, int right, int bottom, tmb::DeviceContext* pSrcDC,
                uint32_t rop);

// The core bitmap-to-bitmap transfer with a raster operation.
bool BlitBitmapToBitmap(tmb::DeviceContext* pDC, tmb::Surface* dstBitmap, int x, int y, int w, int h,
                        tmb::Surface* srcBitmap, int sx, int sy, uint32_t rop);
bool CopyBitmapArea(tmb::DeviceContext* pDC, tmb::Surface* dstBitmap, int x, int y, int w, int h,
                    tmb::Surface* srcBitmap, int sx, int sy);
bool CopyBitmapBlock(tmb::DeviceContext* pDC, tmb::Surface* dstBitmap, int x, int y, int w, int h,
                     tmb::Surface* srcBitmap, int sx, int sy);
bool CopyBitmapRect(tmb::DeviceContext* pDC, tmb::Surface* dstBitmap, const tmb::Rect& dst, tmb::Surface* srcBitmap,
                    int sx, int sy);
bool AndBitmapArea(tmb::DeviceContext* pDC, tmb::Surface* dstBitmap, int x, int y, int w, int h,
                   tmb::Surface* srcBitmap, int sx, int sy);
bool BlitBitmapRop(tmb::DeviceContext* pDC, tmb::Surface* dstBitmap, int x, int y, int w, int h,
                   tmb::Surface* srcBitmap, int sx, int sy, uint32_t rop);
// The same as CopyBitmapArea, for callers that hold only a device context of the screen.
bool BlitHBitmap(tmb::DeviceContext* hDC, tmb::Surface* dstBitmap, int x, int y, int w, int h,
                 tmb::Surface* srcBitmap, int sx, int sy);

// Stretches srcRect of srcBitmap onto dstRect of dstBitmap (SRCCOPY, default stretch mode).
bool StretchBitmapArea(tmb::DeviceContext* pDC, tmb::Surface* dstBitmap, const tmb::Rect& dstRect,
                       tmb::Surface* srcBitmap, const tmb::Rect& srcRect);

// Sets pDstDC's stretch mode to HALFTONE and stretches the block (0, 0) of rect's size
// from pSrcDC onto (0, 0) with SRCCOPY; returns 1.
int HalftoneCopy(tmb::DeviceContext* pDstDC, const tmb::Rect& rect, tmb::DeviceContext* pSrcDC);
