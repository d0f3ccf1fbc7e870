#include "platform/gdi/region.h"

#include <algorithm>
#include <climits>

#include "platform/gdi/ellipse_spans.h"
#include "platform/gdi/polygon_scan.h"

namespace tmb {

// Receives rows in ascending order and builds the bands of a region.
class RegionBuilder final : public SpanSink {
 public:
  explicit RegionBuilder(Region& region) : region_(region) {}
  void Row(int y, const int* xs, int count) override {
    row_.assign(xs, xs + count);
    region_.AppendRows(y, y + 1, row_);
  }

 private:
  Region& region_;
  std::vector<int> row_;
};

void Region::AppendRows(int top, int bottom, const std::vector<int>& xs) {
  if (top >= bottom || xs.empty()) return;
  if (!bands_.empty() && bands_.back().bottom == top && bands_.back().xs == xs) {
    bands_.back().bottom = bottom;
    return;
  }
  bands_.push_back({top, bottom, xs});
}

Region Region::FromRect(const Rect& r0) {
  Rect r = r0;
  r.Normalize();
  Region region;
  if (!r.IsEmpty()) region.bands_.push_back({r.top, r.bottom, {r.left, r.right}});
  return region;
}

Region Region::FromPolygon(std::span<const Point> points, int fillMode) {
  Region region;
  std::vector<FixedPoint> fixed;
  fixed.reserve(points.size());
  for (const Point& p : points) fixed.push_back(ToFixed(p));
  const int counts[] = {int(points.size())};
  RegionBuilder builder(region);
  ScanPolygons(fixed, counts, fillMode, {INT_MIN / 2, INT_MIN / 2, INT_MAX / 2, INT_MAX / 2}, builder);
  return region;
}

Region Region::FromEllipse(const Rect& r) {
  SpanList spans;
  EllipseSpans(r, r.top, r.bottom, spans);
  return FromSpans(spans);
}

Region Region::FromSpans(const SpanList& spans) {
  Region region;
  RegionBuilder builder(region);
  spans.SendTo(builder);
  return region;
}

namespace {

bool Inside(int op, bool a, bool b) {
  switch (op) {
    case kRgnAnd: return a && b;
    case kRgnOr: return a || b;
    case kRgnXor: return a != b;
    case kRgnDiff: return a && !b;
    default: return a;
  }
}

// Combines two span lists of one row by op.
void CombineSpans(const std::vector<int>* a, const std::vector<int>* b, int op, std::vector<int>& out) {
  static const std::vector<int> kNone;
  const std::vector<int>& sa = a ? *a : kNone;
  const std::vector<int>& sb = b ? *b : kNone;
  out.clear();
  size_t i = 0, j = 0;
  bool inA = false, inB = false, inside = false;
  while (i < sa.size() || j < sb.size()) {
    const int xa = i < sa.size() ? sa[i] : INT_MAX;
    const int xb = j < sb.size() ? sb[j] : INT_MAX;
    const int x = std::min(xa, xb);
    if (xa == x) {
      inA = !inA;
      ++i;
    }
    if (xb == x) {
      inB = !inB;
      ++j;
    }
    const bool now = Inside(op, inA, inB);
    if (now != inside) {
      if (!now && !out.empty() && out.back() == x) {
        out.pop_back();
      } else {
        out.push_back(x);
      }
      inside = now;
    }
  }
}

}  // namespace

int Region::Combine(const Region& a, const Region& b, int op) {
  if (op < kRgnAnd || op > kRgnCopy) return kRgnError;
  if (op == kRgnCopy) {
    if (this != &a) bands_ = a.bands_;
    return Kind();
  }
  std::vector<int> ys;
  for (const Region* r : {&a, &b}) {
    for (const Band& band : r->bands_) {
      ys.push_back(band.top);
      ys.push_back(band.bottom);
    }
  }
  std::sort(ys.begin(), ys.end());
  ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
  Region result;
  std::vector<int> row;
  size_t ia = 0, ib = 0;
  for (size_t k = 0; k + 1 < ys.size(); ++k) {
    const int y0 = ys[k], y1 = ys[k + 1];
    while (ia < a.bands_.size() && a.bands_[ia].bottom <= y0) ++ia;
    while (ib < b.bands_.size() && b.bands_[ib].bottom <= y0) ++ib;
    const std::vector<int>* sa = ia < a.bands_.size() && a.bands_[ia].top <= y0 ? &a.bands_[ia].xs : nullptr;
    const std::vector<int>* sb = ib < b.bands_.size() && b.bands_[ib].top <= y0 ? &b.bands_[ib].xs : nullptr;
    CombineSpans(sa, sb, op, row);
    result.AppendRows(y0, y1, row);
  }
  bands_ = std::move(result.bands_);
  return Kind();
}

int Region::Kind() const {
  if (bands_.empty()) return kRgnNull;
  return bands_.size() == 1 && bands_[0].xs.size() == 2 ? kRgnSimple : kRgnComplex;
}

Rect Region::Box() const {
  if (bands_.empty()) return {};
  Rect r{INT_MAX, bands_.front().top, INT_MIN, bands_.back().bottom};
  for (const Band& band : bands_) {
    r.left = std::min(r.left, band.xs.front());
    r.right = std::max(r.right, band.xs.back());
  }
  return r;
}

bool Region::Contains(Point p) const {
  for (const Band& band : bands_) {
    if (p.y < band.top || p.y >= band.bottom) continue;
    for (size_t i = 0; i + 1 < band.xs.size(); i += 2) {
      if (p.x >= band.xs[i] && p.x < band.xs[i + 1]) return true;
    }
  }
  return false;
}

void Region::Offset(int dx, int dy) {
  for (Band& band : bands_) {
    band.top += dy;
    band.bottom += dy;
    for (int& x : band.xs) x += dx;
  }
}

void Region::SendTo(SpanSink& sink, int dx, int dy, const Rect& clip) const {
  std::vector<int> xs;
  for (const Band& band : bands_) {
    xs.clear();
    for (size_t i = 0; i + 1 < band.xs.size(); i += 2) {
      const int x0 = std::max(band.xs[i] + dx, clip.left);
      const int x1 = std::min(band.xs[i + 1] + dx, clip.right);
      if (x0 < x1) {
        xs.push_back(x0);
        xs.push_back(x1);
      }
    }
    if (xs.empty()) continue;
    const int y0 = std::max(band.top + dy, clip.top);
    const int y1 = std::min(band.bottom + dy, clip.bottom);
    for (int y = y0; y < y1; ++y) sink.Row(y, xs.data(), int(xs.size()));
  }
}

}  // namespace tmb
