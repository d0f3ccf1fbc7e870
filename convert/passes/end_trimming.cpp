#include "convert/passes/end_trimming.h"

#include <cmath>
#include <cstdint>

#include "convert/analysis/corner_detection.h"
#include "convert/analysis/run_reads.h"
#include "convert/analysis/stroke_end_codes.h"
#include "convert/driver/marker_list.h"
#include "core/geometry/point_distance.h"
#include "core/path/stroke_work.h"

namespace {

constexpr int kLengthScale = 3;
// The first stroke's direction is taken over up to this many steps, and its segment must
// run past this point for an entry.
constexpr int kEntryReach = 8;
constexpr int kEntryLeastEnd = 5;
// The entry's first two points, from the old start: right and up (y runs downwards).
constexpr CFPoint kEntryFirst{4, -6};
constexpr CFPoint kEntrySecond{2, -3};
// A rise of more than one in this many steps keeps the first stroke's start.
constexpr float kEntryRise = 8;
// A start turn is flattened within p / 8 of its segment's start in the strong form, else
// within p / 2.
constexpr int kStrongHookShare = 8;
constexpr int kHookShare = 2;
constexpr int kTailSteps = 5;

struct Segment {
  int s = 0;
  int e = 0;
};

// The strong form's entry into the first stroke from the upper right. False when the
// first stroke has a single point.
bool AddFirstStrokeEntry(CStrokeWork& path, int64_t p) {
  const int e1 = path.FindStrokeEnd(0);
  if (e1 == 0) return false;
  CFPoint* pt = path.m_pPoints;
  const int k = e1 - 1 < kEntryReach + 1 ? e1 - 1 : kEntryReach;
  const CFPoint v = pt[k] - pt[0];
  if (path.FindSegmentEnd(0) <= kEntryLeastEnd || v.x <= 0 || 2 * std::fabs(v.y) >= v.x) return true;
  if (v.y < 0 && std::fabs(v.y) > std::fabs(v.x) / kEntryRise) return true;
  if (SquaredLength(v) <= Squared(p)) return true;
  const CFPoint p0 = pt[0];
  pt[0] = p0 + kEntryFirst;
  pt[1] = p0 + kEntrySecond;
  pt[2] = p0;
  path.m_pFlags[2] = kFlagCorner;
  pt[3] = (pt[2] + pt[4]) / 2;
  return true;
}

// A start turn close to its segment's start: the points from the start up to it are laid
// evenly on the step that leaves it, which for a turn on the segment's last point is the
// step into the next segment. The path's last point has no step on and keeps its code.
void FlattenStartHook(CStrokeWork& path, const Segment& seg, int j, int64_t limit) {
  CFPoint* pt = path.m_pPoints;
  if (j + 1 >= path.GetCount() || Squared(limit) <= SquaredDistance(pt[j], pt[seg.s])) return;
  const CFPoint g = pt[j + 1] - pt[j];
  const float c = float(j + 1 - seg.s);
  for (int k = seg.s; k <= j; ++k) pt[k] = pt[j] + g * float(k - seg.s) / c;
  path.m_pFlags[j] = CStrokePath::kFlagContinue;
}

// Whether the flourish after code j (j > 0) is cut. A code beyond the selected segment
// is only cleared: no point lies between it and the segment's end.
bool IsCut(const CStrokeWork& path, const Segment& seg, int j, int64_t p) {
  const CFPoint* pt = path.m_pPoints;
  const int f = path.m_pFlags[j];
  const double d = SquaredDistance(pt[seg.e], pt[j]);
  if ((f == kFlagShortTail || f == kFlagEndTurn) && Squared(p / 2) > d) return true;
  if (f == CStrokePath::kFlagContinue || f == CStrokePath::kFlagStart) return false;
  if (path.FindStrokeEnd(j) != seg.e || Squared(p) <= d) return false;
  // The stroke comes back on itself near its end.
  const double near = Squared(p / 4);
  for (int k = path.FindStrokeStart(j - 1); k < j; ++k) {
    if (near > SquaredDistance(pt[k], pt[seg.e - 1])) return true;
  }
  return false;
}

// The last five steps of a long run drawn together into one step, when they cover less
// than half the run's chord. The run needs six points.
void ShortenTail(CStrokeWork& path, int e, int64_t p) {
  CFPoint* pt = path.m_pPoints;
  const int first = path.FindStrokeStart(e - 1);
  if (e - kTailSteps < first) return;
  const double chord = SquaredDistance(pt[e], pt[first]);
  if (chord <= Squared(p) || 4 * SquaredDistance(pt[e], pt[e - kTailSteps]) >= chord) return;
  const CFPoint w = pt[e - kTailSteps + 1] - pt[e - kTailSteps];
  for (int k = e - kTailSteps + 1; k <= e; ++k) {
    pt[k] = pt[e - kTailSteps] + w * float(k - e + kTailSteps) / float(kTailSteps);
  }
}

// Everything after code j collapses onto the last step before it.
void CutAfter(CStrokeWork& path, const Segment& seg, int j) {
  CFPoint* pt = path.m_pPoints;
  const CFPoint d = pt[j] - pt[j - 1];
  const float c = float(seg.e + 1 - j);
  for (int k = j; k <= seg.e; ++k) pt[k] = pt[j - 1] + d * float(k - j + 1) / c;
  path.m_pFlags[j] = CStrokePath::kFlagContinue;
}

// A point equal to the one before it: at a section's end the point before moves midway
// between its neighbours (unless it begins its stroke), elsewhere the point moves midway
// to the next.
void SmoothDoubledPoints(CStrokeWork& path) {
  CFPoint* pt = path.m_pPoints;
  const uint8_t* flags = path.m_pFlags;
  for (int j = 1; j < path.GetCount(); ++j) {
    if (flags[j] == CStrokePath::kFlagStart || pt[j] != pt[j - 1]) continue;
    if (!path.IsSectionLast(j)) {
      pt[j] = (pt[j - 1] + pt[j + 1]) / 2;
    } else if (j >= 2 && flags[j - 1] != CStrokePath::kFlagStart) {
      pt[j - 1] = (pt[j - 2] + pt[j]) / 2;
    }
  }
}

}  // namespace

int TrimStrokeEnds(CStrokeWork& path, int mode) {
  gMarkers.EnablePosting(0);
  const int64_t p = path.m_param[kLengthScale];
  if (mode != 0 && !AddFirstStrokeEntry(path, p)) return 0;
  const int64_t hookLimit = p / (mode != 0 ? kStrongHookShare : kHookShare);
  Segment seg{0, path.FindSegmentEnd(0)};
  for (int j = 0; j < path.GetCount(); ++j) {
    if (path.m_pFlags[j] == CStrokePath::kFlagStart) seg = {j, path.FindSegmentEnd(j)};
    if (path.m_pFlags[j] == kFlagStartTurn) FlattenStartHook(path, seg, j, hookLimit);
    // A code at point 0 has no step before it.
    const bool cut = j > 0 && IsCut(path, seg, j, p);
    if (j == seg.e && j > 0) ShortenTail(path, j, p);
    if (cut) CutAfter(path, seg, j);
  }
  SmoothDoubledPoints(path);
  return 1;
}
