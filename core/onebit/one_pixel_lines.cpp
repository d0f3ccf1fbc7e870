#include "core/onebit/one_pixel_lines.h"

#include <vector>

#include "core/onebit/pixel_window.h"
#include "core/onebit/region_scan.h"

int ThinToOnePixel(CMonoBitmap& mask, int maxRounds) {
  const tmb::Rect area = RegionWithin(mask, {1, 1, mask.m_width, mask.m_height});
  // The upper and left sides first: of a band two pixels wide the lower, right pixels stay,
  // the middle a pen of even width is drawn round.
  constexpr tmb::Point kSides[4] = {{0, -1}, {-1, 0}, {0, 1}, {1, 0}};
  // The ink is read once; the list shrinks as pixels go.
  std::vector<tmb::Point> open;
  ForEachInkPixel(mask, area, [&](int x, int y) { open.push_back({x, y}); });
  std::vector<tmb::Point> found;
  int total = 0;
  for (int round = 0; round < maxRounds; ++round) {
    int removed = 0;
    for (const tmb::Point& side : kSides) {
      // The pixels open on this side as the sweep finds them; each goes only while its
      // own neighbourhood still allows it.
      found.clear();
      for (const tmb::Point& p : open) {
        if (!mask.TestBit(p.x, p.y) && mask.TestBit(p.x + side.x, p.y + side.y) &&
            WindowIsSimple(PixelWindow(mask, p.x, p.y))) {
          found.push_back(p);
        }
      }
      for (const tmb::Point& p : found) {
        if (!WindowIsSimple(PixelWindow(mask, p.x, p.y))) continue;
        mask.SetBit(p.x, p.y, 1);
        ++removed;
      }
    }
    total += removed;
    if (removed == 0) break;
    std::erase_if(open, [&](const tmb::Point& p) { return mask.TestBit(p.x, p.y) != 0; });
  }
  return total;
}
