#include "convert/passes/corner_loop_removal.h"

#include <cstdint>

#include "convert/analysis/midpoint_smoothing.h"
#include "convert/driver/marker_list.h"
#include "core/geometry/point_distance.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_work.h"

namespace {

constexpr uint8_t kFlagCorner = 3;
constexpr int kLengthScale = 3;
constexpr double kSameSpot2 = 1.0;
constexpr double kSharpTurn = 45;
constexpr double kStraightOn = 150;
constexpr double kNearlyStraightOn = 165;
constexpr int kSmoothingPasses = 20;
constexpr double kFarAway = 1e8;

// The corner that opens the run after i's run; -1 when that run does not start with a
// corner or i's run is the path's last.
int NextCorner(const CStrokePath& path, int i) {
  const int n = path.FindStrokeEnd(i) + 1;
  return n < path.GetCount() && path.m_pFlags[n] == kFlagCorner ? n : -1;
}

// Two corners on the same spot count once: the first loses its flag.
void MergeCoincidentCorners(CStrokePath& path) {
  const CFPoint* p = path.m_pPoints;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] != kFlagCorner) continue;
    const int n = NextCorner(path, i);
    if (n >= 0 && SquaredDistance(p[i], p[n]) <= kSameSpot2) path.m_pFlags[i] = CStrokePath::kFlagContinue;
    i = path.FindStrokeEnd(i);
  }
}

// The point of (i, end) nearest to point i, the first of equals; i + 1 when the range is
// empty.
int NearestAfter(const CStrokePath& path, int i, int end) {
  int k = i + 1;
  double best = kFarAway;
  for (int j = i + 1; j < end; ++j) {
    const double d = SquaredDistance(path.m_pPoints[i], path.m_pPoints[j]);
    if (d < best) {
      best = d;
      k = j;
    }
  }
  return k;
}

// Whether corners i and n enclose an excursion the stroke comes back from; a is the start
// of the run into i and e2 the end of n's run.
bool IsLoop(const CStrokeWork& path, int a, int i, int n, int e2) {
  const CFPoint* p = path.m_pPoints;
  const int64_t half = path.m_param[kLengthScale] / 2;
  if (SquaredDistance(p[n], p[i]) >= double(half * half)) return false;
  if (SquaredDistance(p[a], p[n]) >= SquaredDistance(p[a], p[i])) return false;
  const float pi = path.m_fParam;
  const double t1 = JointAngleDegrees(p[i] - p[a], p[n] - p[i], pi);
  const double t2 = JointAngleDegrees(p[n] - p[i], p[e2] - p[n], pi);
  const double t3 = JointAngleDegrees(p[i] - p[a], p[e2] - p[i], pi);
  return (t1 < kSharpTurn && t2 < kSharpTurn && t3 > kStraightOn) || t3 > kNearlyStraightOn;
}

void Collapse(CStrokeWork& path, int a, int i, int n, int e2) {
  path.m_pFlags[i] = CStrokePath::kFlagContinue;
  path.m_pFlags[n] = CStrokePath::kFlagContinue;
  const int k = NearestAfter(path, i, e2);
  for (int j = i + 1; j < k; ++j) path.m_pPoints[j] = path.m_pPoints[i];
  SmoothPathMidpoints(path, kSmoothingPasses, a, e2);
}

}  // namespace

int RemoveCornerLoops(CStrokeWork& path) {
  gMarkers.EnablePosting(0);
  MergeCoincidentCorners(path);
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] != kFlagCorner) continue;
    const int n = NextCorner(path, i);
    if (n < 0) continue;
    const int a = path.FindStrokeStart(i - 1);
    const int e2 = path.FindStrokeEnd(n);
    if (IsLoop(path, a, i, n, e2)) Collapse(path, a, i, n, e2);
  }
  return 1;
}
