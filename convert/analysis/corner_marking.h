// Corner marking of traced outlines for the curve fitting: every point becomes a corner
// (attribute 1), which stays on the curve, or a point between corners (attribute 3).
#pragma once

#include "core/geometry/fpoint.h"

class CStrokePath;

// The vector from point i to the first of its next two successors that lies farther than
// distance from it, or to the second when neither does. With strokeFirst not negative the
// successors run round [strokeFirst, strokeLast] (strokeLast negative: the end of i's
// stroke); otherwise they stop at the last point of i's stroke, so that point's vector is
// zero.
CFPoint FarEdgeVector(const CStrokePath& path, int i, float distance, int strokeFirst, int strokeLast);

// Sets the attribute byte of every point: 1 for a corner, 3 between corners. A stroke
// start is a corner. Walking on from the last corner c, with e = FarEdgeVector (i, 8) and
// d the way from c to point i, point i is a corner:
// - right after a corner (no direction known since it), when the interior angle between
//   d and e (VectorAngle reversing d first: 180 degrees straight on) is below 165 degrees
//   of the path's pi, unless e is zero or i follows c with d at most 8 long; so a straight
//   run marks nothing;
// - when e leaves the x or the y direction taken since c, running back or no longer
//   along it (so a square's corners are found where its sides end); the directions then
//   start again from e;
// - when e is longer than 32, and then the next point too.
// Then a corner within 2 of the next corner of its stroke (not a stroke start) goes back
// to 3.
void MarkCorners(CStrokePath& path);
