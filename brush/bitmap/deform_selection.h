// The scaling and row-wise deformation of a picture's selected block: resized to a size,
// a ratio or a percentage, or redrawn row by row as a trapezoid, a slant or an ellipse.
#pragma once

#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"

class CEffectDef;

// Deforms the block of src at def's region by mode (an effect number) and copies the
// result over the same block of dst (which may be src), on the background colour of def:
//   40 both sides times value1[40] %; 41 value1[41] x value2[41] pixels; 42 value1[42] %
//   wide and value2[42] % high (drawn from the block's top-left, cut to the block);
//   43 a trapezoid whose upper side is value1[43] % and lower side value2[43] % of the
//   width about the middle column (negative mirrors; one row takes the upper side);
//   44 rows shifted by row x cos(value1[44] degrees); 45 an ellipse in the block.
// Returns 1, or 0 for an empty block, another mode or a missing bitmap.
int DeformSelection(const CEffectDef& def, tmb::DeviceContext* pDC, tmb::Surface* dst, tmb::Surface* src, int mode);
