#include "convert/analysis/stroke_crossings.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/geometry/vector_geometry.h"
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

// The segments a segment may cross, found through a grid of small cells: each segment j
// is listed in every cell its span box covers, so that a segment whose box meets the box
// of segment i shares a cell with it. A segment whose box covers many cells (a long one,
// or one with a point far off) is listed apart and tried against every segment i, and a
// long segment i is tried against every segment j.
class SegmentGrid {
 public:
  SegmentGrid(const CFPoint* p, std::span<const int> segments) : p_(p) {
    bool any = false;
    for (int j : segments) {
      const SpanBox b = SpanBoxOf(p[j], p[j + 1]);
      if (!Finite(b)) continue;
      left_ = any ? std::min(left_, b.left) : b.left;
      top_ = any ? std::min(top_, b.top) : b.top;
      right_ = any ? std::max(right_, b.right) : b.right;
      bottom_ = any ? std::max(bottom_, b.bottom) : b.bottom;
      any = true;
    }
    cell_ = std::max({kMinCell, (right_ - left_) / kMaxCellsAcross, (bottom_ - top_) / kMaxCellsAcross});
    across_ = any ? static_cast<int>((right_ - left_) / cell_) + 1 : 0;
    down_ = any ? static_cast<int>((bottom_ - top_) / cell_) + 1 : 0;
    // Counted first, then filled, each cell's segments in ascending order.
    starts_.assign(static_cast<size_t>(across_) * static_cast<size_t>(down_) + 1, 0);
    for (int pass = 0; pass < 2; ++pass) {
      std::vector<int> fill(starts_.begin(), starts_.end() - 1);
      for (int j : segments) {
        Cells c;
        if (!CellsOf(SpanBoxOf(p[j], p[j + 1]), c) || c.Long()) {
          if (pass == 0) long_.push_back(j);
          continue;
        }
        for (int y = c.y0; y <= c.y1; ++y) {
          for (int x = c.x0; x <= c.x1; ++x) {
            const size_t k = static_cast<size_t>(y) * static_cast<size_t>(across_) + static_cast<size_t>(x);
            if (pass == 0) {
              ++starts_[k + 1];
            } else {
              members_[static_cast<size_t>(fill[k]++)] = j;
            }
          }
        }
      }
      if (pass == 0) {
        for (size_t k = 1; k < starts_.size(); ++k) starts_[k] += starts_[k - 1];
        members_.resize(static_cast<size_t>(starts_.back()));
      }
    }
  }

  // Calls f (j) for every segment j listed with a cell that the box of segment i covers,
  // and for every segment listed apart; j may come more than once. False, without a
  // call, when segment i is long: then every segment is a candidate.
  template <typename F>
  bool ForCandidates(int i, F f) const {
    Cells c;
    const bool inside = CellsOf(SpanBoxOf(p_[i], p_[i + 1]), c);
    if (inside && c.Long()) return false;
    if (inside) {
      for (int y = c.y0; y <= c.y1; ++y) {
        for (int x = c.x0; x <= c.x1; ++x) {
          const size_t k = static_cast<size_t>(y) * static_cast<size_t>(across_) + static_cast<size_t>(x);
          for (int m = starts_[k]; m < starts_[k + 1]; ++m) f(members_[static_cast<size_t>(m)]);
        }
      }
    }
    for (int j : long_) f(j);
    return true;
  }

 private:
  static constexpr double kMinCell = 2.0;
  static constexpr double kMaxCellsAcross = 1024;
  static constexpr int kLongCells = 8;

  struct Cells {
    int x0 = 0, y0 = 0, x1 = -1, y1 = -1;
    bool Long() const { return x1 - x0 >= kLongCells || y1 - y0 >= kLongCells; }
  };

  static bool Finite(const SpanBox& b) {
    return std::isfinite(b.left) && std::isfinite(b.top) && std::isfinite(b.right) && std::isfinite(b.bottom);
  }

  // The cells a box covers, held to the grid; false for a box that is not finite or lies
  // wholly outside the grid (it meets no box listed in a cell).
  bool CellsOf(const SpanBox& b, Cells& c) const {
    if (!Finite(b) || across_ == 0) return false;
    const double x0 = std::floor((b.left - left_) / cell_), x1 = std::floor((b.right - left_) / cell_);
    const double y0 = std::floor((b.top - top_) / cell_), y1 = std::floor((b.bottom - top_) / cell_);
    if (x1 < 0 || y1 < 0 || x0 >= across_ || y0 >= down_) return false;
    c.x0 = static_cast<int>(std::max(x0, 0.0));
    c.y0 = static_cast<int>(std::max(y0, 0.0));
    c.x1 = static_cast<int>(std::min(x1, double(across_ - 1)));
    c.y1 = static_cast<int>(std::min(y1, double(down_ - 1)));
    return true;
  }

  const CFPoint* p_;
  double left_ = 0, top_ = 0, right_ = 0, bottom_ = 0, cell_ = kMinCell;
  int across_ = 0, down_ = 0;
  std::vector<int> starts_;
  std::vector<int> members_;
  std::vector<int> long_;
};

int RangeCrossings(const CStrokePath& path, int first, int second, std::span<CCrossingRecord> records, int limit,
                   int reach) {
  first = std::max(first, 0);
  second = std::min(second, path.GetCount());
  const CFPoint* p = path.m_pPoints;
  // The segments j may be: from first + 2 while j < second - 1, not ending a section.
  std::vector<int> segments;
  for (int j = first + 2; j < second - 1; ++j) {
    if (!path.IsSectionLast(j)) segments.push_back(j);
  }
  const SegmentGrid grid(p, segments);
  std::vector<int> seen(static_cast<size_t>(std::max(second, 0)), -1);  // the last i that tried j
  struct Hit {
    int j;
    CFPoint at;
  };
  std::vector<Hit> hits;
  int n = 0;
  for (int i = first; i < second - 4 && n < limit; ++i) {
    if (path.IsSectionLast(i)) continue;
    const SpanBox segI = SpanBoxOf(p[i], p[i + 1]);
    hits.clear();
    auto tryPair = [&](int j) {
      if (j < i + 2 || seen[static_cast<size_t>(j)] == i) return;
      seen[static_cast<size_t>(j)] = i;
      if (!WithinReach(p[i], p[j], reach) || !segI.Meets(SpanBoxOf(p[j], p[j + 1]))) return;
      CFPoint hit(0, 0);
      if (IntersectSegments(p[i], p[i + 1], p[j], p[j + 1], &hit, kIntersectOnBoth) == 1) hits.push_back({j, hit});
    };
    if (!grid.ForCandidates(i, tryPair)) {
      for (int j : segments) tryPair(j);
    }
    // The crossings of segment i in the order of j.
    std::sort(hits.begin(), hits.end(), [](const Hit& a, const Hit& b) { return a.j < b.j; });
    for (const Hit& h : hits) {
      if (n >= limit) break;
      records[static_cast<size_t>(n++)].Set(i, h.j, (i + h.j) / 2, h.at.x, h.at.y);
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
