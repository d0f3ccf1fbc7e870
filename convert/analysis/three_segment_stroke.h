// Recognises the stroke form of a steep downward segment followed by a left-downward and a
// right-downward segment (as the vertical, the left and the right sweep of a tree radical),
// which the cursive styles rewrite.
#pragma once

class CStrokePath;

// The segments that start at point i (each runs to the point before the next flag 1, 2, 4
// or 255). 1 when they have the form: the first runs steeply down, the second down to the
// left, the third down to the right, the second and third start beside the first and end
// on either side of it; 2 when, besides, the point after the third segment lies up and
// to the right of the third's start; else 0. Marker posting is off afterwards.
int ClassifyThreeSegmentStroke(const CStrokePath& path, int i);

// The segments of the form found at a point.
struct CThreeSegments {
  int e1 = 0;  // the first runs from the point asked about to e1
  int s2 = 0;  // the second from s2 to e2
  int e2 = 0;
  int s3 = 0;  // the third from s3 to e3
  int e3 = 0;
};

// The three segments that start at point i (those past the path end at its last point).
CThreeSegments ThreeSegmentsAt(const CStrokePath& path, int i);
