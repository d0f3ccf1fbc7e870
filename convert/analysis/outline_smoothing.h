// Averaging smoothing of strokes and closed outlines: whole side-point arrays, stroke ends
// only, and closed contours round fixed anchor points; every step replaces a point by the
// mean of two points. With the small point helpers the smoothing stages need.
#pragma once

#include "core/geometry/fpoint.h"

class CPointIndexList;
class CStrokePath;
class CStrokePathEx;

// passes times, in every stroke from s to e: for i from s to e - 2, side point i + 1 of
// both side arrays becomes the mean of side points i and i + 1 (forwards, the new point i
// taken). The ends of each stroke stay.
void SmoothExtraArrays(CStrokePathEx& path, int passes);

// passes times, in every stroke from s to e of length L = e - s: with percent at least 1
// and L at least 16, the head (from s while i < min(s + k, e - 1)) and the tail (from
// max(e - k, s) while i < e - 1), k = L x percent / 100, else the whole stroke (i from s
// to e - 2): point i + 1 becomes the mean of points i and i + 1. Returns 1.
int SmoothStrokeEnds(CStrokePath& path, int passes, int percent);

// Smooths the closed contours of points [first, last) (first -1: the whole path; last is
// held within the count) in passes rounds: every point not fixed becomes the mean of its
// two cyclic neighbours in its stroke, the walk of a stroke from s to e taking s + 1 .. e
// and then s. Anchors fix points: a positive kind (the kind byte read signed, so 255 is
// released) the point at its index, when that lies in the path; kind 0 its position, with
// matchMode 1 the first point of the range equal to it, with matchMode 0 of the first
// point within 1 in x and y and its cyclic successor the nearer (the first on a tie).
// inPlace 0 reads the neighbours as already moved in this round; inPlace 1 as they were
// before it. A stroke of one point has no neighbours and stays. Marker posting is left off
// once a fixed anchor is met or a point moved. Returns, over all rounds, the stroke starts
// met plus the points moved.
int SmoothContoursAnchored(CStrokePath& path, int passes, const CPointIndexList& anchors, int first, int last,
                           int inPlace, int matchMode);

// -1 when the turn at p0 (from q to p0 and on to p1) is not larger than the turn at p1
// (from p0 to p1 and on to p2), else 1; a turn is the angle between the two steps.
int CompareTurnAngles(const CFPoint& q, const CFPoint& p0, const CFPoint& p1, const CFPoint& p2);

// a + (b - a) x num / den, formed in double: b exactly when num equals den, and a when
// den is 0.
CFPoint InterpolatePoint(const CFPoint& a, const CFPoint& b, double num, double den);
