#include "imageedit/vectorise/outline_filler.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/onebit/region_masks.h"
#include "core/onebit/region_scan.h"
#include "core/onebit/outline_trace.h"

int gOutlineFillFollower = 0;

namespace {

struct FPoint {
  double x, y;
};

double Side(const FPoint& a, const FPoint& b, double px, double py) {
  return (b.x - a.x) * (py - a.y) - (b.y - a.y) * (px - a.x);
}

// Every pixel whose middle lies in the triangle (edges included) takes fill where its
// colour is greater.
void FillTriangle(tmb::Surface& picture, const FPoint& a, const FPoint& b, const FPoint& c, tmb::Colour fill) {
  const int x0 = std::max(0, int(std::floor(std::min({a.x, b.x, c.x}))));
  const int x1 = std::min(picture.width() - 1, int(std::ceil(std::max({a.x, b.x, c.x}))));
  const int y0 = std::max(0, int(std::floor(std::min({a.y, b.y, c.y}))));
  const int y1 = std::min(picture.height() - 1, int(std::ceil(std::max({a.y, b.y, c.y}))));
  const uint32_t stored = tmb::StoredFromColour(fill);
  for (int y = y0; y <= y1; ++y) {
    uint32_t* row = picture.ColourRow(y);
    for (int x = x0; x <= x1; ++x) {
      const double px = x + 0.5, py = y + 0.5;
      const double s0 = Side(a, b, px, py), s1 = Side(b, c, px, py), s2 = Side(c, a, px, py);
      const bool inside = (s0 >= 0 && s1 >= 0 && s2 >= 0) || (s0 <= 0 && s1 <= 0 && s2 <= 0);
      if (inside && tmb::ColourFromStored(row[x]) > fill) row[x] = stored;
    }
  }
}

// The fan of one outline, each point standing for the middle of its pixel; a sub-sample
// puts the points at the middles of the pixels they become in the larger picture.
void FillFan(tmb::Surface& picture, const std::vector<tmb::Point>& points, tmb::Colour fill, int ratio) {
  double cx = 0, cy = 0;
  for (const tmb::Point& p : points) {
    cx += p.x;
    cy += p.y;
  }
  cx /= double(points.size());
  cy /= double(points.size());
  static constexpr tmb::Point kSubSamples[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};
  const int samples = ratio > 0 ? 4 : 1;
  const double scale = ratio > 0 ? ratio : 1;
  for (int s = 0; s < samples; ++s) {
    const tmb::Point o = ratio > 0 ? kSubSamples[s] : tmb::Point{0, 0};
    auto at = [&](double x, double y) { return FPoint{x * scale + o.x + 0.5, y * scale + o.y + 0.5}; };
    const FPoint c = at(cx, cy);
    for (size_t i = 0; i < points.size(); ++i) {
      const tmb::Point& p = points[i];
      const tmb::Point& q = points[(i + 1) % points.size()];
      FillTriangle(picture, c, at(p.x, p.y), at(q.x, q.y), fill);
    }
  }
}

// Takes the 8-connected region of (x, y) out of mask.
void EraseRegion(CMonoBitmap& mask, int x, int y) {
  std::vector<tmb::Point> todo{{x, y}};
  mask.SetBit(x, y, 1);
  while (!todo.empty()) {
    const tmb::Point p = todo.back();
    todo.pop_back();
    for (int dy = -1; dy <= 1; ++dy) {
      for (int dx = -1; dx <= 1; ++dx) {
        if (mask.TestBit(p.x + dx, p.y + dy)) continue;
        mask.SetBit(p.x + dx, p.y + dy, 1);
        todo.push_back({p.x + dx, p.y + dy});
      }
    }
  }
}

}  // namespace

int FillMaskOutlines(const CMonoBitmap& mask, tmb::Surface& picture, tmb::Colour fill, int ratio) {
  if (!mask.m_pBits || picture.IsNull() || picture.IsMono()) return 0;
  // The follower consumes a copy: the ink itself, or for the chain its border.
  std::vector<uint8_t> rows(size_t(mask.m_stride) * size_t(mask.m_rows), 0xFF);
  CMonoBitmap work;
  work.Attach(rows.data(), mask.m_left, mask.m_top, mask.m_right, mask.m_bottom, mask.m_width, mask.m_height);
  if (gOutlineFillFollower == 1) {
    ExtractBorder(mask, work);
  } else {
    work.CopyAllFrom(mask.m_pBits);
  }
  std::vector<uint8_t> visitedRows(rows.size(), 0xFF);
  CMonoBitmap visited;
  visited.Attach(visitedRows.data(), mask.m_left, mask.m_top, mask.m_right, mask.m_bottom, mask.m_width,
                 mask.m_height);
  const size_t room = size_t(std::max(CountInkPixels(mask), 1)) * 4 + 8;
  std::vector<tmb::Point> points(room), offsets(room);
  std::vector<uint8_t> directions(room);
  const TracePoints out{points, directions, offsets};
  int filled = 0;
  ForEachInkPixel(work, RegionWithin(work, {0, 0, work.m_width, work.m_height}), [&](int x, int y) {
    if (work.TestBit(x, y)) return;  // taken with an outline before
    const int n = gOutlineFillFollower == 1 ? FollowChain(work, x, y, out, 1) : FollowOutline(work, x, y, out, 1, visited, 0);
    if (gOutlineFillFollower != 1) EraseRegion(work, x, y);
    if (n < 3) return;
    FillFan(picture, {points.begin(), points.begin() + n}, fill, ratio);
    ++filled;
  });
  return filled;
}
