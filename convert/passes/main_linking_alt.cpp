#include "convert/passes/main_linking_alt.h"

#include <cmath>
#include <cstdint>

#include "convert/analysis/corner_detection.h"
#include "convert/analysis/run_reads.h"
#include "convert/analysis/short_segment_codes.h"
#include "convert/analysis/stroke_end_codes.h"
#include "convert/driver/marker_list.h"
#include "convert/passes/corner_loop_removal.h"
#include "convert/passes/turn_splitting.h"
#include "core/geometry/point_distance.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_work.h"

namespace {

constexpr int kLengthScale = 3;
// A join that bends by less than this (degrees between the way back and the way on) goes
// on nearly straight and is no corner.
constexpr double kBendingJoin = 150;
// A corner sharper than this is written as a turn into the next run, not as a fold.
constexpr double kSharpCorner = 75;

// What a corner becomes by the ways into and out of it.
enum CornerKind { kFold = 0, kTurnInto = 1, kStays = 2 };

struct Segment {
  int s = 0;
  int sL = 0;
};

// An old stroke start that the linking joined into a run, not at the run's last point,
// becomes a corner where the stroke bends there.
void MarkBendingJoins(CStrokeWork& path, const CStrokeWork& reference) {
  const CFPoint* p = path.m_pPoints;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (ReferenceFlag(reference, i) == 0 || path.m_pFlags[i] != 0 || FlagOrStart(path, i + 1) != 0) continue;
    const int a = path.FindStrokeStart(i);
    const int e = path.FindStrokeEnd(i);
    if (JointAngleDegrees(p[i] - p[a], p[e] - p[i], path.m_fParam) < kBendingJoin) path.m_pFlags[i] = kFlagCorner;
  }
}

// Reached from above: steeply, or from the upper right.
bool FromAbove(const CFPoint& v) { return v.y > 0 && (v.x < 0 || std::fabs(v.y) > 4 * std::fabs(v.x)); }

// Reached from the left: level or rising less steeply than 4 in 3, or falling by less
// than one in four.
bool FromTheLeft(const CFPoint& v) {
  if (v.x <= 0) return false;
  if (v.y <= 0) return 0.75 * std::fabs(v.y) < std::fabs(v.x);
  return 4 * std::fabs(v.y) < std::fabs(v.x);
}

bool NearlyLevelRight(const CFPoint& u) { return u.x > 0 && 2 * std::fabs(u.y) < std::fabs(u.x); }

CornerKind KindOfCorner(const CStrokeWork& path, int i, int e, int64_t p) {
  const CFPoint u = path.m_pPoints[e] - path.m_pPoints[i];
  const CFPoint v = WayIn(path, i);
  if (FromAbove(v)) return NearlyLevelRight(u) ? kStays : kTurnInto;
  int kind = kFold;
  if (FromTheLeft(v) && FromAbove(u)) {
    kind = kStays;
    // A short fall into a code is one movement with it.
    if (u.y > std::fabs(u.x) && FlagOrStart(path, e + 1) > CStrokePath::kFlagStart &&
        SquaredLength(u) < Squared(3 * p / 2)) {
      kind = kTurnInto;
    }
  }
  if (kind == kFold && JointAngleDegrees(v, u, path.m_fParam) < kSharpCorner) kind = kTurnInto;
  return static_cast<CornerKind>(kind);
}

// The code of corner i: by its kind, or 21 for a short tail in the segment's last run of
// an old stroke longer than p.
uint8_t CornerCode(const CStrokeWork& path, const CStrokeWork& reference, const Segment& seg, int i, int64_t p) {
  static constexpr uint8_t kCodeOfKind[] = {kFlagFold, kFlagTurnInto, kFlagCorner};
  const CFPoint* pt = path.m_pPoints;
  const int e = path.FindStrokeEnd(i);
  const uint8_t code = kCodeOfKind[KindOfCorner(path, i, e, p)];
  if (seg.sL != e || ReferenceFlag(reference, i) != 0) return code;
  const int r = reference.FindStrokeStart(i);
  if (SquaredDistance(pt[seg.sL - 1], pt[r]) > Squared(p) && SquaredDistance(pt[e - 1], pt[i]) < Squared(p)) {
    return kFlagEndTurn;
  }
  return code;
}

// A segment whose first run ends close after its start, inside the old stroke and nearer
// to the start than to the segment's end: the corner there is a start turn.
void MarkStartTurn(CStrokeWork& path, const CStrokeWork& reference, const Segment& seg, int64_t p) {
  const CFPoint* pt = path.m_pPoints;
  const int i = seg.s;
  const int e = path.FindStrokeEnd(i);
  if (e == seg.sL) return;
  const double d = SquaredDistance(pt[e], pt[i]);
  if (Squared(p / 2) > d && SquaredDistance(pt[seg.sL], pt[e]) > d && e < reference.FindStrokeEnd(i)) {
    path.m_pFlags[e + 1] = kFlagStartTurn;
  }
}

}  // namespace

int ShapeLinkedStrokesAlt(CStrokeWork& path, const CStrokeWork& reference) {
  gMarkers.EnablePosting(0);
  const int64_t p = path.m_param[kLengthScale];
  RemoveCornerLoops(path);
  ClearShortSegmentCodes(path);
  MarkBendingJoins(path, reference);

  Segment seg{0, path.FindSegmentEnd(0)};
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] == CStrokePath::kFlagStart) {
      seg = {i, path.FindSegmentEnd(i)};
      MarkStartTurn(path, reference, seg, p);
    }
    // A corner at point 0 has no way in.
    if (path.m_pFlags[i] != kFlagCorner || i == 0) continue;
    path.m_pFlags[i] = CornerCode(path, reference, seg, i, p);
  }
  SplitTurns(path, reference);
  return 1;
}
