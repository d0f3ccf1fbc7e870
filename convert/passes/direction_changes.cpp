#include "convert/passes/direction_changes.h"

#include "convert/driver/marker_list.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_path.h"

namespace {

constexpr float kWayOnDistance = 4.0f;
constexpr double kMaxStraightAngle = 120.0;
// 0 or more counts as positive.
bool SameSign(float a, float b) { return (a >= 0) == (b >= 0); }

}  // namespace

int MarkDirectionChanges(CStrokePath& path) {
  gMarkers.EnablePosting(0);
  const int n = path.GetCount();
  uint8_t* flags = path.m_pFlags;
  const CFPoint* p = path.m_pPoints;
  for (int i = 0; i < n; ++i) {
    if (flags[i] == kFlagDirectionChange) flags[i] = 0;
  }
  if (n == 0) return 1;
  int previousSide = 0;
  int strokeLast = path.FindStrokeEnd(0);  // the last point of the stroke being walked
  CFPoint lastFlagged = p[0];
  for (int i = 0; i < n; ++i) {
    if (flags[i] == CStrokePath::kFlagStart) strokeLast = path.FindStrokeEnd(i);
    if (path.IsSectionLast(i) || i >= strokeLast) continue;
    // A step of no length counts as one below the diagonal, as its projection's x equals
    // its own.
    const CFPoint d = p[i + 1] - p[i];
    if (flags[i] != 0) lastFlagged = p[i];
    const int side = DiagonalSide(d);
    if (flags[i] != 0) {
      previousSide = side;
      continue;
    }
    if (side == previousSide) continue;
    previousSide = side;
    if (i >= strokeLast - 1) continue;
    CFPoint e(0, 0);
    path.WalkUntilDistance(i, 1, kWayOnDistance, e);
    const CFPoint b = p[i] - lastFlagged;
    if (SameSign(e.x, e.y) && SameSign(b.x, b.y) && SameSign(e.x, b.x)) {
      const int start = path.FindStrokeStart(i - 1);
      const int m = start >= i - 2 ? start : i - 2;
      if (JointAngleDegrees(d, p[i] - p[m], path.m_fParam) > kMaxStraightAngle) continue;
    }
    flags[i] = kFlagDirectionChange;
  }
  return 1;
}
