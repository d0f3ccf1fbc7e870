// Geometry on point paths: lengths, line points, densifying and rasterising, bounds,
// corners, edges, snapping and transformation.
#include <algorithm>
#include <cmath>

#include "core/stroke_path.h"

namespace {

double SegmentLength(const CFPoint& a, const CFPoint& b) {
  double dx = double(b.x) - a.x;
  double dy = double(b.y) - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

float CStrokePath::PathLength(int a, int b, int acrossStrokes) const {
  if (a > b) std::swap(a, b);
  a = std::max(a, 0);
  b = std::min(b, m_nCount - 1);
  double sum = 0;
  for (int j = a; j < b; ++j) {
    if (acrossStrokes != 1 && m_pFlags[j + 1] != 0) continue;
    sum += SegmentLength(m_pPoints[j], m_pPoints[j + 1]);
  }
  return static_cast<float>(sum);
}

float CStrokePath::StrokeLength(int i) const {
  if (m_nCount <= 0) return 0;
  return PathLength(FindStrokeStart(i), FindStrokeEnd(i), 0);
}
