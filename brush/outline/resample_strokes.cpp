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

// Of the points where the circle of radius r around k cuts the line through p0 and p1,
// the one nearer to p1 (the first on a tie); false when the line misses the circle.
bool CircleCut(tmb::Point k, tmb::Point p0, tmb::Point p1, double r, double* x, double* y) {
  const double kx = k.x, ky = k.y;
  double x1, y1, x2, y2;
  if (p1.x == p0.x) {
    const double h = r * r - (double(p1.x) - kx) * (double(p1.x) - kx);
    if (h < 0) return false;
    x1 = x2 = p1.x;
    y1 = ky + std::sqrt(h);
    y2 = ky - std::sqrt(h);
  } else {
    const double m = (double(p1.y) - p0.y) / (double(p1.x) - p0.x);
    const double c = p0.y - m * p0.x;
    const double a = m * m + 1;
    const double b = -2 * (kx - m * (c - ky));
    const double cc = kx * kx + (c - ky) * (c - ky) - r * r;
    const double disc = b * b - 4 * a * cc;
    if (disc < 0) return false;
    x1 = (-b + std::sqrt(disc)) / (2 * a);
    x2 = (-b - std::sqrt(disc)) / (2 * a);
    y1 = m * x1 + c;
    y2 = m * x2 + c;
  }
  if (Dist2(x2, y2, p1.x, p1.y) < Dist2(x1, y1, p1.x, p1.y)) {
    *x = x2;
    *y = y2;
  } else {
    *x = x1;
    *y = y1;
  }
  return true;
}

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
  while (left > step * step) {
    double x = 0, y = 0;
    if (!CircleCut(k, p0, p1, step, &x, &y)) break;
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
