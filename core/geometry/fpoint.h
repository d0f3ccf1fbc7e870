// The float point and float rectangle on which all geometry runs. Arithmetic is done in
// double precision and stored as float, so results do not depend on the compiler's
// choice of intermediate precision.
#pragma once

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

// Rounds v to the nearest integer with halves away from zero, independent of the
// processor's rounding mode.
int RoundHalfAway(float v);

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
