// Side points and stroke outlines: a stroke drawn as a centre line with a half-width on
// each side gets, at every point, one point on either side of the line at the distance of
// the point's two weights, and the side points of each stroke join into a closed outline
// in the path's attached output path.
#pragma once

#include "core/geometry/fpoint.h"

class CStrokePathEx;

// Point kinds of the side-point geometry.
enum SidePointKind {
  kSideInner = 0,       // inside a stroke
  kSideStrokeStart = 1, // the path's first point or a point flagged 1
  kSideSectionEnd = 2,  // the last point of its section
};

// The two side points of cur, between prev and next, at the distances w1 and w2: along
// the normal of the stroke there (the bisector at a bend, the normal of the way in on a
// straight run, coincident neighbours included, and of the way on at a stroke start), the
// first side always on the writer's left hand. The normal is finite for any finite points.
void ComputePointNormal(const CFPoint& prev, const CFPoint& cur, const CFPoint& next, float w1, float w2,
                        CFPoint& out1, CFPoint& out2, int kind);

// The side points of point i from its weights (0 without weights). A stroke start takes
// itself as its previous point, a section's last point itself as its next one.
void ComputeSidePoints(CStrokePathEx& path, int i);
void ComputeAllSidePoints(CStrokePathEx& path);

// With smooth: the stroke ends smoothed (a x (b + 2) / 2 + (b + 1) x 5 passes at (b + 1) x
// 5 + 20 percent) and repeated points removed. Then the side points of every point,
// except, with clearMarks, a point whose guide mark is set: its side points stay as they
// were found, and the mark is cleared. Returns BuildStrokeOutlines.
int UpdateSidePoints(CStrokePathEx& path, int smooth, int clearMarks, int a, int b);

// The outline of every stroke into the output path: flag 1, the first side from the
// stroke's first point to its last, the second side back; then repeated points dropped.
// Stops at the output's capacity; returns its count.
int BuildStrokeOutlines(CStrokePathEx& path);

// The outline of points first to last into the output path from startIndex on: flag 1 at
// startIndex, the first side forwards, the second side backwards, so that the first-side
// point k lands at startIndex + k - first and the second-side point k at startIndex + 2 x
// last + 1 - first - k. Stops at the output's capacity; returns its new count.
int BuildSideOutline(CStrokePathEx& path, int first, int last, int startIndex);
