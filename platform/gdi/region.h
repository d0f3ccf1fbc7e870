// Regions: sets of pixels kept as horizontal bands, each band a run of rows that share
// one list of spans. Made from rectangles, polygons and ellipses and combined with the
// usual set operations.
#pragma once

#include <span>
#include <vector>

#include "platform/gdi/geometry.h"
#include "platform/gdi/spans.h"

namespace tmb {

enum RegionCombine { kRgnAnd = 1, kRgnOr = 2, kRgnXor = 3, kRgnDiff = 4, kRgnCopy = 5 };
// What Combine reports: the kind of the result, or kRgnError.
enum RegionKind { kRgnError = 0, kRgnNull = 1, kRgnSimple = 2, kRgnComplex = 3 };

class Region {
 public:
  Region() = default;
  static Region FromRect(const Rect& r);
  // The pixels a polygon fill by fillMode covers (no outline).
  static Region FromPolygon(std::span<const Point> points, int fillMode);
  // The pixels of the filled ellipse inside r.
  static Region FromEllipse(const Rect& r);
  static Region FromSpans(const SpanList& spans);

  // This region becomes a op b (b is unused for kRgnCopy); returns the result's kind.
  int Combine(const Region& a, const Region& b, int op);

  bool IsEmpty() const { return bands_.empty(); }
  int Kind() const;
  Rect Box() const;
  bool Contains(Point p) const;
  void Offset(int dx, int dy);
  // Sends the rows of the region to sink, moved by (dx, dy) and limited to clip.
  void SendTo(SpanSink& sink, int dx, int dy, const Rect& clip) const;

  friend bool operator==(const Region&, const Region&) = default;

 private:
  struct Band {
    int top = 0;
    int bottom = 0;
    std::vector<int> xs;  // span pairs, ascending
    friend bool operator==(const Band&, const Band&) = default;
  };
  friend class RegionBuilder;
  // Appends rows top to bottom - 1 holding xs, joining the last band when they continue it.
  void AppendRows(int top, int bottom, const std::vector<int>& xs);

  std::vector<Band> bands_;
};

}  // namespace tmb
