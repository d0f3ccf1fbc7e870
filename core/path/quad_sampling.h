// Quadratic curve sampling: turns triples of outline points into runs of curve points,
// one piece at a time or along a whole polyline, so that the curve passes smoothly from
// one triple to the next. A sample is kept only when it rounds to another pixel than the
// sample kept before it.
#pragma once

#include <cstdint>
#include <span>

#include "core/geometry/fpoint.h"

// Samples per curve piece: t runs over [0, 1) in steps of 1 / kCurveSamples.
constexpr int kCurveSamples = 1000;

// One Bezier piece through P0, P1, P2. Mode -1 or >= 2 starts at the midpoint of P0 and
// P1 instead of P0; mode >= 1 ends at the midpoint of P1 and P2 instead of P2. Writes at
// most out's size points and returns the number written.
int SampleQuadratic(const CFPoint p[3], std::span<CFPoint> out, int mode);

// One uniform quadratic B-spline piece. Mode -1 samples (P0, P0, P1), mode -2 (P0, P1,
// P1), any other mode (P0, P1, P2); p must hold the points the mode reads. Writes at most
// out's size points and returns the number written.
int SampleBSpline(const CFPoint p[3], std::span<CFPoint> out, int mode);

// The curve through points [first, first + n) from the first point through the midpoints
// of the inner segments to the last, appended to out from index count. vertexIndex[i]
// receives the index of the last output point of polyline point i, startFlags[k] is set
// to 1 at the first output point of each piece. Writes into out, vertexIndex and
// startFlags only within their sizes; returns the new output count.
int SampleQuadraticPolyline(std::span<const CFPoint> points, int first, int n, std::span<CFPoint> out,
                            int count, std::span<int> vertexIndex, std::span<uint8_t> startFlags);

// The clamped B-spline through points [first, first + n), starting at the first point and
// ending at the last; arguments and result as for SampleQuadraticPolyline.
int SampleBSplinePolyline(std::span<const CFPoint> points, int first, int n, std::span<CFPoint> out,
                          int count, std::span<int> vertexIndex, std::span<uint8_t> startFlags);
