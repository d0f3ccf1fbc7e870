#include "imageedit/vectorise/gap_closer.h"

#include <cmath>
#include <utility>

#include "core/onebit/mask_line.h"
#include "imageedit/vectorise/stroke_spans.h"

namespace {

constexpr float kMinSide = 256.0f;   // a slot's sides: 16 pixels or more
constexpr float kMaxMouth = 576.0f;  // its mouth: under 24 pixels
constexpr float kSideSpread = 64.0f;
constexpr float kBottomSpread = 16.0f;
constexpr float kInset = 2.0f;

struct Edge {
  float x, y;
  float Squared() const { return x * x + y * y; }
};

Edge EdgeOf(const CFPoint& a, const CFPoint& b) { return {b.x - a.x, b.y - a.y}; }
float Cross(const Edge& a, const Edge& b) { return a.x * b.y - a.y * b.x; }
float Dot(const Edge& a, const Edge& b) { return a.x * b.x + a.y * b.y; }
int Sign(float v) { return (v > 0) - (v < 0); }

bool SameWay(const Edge& a, const Edge& b) {
  return Cross(a, b) == 0.0f && Sign(a.x) == Sign(b.x) && Sign(a.y) == Sign(b.y);
}

tmb::Point Along(const CFPoint& p, const Edge& e, float distance) {
  const float len = std::sqrt(e.Squared());
  return CFPoint(p.x + e.x / len * distance, p.y + e.y / len * distance).RoundToPoint();
}

bool InkAt(const CMonoBitmap& mask, tmb::Point p) { return mask.TestBit(p.x, p.y) == 0; }

}  // namespace

int CloseOutlineGaps(const CStrokePath& outline, CMonoBitmap& mask, CStrokePathLite& added) {
  int closed = 0;
  for (const StrokeSpan& s : ListStrokeSpans(outline)) {
    // A closed outline's last point may repeat its first.
    int n = s.last - s.first + 1;
    if (n > 1 && outline.GetPoint(s.first).RoundToPoint() == outline.GetPoint(s.last).RoundToPoint()) --n;
    if (n < 6) continue;
    auto p = [&](int i) { return outline.GetPoint(s.first + i % n); };
    for (int i = 0; i < n; ++i) {
      Edge e[5];
      for (int k = 0; k < 5; ++k) e[k] = EdgeOf(p(i + k), p(i + k + 1));
      bool corners = true;
      for (int k = 1; k < 5; ++k) corners = corners && Cross(e[k - 1], e[k]) != 0.0f;
      if (!corners) continue;
      const float side1 = e[1].Squared(), side3 = e[3].Squared();
      const float mouth = EdgeOf(p(i + 1), p(i + 4)).Squared();
      if (side1 < kMinSide || side3 < kMinSide || std::fabs(side1 - side3) >= kSideSpread) continue;
      if (mouth >= kMaxMouth || std::fabs(mouth - e[2].Squared()) >= kBottomSpread) continue;
      if (Cross(e[1], e[3]) != 0.0f || Dot(e[1], e[3]) >= 0 || !SameWay(e[0], e[4])) continue;
      const tmb::Point a = Along(p(i + 1), e[1], kInset);
      const tmb::Point b = Along(p(i + 4), {-e[3].x, -e[3].y}, kInset);
      if (a == b) continue;
      // From each of the two points across to the other: drawn when the ink there is a
      // strand no more than two pixels thick, paper beyond it, so that a strand split off
      // by a thin streak joins its stroke and two strokes beside each other stay apart.
      int drawn = 0;
      for (const auto& [from, to] : {std::pair{a, b}, std::pair{b, a}}) {
        const Edge across{float(to.x - from.x), float(to.y - from.y)};
        if (InkAt(mask, Along(CFPoint(float(to.x), float(to.y)), across, kInset))) continue;
        drawn += DrawMaskLine(mask, from, to, &added);
      }
      if (drawn > 0) ++closed;
    }
  }
  return closed;
}
