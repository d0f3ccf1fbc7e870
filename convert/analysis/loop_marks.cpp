#include "convert/analysis/loop_marks.h"

#include <algorithm>
#include <cmath>
#include <span>
#include <vector>

#include "convert/analysis/crossing_record.h"
#include "core/geometry/vector_geometry.h"
#include "core/path/stroke_path.h"

namespace {

// A flag that does not end a section: a continuation or a corner.
bool ContinuesSection(uint8_t flag) { return flag == 0 || flag == CStrokePath::kFlagSelection; }

// The last point of the section that starts at k.
int SectionEnd(const CStrokePath& path, int k) {
  for (int m = k; m + 1 < path.GetCount(); ++m) {
    if (!ContinuesSection(path.m_pFlags[m + 1])) return m;
  }
  return path.GetCount() - 1;
}

// The crossings of segments i and j of the section [k, e], at least four segments apart,
// at most capacity of them; boxes holds the span box of every segment of the path.
void FindSectionCrossings(const CStrokePath& path, std::span<const SpanBox> boxes, int k, int e, size_t capacity,
                          std::vector<CCrossingRecord>& records) {
  records.clear();
  const CFPoint* p = path.m_pPoints;
  for (int i = k + 1; i < e - 2; ++i) {
    for (int j = i + 4; j < e - 2; ++j) {
      if (!boxes[i].Meets(boxes[j])) continue;
      CFPoint hit(0, 0);
      if (IntersectSegments(p[i], p[i + 1], p[j], p[j + 1], &hit, kIntersectOnBoth) != 1) continue;
      if (records.size() >= capacity) break;
      records.emplace_back().Set(i, j, (i + j) / 2, hit.x, hit.y);
    }
  }
}

// Whether the crossing closes a loop worth keeping: the first leg runs to the right of
// the middle of the loop and not steeply down, the section does not end steeply above
// it, and the legs lie at least 2 pixels apart at the quarter points.
bool IsKeptLoop(const CStrokePath& path, const CCrossingRecord& r, int e) {
  const CFPoint* p = path.m_pPoints;
  const int a = r.first;
  const int b = r.second;
  const CFPoint d1 = p[a] - p[r.middle];
  if (d1.x < 2.0f) return false;
  if (d1.y > 0 && d1.y / 2 >= d1.x) return false;
  const CFPoint d2 = p[e] - p[r.middle];
  if (d2.y < 0 && std::fabs(d2.y) > 0.75 * std::fabs(d2.x)) return false;
  const CFPoint u = p[(3 * a + b) / 4] - p[(a + 3 * b) / 4];
  return double(u.x) * u.x + double(u.y) * u.y >= 4.0;
}

}  // namespace

int FlagStrokeLoops(CStrokePath& path) {
  const int n = path.GetCount();
  const size_t capacity = static_cast<size_t>(n / 2);
  std::vector<CCrossingRecord> records;
  records.reserve(capacity);
  // The positions do not change here: every segment's box is taken once.
  std::vector<SpanBox> boxes;
  boxes.reserve(static_cast<size_t>(std::max(n - 1, 0)));
  for (int i = 0; i + 1 < n; ++i) boxes.push_back(SpanBoxOf(path.m_pPoints[i], path.m_pPoints[i + 1]));
  for (int k = 0; k + 1 < n; ++k) {
    const auto flag = static_cast<int8_t>(path.m_pFlags[k]);
    if (flag < 1 || flag == CStrokePath::kFlagSelection) continue;
    const int e = SectionEnd(path, k);
    FindSectionCrossings(path, boxes, k, e, capacity, records);
    for (const CCrossingRecord& r : records) {
      if (!IsKeptLoop(path, r, e)) continue;
      if (path.m_pFlags[r.first] == CStrokePath::kFlagStart || path.m_pFlags[r.second] == CStrokePath::kFlagStart) {
        continue;
      }
      path.m_pFlags[r.first] = kFlagLoopEntry;
      path.m_pFlags[r.second] = kFlagLoopExit;
    }
  }
  return 1;
}
