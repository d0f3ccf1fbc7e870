#include "core/canvas/bevel_frame.h"

#include "platform/gdi/polygon_scan.h"
#include "platform/gdi/region.h"

namespace {

constexpr tmb::Colour kButtonFrame = 0x909090;

void FillQuad(tmb::DeviceContext* pDC, tmb::Point a, tmb::Point b, tmb::Point c, tmb::Point d, tmb::Colour colour) {
  const tmb::Point points[] = {a, b, c, d};
  pDC->FillRegion(tmb::Region::FromPolygon(points, tmb::kAlternate), tmb::Brush::Solid(colour));
}

}  // namespace

void FillFrameRegions(tmb::DeviceContext* pDC, int left, int top, int right, int bottom, int width, int inset,
                      int sunken, int skipFace, const FrameColours& colours) {
  if (!pDC) return;
  const int a = sunken ? width - inset : 0;
  const int b = sunken ? width - 1 : 0;
  const tmb::Point outerTL{left - width, top - width}, outerBR{right + width, bottom + width};
  const tmb::Point outerBL{outerTL.x, outerBR.y}, outerTR{outerBR.x, outerTL.y};
  const tmb::Point innerTL{left - a, top - a}, innerBR{right + b, bottom + b};
  const tmb::Point innerBL{innerTL.x, innerBR.y}, innerTR{innerBR.x, innerTL.y};
  if (!skipFace) pDC->FillRegion(tmb::Region::FromRect({left, top, right, bottom}), tmb::Brush::Solid(colours.face));
  FillQuad(pDC, outerTL, outerBL, innerBL, innerTL, colours.left);
  FillQuad(pDC, outerTL, innerTL, innerTR, outerTR, colours.top);
  FillQuad(pDC, innerTR, innerBR, outerBR, outerTR, colours.right);
  FillQuad(pDC, innerBL, outerBL, outerBR, innerBR, colours.bottom);
}

void CFlatButton::DrawFlatButton(tmb::DeviceContext* pDC, int highlight) const {
  if (!pDC) return;
  const tmb::Font oldFont = pDC->SelectFont(font);
  const int oldMode = pDC->SetBackgroundMode(tmb::kTransparent);
  const tmb::Colour oldText = pDC->SetTextColour(textColour);
  const tmb::Rect grown{inner.left - 1, inner.top - 1, inner.right + 1, inner.bottom + 1};
  pDC->FillSolidRect(grown, face);
  pDC->FrameRect(grown, tmb::Brush::Solid(highlight ? textColour : kButtonFrame));
  FrameColours colours;
  colours.top = colours.left = pressed ? dark : light;
  colours.bottom = colours.right = dark;
  colours.face = face;
  FillFrameRegions(pDC, outer1.x, outer1.y, outer2.x, outer2.y, bevel, inset, pressed, 0, colours);
  const int shift = pressed ? inset : 0;
  pDC->TextOut(textOrigin.x - 1 + shift, textOrigin.y + shift, text);
  pDC->SetTextColour(oldText);
  pDC->SetBackgroundMode(oldMode);
  pDC->SelectFont(oldFont);
}
