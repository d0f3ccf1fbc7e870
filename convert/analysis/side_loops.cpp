#include "convert/analysis/side_loops.h"

#include <algorithm>
#include <vector>

#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_path_ex.h"

namespace {

constexpr int kNoPartner = -1;
constexpr int kShortStrokePoints = 24;
constexpr int kLongStrokeReach = 8;
constexpr int kEndCarry = 3;
constexpr int kSmallLoopPoints = 12;
constexpr int kMaxLoopReach = 32;

// The first and last crossing partner of every point.
struct Partners {
  explicit Partners(int n) : first(size_t(n) + 1, kNoPartner), last(size_t(n) + 1, kNoPartner) {}
  void Add(int a, int b) {
    last[size_t(a)] = b;
    if (first[size_t(a)] == kNoPartner) first[size_t(a)] = b;
  }
  std::vector<int> first;
  std::vector<int> last;
};

void RemoveLoopsOfSide(CStrokePathEx& path, CFPoint* x, int mode) {
  const int n = path.GetCount();
  const CFPoint* p = path.m_pPoints;
  Partners partners(n);
  std::vector<SpanBox> boxes;
  boxes.reserve(size_t(n));
  for (int k = 0; k < n; ++k) boxes.push_back(SpanBoxOf(x[k], p[k]));
  for (int s = 0; s < n;) {
    const int e = path.FindStrokeEnd(s);
    const int m = e - s < kShortStrokePoints ? (e - s) / 3 : kLongStrokeReach;
    auto takesPart = [&](int k) { return mode == kSideLoopsAll || k - s < m || e - k < m; };
    for (int k = s; k < e; ++k) {
      if (!takesPart(k)) continue;
      const int reach = mode == kSideLoopsShortReach && k + m < e ? k + m : e;
      for (int j = k + 1; j <= reach; ++j) {
        // A crossing lies in both span boxes.
        if (!takesPart(j) || !boxes[size_t(k)].Meets(boxes[size_t(j)])) continue;
        CFPoint hit;
        if (IntersectSegments(x[k], p[k], x[j], p[j], &hit, kIntersectOnBoth) != 1) continue;
        partners.Add(k, j);
        partners.Add(j, k);
      }
    }
    s = e + 1;
  }
  for (int s = 0; s < n;) {
    const int e = path.FindStrokeEnd(s);
    int& headPartner = partners.last[size_t(s)];
    for (int q = kEndCarry; q >= 1 && headPartner == kNoPartner; --q) {
      if (s + q <= e) headPartner = partners.last[size_t(s + q)];
    }
    int& tailPartner = partners.first[size_t(e)];
    for (int q = 1; q <= kEndCarry && tailPartner == kNoPartner; ++q) {
      if (e - q >= s) tailPartner = partners.first[size_t(e - q)];
    }
    if (headPartner != kNoPartner) std::fill(x + s, x + headPartner, x[headPartner]);
    if (tailPartner != kNoPartner) std::fill(x + tailPartner + 1, x + e + 1, x[tailPartner]);
    s = e + 1;
  }
}

}  // namespace

void RemoveSideLoops(CStrokePathEx& path, int mode) {
  RemoveLoopsOfSide(path, path.m_pSide1, mode);
  RemoveLoopsOfSide(path, path.m_pSide2, mode);
  path.ComputeWeights();
}

void RemoveSmallLoops(CStrokePath& path) {
  const int n = path.GetCount();
  CFPoint* p = path.m_pPoints;
  Partners partners(n);
  std::vector<SpanBox> boxes;
  boxes.reserve(size_t(n));
  for (int k = 0; k + 1 < n; ++k) boxes.push_back(SpanBoxOf(p[k], p[k + 1]));
  for (int s = 0; s < n;) {
    const int e = path.FindStrokeEnd(s);
    for (int j = s; j < e; ++j) {
      // The stroke's first and last segment meet at a closed stroke's first point.
      const int end = j == s ? e - 1 : e;
      for (int k = j + 2; k < end; ++k) {
        if (!boxes[size_t(j)].Meets(boxes[size_t(k)])) continue;
        CFPoint hit;
        if (IntersectSegments(p[j], p[j + 1], p[k], p[k + 1], &hit, kIntersectOnBoth) != 1) continue;
        // Parallel segments meet only where they overlap, which makes no loop.
        const CFPoint u = p[j + 1] - p[j], v = p[k + 1] - p[k];
        if (double(u.x) * v.y == double(u.y) * v.x) continue;
        partners.Add(j, k);
      }
    }
    s = e + 1;
  }
  for (int s = 0; s < n;) {
    const int e = path.FindStrokeEnd(s);
    const int m = std::min((e - s) / 8, kMaxLoopReach);
    for (int j = s; j <= e; ++j) {
      const int last = partners.last[size_t(j)];
      if (last == kNoPartner) continue;
      const int inner = int(std::count_if(partners.first.begin() + j + 1, partners.first.begin() + last,
                                          [](int partner) { return partner != kNoPartner; }));
      if (last - j < kSmallLoopPoints || (inner > 1 && last - j < m)) {
        std::fill(p + j + 1, p + last + 1, p[j]);
      } else if ((e - last) + (j - s) < m) {
        const CFPoint keep = p[j];
        std::fill(p + last, p + e + 1, keep);
        std::fill(p + s, p + j, keep);
      }
    }
    s = e + 1;
  }
  path.RemoveDuplicates();
}
