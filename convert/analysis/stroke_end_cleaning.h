// Cleaning of the ends of measured centre lines: too short strokes lengthened, hooked
// and tight ends straightened, and walks by distance along a stroke.
#pragma once

class CStrokePath;
class CStrokePathEx;

// The length from point i to the last point of its stroke: Euclidean when euclidean is
// non-zero, else the sum of the larger of |dx| and |dy| of each segment.
float StrokeLengthFrom(const CStrokePath& path, int i, int euclidean);

// Every stroke of more than one point shorter than 24 is lengthened to 24: its first point
// moves back along its first segment and its last point on along its last, by half the
// missing length each. An end whose segment has no length (its two points coincide) has
// no direction and stays. Returns the number of strokes lengthened.
int ExtendShortStrokes(CStrokePath& path);

// Steps from point i by step (+1 or -1) to the first point that is a stroke boundary or
// lies at least d from point i; the walk ends at the path's first point (0) and at its
// last point, and a step of 0 stays at i. Returns the index reached.
int WalkToDistance(const CStrokePath& path, int i, int d, int step);

// Up to 3 rounds (ending after one without a change): at each end of every stroke, over
// its first (last) five points but not past its middle, a point whose interior angle is
// below 160 degrees moves to the middle of its two neighbours. Then repeated points are
// dropped. Returns 1.
int SmoothTightEndTurns(CStrokePath& path);

// Walking from each end of every stroke in steps of at least 3: where the way turns by
// 90 degrees or more (an interior angle of at most 90), the points passed so far take the
// point and side points of the turning point, so that a hooked end is cut off. Returns 1.
int StraightenEndRuns(CStrokePathEx& path);

// At each end of every stroke, the turn nearest to its middle among the first (last)
// third of its points (at most 6) with an interior angle of at most 160 (below 160 at the
// tail): the points beyond it are laid out straight along the way the stroke takes after
// the turn, with their segment lengths kept. A turn onto a segment without length is left.
// Returns the number of ends reshaped.
int ReshapeEndTurns(CStrokePathEx& path);
