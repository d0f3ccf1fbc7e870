// Where the line through two points of a path, extended past them, meets the path again.
#pragma once

#include "core/geometry/fpoint.h"

class CStrokePath;

// For the points i of path that lie at least as near to point a as to point b, intersects
// the line a-b with the segment from i to the next point (the path's first point after its
// last). Returns the first i whose crossing lies on that segment but outside the span box of
// a-b, and that lies at least 4 points from both a and b round their stroke (so points of
// another stroke never count); the crossing goes to out. -1 when there is none, or when a
// or b is not a point of the path. closed does not change the search.
int FindPathCrossing(const CStrokePath& path, int a, int b, CFPoint* out, int closed);
