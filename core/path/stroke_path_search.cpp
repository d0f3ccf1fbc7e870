// Nearest-point searches and walks along a stroke by distance.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/geometry/point_distance.h"
#include "core/path/stroke_path.h"

namespace {

constexpr double kFarFloat = 1e8;
constexpr int64_t kFarInt = 100000000;

// The nearest to p of the n points i, i + step, ... that lie in the path (the others are
// passed over); none when no point is nearer than the start value. Only a strictly nearer
// point replaces the best, so the search may stop at distance 0. best, when given,
// receives the best squared distance.
int NearestAlong(const CStrokePath& path, const CFPoint& p, int64_t i, int step, int64_t n, int none,
                 double* best = nullptr) {
  double bestD2 = kFarFloat;
  int index = none;
  for (int64_t k = 0, j = i; k < n; ++k, j += step) {
    if (j < 0 || j >= path.m_nCount) continue;
    double d2 = SquaredDistance(path.m_pPoints[j], p);
    if (d2 < bestD2) {
      bestD2 = d2;
      index = static_cast<int>(j);
      if (d2 == 0) break;
    }
  }
  if (best) *best = bestD2;
  return index;
}

// The index of the rounded point nearest to (x, y), or none when no point is nearer than
// the start value.
int NearestRounded(const CStrokePath& path, int x, int y, int none) {
  int64_t best = kFarInt;
  int index = none;
  for (int i = 0; i < path.m_nCount; ++i) {
    int64_t d2 = SquaredDistance(path.m_pPoints[i].RoundToPoint(), {x, y});
    if (d2 < best) {
      best = d2;
      index = i;
    }
  }
  return index;
}

}  // namespace

int CStrokePath::FindNearestInRange(float x, float y, int first, int last) const {
  ClipRange(first, last);
  return NearestAlong(*this, CFPoint(x, y), first, 1, last - first, 0);
}

int CStrokePath::FindNearest(float x, float y) const { return FindNearestInRange(x, y, 0, m_nCount); }

int CStrokePath::FindNearestDirected(float x, float y, int step) const {
  if (step == 0) step = 1;  // a zero step would never end
  // No more than count steps can land in the path.
  return NearestAlong(*this, CFPoint(x, y), step > 0 ? 0 : m_nCount - 1, step, m_nCount, 0);
}

int CStrokePath::FindNearestStepping(float x, float y, int i, int step, int n) const {
  return NearestAlong(*this, CFPoint(x, y), i, step, int64_t{n} + 1, i);
}

int CStrokePath::FindNearestPoint(int x, int y) const { return NearestRounded(*this, x, y, -1); }

int CStrokePath::FindNearestInt(int x, int y) const { return NearestRounded(*this, x, y, 0); }

int CStrokePath::FindNearestTo(const CFPoint& p, float& dist) const {
  double best = 0;
  int index = NearestAlong(*this, p, 0, 1, m_nCount, 0, &best);
  dist = static_cast<float>(best);
  return index;
}

int CStrokePath::WalkUntilDistance(int i, int step, float d, CFPoint& vector) const {
  vector = CFPoint(0, 0);
  if (i < 0 || i >= m_nCount || step == 0) return i;
  int start = FindStrokeStart(i);
  int len = FindStrokeEnd(i) - start + 1;
  double d2 = double(d) * d;
  auto wrap = [&](int64_t j) { return start + static_cast<int>(((j - start) % len + len) % len); };
  int j = wrap(int64_t(i) + step);
  while (true) {
    vector = m_pPoints[j] - m_pPoints[i];
    if (j == i || SquaredDistance(m_pPoints[j], m_pPoints[i]) >= d2) return j;
    j = wrap(int64_t(j) + step);
  }
}

int CStrokePath::WalkUntilOutsideBox(int i, int step, float w, int maxSteps) const {
  if (i < 0 || i >= m_nCount || step == 0) return i;
  const int start = FindStrokeStart(i);
  const int len = FindStrokeEnd(i) - start + 1;
  const int dir = step > 0 ? 1 : -1;
  const CFPoint centre = m_pPoints[i];
  int j = i;
  for (int n = 0; n < maxSteps; ++n) {
    j = start + ((j - start + dir) % len + len) % len;
    if (std::fabs(m_pPoints[j].x - centre.x) > w || std::fabs(m_pPoints[j].y - centre.y) > w) break;
  }
  return j;
}

namespace {

// Steps from i by step while the point stays inside the path, off a stroke boundary and
// nearer than d to point i, for at most maxSteps steps; never leaves the path.
template <typename AtBoundary>
int WalkOut(const CStrokePath& path, int i, int step, float d, int64_t maxSteps, AtBoundary atBoundary) {
  double d2 = double(d) * d;
  const CFPoint& from = path.m_pPoints[i];
  int64_t j = int64_t(i) + step;
  int64_t prev = i;
  for (int64_t n = 1;; ++n) {
    if (j < 0 || j >= path.m_nCount) return static_cast<int>(prev);
    int k = static_cast<int>(j);
    if (atBoundary(k) || n >= maxSteps || SquaredDistance(path.m_pPoints[k], from) >= d2) return k;
    prev = j;
    j += step;
  }
}

}  // namespace

int CStrokePath::WalkInSection(int i, int step, float d) const {
  if (i < 0 || i >= m_nCount || step == 0) return i;
  if (step < 0 && m_pFlags[i] == kFlagStart) return i;
  if (step > 0 && IsSectionLast(i)) return i;
  return WalkOut(*this, i, step, d, INT64_MAX, [&](int k) { return IsStrokeBoundary(k); });
}

int CStrokePath::WalkLimited(int i, int step, float d, int maxSteps) const {
  if (i < 0 || i >= m_nCount || step == 0 || maxSteps <= 0) return i;
  if (step < 0 && m_pFlags[i] != 0) return i;
  if (step > 0 && IsStrokeLast(i)) return i;
  return WalkOut(*this, i, step, d, maxSteps, [&](int k) { return m_pFlags[k] != 0 || IsStrokeLast(k); });
}

int CStrokePath::FindFirstBeyond(int i, int last, float d2) const {
  if (i < 0 || i >= m_nCount) return i;
  last = std::min(last, m_nCount - 1);
  for (int j = i + 1; j <= last; ++j) {
    if (SquaredDistance(m_pPoints[j], m_pPoints[i]) > d2) return j;
  }
  return i;
}
