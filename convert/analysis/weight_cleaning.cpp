#include "convert/analysis/weight_cleaning.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "convert/analysis/side_points.h"
#include "core/geometry/point_distance.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_path_ex.h"

namespace {

constexpr float kNoLowerBound = -2.0f;  // the lo that resets weights out of range to 1
constexpr float kResetWeight = 1.0f;
constexpr double kLengthDifference2 = 2.0;
constexpr int kSideUpdateA = 0, kSideUpdateB = 25;

// Holds w within lo and hi as ClampWeights does; returns how many bounds it met.
int Clamp(float& w, float lo, float hi) {
  int met = 0;
  if (lo >= 0 && w < lo) {
    w = lo;
    ++met;
  }
  if (hi >= 0 && w >= hi) {
    w = hi;
    ++met;
  }
  return met;
}

}  // namespace

int ClampWeights(CStrokePathEx& path, float lo, float hi) {
  if (!path.HasWeights()) return 1;
  for (int i = 0, s = 0, e = -1; i < path.GetCount(); ++i) {
    if (i > e) {
      s = i;
      e = path.FindStrokeEnd(i);
    }
    float& w1 = path.m_pWeight1[i];
    float& w2 = path.m_pWeight2[i];
    if (lo == kNoLowerBound) {
      for (float* w : {&w1, &w2}) {
        if (*w >= hi || *w < 0) *w = kResetWeight;
      }
      continue;
    }
    const int met = Clamp(w1, lo, hi) + Clamp(w2, lo, hi);
    if (met > 0 && (path.m_pFlags[i] != 0 || i == e)) path.m_pGuideMarks[s] = path.m_pGuideMarks[e] = 0;
  }
  return 1;
}

int ScaleWeights(CStrokePathEx& path, int percent) {
  if (percent == 100) return 0;
  if (path.HasWeights()) {
    const float factor = float(percent) / 100.0f;
    for (int i = 0; i < path.GetCount(); ++i) {
      path.m_pWeight1[i] *= factor;
      path.m_pWeight2[i] *= factor;
    }
  }
  // The side points follow the weights; the centre line stays as it is (the end smoothing
  // of the update, at its values 0 and 25, would run 130 passes and fold every stroke
  // onto its two ends).
  UpdateSidePoints(path, 0, 0, kSideUpdateA, kSideUpdateB);
  return 1;
}

int CapWeightRange(CStrokePathEx& path, int a, int b, int side) {
  if (!path.HasWeights() || a < 0 || b <= a || b > path.GetCount()) return 0;
  float* w = side == 0 ? path.m_pWeight1 : path.m_pWeight2;
  auto capAt = [&](int k, float cap) { w[k] = std::min(w[k], cap); };
  auto startsStroke = [&](int k) { return k == 0 || path.m_pFlags[k] != 0; };
  if (startsStroke(a)) {
    if (path.IsStrokeLast(b - 1)) return 0;
    const float reference = path.IsStrokeLast(b) ? w[b] : w[b + 1];
    for (int k = a; k < b; ++k) capAt(k, reference);
    return 1;
  }
  // The weight before the run: its neighbour when that starts the stroke, else the point
  // before the neighbour.
  const float before = w[startsStroke(a - 1) ? a - 1 : a - 2];
  if (path.IsStrokeLast(b - 1)) {
    for (int k = a; k < b; ++k) capAt(k, before);
    return 1;
  }
  const int afterAt = path.IsStrokeLast(b) ? b : path.IsStrokeLast(b + 1) ? b + 1 : b + 2;
  const double after = w[afterAt];
  for (int k = a; k < b; ++k) capAt(k, float(before + double(k - a) * (after - before) / double(b - a)));
  return 1;
}

void CleanCrossingNormals(CStrokePathEx& path) {
  const int n = path.GetCount();
  const CFPoint* p = path.m_pPoints;
  CFPoint* sides[2] = {path.m_pSide1, path.m_pSide2};
  std::vector<uint8_t> marked[2] = {std::vector<uint8_t>(size_t(n)), std::vector<uint8_t>(size_t(n))};
  std::vector<SpanBox> boxes[2];
  std::vector<double> lengths[2];
  for (int x = 0; x < 2; ++x) {
    for (int i = 0; i < n; ++i) {
      boxes[x].push_back(SpanBoxOf(sides[x][i], p[i]));
      lengths[x].push_back(SquaredDistance(sides[x][i], p[i]));
    }
  }
  for (int x = 0; x < 2; ++x) {
    for (int i = 0; i < n; ++i) {
      for (int y = 0; y < 2 && !marked[x][size_t(i)]; ++y) {
        for (int j = 0; j < n && !marked[x][size_t(i)]; ++j) {
          // A crossing lies in both span boxes: normals whose boxes miss each other are skipped.
          if (j == i || !boxes[x][size_t(i)].Meets(boxes[y][size_t(j)])) continue;
          CFPoint hit;
          if (IntersectSegments(sides[x][i], p[i], sides[y][j], p[j], &hit, kIntersectOnBoth) != 1) continue;
          const double qi = lengths[x][size_t(i)], qj = lengths[y][size_t(j)];
          if (std::fabs(qi - qj) < kLengthDifference2) continue;
          if (qi < qj) {
            marked[y][size_t(j)] = 1;
          } else {
            marked[x][size_t(i)] = 1;
          }
        }
      }
    }
  }
  for (int x = 0; x < 2; ++x) {
    for (int a = 0; a < n;) {
      if (!marked[x][size_t(a)]) {
        ++a;
        continue;
      }
      const int e = path.FindStrokeEnd(a);
      int b = a;
      while (b <= e && marked[x][size_t(b)]) ++b;
      CapWeightRange(path, a, b, x);
      a = b;
    }
  }
}
