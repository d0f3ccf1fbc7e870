// Raising level strokes: a nearly level, nearly straight stroke is slanted to rise towards
// its end, as semi-cursive writing gives horizontal strokes.
#include <cmath>

#include "convert/analysis/near_chord.h"
#include "core/geometry/point_distance.h"
#include "core/path/stroke_work.h"

namespace {

// The chord may lie at most this far from the points (m of IsNearChord: about 0.18 of it).
constexpr int kChordTolerance = 4;
// Flatter than 1 in this many counts as level.
constexpr float kLevelSlope = 4.0f;

}  // namespace

int CStrokeWork::RaiseLevelStrokes() {
  for (int i = 0; i < m_nCount;) {
    if (m_pFlags[i] != kFlagStart) {
      ++i;
      continue;
    }
    const int e = FindSegmentEnd(i);
    const CFPoint start = m_pPoints[i];
    const CFPoint g = m_pPoints[e] - start;
    const double chord = std::sqrt(SquaredDistance(start, m_pPoints[e]));
    const bool level = g.y == 0 || kLevelSlope * std::fabs(g.y) < std::fabs(g.x);
    // A stroke that ends where it began (〇) has no direction to be level in, and its
    // chord of nothing would let every bulge pass as near it.
    if (level && chord > 0 && IsNearChord(*this, i, e, kChordTolerance)) {
      for (int j = i; j <= e; ++j) {
        const double d = std::sqrt(SquaredDistance(m_pPoints[j], start));
        m_pPoints[j].y = float(m_pPoints[j].y + (chord / 2 - d) / 4);
      }
    }
    i = e + 1;
  }
  return 1;
}
