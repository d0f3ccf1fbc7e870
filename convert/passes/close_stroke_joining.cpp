#include "convert/passes/close_stroke_joining.h"

#include "core/path/stroke_path.h"

int JoinCloseStrokes(CStrokePath& path, int distance) {
  const double r2 = double(distance) * distance;
  for (int i = 0; i + 1 < path.GetCount(); ++i) {
    if (path.m_pFlags[i + 1] == 0) continue;
    const double dx = double(path.m_pPoints[i + 1].x) - path.m_pPoints[i].x;
    const double dy = double(path.m_pPoints[i + 1].y) - path.m_pPoints[i].y;
    if (r2 > dx * dx + dy * dy) path.m_pFlags[i + 1] = 0;
  }
  return 1;
}
