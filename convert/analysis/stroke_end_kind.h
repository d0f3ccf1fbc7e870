// How the width pass tells the end of a stroke: a long horizontal stroke gets a thinner
// middle, and with sharp ends on (parameter 335) one long against its mark ends sharp.
#pragma once

#include <cstdint>

#include "core/geometry/fpoint.h"
#include "core/record/param_block.h"

class CStrokePath;

// For the stroke of path that starts at point first, with chord d (its last point minus
// its first) and full width wMax: longHorizontal becomes whether it runs to the right,
// more than 1.5 times (3 times without parameter 317) as far as up or down, over at least
// four full widths. Returns whether it ends sharp: a long horizontal stroke, with
// parameter 335 set, longer than a quarter of the width of the overlay mark that holds its
// first point (a point in no mark is measured against a width of 1).
bool ClassifyStrokeEnd(const CStrokePath& path, int first, const CFPoint& d, const ParamBlock& params, int64_t wMax,
                       bool& longHorizontal);
