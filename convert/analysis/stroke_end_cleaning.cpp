#include "convert/analysis/stroke_end_cleaning.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/geometry/point_distance.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_path_ex.h"

namespace {

constexpr float kShortStroke = 24.0f;
constexpr int kEndWalkDistance = 3;
constexpr int kTightEndRounds = 3;
constexpr int kTightEndPoints = 4;
constexpr float kTightDegrees = 160.0f;
constexpr float kHookDegrees = 90.0f;
constexpr float kTurnDegrees = 160.0f;

// The interior angle at b between a and c, in radians (pi straight on).
float InteriorAngle(const CFPoint& a, const CFPoint& b, const CFPoint& c) {
  const CFPoint in = b - a, on = c - b;
  return VectorAngle(in.x, in.y, on.x, on.y, kAngleFirstReversed);
}

float Radians(const CStrokePath& path, float degrees) { return path.m_fParam * degrees / 180.0f; }

// Moves end away from neighbour along their segment by t; false when they coincide.
bool MoveAway(CFPoint& end, const CFPoint& neighbour, float t) {
  const double length = std::sqrt(SquaredDistance(end, neighbour));
  if (!(length > 0)) return false;
  const double f = t / length;
  end = CFPoint(float(end.x + (double(end.x) - neighbour.x) * f), float(end.y + (double(end.y) - neighbour.y) * f));
  return true;
}

// target + d x length / |d|.
CFPoint Along(const CFPoint& target, const CFPoint& d, double dLength, double length) {
  const double f = length / dLength;
  return CFPoint(float(target.x + d.x * f), float(target.y + d.y * f));
}

// Every point from a to b (either order) takes the point and side points of point j.
void TakeFrom(CStrokePathEx& path, int a, int b, int j) {
  for (int k = std::min(a, b); k <= std::max(a, b); ++k) {
    path.m_pPoints[k] = path.m_pPoints[j];
    path.m_pSide1[k] = path.m_pSide1[j];
    path.m_pSide2[k] = path.m_pSide2[j];
  }
}

}  // namespace

float StrokeLengthFrom(const CStrokePath& path, int i, int euclidean) {
  if (i < 0 || i >= path.GetCount()) return 0;
  const int e = path.FindStrokeEnd(i);
  double sum = 0;
  for (int k = i; k < e; ++k) {
    const CFPoint d = path.m_pPoints[k + 1] - path.m_pPoints[k];
    sum += euclidean ? std::hypot(double(d.x), double(d.y)) : std::max(std::fabs(double(d.x)), std::fabs(double(d.y)));
  }
  return float(sum);
}

int ExtendShortStrokes(CStrokePath& path) {
  int extended = 0;
  for (int s = 0; s < path.GetCount();) {
    const int e = path.FindStrokeEnd(s);
    const float length = StrokeLengthFrom(path, s, 1);
    if (e > s && length < kShortStroke) {
      const float t = (kShortStroke - length) / 2;
      const bool head = MoveAway(path.m_pPoints[s], path.m_pPoints[s + 1], t);
      const bool tail = MoveAway(path.m_pPoints[e], path.m_pPoints[e - 1], t);
      if (head || tail) ++extended;
    }
    s = e + 1;
  }
  return extended;
}

int WalkToDistance(const CStrokePath& path, int i, int d, int step) {
  const int last = path.GetCount() - 1;
  if (i < 0 || i > last || step == 0) return i;
  step = step > 0 ? 1 : -1;
  const double d2 = double(d) * d;
  for (int j = i;;) {
    // The walk stops at the path's ends rather than step past them.
    if ((step < 0 && j == 0) || (step > 0 && j == last)) return j;
    j += step;
    if (path.IsStrokeBoundary(j) || SquaredDistance(path.m_pPoints[j], path.m_pPoints[i]) >= d2) return j;
  }
}

int SmoothTightEndTurns(CStrokePath& path) {
  CFPoint* p = path.m_pPoints;
  const float tight = Radians(path, kTightDegrees);
  for (int round = 0; round < kTightEndRounds; ++round) {
    bool changed = false;
    auto smooth = [&](int a, int b, int c) {
      if (InteriorAngle(p[a], p[b], p[c]) < tight) {
        p[b] = (p[a] + p[c]) / 2.0f;
        changed = true;
      }
    };
    for (int s = 0; s < path.GetCount();) {
      const int e = path.FindStrokeEnd(s);
      const int mid = s + (e - s) / 2;
      for (int k = s; k <= std::min(s + kTightEndPoints, mid - 1); ++k) smooth(k, k + 1, k + 2);
      for (int k = e; k >= std::max(e - kTightEndPoints, mid + 1); --k) smooth(k, k - 1, k - 2);
      s = e + 1;
    }
    if (!changed) break;
  }
  path.RemoveDuplicates();
  return 1;
}

int StraightenEndRuns(CStrokePathEx& path) {
  const float hook = Radians(path, kHookDegrees);
  for (int s = 0; s < path.GetCount();) {
    const int e = path.FindStrokeEnd(s);
    const int m = e - s < 18 ? (e - s) / 2 : 12;
    int j0 = s;
    int j = WalkToDistance(path, s, kEndWalkDistance, 1);
    for (int n = 0; n < 3 * m && j < e; ++n) {
      const int j2 = WalkToDistance(path, j, kEndWalkDistance, 1);
      if (InteriorAngle(path.m_pPoints[j0], path.m_pPoints[j], path.m_pPoints[j2]) <= hook) TakeFrom(path, j0, j - 1, j);
      j0 = j;
      j = j2;
    }
    j0 = e;
    j = WalkToDistance(path, e, kEndWalkDistance, -1);
    for (int n = 0; n < 3 * m && j > s; ++n) {
      const int j2 = WalkToDistance(path, j, kEndWalkDistance, -1);
      if (InteriorAngle(path.m_pPoints[j0], path.m_pPoints[j], path.m_pPoints[j2]) <= hook) TakeFrom(path, j + 1, j0, j);
      j0 = j;
      j = j2;
    }
    s = e + 1;
  }
  return 1;
}

int ReshapeEndTurns(CStrokePathEx& path) {
  const int n = path.GetCount();
  CFPoint* p = path.m_pPoints;
  // The segment lengths as they were before any end moved.
  std::vector<double> lengths(size_t(std::max(n, 0)));
  for (int k = 0; k + 1 < n; ++k) lengths[size_t(k)] = std::sqrt(SquaredDistance(p[k], p[k + 1]));
  const float turn = Radians(path, kTurnDegrees);
  int reshaped = 0;
  for (int s = 0; s < n;) {
    const int e = path.FindStrokeEnd(s);
    const int m = e - s < 18 ? (e - s) / 3 : 6;
    int b = -1;
    for (int k = s + m; k > s && b < 0; --k) {
      if (InteriorAngle(p[s], p[k], p[k + 1]) <= turn) b = k;
    }
    if (b >= 0) {
      const CFPoint d = p[b + 1] - p[b];
      const double dLength = std::hypot(double(d.x), double(d.y));
      if (dLength > 0) {
        for (int k = b - 1; k >= s; --k) p[k] = Along(p[k + 1], d, dLength, -lengths[size_t(k)]);
        ++reshaped;
      }
    }
    b = -1;
    for (int k = e - m; k < e && b < 0; ++k) {
      if (InteriorAngle(p[e], p[k], p[k - 1]) < turn) b = k;
    }
    if (b >= 0) {
      const CFPoint d = p[b] - p[b - 1];
      const double dLength = std::hypot(double(d.x), double(d.y));
      if (dLength > 0) {
        for (int k = b + 1; k <= e; ++k) p[k] = Along(p[k - 1], d, dLength, lengths[size_t(k - 1)]);
        ++reshaped;
      }
    }
    s = e + 1;
  }
  return reshaped;
}
