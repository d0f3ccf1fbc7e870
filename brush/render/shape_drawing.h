// Small shape painters with a one-pixel black geometric pen of bevel joins: lines,
// ellipses, circles, pixels, waves, arrow heads and brackets between two points, and the
// position of a point along a gradient.
#pragma once

#include "core/geometry/fpoint.h"
#include "platform/gdi/device_context.h"

// The kinds of shapes.
enum ShapeKind { kShapeLine = 1, kShapeCircle = 2, kShapeWave = 3, kShapeArrowMid = 4, kShapeArrowStart = 5,
                 kShapeBracket = 6, kShapePixel = 7 };

// Kind 1 a line from (x1, y1) to (x2, y2), 2 the ellipse in that box, 7 one black pixel at
// (x1, y1); the pen found is restored.
void DrawShapePrimitive(tmb::DeviceContext* pDC, int x1, int y1, int x2, int y2, int kind);
void DrawCircleAt(tmb::DeviceContext* pDC, int x, int y, int r, int kind);
void DrawPolyline3(tmb::DeviceContext* pDC, tmb::Point p1, tmb::Point p2, tmb::Point p3);

// The point t along (dx, dy) scaled by t / length from (x, y), turned a quarter when
// flip ((-dy, dx) instead); a length of 0 gives (x, y).
CFPoint ArrowPoint(float x, float y, float dx, float dy, float t, float length, int flip);
// The two points at +t and -t across the direction.
void ArrowSidePoints(float x, float y, float dx, float dy, float t, float length, CFPoint& a, CFPoint& b);

// A shape of size between two points (see ShapeKind); two equal points draw one pixel.
// Returns the distance between them.
float DrawShapeBetween(tmb::DeviceContext* pDC, int x1, int y1, int x2, int y2, int size, int kind);

// Mode 0 returns fallback; else a position p (1 pos, 2 span - pos, 3 2 |span / 2 - pos|,
// 4 span - 2 |span / 2 - pos|, others 0) becomes p x range / span + fallback - range,
// never below 0. A span of 0 gives fallback.
int GradientPosition(int pos, int fallback, int range, int span, int mode);
