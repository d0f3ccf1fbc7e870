#include "support/awkward_character.h"

#include <cmath>

#include "core/path/stroke_work.h"

namespace tmb::test {

void AddAwkwardCharacter(CStrokeWork& path, int n, uint32_t seed) {
  auto next = [&seed](int range) {
    seed = seed * 1103515245u + 12345u;
    return int((seed >> 16) % uint32_t(range));
  };
  for (int s = 0; s < n; ++s) {
    const float x0 = float(next(400) - (s % 7 == 3 ? 600 : 0));  // some far to the left
    const float y0 = float(next(400) - (s % 5 == 2 ? 500 : 0));
    const int kind = next(6);
    const int points = 2 + next(60);
    for (int k = 0; k < points; ++k) {
      const float t = float(k) / float(points - 1);
      float x = x0;
      float y = y0;
      switch (kind) {
        case 0:  // a line
          x += 120 * t;
          y += 40 * t;
          break;
        case 1:  // an L-turn
          x += t < 0.5f ? 200 * t : 100;
          y += t < 0.5f ? 0 : 200 * (t - 0.5f);
          break;
        case 2:  // a loop
          x += 40 * std::cos(7 * t) + 60 * t;
          y += 40 * std::sin(7 * t);
          break;
        case 3:  // a dot
          if (k > 0) continue;
          break;
        case 4:  // a pen that rests: runs of equal points
          x += float((k / 4) * 6);
          break;
        default:  // a jitter
          x += float(next(9));
          y += float(next(9)) + 100 * t;
      }
      path.AddSample(0, 0, next(101), k == 0 ? 1 : 0);
      path.m_pPoints[path.m_nCount - 1] = CFPoint(x, y);
    }
  }
  if (seed % 3 == 0 && path.GetCount() > 0) path.m_pFlags[0] = 0;  // a first flag of 0
}

bool AllPointsFinite(const CStrokeWork& path) {
  for (int i = 0; i < path.GetCount(); ++i) {
    if (!std::isfinite(path.m_pPoints[i].x) || !std::isfinite(path.m_pPoints[i].y)) return false;
  }
  return true;
}

}  // namespace tmb::test
