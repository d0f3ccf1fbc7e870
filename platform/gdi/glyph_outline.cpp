#include "platform/gdi/glyph_outline.h"

#include "platform/gdi/font_engine.h"

namespace tmb {

bool GetGlyphContours(const Font& font, char32_t code, std::vector<GlyphContour>& contours, double* advance) {
  contours.clear();
  RawOutline raw;
  if (!LoadGlyphOutline(font, code, raw)) return false;
  if (advance) *advance = raw.advance64 / 64.0;
  int begin = 0;
  for (int end : raw.contourEnds) {
    if (end < begin || size_t(end) >= raw.x.size()) break;
    GlyphContour contour;
    for (int i = begin; i <= end; ++i) {
      contour.push_back({raw.x[size_t(i)] / 64.0, raw.y[size_t(i)] / 64.0, raw.onCurve[size_t(i)]});
    }
    if (!contour.empty()) contours.push_back(std::move(contour));
    begin = end + 1;
  }
  return true;
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
