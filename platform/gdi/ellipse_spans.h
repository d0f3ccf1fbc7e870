// Ellipses as spans. The ellipse of a box [left, right) x [top, bottom) holds the pixels
// whose centres lie inside or on the ellipse that touches the box's four sides.
#pragma once

#include "platform/gdi/geometry.h"
#include "platform/gdi/spans.h"

namespace tmb {

// The filled ellipse of box, rows rowTop to rowBottom - 1 only.
void EllipseSpans(const Rect& box, int rowTop, int rowBottom, SpanList& out);

// The outline a pen of penWidth draws around the ellipse of box, and the interior a
// brush fills inside it, rows rowTop to rowBottom - 1 only. A one-pixel outline is the
// ellipse's border: its pixels that have a four-neighbour outside it.
void EllipseOutlineAndInterior(const Rect& box, int penWidth, int rowTop, int rowBottom, SpanList& outline,
                               SpanList& interior);

}  // namespace tmb
