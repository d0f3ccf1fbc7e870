#include "core/onebit/mask_line.h"

#include <cmath>
#include <cstdlib>

#include "core/path/stroke_path_lite.h"

int DrawMaskLine(CMonoBitmap& mask, tmb::Point a, tmb::Point b, CStrokePathLite* added) {
  const int dx = b.x - a.x, dy = b.y - a.y;
  const int steps = std::max(std::abs(dx), std::abs(dy));
  int made = 0;
  for (int i = 0; i <= steps; ++i) {
    const double t = steps == 0 ? 0.0 : double(i) / steps;
    const int x = int(std::lround(a.x + dx * t)), y = int(std::lround(a.y + dy * t));
    if (!mask.TestBit(x, y) || x < 0 || y < 0 || x >= mask.m_width || y >= mask.m_rows) continue;
    mask.SetBit(x, y, 0);
    ++made;
    if (added && added->m_nCount < added->m_nCapacity) {
      added->m_pPoints[added->m_nCount] = {x, y};
      added->m_pFlags[added->m_nCount] = 0;
      ++added->m_nCount;
    }
  }
  return made;
}
