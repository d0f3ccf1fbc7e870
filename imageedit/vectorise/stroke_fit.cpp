// Cutting traced strokes where the segments of a reference path cross them.
#include <cmath>
#include <span>
#include <vector>

#include "convert/analysis/index_search.h"
#include "core/geometry/vector_geometry.h"
#include "imageedit/vectorise/stroke_spans.h"
#include "imageedit/vectorise/traced_strokes.h"
#include "imageedit/vectorise/vectorize_settings.h"

namespace {

constexpr float kFreeEndTolerance = 1.0f;
constexpr float kNearEnd = 4.0f;
constexpr float kShortStroke = 48.0f;
constexpr float kMinSegment2 = 64.0f;      // 8 pixels
constexpr float kMaxSegment2 = 4096.0f;    // 64 pixels
constexpr float kWalkRadius2 = 576.0f;     // 24 pixels
constexpr int kWalkStep = 4;
constexpr double kDegree = 3.14159265358979 / 180.0;
constexpr double kTurnBack = 160.0 * kDegree;

bool IsZero(const CFPoint& v) { return v.x == 0 && v.y == 0; }

struct Cut {
  int at;
  int beside;
};

// Walks stroke span from its end nearer to m towards the other, kWalkStep points at a
// time while the points stay near m; the first point x whose way from m turns back on
// the way to the point a step further, or -1.
int WalkToCut(const CStrokePath& path, const StrokeSpan& span, const CFPoint& m, int& step) {
  const bool fromFirst = SquaredDistance(path.GetPoint(span.first), m) <= SquaredDistance(path.GetPoint(span.last), m);
  step = fromFirst ? kWalkStep : -kWalkStep;
  for (int x = fromFirst ? span.first : span.last; x >= span.first && x <= span.last; x += step) {
    if (SquaredDistance(path.GetPoint(x), m) >= kWalkRadius2) break;
    const int y = x + step;
    if (y < span.first || y > span.last) break;  // the walk stays in the stroke
    const CFPoint a = path.GetPoint(x) - m, b = path.GetPoint(y) - m;
    if (IsZero(a) || IsZero(b)) continue;
    if (VectorAngle(a.x, a.y, b.x, b.y, kAngleFirstReversed) > kTurnBack) return x;
  }
  return -1;
}

}  // namespace

int FindEndNear(const CStrokePath& path, int i, std::span<const int> ends, float limit) {
  const int s = path.FindStrokeStart(i), t = path.FindStrokeEnd(i);
  const bool sListed = FindIntIndex(s, ends) >= 0, tListed = FindIntIndex(t, ends) >= 0;
  if (sListed && tListed) return i - s <= t - i ? s : t;
  if (sListed) return s;
  if (tListed) return t;
  const CFPoint p = path.GetPoint(i);
  for (int e : ends) {
    const int other = path.GetStrokeBoundIndex(e);
    const bool nearE = CStrokePath::PointsWithin(p, path.GetPoint(e), kNearEnd);
    const bool nearOther = CStrokePath::PointsWithin(p, path.GetPoint(other), kNearEnd);
    if ((nearE || nearOther) && SquaredDistance(path.GetPoint(e), path.GetPoint(other)) < limit * limit) {
      return nearE ? e : other;
    }
  }
  return -1;
}

int SegmentOnInk(const CMonoBitmap& mask, const CStrokePath& work) {
  for (int i = 2; i <= work.GetCount() - 3; ++i) {
    const tmb::Point p = work.GetPoint(i).RoundToPoint();
    if (mask.TestBit(p.x, p.y)) return 0;
  }
  return 1;
}

int FitTracedStrokes(CStrokePath& path, const CMonoBitmap& mask, const CStrokePath& reference,
                     const CStrokePath* /*target*/, CStrokePath& work, tmb::DeviceContext* /*pDC*/) {
  std::vector<int> freeEnds(size_t(path.GetCount()) + 2);
  freeEnds.resize(size_t(path.FindUnconnectedEnds(freeEnds, kFreeEndTolerance)));
  const double limit = (gVectorizeSettings.m_values[CVectorizeSettings::kAngleLimit] == 0 ? 60.0 : 30.0) * kDegree;
  std::vector<Cut> cuts;
  std::vector<int> cutStrokeEnds;
  for (int i = 0; i + 1 < reference.GetCount(); ++i) {
    const int j = i + 1;
    if (reference.IsStrokeLast(i) || reference.m_pAttrs[i] == CStrokePath::kAttrSkip ||
        reference.m_pAttrs[j] == CStrokePath::kAttrSkip) {
      continue;
    }
    const CFPoint v = reference.GetPoint(j) - reference.GetPoint(i);
    const float length2 = v.x * v.x + v.y * v.y;
    if (length2 <= kMinSegment2 || length2 >= kMaxSegment2) continue;
    const CFPoint m = (reference.GetPoint(i) + reference.GetPoint(j)) / 2.0f;
    const int n = path.FindNearest(m.x, m.y);
    if (path.GetCount() == 0 || FindEndNear(path, n, freeEnds, kShortStroke) < 0 ||
        SquaredDistance(path.GetPoint(n), m) >= kMaxSegment2) {
      continue;
    }
    for (const StrokeSpan& span : ListStrokeSpans(path)) {
      if (span.first == span.last) continue;
      if (SquaredDistance(path.GetPoint(span.first), m) >= kWalkRadius2 &&
          SquaredDistance(path.GetPoint(span.last), m) >= kWalkRadius2) {
        continue;
      }
      int step = 0;
      const int x = WalkToCut(path, span, m, step);
      if (x <= span.first || x > span.last) continue;  // nothing to cut off at a stroke's start
      const CFPoint toCut = path.GetPoint(x) - m;
      if (IsZero(toCut)) continue;
      const double angle = VectorAngle(v.x, v.y, toCut.x, toCut.y, kAngleBetween);
      if (angle < limit || angle > 180.0 * kDegree - limit) continue;
      work.SetCount(0);
      work.AppendLinePoints(m.RoundToPoint(), path.GetPoint(x).RoundToPoint(), 1, nullptr);
      if (!SegmentOnInk(mask, work)) continue;
      path.m_pFlags[x] = CStrokePath::kFlagStart;
      cuts.push_back({x, step > 0 ? x - 1 : x + 1});
      cutStrokeEnds.push_back(step > 0 ? span.first : span.last);
      break;  // one cut per segment
    }
  }
  if (gVectorizeSettings.m_values[CVectorizeSettings::kCollectEnds] == 0 || cuts.empty()) return 1;
  // The free ends of the cut-off pieces, and those lying at a cut, go.
  CStrokePath collected(std::max(int(freeEnds.size()), 1));
  for (int e : freeEnds) {
    bool atCut = FindIntIndex(e, cutStrokeEnds) >= 0;
    for (const Cut& c : cuts) {
      atCut = atCut || CStrokePath::PointsWithin(path.GetPoint(e), path.GetPoint(c.at), kNearEnd);
    }
    if (atCut) collected.AppendFlagged(path, e, CStrokePath::kFlagStart);
  }
  path.RemoveMatchingPoints(collected, 1);
  return 1;
}
