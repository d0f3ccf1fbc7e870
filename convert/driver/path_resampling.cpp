#include "convert/driver/path_resampling.h"

#include <algorithm>
#include <cmath>

#include "convert/analysis/vector_geometry.h"
#include "convert/driver/scratch_paths.h"
#include "core/geometry/point_distance.h"
#include "core/path/stroke_work.h"

int gUnitPassActive = 0;

float AdaptiveSpacing(const CStrokePath& path, int i, float s) {
  const float len = path.StrokeLength(i);
  if (8.0 * s > len) return static_cast<float>(len / 8.0);
  if (32.0 * s < len) return static_cast<float>(len / 32.0);
  return s;
}

ResampleResult ResamplePath(CStrokePath& path, float s, int endRule, int endDistance2) {
  double s2 = double(s) * s;
  if (!(s2 > 0)) return {};
  const int n = path.GetCount();
  ScratchPath out(path.GetCapacity());
  CStrokeWork& temp = *out;
  // New points along a segment stop one short of the capacity.
  const int limit = temp.GetCapacity() - 1;
  bool truncated = false;
  CFPoint anchor(0, 0);
  int walked = 0;  // points walked since the stroke's start
  for (int i = 0; i < n && !truncated; ++i) {
    const CFPoint p = path.m_pPoints[i];
    // The first point starts a stroke whatever its flag: the walk needs an anchor.
    if (path.m_pFlags[i] != 0 || i == 0) {
      if (!temp.AppendPointFrom(path, i)) {
        truncated = true;
        break;
      }
      anchor = p;
      walked = 0;
      if (gUnitPassActive != 0) s2 = std::pow(double(AdaptiveSpacing(path, i, s)), 2);
    }
    if (!path.IsStrokeLast(i)) {
      const CFPoint next = path.m_pPoints[i + 1];
      if (p != next) {
        const CFPoint seg = next - p;
        const double seg2 = SquaredDistance(p, next);
        while (SquaredDistance(anchor, next) >= s2) {
          if (temp.m_nCount >= limit) {
            truncated = true;
            break;
          }
          CFPoint foot = anchor;
          ProjectPointOnLine(p, next, anchor, &foot);
          const double h2 = SquaredDistance(anchor, foot);
          const double t = std::sqrt(std::fabs(s2 - h2) / seg2);
          temp.AppendPointFrom(path, i);
          const int w = temp.m_nCount - 1;
          temp.m_pPoints[w] = CFPoint(static_cast<float>(foot.x + seg.x * t), static_cast<float>(foot.y + seg.y * t));
          temp.m_pFlags[w] = CStrokePath::kFlagContinue;
          // A spacing below the float step at these coordinates makes no headway: the
          // point is taken back and the walk goes on with the next source point.
          if (temp.m_pPoints[w] == anchor) {
            temp.SetCount(w);
            break;
          }
          anchor = temp.m_pPoints[w];
        }
      }
      ++walked;
      continue;
    }
    if (endRule == kResampleNoEnds || temp.m_nCount <= 0) continue;
    const int last = temp.m_nCount - 1;
    if (endRule != kResampleAllEnds && walked > endRule && temp.m_pFlags[last] == 0) continue;
    if (p == temp.m_pPoints[last] || !(SquaredDistance(p, temp.m_pPoints[last]) > endDistance2)) continue;
    if (!temp.AppendPointFrom(path, i)) {
      truncated = true;
      break;
    }
    temp.m_pFlags[temp.m_nCount - 1] = CStrokePath::kFlagContinue;
  }
  path.CopyRangeFrom(temp, 0, temp.m_nCount);
  return {path.GetCount(), truncated};
}

void SmoothValueRun(std::span<float> values, int a, int b, int passes) {
  const int size = static_cast<int>(values.size());
  a = std::max(a, 0);
  b = std::min(b, size - 2);  // values[b + 1] is the last one written
  if (a > b || passes <= 0) return;
  for (int round = 0; round < 10 * passes; ++round) {
    for (int k = a; k < b; ++k) values[k + 1] = static_cast<float>((double(values[k]) + values[k + 2]) / 2);
    int rough = 0;
    for (int k = a; k <= b; ++k) rough += std::fabs(double(values[k + 1]) - values[k]) > 1.0 ? 1 : 0;
    if (rough == 0 && round + 1 >= passes) break;
  }
}
