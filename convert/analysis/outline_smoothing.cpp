#include "convert/analysis/outline_smoothing.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "convert/driver/marker_list.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/point_index_list.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_path_ex.h"

namespace {

constexpr int kEndSmoothingMinLength = 16;
constexpr float kMatchTolerance = 1.0f;

// The mean of two float points, each coordinate summed once and halved exactly.
CFPoint Mean(const CFPoint& a, const CFPoint& b) { return {(a.x + b.x) * 0.5f, (a.y + b.y) * 0.5f}; }

// Calls f (s, e) for every stroke of path, a stroke running from index 0 or a point with a
// non-zero flag to its last point.
template <typename F>
void ForEachStroke(const CStrokePath& path, F f) {
  for (int s = 0; s < path.GetCount();) {
    const int e = path.FindStrokeEnd(s);
    f(s, e);
    s = e + 1;
  }
}

// passes times: for i from `from` while i < to, point i + 1 of p becomes the mean of
// points i and i + 1.
void BlendForward(CFPoint* p, int from, int to) {
  for (int i = from; i < to; ++i) p[i + 1] = Mean(p[i], p[i + 1]);
}

// Rounds of the in-place walk of a whole stroke s .. e whose first point is fixed: each
// round moves s + 1 .. e in turn, every free point to the mean of its predecessor as just
// moved and its successor as the round before left it (the successor of e is s). Point a
// of a round reads only what the round before wrote at a + 1, so four rounds run side by
// side, each two points behind the one before, and every point gets the same sums as one
// round after the other would give it.
void SmoothFixedStartRounds(CFPoint* p, const uint8_t* fixed, int s, int e, int rounds) {
  // Fixed points are few: kept off the straight path, the free ones run without a jump.
  auto inner = [p, fixed](CFPoint& left, int a) {
    if (fixed[a]) [[unlikely]] {
      left = p[a];
    } else {
      left = Mean(left, p[a + 1]);
    }
    p[a] = left;
  };
  auto step = [p, fixed, s, e](CFPoint& left, int a) {
    if (a <= s || a > e) return;
    left = fixed[a] ? p[a] : Mean(left, a < e ? p[a + 1] : p[s]);
    p[a] = left;
  };
  for (; rounds >= 4; rounds -= 4) {
    CFPoint l0 = p[s], l1 = p[s], l2 = p[s], l3 = p[s];
    for (int a = s + 1; a <= e + 6; ++a) {
      if (a > s + 6 && a < e) {
        inner(l0, a);
        inner(l1, a - 2);
        inner(l2, a - 4);
        inner(l3, a - 6);
      } else {
        step(l0, a);
        step(l1, a - 2);
        step(l2, a - 4);
        step(l3, a - 6);
      }
    }
  }
  for (; rounds > 0; --rounds) {
    CFPoint left = p[s];
    for (int a = s + 1; a <= e; ++a) step(left, a);
  }
}

// passes rounds of the in-place walk of the whole stroke s .. e: s + 1 .. e, then s, every
// free point becoming the mean of the point just moved and the next (the next of e is s,
// of s is s + 1). The rounds follow each other as one walk round and round the stroke;
// from its first fixed point f on, that walk is rounds that start after f, which run side
// by side (SmoothFixedStartRounds). Alone, a round waits for every mean before it takes
// the next: the rounds of the brush outlines were a fifth of the drawing of a character.
void SmoothWholeStroke(CFPoint* p, const uint8_t* fixed, int s, int e, int passes) {
  if (passes <= 0) return;
  auto next = [s, e](int q) { return q == e ? s : q + 1; };
  auto update = [p, fixed, &next](CFPoint& left, int q) {
    left = fixed[q] ? p[q] : Mean(left, p[next(q)]);
    p[q] = left;
  };
  int f = -1;
  for (int q = s + 1; q <= e && f < 0; ++q) f = fixed[q] ? q : -1;
  if (f < 0 && fixed[s]) f = s;
  if (f < 0 || passes == 1) {
    for (int pass = 0; pass < passes; ++pass) {
      CFPoint left = p[s];
      for (int q = s + 1; q != s; q = next(q)) update(left, q);
      update(left, s);
    }
    return;
  }
  // The walk up to f, the rounds after it on a copy that starts at f, and the rest of the
  // last round.
  CFPoint left = p[s];
  for (int q = s + 1;; q = next(q)) {
    update(left, q);
    if (q == f) break;
  }
  const int n = e - s + 1;
  std::vector<CFPoint> ring(static_cast<size_t>(n));
  std::vector<uint8_t> ringFixed(static_cast<size_t>(n));
  for (int k = 0, q = f; k < n; ++k, q = next(q)) {
    ring[size_t(k)] = p[q];
    ringFixed[size_t(k)] = fixed[q];
  }
  SmoothFixedStartRounds(ring.data(), ringFixed.data(), 0, n - 1, passes - 1);
  for (int k = 0, q = f; k < n; ++k, q = next(q)) p[q] = ring[size_t(k)];
  if (f == s) return;
  left = p[f];
  for (int q = next(f);; q = next(q)) {
    update(left, q);
    if (q == s) break;
  }
}

// The point of the range [first, last) that a position anchor fixes, or -1.
int MatchAnchor(const CStrokePath& path, const CFPoint& at, int first, int last, int matchMode) {
  const CFPoint* p = path.m_pPoints;
  if (matchMode == 1) {
    for (int j = first; j < last; ++j) {
      if (p[j] == at) return j;
    }
    return -1;
  }
  for (int j = first; j < last; ++j) {
    if (!CStrokePath::PointsWithin(p[j], at, kMatchTolerance)) continue;
    const int next = path.NextInStroke(j, -1);
    const double dj = double(p[j].x - at.x) * (p[j].x - at.x) + double(p[j].y - at.y) * (p[j].y - at.y);
    const double dn =
        double(p[next].x - at.x) * (p[next].x - at.x) + double(p[next].y - at.y) * (p[next].y - at.y);
    return dn < dj ? next : j;
  }
  return -1;
}

}  // namespace

void SmoothExtraArrays(CStrokePathEx& path, int passes) {
  for (int pass = 0; pass < passes; ++pass) {
    ForEachStroke(path, [&path](int s, int e) {
      BlendForward(path.m_pSide1, s, e - 1);
      BlendForward(path.m_pSide2, s, e - 1);
    });
  }
}

int SmoothStrokeEnds(CStrokePath& path, int passes, int percent) {
  CFPoint* p = path.m_pPoints;
  for (int pass = 0; pass < passes; ++pass) {
    ForEachStroke(path, [p, percent](int s, int e) {
      const int length = e - s;
      if (percent >= 1 && length >= kEndSmoothingMinLength) {
        const int k = int(int64_t(length) * percent / 100);
        BlendForward(p, s, int(std::min<int64_t>(int64_t(s) + k, e - 1)));
        BlendForward(p, std::max(e - k, s), e - 1);
      } else {
        BlendForward(p, s, e - 1);
      }
    });
  }
  return 1;
}

int SmoothContoursAnchored(CStrokePath& path, int passes, const CPointIndexList& anchors, int first, int last,
                           int inPlace, int matchMode) {
  const int count = path.GetCount();
  if (first < 0) {
    first = 0;
    last = count;
  }
  last = std::min(last, count);
  first = std::min(first, last);

  std::vector<uint8_t> fixed(size_t(std::max(count, 0)), 0);
  bool postingOff = false;
  for (int k = 0; k < anchors.m_nCount; ++k) {
    const int kind = int8_t(anchors.m_pKinds[k]);  // 255 is a released anchor
    if (kind > 0) {
      postingOff = true;
      const int index = anchors.m_pValues[k];
      if (index >= 0 && index < count) fixed[size_t(index)] = 1;
    } else if (kind == 0) {
      const int j = MatchAnchor(path, anchors.m_pPoints[k], first, last, matchMode);
      if (j >= 0) fixed[size_t(j)] = 1;
    }
  }

  // The walk of the range, stroke by stroke: i from lo to hi inside the stroke s .. e;
  // movable counts the points a round moves.
  struct Piece {
    int lo, hi, s, e, movable;
  };
  std::vector<Piece> pieces;
  for (int i = first; i < last;) {
    const int e = path.FindStrokeEnd(i);
    Piece piece{i, std::min(e, last - 1), path.FindStrokeStart(i), e, 0};
    // The points the walk of i from lo to hi moves: i + 1 up to e - 1 and on to e, then s.
    if (piece.s < piece.e) {
      for (int j = piece.lo; j <= piece.hi; ++j) {
        const int a = j < piece.e ? j + 1 : piece.s;
        piece.movable += fixed[size_t(a)] ? 0 : 1;
      }
    }
    pieces.push_back(piece);
    i = piece.hi + 1;
  }

  CFPoint* p = path.m_pPoints;
  // A whole stroke walked in place shares no point with another piece: it takes all its
  // rounds at once.
  for (const Piece& q : pieces) {
    if (!inPlace && q.lo == q.s && q.hi == q.e && q.s < q.e) SmoothWholeStroke(p, fixed.data(), q.s, q.e, passes);
  }
  std::vector<CFPoint> before;  // the points as they were before the round (inPlace)
  int64_t result = 0;
  for (int pass = 0; pass < passes; ++pass) {
    if (inPlace) before.assign(p, p + count);
    const CFPoint* src = inPlace ? before.data() : p;
    for (const auto& [lo, hi, s, e, movable] : pieces) {
      if (lo == s) ++result;
      result += movable;
      if (s == e) continue;
      if (!inPlace && lo == s && hi == e) continue;  // smoothed above
      auto step = [&](int a, int l, int r) {
        if (!fixed[size_t(a)]) p[a] = Mean(src[l], src[r]);
      };
      int i = lo;
      for (; i <= std::min(hi, e - 2); ++i) step(i + 1, i, i + 2);
      if (i == e - 1 && i <= hi) step(e, i++, s);
      if (i == e && i <= hi) step(s, e, s + 1);
    }
  }
  const bool moved = passes > 0 && std::any_of(pieces.begin(), pieces.end(), [](const Piece& q) { return q.movable > 0; });
  if (postingOff || moved) gMarkers.EnablePosting(0);
  return int(std::min<int64_t>(result, INT32_MAX));
}

int CompareTurnAngles(const CFPoint& q, const CFPoint& p0, const CFPoint& p1, const CFPoint& p2) {
  const CFPoint in0 = p0 - q, on0 = p1 - p0, on1 = p2 - p1;
  const float turn0 = VectorAngle(in0.x, in0.y, on0.x, on0.y, kAngleBetween);
  const float turn1 = VectorAngle(on0.x, on0.y, on1.x, on1.y, kAngleBetween);
  return turn0 <= turn1 ? -1 : 1;
}

CFPoint InterpolatePoint(const CFPoint& a, const CFPoint& b, double num, double den) {
  if (den == 0) return a;
  if (num == den) return b;
  const double t = num / den;
  return {float(a.x + (double(b.x) - a.x) * t), float(a.y + (double(b.y) - a.y) * t)};
}
