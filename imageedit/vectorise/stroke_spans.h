// The strokes of a traced path as index spans, for the passes that mend them.
#pragma once

#include <vector>

#include "core/geometry/fpoint.h"
#include "core/path/stroke_path.h"

struct StrokeSpan {
  int first;
  int last;
};

// Every stroke of path, first to last point.
std::vector<StrokeSpan> ListStrokeSpans(const CStrokePath& path);

// The squared length of a - b.
inline float SquaredDistance(const CFPoint& a, const CFPoint& b) {
  const float dx = a.x - b.x, dy = a.y - b.y;
  return dx * dx + dy * dy;
}
