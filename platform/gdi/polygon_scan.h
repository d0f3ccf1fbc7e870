// Scan conversion of polygons with exact integer arithmetic. A pixel (x, y) is inside
// when its centre (x + 0.5, y + 0.5) is inside the polygon; a centre on an edge counts
// for the edge's left or top side only, so a square from (0, 0) to (10, 10) covers
// exactly the pixels 0 to 9 in both directions and shapes that share an edge never
// cover a pixel twice.
#pragma once

#include <cstdint>
#include <span>

#include "platform/gdi/geometry.h"
#include "platform/gdi/spans.h"

namespace tmb {

// Polygon fill rules.
enum FillMode { kAlternate = 1, kWinding = 2 };

// A point in 1/256 pixel units.
struct FixedPoint {
  int64_t x = 0;
  int64_t y = 0;
};
constexpr int kFixedShift = 8;
constexpr int64_t kFixedOne = int64_t(1) << kFixedShift;

constexpr FixedPoint ToFixed(Point p) { return {int64_t(p.x) * kFixedOne, int64_t(p.y) * kFixedOne}; }
FixedPoint ToFixed(double x, double y);

// Fills the polygons (counts[i] points each, every polygon closed back to its first
// point) by fillMode and sends the spans inside clip to sink, one call per row that has
// spans, rows in ascending order.
void ScanPolygons(std::span<const FixedPoint> points, std::span<const int> counts, int fillMode,
                  const Rect& clip, SpanSink& sink);

}  // namespace tmb
