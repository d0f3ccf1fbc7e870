#include "convert/analysis/midpoint_smoothing.h"

#include <algorithm>

#include "core/path/stroke_path.h"

void SmoothPathMidpoints(CStrokePath& path, int passes, int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, path.GetCount() - 1);
  CFPoint* p = path.m_pPoints;
  for (int pass = 0; pass < passes; ++pass) {
    for (int i = from; i < to - 1; ++i) {
      p[i + 1] = CFPoint(static_cast<float>((double(p[i].x) + p[i + 2].x) / 2),
                         static_cast<float>((double(p[i].y) + p[i + 2].y) / 2));
    }
  }
}
