// Strokes drawn as polylines for the conversion's analysis tests: each stroke is sampled
// densely along its corners, as a pen would record it, so index counts stand for lengths.
#pragma once

#include <initializer_list>
#include <vector>

#include "core/geometry/fpoint.h"

class CStrokePath;

namespace tmb::test {

// Appends a stroke through the corners, a point every `step` pixels along each leg (the
// corners themselves included), its first point flagged 1. Throws when the path is full.
// Returns the index of its first point.
int AddPolyline(CStrokePath& path, std::initializer_list<CFPoint> corners, float step = 1.0f);
int AddPolyline(CStrokePath& path, const std::vector<CFPoint>& corners, float step = 1.0f);
// The same; cornerIndices receives the index of the point at each corner.
int AddPolyline(CStrokePath& path, const std::vector<CFPoint>& corners, float step, std::vector<int>& cornerIndices);

}  // namespace tmb::test
