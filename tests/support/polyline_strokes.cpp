#include "support/polyline_strokes.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "core/path/stroke_path.h"

namespace tmb::test {

int AddPolyline(CStrokePath& path, const std::vector<CFPoint>& corners, float step) {
  std::vector<int> cornerIndices;
  return AddPolyline(path, corners, step, cornerIndices);
}

int AddPolyline(CStrokePath& path, const std::vector<CFPoint>& corners, float step, std::vector<int>& cornerIndices) {
  cornerIndices.clear();
  const int first = path.GetCount();
  auto add = [&](double x, double y) {
    const int flag = path.GetCount() == first ? 1 : 0;
    if (!path.AddPointUnique(static_cast<float>(x), static_cast<float>(y), flag, 1)) {
      throw std::length_error("test path is full");
    }
  };
  if (corners.empty()) return first;
  add(corners[0].x, corners[0].y);
  cornerIndices.push_back(first);
  for (size_t c = 1; c < corners.size(); ++c) {
    const CFPoint a = corners[c - 1];
    const CFPoint b = corners[c];
    const double length = std::hypot(double(b.x) - a.x, double(b.y) - a.y);
    const int n = std::max(1, static_cast<int>(std::ceil(length / step - 1e-9)));
    for (int k = 1; k <= n; ++k) {
      const double t = double(k) / n;
      add(a.x + (double(b.x) - a.x) * t, a.y + (double(b.y) - a.y) * t);
    }
    cornerIndices.push_back(path.GetCount() - 1);
  }
  return first;
}

int AddPolyline(CStrokePath& path, std::initializer_list<CFPoint> corners, float step) {
  return AddPolyline(path, std::vector<CFPoint>(corners), step);
}

}  // namespace tmb::test
