#include "convert/analysis/stroke_shapes.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "convert/analysis/loop_marks.h"
#include "convert/analysis/shape_records.h"
#include "convert/analysis/side_points.h"
#include "convert/driver/marker_list.h"
#include "convert/passes/direction_changes.h"
#include "convert/passes/turn_splitting.h"
#include "core/canvas/work_canvas.h"
#include "core/geometry/point_distance.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/point_index_list.h"
#include "core/path/stroke_path_ex.h"

namespace {

// Parameters read.
constexpr int kShortSegment = 2;
constexpr int kLengthScale = 3;
constexpr int kThinning = 4;
constexpr int kLoopUnit = 111;
constexpr int kCornerSharpening = 290;
constexpr int kTurnMarkers = 362;

constexpr uint8_t kFlagFold = 5;
constexpr uint8_t kFlagNoEnd = 20;  // a run that leaves the stroke's end unanchored
constexpr int kSharpenMoves = 2;
constexpr int kLoopUnits = 3;
constexpr int kTurnWindowNear = 4;
constexpr int kTurnWindowFar = 8;
constexpr int kCornerCandidates = 8;
constexpr double kCornerAngle = 55.0;
constexpr double kNoCandidate = 1000.0;
constexpr float kInnerMarkerDrop = 2.0f;

// Marker codes of a turn.
constexpr int kMarkerOuterTurn = 1035;
constexpr int kMarkerInnerTurn = 1033;
constexpr int kMarkerCornerRight = 1036;
constexpr int kMarkerCornerLeft = 1034;

// The densified outline anchors its points in this order of kinds.
constexpr uint8_t kKindOrder[] = {kAnchorStart, kAnchorEnd, kAnchorInnerTurn, kAnchorOuterTurn,
                                  kAnchorCorner, kAnchorLoopEnd, kAnchorLoopInside};

bool IsTurnPoint(uint8_t flag) {
  return flag == kFlagDirectionChange || flag == kFlagTurnBefore || flag == kFlagTurnAfter;
}

bool ShiftsWidth(uint8_t flag) {
  return flag == CStrokePath::kFlagStart || flag == kFlagFold || IsTurnPoint(flag);
}

double Degrees(float radians, float pi) { return double(radians) * 180.0 / double(pi); }

// P + (S - P) x factor.
CFPoint Stretched(const CFPoint& p, const CFPoint& s, double factor) {
  return {float(p.x + (double(s.x) - p.x) * factor), float(p.y + (double(s.y) - p.y) * factor)};
}

// p rounded to whole pixels, halves away from zero, as RoundToPoint rounds it: the
// densifying rounds every sample, where the general rounding took an eighth of the brush
// shapes' time. The sum with a half is exact in double for the coordinates of a paper;
// anything farther goes the general way.
tmb::Point Rounded(const CFPoint& p) {
  constexpr double kExactReach = 1e9;
  if (std::fabs(p.x) >= kExactReach || std::fabs(p.y) >= kExactReach || std::isnan(p.x) || std::isnan(p.y)) {
    return p.RoundToPoint();
  }
  return {int(std::trunc(double(p.x) + std::copysign(0.5, double(p.x)))),
          int(std::trunc(double(p.y) + std::copysign(0.5, double(p.y))))};
}

// The analysis of one call: the path, its outline layout and the records it collects.
class ShapeAnalysis {
 public:
  ShapeAnalysis(CStrokePathEx& path, const ParamBlock& params, int shortStroke)
      : path_(path),
        params_(params),
        n_(path.GetCount()),
        last_(shortStroke == 1 ? n_ - 1 : n_ - 2),
        shortStroke_(shortStroke),
        records_(2 * n_),
        sides_(size_t(n_) + 10, 0) {}

  int Run(CPointIndexList& anchors);

 private:
  // Outline indices of side point k: the first side runs forwards from 0 to last_, the
  // second back from last_ + 1.
  int First(int k) const { return k; }
  int Second(int k) const { return 2 * last_ + 1 - k; }

  void NarrowAtShortSegments();
  void ShiftAcrossDiagonal();
  void RecordRuns();
  void RecordTurn(int i, int e);
  void RecordLoops();

  CStrokePathEx& path_;
  const ParamBlock& params_;
  const int n_;
  const int last_;  // the last centre point of the outline
  const int shortStroke_;
  CShapeRecordList records_;
  std::vector<int8_t> sides_;  // per run start: -1 or +1 by its direction against the diagonal
};

void ShapeAnalysis::NarrowAtShortSegments() {
  const double ratio = std::clamp(params_[kThinning] / 100.0, 0.0, 1.0);
  const float f = float(1.0 - std::sqrt(ratio));
  const double limit2 = double(params_[kShortSegment]) * params_[kShortSegment];
  for (int i = 0; i < n_; ++i) {
    if (!IsTurnPoint(path_.m_pFlags[i])) continue;
    const CFPoint d = path_.m_pPoints[std::min(i + 1, n_ - 1)] - path_.m_pPoints[i];
    if (double(d.x) * d.x + double(d.y) * d.y >= limit2) continue;
    path_.m_pWeight2[i] = f * path_.m_pWeight1[i];
    path_.m_pWeight1[i] = path_.m_pWeight2[i];
  }
}

void ShapeAnalysis::ShiftAcrossDiagonal() {
  const CFPoint* p = path_.m_pPoints;
  for (int i = 0; i < n_; ++i) {
    if (!ShiftsWidth(path_.m_pFlags[i])) continue;
    const int e = path_.FindStrokeEnd(i);
    const int mid = (i + e) / 2;
    // The direction over the run's first half, held inside the run: a run of one or two
    // points has none and keeps both sides.
    const int m = std::min(i + 1 >= mid ? i + 2 : mid, e);
    const CFPoint d = p[m] - p[std::min(i + 1, e)];
    sides_[size_t(i)] = int8_t(DiagonalSide(d));
    const double a = Degrees(VectorAngle(1, 1, d.x, d.y, kAngleFirstReversed), path_.m_fParam);
    double b = (std::fabs(a - 90.0) - 90.0) / 180.0 + 0.5;
    if (sides_[size_t(i)] == 1) b = 1 - b;
    for (int k = i; k <= e; ++k) {
      path_.m_pSide2[k] = Stretched(p[k], path_.m_pSide2[k], b * 2.0);
      path_.m_pSide1[k] = Stretched(p[k], path_.m_pSide1[k], (1 - b) * 2.0);
    }
  }
}

void ShapeAnalysis::RecordRuns() {
  for (int i = 0; i < n_; ++i) {
    const uint8_t flag = path_.m_pFlags[i];
    if (flag == 0) continue;
    const int e = path_.FindStrokeEnd(i);
    const bool rightwards = sides_[size_t(i)] == 1;
    if (shortStroke_ != 1) {
      if (flag == CStrokePath::kFlagStart) records_.Add(rightwards ? First(0) : Second(0), kAnchorStart, 0);
      if (path_.IsSectionLast(e) && flag != kFlagNoEnd) {
        records_.Add(rightwards ? First(last_) : Second(last_), kAnchorEnd, 0);
      }
    }
    if (IsTurnPoint(flag)) RecordTurn(i, e);
  }
}

void ShapeAnalysis::RecordTurn(int i, int e) {
  const CFPoint* p = path_.m_pPoints;
  const int q = std::min(n_ - 1, std::max(i + kTurnWindowNear, std::min(e, i + kTurnWindowFar)));
  int r = std::min(i - kTurnWindowNear, std::max(path_.FindStrokeStart(i - 1), i - kTurnWindowFar));
  if (r < 1) r = 0;
  const CFPoint u = p[i] - p[r], v = p[q] - p[i];
  // The outer hand of the turn: +1 the first side (a turn to the right), -1 the second.
  const int outer = double(u.x) * v.y - double(u.y) * v.x <= 0 ? -1 : 1;
  CFPoint* a = outer == -1 ? path_.m_pSide2 : path_.m_pSide1;
  const CFPoint* b = outer == -1 ? path_.m_pSide1 : path_.m_pSide2;
  auto onA = [&](int k) { return outer == 1 ? First(k) : Second(k); };
  auto onB = [&](int k) { return outer == -1 ? First(k) : Second(k); };

  gMarkers.EnablePosting(params_[kTurnMarkers]);
  records_.Add(onA(i), kAnchorOuterTurn, 0);
  gMarkers.PostMarker(a[i].x, a[i].y, -1, kMarkerOuterTurn);
  records_.Add(onB(i), kAnchorInnerTurn, 0);
  gMarkers.PostMarker(b[i].x, b[i].y + kInnerMarkerDrop, -1, kMarkerInnerTurn);
  if (params_[kCornerSharpening] != 0) {
    // The outer side point at about 55 degrees from the way on, within the length scale.
    const double reach2 = double(params_[kLengthScale]) * params_[kLengthScale];
    const CFPoint back = p[i] - p[q];
    double best = kNoCandidate;
    int j = -1;
    for (int k = i + 1; k < std::min(i + kCornerCandidates, e - 1); ++k) {
      const CFPoint side = a[k] - p[i];
      const double c = Degrees(VectorAngle(back.x, back.y, side.x, side.y, kAngleFirstReversed), path_.m_fParam);
      if (std::fabs(c - kCornerAngle) < best && SquaredDistance(p[i], a[k]) <= reach2) {
        best = std::fabs(c - kCornerAngle);
        j = k;
      }
    }
    // Two points on, even past a run of one or two points; only a run at the path's end
    // holds it on the last point, for there is no side point beyond.
    if (j < 0) j = std::min(i + 2, n_ - 1);
    if (params_[kCornerSharpening] == kSharpenMoves) {
      for (int k = i + 1; k < j; ++k) a[k] = k <= (i + j) / 2 ? a[i] : a[j];
    }
    records_.Add(onA(j), kAnchorCorner, 0);
    gMarkers.PostMarker(a[j].x, a[j].y, -1, outer == 1 ? kMarkerCornerRight : kMarkerCornerLeft);
  }
  gMarkers.EnablePosting(0);
}

void ShapeAnalysis::RecordLoops() {
  const uint8_t* flags = path_.m_pFlags;
  for (int i = 0; i < n_ - 2; ++i) {
    if (flags[i] != kFlagLoopEntry) continue;
    const int g = path_.FindSegmentEnd(i);
    int j = i + 2;
    while (j < g && flags[j] != kFlagLoopExit) ++j;
    const bool turns = std::any_of(flags + i, flags + j, [](uint8_t f) {
      return f == kFlagTurnBefore || f == kFlagTurnAfter;
    });
    if (!turns || j == g || double(path_.PathLength(i, j, 0)) >= kLoopUnits * double(params_[kLoopUnit])) continue;
    for (int k : {i, j}) {
      records_.Add(Second(k), kAnchorLoopEnd, 0);
      records_.Add(First(k), kAnchorLoopEnd, 0);
    }
    for (int k = i + 1; k < j - 1; k += 3) {
      records_.Add(Second(k), kAnchorLoopInside, 0);
      records_.Add(First(k), kAnchorLoopInside, 0);
    }
    if (j - 1 > i) i = j - 1;
  }
}

int ShapeAnalysis::Run(CPointIndexList& anchors) {
  NarrowAtShortSegments();
  ComputeAllSidePoints(path_);
  ShiftAcrossDiagonal();
  RecordRuns();
  RecordLoops();
  CStrokePath& outline = *path_.m_pOutline;
  BuildSideOutline(path_, 0, last_, 0);
  DensifyOutline(outline, anchors, records_, shortStroke_);
  if (shortStroke_ == 1) {
    for (const auto& [point, kind] : {std::pair{path_.m_pPoints[0], kAnchorStart},
                                      std::pair{path_.m_pPoints[n_ - 1], kAnchorEnd}}) {
      const int k = outline.FindNearest(point.x, point.y);
      anchors.AddPoint(outline.GetPoint(k).x, outline.GetPoint(k).y, kind, k);
    }
  }
  return 1;
}

}  // namespace

int AnalyseStrokeShapes(CStrokePathEx& path, CPointIndexList& anchors, const ParamBlock& params, int shortStroke) {
  gMarkers.EnablePosting(0);
  path.m_pOutline->SetCount(0);
  if (path.GetCount() == 0 || !path.AllocWeights()) return 1;
  ShapeAnalysis(path, params, shortStroke).Run(anchors);
  gMarkers.EnablePosting(0);
  return 1;
}

int DensifyOutline(CStrokePath& outline, CPointIndexList& anchors, const CShapeRecordList& records, int shortStroke) {
  gMarkers.EnablePosting(0);
  const int count = outline.GetCount();
  const CFPoint* o = outline.m_pPoints;
  const int capacity = std::max(gWorkCanvas.m_nMaxPoints, 0);

  // The samples of each segment, and the kinds recorded at each point as bits.
  std::vector<int> steps(size_t(std::max(count, 0)));
  std::vector<uint16_t> kinds(size_t(std::max(count, 0)), 0);
  int64_t need = 0;
  for (int i = 0; i < count; ++i) {
    const CFPoint d = o[outline.NextInStroke(i, 0)] - o[i];
    // A far point asks for more samples than any outline holds; a damaged (NaN) one for
    // none.
    const double m = std::trunc(2.0 * std::hypot(double(d.x), double(d.y)));
    steps[size_t(i)] = !(m > 0) ? 0 : m < capacity ? int(m) : capacity;
    need += std::max(steps[size_t(i)], 1);
  }
  for (int k = 0; k < records.m_nCount; ++k) {
    const CShapeRecord& r = records.m_pRecords[size_t(k)];
    if (r.index >= 0 && r.index < count && r.kind >= 0 && r.kind < 16) kinds[size_t(r.index)] |= uint16_t(1u << r.kind);
  }

  // A full outline stops growing, and the anchors of the points that no longer fit refer
  // to its last point.
  CStrokePath rebuilt(int(std::min<int64_t>(need, capacity)));
  bool full = false;
  for (int i = 0; i < count; ++i) {
    full = full || !rebuilt.AddPointUnique(o[i].x, o[i].y, i == 0 ? CStrokePath::kFlagStart : 0, 1);
    if (rebuilt.GetCount() == 0) break;  // no room at all
    CFPoint last = rebuilt.GetLastPoint();
    for (uint8_t kind : kKindOrder) {
      if (kinds[size_t(i)] & (1u << kind)) anchors.AddPoint(last.x, last.y, kind, rebuilt.GetCount() - 1);
    }
    if (full) continue;
    const CFPoint d = o[outline.NextInStroke(i, 0)] - o[i];
    const int m = steps[size_t(i)];
    tmb::Point lastRounded = Rounded(last);
    for (int t = 1; t < m && !full; ++t) {
      const CFPoint sample(float(o[i].x + double(d.x) * t / m), float(o[i].y + double(d.y) * t / m));
      const tmb::Point rounded = Rounded(sample);
      if (shortStroke == 0 && rounded == lastRounded) continue;
      full = !rebuilt.AddPointUnique(sample.x, sample.y, 0, 1);
      lastRounded = rounded;
    }
  }
  if (outline.GetCapacity() < rebuilt.GetCount()) outline.Reallocate(rebuilt.GetCount());
  outline.CopyFrom(rebuilt);
  return 1;
}
