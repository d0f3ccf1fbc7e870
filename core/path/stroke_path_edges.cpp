// Corner measures, edge vectors, snapping of horizontal edges and loose stroke ends.
#include <cmath>
#include <cstdint>
#include <vector>

#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_path.h"

float CStrokePath::CornerMeasure(CFPoint p0, CFPoint p1, CFPoint p2, int minLen) {
  if (!CornerSidesFit(p0, p1, p2, minLen)) return 0;
  CFPoint u = p1 - p0;
  CFPoint v = p2 - p1;
  return std::fabs(VectorAngle(u.x, u.y, v.x, v.y, kAngleSignedDirections));
}

bool CStrokePath::CornerSidesFit(CFPoint p0, CFPoint p1, CFPoint p2, int minLen) {
  if (minLen <= 0) return true;
  auto len2 = [](const CFPoint& p) {
    double l = double(p.x) * p.x + double(p.y) * p.y;
    // Far (and NaN) vectors count as longer than any limit.
    return l < 9.0e18 ? static_cast<int64_t>(l) : int64_t{9000000000000000000};
  };
  int64_t limit = int64_t(minLen) * minLen;
  int64_t lu = len2(p1 - p0);
  int64_t lv = len2(p2 - p1);
  int64_t lw = len2(p0 - p2);
  return lu <= limit && lv <= limit && lw >= lu && lw >= lv;
}

int CStrokePath::EdgeVectors(int i, std::span<float> lengths, std::span<CFPoint> vectors,
                             std::span<uint8_t> mask) const {
  if (i < 0 || i >= m_nCount) return 0;
  int start = FindStrokeStart(i);
  int end = FindStrokeEnd(i);
  size_t n = 0;
  for (int k = i; k <= end && n < lengths.size(); ++k, ++n) {
    int next = k == end ? start : k + 1;
    if (!mask.empty()) {
      bool skip = m_pAttrs[k] == kAttrSkip || m_pAttrs[next] == kAttrSkip;
      if (n < mask.size()) mask[n] = skip ? 0 : 1;
      if (skip) {
        lengths[n] = -1.0f;
        continue;
      }
    }
    CFPoint e = m_pPoints[next] - m_pPoints[k];
    if (n < vectors.size()) vectors[n] = e;
    lengths[n] = static_cast<float>(double(e.x) * e.x + double(e.y) * e.y);
  }
  return static_cast<int>(n);
}

void CStrokePath::SnapHorizontalEdges(int p) {
  if (p <= 0) return;
  for (int i = 0; i < m_nCount; ++i) {
    int next = NextInStroke(i, -1);
    if (next == i || m_pPoints[next].y != m_pPoints[i].y) continue;
    int r = RoundHalfAway(m_pPoints[i].y) % p;
    int shift;
    if (m_pPoints[next].x - m_pPoints[i].x >= 0) {
      shift = r > p / 2 ? p - r : -r;
    } else {
      shift = r >= (p - 1) / 2 ? p - 1 - r : -r - 1;
    }
    m_pPoints[i].AddInPlace(0, float(shift));
    m_pPoints[next].AddInPlace(0, float(shift));
  }
}

int CStrokePath::FindUnconnectedEnds(std::span<int> out, float d) const {
  int strokes = 0;
  for (int s = 0; s < m_nCount; s = FindStrokeEnd(s) + 1) ++strokes;
  std::vector<CFPoint> points(size_t(strokes) * 2);
  std::vector<int> indices(size_t(strokes) * 2);
  int ends = CollectStrokeEnds(points, indices);
  size_t kept = 0;
  for (int e = 0; e < ends && kept < out.size(); ++e) {
    bool joined = false;
    for (int o = 0; o < ends && !joined; ++o) {
      joined = o / 2 != e / 2 && PointsWithin(points[e], points[o], d);
    }
    if (!joined) out[kept++] = indices[e];
  }
  return static_cast<int>(kept);
}
