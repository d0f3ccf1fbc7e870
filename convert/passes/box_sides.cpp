#include "convert/passes/box_sides.h"

#include <cmath>

#include "convert/analysis/midpoint_smoothing.h"
#include "convert/analysis/stroke_feature_table.h"
#include "core/geometry/point_distance.h"
#include "core/path/stroke_work.h"

namespace {

// Codes of the box-shape test: a side's start (the direction code of a downward start),
// the start of a second side, the point a second side starts to bow from, and where it
// stops.
constexpr int kSideStart = 3;
constexpr int kSecondSideStart = 104;
constexpr int kBowFrom = 101;
constexpr int kBowTo = 103;
constexpr float kBowPercent = 5.0f;
constexpr int kBowSmoothing = 3;

}  // namespace

int BendRangeX(CStrokeWork& path, int a, int b, float percent, int passes) {
  if (a < 0 || b >= path.GetCount() || a >= b) return 1;
  CFPoint* p = path.m_pPoints;
  const int m = (a + b) / 2;
  const double chord = std::sqrt(SquaredDistance(p[a], p[b]));
  const double target = p[m].x + chord * percent / 100.0;
  for (int k = a + 1; k < m; ++k) p[k].x = static_cast<float>(p[a].x + (k - a) * (target - p[a].x) / (m - a));
  const float end = p[b].x;
  for (int k = m; k < b; ++k) p[k].x = static_cast<float>(target + (k - m) * (end - target) / (b - m));
  SmoothPathMidpoints(path, passes, a, b);
  return 1;
}

int BendBoxSides(CStrokeWork& path, int mode) {
  const float s = mode == 1 ? 1.0f : -1.0f;
  const CStrokeFeatureTable& table = gStrokeFeatureTable;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] == 0) continue;
    const int e1 = path.FindStrokeEnd(i);
    const int b = path.FindNextBreak(i);
    if (b >= path.GetCount() || table.Find(i, kSideStart) < 0) continue;
    if (table.Find(b, kSideStart) < 0 && table.Find(b, kSecondSideStart) < 0) continue;
    int e2 = path.FindStrokeEnd(b);
    const int to = table.FindPointInRange(b, e2, kBowTo);
    if (to >= 0) e2 = to;
    const int from = table.FindPointInRange(b, e2, kBowFrom);
    const int t = from >= 0 ? from : b;
    if (t <= e1) continue;
    BendRangeX(path, i, e1, -kBowPercent * s, kBowSmoothing);
    BendRangeX(path, t, e2, kBowPercent * s, kBowSmoothing);
  }
  return 1;
}
