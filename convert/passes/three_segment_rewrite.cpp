#include "convert/passes/three_segment_rewrite.h"

#include "convert/analysis/three_segment_stroke.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/scratch_paths.h"
#include "core/path/stroke_work.h"

namespace {

// Appends src points a to b, forwards or backwards.
void AppendPoints(CStrokeWork& out, const CStrokePath& src, int a, int b) {
  const int step = a <= b ? 1 : -1;
  for (int j = a;; j += step) {
    out.AppendPointFrom(src, j);
    if (j == b) return;
  }
}

// Appends the points of the third segment laid on the line from the second's end to the
// third's end x at the second's start height.
void AppendStraightenedThird(CStrokeWork& out, const CStrokePath& src, const CThreeSegments& s) {
  const CFPoint from = src.m_pPoints[s.e2];
  const CFPoint to(src.m_pPoints[s.e3].x, src.m_pPoints[s.s2].y);
  const double span = s.e3 - s.s3;
  for (int j = s.s3; j <= s.e3; ++j) {
    if (!out.AppendPointFrom(src, j)) return;
    const double t = (j - s.s3) / span;
    out.m_pPoints[out.m_nCount - 1] = CFPoint(static_cast<float>(from.x + (double(to.x) - from.x) * t),
                                              static_cast<float>(from.y + (double(to.y) - from.y) * t));
  }
}

}  // namespace

int RewriteThreeSegmentStrokes(CStrokePath& path, bool reverse, std::vector<int>* strokesBefore) {
  gMarkers.EnablePosting(0);
  ScratchPath rebuilt(path.GetCapacity());
  CStrokeWork& out = *rebuilt;
  const int n = path.GetCount();
  // The stroke each point of path lies in; for each stroke of the rewritten path, the
  // stroke of the point it starts at (the points of a block appended from src point a
  // on, forwards or backwards, stand for a, a + step, ...).
  std::vector<int> strokeOf;
  std::vector<int> before;
  if (strokesBefore) {
    int stroke = -1;
    for (int i = 0; i < n; ++i) strokeOf.push_back(stroke += path.m_pFlags[i] == CStrokePath::kFlagStart);
  }
  auto noteStarts = [&](int from, int a, int step) {
    if (!strokesBefore) return;
    for (int o = from; o < out.m_nCount; ++o) {
      if (out.m_pFlags[o] == CStrokePath::kFlagStart) before.push_back(strokeOf[size_t(a + step * (o - from))]);
    }
  };
  for (int i = 0; i < n; ++i) {
    int from = out.m_nCount;
    if (path.m_pFlags[i] != CStrokePath::kFlagStart || ClassifyThreeSegmentStroke(path, i) != 2) {
      out.AppendPointFrom(path, i);
      noteStarts(from, i, 1);
      continue;
    }
    const CThreeSegments s = ThreeSegmentsAt(path, i);
    AppendPoints(out, path, i, s.e1);
    noteStarts(from, i, 1);
    from = out.m_nCount;
    if (reverse) {
      const int first = out.m_nCount;
      AppendPoints(out, path, s.e2, s.s2);
      out.m_pFlags[first] = CStrokePath::kFlagStart;
      if (out.m_nCount - 1 > first) out.m_pFlags[out.m_nCount - 1] = CStrokePath::kFlagContinue;
      noteStarts(from, s.e2, -1);
    } else {
      AppendPoints(out, path, s.s2, s.e2);
      if (s.e3 > s.s3) AppendStraightenedThird(out, path, s);
      noteStarts(from, s.s2, 1);
    }
    i = s.e3;
  }
  if (strokesBefore) *strokesBefore = std::move(before);
  // The rewrite never adds points, so the rebuilt path fits.
  path.CopyRangeFrom(out, 0, out.m_nCount);
  gMarkers.EnablePosting(0);
  return 1;
}
