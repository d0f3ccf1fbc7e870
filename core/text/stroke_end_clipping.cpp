#include "core/text/stroke_end_clipping.h"

#include <optional>
#include <utility>

#include "core/geometry/vector_geometry.h"
#include "core/geometry/point_distance.h"
#include "core/path/stroke_path_ex.h"

namespace {

struct Cut {
  int slot = 0;   // the point that becomes the stroke's end
  int edgeA = 0;  // the outline edge crossed
  int edgeB = 0;
  CFPoint at;     // the crossing
};

// The first outline edge the segment from p to q crosses.
std::optional<Cut> FirstCrossing(const CStrokePath& outline, const CFPoint& p, const CFPoint& q) {
  const SpanBox box = SpanBoxOf(p, q);
  for (int k = 0; k < outline.GetCount(); ++k) {
    const int next = outline.NextInStroke(k, -1);
    const CFPoint a = outline.m_pPoints[k], b = outline.m_pPoints[next];
    if (!box.Meets(SpanBoxOf(a, b))) continue;
    CFPoint at;
    if (IntersectSegments(p, q, a, b, &at, kIntersectOnBoth) == 1) return Cut{0, k, next, at};
  }
  return std::nullopt;
}

// The cut of the end i of the stroke [s, e], walking by dir.
std::optional<Cut> CutOfEnd(const CStrokePathEx& centre, const CStrokePath& outline, int i, int dir, int s, int e) {
  const CFPoint* p = centre.m_pPoints;
  for (int j = i + dir; dir > 0 ? j < e : j >= s; j += dir) {
    if (SquaredDistance(p[j], p[i]) > kClipReach2) break;
    if (std::optional<Cut> cut = FirstCrossing(outline, p[i], p[j])) {
      cut->slot = j - dir;
      return cut;
    }
  }
  return std::nullopt;
}

// The side points of a cut slot: the edge's points, the first on the left of the way d.
void SetCutSides(CStrokePathEx& path, int slot, const Cut& cut, const CStrokePath& outline, const CFPoint& d) {
  CFPoint one = outline.m_pPoints[cut.edgeA], two = outline.m_pPoints[cut.edgeB];
  const CFPoint e = one - two;
  if (double(d.x) * e.y > double(d.y) * e.x) std::swap(one, two);
  path.m_pSide1[slot] = one;
  path.m_pSide2[slot] = two;
}

}  // namespace

int ClipStrokeEndsToOutline(CStrokePathEx& centre, const CStrokePath& outline) {
  const int n = centre.GetCount();
  if (n == 0) return 0;
  CStrokePathEx rebuilt(centre.GetCapacity());
  if (centre.HasWeights()) rebuilt.AllocWeights();
  centre.SetExtraPointsTo(-1.0f);
  int cuts = 0;
  for (int s = 0; s < n;) {
    const int e = centre.FindStrokeEnd(s);
    std::optional<Cut> head = CutOfEnd(centre, outline, s, 1, s, e);
    std::optional<Cut> tail = CutOfEnd(centre, outline, e, -1, s, e);
    if (head && tail && head->slot >= tail->slot) head = tail = std::nullopt;
    const int from = head ? head->slot : s, to = tail ? tail->slot : e;
    const int w0 = rebuilt.GetCount();
    for (int k = from; k <= to; ++k) {
      rebuilt.AppendPointFrom(centre, k);
      rebuilt.m_pFlags[rebuilt.GetCount() - 1] = k == from ? CStrokePath::kFlagStart : CStrokePath::kFlagContinue;
    }
    if (head) {
      rebuilt.m_pPoints[w0] = head->at;
      const CFPoint d = from < to ? centre.m_pPoints[from + 1] - head->at : CFPoint(0, 0);
      SetCutSides(rebuilt, w0, *head, outline, d);
      ++cuts;
    }
    if (tail) {
      const int w = rebuilt.GetCount() - 1;
      rebuilt.m_pPoints[w] = tail->at;
      const CFPoint d = w > w0 ? tail->at - rebuilt.m_pPoints[w - 1] : CFPoint(0, 0);
      SetCutSides(rebuilt, w, *tail, outline, d);
      ++cuts;
    }
    s = e + 1;
  }
  centre.CopyWithoutDuplicates(rebuilt, 0);
  return cuts;
}
