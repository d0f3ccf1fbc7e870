#include "convert/analysis/path_crossing.h"

#include "core/geometry/point_distance.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_path.h"

namespace {

constexpr int kMinIndexDistance = 4;

}  // namespace

int FindPathCrossing(const CStrokePath& path, int a, int b, CFPoint* out, int /*closed*/) {
  const int n = path.GetCount();
  if (a < 0 || a >= n || b < 0 || b >= n) return -1;
  const CFPoint pa = path.GetPoint(a);
  const CFPoint pb = path.GetPoint(b);
  for (int i = 0; i < n; ++i) {
    const CFPoint pi = path.GetPoint(i);
    if (SquaredDistance(pi, pa) > SquaredDistance(pi, pb)) continue;
    const CFPoint pj = path.GetPoint(i + 1 < n ? i + 1 : 0);
    CFPoint hit;
    if (IntersectSegments(pa, pb, pi, pj, &hit, kIntersectOnSecond) != 1) continue;
    if (PointInSpanBox(hit.x, hit.y, pa.x, pa.y, pb.x, pb.y)) continue;
    if (path.IndexDistanceInStroke(i, a) < kMinIndexDistance ||
        path.IndexDistanceInStroke(i, b) < kMinIndexDistance) {
      continue;
    }
    if (out) *out = hit;
    return i;
  }
  return -1;
}
