// Integer points, sizes and rectangles of the raster layer, and 0x00BBGGRR colours.
#pragma once

#include <algorithm>
#include <cstdint>

namespace tmb {

struct Point {
  int x = 0;
  int y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Size {
  int cx = 0;
  int cy = 0;
  friend bool operator==(const Size&, const Size&) = default;
};

// A rectangle whose right and bottom edges lie outside it.
struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return right <= left || bottom <= top; }
  bool Contains(Point p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  void Offset(int dx, int dy) {
    left += dx;
    right += dx;
    top += dy;
    bottom += dy;
  }
  // Swaps edges so that left <= right and top <= bottom.
  void Normalize() {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
  }
  // The common part of two rectangles; empty (all zero) when they do not meet.
  static Rect Intersection(const Rect& a, const Rect& b) {
    Rect r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    return r.IsEmpty() ? Rect{} : r;
  }
  // The smallest rectangle holding both; an empty rectangle adds nothing.
  static Rect Union(const Rect& a, const Rect& b) {
    if (a.IsEmpty()) return b;
    if (b.IsEmpty()) return a;
    return {std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
            std::max(a.bottom, b.bottom)};
  }
  friend bool operator==(const Rect&, const Rect&) = default;
};

// A colour as 0x00BBGGRR: red in the low byte.
using Colour = uint32_t;
constexpr Colour kInvalidColour = 0xFFFFFFFF;

constexpr Colour MakeRgb(int r, int g, int b) {
  return static_cast<Colour>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}
constexpr int RedOf(Colour c) { return c & 0xFF; }
constexpr int GreenOf(Colour c) { return (c >> 8) & 0xFF; }
constexpr int BlueOf(Colour c) { return (c >> 16) & 0xFF; }

}  // namespace tmb
