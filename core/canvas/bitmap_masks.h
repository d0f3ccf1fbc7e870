// Solid fills, colour-key masks and merges through masks, on bitmaps and device
// contexts. Masks follow the block-transfer rules: a colour pixel copied to a monochrome
// mask becomes 1 when it equals the source context's background colour (white by
// default), and a mask ANDed into colour keeps the colour where it is 1.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

// Fills (0, 0, w, h) of bitmap with colour.
void FillBitmap(tmb::DeviceContext* pDC, tmb::Surface* bitmap, int w, int h, tmb::Colour colour);
// Fills rect of bitmap with colour.
void FillBitmapRect(tmb::DeviceContext* pDC, tmb::Surface* bitmap, const tmb::Rect& rect, tmb::Colour colour);

// Over rect: fills B with colour, XORs A into it, inverts B and halftone-copies B into
// target: the pixels of A that equal colour come out white, all others black.
void MakeColorKeyMask(tmb::DeviceContext* pA, tmb::DeviceContext* pB, const tmb::Rect& rect, tmb::Colour colour,
                      tmb::DeviceContext* target);
void MakeColorKeyMaskBitmap(tmb::DeviceContext* pDC, tmb::Surface* bitmapA, tmb::Surface* bitmapB,
                            const tmb::Rect& rect, tmb::Colour colour, tmb::DeviceContext* target);

// Over rect: A &= M, M inverted, B &= M, then B |= A when intoB is 1, else A |= B. The
// result holds A where M was white and B where M was black; M is left inverted.
void MergeThroughMask(tmb::DeviceContext* pM, tmb::DeviceContext* pB, tmb::DeviceContext* pA, const tmb::Rect& rect,
                      int intoB);
// Fills rect of pFill with colour and merges it with pOther through pMask, the result in
// pFill: colour where the mask is white, pOther's pixels where it is black.
void FillAndMergeThroughMask(tmb::DeviceContext* pFill, tmb::DeviceContext* pMask, tmb::DeviceContext* pOther,
                             const tmb::Rect& rect, tmb::Colour colour);
// Fills (0, 0, w, h) of src with colour and ORs it into dst.
void FillAndOrBitmap(tmb::DeviceContext* pDC, tmb::Surface* dst, tmb::Surface* src, int w, int h, tmb::Colour colour);
// Copies the paper of B into M, then merges A under B's non-white pixels (into B).
void MergeOntoCanvas(tmb::DeviceContext* pB, tmb::DeviceContext* pM, tmb::DeviceContext* pA);
// Over the paper of pDC's bitmap, every pixel whose red, green and blue all exceed 240
// gets each channel raised by one (at most 255).
void LiftNearWhitePixels(tmb::DeviceContext* pDC);
// With colour white: inverts bitmap over the paper and ORs tint into every pixel. Other
// colours: ORs colour into every pixel over the paper. Nothing happens while the canvas
// has no colour bitmap, and no pixel beyond it changes.
void TintBitmapOnCanvas(tmb::DeviceContext* pDC, tmb::Surface* bitmap, tmb::Colour colour, tmb::Colour tint);
// Paints colour into the white pixels of bitmap over the paper (on a monochrome bitmap a
// colour other than white blackens them). Nothing happens while the canvas has no colour
// bitmap or first mask bitmap, and no pixel beyond either changes.
void FillWhiteWithColour(tmb::DeviceContext* pDC, tmb::Surface* bitmap, tmb::Colour colour);
// Lays the paper of source (the work canvas's size) under target: target keeps its own
// pixels wherever source has the colour transparent and is ANDed with source elsewhere,
// so the darker ink of either wins (the other window's picture under this one's). A
// scratch copy and a mask of the paper's size are made for it, so source is left as it
// was. 1, or -1 (nothing changed) when they cannot be made.
int RenderToWorkBitmap(tmb::DeviceContext* pDC, tmb::Surface* target, const tmb::Surface* source,
                       tmb::Colour transparent);
