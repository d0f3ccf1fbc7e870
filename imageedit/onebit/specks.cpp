#include "imageedit/onebit/specks.h"

#include <algorithm>
#include <vector>

#include "imageedit/onebit/region_scan.h"

int RemoveSpecks(CMonoBitmap& mask, int maxSize) {
  if (maxSize < 1) return 0;
  const tmb::Rect area = RegionWithin(mask, {0, 0, mask.m_width, mask.m_height});
  const size_t most = size_t(maxSize) * size_t(maxSize);
  std::vector<tmb::Point> group;
  int removed = 0;
  ForEachInkPixel(mask, area, [&](int x, int y) {
    // A group's first pixel in row order has no ink above it nor to its left; the walk
    // from it gives up as soon as the group outgrows the box.
    if (mask.TestBit(x, y) || !mask.TestBit(x - 1, y) || !mask.TestBit(x - 1, y - 1) || !mask.TestBit(x, y - 1) ||
        !mask.TestBit(x + 1, y - 1)) {
      return;
    }
    // A column or row of maxSize + 1 from it is too big at once.
    bool down = true, across = true;
    for (int k = 1; k <= maxSize; ++k) {
      down = down && !mask.TestBit(x, y + k);
      across = across && !mask.TestBit(x + k, y);
    }
    if (down || across) return;
    group.assign(1, {x, y});
    int left = x, right = x, bottom = y;
    for (size_t n = 0; n < group.size(); ++n) {
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
          const tmb::Point q{group[n].x + dx, group[n].y + dy};
          if (mask.TestBit(q.x, q.y) || !area.Contains(q) ||
              std::find_if(group.begin(), group.end(), [q](tmb::Point g) { return g.x == q.x && g.y == q.y; }) !=
                  group.end()) {
            continue;
          }
          left = std::min(left, q.x);
          right = std::max(right, q.x);
          bottom = std::max(bottom, q.y);
          if (right - left >= maxSize || bottom - y >= maxSize || q.y < y || group.size() >= most) return;
          group.push_back(q);
        }
      }
    }
    for (const tmb::Point& p : group) mask.SetBit(p.x, p.y, 1);
    removed += int(group.size());
  });
  return removed;
}
