// Even-step resampling: the points of every stroke are replaced by points `step` pixels
// apart along the drawn polyline. Each new point is where a circle of radius step around
// the last kept point cuts the line of the current segment; the exact positions go to the
// resampling float arrays, the rounded ones to the record.
#include <algorithm>
#include <cmath>

#include "brush/outline/outline_state.h"
#include "brush/outline/point_rebuild.h"
#include "core/record/char_data.h"

namespace {

constexpr int kStyle = 37;
constexpr int kFloatStyle = 300;
constexpr int kStepPerStroke = -100;
constexpr int kWalkedForEnd = 5;

double Dist2(double ax, double ay, double bx, double by) { return (ax - bx) * (ax - bx) + (ay - by) * (ay - by); }

// The line of one segment, p0 to p1, with what the circle cuts on it need of it worked out
// once: a walk cuts it again for every point it makes.
struct SegmentLine {
  SegmentLine(tmb::Point from, tmb::Point to, double r)
      : p1(to), vertical(to.x == from.x), rr(r * r),
        // The cut nearer to p1 is nearly always the root on p1's side.
        plusFirst(vertical ? to.y > from.y : to.x > from.x) {
    if (vertical) return;
    m = (double(to.y) - from.y) / (double(to.x) - from.x);
    c = from.y - m * from.x;
    const double a = m * m + 1;
    twoA = 2 * a;
    fourA = 4 * a;
  }

  // Of the points where the circle of radius r around k cuts the line, the one nearer to
  // p1 (on a tie the one with the added root); false when the line misses the circle.
  bool Cut(tmb::Point k, double* x, double* y) const {
    const double kx = k.x, ky = k.y;
    if (vertical) {
      const double h = rr - (double(p1.x) - kx) * (double(p1.x) - kx);
      if (h < 0) return false;
      const double root = plusFirst ? std::sqrt(h) : -std::sqrt(h);
      Nearer(p1.x, ky + root, p1.x, ky - root, x, y);
      return true;
    }
    const double b = -2 * (kx - m * (c - ky));
    const double cc = kx * kx + (c - ky) * (c - ky) - rr;
    const double disc = b * b - fourA * cc;
    if (disc < 0) return false;
    const double root = plusFirst ? std::sqrt(disc) : -std::sqrt(disc);
    const double xe = (-b + root) / twoA;
    const double xo = (-b - root) / twoA;
    Nearer(xe, m * xe + c, xo, m * xo + c, x, y);
    return true;
  }

  // Picks the expected cut (xe, ye) unless the other one (xo, yo) lies nearer to p1. The
  // test is nearly always passed: as a branch it stays off the chain from one cut to the
  // next, which is what a walk waits for.
  void Nearer(double xe, double ye, double xo, double yo, double* x, double* y) const {
    const double de = Dist2(xe, ye, p1.x, p1.y);
    const double dox = Dist2(xo, yo, p1.x, p1.y);
    // On a tie the added root wins: the other cut when the expected one subtracted it.
    const bool other = plusFirst ? dox < de : dox <= de;
    if (__builtin_expect_with_probability(other, 0, 0.999)) {
      *x = xo;
      *y = yo;
    } else {
      *x = xe;
      *y = ye;
    }
  }

  tmb::Point p1;
  bool vertical;
  double rr;
  bool plusFirst;
  double m = 0, c = 0, twoA = 0, fourA = 0;
};

// Walks the segment from point i to point i + 1 of rec, appending a point each time the
// last kept point k lies more than step from the segment's end. A new point takes point
// i's attributes but continues the stroke: with the start's flag, every point made on a
// stroke's first segment would be a stroke of one point. A cut that brings no point nearer
// to the end stops the walk (it could only repeat). False when out is full.
bool WalkSegment(PointRebuild& out, const CCharData& rec, int i, double step, tmb::Point& k) {
  const tmb::Point p0 = rec.m_pPoints[i];
  const tmb::Point p1 = rec.m_pPoints[i + 1];
  if (p0 == p1) return true;
  double left = Dist2(k.x, k.y, p1.x, p1.y);
  if (!(left > step * step)) return true;
  const SegmentLine line(p0, p1, step);
  while (left > step * step) {
    double x = 0, y = 0;
    if (!line.Cut(k, &x, &y)) break;
    const CFPoint exact(static_cast<float>(x), static_cast<float>(y));
    const tmb::Point r = exact.RoundToPoint();
    const double now = Dist2(r.x, r.y, p1.x, p1.y);
    if (now >= left) break;
    if (!out.AppendAt(rec, i, r, 0, exact.x, exact.y)) return false;
    k = r;
    left = now;
  }
  return true;
}

}  // namespace

void CCharData::ResampleStrokes(int step) {
  if (m_nPoints <= 0) return;
  const double r = std::max(step, 1);
  PointRebuild out;
  tmb::Point k{0, 0};
  // The walk takes in the last point too: a dot written last is a stroke of its own.
  for (int i = 0; i < m_nPoints; ++i) {
    if (i == 0 || m_pFlags[i] != 0) {
      if (!out.Append(*this, i)) break;
      k = m_pPoints[i];
    }
    if (IsStrokeEnd(i)) continue;
    if (!WalkSegment(out, *this, i, r, k)) break;
  }
  out.CopyTo(*this);
  out.CopyFloatsTo(gResampleX.data(), gResampleY.data());
}

void CCharData::ResampleStrokesFloat(int step, int mode) {
  if (m_nPoints <= 0) return;
  step = std::max(step, 1);
  const bool floatStyle = m_param[kStyle] >= kFloatStyle;
  PointRebuild out;
  tmb::Point k{0, 0};
  double r = step;
  int walked = 0;
  for (int i = 0; i < m_nPoints; ++i) {
    if (i == 0 || m_pFlags[i] != 0) {
      if (!out.Append(*this, i)) break;
      k = m_pPoints[i];
      walked = 0;
      r = step;
      if (mode == kStepPerStroke) r = std::max(2 * (FindStrokeEnd(i) - i) / step, 2);
    }
    if (!IsStrokeEnd(i)) {
      if (!WalkSegment(out, *this, i, r, k)) break;
      ++walked;
      continue;
    }
    // The stroke's last point: with a short or low-style stroke in mode 0 only when the
    // stroke got no resampled point after its start.
    bool add = true;
    if ((!floatStyle || walked >= kWalkedForEnd) && mode == 0) add = out.FlagAt(out.Count() - 1) != 0;
    const float fx = float(m_pPoints[i].x);
    const float fy = float(m_pPoints[i].y);
    const int lastOut = out.Count() - 1;
    if (add && !(out.FloatX(lastOut) == fx && out.FloatY(lastOut) == fy)) {
      if (!out.Append(*this, i)) break;
    }
  }
  out.CopyTo(*this);
  out.CopyFloatsTo(gResampleX.data(), gResampleY.data());
}
