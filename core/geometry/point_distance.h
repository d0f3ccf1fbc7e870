// Squared distances of points. Points read from a file can lie anywhere in the 32-bit
// range, where the square of an integer distance no longer fits in 64 bits: the result then
// saturates at the largest 64-bit value, which still compares as farther than any real
// distance. Float points are measured in double, so results do not depend on the
// compiler's intermediate precision.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/geometry/fpoint.h"
#include "platform/gdi/geometry.h"

inline int64_t SquaredDistance(const tmb::Point& a, const tmb::Point& b) {
  const int64_t dx = int64_t{b.x} - a.x;
  const int64_t dy = int64_t{b.y} - a.y;
  // Steps within the int range keep the sum in 64 bits; the wide sum is for the rest.
  if (dx >= -INT32_MAX && dx <= INT32_MAX && dy >= -INT32_MAX && dy <= INT32_MAX) return dx * dx + dy * dy;
  return static_cast<int64_t>(std::min<__int128>(__int128{dx} * dx + __int128{dy} * dy, INT64_MAX));
}

// The distance of two integer points rounded half up, held at the int maximum. The
// distance stays below 2^32, where the conversions truncate like std::trunc.
inline int RoundedDistance(const tmb::Point& a, const tmb::Point& b) {
  const double d = std::sqrt(double(SquaredDistance(a, b)));
  const int64_t rounded = static_cast<int64_t>(2 * d) - static_cast<int64_t>(d);
  return static_cast<int>(std::min<int64_t>(rounded, INT32_MAX));
}

inline double SquaredDistance(const CFPoint& a, const CFPoint& b) {
  const double dx = double(b.x) - a.x;
  const double dy = double(b.y) - a.y;
  return dx * dx + dy * dy;
}
