// Carrying the free ends of traced strokes on to a target path.
#include <memory>
#include <vector>

#include "core/geometry/vector_geometry.h"
#include "imageedit/vectorise/stroke_spans.h"
#include "imageedit/vectorise/traced_strokes.h"

namespace {

constexpr float kFreeEndTolerance = 1.0f;
constexpr int kDirectionReach = 10;
constexpr float kTouching2 = 4.0f;  // 2 pixels
constexpr float kFarthest2 = 100000000.0f;

// The way carried on from an end: its points from the one after the end to the hit.
struct Extension {
  int end = -1;
  std::vector<CFPoint> points;
};

// The nearest crossing beyond p (seen from q) of the line q-p with a segment of target;
// false when p already touches target or nothing is crossed.
bool FindHit(const CStrokePath& target, const CFPoint& p, const CFPoint& q, CFPoint& hit) {
  float best = kFarthest2;
  bool found = false;
  const CFPoint ahead = p - q;
  for (int s = 1; s < target.GetCount(); ++s) {
    if (target.GetFlag(s) != 0) continue;  // no segment leads into a stroke's start
    CFPoint h;
    if (!IntersectSegments(p, q, target.GetPoint(s - 1), target.GetPoint(s), &h, kIntersectOnSecond)) continue;
    const float d = SquaredDistance(h, p);
    if (d < kTouching2) return false;
    const CFPoint way = h - p;
    if (way.x * ahead.x + way.y * ahead.y <= 0 || d >= best) continue;
    best = d;
    hit = h;
    found = true;
  }
  return found;
}

}  // namespace

int ConnectTracedStrokes(CStrokePath& path, const CMonoBitmap& mask, const CStrokePath* /*reference*/,
                         const CStrokePath& target, CStrokePath& work, tmb::DeviceContext* /*pDC*/) {
  std::vector<int> freeEnds(size_t(path.GetCount()) + 2);
  freeEnds.resize(size_t(path.FindUnconnectedEnds(freeEnds, kFreeEndTolerance)));
  std::vector<int> extensionAt(size_t(path.GetCount()), -1);
  std::vector<Extension> extensions;
  int added = 0;
  for (int e : freeEnds) {
    const int first = path.FindStrokeStart(e), last = path.FindStrokeEnd(e);
    if (first == last) continue;
    // The direction comes from up to ten points into the stroke, never past its other end.
    const int q = e == first ? std::min(e + kDirectionReach, last) : std::max(e - kDirectionReach, first);
    const CFPoint p = path.GetPoint(e), from = path.GetPoint(q);
    if (p.x == from.x && p.y == from.y) continue;
    CFPoint hit(0, 0);
    if (!FindHit(target, p, from, hit)) continue;
    work.SetCount(0);
    work.AppendLinePoints(p.RoundToPoint(), hit.RoundToPoint(), 1, nullptr);
    if (!SegmentOnInk(mask, work)) continue;
    Extension ext;
    ext.end = e;
    for (int k = 1; k < work.GetCount(); ++k) ext.points.push_back(work.GetPoint(k));
    if (ext.points.empty()) continue;
    added += int(ext.points.size());
    extensionAt[size_t(e)] = int(extensions.size());
    extensions.push_back(std::move(ext));
  }
  if (extensions.empty()) return 1;

  bool full = path.GetCount() + added > path.GetCapacity();
  auto rebuilt = std::make_unique<CStrokePath>(path.GetCapacity());
  for (int i = 0; i < path.GetCount(); ++i) {
    const int x = extensionAt[size_t(i)];
    const bool fits = x >= 0 && rebuilt->GetCount() + int(extensions[size_t(x)].points.size()) + path.GetCount() - i <=
                                    rebuilt->GetCapacity();
    const bool start = path.GetFlag(i) != 0 || i == 0;
    if (fits && start) {
      // The way leads into the stroke: it opens at the hit.
      const std::vector<CFPoint>& way = extensions[size_t(x)].points;
      for (size_t k = way.size(); k-- > 0;) {
        const tmb::Point r = way[k].RoundToPoint();
        const int flag = path.GetFlag(i) != 0 ? path.GetFlag(i) : CStrokePath::kFlagStart;
        rebuilt->AppendPoint(r.x, r.y, k + 1 == way.size() ? flag : CStrokePath::kFlagContinue);
      }
      rebuilt->AppendFlagged(path, i, CStrokePath::kFlagContinue);
      continue;
    }
    rebuilt->AppendFlagged(path, i, -1);
    if (fits) {
      for (const CFPoint& w : extensions[size_t(x)].points) {
        const tmb::Point r = w.RoundToPoint();
        rebuilt->AppendPoint(r.x, r.y, CStrokePath::kFlagContinue);
      }
    }
  }
  path.CopyFrom(*rebuilt);
  path.Densify(0);
  return full ? -1 : 1;
}
