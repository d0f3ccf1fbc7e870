#include "convert/analysis/width_measurement.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <memory>

#include "convert/analysis/side_points.h"
#include "convert/analysis/weight_cleaning.h"
#include "convert/driver/path_resampling.h"
#include "core/geometry/point_distance.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_path_ex.h"
#include "core/path/stroke_work.h"

int gOutlineGuideHits = 0;

namespace {

constexpr float kMeasureSpacing = 3.0f;
constexpr float kShortEndSegment = 2.0f;
constexpr int kJumpFilterLimit = 16;
constexpr double kSmallPreviousJump2 = 2.0;
constexpr int kJumpEndPoints = 4;
constexpr int kGuideLength = 48;
constexpr double kGuideSegment2 = 2304.0;
constexpr float kGuideDegrees = 140.0f;
constexpr double kGuideMiddle2 = 16.0;
constexpr double kTouching2 = 4.0;
constexpr double kFarAway2 = 1e8;
constexpr double kStraightTolerance = 0.001;
constexpr int kSideUpdateA = 0, kSideUpdateB = 25;

// The geometry of one point: its normal line cur-m and the writing direction that tells
// the two hands apart.
struct PointFrame {
  int kind = kSideInner;
  CFPoint cur{0, 0};
  CFPoint m{0, 0};
  double dx = 0, dy = 0;

  bool OnFirstHand(const CFPoint& h) const {
    return dx * (double(cur.y) - h.y) - dy * (double(cur.x) - h.x) <= 0;
  }
};

PointFrame FrameOf(const CStrokePathEx& path, int i) {
  PointFrame f;
  f.kind = (i == 0 || path.m_pFlags[i] != 0) ? kSideStrokeStart : path.IsStrokeLast(i) ? kSideSectionEnd : kSideInner;
  f.cur = path.m_pPoints[i];
  const CFPoint prev = f.kind == kSideStrokeStart ? f.cur : path.m_pPoints[i - 1];
  // A stroke of one point takes its direction from the next stroke's start; the path's
  // last point has no point after it and takes itself.
  const CFPoint next = i + 1 < path.GetCount() ? path.m_pPoints[i + 1] : f.cur;
  const double ax = double(prev.x) - f.cur.x, ay = double(prev.y) - f.cur.y;
  const double bx = double(f.cur.x) - next.x, by = double(f.cur.y) - next.y;
  const double la = std::hypot(ax, ay), lb = std::hypot(bx, by);
  // Coincident neighbours leave the chord point on cur, where the straight-run rule takes
  // over.
  const double ratio = la + lb > 0 ? la / (la + lb) : 0.0;
  double mx = prev.x + (double(next.x) - prev.x) * ratio, my = prev.y + (double(next.y) - prev.y) * ratio;
  if (f.kind == kSideStrokeStart) {
    mx = f.cur.x - by;
    my = f.cur.y + bx;
  } else if (f.kind == kSideSectionEnd ||
             (std::fabs(mx - f.cur.x) <= kStraightTolerance && std::fabs(my - f.cur.y) <= kStraightTolerance)) {
    mx = f.cur.x + ay;
    my = f.cur.y - ax;
  }
  f.m = CFPoint(float(mx), float(my));
  f.dx = f.kind == kSideStrokeStart ? bx : ax;
  f.dy = f.kind == kSideStrokeStart ? by : ay;
  return f;
}

// The guide step of a stroke end: true when a guide segment was taken.
bool TakeGuideSegment(CStrokePathEx& path, int i, const PointFrame& f, const CStrokeWork& guide) {
  const float minAngle = path.m_fParam * kGuideDegrees / 180.0f;
  for (int k = 0; k < guide.GetCount(); ++k) {
    const int t = guide.NextInStroke(k, -1);
    if (guide.m_pAttrs[k] == CStrokePath::kAttrSkip || guide.m_pAttrs[t] == CStrokePath::kAttrSkip) continue;
    const CFPoint gk = guide.m_pPoints[k], gt = guide.m_pPoints[t];
    if (SquaredDistance(gk, gt) >= kGuideSegment2) continue;
    if (!CStrokePath::CornerSidesFit(gk, f.cur, gt, kGuideLength)) continue;
    // The interior angle at the point: near 180 degrees when it lies on the segment.
    const CFPoint in = f.cur - gk, on = gt - f.cur;
    if (!(VectorAngle(in.x, in.y, on.x, on.y, kAngleFirstReversed) > minAngle)) continue;
    const CFPoint middle = (gk + gt) / 2.0f;
    if (SquaredDistance(middle, f.cur) < kGuideMiddle2) path.m_pPoints[i] = middle;
    for (const CFPoint& h : {gk, gt}) (f.OnFirstHand(h) ? path.m_pSide1 : path.m_pSide2)[i] = h;
    ++gOutlineGuideHits;
    path.m_pGuideMarks[i] = 1;
    return true;
  }
  return false;
}

// The side point of one hand after the jump filter; q carries the squared distance of
// the point before.
void FilterJump(CFPoint& side, const CFPoint& point, double limit2, bool keepAnyway, int pointsToEnd, double& q) {
  double now = SquaredDistance(side, point);
  const bool keep = now <= limit2 && (keepAnyway || (pointsToEnd >= kJumpEndPoints && q <= kSmallPreviousJump2) ||
                                      now <= 2 * q);
  if (!keep) {
    side = point;
    now = 0;
  }
  q = now;
}

}  // namespace

int MeasureStrokeWidths(CStrokePathEx& path, const CStrokePath& src, CStrokeWork& guide, int d, CStrokePath* outline) {
  path.CopyFrom(src);
  {
    // The measurement spacing is fixed, whatever stroke lengths would ask for.
    ScopedUnitPass fixedSpacing(0);
    ResamplePath(path, kMeasureSpacing, kResampleAllEnds, -1);
  }
  path.DropShortEndSegments(kShortEndSegment);
  std::unique_ptr<CStrokePath> ownOutline;
  if (!outline) {
    ownOutline = std::make_unique<CStrokePath>();
    outline = ownOutline.get();
  }
  guide.FillOutlines(nullptr, 0, 0, 0, outline, 1.0f, 0);
  path.SetExtraPointsTo(-1.0f);
  gOutlineGuideHits = 0;
  FitSidesToOutline(path, *outline, &guide, d);
  return 1;
}

int FitSidesToOutline(CStrokePathEx& path, const CStrokePath& outline, const CStrokeWork* guide, int d) {
  const int count = path.GetCount();
  std::fill_n(path.m_pGuideMarks, count, uint8_t{0});
  const bool filter = std::abs(int64_t{d}) >= kJumpFilterLimit;
  const double limit2 = double(d) * d;
  double q1 = 0, q2 = 0;
  for (int i = 0, s = 0, e = -1; i < count; ++i) {
    if (i > e) {
      s = i;
      e = path.FindStrokeEnd(i);
    }
    path.m_pSide1[i] = path.m_pSide2[i] = path.m_pPoints[i];
    FindSidePointsOnOutline(path, outline, i, guide);
    if (filter) {
      const CFPoint p = path.m_pPoints[i];
      FilterJump(path.m_pSide1[i], p, limit2, i <= s, e - i, q1);
      FilterJump(path.m_pSide2[i], p, limit2, i <= s, e - i, q2);
    }
  }
  BuildStrokeOutlines(path);
  path.ComputeWeights();
  CleanCrossingNormals(path);
  if (d > 0) ClampWeights(path, -1.0f, float(d));
  return UpdateSidePoints(path, 0, guide ? 1 : 0, kSideUpdateA, kSideUpdateB);
}

int FindSidePointsOnOutline(CStrokePathEx& path, const CStrokePath& outline, int i, const CStrokeWork* guide) {
  if (i < 0 || i >= path.GetCount()) return 1;
  const PointFrame f = FrameOf(path, i);
  const bool strokeEnd = f.kind != kSideInner;
  if (strokeEnd && guide && TakeGuideSegment(path, i, f, *guide)) return 1;
  if (strokeEnd && outline.GetCount() > 0) {
    const int nearest = outline.FindNearest(f.cur.x, f.cur.y);
    if (SquaredDistance(outline.m_pPoints[nearest], f.cur) < kTouching2) {
      path.m_pSide1[i] = path.m_pSide2[i] = f.cur;
      return 1;
    }
  }
  // A normal line through the point itself meets every segment as a parallel one would.
  if (f.m == f.cur) return 1;
  double best1 = kFarAway2, best2 = kFarAway2;
  for (int k = 0; k < outline.GetCount(); ++k) {
    const int t = outline.NextInStroke(k, -1);
    CFPoint h;
    if (IntersectSegments(f.cur, f.m, outline.m_pPoints[k], outline.m_pPoints[t], &h, kIntersectOnSecond) != 1) {
      continue;
    }
    const double q = SquaredDistance(f.cur, h);
    if (f.OnFirstHand(h)) {
      if (q < best1) {
        best1 = q;
        path.m_pSide1[i] = h;
      }
    } else if (q < best2) {
      best2 = q;
      path.m_pSide2[i] = h;
    }
  }
  return 1;
}
