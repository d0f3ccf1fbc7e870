// Building point paths from short literal lists and reading them back, for tests.
#pragma once

#include <initializer_list>
#include <ostream>
#include <utility>
#include <vector>

#include "core/path/stroke_path.h"

namespace tmb::test {

// One point of a test path: position and flag byte.
struct PathPoint {
  float x = 0;
  float y = 0;
  int flag = 0;
  friend bool operator==(const PathPoint&, const PathPoint&) = default;
};

std::ostream& operator<<(std::ostream& os, const PathPoint& p);

// Sets the work canvas's point capacity (the default capacity of new paths) for a scope.
class ScopedMaxPoints {
 public:
  explicit ScopedMaxPoints(int maxPoints);
  ~ScopedMaxPoints();
  ScopedMaxPoints(const ScopedMaxPoints&) = delete;
  ScopedMaxPoints& operator=(const ScopedMaxPoints&) = delete;

 private:
  int saved_;
};

// Appends the points to path (which must have room).
void Fill(CStrokePath& path, std::initializer_list<PathPoint> points);
// Appends a straight stroke from a to b of segments + 1 evenly spaced points, the first
// flagged 1 (which must fit).
void AddLineStroke(CStrokePath& path, CFPoint a, CFPoint b, int segments);
// The points [0, count) of path with their flags.
std::vector<PathPoint> PointsOf(const CStrokePath& path);
// The first and last index of every stroke of path (each running to the point before the
// next non-zero flag).
std::vector<std::pair<int, int>> StrokeRanges(const CStrokePath& path);

}  // namespace tmb::test
