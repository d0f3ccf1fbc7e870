#include "convert/passes/main_linking.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

#include "convert/analysis/corner_detection.h"
#include "convert/analysis/mark_extent.h"
#include "convert/analysis/midpoint_smoothing.h"
#include "convert/analysis/run_reads.h"
#include "convert/analysis/short_segment_codes.h"
#include "convert/analysis/stroke_end_codes.h"
#include "convert/driver/analysis_overlay.h"
#include "convert/driver/marker_list.h"
#include "convert/passes/corner_loop_removal.h"
#include "convert/passes/turn_splitting.h"
#include "core/geometry/point_distance.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_work.h"

namespace {

constexpr int kLengthScale = 3;
constexpr int kSmoothingPasses = 10;
// A step whose way on to the run's end turns back by this much no longer leads away.
constexpr double kHookTurn = 90;
// The ways into and out of a corner reach over up to this many points.
constexpr int kCornerReach = 8;
// Marks of more old strokes, and old strokes of more codes, are not looked at for folds.
constexpr int kMostMarkStrokes = 3;
constexpr int kMostStrokeCodes = 2;
constexpr uint8_t kReferenceStrongStart = 4;

struct Segment {
  int s = 0;
  int sL = 0;
};

bool IsOldStart(const CStrokePath& reference, int i) {
  const int f = ReferenceFlag(reference, i);
  return f == CStrokePath::kFlagStart || f == kReferenceStrongStart;
}

// A code that the later steps act on: 3 and above, as a signed byte.
bool IsCode(const CStrokePath& path, int i) { return static_cast<signed char>(path.m_pFlags[i]) >= kFlagCorner; }

// A stroke shorter than p that runs into the old next stroke, across a gap wider than
// p / 4, is smoothed into the join.
void SmoothJoinedStrokes(CStrokeWork& path, const CStrokeWork& reference, int64_t p) {
  const CFPoint* pt = path.m_pPoints;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] != CStrokePath::kFlagStart) continue;
    const int e = reference.FindStrokeEnd(i);
    const int n = e + 1;
    if (FlagOrStart(path, n) == CStrokePath::kFlagStart || ReferenceFlag(reference, n) == 0) continue;
    if (double(p) > path.PathLength(i, e, 1) && SquaredDistance(pt[n], pt[e]) > Squared(p / 4)) {
      SmoothPathMidpoints(path, kSmoothingPasses, i, n);
    }
  }
}

// A run longer than p whose first steps lead away from its end gets a corner where the
// last of them ends, unless that lies within p / 8 of the run's start.
void MarkStartHooks(CStrokeWork& path, int64_t p) {
  const CFPoint* pt = path.m_pPoints;
  for (int j = 1; j < path.GetCount(); ++j) {
    if (path.m_pFlags[j] == 0) continue;
    const int e = path.FindStrokeEnd(j);
    if (SquaredDistance(pt[e], pt[j]) <= Squared(p)) continue;
    int h = 0;
    for (int k = j; k < (j + e) / 2; ++k) {
      // The vector angle reads a resting pen as 0 (the walk goes on past it) and a step
      // exactly opposite the way on as 180 (the walk stops there).
      if (JointAngleDegrees(pt[k + 1] - pt[k], pt[e] - pt[k + 1], path.m_fParam) >= kHookTurn) break;
      h = k + 1;
    }
    if (h != 0 && SquaredDistance(pt[h], pt[j]) > Squared(p / 8)) path.m_pFlags[h] = kFlagCorner;
  }
}

// Whether a corner, reached by u and left by v (each over up to 8 points) in the run that
// ends at e, is written as a fold; q is the segment's start or the corner before.
bool IsFold(const CStrokeWork& path, const Segment& seg, int q, int e, bool farOn, const CFPoint& u, const CFPoint& v) {
  if (farOn) {
    // Coming in down and to the right, steeper than one in four.
    if (u.x > 0 && u.y > 0 && 4 * u.y > u.x) {
      if (v.y > 0) return true;
      if (v.x > 0 && std::fabs(v.y) < v.x && path.m_pFlags[q] != CStrokePath::kFlagStart) return true;
    }
    // Down to the left, then down to the right.
    if (u.x < 0 && u.y > 0 && v.x > 0 && v.y > 0) return true;
  }
  // Going on nearly level to the right in the segment's last run after coming down to
  // the right.
  return v.x > 0 && 2 * std::fabs(v.y) < std::fabs(v.x) && seg.sL == e && u.x > 0 && u.y > 0 &&
         std::fabs(u.y) < 4 * std::fabs(u.x);
}

void MarkFolds(CStrokeWork& path, const CStrokeWork& reference, int64_t p) {
  const CFPoint* pt = path.m_pPoints;
  Segment seg{0, path.FindSegmentEnd(0)};
  int q = 0;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] == CStrokePath::kFlagStart) {
      seg = {i, path.FindSegmentEnd(i)};
      q = i;
    }
    // A corner at point 0 has no way in; a segment of one point has no next-to-last.
    if (path.m_pFlags[i] != kFlagCorner || i == 0 || seg.sL == seg.s) continue;
    // Only in an old stroke longer than p.
    if (SquaredDistance(pt[seg.sL - 1], pt[reference.FindStrokeStart(i)]) <= Squared(p)) continue;
    const int e = path.FindStrokeEnd(i);
    const int a = std::max(q, i - kCornerReach);
    const int b = std::min(i + kCornerReach, e - 1);
    const CFPoint u = pt[i] - pt[a];
    const CFPoint v = pt[b] - pt[i];
    // The run after i stays inside the old stroke and goes on for more than nine points,
    // or the way on is longer than p.
    const bool farOn = (reference.FindSegmentEnd(i) >= e && e - 1 > b) || SquaredLength(v) > Squared(p);
    if (IsFold(path, seg, q, e, farOn, u, v)) path.m_pFlags[i] = kFlagFold;
    q = i;
  }
}

// +1 for 0 or more, -1 below.
int SignOf(float v) { return v >= 0 ? 1 : -1; }

// The codes of segment starts and turning points.
void MarkTurningPoints(CStrokeWork& path, const CStrokeWork& reference, int64_t p) {
  const CFPoint* pt = path.m_pPoints;
  uint8_t* flags = path.m_pFlags;
  const double p2 = Squared(p);
  Segment seg{0, path.FindSegmentEnd(0)};
  for (int i = 0; i < path.GetCount(); ++i) {
    if (flags[i] == CStrokePath::kFlagStart) {
      seg = {i, path.FindSegmentEnd(i)};
      // A corner within p / 2 after the start, with the segment going on farther past it.
      const int n = path.FindStrokeEnd(i) + 1;
      if (FlagOrStart(path, n) == kFlagCorner && seg.sL + 1 != n) {
        const double d = SquaredDistance(pt[n], pt[i]);
        if (Squared(p / 2) > d && SquaredDistance(pt[seg.sL], pt[n]) > d) flags[n] = kFlagStartTurn;
      }
    }
    if (!IsCode(path, i) || flags[i] == kFlagStartTurn) continue;
    const int t = path.FindStrokeEnd(i) + (path.IsStrokeLast(i) ? 1 : 0);
    const int t1 = path.IsSectionLast(t) ? t - 1 : t;
    const CFPoint u = pt[i] - pt[seg.s];
    const CFPoint v = pt[t1] - pt[i];
    const double v2 = SquaredLength(v);
    // Going on up to the right, steeper than one in two, for more than p.
    if (v.x > 0 && v.y < 0 && SquaredLength(u) > p2 && v2 > p2 && 2 * std::fabs(v.y) > v.x) flags[i] = kFlagTurnInto;
    // Near the end of an old stroke longer than p.
    if (flags[i] == kFlagCorner && seg.sL == t && ReferenceFlag(reference, i) == 0 &&
        SquaredDistance(pt[seg.sL - 1], pt[reference.FindStrokeStart(i)]) > p2) {
      const double half = p / 2.0;
      if (v2 < half * half) {
        flags[i] = kFlagShortTail;
      } else if (SignOf(v.x) != SignOf(v.y) && v2 < p2) {
        flags[i] = kFlagEndTurn;
      }
    }
    // Going on steeply down past the end of the old stroke, into the link.
    if (v.y > 0 && v.y > std::fabs(v.x)) {
      const int f = reference.FindStrokeEnd(i);
      if (FlagOrStart(path, f) == 0 && t != f) {
        const CFPoint w = pt[f] - pt[i];
        const double w2 = SquaredLength(w);
        if (w.y > 0 && 16 * w2 > v2 && v2 > 2.25 * w2 && Squared(2 * p) > w2) flags[i] = kFlagTurnInto;
      }
    }
  }
}

// A code whose run holds the start of a strong link is a turn into it.
void MarkStrongLinkRuns(CStrokeWork& path, const CStrokeWork& reference) {
  for (int i = 0; i < path.GetCount(); ++i) {
    if (!IsCode(path, i) || path.m_pFlags[i] == kFlagRiseIntoLink) continue;
    const int e = path.FindStrokeEnd(i);
    for (int k = i + 1; k < e; ++k) {
      if (ReferenceFlag(reference, k) == kReferenceStrongStart) {
        path.m_pFlags[i] = kFlagTurnInto;
        break;
      }
    }
  }
}

// In a mark of up to three old strokes, a corner of an old stroke of few codes, at least
// as long as the mark's mean side, reached from the left and going on down, is a fold
// unless a later stroke of the mark starts to the left of or below the stroke's start.
void FoldCornersInSmallMarks(CStrokeWork& path, const CStrokeWork& reference) {
  const int count = path.GetCount();
  const CFPoint* pt = path.m_pPoints;
  int markEnd = -1;  // the point before the first old start of the next mark
  double z = 0;      // the mark's mean side
  int a = 0;         // the old stroke's start and the end of its segment, -1 while unknown
  int b = -1;
  for (int i = 0; i < count; ++i) {
    if (IsOldStart(reference, i)) {
      a = i;
      b = -1;
      if (i > markEnd) {
        const int g = gAnalysisOverlay.FindEntryOfPoint(i);
        int strokes = 0;
        markEnd = count - 1;
        for (int k = i; k < count; ++k) {
          if (!IsOldStart(reference, k)) continue;
          if (gAnalysisOverlay.FindEntryOfPoint(k) != g) {
            markEnd = k - 1;
            break;
          }
          ++strokes;
        }
        CMarkExtent mark;
        // A start in no mark has no size to measure by: its strokes are left alone.
        if (!FindMarkExtent(path, i, mark) || strokes > kMostMarkStrokes) {
          i = markEnd;
          continue;
        }
        z = double(static_cast<float>((mark.width + mark.height) / 2));
      }
      if (i < markEnd) {
        b = std::min(reference.FindSegmentEnd(i), count - 1);
        const int codes = static_cast<int>(std::count_if(path.m_pFlags + i + 1, path.m_pFlags + std::max(b, i + 1),
                                                         [](uint8_t f) { return f != 0; }));
        if (codes > kMostStrokeCodes || path.PathLength(i, std::max(b - 1, i), 0) < z) {
          i = b;
          continue;
        }
      }
    }
    if (path.m_pFlags[i] != kFlagCorner || b < i) continue;
    const CFPoint u = pt[i] - pt[a];
    const CFPoint w = pt[b] - pt[i];
    const double quarter = float(z) / 4.0f;
    if (SquaredLength(u) <= quarter * quarter || SquaredLength(w) <= quarter * quarter || u.x <= 0 || w.y <= 0) {
      continue;
    }
    bool laterStrokeOutside = false;
    for (int k = b + 1; k < markEnd && !laterStrokeOutside; ++k) {
      laterStrokeOutside = ReferenceFlag(reference, k) != 0 && (pt[k].x < pt[a].x || pt[k].y > pt[a].y);
    }
    if (!laterStrokeOutside) path.m_pFlags[i] = kFlagFold;
  }
}

// A corner stays where it goes on steeply down, or comes steeply down and goes on nearly
// level to the right; every other corner is a turn into its next run.
void TurnRemainingCorners(CStrokeWork& path) {
  for (int i = 1; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] != kFlagCorner) continue;
    const CFPoint u = WayOn(path, i);
    const CFPoint v = WayIn(path, i);
    const bool steeplyDown = u.y > 0 && 2 * std::fabs(u.x) < std::fabs(u.y);
    const bool downThenRight =
        u.x > 0 && 2 * std::fabs(u.y) < std::fabs(u.x) && v.y > 0 && 2 * std::fabs(v.x) < std::fabs(v.y);
    if (!steeplyDown && !downThenRight) path.m_pFlags[i] = kFlagTurnInto;
  }
}

}  // namespace

int ShapeLinkedStrokes(CStrokeWork& path, const CStrokeWork& reference) {
  gMarkers.EnablePosting(0);
  const int64_t p = path.m_param[kLengthScale];
  RemoveCornerLoops(path);
  SmoothJoinedStrokes(path, reference, p);
  MarkStartHooks(path, p);
  MarkFolds(path, reference, p);
  MarkTurningPoints(path, reference, p);
  SplitTurns(path, reference);
  ClearShortSegmentCodes(path);
  MarkStrongLinkRuns(path, reference);
  FoldCornersInSmallMarks(path, reference);
  TurnRemainingCorners(path);
  return 1;
}
