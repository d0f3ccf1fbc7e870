#include "core/canvas/box_drawing.h"

#include <algorithm>

#include "core/bitmap/palettes.h"
#include "core/geometry/box_geometry.h"
#include "core/state/draw_state.h"

namespace {

constexpr int kShadowWidth = 6;
constexpr tmb::Colour kShadowColour = tmb::MakeRgb(64, 64, 64);

void FillIfAny(tmb::DeviceContext& dc, const tmb::Rect& r, tmb::Colour colour) {
  if (!r.IsEmpty()) dc.FillSolidRect(r, colour);
}

}  // namespace

void DrawRubberBandLine(tmb::DeviceContext& dc, CLineRecord& record) {
  if (record.shift) {
    const tmb::Point o = gDrawState.m_ptCanvasOrigin;
    record.x1 += o.x;
    record.x2 += o.x;
    record.y1 += o.y;
    record.y2 += o.y;
    record.shift = 0;
  }
  tmb::Point p1{record.x1, record.y1}, p2{record.x2, record.y2};
  NormalizeCorners(p1, p2);
  record.x1 = p1.x;
  record.y1 = p1.y;
  record.x2 = p2.x;
  record.y2 = p2.y;
  const tmb::Pen pen = dc.SelectPen(tmb::Pen::Styled(tmb::kPenDot, record.value, 0));
  const tmb::Brush brush = dc.SelectBrush(tmb::Brush::Null());
  const int mode = dc.SetDrawMode(tmb::kR2Not);
  dc.Rectangle(p1.x, p1.y, p2.x, p2.y);
  dc.SetDrawMode(mode);
  dc.SelectBrush(brush);
  dc.SelectPen(pen);
}

void DrawRubberBandLinePts(tmb::DeviceContext& dc, tmb::Point p1, tmb::Point p2, int shift, int width) {
  CLineRecord record{p1.x, p1.y, p2.x, p2.y, shift, width};
  DrawRubberBandLine(dc, record);
}

void FillColouredRect(tmb::DeviceContext& dc, const CLineRecord& record) {
  dc.FillSolidRect({record.x1, record.y1, record.x2, record.y2}, PaletteRgb(static_cast<tmb::Colour>(record.value)));
}

void FillAroundRect(tmb::DeviceContext& dc, const tmb::Rect& outer, const tmb::Rect& inner, tmb::Colour colour) {
  const tmb::Colour c = PaletteRgb(colour);
  FillIfAny(dc, {outer.left, outer.top, outer.right, inner.top}, c);
  FillIfAny(dc, {outer.left, inner.top, inner.left, inner.bottom}, c);
  FillIfAny(dc, {inner.right, inner.top, outer.right, inner.bottom}, c);
  FillIfAny(dc, {outer.left, inner.bottom, outer.right, outer.bottom}, c);
  const tmb::Colour shadow = PaletteRgb(kShadowColour);
  if (inner.right < outer.right) {
    FillIfAny(dc, {inner.right, inner.top + kShadowWidth, std::min(inner.right + kShadowWidth, outer.right),
                   std::min(inner.bottom + kShadowWidth, outer.bottom)}, shadow);
  }
  if (inner.bottom < outer.bottom) {
    FillIfAny(dc, {inner.left + kShadowWidth, inner.bottom, std::min(inner.right + kShadowWidth, outer.right),
                   std::min(inner.bottom + kShadowWidth, outer.bottom)}, shadow);
  }
}

void DrawDot(tmb::DeviceContext& dc, int x, int y, int size, tmb::Colour colour, int shift) {
  if (shift) {
    x += gDrawState.m_ptCanvasOrigin.x;
    y += gDrawState.m_ptCanvasOrigin.y;
  }
  const tmb::Colour c = PaletteRgb(colour);
  if (size < 2) {
    dc.SetPixel(x, y, c);
  } else {
    dc.FillSolidRect({x, y, x + size, y + size}, c);
  }
}

void DrawPointMark(tmb::DeviceContext& dc, int x, int y, tmb::Colour colour, const tmb::Palette* palette) {
  const tmb::Palette* old = SelectPaletteInto(&dc, palette);
  DrawDot(dc, x, y, gDrawState.m_nPointMarkSide, colour, 0);
  if (old) SelectPaletteInto(&dc, old);
}

void BlitBox(tmb::DeviceContext& dst, const tmb::DeviceContext& src, int x1, int y1, int x2, int y2,
             tmb::Point& origin, tmb::Size& size, const tmb::Palette* palette) {
  NormalizeBox(x1, y1, x2, y2, origin, size);
  const tmb::Palette* old = SelectPaletteInto(&dst, palette);
  dst.BitBlt(origin.x, origin.y, size.cx, size.cy, &src, origin.x, origin.y, tmb::kSrcCopy);
  if (old) SelectPaletteInto(&dst, old);
}
