// Characters made up from a seed: strokes of random place, direction, length and bend in
// a 400 x 400 box, sampled as a tablet samples them (crowded at the stroke ends) with a
// pressure that swells in the middle. Deterministic for a seed. Header-only: the
// benchmarks use it too.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/record/char_data.h"

namespace tmb::test {

// Appends `strokes` strokes of `pointsPerStroke` samples each to rec, moved by (ox, oy);
// stops at the record's capacity.
inline void AppendGeneratedCharacter(CCharData& rec, uint32_t seed, int strokes, int pointsPerStroke, int ox = 40,
                                     int oy = 60) {
  auto next = [&seed](int range) {
    seed = seed * 1103515245u + 12345u;
    return int((seed >> 16) & 0x7FFF) % range;
  };
  constexpr double kPi = 3.14159265358979;
  for (int s = 0; s < strokes; ++s) {
    const int x0 = next(400);
    const int y0 = next(400);
    const int x1 = next(400);
    const int y1 = next(400);
    const double bend = next(41) - 20;
    const double dx = x1 - x0;
    const double dy = y1 - y0;
    const double len = std::max(std::hypot(dx, dy), 1.0);
    for (int k = 0; k < pointsPerStroke && rec.m_nPoints < kMaxCharPoints; ++k) {
      const double t = pointsPerStroke > 1 ? double(k) / (pointsPerStroke - 1) : 0.0;
      const double u = (1 - std::cos(kPi * t)) / 2;
      const double side = bend * 4 * u * (1 - u);
      const int i = rec.m_nPoints++;
      rec.m_pPoints[i] = {ox + int(std::lround(x0 + dx * u - dy / len * side)),
                          oy + int(std::lround(y0 + dy * u + dx / len * side))};
      rec.m_pFlags[i] = k == 0 ? 1 : 0;
      rec.m_pPressure[i] = 30 + int(std::lround(60 * std::sin(kPi * t)));
      rec.m_pSegLength[i] = 1;
      rec.m_pWidthLevel[i] = 0;
    }
  }
}

}  // namespace tmb::test
