#include "support/path_points.h"

#include <stdexcept>

#include "core/canvas/work_canvas.h"

namespace tmb::test {

std::ostream& operator<<(std::ostream& os, const PathPoint& p) {
  return os << "(" << p.x << ", " << p.y << " f" << p.flag << ")";
}

ScopedMaxPoints::ScopedMaxPoints(int maxPoints) : saved_(gWorkCanvas.m_nMaxPoints) {
  gWorkCanvas.m_nMaxPoints = maxPoints;
}

ScopedMaxPoints::~ScopedMaxPoints() { gWorkCanvas.m_nMaxPoints = saved_; }

void Fill(CStrokePath& path, std::initializer_list<PathPoint> points) {
  for (const PathPoint& p : points) {
    if (!path.AddPointUnique(p.x, p.y, p.flag, 1)) throw std::length_error("test path is full");
  }
}

void AddLineStroke(CStrokePath& path, CFPoint a, CFPoint b, int segments) {
  for (int k = 0; k <= segments; ++k) {
    const float t = segments == 0 ? 0.0f : float(k) / float(segments);
    if (!path.AddPointUnique(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, k == 0 ? 1 : 0, 1)) {
      throw std::length_error("test path is full");
    }
  }
}

std::vector<PathPoint> PointsOf(const CStrokePath& path) {
  std::vector<PathPoint> out;
  for (int i = 0; i < path.GetCount(); ++i) {
    out.push_back({path.m_pPoints[i].x, path.m_pPoints[i].y, path.m_pFlags[i]});
  }
  return out;
}

std::vector<std::pair<int, int>> StrokeRanges(const CStrokePath& path) {
  std::vector<std::pair<int, int>> out;
  for (int s = 0; s < path.GetCount();) {
    const int e = path.FindStrokeEnd(s);
    out.emplace_back(s, e);
    s = e + 1;
  }
  return out;
}

}  // namespace tmb::test
