// Angles between vectors, the span-box test, the foot of a perpendicular and segment
// intersection: the small float geometry that the conversion passes, the shape analysis,
// the glyph import and the vectoriser share. Intermediate products are formed in double
// and stored back as float where a result is kept, so results do not depend on the CPU.
#pragma once

#include "core/geometry/fpoint.h"

// Modes of VectorAngle.
enum VectorAngleMode {
  kAngleSignedDirections = -1,  // atan2(a) - atan2(b), not brought into any range
  kAngleBetween = 0,            // acos of the cosine, with the exact-value rules below
  kAngleFirstReversed = 1,      // a is reversed first, then as kAngleBetween
};

// The angle in radians between (ax, ay) and (bx, by). In kAngleBetween (and any mode
// other than -1 and 1): a zero vector gives 0; a cosine of exactly 1 gives pi, not 0 (so
// "straight on" reads as pi when a is reversed); a cosine of exactly 0 gives 0, not pi/2;
// any other cosine, kept within -1..1 against rounding, gives acos.
float VectorAngle(float ax, float ay, float bx, float by, int mode);
// An angle in radians with its cosine, for comparisons that spare the arc cosine.
struct AngleLimit {
  explicit AngleLimit(float angle);
  float limit;
  double cosine;
};
// VectorAngle(ax, ay, bx, by, mode) < limit, without the arc cosine where the cosine
// settles it (the brush engine asks at every corner of a character).
bool VectorAngleBelow(float ax, float ay, float bx, float by, int mode, const AngleLimit& limit);

// The angle in degrees at the joint of the way in and the way on (VectorAngle with
// kAngleFirstReversed: 180 for straight on), turned into degrees with pi, the path's own
// value of it.
double JointAngleDegrees(const CFPoint& in, const CFPoint& on, float pi);

// 1 when (x, y) lies in the box spanned by (x1, y1) and (x2, y2), widened by 1e-5 on
// every side (edges included); else 0.
int PointInSpanBox(float x, float y, float x1, float y1, float x2, float y2);

// The foot of the perpendicular from q on the line through p0 and p1, not clamped to the
// segment, into out: 1. When p0 equals p1 the result is 0 and out is untouched. Inline:
// the resampling calls it for every point it makes.
inline int ProjectPointOnLine(const CFPoint& p0, const CFPoint& p1, const CFPoint& q, CFPoint* out) {
  const double dx = double(p1.x) - p0.x;
  const double dy = double(p1.y) - p0.y;
  const CFPoint d(static_cast<float>(dx), static_cast<float>(dy));
  const CFPoint w(static_cast<float>(double(q.x) - p0.x), static_cast<float>(double(q.y) - p0.y));
  const double len2 = double(d.x) * d.x + double(d.y) * d.y;
  if (len2 == 0.0) return 0;
  const double t = (double(d.x) * w.x + double(d.y) * w.y) / len2;
  *out = CFPoint(static_cast<float>(p0.x + d.x * t), static_cast<float>(p0.y + d.y * t));
  return 1;
}

// Modes of IntersectSegments.
enum IntersectMode {
  kIntersectOnSecond = 0,  // the hit must lie in the span box of p3-p4
  kIntersectOnBoth = 1,    // ... and in that of p1-p2 (any mode but 0 and 2)
  kIntersectParallelOut = 2,  // as kIntersectOnBoth, but parallel segments return 2 at once
};

// Intersects the line through p1-p2 with segment p3-p4; out receives the crossing of the
// two lines. Parallel segments (in modes other than 2) take out as the mean of the four
// end points, which counts as a hit when it lies in the span box(es), whether or not the
// segments share a line. Returns 1 for a hit, 0 for none, 2 for a
// parallel pair in mode 2 (out untouched then).
int IntersectSegments(const CFPoint& p1, const CFPoint& p2, const CFPoint& p3, const CFPoint& p4,
                      CFPoint* out, int mode);

// The span box of a segment widened as PointInSpanBox widens it. A crossing that
// IntersectSegments finds in a mode other than 0 lies in the boxes of both segments, so
// segments whose boxes do not meet need not be intersected.
struct SpanBox {
  double left;
  double top;
  double right;
  double bottom;

  bool Meets(const SpanBox& o) const { return right >= o.left && o.right >= left && bottom >= o.top && o.bottom >= top; }
};

SpanBox SpanBoxOf(const CFPoint& p1, const CFPoint& p2);

// The crossing of the lines p1-p2 and p3-p4 computed in slope form (a vertical line gives
// x, the other line y). Parallel lines give -1, except lines lying on one another, whose
// out is the mean of the four end points. The hit must lie in the span box of p3-p4 and,
// when both is set, in that of p1-p2: 1; else 0.
int IntersectLines(const CFPoint& p1, const CFPoint& p2, const CFPoint& p3, const CFPoint& p4,
                   CFPoint* out, int both);

// The turn at (x1, y1) on the way from (x0, y0) to (x2, y2): the sign of the cross
// product of the two steps, 1, -1 or 0 when it is exactly 0.
int TurnDirection(float x0, float y0, float x1, float y1, float x2, float y2);

// The side of the diagonal y = x a step d runs to: -1 when it runs at least as much
// downwards as rightwards (the foot of d on the diagonal lies no further left than d),
// else +1.
int DiagonalSide(const CFPoint& d);
