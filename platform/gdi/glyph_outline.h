// Glyph outlines in the native form of TrueType faces: closed contours of on-curve points
// and quadratic off-curve control points, in pixels at the font's size, y upwards from
// the baseline at the pen position. Two off-curve points in a row imply an on-curve point
// midway between them. Faces with cubic curves (the compact and PostScript formats) are
// given in the same form: each cubic is split into quadratics that keep within a quarter
// pixel of it. The record form groups each contour into a start point followed by line
// runs and quadratic spline runs, as glyph importers expect it.
#pragma once

#include <cstddef>
#include <vector>

#include "platform/gdi/font.h"
#include "platform/gdi/font_engine.h"

namespace tmb {

struct GlyphPoint {
  double x = 0;
  double y = 0;
  bool onCurve = true;
  friend bool operator==(const GlyphPoint&, const GlyphPoint&) = default;
};
using GlyphContour = std::vector<GlyphPoint>;

// The contours of code's glyph in font (a height of -256 gives a 256-pixel em); false
// when the font has no face. A blank glyph has no contours. advance receives the pen
// advance in pixels when given.
bool GetGlyphContours(const Font& font, char32_t code, std::vector<GlyphContour>& contours,
                      double* advance = nullptr);
// The same from the face in file; a character the face lacks is kNoGlyph (no contours),
// and an outline whose contours do not hold together is kRefused.
GlyphLoad GetGlyphContours(const FaceFile& file, const Font& font, char32_t code, std::vector<GlyphContour>& contours,
                           double* advance = nullptr);

struct GlyphVec {
  double x = 0;
  double y = 0;
  friend bool operator==(const GlyphVec&, const GlyphVec&) = default;
};

// The farthest a quadratic split of a cubic strays from it, in pixels.
constexpr double kCubicSplitTolerance = 0.25;

// Appends to out, for each quadratic piece that stands for the cubic p0 c1 c2 p3, its
// control point and its end point: n pieces over equal parameter steps, n the smallest
// that keeps every piece within tolerance of the cubic at the same parameter.
void SplitCubic(GlyphVec p0, GlyphVec c1, GlyphVec c2, GlyphVec p3, double tolerance, std::vector<GlyphVec>& out);

enum GlyphCurveType { kGlyphLine = 1, kGlyphQSpline = 2 };

// A run of one type: for lines every point is on the curve; for a quadratic spline every
// point but the last is a control point and the last lies on the curve.
struct GlyphCurve {
  int type = kGlyphLine;
  std::vector<GlyphVec> points;
};

// One contour: it starts at start and is closed; a closing straight edge back to start
// is implied, a closing spline ends on start.
struct GlyphPolygon {
  GlyphVec start;
  std::vector<GlyphCurve> curves;
};

std::vector<GlyphPolygon> ToGlyphRecords(const std::vector<GlyphContour>& contours);

// The size of the records in the packed native layout: 16 bytes per contour header,
// 4 per curve header and 8 per point.
size_t GlyphRecordBytes(const std::vector<GlyphPolygon>& polygons);

}  // namespace tmb
