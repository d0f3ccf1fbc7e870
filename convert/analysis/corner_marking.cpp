#include "convert/analysis/corner_marking.h"

#include <algorithm>

#include "core/geometry/point_distance.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_path.h"

namespace {

constexpr float kEdgeDistance = 8.0f;
constexpr double kNearCorner2 = 64.0;   // d at most 8 long
constexpr double kLongEdge2 = 1024.0;   // e longer than 32
constexpr double kCloseCorners2 = 4.0;  // corners within 2
constexpr float kCornerDegrees = 165.0f;
constexpr uint8_t kCorner = CStrokePath::kAttrDefault;
constexpr uint8_t kBetween = CStrokePath::kAttrSkip;

int Sign(float v) { return v > 0 ? 1 : v < 0 ? -1 : 0; }

double Length2(const CFPoint& v) { return SquaredDistance(CFPoint(0, 0), v); }

// A direction known since the last corner that e no longer keeps: it runs the other way,
// or stops (so a square's corners are found where one side ends).
bool Leaves(int tracked, int now) { return tracked != 0 && now != tracked; }

}  // namespace

CFPoint FarEdgeVector(const CStrokePath& path, int i, float distance, int strokeFirst, int strokeLast) {
  if (i < 0 || i >= path.GetCount()) return {0, 0};
  const bool cyclic = strokeFirst >= 0;
  const int last = cyclic && strokeLast >= 0 ? strokeLast : path.FindStrokeEnd(i);
  const double limit2 = double(distance) * distance;
  CFPoint v(0, 0);
  int j = i;
  for (int k = 1; k <= 2; ++k) {
    if (j < last) {
      ++j;
    } else if (cyclic) {
      j = strokeFirst;
    }
    v = path.m_pPoints[j] - path.m_pPoints[i];
    if (Length2(v) > limit2) break;
  }
  return v;
}

void MarkCorners(CStrokePath& path) {
  const int count = path.GetCount();
  const CFPoint* p = path.m_pPoints;
  uint8_t* attrs = path.m_pAttrs;
  const float cornerAngle = path.m_fParam * kCornerDegrees / 180.0f;
  int c = 0;
  int sx = 0, sy = 0;
  bool nextIsCorner = false;
  for (int i = 0; i < count; ++i) {
    if (i == 0 || path.m_pFlags[i] != 0) {
      attrs[i] = kCorner;
      c = i;
      sx = sy = 0;
      nextIsCorner = false;
      continue;
    }
    attrs[i] = kBetween;
    const CFPoint d = p[i] - p[c];
    const CFPoint e = FarEdgeVector(path, i, kEdgeDistance, -1, -1);
    const bool noEdge = e == CFPoint(0, 0);
    bool corner = nextIsCorner;
    bool directionsFromE = false;
    nextIsCorner = false;
    if (!corner && sx == 0 && sy == 0) {
      const bool nearC = i - c <= 1 && Length2(d) <= kNearCorner2;
      corner = !nearC && !noEdge && VectorAngle(d.x, d.y, e.x, e.y, kAngleFirstReversed) < cornerAngle;
    }
    // A point with no edge ahead (a stroke's last point) leaves every direction known
    // since the last corner: it is a corner once one is known.
    if (!corner) {
      if (Leaves(sx, Sign(e.x)) || Leaves(sy, Sign(e.y))) {
        corner = directionsFromE = true;
      } else {
        if (sx == 0) sx = Sign(e.x);
        if (sy == 0) sy = Sign(e.y);
      }
    }
    if (Length2(e) > kLongEdge2) {
      corner = nextIsCorner = true;
      directionsFromE = false;
    }
    if (corner) {
      attrs[i] = kCorner;
      c = i;
      sx = directionsFromE ? Sign(e.x) : 0;
      sy = directionsFromE ? Sign(e.y) : 0;
    }
  }

  // Corners too close to the next one of their stroke give way to it.
  for (int i = 1; i < count; ++i) {
    if (attrs[i] != kCorner || path.m_pFlags[i] != 0) continue;
    const int last = path.FindStrokeEnd(i);
    int next = i + 1;
    while (next <= last && attrs[next] != kCorner) ++next;
    if (next <= last && SquaredDistance(p[i], p[next]) <= kCloseCorners2) attrs[i] = kBetween;
  }
}
