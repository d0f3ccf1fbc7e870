#include "views/print/page_geometry.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr int64_t kFullScale = 100;

}  // namespace

tmb::Rect NormalisePrintRegion(const tmb::Rect& region, tmb::Size canvas) {
  tmb::Rect r = region;
  r.Normalize();
  return tmb::Rect::Intersection(r, {0, 0, canvas.cx, canvas.cy});
}

int ComputePageGeometry(tmb::Size page, tmb::Size canvas, int range, const tmb::Rect& region, int scale,
                        CPageGeometry& out) {
  const tmb::Rect part = range == 1 ? NormalisePrintRegion(region, canvas) : tmb::Rect{0, 0, canvas.cx, canvas.cy};
  const int64_t horz = page.cx, vert = std::max(page.cy, 0);
  const int64_t sw = part.Width(), sh = part.Height();
  if (horz <= 0 || sw <= 0 || sh <= 0) return 0;
  // Above 100 the formula would reach left of the paper: the whole width is the most.
  const int64_t s = std::clamp<int64_t>(scale, 0, kFullScale);
  const int64_t scaled = sw * s / kFullScale;
  const int64_t w = std::max<int64_t>(scaled, 1);
  int64_t h = scaled >= 1 ? sw * vert * s / (horz * kFullScale) : w * vert / horz;
  h = std::clamp<int64_t>(h, 1, sh);
  const int x = range == 1 ? part.left : int(int64_t(canvas.cx) - w);
  const int y = range == 1 ? part.top : 0;
  out.source = {x, y, x + int(w), y + int(h)};
  out.page = {int(horz), int(h * horz / w)};
  return 1;
}
