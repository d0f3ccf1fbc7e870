#include "convert/analysis/outline_point_search.h"

#include <cstdlib>

#include "core/geometry/point_distance.h"
#include "core/path/point_index_list.h"
#include "core/path/stroke_path.h"

namespace {

constexpr double kFarAway = 1e8;

// The nearest point to (x, y) among those for which take (i) holds, or -1.
template <typename Take>
int NearestWhere(const CStrokePath& path, float x, float y, Take take) {
  const CFPoint at(x, y);
  double best = kFarAway;
  int found = -1;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (!take(i)) continue;
    const double d = SquaredDistance(path.m_pPoints[i], at);
    if (d < best) {
      best = d;
      found = i;
    }
  }
  return found;
}

}  // namespace

int NearestPointInStroke(const CStrokePath& path, float x, float y, CFPoint& out, int strokeNumber) {
  int stroke = 0;
  const int found = NearestWhere(path, x, y, [&](int i) {
    if (i == 0 || path.m_pFlags[i] != 0) ++stroke;
    return stroke == strokeNumber;
  });
  if (found >= 0) out = path.m_pPoints[found];
  return found;
}

int FindPointWithin(const CStrokePath& path, float x, float y, float tol) {
  for (int i = 0; i < path.GetCount(); ++i) {
    if (CStrokePath::PointsWithin(path.m_pPoints[i], CFPoint(x, y), tol)) return i;
  }
  return -1;
}

int NearestPointAwayFrom(const CStrokePath& path, float x, float y, int index, int gap) {
  return NearestWhere(path, x, y, [&](int i) { return std::llabs(int64_t(i) - index) > gap; });
}

void CollectPointsInRect(const CStrokePath& path, CPointIndexList& anchors, int left, int top, int right,
                         int bottom) {
  for (int i = 0; i < path.GetCount(); ++i) {
    const tmb::Point p = path.m_pPoints[i].RoundToPoint();
    if (p.x >= left && p.x < right && p.y >= top && p.y < bottom) {
      anchors.AddPoint(path.m_pPoints[i].x, path.m_pPoints[i].y, 0, i);
    }
  }
}
