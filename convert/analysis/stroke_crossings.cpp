#include "convert/analysis/stroke_crossings.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "convert/analysis/vector_geometry.h"
#include "core/path/stroke_path.h"

namespace {

// The box of points a..b, widened as the span boxes of their segments are: a segment of
// the run can meet another only where the other's span box meets this box.
SpanBox RangeBox(const CFPoint* p, int a, int b) {
  CFPoint lo = p[a];
  CFPoint hi = p[a];
  for (int k = a + 1; k <= b; ++k) {
    lo = CFPoint(std::min(lo.x, p[k].x), std::min(lo.y, p[k].y));
    hi = CFPoint(std::max(hi.x, p[k].x), std::max(hi.y, p[k].y));
  }
  return SpanBoxOf(lo, hi);
}

// Intersects segments i and j; a crossing is written to records[n]. 1 when written.
int RecordCrossing(const CFPoint* p, int i, int j, std::span<CCrossingRecord> records, int n) {
  CFPoint hit(0, 0);
  if (IntersectSegments(p[i], p[i + 1], p[j], p[j + 1], &hit, kIntersectOnBoth) != 1) return 0;
  records[static_cast<size_t>(n)].Set(i, j, (i + j) / 2, hit.x, hit.y);
  return 1;
}

int StrokePairCrossings(const CStrokePath& path, int first, int second, std::span<CCrossingRecord> records,
                        int limit) {
  const CFPoint* p = path.m_pPoints;
  const int ea = path.FindSegmentEnd(first);
  const int eb = path.FindSegmentEnd(second);
  if (ea <= first || eb <= second) return 0;
  const SpanBox boxB = RangeBox(p, second, eb);
  if (!RangeBox(p, first, ea).Meets(boxB)) return 0;
  int n = 0;
  // Inside a segment no point is the last of its section.
  for (int i = first; i < ea && n < limit; ++i) {
    const SpanBox segA = SpanBoxOf(p[i], p[i + 1]);
    if (!segA.Meets(boxB)) continue;
    for (int j = second; j < eb && n < limit; ++j) {
      if (!segA.Meets(SpanBoxOf(p[j], p[j + 1]))) continue;
      n += RecordCrossing(p, i, j, records, n);
    }
  }
  return n;
}

// Whether points a and b lie less than reach apart (any distance for a negative reach).
bool WithinReach(const CFPoint& a, const CFPoint& b, int reach) {
  if (reach < 0) return true;
  const double dx = double(b.x) - a.x;
  const double dy = double(b.y) - a.y;
  return std::fabs(dx) < reach && std::fabs(dy) < reach && dx * dx + dy * dy < double(reach) * reach;
}

int RangeCrossings(const CStrokePath& path, int first, int second, std::span<CCrossingRecord> records, int limit,
                   int reach) {
  const CFPoint* p = path.m_pPoints;
  first = std::max(first, 0);
  second = std::min(second, path.GetCount());
  // The box of every stroke that starts after first, over its first segment: the j walk
  // below passes over that segment when segment i cannot meet it.
  std::vector<SpanBox> boxes;
  for (int s = first + 1; s < second; ++s) {
    if (path.m_pFlags[s] == CStrokePath::kFlagStart) boxes.push_back(RangeBox(p, s, path.FindSegmentEnd(s)));
  }
  int n = 0;
  int starts = 0;  // stroke starts after first up to i
  for (int i = first; i < second - 4 && n < limit; ++i) {
    if (i > first && path.m_pFlags[i] == CStrokePath::kFlagStart) ++starts;
    if (path.IsSectionLast(i)) continue;
    const SpanBox segI = SpanBoxOf(p[i], p[i + 1]);
    int m = starts;  // stroke starts after first up to j
    for (int j = i + 2; j < second - 1 && n < limit; ++j) {
      if (path.m_pFlags[j] == CStrokePath::kFlagStart && !segI.Meets(boxes[static_cast<size_t>(m++)])) {
        j = path.FindSegmentEnd(j);
        if (j >= second - 1) break;
      }
      if (path.IsSectionLast(j) || !WithinReach(p[i], p[j], reach)) continue;
      if (!segI.Meets(SpanBoxOf(p[j], p[j + 1]))) continue;
      n += RecordCrossing(p, i, j, records, n);
    }
  }
  return n;
}

}  // namespace

int AnalyseStrokeCrossings(const CStrokePath& path, int first, int second, std::span<CCrossingRecord> records,
                           int mode, int reach) {
  const int limit = std::min(static_cast<int>(std::min<size_t>(records.size(), INT32_MAX)), path.GetCount());
  const int n = path.GetCount();
  if (limit <= 0 || first < 0 || first >= n || second < 0) return 0;
  if (mode >= kCrossStrokePair) {
    if (second >= n) return 0;
    return StrokePairCrossings(path, first, second, records, limit);
  }
  return RangeCrossings(path, first, second, records, limit, reach);
}
