#include "core/geometry/box_geometry.h"

#include <algorithm>
#include <cstdlib>

void ScalePoint(tmb::Point& out, const tmb::Point& point, int factor) { out = {point.x * factor, point.y * factor}; }

void SetPointXY(tmb::Point& point, int x, int y) { point = {x, y}; }

void SetRectTopLeft(tmb::Rect& rect, int x, int y) {
  rect.left = x;
  rect.top = y;
}

void SetRectBottomRight(tmb::Rect& rect, int x, int y) {
  rect.right = x;
  rect.bottom = y;
}

void NormalizeCorners(tmb::Point& p1, tmb::Point& p2) {
  if (p1.x > p2.x) std::swap(p1.x, p2.x);
  if (p1.y > p2.y) std::swap(p1.y, p2.y);
}

void NormalizeBox(int x1, int y1, int x2, int y2, tmb::Point& origin, tmb::Size& size) {
  origin = {std::min(x1, x2), std::min(y1, y2)};
  size = {std::abs(x2 - x1), std::abs(y2 - y1)};
}

void OffsetBoxOrigin(tmb::Point& origin, tmb::Size& size, int dx, int dy) {
  origin.x += dx;
  origin.y += dy;
  size.cx -= dx;
  size.cy -= dy;
}
