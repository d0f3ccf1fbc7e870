// The outline a tracer gives of a filled disc: one closed contour of unit steps through the
// disc's outermost pixels (a pixel standing at its integer point, as the drawing layer
// places it), running clockwise on the paper. For the thinning and curve-fitting tests and
// their benchmark; header-only.
#pragma once

#include <vector>

#include "core/path/stroke_path.h"

namespace tmb::test {

// Whether pixel (x, y) belongs to the disc of radius r round (cx, cy): its centre lies in it.
inline bool InDisc(int x, int y, int cx, int cy, int r) {
  const double dx = x + 0.5 - cx, dy = y + 0.5 - cy;
  return dx * dx + dy * dy <= double(r) * r;
}

// The pixels of the disc's outline, neighbours one unit apart (every step stays on pixels
// of the disc), starting at the left end of its top row; the start is not repeated.
inline std::vector<CFPoint> DiscStaircase(int cx, int cy, int r) {
  // The first and last pixel of each row; the disc is symmetric about x = cx.
  std::vector<int> left, right;
  for (int y = cy - r; y < cy + r; ++y) {
    int x = cx - r - 1;
    while (!InDisc(x, y, cx, cy, r)) ++x;
    left.push_back(x);
    right.push_back(2 * cx - 1 - x);
  }
  const int top = cy - r, rows = int(left.size());
  std::vector<CFPoint> out{CFPoint(float(left[0]), float(top))};
  auto walkTo = [&out](int x, int y) {
    CFPoint p = out.back();
    while (p.x != float(x) || p.y != float(y)) {
      p = CFPoint(p.x + (x > p.x ? 1.0f : x < p.x ? -1.0f : 0.0f), p.y + (y > p.y ? 1.0f : y < p.y ? -1.0f : 0.0f));
      out.push_back(p);
    }
  };
  walkTo(right[0], top);
  // Down the right side: where the next row reaches further, down first, else along first.
  for (int k = 0; k + 1 < rows; ++k) {
    const int y = top + k;
    if (right[size_t(k) + 1] >= right[size_t(k)]) {
      walkTo(right[size_t(k)], y + 1);
    } else {
      walkTo(right[size_t(k) + 1], y);
    }
    walkTo(right[size_t(k) + 1], y + 1);
  }
  walkTo(left[size_t(rows) - 1], top + rows - 1);
  // Up the left side, the same way round.
  for (int k = rows - 1; k > 0; --k) {
    const int y = top + k;
    if (left[size_t(k) - 1] <= left[size_t(k)]) {
      walkTo(left[size_t(k)], y - 1);
    } else {
      walkTo(left[size_t(k) - 1], y);
    }
    walkTo(left[size_t(k) - 1], y - 1);
  }
  out.pop_back();  // the start again
  return out;
}

// Appends the disc's outline to path as one stroke, its first point flagged 1; false when
// the path is full.
inline bool AppendDiscStaircase(CStrokePath& path, int cx, int cy, int r) {
  const std::vector<CFPoint> points = DiscStaircase(cx, cy, r);
  for (size_t k = 0; k < points.size(); ++k) {
    if (!path.AddPointUnique(points[k].x, points[k].y, k == 0 ? 1 : 0, 1)) return false;
  }
  return true;
}

}  // namespace tmb::test
