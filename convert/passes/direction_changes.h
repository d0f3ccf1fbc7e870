// Direction-change marking: the points where the writing direction crosses the diagonal
// (from mostly downwards to mostly rightwards, or back) get flag 3, which the later
// passes and the brush shapes treat as a turn of the brush, unless the way on goes on in
// the direction the stroke came from.
#pragma once

#include <cstdint>

class CStrokePath;

constexpr uint8_t kFlagDirectionChange = 3;

// Clears every flag 3 of path, then flags 3 each continuation point of a stroke (from a
// flag-1 point to the point before the next non-zero flag) where the step to the next
// point changes side of the diagonal y = x, unless it lies at the stroke's last two points,
// or the way on (to the first point 4 pixels away) and the way from the last flagged point
// both run into one quadrant with the angle at the point, against the way in over the two
// points before, above 120 degrees. Posting of markers is left off. Returns 1.
int MarkDirectionChanges(CStrokePath& path);
