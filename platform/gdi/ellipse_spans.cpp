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

// One span per row of the ellipse of box, rows box.top to box.bottom - 1.
std::vector<RowSpan> EllipseRows(const Rect& box) {
  std::vector<RowSpan> rows;
  if (box.IsEmpty()) return rows;
  rows.resize(size_t(box.Height()));
  const double cx = (double(box.left) + double(box.right)) / 2.0;
  const double cy = (double(box.top) + double(box.bottom)) / 2.0;
  const double a = box.Width() / 2.0;
  const double b = box.Height() / 2.0;
  for (int y = box.top; y < box.bottom; ++y) {
    const double v = (y + 0.5 - cy) / b;
    const double s = 1.0 - v * v;
    if (s < 0) continue;
    const double half = a * std::sqrt(s);
    RowSpan& r = rows[size_t(y - box.top)];
    r.x0 = int(std::ceil(cx - half - 0.5));
    r.x1 = int(std::floor(cx + half - 0.5)) + 1;
  }
  return rows;
}

}  // namespace

void EllipseSpans(const Rect& box0, SpanList& out) {
  Rect box = box0;
  box.Normalize();
  out.Reset(box.top, box.bottom);
  const std::vector<RowSpan> rows = EllipseRows(box);
  for (size_t i = 0; i < rows.size(); ++i) out.Add(box.top + int(i), rows[i].x0, rows[i].x1);
}

void EllipseOutlineAndInterior(const Rect& box0, int penWidth, SpanList& outline, SpanList& interior) {
  Rect box = box0;
  box.Normalize();
  if (penWidth > 1) {
    // The pen's band runs along the border pixels' centres, penWidth wide.
    const int lo = penWidth / 2;
    const Rect outer{box.left - lo, box.top - lo, box.right - 1 - lo + penWidth, box.bottom - 1 - lo + penWidth};
    const Rect inner{box.left - lo + penWidth, box.top - lo + penWidth, box.right - 1 - lo, box.bottom - 1 - lo};
    const std::vector<RowSpan> o = EllipseRows(outer);
    const std::vector<RowSpan> in = EllipseRows(inner);
    outline.Reset(outer.top, outer.bottom);
    interior.Reset(outer.top, outer.bottom);
    for (int y = outer.top; y < outer.bottom; ++y) {
      const RowSpan& ro = o[size_t(y - outer.top)];
      RowSpan ri;
      if (!inner.IsEmpty() && y >= inner.top && y < inner.bottom) ri = in[size_t(y - inner.top)];
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
  const std::vector<RowSpan> rows = EllipseRows(box);
  outline.Reset(box.top, box.bottom);
  interior.Reset(box.top, box.bottom);
  const int n = int(rows.size());
  for (int i = 0; i < n; ++i) {
    const RowSpan& r = rows[size_t(i)];
    if (r.x0 >= r.x1) continue;
    const int y = box.top + i;
    // Pixels whose four neighbours all lie in the ellipse are inside; the rest is border.
    int in0 = r.x0 + 1, in1 = r.x1 - 1;
    if (i == 0 || i == n - 1) {
      in1 = in0;
    } else {
      const RowSpan& up = rows[size_t(i - 1)];
      const RowSpan& down = rows[size_t(i + 1)];
      in0 = std::max({in0, up.x0, down.x0});
      in1 = std::min({in1, up.x1, down.x1});
    }
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
