#include "platform/gdi/polygon_scan.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tmb {
namespace {

// Coordinates beyond this many pixels are clipped away before scanning, which keeps every
// product of the edge arithmetic inside 64 bits.
constexpr int64_t kGuard = int64_t(1) << 22;
constexpr int64_t kGuardFixed = kGuard * kFixedOne;

// Ceiling of a / b for b > 0.
int64_t CeilDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if (a % b > 0) ++q;
  return q;
}

// Floor of a / b for b > 0.
int64_t FloorDiv(int64_t a, int64_t b) {
  int64_t q = a / b;
  if (a % b < 0) --q;
  return q;
}

struct Edge {
  int yStart;  // first row whose centre the edge crosses
  int yEnd;    // one past the last such row
  int dir;     // +1 downwards, -1 upwards
  // The edge's crossing with the current row is V / M pixels left of the pixel whose
  // centre it passes, kept as q = ceil(V / M) and V = q x M - r with 0 <= r < M.
  int64_t q;
  int64_t r;
  int64_t m;
  int64_t stepQ;  // floor(step / M)
  int64_t stepR;  // step - stepQ x M
};

struct Crossing {
  int64_t x;
  int dir;
};

// Clips one closed polygon to the guard square (Sutherland-Hodgman); the winding of every
// point inside the square is kept.
void ClipToGuard(std::span<const FixedPoint> in, std::vector<FixedPoint>& out) {
  std::vector<FixedPoint> a(in.begin(), in.end());
  std::vector<FixedPoint> b;
  for (int side = 0; side < 4; ++side) {
    b.clear();
    auto inside = [side](const FixedPoint& p) {
      switch (side) {
        case 0: return p.x >= -kGuardFixed;
        case 1: return p.x <= kGuardFixed;
        case 2: return p.y >= -kGuardFixed;
        default: return p.y <= kGuardFixed;
      }
    };
    auto cut = [side](const FixedPoint& p, const FixedPoint& q) {
      const double px = double(p.x), py = double(p.y), qx = double(q.x), qy = double(q.y);
      const double g = (side == 0 || side == 2) ? -double(kGuardFixed) : double(kGuardFixed);
      if (side < 2) {
        const double t = (g - px) / (qx - px);
        return FixedPoint{int64_t(g), int64_t(std::llround(py + (qy - py) * t))};
      }
      const double t = (g - py) / (qy - py);
      return FixedPoint{int64_t(std::llround(px + (qx - px) * t)), int64_t(g)};
    };
    for (size_t i = 0; i < a.size(); ++i) {
      const FixedPoint& p = a[i];
      const FixedPoint& q = a[(i + 1) % a.size()];
      const bool pin = inside(p), qin = inside(q);
      if (pin) b.push_back(p);
      if (pin != qin) b.push_back(cut(p, q));
    }
    std::swap(a, b);
    if (a.empty()) break;
  }
  out.insert(out.end(), a.begin(), a.end());
}

void AddEdge(const FixedPoint& a0, const FixedPoint& b0, const Rect& clip, std::vector<Edge>& edges) {
  if (a0.y == b0.y) return;
  const bool down = a0.y < b0.y;
  const FixedPoint& a = down ? a0 : b0;
  const FixedPoint& b = down ? b0 : a0;
  const int64_t half = kFixedOne / 2;
  // Rows whose centre y x 256 + 128 lies in [a.y, b.y).
  int64_t y0 = CeilDiv(a.y - half, kFixedOne);
  int64_t y1 = CeilDiv(b.y - half, kFixedOne);
  y0 = std::max<int64_t>(y0, clip.top);
  y1 = std::min<int64_t>(y1, clip.bottom);
  if (y0 >= y1) return;
  Edge e;
  e.yStart = int(y0);
  e.yEnd = int(y1);
  e.dir = down ? 1 : -1;
  const int64_t d = b.y - a.y;
  const int64_t dx = b.x - a.x;
  e.m = kFixedOne * d;
  // The crossing at row y is x = a.x + dx (yc - a.y) / d with yc = y x 256 + 128; the
  // first pixel whose centre is at or right of it is ceil((x - 128) / 256) = ceil(V / M)
  // with V = a.x d + dx (yc - a.y) - 128 d.
  const int64_t yc = y0 * kFixedOne + half;
  const int64_t v = a.x * d + dx * (yc - a.y) - half * d;
  e.q = CeilDiv(v, e.m);
  e.r = e.q * e.m - v;
  const int64_t step = dx * kFixedOne;
  e.stepQ = FloorDiv(step, e.m);
  e.stepR = step - e.stepQ * e.m;
  edges.push_back(e);
}

}  // namespace

FixedPoint ToFixed(double x, double y) {
  return {int64_t(std::llround(x * double(kFixedOne))), int64_t(std::llround(y * double(kFixedOne)))};
}

void ScanPolygons(std::span<const FixedPoint> points, std::span<const int> counts, int fillMode,
                  const Rect& clip, SpanSink& sink) {
  if (clip.IsEmpty()) return;
  std::vector<Edge> edges;
  std::vector<FixedPoint> clipped;
  size_t base = 0;
  for (int n : counts) {
    if (n < 0 || base + size_t(n) > points.size()) break;
    std::span<const FixedPoint> poly = points.subspan(base, size_t(n));
    base += size_t(n);
    if (n < 3) continue;
    bool far = false;
    for (const FixedPoint& p : poly) {
      if (p.x < -kGuardFixed || p.x > kGuardFixed || p.y < -kGuardFixed || p.y > kGuardFixed) far = true;
    }
    if (far) {
      clipped.clear();
      ClipToGuard(poly, clipped);
      poly = clipped;
      if (poly.size() < 3) continue;
    }
    for (size_t i = 0; i < poly.size(); ++i) AddEdge(poly[i], poly[(i + 1) % poly.size()], clip, edges);
  }
  if (edges.empty()) return;
  std::sort(edges.begin(), edges.end(), [](const Edge& a, const Edge& b) { return a.yStart < b.yStart; });

  std::vector<Edge*> active;
  std::vector<Crossing> crossings;
  std::vector<int> xs;
  size_t next = 0;
  int y = edges.front().yStart;
  while (next < edges.size() || !active.empty()) {
    if (active.empty() && next < edges.size()) y = std::max(y, edges[next].yStart);
    while (next < edges.size() && edges[next].yStart <= y) active.push_back(&edges[next++]);

    crossings.clear();
    for (Edge* e : active) crossings.push_back({e->q, e->dir});
    // Few crossings per row: insertion sort is the quickest.
    for (size_t i = 1; i < crossings.size(); ++i) {
      Crossing c = crossings[i];
      size_t j = i;
      while (j > 0 && crossings[j - 1].x > c.x) {
        crossings[j] = crossings[j - 1];
        --j;
      }
      crossings[j] = c;
    }
    xs.clear();
    int winding = 0;
    for (size_t i = 0; i < crossings.size(); ++i) {
      const bool wasIn = fillMode == kWinding ? winding != 0 : (i & 1) != 0;
      winding += crossings[i].dir;
      const bool isIn = fillMode == kWinding ? winding != 0 : ((i + 1) & 1) != 0;
      if (!wasIn && isIn) {
        xs.push_back(int(std::clamp<int64_t>(crossings[i].x, clip.left, clip.right)));
      } else if (wasIn && !isIn) {
        const int x1 = int(std::clamp<int64_t>(crossings[i].x, clip.left, clip.right));
        if (x1 > xs.back()) {
          xs.push_back(x1);
        } else {
          xs.pop_back();
        }
      }
    }
    // Spans that meet end to end join into one.
    size_t w = 0;
    for (size_t i = 0; i + 1 < xs.size(); i += 2) {
      if (w > 0 && xs[i] <= xs[w - 1]) {
        xs[w - 1] = std::max(xs[w - 1], xs[i + 1]);
      } else {
        xs[w++] = xs[i];
        xs[w++] = xs[i + 1];
      }
    }
    xs.resize(w);
    if (!xs.empty()) sink.Row(y, xs.data(), int(xs.size()));

    // Step to the next row.
    ++y;
    size_t keep = 0;
    for (Edge* e : active) {
      if (e->yEnd <= y) continue;
      e->q += e->stepQ;
      e->r -= e->stepR;
      if (e->r < 0) {
        e->r += e->m;
        e->q += 1;
      }
      active[keep++] = e;
    }
    active.resize(keep);
  }
}

}  // namespace tmb

