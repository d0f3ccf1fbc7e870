// Run straightening: a stroke is split into runs in which neither coordinate changes
// direction; a long run whose points wobble to both sides of its chord was meant as a
// straight line, so its inner points are drawn toward the chord. A run bowed to one side
// is a curve and stays.
#include <algorithm>

#include "core/geometry/fpoint.h"
#include "core/record/char_data.h"

namespace {

int Sign(int64_t v) { return (v > 0) - (v < 0); }

// Moves the inner points of run [a, b] toward the chord by percent when at least minSide
// of them lie on each side of it.
void StraightenRun(CCharData& rec, int a, int b, int percent, int minSide) {
  const tmb::Point pa = rec.m_pPoints[a];
  const tmb::Point pb = rec.m_pPoints[b];
  const double cx = double(pb.x) - pa.x;
  const double cy = double(pb.y) - pa.y;
  const double len2 = cx * cx + cy * cy;
  if (len2 == 0) return;
  int left = 0;
  int right = 0;
  for (int j = a + 1; j < b; ++j) {
    const double cross = cx * (double(rec.m_pPoints[j].y) - pa.y) - cy * (double(rec.m_pPoints[j].x) - pa.x);
    if (cross < 0) ++left;
    if (cross > 0) ++right;
  }
  if (left < minSide || right < minSide) return;
  const double f = percent / 100.0;
  for (int j = a + 1; j < b; ++j) {
    const tmb::Point p = rec.m_pPoints[j];
    const double t = (cx * (double(p.x) - pa.x) + cy * (double(p.y) - pa.y)) / len2;
    const double fx = pa.x + cx * t;
    const double fy = pa.y + cy * t;
    rec.m_pPoints[j] =
        CFPoint(static_cast<float>(p.x + (fx - p.x) * f), static_cast<float>(p.y + (fy - p.y) * f)).RoundToPoint();
  }
}

}  // namespace

void CCharData::StraightenRuns(int strength, int minPoints, int minSide) {
  const int percent = std::clamp(strength, 0, 100);
  minSide = std::max(minSide, 1);
  int i = 0;
  while (i < m_nPoints) {
    const int end = FindStrokeEnd(i);
    int runStart = i;
    int sx = 0;
    int sy = 0;
    for (int j = i; j < end; ++j) {
      const int dx = Sign(int64_t{m_pPoints[j + 1].x} - m_pPoints[j].x);
      const int dy = Sign(int64_t{m_pPoints[j + 1].y} - m_pPoints[j].y);
      if ((dx != 0 && sx != 0 && dx != sx) || (dy != 0 && sy != 0 && dy != sy)) {
        if (j - runStart + 1 >= minPoints) StraightenRun(*this, runStart, j, percent, minSide);
        runStart = j;
        sx = 0;
        sy = 0;
      }
      if (dx != 0) sx = dx;
      if (dy != 0) sy = dy;
    }
    if (end - runStart + 1 >= minPoints) StraightenRun(*this, runStart, end, percent, minSide);
    i = end + 1;
  }
}
