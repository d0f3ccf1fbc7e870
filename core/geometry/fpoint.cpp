#include "core/geometry/fpoint.h"

#include <cmath>

#include "core/geometry/saturate.h"

namespace {

float Narrow(double v) { return static_cast<float>(v); }

}  // namespace

CFPoint CFPoint::Set(int px, int py) {
  x = static_cast<float>(px);
  y = static_cast<float>(py);
  return *this;
}

CFPoint CFPoint::Set(float px, float py) {
  x = px;
  y = py;
  return *this;
}

CFPoint CFPoint::operator+(const CFPoint& p) const {
  return {Narrow(double(x) + p.x), Narrow(double(y) + p.y)};
}

CFPoint CFPoint::operator-(const CFPoint& p) const {
  return {Narrow(double(x) - p.x), Narrow(double(y) - p.y)};
}

CFPoint CFPoint::operator*(float s) const { return {Narrow(double(x) * s), Narrow(double(y) * s)}; }

CFPoint CFPoint::operator/(float d) const { return {Narrow(double(x) / d), Narrow(double(y) / d)}; }

CFPoint CFPoint::ScaleXY(float a, float b) const {
  return {Narrow(double(x) * a), Narrow(double(y) * b)};
}

CFPoint CFPoint::operator*=(float s) {
  x = Narrow(double(x) * s);
  y = Narrow(double(y) * s);
  return *this;
}

CFPoint CFPoint::AddInPlace(float dx, float dy) {
  x = Narrow(double(x) + dx);
  y = Narrow(double(y) + dy);
  return *this;
}

int RoundHalfAwayBeyondInt(double d) {
  const double t = std::trunc(d);
  // |trunc(2v) - 2t| >= 1 means the fraction is at least one half in magnitude.
  const double correction = std::fabs(std::trunc(2.0 * d) - 2.0 * t) >= 1.0 ? (d >= 0 ? 1.0 : -1.0) : 0.0;
  // Coordinates from damaged input can be huge or NaN.
  return SaturateToInt(t + correction);
}

tmb::Point CFPoint::Truncate() const {
  return {SaturateToInt(double(x)), SaturateToInt(double(y))};
}

CFPoint DivideNonZero(const CFPoint& p, float sx, float sy) {
  const double x = sx != 0 ? double(p.x) / sx : double(p.x);
  const double y = sy != 0 ? double(p.y) / sy : double(p.y);
  return CFPoint(static_cast<float>(x), static_cast<float>(y));
}
