// Utilities that change the number of points of a working record: repeating, thinning,
// inserting, reducing, cutting stroke ends and pulling strokes, each rebuilding the
// record point by point.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "brush/outline/in_box.h"
#include "brush/outline/point_rebuild.h"
#include "core/geometry/saturate.h"
#include "core/record/char_data.h"

namespace {

constexpr int kFlow = 6;

int64_t Chebyshev(tmb::Point a, tmb::Point b) {
  return std::max(std::llabs(int64_t{b.x} - a.x), std::llabs(int64_t{b.y} - a.y));
}

// The first point that starts a stroke; the points before it belong to no stroke.
int FirstStrokeStart(const CCharData& rec) {
  int i = 0;
  while (i < rec.m_nPoints && rec.m_pFlags[i] == 0) ++i;
  return i;
}

// The steps into and out of point j are the same.
bool EvenAt(const CCharData& rec, int before, int j, int after) {
  const tmb::Point a = rec.m_pPoints[before];
  const tmb::Point b = rec.m_pPoints[j];
  const tmb::Point c = rec.m_pPoints[after];
  return int64_t{b.x} - a.x == int64_t{c.x} - b.x && int64_t{b.y} - a.y == int64_t{c.y} - b.y;
}

}  // namespace

bool IsInBox(int x0, int y0, int x, int y, int x1, int y1) {
  return x >= std::min(x0, x1) && x <= std::max(x0, x1) && y >= std::min(y0, y1) && y <= std::max(y0, y1);
}

void CCharData::RepeatPoints(int total) {
  if (m_nPoints <= 0) return;
  const int times = std::max(total / m_nPoints, 1);
  PointRebuild out;
  bool full = false;
  for (int i = 0; i < m_nPoints && !full; ++i) {
    for (int r = 0; r < times && !full; ++r) {
      full = !out.AppendAt(*this, i, m_pPoints[i], r == 0 ? m_pFlags[i] : 0);
    }
  }
  out.CopyTo(*this);
}

int CCharData::DoubleStrokeEnds(int limit) {
  PointRebuild out;
  int made = 0;
  for (int i = 0; i < m_nPoints; ++i) {
    if (!out.Append(*this, i)) break;
    if (!IsStrokeEnd(i) || made >= limit) continue;
    if (!out.AppendAt(*this, i, m_pPoints[i], 0)) break;
    ++made;
  }
  out.CopyTo(*this);
  return limit - made;
}

int CCharData::ThinByStep(float step) {
  // A step of one point or less keeps every point.
  if (!(step > 1)) return m_nPoints;
  PointRebuild out;
  for (int s = 0; s < m_nPoints;) {
    const int e = FindStrokeEnd(s);
    out.Append(*this, s);
    double sum = step;
    for (int j = s + 1; j < e; ++j) {
      const int k = j - s;
      while (std::round(sum) < k) sum += step;
      if (std::round(sum) == k) {
        out.Append(*this, j);
        sum += step;
      }
    }
    if (e > s) out.Append(*this, e);
    s = e + 1;
  }
  out.CopyTo(*this);
  return m_nPoints;
}

int CCharData::RemoveEvenSteps(int n, int mode) {
  if (m_nPoints < 3 || n <= 0) return 0;
  // Mode 0 walks forward, any other mode backward; a point is removed when the steps
  // into and out of it are the same and it and the point after it continue their stroke.
  std::unique_ptr<uint8_t[]> drop = std::make_unique<uint8_t[]>(size_t(m_nPoints));
  int removed = 0;
  if (mode == 0) {
    for (int i = 0; i + 2 < m_nPoints && removed < n;) {
      if (m_pFlags[i + 1] == 0 && m_pFlags[i + 2] == 0 && EvenAt(*this, i, i + 1, i + 2)) {
        drop[size_t(i) + 1] = 1;
        ++removed;
        i += 2;
      } else {
        ++i;
      }
    }
  } else {
    for (int i = m_nPoints - 1; i >= 2 && removed < n;) {
      if (m_pFlags[i - 1] == 0 && m_pFlags[i] == 0 && EvenAt(*this, i - 2, i - 1, i)) {
        drop[size_t(i) - 1] = 1;
        ++removed;
        i -= 2;
      } else {
        --i;
      }
    }
  }
  int kept = 0;
  for (int i = 0; i < m_nPoints; ++i) {
    if (drop[size_t(i)]) continue;
    if (kept != i) CopyPointFull(kept, *this, i);
    ++kept;
  }
  m_nPoints = kept;
  return removed;
}

int CCharData::ReduceToCount(int target) {
  target = std::max(target, 0);
  for (int mode = 0; m_nPoints > target; mode = 1 - mode) {
    if (RemoveEvenSteps(m_nPoints - target, mode) == 0 && RemoveEvenSteps(m_nPoints - target, 1 - mode) == 0) break;
  }
  return m_nPoints;
}

void CCharData::InsertEvenly(float factor) {
  if (!(factor > 1)) return;
  PointRebuild out;
  double share = 0;
  bool full = false;
  for (int i = 0; i < m_nPoints && !full; ++i) {
    if (m_pFlags[i] != 0) share = 0;
    full = !out.Append(*this, i);
    for (share += factor - 1.0; share >= 1 && !full; share -= 1) full = !out.AppendAt(*this, i, m_pPoints[i], 0);
  }
  out.CopyTo(*this);
}

void CCharData::ResampleTwice(int step, int mode) {
  ResampleStrokesFloat(2, mode);
  ResampleStrokesFloat(SaturateToInt(int64_t{4} * step), -1);
}

void CCharData::PullStrokesInt(int limit, int percent) {
  limit = std::max(limit, 0);
  for (int i = 1; i < m_nPoints; ++i) {
    if (m_pFlags[i] == 0) continue;
    int64_t dx = int64_t{m_pPoints[i].x} - m_pPoints[i - 1].x;
    int64_t dy = int64_t{m_pPoints[i].y} - m_pPoints[i - 1].y;
    if (std::llabs(dx) > limit || std::llabs(dy) > limit) {
      const int64_t m = std::llabs(dx) > std::llabs(dy) ? std::llabs(dx) : std::llabs(dy);
      dx = dx * limit / m;
      dy = dy * limit / m;
    }
    const int last = FindStrokeEnd(i);
    const int len = last - i;
    if (len == 0) continue;
    const float p = float(len) * float(percent) / 100.0f;
    float m = p != 0 ? p : float(len);
    for (int j = i; j <= last; ++j) {
      const float t = std::trunc(p - float(j - i));
      if (t >= 0 && p != 0) {
        m = p;
      } else if (float(len) - p != 0) {
        m = float(len) - p;
      }
      const double w = 1.0 - std::fabs(double(t) / m);
      m_pPoints[j] = {SaturateToInt(m_pPoints[j].x + double(dx) * w), SaturateToInt(m_pPoints[j].y + double(dy) * w)};
    }
  }
}

void CCharData::RepeatStrokeHeads(int unused) {
  (void)unused;
  PointRebuild out;
  bool full = false;
  for (int s = FirstStrokeStart(*this); s < m_nPoints && !full;) {
    const int e = FindStrokeEnd(s);
    const int len = e - s;
    for (int j = s; j <= e && !full; ++j) {
      const int k = j - s;
      const int copies = 1 + (k < len * 3 / 10) + (k < len * 2 / 10) + (k < len / 10);
      for (int c = 0; c < copies && !full; ++c) full = !out.Append(*this, j);
    }
    s = e + 1;
  }
  out.CopyTo(*this);
}

void CCharData::CutStrokeEnds(int divisor, int unused) {
  (void)unused;
  if (divisor == 0) return;
  PointRebuild out;
  bool full = false;
  for (int s = FirstStrokeStart(*this); s < m_nPoints && !full;) {
    const int e = FindStrokeEnd(s);
    const int64_t cut = (int64_t{StrokeLength(s, false, 0, nullptr)} - m_param[kFlow]) / divisor;
    int first = s;
    int last = e;
    if (cut > 0) {
      int64_t sum = 0;
      while (first < e && sum < cut) {
        sum += Chebyshev(m_pPoints[first], m_pPoints[first + 1]);
        ++first;
      }
      sum = 0;
      while (last > first && sum < cut) {
        sum += Chebyshev(m_pPoints[last - 1], m_pPoints[last]);
        --last;
      }
    }
    for (int j = first; j <= last && !full; ++j) full = !out.AppendAt(*this, j, m_pPoints[j], j == first ? 1 : 0);
    s = e + 1;
  }
  out.CopyTo(*this);
}
