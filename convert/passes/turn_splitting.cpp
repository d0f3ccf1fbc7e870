#include "convert/passes/turn_splitting.h"

#include <algorithm>
#include <cmath>

#include "convert/analysis/run_reads.h"
#include "convert/driver/marker_list.h"
#include "core/geometry/point_distance.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_work.h"

namespace {

constexpr int kLengthScale = 3;
constexpr int kCodeFirst = 3;  // signed: link points (255) are no codes
constexpr float kLevelStep = 0.2f;
constexpr float kRightStep = 0.1f;
constexpr float kLevelRatio = 4;
constexpr double kLeastBulge2 = 64;  // the bulge must exceed an eighth of the chord

enum TurnKind { kNoTurn = 0, kTurnUpLeft = 1, kRiseIntoLink = 2 };

// One segment of the path: [s, e].
struct Segment {
  int s = 0;
  int e = 0;
};

struct Turn {
  int kind = kNoTurn;
  int before = 0;  // the point before the turn
  int k = 0;       // the point after it
  int next = 0;    // the start of the run a rise leads into
};

bool IsCode(const CStrokePath& path, int i) { return path.GetFlag(i) >= kCodeFirst; }

// Whether the code at i rises, past the end of its run e2, into a run that the reference
// continues the segment into.
bool RisesIntoLink(const CStrokeWork& path, const CStrokeWork& reference, const Segment& seg, int i, int e2) {
  const CFPoint* p = path.m_pPoints;
  return p[i].x < p[e2].x && e2 + 1 < path.GetCount() && IsCode(path, e2 + 1) && reference.FindSegmentEnd(i) > e2 &&
         i - seg.s > 4 && ReferenceFlag(reference, i) == 0;
}

// The end of the run up and to the left after i: the first k whose step on leads right or
// down.
int WalkForward(const CStrokePath& path, const Segment& seg, int i) {
  const CFPoint* p = path.m_pPoints;
  int k = i + 1;
  while (k < seg.e) {
    const CFPoint h = p[k + 1] - p[k];
    if (h.x > 0 || h.y > kLevelStep) break;
    ++k;
  }
  return k;
}

// The start of the run up and to the left that leads into i; a steep rise to the right
// into it ends the turn (kind 0).
int WalkBack(const CStrokePath& path, const Segment& seg, int i, int& kind) {
  const CFPoint* p = path.m_pPoints;
  int b = i;
  while (b > seg.s) {
    const CFPoint h = p[b] - p[b - 1];
    if (h.y >= 0) break;
    if (h.x > kRightStep) {
      if (std::fabs(h.y) > std::fabs(h.x)) kind = kNoTurn;
      break;
    }
    --b;
  }
  return b;
}

// Whether the middle of the rise from before to next bulges upwards by more than an eighth
// of its chord.
bool BulgesUp(const CStrokePath& path, int before, int next) {
  const CFPoint* p = path.m_pPoints;
  const int mid = (before + next) / 2;
  CFPoint foot = p[before];  // a chord of no length: the line is its one point
  ProjectPointOnLine(p[before], p[next], p[mid], &foot);
  const CFPoint w = p[mid] - foot;
  return w.y < 0 && SquaredDistance(p[before], p[next]) < kLeastBulge2 * SquaredDistance(p[mid], foot);
}

Turn FindTurn(const CStrokeWork& path, const CStrokeWork& reference, const Segment& seg, int i) {
  const CFPoint* p = path.m_pPoints;
  Turn t;
  const CFPoint g = p[i + 1] - p[i];
  t.kind = g.x < 0 && g.y < 0 ? kTurnUpLeft : kNoTurn;
  const int e2 = path.FindStrokeEnd(i);
  if (RisesIntoLink(path, reference, seg, i, e2)) t.kind = kRiseIntoLink;
  if (t.kind == kNoTurn) return t;
  t.k = WalkForward(path, seg, i);
  if (t.kind == kRiseIntoLink && t.k == seg.e) return {};
  const int b = WalkBack(path, seg, i, t.kind);
  // A walk back to the segment's start puts the point before the turn on the last point
  // of the stroke before; the path's first stroke has none, and keeps it on its start.
  t.before = std::max(b - 1, 0);
  t.next = e2 + 1;
  if (t.kind == kTurnUpLeft) {
    const CFPoint u = p[t.k] - p[t.before];
    if (std::fabs(u.x) > kLevelRatio * std::fabs(u.y)) t.kind = kNoTurn;
  } else if (t.kind == kRiseIntoLink && !BulgesUp(path, t.before, t.next)) {
    t.kind = kNoTurn;
  }
  return t;
}

// Writes the turn's codes; returns the point after which the walk goes on.
int MarkTurn(CStrokeWork& path, const Segment& seg, const Turn& t, int i) {
  uint8_t* flags = path.m_pFlags;
  for (int j = t.before; j < t.k; ++j) {
    if (IsCode(path, j)) flags[j] = CStrokePath::kFlagContinue;
  }
  // A stroke start already ends the movement before the turn, and must stay a start.
  if (flags[t.before] != CStrokePath::kFlagStart) flags[t.before] = kFlagTurnBefore;
  if (t.kind == kTurnUpLeft) {
    if (t.k != seg.e) flags[t.k] = kFlagTurnAfter;
    return std::max(i, t.k - 1);
  }
  flags[t.k] = kFlagTurnAfter;
  flags[t.next] = kFlagRiseIntoLink;
  return std::max(i, t.next - 1);
}

}  // namespace

int SplitTurns(CStrokeWork& path, const CStrokeWork& reference) {
  gMarkers.EnablePosting(0);
  const double p = path.m_param[kLengthScale];
  Segment seg{0, path.FindSegmentEnd(0)};
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] == CStrokePath::kFlagStart) seg = {i, path.FindSegmentEnd(i)};
    // A turn needs its segment to go on after the code.
    if (!IsCode(path, i) || i >= seg.e) continue;
    const int a = reference.FindStrokeStart(i);
    if (SquaredDistance(path.m_pPoints[seg.e - 1], path.m_pPoints[a]) <= p * p) continue;
    const Turn t = FindTurn(path, reference, seg, i);
    if (t.kind != kNoTurn) i = MarkTurn(path, seg, t, i);
  }
  return 1;
}
