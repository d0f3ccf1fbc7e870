// Lines, polygons, rectangles, ellipses, regions and single pixels of a device context.
#include <algorithm>
#include <cmath>
#include <vector>

#include "platform/gdi/device_context.h"
#include "platform/gdi/ellipse_spans.h"

namespace tmb {
namespace {

// Dash patterns of styled one-pixel pens: lengths of drawn and skipped runs.
struct DashPattern {
  int lengths[6];
  int count;
};
constexpr DashPattern kDash{{6, 2}, 2};
constexpr DashPattern kDot{{2, 2}, 2};
constexpr DashPattern kDashDot{{6, 2, 2, 2}, 4};
constexpr DashPattern kDashDotDot{{6, 2, 2, 2, 2, 2}, 6};

const DashPattern* PatternOf(int style) {
  switch (style) {
    case kPenDash: return &kDash;
    case kPenDot: return &kDot;
    case kPenDashDot: return &kDashDot;
    case kPenDashDotDot: return &kDashDotDot;
    default: return nullptr;
  }
}

// A multiple of every pattern's period, so that step counts can wrap.
constexpr int kDashPeriods = 48;

// Whether step number step of a pattern falls in a drawn run.
bool DashOn(const DashPattern& p, int step) {
  int period = 0;
  for (int i = 0; i < p.count; ++i) period += p.lengths[i];
  int s = step % period;
  for (int i = 0; i < p.count; ++i) {
    if (s < p.lengths[i]) return (i & 1) == 0;
    s -= p.lengths[i];
  }
  return true;
}

// The pixels of a disc of diameter width around the centre of pixel c.
void AddDisc(Point c, int width, SpanList& out) {
  const double h = width / 2.0;
  const double cx = c.x + 0.5, cy = c.y + 0.5;
  const int y0 = std::max(int(std::floor(cy - h)), out.top());
  const int y1 = std::min(int(std::ceil(cy + h)), out.bottom() - 1);
  for (int y = y0; y <= y1; ++y) {
    const double dy = y + 0.5 - cy;
    if (dy * dy > h * h) continue;
    const double half = std::sqrt(h * h - dy * dy);
    out.Add(y, int(std::ceil(cx - half - 0.5)), int(std::floor(cx + half - 0.5)) + 1);
  }
}

void AddPolygon(std::initializer_list<FixedPoint> pts, const Rect& clip, SpanList& out) {
  std::vector<FixedPoint> v(pts);
  const int counts[] = {int(v.size())};
  ScanPolygons(v, counts, kWinding, clip, out);
}

// What the thin segments of one polyline share, made once for all of them: the outlines
// of a supersampled character are thousands of segments of two to four pixels, and making
// the pens and bounds for every segment took a fifth of their instructions.
struct ThinPens {
  Rect clip;
  SpanPainter pen;
  SpanPainter gap;
  const DashPattern* pattern;
  bool paintGaps;
};

// One thin segment from device point a to b with the pens of its polyline; step counts
// the pattern's steps along the polyline.
void ThinSegment(ThinPens& t, Point a, Point b, int& step) {
  const int64_t dx = int64_t(b.x) - a.x, dy = int64_t(b.y) - a.y;
  const int64_t adx = dx < 0 ? -dx : dx, ady = dy < 0 ? -dy : dy;
  const int64_t n = std::max(adx, ady);
  if (n == 0) return;
  const Rect& clip = t.clip;
  const bool xMajor = adx >= ady;
  const int64_t minor = xMajor ? dy : dx;
  const int64_t aminor = minor < 0 ? -minor : minor;
  const int sMajor = (xMajor ? dx : dy) < 0 ? -1 : 1;
  const int sMinor = minor < 0 ? -1 : 1;
  // Only the steps whose major coordinate lies on the surface are walked.
  const int64_t start = xMajor ? a.x : a.y;
  const int64_t lo = xMajor ? clip.left : clip.top, hi = xMajor ? clip.right : clip.bottom;
  int64_t i0 = sMajor > 0 ? lo - start : start - hi + 1;
  int64_t i1 = sMajor > 0 ? hi - start : start - lo + 1;
  i0 = std::max<int64_t>(i0, 0);
  i1 = std::min<int64_t>(i1, n);
  // Pixel i of n: the major coordinate steps by one, the minor one is the exact position
  // rounded (halves away from the start), m = (2 i aminor + n) / (2 n); the end point
  // itself is left out. m is stepped with its remainder, not divided out at every pixel.
  const int64_t den = 2 * n;
  int64_t m = (2 * i0 * aminor + n) / den;
  int64_t rest = (2 * i0 * aminor + n) % den;
  for (int64_t i = i0; i < i1; ++i) {
    if (i > i0) {
      rest += 2 * aminor;
      if (rest >= den) {
        rest -= den;
        ++m;
      }
    }
    const int64_t px = xMajor ? a.x + sMajor * i : a.x + sMinor * m;
    const int64_t py = xMajor ? a.y + sMinor * m : a.y + sMajor * i;
    if (px < clip.left || px >= clip.right || py < clip.top || py >= clip.bottom) continue;
    if (!t.pattern) {
      t.pen.Pixel(int(py), int(px));
      continue;
    }
    if (DashOn(*t.pattern, int((step + i) % kDashPeriods))) {
      t.pen.Pixel(int(py), int(px));
    } else if (t.paintGaps) {
      t.gap.Pixel(int(py), int(px));
    }
  }
  if (t.pattern) step = int((step + n) % kDashPeriods);
}

// Wider pens are drawn this wide.
constexpr int kMaxPenWidth = 4096;

}  // namespace

void DeviceContext::PaintSpans(const SpanList& spans, Colour colour, int mode) {
  if (!surface_) return;
  SpanPainter painter(*surface_, colour, mode);
  spans.SendTo(painter);
}

Point DeviceContext::MoveTo(int x, int y) {
  styleStep_ = 0;
  return std::exchange(position_, Point{x, y});
}

bool DeviceContext::LineTo(int x, int y) {
  const Point from = position_;
  position_ = {x, y};
  if (!surface_) return false;
  if (pen_.IsNull()) return true;
  const Point pts[] = {from, {x, y}};
  StrokePolyline(pts, false);
  return true;
}

bool DeviceContext::Polyline(std::span<const Point> points) {
  if (!surface_) return false;
  if (points.size() < 2 || pen_.IsNull()) return true;
  const int saved = styleStep_;
  styleStep_ = 0;
  StrokePolyline(points, false);
  styleStep_ = saved;
  return true;
}

void DeviceContext::StrokePolyline(std::span<const Point> points, bool closed) {
  if (pen_.IsWide()) {
    WideLines(points, closed, !closed);
    return;
  }
  if (points.size() < 2) return;
  const DashPattern* pattern = PatternOf(pen_.style);
  ThinPens pens{Clip(), SpanPainter(*surface_, pen_.colour, drawMode_),
                SpanPainter(*surface_, backgroundColour_, drawMode_), pattern,
                pattern && backgroundMode_ == kOpaque && Rop2UsesPen(drawMode_)};
  const Point first = ToDevice(points[0].x, points[0].y);
  Point a = first;
  for (size_t i = 1; i < points.size(); ++i) {
    const Point b = ToDevice(points[i].x, points[i].y);
    ThinSegment(pens, a, b, styleStep_);
    a = b;
  }
  if (closed) ThinSegment(pens, a, first, styleStep_);
}


void DeviceContext::WideLines(std::span<const Point> points, bool closed, bool caps) {
  const int w = std::min(pen_.width, kMaxPenWidth);
  const double h = w / 2.0;
  std::vector<Point> pts;
  pts.reserve(points.size());
  for (const Point& p : points) {
    const Point d = ToDevice(p.x, p.y);
    if (pts.empty() || !(pts.back() == d)) pts.push_back(d);
  }
  if (closed && pts.size() > 2 && pts.front() == pts.back()) pts.pop_back();
  const Rect clip = Clip();
  Rect box{clip.right, clip.bottom, clip.left, clip.top};
  for (const Point& p : pts) {
    box.left = std::min(box.left, p.x - w);
    box.top = std::min(box.top, p.y - w);
    box.right = std::max(box.right, p.x + w + 1);
    box.bottom = std::max(box.bottom, p.y + w + 1);
  }
  const Rect rows = Rect::Intersection(box, clip);
  if (rows.IsEmpty()) return;
  SpanList spans;
  spans.Reset(rows.top, rows.bottom);
  auto centre = [](Point p) { return std::pair<double, double>(p.x + 0.5, p.y + 0.5); };
  auto normal = [h](Point a, Point b) {
    const double dx = double(b.x) - a.x, dy = double(b.y) - a.y;
    const double len = std::sqrt(dx * dx + dy * dy);
    return std::pair<double, double>(-dy / len * h, dx / len * h);
  };
  if (pts.size() == 1) {
    if (caps && pen_.endCap == kCapRound) AddDisc(pts[0], w, spans);
    if (caps && pen_.endCap == kCapSquare) {
      const auto [cx, cy] = centre(pts[0]);
      AddPolygon({ToFixed(cx - h, cy - h), ToFixed(cx + h, cy - h), ToFixed(cx + h, cy + h), ToFixed(cx - h, cy + h)},
                 rows, spans);
    }
  }
  const size_t segments = closed ? pts.size() : pts.size() - 1;
  for (size_t i = 0; i < segments && pts.size() > 1; ++i) {
    const Point a = pts[i], b = pts[(i + 1) % pts.size()];
    auto [ax, ay] = centre(a);
    auto [bx, by] = centre(b);
    const auto [nx, ny] = normal(a, b);
    if (caps && pen_.endCap == kCapSquare) {
      // The square cap lengthens the line by half its width at each open end.
      if (i == 0) {
        ax -= ny;
        ay += nx;
      }
      if (i + 1 == segments) {
        bx += ny;
        by -= nx;
      }
    }
    AddPolygon({ToFixed(ax + nx, ay + ny), ToFixed(bx + nx, by + ny), ToFixed(bx - nx, by - ny), ToFixed(ax - nx, ay - ny)},
               rows, spans);
  }
  // Joins where two segments meet.
  const size_t first = closed ? 0 : 1;
  const size_t last = closed ? pts.size() : pts.size() - 1;
  for (size_t i = first; i < last && pts.size() > 2; ++i) {
    const Point prev = pts[(i + pts.size() - 1) % pts.size()], v = pts[i], next = pts[(i + 1) % pts.size()];
    if (pen_.join == kJoinRound) {
      AddDisc(v, w, spans);
      continue;
    }
    const auto [cx, cy] = centre(v);
    const auto [n1x, n1y] = normal(prev, v);
    const auto [n2x, n2y] = normal(v, next);
    AddPolygon({ToFixed(cx, cy), ToFixed(cx + n1x, cy + n1y), ToFixed(cx + n2x, cy + n2y)}, rows, spans);
    AddPolygon({ToFixed(cx, cy), ToFixed(cx - n2x, cy - n2y), ToFixed(cx - n1x, cy - n1y)}, rows, spans);
  }
  if (caps && pen_.endCap == kCapRound && pts.size() > 1) {
    AddDisc(pts.front(), w, spans);
    AddDisc(pts.back(), w, spans);
  }
  spans.Normalise();
  PaintSpans(spans, pen_.colour, drawMode_);
}

void DeviceContext::FillPolygons(std::span<const Point> points, std::span<const int> counts) {
  if (brush_.IsNull()) return;
  std::vector<FixedPoint> fixed;
  fixed.reserve(points.size());
  for (const Point& p : points) fixed.push_back(ToFixed(ToDevice(p.x, p.y)));
  SpanPainter painter(*surface_, brush_.colour, drawMode_);
  ScanPolygons(fixed, counts, polyFillMode_, Clip(), painter);
}

bool DeviceContext::Polygon(std::span<const Point> points) {
  const int counts[] = {int(points.size())};
  return PolyPolygon(points, counts);
}

bool DeviceContext::PolyPolygon(std::span<const Point> points, std::span<const int> counts) {
  if (!surface_) return false;
  size_t total = 0;
  for (int n : counts) {
    if (n < 0) return false;
    total += size_t(n);
  }
  if (total > points.size()) return false;
  FillPolygons(points, counts);
  if (!pen_.IsNull()) {
    const int saved = styleStep_;
    size_t base = 0;
    for (int n : counts) {
      styleStep_ = 0;
      StrokePolyline(points.subspan(base, size_t(n)), true);
      base += size_t(n);
    }
    styleStep_ = saved;
  }
  return true;
}

bool DeviceContext::Rectangle(int left, int top, int right, int bottom) {
  if (!surface_) return false;
  Rect r = ToDevice(Rect{left, top, right, bottom});
  r.Normalize();
  if (r.IsEmpty()) return true;
  const Rect clip = Clip();
  SpanList outline, interior;
  Rect inner = r;
  const bool styledOutline = !pen_.IsNull() && !pen_.IsWide() && pen_.style != kPenSolid && r.Width() > 2 &&
                             r.Height() > 2;
  if (!pen_.IsNull() && !styledOutline) {
    const int w = std::clamp(pen_.width, 1, kMaxPenWidth);
    const int lo = w / 2;
    const Rect outer{r.left - lo, r.top - lo, r.right - 1 - lo + w, r.bottom - 1 - lo + w};
    inner = {r.left - lo + w, r.top - lo + w, r.right - 1 - lo, r.bottom - 1 - lo};
    const Rect rows = Rect::Intersection(outer, clip);
    outline.Reset(rows.top, rows.bottom);
    for (int y = rows.top; y < rows.bottom; ++y) {
      if (inner.IsEmpty() || y < inner.top || y >= inner.bottom) {
        outline.Add(y, outer.left, outer.right);
      } else {
        outline.Add(y, outer.left, inner.left);
        outline.Add(y, inner.right, outer.right);
      }
    }
  } else if (styledOutline) {
    inner = {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  }
  if (!brush_.IsNull() && !inner.IsEmpty()) {
    const Rect rows = Rect::Intersection(inner, clip);
    interior.Reset(rows.top, rows.bottom);
    for (int y = rows.top; y < rows.bottom; ++y) interior.Add(y, inner.left, inner.right);
    PaintSpans(interior, brush_.colour, drawMode_);
  }
  if (styledOutline) {
    // A dashed frame runs round the border pixels once, so each is drawn once.
    const Point saved = origin_;
    origin_ = {};
    const Point corners[] = {{r.left, r.top}, {r.right - 1, r.top}, {r.right - 1, r.bottom - 1}, {r.left, r.bottom - 1}};
    const int savedStep = std::exchange(styleStep_, 0);
    StrokePolyline(corners, true);
    styleStep_ = savedStep;
    origin_ = saved;
  } else {
    PaintSpans(outline, pen_.colour, drawMode_);
  }
  return true;
}

bool DeviceContext::Ellipse(int left, int top, int right, int bottom) {
  if (!surface_) return false;
  Rect r = ToDevice(Rect{left, top, right, bottom});
  r.Normalize();
  const Rect clip = Clip();
  if (Rect::Intersection(Rect{r.left - kMaxPenWidth, r.top - kMaxPenWidth, r.right + kMaxPenWidth,
                              r.bottom + kMaxPenWidth}, clip).IsEmpty()) {
    return true;
  }
  SpanList outline, interior;
  if (pen_.IsNull()) {
    EllipseSpans(r, clip.top, clip.bottom, interior);
  } else {
    EllipseOutlineAndInterior(r, std::min(pen_.width, kMaxPenWidth), clip.top, clip.bottom, outline, interior);
  }
  if (!brush_.IsNull()) PaintSpans(interior, brush_.colour, drawMode_);
  if (!pen_.IsNull()) PaintSpans(outline, pen_.colour, drawMode_);
  return true;
}

void DeviceContext::FillRect(const Rect& rect, const Brush& brush) {
  if (!surface_ || brush.IsNull()) return;
  const Rect r = Rect::Intersection(ToDevice(rect), Clip());
  SpanPainter painter(*surface_, brush.colour, kR2CopyPen);
  for (int y = r.top; y < r.bottom; ++y) painter.Span(y, r.left, r.right);
}

void DeviceContext::FillSolidRect(const Rect& rect, Colour colour) { FillRect(rect, Brush::Solid(colour)); }

void DeviceContext::FrameRect(const Rect& rect, const Brush& brush) {
  if (rect.IsEmpty()) return;
  FillRect({rect.left, rect.top, rect.right, rect.top + 1}, brush);
  FillRect({rect.left, rect.bottom - 1, rect.right, rect.bottom}, brush);
  FillRect({rect.left, rect.top + 1, rect.left + 1, rect.bottom - 1}, brush);
  FillRect({rect.right - 1, rect.top + 1, rect.right, rect.bottom - 1}, brush);
}

bool DeviceContext::FillRegion(const Region& region, const Brush& brush) {
  if (!surface_) return false;
  if (brush.IsNull()) return true;
  SpanPainter painter(*surface_, brush.colour, kR2CopyPen);
  region.SendTo(painter, origin_.x, origin_.y, Clip());
  return true;
}

bool DeviceContext::PaintRegion(const Region& region) {
  if (!surface_) return false;
  if (brush_.IsNull()) return true;
  SpanPainter painter(*surface_, brush_.colour, drawMode_);
  region.SendTo(painter, origin_.x, origin_.y, Clip());
  return true;
}

bool DeviceContext::InvertRegion(const Region& region) {
  if (!surface_) return false;
  SpanPainter painter(*surface_, 0, kR2Not);
  region.SendTo(painter, origin_.x, origin_.y, Clip());
  return true;
}

Colour DeviceContext::SetPixel(int x, int y, Colour colour) {
  if (!surface_) return kInvalidColour;
  const Point d = ToDevice(x, y);
  if (!surface_->Bounds().Contains(d)) return kInvalidColour;
  surface_->SetPixel(d.x, d.y, colour);
  return surface_->GetPixel(d.x, d.y);
}

Colour DeviceContext::GetPixel(int x, int y) const {
  if (!surface_) return kInvalidColour;
  const Point d = ToDevice(x, y);
  return surface_->GetPixel(d.x, d.y);
}

}  // namespace tmb
