#include "core/geometry/vector_geometry.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr float kPi = 3.1415927f;
constexpr double kSpanTolerance = 1e-5;

float Narrow(double v) { return static_cast<float>(v); }

bool InSpan(double v, double a, double b) {
  return v >= std::min(a, b) - kSpanTolerance && v <= std::max(a, b) + kSpanTolerance;
}

bool InSpanBox(const CFPoint& p, const CFPoint& a, const CFPoint& b) {
  return PointInSpanBox(p.x, p.y, a.x, a.y, b.x, b.y) != 0;
}

CFPoint MeanOfFour(const CFPoint& p1, const CFPoint& p2, const CFPoint& p3, const CFPoint& p4) {
  return (p1 + p2 + p3 + p4) / 4.0f;
}

}  // namespace

namespace {

// The cosine of the angle VectorAngle gives, for every mode but the signed directions;
// false for a zero vector.
bool AngleCosine(float ax, float ay, float bx, float by, int mode, float* cosine) {
  CFPoint a(ax, ay);
  if (mode == kAngleFirstReversed) a *= -1.0f;
  float p = Narrow((double(a.x) * a.x + double(a.y) * a.y) * (double(bx) * bx + double(by) * by));
  if (p == 0.0f) return false;
  float c = Narrow((double(a.x) * bx + double(a.y) * by) / std::sqrt(double(p)));
  // Rounding can push the cosine of (anti)parallel vectors just past +-1, where acos gives
  // NaN; such a pair is treated as exactly (anti)parallel.
  *cosine = std::clamp(c, -1.0f, 1.0f);
  return true;
}

}  // namespace

float VectorAngle(float ax, float ay, float bx, float by, int mode) {
  if (mode == kAngleSignedDirections) {
    float da = Narrow(std::atan2(double(ay), double(ax)));
    float db = Narrow(std::atan2(double(by), double(bx)));
    return Narrow(double(da) - double(db));
  }
  float c = 0.0f;
  if (!AngleCosine(ax, ay, bx, by, mode, &c)) return 0.0f;
  if (c == 1.0f) return kPi;
  if (c == 0.0f) return 0.0f;
  return Narrow(std::acos(double(c)));
}

AngleLimit::AngleLimit(float angle) : limit(angle), cosine(std::cos(double(angle))) {}

bool VectorAngleBelow(float ax, float ay, float bx, float by, int mode, const AngleLimit& limit) {
  if (mode == kAngleSignedDirections || !(limit.limit > 0.0f && limit.limit < kPi)) {
    return VectorAngle(ax, ay, bx, by, mode) < limit.limit;
  }
  float c = 0.0f;
  if (!AngleCosine(ax, ay, bx, by, mode, &c) || c == 0.0f) return true;  // the angle reads 0
  if (c == 1.0f) return false;                                           // it reads pi
  // acos falls at least as fast as the cosine rises: a cosine this far from the limit's
  // lies on its side of the limit whatever the rounding of the angle.
  constexpr double kMargin = 1e-6;
  if (double(c) > limit.cosine + kMargin) return true;
  if (double(c) < limit.cosine - kMargin) return false;
  return Narrow(std::acos(double(c))) < limit.limit;
}

double JointAngleDegrees(const CFPoint& in, const CFPoint& on, float pi) {
  return double(VectorAngle(in.x, in.y, on.x, on.y, kAngleFirstReversed)) * 180.0 / double(pi);
}

int PointInSpanBox(float x, float y, float x1, float y1, float x2, float y2) {
  return InSpan(x, x1, x2) && InSpan(y, y1, y2) ? 1 : 0;
}

SpanBox SpanBoxOf(const CFPoint& p1, const CFPoint& p2) {
  // The same sums as InSpan, so that no point both boxes hold is missed by rounding.
  return {std::min<double>(p1.x, p2.x) - kSpanTolerance, std::min<double>(p1.y, p2.y) - kSpanTolerance,
          std::max<double>(p1.x, p2.x) + kSpanTolerance, std::max<double>(p1.y, p2.y) + kSpanTolerance};
}

int IntersectSegments(const CFPoint& p1, const CFPoint& p2, const CFPoint& p3, const CFPoint& p4,
                      CFPoint* out, int mode) {
  CFPoint d = p2 - p1;
  CFPoint e = p3 - p1;
  CFPoint g = p4 - p3;
  double num = double(e.y) * g.x - double(e.x) * g.y;
  double den = double(d.y) * g.x - double(d.x) * g.y;
  if (den == 0.0) {
    if (mode == kIntersectParallelOut) return 2;
    // Parallel segments meet, if anywhere, near the mean of their end points: the box
    // tests below decide.
    *out = MeanOfFour(p1, p2, p3, p4);
  } else {
    double t = num / den;
    *out = CFPoint(Narrow(p1.x + d.x * t), Narrow(p1.y + d.y * t));
  }
  bool hit = InSpanBox(*out, p3, p4);
  if (mode == kIntersectOnSecond) return hit ? 1 : 0;
  return hit && InSpanBox(*out, p1, p2) ? 1 : 0;
}

int IntersectLines(const CFPoint& p1, const CFPoint& p2, const CFPoint& p3, const CFPoint& p4,
                   CFPoint* out, int both) {
  double dx1 = double(p2.x) - p1.x;
  double dx2 = double(p4.x) - p3.x;
  bool vertical1 = dx1 == 0.0;
  bool vertical2 = dx2 == 0.0;
  double m1 = vertical1 ? 0.0 : (double(p2.y) - p1.y) / dx1;
  double m2 = vertical2 ? 0.0 : (double(p4.y) - p3.y) / dx2;
  double b1 = p1.y - m1 * p1.x;
  double b2 = p3.y - m2 * p3.x;
  if (vertical1 && vertical2) {
    if (p1.x != p3.x) return -1;
    *out = MeanOfFour(p1, p2, p3, p4);
  } else if (vertical1) {
    *out = CFPoint(p1.x, Narrow(m2 * p1.x + b2));
  } else if (vertical2) {
    *out = CFPoint(p3.x, Narrow(m1 * p3.x + b1));
  } else if (m1 == m2) {
    if (b1 != b2) return -1;
    *out = MeanOfFour(p1, p2, p3, p4);
  } else {
    double x = (b2 - b1) / (m1 - m2);
    *out = CFPoint(Narrow(x), Narrow(m1 * x + b1));
  }
  if (!InSpanBox(*out, p3, p4)) return 0;
  if (both && !InSpanBox(*out, p1, p2)) return 0;
  return 1;
}

int TurnDirection(float x0, float y0, float x1, float y1, float x2, float y2) {
  double cross = (double(x1) - x0) * (double(y2) - y1) - (double(y1) - y0) * (double(x2) - x1);
  if (cross > 0) return 1;
  if (cross < 0) return -1;
  return 0;
}

int DiagonalSide(const CFPoint& d) {
  CFPoint foot(0, 0);
  ProjectPointOnLine(CFPoint(0, 0), CFPoint(1, 1), d, &foot);
  return foot.x >= d.x ? -1 : 1;
}
