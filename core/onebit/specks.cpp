#include "core/onebit/specks.h"

#include <algorithm>
#include <bit>
#include <vector>

#include "core/onebit/region_scan.h"

int RemoveSpecks(CMonoBitmap& mask, int maxSize) {
  if (maxSize < 1) return 0;
  const tmb::Rect area = RegionWithin(mask, {0, 0, mask.m_width, mask.m_height});
  const size_t most = size_t(maxSize) * size_t(maxSize);
  std::vector<tmb::Point> group;
  int removed = 0;
  // A group's first pixel in row order has no ink above it nor to its left; the walk
  // from it gives up as soon as the group outgrows the box.
  auto fromFirstPixel = [&](int x, int y) {
    if (mask.TestBit(x, y)) return;  // taken with a group found before
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
  };
  if (!mask.m_pBits || area.IsEmpty()) return 0;
  // The first pixels are found eight at a time: ink with no ink left of it, above it or
  // diagonally above.
  const size_t stride = size_t(mask.m_stride);
  const int first = area.left >> 3, last = (area.right - 1) >> 3;
  auto inkAt = [&](const uint8_t* row, int b) { return b >= 0 && size_t(b) < stride ? ~unsigned(row[b]) & 0xFFu : 0u; };
  for (int y = area.top; y < area.bottom; ++y) {
    const uint8_t* row = mask.m_pBits + size_t(mask.m_lastRow - y) * stride;
    const uint8_t* above = y > 0 ? row + stride : nullptr;
    for (int b = first; b <= last; ++b) {
      unsigned ink = inkAt(row, b);
      if (b == first) ink &= 0xFFu >> (area.left & 7);
      if (b == last) ink &= (0xFFu << (7 - ((area.right - 1) & 7))) & 0xFFu;
      if (!ink) continue;
      const unsigned left = (ink >> 1) | ((inkAt(row, b - 1) & 1u) << 7);
      unsigned over = 0;
      if (above) {
        const unsigned a = inkAt(above, b);
        over = a | (a >> 1) | ((inkAt(above, b - 1) & 1u) << 7) | ((a << 1) & 0xFFu) | (inkAt(above, b + 1) >> 7);
      }
      for (unsigned starts = ink & ~left & ~over & 0xFFu; starts;) {
        const int bit = std::bit_width(starts) - 1;
        starts &= ~(1u << bit);
        fromFirstPixel(b * 8 + 7 - bit, y);
      }
    }
  }
  return removed;
}
