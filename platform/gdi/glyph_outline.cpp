#include "platform/gdi/glyph_outline.h"

#include <algorithm>
#include <cmath>

namespace tmb {

namespace {

// More pieces than this are never needed by a glyph within the size limits of its readers.
constexpr int kMaxCubicPieces = 1024;

GlyphVec Lerp3(GlyphVec p0, GlyphVec c1, GlyphVec c2, GlyphVec p3, double t) {
  const double u = 1 - t;
  const double a = u * u * u, b = 3 * u * u * t, c = 3 * u * t * t, d = t * t * t;
  return {a * p0.x + b * c1.x + c * c2.x + d * p3.x, a * p0.y + b * c1.y + c * c2.y + d * p3.y};
}

GlyphVec Slope3(GlyphVec p0, GlyphVec c1, GlyphVec c2, GlyphVec p3, double t) {
  const double u = 1 - t;
  const double a = 3 * u * u, b = 6 * u * t, c = 3 * t * t;
  return {a * (c1.x - p0.x) + b * (c2.x - c1.x) + c * (p3.x - c2.x),
          a * (c1.y - p0.y) + b * (c2.y - c1.y) + c * (p3.y - c2.y)};
}

// The contour of raw points [begin, end] in quadratic form, cubics split; false when its
// cubic control points do not come in pairs between points on the curve.
bool QuadraticContour(const RawOutline& raw, int begin, int end, GlyphContour& out) {
  const int n = end - begin + 1;
  auto at = [&](int k) {
    const size_t i = size_t(begin + k % n);
    return GlyphPoint{double(raw.x[i]) / 64.0, double(raw.y[i]) / 64.0, bool(raw.onCurve[i])};
  };
  auto cubic = [&](int k) { return bool(raw.cubic[size_t(begin + k % n)]); };
  bool anyCubic = false;
  for (int k = 0; k < n; ++k) anyCubic = anyCubic || cubic(k);
  if (!anyCubic) {
    for (int k = 0; k < n; ++k) out.push_back(at(k));
    return true;
  }
  int s = 0;
  while (s < n && !at(s).onCurve) ++s;
  if (s == n) return false;
  out.push_back(at(s));
  std::vector<GlyphVec> pieces;
  // k counts the points after the start; at k == n the walk is back at the start, which
  // closes the contour without being written again.
  for (int k = 1; k <= n;) {
    const GlyphPoint p = at(s + k);
    if (!cubic(s + k)) {
      if (k < n) out.push_back(p);
      ++k;
      continue;
    }
    if (k + 2 > n || !cubic(s + k + 1) || !at(s + k + 2).onCurve || !out.back().onCurve) return false;
    const GlyphPoint c2 = at(s + k + 1), p3 = at(s + k + 2);
    pieces.clear();
    SplitCubic({out.back().x, out.back().y}, {p.x, p.y}, {c2.x, c2.y}, {p3.x, p3.y}, kCubicSplitTolerance, pieces);
    // The last end is p3 itself, written when the walk reaches it.
    for (size_t q = 0; q + 1 < pieces.size(); ++q) out.push_back({pieces[q].x, pieces[q].y, q % 2 == 1});
    k += 2;
  }
  return true;
}

// The contours of raw; false when one of them does not hold together.
bool ContoursOf(const RawOutline& raw, std::vector<GlyphContour>& contours) {
  int begin = 0;
  for (int end : raw.contourEnds) {
    if (end < begin || size_t(end) >= raw.x.size()) return false;
    GlyphContour contour;
    if (!QuadraticContour(raw, begin, end, contour)) return false;
    contours.push_back(std::move(contour));
    begin = end + 1;
  }
  return true;
}

}  // namespace

void SplitCubic(GlyphVec p0, GlyphVec c1, GlyphVec c2, GlyphVec p3, double tolerance, std::vector<GlyphVec>& out) {
  // A quadratic with the control point (3 (c1 + c2) - (p0 + p3)) / 4 strays from the cubic
  // by at most sqrt(3) / 36 times the cubic's third difference, which shrinks with the
  // cube of the piece's parameter length.
  const double dx = p3.x - 3 * c2.x + 3 * c1.x - p0.x, dy = p3.y - 3 * c2.y + 3 * c1.y - p0.y;
  const double error = std::sqrt(3.0) / 36.0 * std::hypot(dx, dy);
  int n = 1;
  if (tolerance > 0 && error > tolerance) {
    n = int(std::ceil(std::min(std::cbrt(error / tolerance), double(kMaxCubicPieces))));
  }
  for (int k = 0; k < n; ++k) {
    const double t0 = double(k) / n, t1 = double(k + 1) / n, h = (t1 - t0) / 3;
    const GlyphVec a = Lerp3(p0, c1, c2, p3, t0), b = k + 1 == n ? p3 : Lerp3(p0, c1, c2, p3, t1);
    const GlyphVec da = Slope3(p0, c1, c2, p3, t0), db = Slope3(p0, c1, c2, p3, t1);
    const GlyphVec q1{a.x + h * da.x, a.y + h * da.y}, q2{b.x - h * db.x, b.y - h * db.y};
    out.push_back({(3 * (q1.x + q2.x) - (a.x + b.x)) / 4, (3 * (q1.y + q2.y) - (a.y + b.y)) / 4});
    out.push_back(b);
  }
}

bool GetGlyphContours(const Font& font, char32_t code, std::vector<GlyphContour>& contours, double* advance) {
  contours.clear();
  RawOutline raw;
  if (!LoadGlyphOutline(font, code, raw)) return false;
  if (advance) *advance = raw.advance64 / 64.0;
  if (!ContoursOf(raw, contours)) contours.clear();
  return true;
}

GlyphLoad GetGlyphContours(const FaceFile& file, const Font& font, char32_t code, std::vector<GlyphContour>& contours,
                           double* advance) {
  contours.clear();
  RawOutline raw;
  const GlyphLoad load = LoadGlyphOutline(file, font, code, raw);
  if (load != GlyphLoad::kOk) return load;
  if (advance) *advance = raw.advance64 / 64.0;
  if (!ContoursOf(raw, contours)) {
    contours.clear();
    return GlyphLoad::kRefused;
  }
  return GlyphLoad::kOk;
}

std::vector<GlyphPolygon> ToGlyphRecords(const std::vector<GlyphContour>& contours) {
  std::vector<GlyphPolygon> out;
  for (const GlyphContour& c : contours) {
    const size_t n = c.size();
    if (n == 0) continue;
    GlyphPolygon poly;
    // The walk starts at the first on-curve point; a contour of control points only starts
    // at the point implied between its last and first points.
    size_t s = 0;
    while (s < n && !c[s].onCurve) ++s;
    std::vector<GlyphPoint> walk;
    if (s == n) {
      poly.start = {(c[n - 1].x + c[0].x) / 2, (c[n - 1].y + c[0].y) / 2};
      walk = c;
      walk.push_back({poly.start.x, poly.start.y, true});
    } else {
      poly.start = {c[s].x, c[s].y};
      for (size_t k = 1; k <= n; ++k) walk.push_back(c[(s + k) % n]);
    }
    std::vector<GlyphVec> controls;
    for (size_t k = 0; k < walk.size(); ++k) {
      const GlyphPoint& p = walk[k];
      const bool closing = k + 1 == walk.size();
      if (!p.onCurve) {
        controls.push_back({p.x, p.y});
        continue;
      }
      if (!controls.empty()) {
        controls.push_back({p.x, p.y});
        poly.curves.push_back({kGlyphQSpline, std::move(controls)});
        controls.clear();
      } else if (!closing) {
        if (poly.curves.empty() || poly.curves.back().type != kGlyphLine) poly.curves.push_back({kGlyphLine, {}});
        poly.curves.back().points.push_back({p.x, p.y});
      }
    }
    out.push_back(std::move(poly));
  }
  return out;
}

size_t GlyphRecordBytes(const std::vector<GlyphPolygon>& polygons) {
  size_t bytes = 0;
  for (const GlyphPolygon& p : polygons) {
    bytes += 16;
    for (const GlyphCurve& c : p.curves) bytes += 4 + 8 * c.points.size();
  }
  return bytes;
}

}  // namespace tmb
