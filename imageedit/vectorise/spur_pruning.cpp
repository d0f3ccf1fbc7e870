// Removing the short side branches that thinning leaves at the corners of wide strokes.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "imageedit/vectorise/stroke_spans.h"
#include "imageedit/vectorise/traced_strokes.h"

namespace {

constexpr float kAttached = 2.0f;
// A square corner's spur reaches the corner: the half-width times the root of two.
constexpr float kSpurReach = 1.5f;
constexpr float kSpurAllowance = 2.0f;
constexpr int kMaxHalfWidth = 64;
constexpr uint8_t kRingFlag = 2;

// The distance from p to the nearest background pixel of ink, searched in growing
// squares up to reach (at most kMaxHalfWidth); reach when none is nearer.
float HalfWidthAt(const CMonoBitmap& ink, tmb::Point p, int reach) {
  reach = std::min(reach, kMaxHalfWidth);
  float best = float(reach);
  for (int r = 1; r <= reach && float(r) < best; ++r) {
    for (int k = -r; k <= r; ++k) {
      const tmb::Point ring[4] = {{p.x + k, p.y - r}, {p.x + k, p.y + r}, {p.x - r, p.y + k}, {p.x + r, p.y + k}};
      for (const tmb::Point& q : ring) {
        if (ink.TestBit(q.x, q.y)) best = std::min(best, std::hypot(float(q.x - p.x), float(q.y - p.y)));
      }
    }
  }
  return best;
}

}  // namespace

int PruneTracedSpurs(CStrokePath& path, const CMonoBitmap& ink) {
  const std::vector<StrokeSpan> spans = ListStrokeSpans(path);
  std::vector<CFPoint> ends;
  ends.reserve(spans.size() * 2);
  for (const StrokeSpan& span : spans) {
    ends.push_back(path.GetPoint(span.first));
    ends.push_back(path.GetPoint(span.last));
  }
  auto near = [](const CFPoint& a, const CFPoint& b) {
    return std::fabs(a.x - b.x) <= kAttached && std::fabs(a.y - b.y) <= kAttached;
  };
  auto attached = [&](size_t own, int end) {
    const CFPoint p = path.GetPoint(end);
    for (size_t k = 0; k < ends.size(); ++k) {
      if (k / 2 != own && near(p, ends[k])) return true;
    }
    return false;
  };
  std::vector<uint8_t> drop(spans.size(), 0);
  int removed = 0;
  for (size_t s = 0; s < spans.size(); ++s) {
    const StrokeSpan& span = spans[s];
    const bool a = attached(s, span.first), b = attached(s, span.last);
    // A spur hangs from one end; a crumb loops back to where it left.
    const bool crumb = a && b && near(path.GetPoint(span.first), path.GetPoint(span.last));
    if (a == b && !crumb) continue;
    const int root = a ? span.first : span.last;
    const float length = path.PathLength(span.first, span.last, 0);
    // Only a half-width the length needs is looked for.
    const int needed = int(std::ceil((length - kSpurAllowance) / kSpurReach));
    if (needed > kMaxHalfWidth) continue;
    const float half = needed <= 0 ? 0.0f : HalfWidthAt(ink, path.GetPoint(root).RoundToPoint(), needed + 1);
    if (length > kSpurReach * half + kSpurAllowance) continue;
    drop[s] = 1;
    ++removed;
  }
  if (removed == 0) return 0;
  auto rebuilt = std::make_unique<CStrokePath>(path.GetCapacity());
  for (size_t s = 0; s < spans.size(); ++s) {
    if (!drop[s]) rebuilt->AppendRangeFrom(path, spans[s].first, spans[s].last + 1, 0);
  }
  path.CopyFrom(*rebuilt);
  return removed;
}

int MarkTracedRings(CStrokePath& path) {
  int rings = 0;
  for (const StrokeSpan& span : ListStrokeSpans(path)) {
    if (span.last - span.first < 3 || path.GetPoint(span.first).RoundToPoint() != path.GetPoint(span.last).RoundToPoint()) {
      continue;
    }
    path.m_pFlags[span.first] = kRingFlag;
    ++rings;
  }
  return rings;
}
