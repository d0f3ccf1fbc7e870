// Joining traced strokes whose ends touch into one stroke.
#include <cmath>
#include <memory>
#include <vector>

#include "imageedit/vectorise/stroke_spans.h"
#include "imageedit/vectorise/traced_strokes.h"

namespace {

constexpr float kTouch = 3.0f;

// Appends points a to b of src (backwards when a > b), the first with flag.
void AppendRun(CStrokePath& dst, const CStrokePath& src, int a, int b, int flag) {
  const int step = a <= b ? 1 : -1;
  for (int i = a;; i += step) {
    dst.AppendFlagged(src, i, i == a ? flag : CStrokePath::kFlagContinue);
    if (i == b) break;
  }
}

}  // namespace

int JoinTracedStrokes(CStrokePath& path, int /*mode*/) {
  const std::vector<StrokeSpan> spans = ListStrokeSpans(path);
  const size_t ends = spans.size() * 2;
  auto endIndex = [&](size_t e) { return e % 2 == 0 ? spans[e / 2].first : spans[e / 2].last; };
  auto partner = [](size_t e) { return e ^ 1; };
  // partnerOf[e]: the end e is joined to; first[e]: whether e opened the pair.
  std::vector<int> partnerOf(ends, -1);
  std::vector<uint8_t> first(ends, 0);
  int pairs = 0;
  for (size_t e = 0; e < ends && pairs < kMaxJoinPairs; ++e) {
    if (partnerOf[e] >= 0 || partnerOf[partner(e)] >= 0) continue;
    const CFPoint p = path.GetPoint(endIndex(e));
    int near = 0;
    size_t f = 0;
    for (size_t o = 0; o < ends && near < 2; ++o) {
      if (o == e || !CStrokePath::PointsWithin(p, path.GetPoint(endIndex(o)), kTouch)) continue;
      near += o == partner(e) ? 2 : 1;
      f = o;
    }
    if (near != 1 || partnerOf[f] >= 0 || partnerOf[partner(f)] >= 0) continue;
    partnerOf[e] = int(f);
    partnerOf[f] = int(e);
    first[e] = 1;
    ++pairs;
  }
  if (pairs == 0) return 0;

  auto rebuilt = std::make_unique<CStrokePath>(path.GetCapacity());
  int joins = 0;
  for (size_t s = 0; s < spans.size(); ++s) {
    const size_t a = 2 * s, b = 2 * s + 1;
    const int i = spans[s].first, j = spans[s].last;
    if ((partnerOf[a] >= 0 && !first[a]) || (partnerOf[b] >= 0 && !first[b])) continue;  // taken by its partner
    const int flag = path.GetFlag(i) != 0 ? path.GetFlag(i) : CStrokePath::kFlagStart;
    const size_t opener = partnerOf[b] >= 0 ? b : partnerOf[a] >= 0 ? a : ends;
    if (opener == ends) {
      AppendRun(*rebuilt, path, i, j, flag);
      continue;
    }
    // Out through the joined end, then on through the other stroke to its far end.
    if (opener == b) {
      AppendRun(*rebuilt, path, i, j, CStrokePath::kFlagStart);
    } else {
      AppendRun(*rebuilt, path, j, i, CStrokePath::kFlagStart);
    }
    const int joint = rebuilt->GetCount();
    const size_t f = size_t(partnerOf[opener]);
    AppendRun(*rebuilt, path, endIndex(f), endIndex(partner(f)), CStrokePath::kFlagContinue);
    if (opener == a && joint < rebuilt->GetCount()) rebuilt->m_pAttrs[joint] = kAttrReversedJoint;
    ++joins;
  }
  path.CopyFrom(*rebuilt);
  return joins;
}
