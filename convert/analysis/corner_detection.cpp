#include "convert/analysis/corner_detection.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "convert/analysis/corner_list.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/path_resampling.h"
#include "convert/driver/scratch_paths.h"
#include "convert/driver/stroke_units.h"
#include "core/geometry/point_distance.h"
#include "core/path/stroke_work.h"

namespace {

constexpr double kPi = 3.14159265358979323846;
// The copy keeps a stroke's end point only while the stroke is short, and only when it
// lies more than this (squared) from the last new point.
constexpr int kCopyEndRule = 5;
constexpr int kCopyEndDistance2 = 2;
constexpr uint8_t kFlagCornerOnFlagged = 4;  // mode 2: a corner on a point already flagged

// The squared chord across 2m points of the spacing on a bend of the angle.
double ChordLimit2(int m, int angle, float spacing) {
  const double c = 2.0 * m * std::fabs(std::sin(angle * kPi / 360.0)) * spacing;
  return c * c;
}

// A stroke that runs right and down overall, starting nearly level and ending nearly
// upright: the turn of a box.
bool IsTurnStroke(const CFPoint* p, int s, int e) {
  const CFPoint d = p[e] - p[s];
  const int q = (e - s) / 6;
  if (!(d.x > 0 && d.y > 0) || q == 0) return false;
  const CFPoint a = p[s + q] - p[s];
  const CFPoint b = p[e] - p[e - q];
  return 2 * std::fabs(a.y) < a.x && 2 * std::fabs(b.x) < b.y;
}

// The corners of the stroke s..e (stroke number k) into gCornerList. chord is scratch.
void FindStrokeCorners(const CStrokePath& path, int s, int e, int k, const CornerSearch& search,
                       std::vector<double>& chord) {
  const int m = search.halfWindow;
  const int len = e - s + 1;
  if (m < 1 || len < 2) return;
  const CFPoint* p = path.m_pPoints;
  // Index s + t wrapped into the stroke (cyclic) or clamped to it.
  auto at = [&](int t) { return search.cyclic ? s + ((t % len) + len) % len : s + std::clamp(t, 0, len - 1); };
  chord.assign(static_cast<size_t>(len), -1.0);
  for (int t = 1; t < len; ++t) {
    if (!search.cyclic && (t < m || len - 1 - t < m)) continue;
    chord[t] = SquaredDistance(p[at(t - m)], p[at(t + m)]);
  }
  const int angle = IsTurnStroke(p, s, e) ? kTurnStrokeLimitAngle : search.limitAngle;
  const double lim = ChordLimit2(m, angle, search.spacing);
  const double full = 2.0 * m * search.spacing;
  for (int t = 1; t < len; ++t) {
    const double c = chord[t];
    if (c < 0 || !(c < lim)) continue;
    if (!(chord[at(t - 1) - s] >= c && c < chord[at(t + 1) - s])) continue;
    const double half = std::asin(std::min(1.0, std::sqrt(c) / full));
    gCornerList.Add(s + t, static_cast<float>(2 * half * 180.0 / kPi), k, p[s + t], CCornerList::kKindAdded);
  }
}

// The points of one stroke ordered by x, so that the point nearest to a corner is found
// from a narrow band of x: a long stroke with many corners is not walked whole for each.
class StrokeNearest {
 public:
  void Take(const CStrokePath& path, int first, int last) {
    p_ = path.m_pPoints;
    order_.resize(static_cast<size_t>(last - first + 1));
    for (int k = first; k <= last; ++k) order_[static_cast<size_t>(k - first)] = k;
    std::stable_sort(order_.begin(), order_.end(), [this](int a, int b) { return p_[a].x < p_[b].x; });
  }

  // The nearest point to q, the lowest index among equally near ones.
  int Find(const CFPoint& q) const {
    double best = std::numeric_limits<double>::infinity();
    int index = -1;
    auto consider = [&](int k) {
      const double d2 = SquaredDistance(p_[k], q);
      if (d2 < best || (d2 == best && k < index)) {
        best = d2;
        index = k;
      }
    };
    auto dx2 = [&](int k) {
      const double dx = double(p_[k].x) - q.x;
      return dx * dx;
    };
    const auto mid = std::lower_bound(order_.begin(), order_.end(), q.x, [this](int k, float x) { return p_[k].x < x; });
    for (auto it = mid; it != order_.end() && dx2(*it) <= best; ++it) consider(*it);
    for (auto it = mid; it != order_.begin() && dx2(*(it - 1)) <= best; --it) consider(*(it - 1));
    return index;
  }

 private:
  const CFPoint* p_ = nullptr;
  std::vector<int> order_;
};

}  // namespace

int AnalyseChords(CStrokePath& path, const CornerSearch& search) {
  gCornerList.Clear();
  std::vector<double> chord;
  const int n = path.GetCount();
  int k = 0;
  for (int s = 0; s < n; ++s) {
    if (path.m_pFlags[s] != CStrokePath::kFlagStart) continue;
    const int e = path.FindSegmentEnd(s);
    FindStrokeCorners(path, s, e, k++, search, chord);
    s = e;
  }
  gCornerList.SetAllKinds(CCornerList::kKindSeen);
  for (int c = 0; c < gCornerList.m_nCount; ++c) {
    uint8_t& flag = path.m_pFlags[gCornerList.m_entries[c].index];
    if (search.mode == 0 && flag != 0) continue;
    flag = search.mode == 2 && flag != 0 ? kFlagCornerOnFlagged : kFlagCorner;
  }
  return gCornerList.m_nCount;
}

int FindCorners(CStrokePath& path, const CornerSearch& search) {
  const int saved = gUnitPassActive;
  gUnitPassActive = 0;
  ScratchPath copy(path.GetCapacity());
  copy->CopyRangeFrom(path, 0, path.GetCount());
  ResamplePath(*copy, search.spacing, kCopyEndRule, kCopyEndDistance2);
  gMarkers.EnablePosting(0);
  const int found = AnalyseChords(*copy, search);
  gUnitPassActive = saved;

  // The copy keeps every stroke start: its stroke k is stroke k of the path. A corner
  // goes to a point of its own stroke, never to a stroke that passes close by.
  std::vector<int> starts;
  ListStrokeStarts(path, starts);
  EnsureCornerAngleSize(path.GetCapacity());
  StrokeNearest nearest;
  int taken = -1;  // the stroke nearest holds; the list runs stroke by stroke
  for (int c = 0; c < found; ++c) {
    const CCornerEntry& corner = gCornerList.m_entries[c];
    if (corner.stroke >= static_cast<int>(starts.size())) continue;
    if (corner.stroke != taken) {
      const int first = starts[static_cast<size_t>(corner.stroke)];
      nearest.Take(path, first, path.FindSegmentEnd(first));
      taken = corner.stroke;
    }
    const int j = nearest.Find(corner.point);
    if (j < 0) continue;  // no point of the stroke has a position to measure
    if (path.m_pFlags[j] == 0) path.m_pFlags[j] = kFlagCorner;
    gCornerAngle[j] = corner.angle;
  }
  return found;
}

void ReplaceFlags(CStrokePath& path, int from, uint8_t to) {
  auto replaces = [from](uint8_t f) {
    if (from == -1) return f != 0 && f != 1 && f != 2 && f != 7;
    if (from == -2) return f != 0 && f != 1;
    return int{f} == from;
  };
  for (int i = 0; i < path.GetCount(); ++i) {
    if (replaces(path.m_pFlags[i])) path.m_pFlags[i] = to;
  }
}
