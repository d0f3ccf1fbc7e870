// The shaping of the brush levels after they were computed: smoothing along the strokes
// and tapers at stroke starts and ends. Levels are one signed byte per working point;
// links[i] is 1 where the segment from point i to i + 1 jumps between strokes.
#pragma once

#include <cstdint>

class CCharData;

// By parameter 13 of work: 1 none, 3 averaging passes (parameter 111 of them), other
// values step limiting. perStroke keeps the smoothing inside strokes instead of inside
// the runs between links.
void SmoothLevels(const CCharData& work, const uint8_t* links, int8_t* levels, bool perStroke);

// Start tapers (parameter 14 of 1 or 3) and end tapers (2 or 3) ramp the levels up from
// the floor (parameter 49) over 32 points; parameter 42 tapers any start or end whose
// level is below 10. A taper never raises a level.
void TaperLevels(const CCharData& work, const uint8_t* links, int8_t* levels);
