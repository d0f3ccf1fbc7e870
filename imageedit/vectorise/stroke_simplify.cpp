// Attaching short dangling pieces of traced strokes to nearby stroke ends.
#include <cmath>
#include <memory>
#include <vector>

#include "core/geometry/vector_geometry.h"
#include "imageedit/vectorise/stroke_spans.h"
#include "imageedit/vectorise/traced_strokes.h"

namespace {

constexpr float kFreeEndTolerance = 1.0f;
constexpr double kBackAngle = 3.0 * 3.14159265358979 / 4.0;

struct Splice {
  int source;
  int target;
};

}  // namespace

int SimplifyTracedStrokes(CStrokePath& path, float radius, float lengthLimit) {
  const std::vector<StrokeSpan> spans = ListStrokeSpans(path);
  std::vector<int> strokeOf(size_t(path.GetCount()));
  for (size_t s = 0; s < spans.size(); ++s) {
    for (int i = spans[s].first; i <= spans[s].last; ++i) strokeOf[size_t(i)] = int(s);
  }
  std::vector<int> freeEnds(spans.size() * 2);
  freeEnds.resize(size_t(path.FindUnconnectedEnds(freeEnds, kFreeEndTolerance)));

  std::vector<Splice> splices;
  // Every splice adds a point: no more than the path has room for.
  const size_t room = size_t(std::max(path.GetCapacity() - path.GetCount(), 0));
  bool full = false;
  for (int e : freeEnds) {
    const StrokeSpan& own = spans[size_t(strokeOf[size_t(e)])];
    if (own.first == own.last) continue;  // a single point has no direction
    const int other = e == own.first ? own.last : own.first;
    if (path.PathLength(own.first, own.last, 0) >= lengthLimit) continue;
    const CFPoint p = path.GetPoint(e);
    const CFPoint direction = p - path.GetPoint(other);
    if (direction.x == 0 && direction.y == 0) continue;
    float best = radius * radius;
    int target = -1;
    for (const StrokeSpan& span : spans) {
      if (&span == &own) continue;
      for (int j : {span.first, span.last}) {
        const CFPoint v = path.GetPoint(j) - p;
        const float d = SquaredDistance(path.GetPoint(j), p);
        if (d >= best || (v.x == 0 && v.y == 0)) continue;
        if (VectorAngle(direction.x, direction.y, v.x, v.y, kAngleBetween) <= kBackAngle) continue;
        best = d;
        target = j;
      }
    }
    if (target < 0) continue;
    if (splices.size() >= std::min<size_t>(kMaxSplices, room)) {
      full = true;
      break;
    }
    splices.push_back({e, target});
  }
  if (splices.empty()) return full ? -1 : 1;

  auto rebuilt = std::make_unique<CStrokePath>(path.GetCapacity());
  std::vector<int> spliceAt(size_t(path.GetCount()), -1);
  for (const Splice& s : splices) spliceAt[size_t(s.source)] = s.target;
  for (int i = 0; i < path.GetCount(); ++i) {
    const int target = spliceAt[size_t(i)];
    const bool start = path.GetFlag(i) != 0 || i == 0;
    if (target >= 0 && start) {
      // The stroke now opens at the end it was spliced to.
      rebuilt->AppendFlagged(path, target, path.GetFlag(i) != 0 ? path.GetFlag(i) : CStrokePath::kFlagStart);
      rebuilt->AppendFlagged(path, i, CStrokePath::kFlagContinue);
    } else {
      rebuilt->AppendFlagged(path, i, -1);
      if (target >= 0) rebuilt->AppendFlagged(path, target, CStrokePath::kFlagContinue);
    }
  }
  path.CopyFrom(*rebuilt);
  return full ? -1 : 1;
}
