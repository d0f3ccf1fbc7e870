// Squaring a rounded corner: the points of a level run that turns down are drawn half way
// towards a right angle, and the tests of direction that decide where to do it.
#pragma once

#include "core/geometry/fpoint.h"

class CStrokePath;
class CStrokeFeatureList;

// v.y has the sign of s and |v.y| > |s| |v.x| (false for s = 0).
bool IsSteepWithSign(const CFPoint& v, float s);
// v.x has the sign of s and |v.x| > |s| |v.y| (false for s = 0).
bool IsFlatWithSign(const CFPoint& v, float s);

// Moves points start to end half way towards the right-angled line from the start point
// A level to C = (x of the end point E, y of A), then down to E moved left by a third of
// the level run: points start to corner towards A-C, points after corner towards the
// second leg, each by its share of its index range.
void SquareCorner(CStrokePath& path, int start, int end, int corner);

// Records k and k + 1 of list, one right after the other in path, the first running to the
// right (more than twice as far as up or down), the second running down (more than twice
// as far as sideways), their joint closer than a quarter of the shorter chord: the corner
// between them is squared (SquareCorner from the first's start to the second's end,
// cornered at the first's end). 1 when squared, else 0.
int SquareRecordCorner(CStrokePath& path, const CStrokeFeatureList& list, int k);
