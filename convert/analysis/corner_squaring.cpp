#include "convert/analysis/corner_squaring.h"

#include <algorithm>
#include <cmath>

#include "convert/analysis/stroke_feature_list.h"
#include "core/geometry/point_distance.h"
#include "core/path/stroke_path.h"

namespace {

constexpr float kDirectionFactor = 2.0f;
// The joint may be at most this share of the shorter chord long (squared: a sixteenth).
constexpr double kJointShare2 = 1.0 / 16;

bool HasSign(float v, float s) { return s > 0 ? v > 0 : s < 0 && v < 0; }

// a + (b - a) x t, in double.
CFPoint Lerp(const CFPoint& a, const CFPoint& b, double t) {
  return CFPoint(static_cast<float>(a.x + (double(b.x) - a.x) * t), static_cast<float>(a.y + (double(b.y) - a.y) * t));
}

CFPoint Midpoint(const CFPoint& a, const CFPoint& b) { return Lerp(a, b, 0.5); }

}  // namespace

bool IsSteepWithSign(const CFPoint& v, float s) { return HasSign(v.y, s) && std::fabs(v.y) > std::fabs(s) * std::fabs(v.x); }

bool IsFlatWithSign(const CFPoint& v, float s) { return HasSign(v.x, s) && std::fabs(v.x) > std::fabs(s) * std::fabs(v.y); }

void SquareCorner(CStrokePath& path, int start, int end, int corner) {
  start = std::max(start, 0);
  end = std::min(end, path.GetCount() - 1);
  if (start >= end) return;
  corner = std::clamp(corner, start, end);
  CFPoint* p = path.m_pPoints;
  const CFPoint a = p[start];
  const CFPoint e = p[end];
  const CFPoint c(e.x, a.y);
  const CFPoint foot(static_cast<float>(e.x - std::fabs(double(e.x) - a.x) / 3), e.y);
  for (int k = start; k <= corner; ++k) {
    const double t = corner > start ? double(k - start) / (corner - start) : 0.0;
    p[k] = Midpoint(p[k], Lerp(a, c, t));
  }
  for (int k = corner + 1; k <= end; ++k) p[k] = Midpoint(p[k], Lerp(c, foot, double(k - corner) / (end - corner)));
}

int SquareRecordCorner(CStrokePath& path, const CStrokeFeatureList& list, int k) {
  if (k < 0 || k + 1 >= list.m_nCount) return 0;
  const CStrokeFeature& a = list.m_records[static_cast<size_t>(k)];
  const CStrokeFeature& b = list.m_records[static_cast<size_t>(k + 1)];
  if (b.start != a.end + 1 || b.end >= path.GetCount()) return 0;
  const CFPoint va = path.m_pPoints[a.end] - path.m_pPoints[a.start];
  const CFPoint vb = path.m_pPoints[b.end] - path.m_pPoints[b.start];
  if (!IsFlatWithSign(va, kDirectionFactor) || !IsSteepWithSign(vb, kDirectionFactor)) return 0;
  const double shorter = std::min(SquaredDistance(path.m_pPoints[a.start], path.m_pPoints[a.end]),
                                  SquaredDistance(path.m_pPoints[b.start], path.m_pPoints[b.end]));
  if (!(SquaredDistance(path.m_pPoints[a.end], path.m_pPoints[b.start]) < shorter * kJointShare2)) return 0;
  SquareCorner(path, a.start, b.end, a.end);
  return 1;
}
