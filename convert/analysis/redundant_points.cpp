#include "convert/analysis/redundant_points.h"

#include <algorithm>

#include "core/path/stroke_path.h"

namespace {

CFPoint Step(const CStrokePath& path, int k) { return path.m_pPoints[k + 1] - path.m_pPoints[k]; }

}  // namespace

int IsRepeatedRun(const CStrokePath& path, int start, int len) {
  if (start < 0 || len < 1 || len > kMaxRepeatedRun || start + 2 * len >= path.GetCount()) return 0;
  // A stretch does not begin at a point to skip or beside one.
  for (int k = std::max(start - 1, 0); k <= start + 1; ++k) {
    if (path.m_pAttrs[k] == CStrokePath::kAttrSkip) return 0;
  }
  for (int k = start; k < start + len; ++k) {
    if (Step(path, k) != Step(path, k + len)) return 0;
  }
  return len;
}

int CountRepeatedRuns(const CStrokePath& path, int start, int bound, int len) {
  int i = start;
  while (i < bound - 2 * len && IsRepeatedRun(path, i, len) != 0) i += len;
  return i == start ? 0 : i - start + len;
}

int RemoveRedundantPoints(CStrokePath& path, int first, int last) {
  const int count = path.GetCount();
  if (first < 0) {
    first = 0;
    last = count;
  }
  last = std::clamp(last, 0, count);
  first = std::min(first, last);
  // Rebuilt in place: the point written at w never lies after the point read at i, and
  // the tests read no slot below i - 1, which is still the original while w equals i.
  int w = first;
  int bound = -1;
  int total = 0;
  for (int i = first; i < last;) {
    // A range may begin inside a stroke: its bound is looked up there too, and kept
    // inside the range.
    if (i == first || path.m_pFlags[i] != 0) bound = std::min(path.FindStrokeEnd(i), last - 1);
    int r = 0;
    for (int len = 1; len <= 3 && r == 0; ++len) r = CountRepeatedRuns(path, i, bound, len);
    path.CopyPointFrom(path, i, w++);
    total += r;
    i += std::max(r, 1);
  }
  for (int i = last; i < count; ++i) path.CopyPointFrom(path, i, w++);
  path.SetCount(w);
  return total;
}

int DropRepeatedPoints(CStrokePath& path) {
  const int count = path.GetCount();
  const CFPoint* p = path.m_pPoints;
  int w = 0;
  for (int i = 0; i < count; ++i) {
    // In place as above: slot w - 1 holds the last point kept, slot i - 1 the original.
    if (i > 0 && path.m_pFlags[i] == 0 && path.m_pAttrs[i] != CStrokePath::kAttrSkip) {
      if (p[i] == p[w - 1]) continue;
      if (!path.IsStrokeLast(i)) {
        const CFPoint in = p[i] - p[i - 1], on = p[i + 1] - p[i];
        if ((in.x == 0 && on.x == 0) || (in.y == 0 && on.y == 0)) continue;
      }
    }
    path.CopyPointFrom(path, i, w++);
  }
  path.SetCount(w);
  return 0;
}
