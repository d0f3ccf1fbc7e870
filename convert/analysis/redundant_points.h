// Thinning of traced paths before they are drawn or exported: periodic zigzags (a short
// pattern of steps repeated along a stroke, as a traced pixel outline makes them),
// repeated points and the inner points of level and plumb runs.
#pragma once

class CStrokePath;

// The longest run of steps the repeat test compares.
constexpr int kMaxRepeatedRun = 500;

// len when the len steps from point start (a step runs from point k to point k + 1) are
// followed by the same len steps again, coordinates exactly equal; else 0. A stretch
// whose start, or a point beside it, has attribute 3 never repeats, nor does one reaching
// past the path's last point. len runs from 1 to kMaxRepeatedRun.
int IsRepeatedRun(const CStrokePath& path, int start, int len);

// The length of the periodic stretch of run length len from point start, its repeats
// ending before point bound (a stroke's last point): 0 when the steps from start do not
// repeat even once.
int CountRepeatedRuns(const CStrokePath& path, int start, int bound, int len);

// Removes the periodic stretches (run lengths 1, 2 and 3, tried in that order) of points
// first to last - 1, the whole path when first is negative: of each stretch its first and
// last point stay. Stretches end inside their stroke and inside the range; stroke starts
// and the points outside the range stay as they were. Works on a path of any kind, its
// per-point values kept with their points. Returns the sum of the stretch lengths.
int RemoveRedundantPoints(CStrokePath& path, int first, int last);

// Drops every point, other than the path's first, a stroke start or a point of attribute
// 3, that equals the last point kept, or that lies inside its stroke (not at its end) with
// the steps from its predecessor and to its successor both level or both plumb. Returns 0.
int DropRepeatedPoints(CStrokePath& path);
