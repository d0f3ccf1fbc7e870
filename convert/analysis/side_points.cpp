#include "convert/analysis/side_points.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "convert/analysis/outline_smoothing.h"
#include "core/path/stroke_path_ex.h"

namespace {

constexpr double kNormalLength = 10.0;
constexpr float kStraightTolerance = 0.001f;
constexpr int kEndSmoothingBase = 5;
constexpr int kEndSmoothingPercent = 20;

struct Vec {
  double x, y;
};

Vec Minus(const CFPoint& a, const CFPoint& b) { return {double(a.x) - b.x, double(a.y) - b.y}; }

// kNormalLength along v, turned to the side where x is positive (the x-axis when v runs
// upright): the same as (u, u q) with q = v.y / v.x and u = 10 / sqrt(q^2 + 1), without
// the overflow of q^2 for a tiny v.x.
Vec AlongRightwards(Vec v) {
  const double length = std::hypot(v.x, v.y);
  const double sign = v.x < 0 ? -1.0 : 1.0;
  return {kNormalLength * sign * v.x / length, kNormalLength * sign * v.y / length};
}

// kNormalLength across v, turned to the side where y is positive (down the paper): (-10 q,
// 10) / sqrt(q^2 + 1) with q = v.y / v.x.
Vec AcrossDownwards(Vec v) {
  const Vec along = AlongRightwards(v);
  return {-along.y, along.x};
}

CFPoint Offset(const CFPoint& cur, Vec n, float w) {
  return {float(cur.x + n.x * w / kNormalLength), float(cur.y + n.y * w / kNormalLength)};
}

// Writes p with its flag into slot w of out.
void PutPoint(CStrokePath& out, int w, const CFPoint& p, uint8_t flag) {
  out.m_pPoints[w] = p;
  out.m_pFlags[w] = flag;
  out.m_pAttrs[w] = CStrokePath::kAttrDefault;
}

}  // namespace

void ComputePointNormal(const CFPoint& prev, const CFPoint& cur, const CFPoint& next, float w1, float w2,
                        CFPoint& out1, CFPoint& out2, int kind) {
  const Vec a = Minus(prev, cur), b = Minus(cur, next), c = Minus(next, prev);
  const double la = std::hypot(a.x, a.y), lb = std::hypot(b.x, b.y);
  // The chord prev-next split at the ratio of the two segments; coincident neighbours
  // leave it on prev, which is cur, so the straight-run rule below takes over.
  const double ratio = la + lb > 0 ? la / (la + lb) : 0.0;
  Vec m{prev.x + c.x * ratio, prev.y + c.y * ratio};
  if (kind == kSideStrokeStart) {
    m = {cur.x + (double(next.y) - cur.y), cur.y - (double(next.x) - cur.x)};
  } else if (kind == kSideSectionEnd ||
             (std::fabs(m.x - cur.x) <= kStraightTolerance && std::fabs(m.y - cur.y) <= kStraightTolerance)) {
    m = {cur.x + (double(prev.y) - cur.y), cur.y - (double(prev.x) - cur.x)};
  }
  const Vec nv{m.x - cur.x, m.y - cur.y};
  Vec n;
  if (nv.x != 0) {
    n = AlongRightwards(nv);
  } else if (kind == kSideStrokeStart && b.x != 0) {
    n = AcrossDownwards(b);
  } else if (a.x == 0) {
    n = {kNormalLength, 0};
  } else {
    n = AcrossDownwards(a);
  }
  // The first side on the same hand of the writing direction at every point.
  const Vec d = kind == kSideStrokeStart ? b : a;
  if (d.x * n.y <= d.y * n.x) n = {-n.x, -n.y};
  out1 = Offset(cur, n, w1);
  out2 = Offset(cur, {-n.x, -n.y}, w2);
}

void ComputeSidePoints(CStrokePathEx& path, int i) {
  if (i < 0 || i >= path.GetCount()) return;
  const int kind = (i == 0 || path.m_pFlags[i] == CStrokePath::kFlagStart) ? kSideStrokeStart
                   : path.IsSectionLast(i)                                    ? kSideSectionEnd
                                                                              : kSideInner;
  const CFPoint cur = path.m_pPoints[i];
  const CFPoint prev = kind == kSideStrokeStart ? cur : path.m_pPoints[i - 1];
  // The point after a section's last point belongs to another stroke, or lies past the path.
  const CFPoint next = path.IsSectionLast(i) ? cur : path.m_pPoints[i + 1];
  const float w1 = path.HasWeights() ? path.m_pWeight1[i] : 0.0f;
  const float w2 = path.HasWeights() ? path.m_pWeight2[i] : 0.0f;
  ComputePointNormal(prev, cur, next, w1, w2, path.m_pSide1[i], path.m_pSide2[i], kind);
}

void ComputeAllSidePoints(CStrokePathEx& path) {
  for (int i = 0; i < path.GetCount(); ++i) ComputeSidePoints(path, i);
}

int UpdateSidePoints(CStrokePathEx& path, int smooth, int clearMarks, int a, int b) {
  if (smooth) {
    const int64_t passes = int64_t(a) * (int64_t(b) + 2) / 2 + (int64_t(b) + 1) * kEndSmoothingBase;
    const int64_t percent = (int64_t(b) + 1) * kEndSmoothingBase + kEndSmoothingPercent;
    SmoothStrokeEnds(path, int(std::clamp<int64_t>(passes, 0, INT32_MAX)),
                     int(std::clamp<int64_t>(percent, INT32_MIN, INT32_MAX)));
    path.RemoveDuplicates();
  }
  uint8_t* marks = path.m_pGuideMarks;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (clearMarks && marks[i]) {
      marks[i] = 0;
      continue;
    }
    ComputeSidePoints(path, i);
  }
  return BuildStrokeOutlines(path);
}

int BuildStrokeOutlines(CStrokePathEx& path) {
  CStrokePath& out = *path.m_pOutline;
  const int capacity = out.GetCapacity();
  int w = 0;
  for (int s = 0; s < path.GetCount() && w < capacity;) {
    const int e = path.FindStrokeEnd(s);
    const int start = w;
    for (int k = s; k <= e && w < capacity; ++k) PutPoint(out, w++, path.m_pSide1[k], 0);
    for (int k = e; k >= s && w < capacity; --k) PutPoint(out, w++, path.m_pSide2[k], 0);
    out.m_pFlags[start] = CStrokePath::kFlagStart;
    s = e + 1;
  }
  out.SetCount(w);
  return out.CopyWithoutDuplicates(out, 1);
}

int BuildSideOutline(CStrokePathEx& path, int first, int last, int startIndex) {
  CStrokePath& out = *path.m_pOutline;
  const int capacity = out.GetCapacity();
  first = std::max(first, 0);
  last = std::min(last, path.GetCount() - 1);
  int w = std::clamp(startIndex, 0, capacity);
  for (int k = first; k <= last && w < capacity; ++k) PutPoint(out, w++, path.m_pSide1[k], 0);
  for (int k = last; k >= first && w < capacity; --k) PutPoint(out, w++, path.m_pSide2[k], 0);
  if (startIndex >= 0 && startIndex < w) out.m_pFlags[startIndex] = CStrokePath::kFlagStart;
  out.SetCount(w);
  return w;
}
