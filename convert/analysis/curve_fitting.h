// Quadratic curves fitted to traced outlines: corners stay on the curve and every run of
// points between two corners becomes one to three off-curve control points (attribute 3),
// the form the outline filling flattens.
#pragma once

#include <span>

#include "core/geometry/fpoint.h"

class CStrokePath;

// Sample counts from which a run gets two and three control points.
constexpr int kTwoControlSamples = 64;
constexpr int kThreeControlSamples = 128;

// Fits the run of source from the on-curve point first to the next on-curve point last
// (after a wrap, last - 1 is its stroke's last point and the curve ends at the stroke's
// first point): the run is rasterised into samples (unit steps), and out becomes point
// first, with its bytes, followed by k control points (flag 0, attribute 3). k is 1 below
// 64 samples, 2 below 128, else 3, and 1 with single. One control point makes the curve
// pass through the middle sample at its middle; two or three put each sample they take
// midway between consecutive control points, the first between point first and the
// first control point. Returns out's count, k + 1; 0 (out empty) for an empty run or when
// out cannot hold the points.
int FitControlPoints(CStrokePath& out, const CStrokePath& source, int first, int last, std::span<CFPoint> samples,
                     int single);

// Marks the corners of source (MarkCorners) and appends its contours to result as curves:
// every corner, each run of points between corners fitted by FitControlPoints (single
// forces one control point per run), and at every contour's end a copy of its first point
// (attribute 1, flag 0) that closes it. Returns result's count, or -1 when result filled
// up: it then holds the contours completed before.
int FitCurves(CStrokePath& result, CStrokePath& source, int single);
