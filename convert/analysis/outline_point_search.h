// Point searches on outlines: the nearest point of one stroke, the first point near a
// position, the nearest point away from an index, and the points inside a rectangle.
// Distances are compared squared; a point replaces the best so far only when strictly
// nearer, the first best distance being 1e8.
#pragma once

#include "core/geometry/fpoint.h"

class CPointIndexList;
class CStrokePath;

// Among the points of the stroke numbered strokeNumber (1-based, counted by stroke starts:
// index 0 and every non-zero flag), the one nearest to (x, y), copied to out; its index,
// or -1 when there is none.
int NearestPointInStroke(const CStrokePath& path, float x, float y, CFPoint& out, int strokeNumber);
// The first point within tol of (x, y) in x and in y, or -1.
int FindPointWithin(const CStrokePath& path, float x, float y, float tol);
// The nearest point among those whose index differs from index by more than gap, or -1.
int NearestPointAwayFrom(const CStrokePath& path, float x, float y, int index, int gap);
// Adds every point whose rounded position lies in the rectangle (left and top included,
// right and bottom not) to anchors, as a position anchor (kind 0) with its index.
void CollectPointsInRect(const CStrokePath& path, CPointIndexList& anchors, int left, int top, int right,
                         int bottom);
