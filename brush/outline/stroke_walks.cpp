#include "brush/outline/stroke_walks.h"

#include <cmath>
#include <optional>

namespace {

double Dist2(double ax, double ay, double bx, double by) { return (ax - bx) * (ax - bx) + (ay - by) * (ay - by); }

// The line of one segment, p0 to p1, with what the circle cuts on it need of it worked out
// once: a walk cuts it again for every point it makes.
struct SegmentLine {
  SegmentLine(tmb::Point from, tmb::Point to, double r)
      : p0(from), p1(to), vertical(to.x == from.x), rr(r * r),
        // The cut nearer to p1 is nearly always the root on p1's side.
        plusFirst(vertical ? to.y > from.y : to.x > from.x) {
    if (vertical) return;
    m = (double(p1.y) - p0.y) / (double(p1.x) - p0.x);
    c = p0.y - m * p0.x;
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
      return Nearer(p1.x, ky + root, p1.x, ky - root, x, y);
    }
    const double b = -2 * (kx - m * (c - ky));
    const double cc = kx * kx + (c - ky) * (c - ky) - rr;
    const double disc = b * b - fourA * cc;
    if (disc < 0) return false;
    const double root = plusFirst ? std::sqrt(disc) : -std::sqrt(disc);
    const double xe = (-b + root) / twoA;
    const double xo = (-b - root) / twoA;
    return Nearer(xe, m * xe + c, xo, m * xo + c, x, y);
  }

  // Picks the expected cut (xe, ye) unless the other one (xo, yo) lies nearer to p1. The
  // test is nearly always passed: as a branch it stays off the chain from one cut to the
  // next, which is what a walk waits for.
  bool Nearer(double xe, double ye, double xo, double yo, double* x, double* y) const {
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
    return true;
  }

  tmb::Point p0, p1;
  bool vertical;
  double rr;
  bool plusFirst;
  double m = 0, c = 0, twoA = 0, fourA = 0;
};

// One stroke's walk, a cut at a time.
class Walker {
 public:
  Walker(const CCharData& rec, StrokeWalk& walk, double step, int cap)
      : m_rec(rec), m_walk(walk), m_step(step), m_cap(cap), m_seg(walk.first), m_k(rec.m_pPoints[walk.first]) {
    walk.points.clear();
  }

  // Makes the stroke's next point, or tries to; false once the walk is over.
  bool Step() {
    if (!m_inSegment && !EnterSegment()) return false;
    double x = 0, y = 0;
    if (!m_line.Cut(m_k, &x, &y)) return LeaveSegment();
    const CFPoint exact(static_cast<float>(x), static_cast<float>(y));
    const tmb::Point r = exact.RoundToPoint();
    const tmb::Point p1 = m_line.p1;
    const double now = Dist2(r.x, r.y, p1.x, p1.y);
    // A cut that brings no point nearer to the end could only repeat.
    if (now >= m_left) return LeaveSegment();
    if (int(m_walk.points.size()) >= m_cap) return false;
    m_walk.points.push_back({r, exact.x, exact.y, m_seg});
    m_k = r;
    m_left = now;
    if (!(m_left > m_step * m_step)) return LeaveSegment();
    return true;
  }

 private:
  // Moves on to the next segment that the last kept point lies more than a step from
  // the end of; false at the stroke's end.
  bool EnterSegment() {
    for (; m_seg < m_walk.last; ++m_seg) {
      const tmb::Point p0 = m_rec.m_pPoints[m_seg];
      const tmb::Point p1 = m_rec.m_pPoints[m_seg + 1];
      if (p0 == p1) continue;
      m_left = Dist2(m_k.x, m_k.y, p1.x, p1.y);
      if (!(m_left > m_step * m_step)) continue;
      m_line = SegmentLine(p0, p1, m_step);
      m_inSegment = true;
      return true;
    }
    return false;
  }

  bool LeaveSegment() {
    m_inSegment = false;
    ++m_seg;
    return m_seg < m_walk.last;
  }

  const CCharData& m_rec;
  StrokeWalk& m_walk;
  double m_step;
  int m_cap;
  int m_seg;
  tmb::Point m_k;
  SegmentLine m_line{{0, 0}, {1, 0}, 1};
  double m_left = 0;
  bool m_inSegment = false;
};

}  // namespace

void WalkSideBySide(const CCharData& rec, StrokeWalk* walks, const double* steps, int count, int cap) {
  std::optional<Walker> walkers[4];
  bool live[4] = {};
  for (int w = 0; w < count; ++w) {
    walkers[w].emplace(rec, walks[w], steps[w], cap);
    live[w] = true;
  }
  for (bool any = count > 0; any;) {
    any = false;
    for (int w = 0; w < count; ++w) {
      if (!live[w]) continue;
      live[w] = walkers[w]->Step();
      any = any || live[w];
    }
  }
}
