// The scratch effect of flying white: short white streaks along the strokes, where a dry
// brush leaves the paper showing. The streaks come from a seeded generator, so the same
// character always shows the same streaks.
#include <algorithm>
#include <cmath>
#include <vector>

#include "brush/render/random16.h"
#include "core/canvas/work_canvas.h"
#include "core/path/stroke_work.h"

namespace {

constexpr uint32_t kSeed = 11;
constexpr int kMinStreakPoints = 8;
constexpr int kMinLineChance = 50;  // a streak's pieces are drawn at least this often (percent)

// The unit normal at point i of the segment [first, last] of path, from the point before
// to the point after; (0, 0) where those two coincide.
CFPoint NormalAt(const CStrokePath& path, int i, int first, int last) {
  const CFPoint d = path.m_pPoints[std::min(i + 1, last)] - path.m_pPoints[std::max(i - 1, first)];
  const double length = std::hypot(double(d.x), double(d.y));
  if (length <= 0) return {0, 0};
  return {float(-d.y / length), float(d.x / length)};
}

// Where a streak runs across the stroke: draws of 45 to 54 centre it, higher ones move it
// toward the far side, lower ones toward the near side; in halves of the stroke's width.
float BandPosition(uint32_t draw) {
  const int v = int(draw % 100);
  if (v >= 45 && v <= 54) return 0.0f;
  return float(v - 50) / 50.0f;
}

}  // namespace

void CStrokeWork::DrawCharacterStrokes(tmb::DeviceContext* pDC, const tmb::Rect& rect, int density) {
  tmb::Surface& scratch = gWorkCanvas.m_maskBitmaps[3];
  if (!pDC || scratch.IsNull()) return;
  density = std::clamp(density, 0, 100);
  tmb::DeviceContext dc = tmb::DeviceContext::CompatibleWith(pDC);
  dc.SelectSurface(&scratch);
  // Black ORs nothing in: only the streaks reach pDC, whatever the scratch bitmap held.
  dc.FillSolidRect(rect, 0x000000);
  dc.SelectPen(tmb::Pen::Solid(1, 0xFFFFFF));
  dc.SelectBrush(tmb::Brush::Solid(0xFFFFFF));
  CRandom16 random;
  random.SetSeed(kSeed);
  const int lineChance = std::max(100 - density, kMinLineChance);

  std::vector<float> widths;
  for (int first = 0; first < m_nCount;) {
    const int last = FindSegmentEnd(first);
    widths.clear();
    for (int i = first; i <= last; ++i) widths.push_back(float(std::max<int>(m_pWidths[i], 1)));
    const int length = last - first + 1;
    const int streak = std::max(length * density / 50, kMinStreakPoints);
    // The streak's point j: the centre point moved across the stroke by side halves of
    // its width, kept inside the band with room for a bristle beside it.
    auto at = [&](int j, float side) {
      const float reach = std::max(widths[size_t(j - first)] / 2 - 2.0f, 0.0f);
      return (m_pPoints[j] + NormalAt(*this, j, first, last) * (side * reach)).RoundToPoint();
    };
    for (int k = first; k <= last; ++k) {
      if (int(random.Next() % 100) >= density) continue;
      const float side = BandPosition(random.Next());
      const int end = std::min(k + streak, last);
      tmb::Point from = at(k, side);
      for (int j = k + 1; j <= end; ++j) {
        const tmb::Point to = at(j, side);
        if (to == from) continue;
        if (int(random.Next() % 100) < lineChance) {
          dc.MoveTo(from.x, from.y);
          dc.LineTo(to.x, to.y);
          // A loose bristle beside the streak now and then.
          if (random.Next() % 100 > 50) dc.SetPixel(to.x + (to.y - from.y != 0), to.y + (to.x - from.x != 0), 0xFFFFFF);
        }
        from = to;
      }
    }
    first = last + 1;
  }
  pDC->BitBlt(rect.left, rect.top, rect.Width(), rect.Height(), &dc, rect.left, rect.top, tmb::kSrcPaint);
}
