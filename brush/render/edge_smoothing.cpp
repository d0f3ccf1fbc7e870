#include "brush/render/edge_smoothing.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/geometry/point_distance.h"
#include "core/onebit/mask_rows.h"
#include "core/onebit/outline_trace.h"
#include "core/onebit/region_masks.h"
#include "core/onebit/trace_buffer.h"
#include "platform/gdi/dib_rows.h"
#include "platform/gdi/pixel.h"

namespace {

constexpr int kJogSearch = 10;
constexpr int kLongStep = 4;
constexpr int kMinOutline = 4;
constexpr int kStrengthBase = 75;
constexpr int kStrengthSpread = 26;
constexpr int kStrengthStep = 5;
// Runs shorter than this that open at both ends are left as the brush drew them.
constexpr int kShortOpenRun = 8;

int Channel(tmb::Colour c, int k) { return int((c >> (8 * k)) & 0xFFu); }

tmb::Colour Average(tmb::Colour a, tmb::Colour b) {
  tmb::Colour out = 0;
  for (int k = 0; k < 3; ++k) out |= tmb::Colour((Channel(a, k) + Channel(b, k)) / 2) << (8 * k);
  return out;
}

bool IsDiagonalUnit(tmb::Point d) { return std::abs(d.x) == 1 && std::abs(d.y) == 1; }
int Sign(int v) { return (v > 0) - (v < 0); }

// The painted bitmap as the smoothing reads and writes it: the paper only, the
// background beyond it.
class Paper {
 public:
  Paper(tmb::Surface& bitmap, tmb::Colour background)
      : bitmap_(bitmap), area_(tmb::Rect::Intersection(gWorkCanvas.m_rect, bitmap.Bounds())), background_(background) {}
  tmb::Colour Get(tmb::Point p) const { return area_.Contains(p) ? bitmap_.GetPixel(p.x, p.y) : background_; }
  void Set(tmb::Point p, tmb::Colour c) {
    if (area_.Contains(p)) bitmap_.SetPixel(p.x, p.y, c);
  }
  const tmb::Rect& Area() const { return area_; }

 private:
  tmb::Surface& bitmap_;
  tmb::Rect area_;
  tmb::Colour background_;
};

// The traced outlines without repeated points and without the points inside straight
// runs, so that every step of a run is one step; each closed on its first point.
void CopyOutlines(const CStrokePathLite& traced, CStrokePathLite& out) {
  out.m_nCount = 0;
  for (int first = 0; first < traced.m_nCount;) {
    const int last = traced.FindStrokeEnd(first);
    std::vector<tmb::Point> points;
    for (int i = first; i <= last; ++i) {
      const tmb::Point p = traced.m_pPoints[i];
      if (!points.empty() && points.back() == p) continue;
      if (points.size() >= 2) {
        const tmb::Point a = points[points.size() - 2], b = points.back();
        const tmb::Point d1{b.x - a.x, b.y - a.y}, d2{p.x - b.x, p.y - b.y};
        const bool straight = (d1.x == 0 && d2.x == 0 && Sign(d1.y) == Sign(d2.y)) ||
                              (d1.y == 0 && d2.y == 0 && Sign(d1.x) == Sign(d2.x));
        if (straight) points.pop_back();
      }
      points.push_back(p);
    }
    while (points.size() > 1 && points.back() == points.front()) points.pop_back();
    first = last + 1;
    if (out.m_nCount + int(points.size()) > out.m_nCapacity) break;
    for (size_t k = 0; k < points.size(); ++k) {
      out.m_pPoints[out.m_nCount] = points[k];
      out.m_pFlags[out.m_nCount++] = k == 0 ? 1 : 0;
    }
  }
}

struct Smoother {
  Paper& paper;
  tmb::Colour ink;
  tmb::Colour background;
  int strength;
  int level;
  CSmoothingVariant variant;
  tmb::Point farCorner{};  // the outline's point farthest from its first

  bool IsInk(tmb::Point p) const { return paper.Get(p) == ink; }

  // Shades the run from p to q (one axis): from the end where the staircase leaves the
  // ink towards the middle.
  void ShadeRun(tmb::Point p, tmb::Point q, tmb::Point before, tmb::Point after, int s) {
    const tmb::Point unit{Sign(q.x - p.x), Sign(q.y - p.y)};
    const int n = std::abs(q.x - p.x) + std::abs(q.y - p.y);
    const tmb::Point normal{-unit.y, unit.x};
    const tmb::Point middle{p.x + unit.x * (n / 2), p.y + unit.y * (n / 2)};
    const tmb::Point sideA{middle.x + normal.x, middle.y + normal.y}, sideB{middle.x - normal.x, middle.y - normal.y};
    if (IsInk(sideA) == IsInk(sideB)) return;  // not on the character's edge
    const int inkSide = IsInk(sideA) ? 1 : -1;
    const tmb::Point open = inkSide > 0 ? sideB : sideA;
    const int half = n / 2 + ((n % 2 == 1 && (unit.x < 0 || unit.y < 0)) ? 1 : 0);
    const int base = level == 1 ? 4 : 8;
    const bool atFarCorner = p == farCorner || q == farCorner;
    const int runStrength = n >= base ? s : atFarCorner ? 100 : ((10 - base) + half) * s / 10;
    // Towards the ink: the component of a step along the normal, signed so that + is ink.
    auto towardsInk = [&](tmb::Point d) { return (d.x * normal.x + d.y * normal.y) * inkSide; };
    auto shade = [&](tmb::Point from, tmb::Point step) {
      for (int j = 0; j <= half && j <= n; ++j) {
        const tmb::Point at{from.x + step.x * j, from.y + step.y * j};
        if (!IsInk(at)) continue;
        const tmb::Point beside{at.x + (open.x - middle.x), at.y + (open.y - middle.y)};
        const tmb::Colour near = level == 1 ? background : paper.Get(beside);
        paper.Set(at, ShadeRunColour(near, ink, runStrength, half, j));
      }
    };
    const bool fromEnd = towardsInk({after.x - q.x, after.y - q.y}) > 0;
    const bool fromStart = towardsInk({p.x - before.x, p.y - before.y}) < 0;
    // A short ledge open at both ends is a detail of the brush, not a staircase.
    if (fromEnd && fromStart && n < kShortOpenRun && !variant.everyRun) return;
    if (fromEnd) shade(q, {-unit.x, -unit.y});
    if (fromStart) shade(p, unit);
  }

  // The neighbour of p on the paper's side, p itself when every neighbour is ink.
  tmb::Point Outside(tmb::Point p) const {
    for (tmb::Point d : {tmb::Point{0, -1}, tmb::Point{1, 0}, tmb::Point{0, 1}, tmb::Point{-1, 0}}) {
      const tmb::Point q{p.x + d.x, p.y + d.y};
      if (!IsInk(q)) return q;
    }
    return p;
  }

  // A corner pixel takes the mean of its neighbours along the outline; level 3 also
  // softens the paper pixel outside it from the pixels outside those neighbours.
  void SmoothCorner(tmb::Point p, tmb::Point pred, tmb::Point succ) {
    const tmb::Colour atCorner = Average(paper.Get(pred), paper.Get(succ));
    if (level >= 3) {
      const tmb::Point out = Outside(p);
      const tmb::Point shift{out.x - p.x, out.y - p.y};
      const tmb::Colour outside =
          Average(paper.Get({pred.x + shift.x, pred.y + shift.y}), paper.Get({succ.x + shift.x, succ.y + shift.y}));
      if (out != p) paper.Set(out, outside);
    }
    paper.Set(p, atCorner);
  }
  void Outline(const CStrokePathLite& path, int first, int last) {
    const int n = last - first + 1;
    auto at = [&](int k) { return path.m_pPoints[first + ((k % n) + n) % n]; };
    farCorner = at(0);
    int64_t farthest = -1;
    for (int k = 0; k < n; ++k) {
      const int64_t d2 = SquaredDistance(at(0), at(k));
      if (d2 > farthest) {
        farthest = d2;
        farCorner = at(k);
      }
    }
    int r = 0;
    for (int k = 0; k < n; ++k, r += kStrengthStep) {
      const tmb::Point p = at(k), pred = at(k - 1), succ = at(k + 1);
      const tmb::Point d{succ.x - p.x, succ.y - p.y}, dp{p.x - pred.x, p.y - pred.y};
      const bool run = (d.y == 0 && d.x != 0) || (d.x == 0 && d.y != 0);
      const bool predRun = (dp.y == 0 && dp.x != 0) || (dp.x == 0 && dp.y != 0);
      if (!variant.plainCorners && IsStepCorner(path, first + k, first, last)) {
        paper.Set(p, Average(paper.Get(p), ink));
      } else if (!run || (level >= 2 && !predRun)) {
        SmoothCorner(p, pred, succ);
      }
      const int spread = variant.evenStrength ? kStrengthBase : kStrengthBase + r % kStrengthSpread;
      if (run) ShadeRun(p, succ, pred, at(k + 2), strength * spread / 100);
    }
  }
};

}  // namespace

tmb::Colour ShadeRunColour(tmb::Colour near, tmb::Colour ink, int s, int runHalf, int j) {
  const int percent = (100 - s) + j * s / (runHalf + 1);
  tmb::Colour out = 0;
  for (int k = 0; k < 3; ++k) {
    const int c = Channel(near, k) + (Channel(ink, k) - Channel(near, k)) * percent / 100;
    out |= tmb::Colour(std::clamp(c, 0, 255)) << (8 * k);
  }
  return out;
}

int IsStepCorner(const CStrokePathLite& path, int i, int first, int last) {
  const int n = last - first + 1;
  if (n < 2 || i < first || i > last) return 0;
  auto at = [&](int k) { return path.m_pPoints[first + (((k - first) % n) + n) % n]; };
  auto step = [&](int k) { return tmb::Point{at(k + 1).x - at(k).x, at(k + 1).y - at(k).y}; };
  const tmb::Point d = step(i);
  const int kind = d.x == 0 && std::abs(d.y) > kLongStep ? 1 : d.y == 0 && std::abs(d.x) > kLongStep ? 2 : 0;
  if (kind == 0) return 0;
  auto plain = [](tmb::Point s) { return !IsDiagonalUnit(s) && !(s.x == 0 && s.y == 0); };
  tmb::Point before{0, 0}, after{0, 0};
  for (int k = 1; k <= kJogSearch; ++k) {
    if (plain(step(i - k))) {
      before = step(i - k);
      break;
    }
  }
  for (int k = 1; k <= kJogSearch; ++k) {
    if (plain(step(i + k))) {
      after = step(i + k);
      break;
    }
  }
  auto horizontal = [](tmb::Point s) { return s.x != 0 && s.y == 0; };
  auto vertical = [](tmb::Point s) { return s.y != 0 && s.x == 0; };
  if (kind == 1) return horizontal(before) && horizontal(after) ? 1 : 0;
  return vertical(before) && vertical(after) ? 1 : 0;
}

void SmoothOutline(CStrokePathLite& path) {
  for (int first = 0; first < path.m_nCount;) {
    const int last = path.FindStrokeEnd(first);
    const tmb::Point start = path.m_pPoints[first];
    for (int i = first; i <= last; ++i) {
      const tmb::Point a = path.m_pPoints[i], b = i < last ? path.m_pPoints[i + 1] : start;
      // Halves away from zero, as every rounding of points.
      const auto mid = [](int u, int v) { return int(std::lround((double(u) + double(v)) / 2.0)); };
      path.m_pPoints[i] = {mid(a.x, b.x), mid(a.y, b.y)};
    }
    first = last + 1;
  }
}

int CloseOutlines(CStrokePathLite& path) {
  std::vector<tmb::Point> points;
  std::vector<uint8_t> flags;
  for (int first = 0; first < path.m_nCount;) {
    const int last = path.FindStrokeEnd(first);
    for (int i = first; i <= last; ++i) {
      points.push_back(path.m_pPoints[i]);
      flags.push_back(path.m_pFlags[i]);
    }
    if (path.m_pPoints[last] != path.m_pPoints[first]) {
      points.push_back(path.m_pPoints[first]);
      flags.push_back(0);
    }
    first = last + 1;
  }
  int count = 0;
  bool full = false;
  // Whole outlines only.
  for (size_t k = 0; k < points.size();) {
    size_t end = k + 1;
    while (end < points.size() && flags[end] == 0) ++end;
    if (count + int(end - k) > path.m_nCapacity) {
      full = true;
      break;
    }
    for (size_t j = k; j < end; ++j) {
      path.m_pPoints[count] = points[j];
      path.m_pFlags[count++] = flags[j];
    }
    k = end;
  }
  path.m_nCount = count;
  return full ? -1 : 1;
}

void RenderStrokesByStroke(tmb::DeviceContext* pDC, tmb::Surface* bitmap, tmb::Colour background, tmb::Colour ink,
                           int strength, int level) {
  SmoothPaintedEdges(pDC, bitmap, background, ink, strength, level, {});
}

void SmoothPaintedEdges(tmb::DeviceContext* pDC, tmb::Surface* bitmap, tmb::Colour background, tmb::Colour ink,
                        int strength, int level, const CSmoothingVariant& variant) {
  if (!bitmap || bitmap->IsNull() || bitmap->IsMono() || !gTraceBuffer.m_bAllocated) return;
  strength = std::clamp(strength, 0, 100);
  level = std::clamp(level, 1, 3);
  ink = tmb::PlainColour(ink);
  background = tmb::PlainColour(background);
  Paper paper(*bitmap, background);
  const tmb::Rect area = paper.Area();
  // The masks have the paper's size, whatever the bitmap's.
  const int width = gWorkCanvas.m_width, height = gWorkCanvas.m_height;
  const size_t bytes = size_t(tmb::DibStride(width, 1)) * size_t(std::max(height, 0));
  const std::span<uint8_t> rows[3] = {MaskDibRows(0), MaskDibRows(1), MaskDibRows(2)};
  if (area.IsEmpty() || rows[0].size() < bytes || rows[1].size() < bytes || rows[2].size() < bytes) return;

  // The character colour's area as ink of a one-bit mask, its border and a copy to trace.
  CMonoBitmap filled, border, copy;
  filled.Attach(rows[0].data(), area.left, area.top, area.right, area.bottom, width, height);
  filled.Clear();
  // Eight pixels to a byte, written whole.
  const uint32_t key = tmb::StoredFromColour(ink) & 0xFFFFFFu;
  for (int y = area.top; y < area.bottom; ++y) {
    const uint32_t* row = bitmap->ColourRow(y);
    uint8_t* bits = filled.m_pBits + size_t(filled.m_lastRow - y) * size_t(filled.m_stride);
    for (int x = area.left; x < area.right;) {
      const int end = std::min(area.right, (x | 7) + 1);
      unsigned byte = bits[x >> 3];
      for (; x < end; ++x) {
        if ((row[x] & 0xFFFFFFu) == key) byte &= ~(0x80u >> (x & 7));
      }
      bits[(end - 1) >> 3] = uint8_t(byte);
    }
  }
  border.Attach(rows[1].data(), area.left, area.top, area.right, area.bottom, width, height);
  border.Clear();
  ExtractBorder(filled, border);
  copy.Attach(rows[2].data(), area.left, area.top, area.right, area.bottom, width, height);
  copy.CopyAllFrom(rows[1].data());
  TraceRegionOutlines(border, pDC, copy, filled);

  CStrokePathLite outlines(gTraceBuffer.m_nCapacity);
  CopyOutlines(*gTraceBuffer.m_pLite, outlines);
  if (variant.midpointOutline) SmoothOutline(outlines);
  Smoother smoother{paper, ink, background, strength, level, variant};
  for (int first = 0; first < outlines.m_nCount;) {
    const int last = outlines.FindStrokeEnd(first);
    if (last - first + 1 > kMinOutline) smoother.Outline(outlines, first, last);
    first = last + 1;
  }
}
