// Characters made up for the conversion's robustness tests: every awkward shape a pen can
// leave, in turn, deterministic for a seed.
#pragma once

#include <cstdint>

class CStrokeWork;

namespace tmb::test {

// Appends n strokes to path: lines, L-turns, loops, one-point dots, resting pens (runs of
// equal points) and jitter, some far to the left of or above the paper (negative points);
// for some seeds the first point's flag is 0.
void AddAwkwardCharacter(CStrokeWork& path, int n, uint32_t seed);

// Whether every point of path below its count has finite coordinates.
bool AllPointsFinite(const CStrokeWork& path);

}  // namespace tmb::test
