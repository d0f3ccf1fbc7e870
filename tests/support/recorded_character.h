// A character as a tablet records it: 20 strokes of a kanji, each a run of pen samples
// that crowd together where the pen slows down at the stroke's ends, with a little hand
// tremor and a pressure that swells in the middle of the stroke. Deterministic, so tests
// and benchmarks see the same points. Header-only: the benchmarks use it too.
#pragma once

#include <cmath>
#include <cstdint>
#include <iterator>

#include "core/record/char_data.h"

namespace tmb::test {

// One stroke: from (x0, y0) to (x1, y1), bowed sideways by `bend` pixels at its middle.
struct RecordedStroke {
  int x0, y0, x1, y1, bend;
};

// The strokes of the character, in writing order, in a 400 x 400 box.
inline constexpr RecordedStroke kRecordedStrokes[] = {
    {60, 40, 340, 46, -6},    {200, 10, 204, 120, 4},  {40, 90, 360, 96, -8},   {80, 140, 320, 144, -4},
    {110, 140, 116, 260, 3},  {116, 150, 300, 150, 5}, {300, 150, 290, 262, -6}, {120, 200, 292, 204, -3},
    {118, 256, 294, 258, -2}, {30, 300, 370, 306, -10}, {200, 262, 206, 390, 6}, {196, 310, 60, 392, 18},
    {210, 312, 360, 394, -16}, {150, 20, 120, 70, 5},   {250, 20, 280, 70, -5},  {60, 180, 30, 240, 8},
    {340, 180, 372, 238, -8}, {100, 350, 60, 380, 4},  {300, 350, 340, 384, -4}, {180, 330, 230, 350, 2},
};
inline constexpr int kRecordedStrokeCount = 20;
inline constexpr int kRecordedPointsPerStroke = 100;

// The strokes of a second character, 林 (two trees), in the same 400 x 400 box.
inline constexpr RecordedStroke kRecordedTreesStrokes[] = {
    {20, 120, 180, 116, -4}, {100, 30, 104, 390, 3},  {98, 130, 30, 300, 14},  {106, 140, 170, 240, -8},
    {210, 120, 380, 118, -5}, {296, 20, 300, 392, -4}, {294, 130, 210, 320, 16}, {304, 136, 390, 300, -12},
};

// Appends strokes at (ox, oy) with pointsPerStroke samples each, the tremor drawn from
// seed. Stops at the record's capacity.
inline void AppendRecordedStrokes(CCharData& rec, const RecordedStroke* strokes, int count, int ox, int oy,
                                  int pointsPerStroke, uint32_t& seed) {
  auto tremor = [&seed]() {
    seed = seed * 1103515245u + 12345u;
    return (double((seed >> 16) & 0x7FFF) / 32767.0 - 0.5) * 1.2;  // -0.6 .. 0.6 px
  };
  constexpr double kPi = 3.14159265358979;
  for (int n = 0; n < count; ++n) {
    const RecordedStroke& s = strokes[n];
    const double dx = s.x1 - s.x0;
    const double dy = s.y1 - s.y0;
    const double len = std::hypot(dx, dy);
    for (int k = 0; k < pointsPerStroke && rec.m_nPoints < kMaxCharPoints; ++k) {
      const double t = double(k) / (pointsPerStroke - 1);
      const double u = (1 - std::cos(kPi * t)) / 2;  // slow at both ends
      const double side = s.bend * 4 * u * (1 - u);
      const double x = s.x0 + dx * u - dy / len * side + tremor();
      const double y = s.y0 + dy * u + dx / len * side + tremor();
      const int i = rec.m_nPoints++;
      rec.m_pPoints[i] = {ox + int(std::lround(x)), oy + int(std::lround(y))};
      rec.m_pFlags[i] = k == 0 ? 1 : 0;
      rec.m_pPressure[i] = 30 + int(std::lround(60 * std::sin(kPi * t)));
      rec.m_pSegLength[i] = 1;
      rec.m_pWidthLevel[i] = 0;
    }
  }
}

// Appends the character to rec `copies` times, each copy moved right by 420 pixels and
// down by 420 after every 4 copies, with `pointsPerStroke` samples per stroke. Stops at
// the record's capacity.
inline void AppendRecordedCharacter(CCharData& rec, int copies = 1, int pointsPerStroke = kRecordedPointsPerStroke) {
  uint32_t seed = 12345;
  for (int c = 0; c < copies; ++c) {
    AppendRecordedStrokes(rec, kRecordedStrokes, kRecordedStrokeCount, 40 + (c % 4) * 420, 60 + (c / 4) * 420,
                          pointsPerStroke, seed);
  }
}

// Appends 林 once, where the first copy of the recorded character goes.
inline void AppendRecordedTrees(CCharData& rec) {
  uint32_t seed = 54321;
  AppendRecordedStrokes(rec, kRecordedTreesStrokes, int(std::size(kRecordedTreesStrokes)), 40, 60,
                        kRecordedPointsPerStroke, seed);
}

}  // namespace tmb::test
