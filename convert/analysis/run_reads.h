// How the shaping passes after the linking read the work path round its runs (a point
// with a non-zero flag, or point 0, and the points up to the next one): flags past the
// end, the reference copy's flags, the length scale squared, and the ways into and out of
// a coded point. Nothing past a path's count is ever read.
#pragma once

#include <cstdint>

#include "core/geometry/fpoint.h"
#include "core/path/stroke_path.h"

// Flag i of path as a signed byte; the slot after the last point reads as a stroke start.
inline int FlagOrStart(const CStrokePath& path, int i) {
  return i < path.GetCount() ? static_cast<signed char>(path.m_pFlags[i]) : CStrokePath::kFlagStart;
}

// Flag i of the driver's reference copy (old stroke starts 1, strong links 4); 0 past its
// own count.
inline int ReferenceFlag(const CStrokePath& reference, int i) {
  return i < reference.GetCount() ? reference.m_pFlags[i] : 0;
}

// n squared in 64 bits: a length scale read from a file can be far above 46,340.
inline double Squared(int64_t n) { return static_cast<double>(n * n); }

inline double SquaredLength(const CFPoint& v) { return double(v.x) * v.x + double(v.y) * v.y; }

// The way on from coded point i: to the last point of its run.
inline CFPoint WayOn(const CStrokePath& path, int i) { return path.m_pPoints[path.FindStrokeEnd(i)] - path.m_pPoints[i]; }

// The way in to coded point i (i > 0): from the first point of the run before it.
inline CFPoint WayIn(const CStrokePath& path, int i) {
  return path.m_pPoints[i] - path.m_pPoints[path.FindStrokeStart(i - 1)];
}
