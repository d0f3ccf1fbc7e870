#include "convert/analysis/reversed_ends.h"

#include <algorithm>
#include <cmath>

#include "convert/analysis/outline_point_search.h"
#include "core/path/point_index_list.h"
#include "core/path/stroke_path_ex.h"

namespace {

constexpr int kMinWidth = 4;

// Anchors the point of outline's stroke number nearest to side when the outline, walked
// from it by step, leaves the box of half-size w in a way that turns back from d.
void AnchorIfReversed(const CStrokePath& outline, const CFPoint& side, const CFPoint& d, int step, float w,
                      int maxSteps, int strokeNumber, int kind, CPointIndexList& anchors) {
  CFPoint found;
  const int j = NearestPointInStroke(outline, side.x, side.y, found, strokeNumber);
  if (j < 0) return;
  const int k = outline.WalkUntilOutsideBox(j, step, w, maxSteps);
  const CFPoint v = outline.m_pPoints[k] - outline.m_pPoints[j];
  // More than a right angle between them: the outline runs back against the stroke. (The
  // shared angle function reads an exactly equal direction as pi: by it, an outline running
  // on along its stroke would be held wherever the float directions happen to agree
  // exactly, leaving level ends square and slanting ones square or lopsided by chance.)
  if (double(d.x) * v.x + double(d.y) * v.y < 0) {
    anchors.AddPoint(found.x, found.y, static_cast<uint8_t>(kind), j);
  }
}

}  // namespace

int FindReversedEnds(const CStrokePathEx& centre, const CStrokePath& outline, CPointIndexList& anchors) {
  if (!centre.m_pSide1 || !centre.m_pSide2) return 1;
  int strokeNumber = 0;
  int length = 0;
  for (int i = 0; i < centre.GetCount(); ++i) {
    if (!centre.IsStrokeBoundary(i)) continue;
    const bool start = i == 0 || centre.m_pFlags[i] != 0;
    if (start) {
      length = centre.FindStrokeEnd(i) - i;
      ++strokeNumber;
    }
    // A stroke of one point is both its start and its end; it has no way in.
    const bool last = centre.IsStrokeLast(i);
    for (bool atStart : {true, false}) {
      if ((atStart && !start) || (!atStart && !last)) continue;
      const int neighbour = atStart ? i + 1 : i - 1;
      const CFPoint d = last && start ? CFPoint(0, 0) : centre.m_pPoints[neighbour] - centre.m_pPoints[i];
      const CFPoint s1 = centre.m_pSide1[i], s2 = centre.m_pSide2[i];
      const float w = std::max(float(std::lround(std::hypot(double(s1.x - s2.x), double(s1.y - s2.y)))),
                               float(kMinWidth));
      const int step = atStart ? 1 : -1;
      const int kind = atStart ? kReversedStartKind : kReversedEndKind;
      AnchorIfReversed(outline, s1, d, step, w, length, strokeNumber, kind, anchors);
      AnchorIfReversed(outline, s2, d, -step, w, length, strokeNumber, kind, anchors);
    }
  }
  return 1;
}
