// Flattening of the curved runs of outline contours: an on-curve point, its control
// points and the next on-curve point become a run of curve points one pixel apart.
#pragma once

#include <span>
#include <vector>

#include "core/geometry/fpoint.h"

// How runs are flattened: 0 as quadratic curves through the midpoints of the inner
// segments, 1 as a clamped quadratic B-spline.
extern int gOutlineCurveMode;

// Replaces out by the flattened run; returns the number of points.
int FlattenCurveRun(std::span<const CFPoint> run, std::vector<CFPoint>& out);
