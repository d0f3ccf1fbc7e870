#include "convert/analysis/near_chord.h"

#include <algorithm>

#include "core/geometry/point_distance.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_path.h"

int IsNearChord(const CStrokePath& path, int a, int b, int m, int* far) {
  a = std::max(a, 0);
  b = std::min(b, path.GetCount() - 1);
  if (a >= b) return 1;
  const CFPoint* p = path.m_pPoints;
  const double lim = m != 0 ? SquaredDistance(p[a], p[b]) / (2.0 * m * m) : 0.0;
  double best = 0;
  for (int j = a + 1; j < b; ++j) {
    // With P(a) on P(b) the line is a point: the distance is taken from it.
    CFPoint foot = p[a];
    ProjectPointOnLine(p[a], p[b], p[j], &foot);
    const double d = SquaredDistance(foot, p[j]);
    if (lim != 0 && d > lim) return 0;
    if (d > best) {
      best = d;
      if (far) *far = j;
    }
  }
  return 1;
}
