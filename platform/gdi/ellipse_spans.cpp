#include "platform/gdi/ellipse_spans.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tmb {
namespace {

struct RowSpan {
  int x0 = 0;
  int x1 = 0;  // exclusive; x0 >= x1 when the row is empty
};

// The span of row y of the ellipse of box (empty outside it): the pixels whose centres lie
// in the ellipse. So that every ellipse touches all four sides of its box however thin it
// is, a row left empty keeps its middle pixel (two for an even width), and the middle row
// (two for an even height) spans the whole width.
RowSpan EllipseRow(const Rect& box, int y) {
  RowSpan r;
  if (box.IsEmpty() || y < box.top || y >= box.bottom) return r;
  const double cx = (double(box.left) + double(box.right)) / 2.0;
  const double cy = (double(box.top) + double(box.bottom)) / 2.0;
  const double a = (double(box.right) - double(box.left)) / 2.0;
  const double b = (double(box.bottom) - double(box.top)) / 2.0;
  const double v = (y + 0.5 - cy) / b;
  const double s = 1.0 - v * v;
  if (s < 0) return r;
  const int h = box.bottom - box.top;
  if (y - box.top == h / 2 || (h % 2 == 0 && y - box.top == h / 2 - 1)) {
    r.x0 = box.left;
    r.x1 = box.right;
    return r;
  }
  const double half = a * std::sqrt(s);
  r.x0 = int(std::ceil(cx - half - 0.5));
  r.x1 = int(std::floor(cx + half - 0.5)) + 1;
  if (r.x0 >= r.x1) {
    r.x0 = int(std::floor(cx - 0.5));
    r.x1 = int(std::ceil(cx - 0.5)) + 1;
  }
  return r;
}

}  // namespace

void EllipseSpans(const Rect& box0, int rowTop, int rowBottom, SpanList& out) {
  Rect box = box0;
  box.Normalize();
  const int y0 = std::max(box.top, rowTop), y1 = std::min(box.bottom, rowBottom);
  out.Reset(y0, y1);
  for (int y = y0; y < y1; ++y) {
    const RowSpan r = EllipseRow(box, y);
    out.Add(y, r.x0, r.x1);
  }
}

void EllipseOutlineAndInterior(const Rect& box0, int penWidth, int rowTop, int rowBottom, SpanList& outline,
                               SpanList& interior) {
  Rect box = box0;
  box.Normalize();
  if (penWidth > 1) {
    // The pen's band runs along the border pixels' centres, penWidth wide.
    const int lo = penWidth / 2;
    const Rect outer{box.left - lo, box.top - lo, box.right - 1 - lo + penWidth, box.bottom - 1 - lo + penWidth};
    const Rect inner{box.left - lo + penWidth, box.top - lo + penWidth, box.right - 1 - lo, box.bottom - 1 - lo};
    const int y0 = std::max(outer.top, rowTop), y1 = std::min(outer.bottom, rowBottom);
    outline.Reset(y0, y1);
    interior.Reset(y0, y1);
    for (int y = y0; y < y1; ++y) {
      const RowSpan ro = EllipseRow(outer, y);
      const RowSpan ri = EllipseRow(inner, y);
      if (ri.x0 < ri.x1) {
        outline.Add(y, ro.x0, ri.x0);
        outline.Add(y, ri.x1, ro.x1);
        interior.Add(y, ri.x0, ri.x1);
      } else {
        outline.Add(y, ro.x0, ro.x1);
      }
    }
    return;
  }
  const int y0 = std::max(box.top, rowTop), y1 = std::min(box.bottom, rowBottom);
  outline.Reset(y0, y1);
  interior.Reset(y0, y1);
  for (int y = y0; y < y1; ++y) {
    const RowSpan r = EllipseRow(box, y);
    if (r.x0 >= r.x1) continue;
    // Pixels whose four neighbours all lie in the ellipse are inside; the rest is border.
    const RowSpan up = EllipseRow(box, y - 1), down = EllipseRow(box, y + 1);
    int in0 = std::max({r.x0 + 1, up.x0, down.x0});
    int in1 = std::min({r.x1 - 1, up.x1, down.x1});
    if (up.x0 >= up.x1 || down.x0 >= down.x1) in1 = in0;
    if (in0 < in1) {
      outline.Add(y, r.x0, in0);
      outline.Add(y, in1, r.x1);
      interior.Add(y, in0, in1);
    } else {
      outline.Add(y, r.x0, r.x1);
    }
  }
}

}  // namespace tmb
