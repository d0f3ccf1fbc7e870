// The float point and float rectangle on which all geometry runs. Arithmetic is done in
// double precision and stored as float, so results do not depend on the compiler's
// choice of intermediate precision.
#pragma once

#include <cstdint>

#include "core/geometry/saturate.h"
#include "platform/gdi/geometry.h"

struct CFPoint {
  float x;  // left unset by the default constructor: owners clear their arrays
  float y;

  CFPoint() = default;
  constexpr CFPoint(float px, float py) : x(px), y(py) {}

  CFPoint Set(int px, int py);
  CFPoint Set(float px, float py);

  CFPoint operator+(const CFPoint& p) const;
  CFPoint operator-(const CFPoint& p) const;
  CFPoint operator*(float s) const;
  CFPoint operator/(float d) const;
  CFPoint ScaleXY(float a, float b) const;
  // Multiplies both coordinates by s in place and returns a copy.
  CFPoint operator*=(float s);
  CFPoint AddInPlace(float dx, float dy);

  // Exact comparison: no tolerance.
  bool operator==(const CFPoint& p) const { return x == p.x && y == p.y; }
  bool operator!=(const CFPoint& p) const { return !(*this == p); }

  // Each coordinate to the nearest integer, halves away from zero.
  tmb::Point RoundToPoint() const;
  // Each coordinate toward zero.
  tmb::Point Truncate() const;
};

// RoundDoubleHalfAway of a value outside the int range (or NaN, which gives 0).
int RoundHalfAwayBeyondInt(double v);

// Rounds v to the nearest integer with halves away from zero, independent of the
// processor's rounding mode. Within the int range a conversion truncates and the fraction
// left is exact; inline, as the painters and the brush engine round every point (a call
// per coordinate was a tenth of a brush rebuild).
inline int RoundDoubleHalfAway(double d) {
  if (!(d > -2147483648.0 && d < 2147483648.0)) return RoundHalfAwayBeyondInt(d);
  const int64_t whole = static_cast<int64_t>(d);
  const double fraction = d - static_cast<double>(whole);
  return SaturateToInt(whole + (fraction >= 0.5 ? 1 : fraction <= -0.5 ? -1 : 0));
}
inline int RoundHalfAway(float v) { return RoundDoubleHalfAway(v); }

inline tmb::Point CFPoint::RoundToPoint() const { return {RoundHalfAway(x), RoundHalfAway(y)}; }

// p with x divided by sx and y by sy; a divisor of 0 leaves its coordinate as it is.
CFPoint DivideNonZero(const CFPoint& p, float sx, float sy);

struct CFRect {
  float left = 0;
  float top = 0;
  float right = 0;
  float bottom = 0;

  CFRect() = default;
  constexpr CFRect(float l, float t, float r, float b) : left(l), top(t), right(r), bottom(b) {}
  // No normalisation: a rectangle drawn right to left has a negative width.
  float Width() const { return right - left; }
  float Height() const { return bottom - top; }
};
