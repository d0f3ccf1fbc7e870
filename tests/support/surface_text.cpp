#include "support/surface_text.h"

namespace tmb::test {

std::string SurfaceText(const Surface& surface, const Rect& r) {
  std::string out;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) out += surface.GetPixel(x, y) == 0xFFFFFF ? '.' : '#';
    out += '\n';
  }
  return out;
}

std::string SurfaceText(const Surface& surface) { return SurfaceText(surface, surface.Bounds()); }

std::string Lines(const std::vector<std::string>& lines) {
  std::string out;
  for (const std::string& l : lines) out += l + '\n';
  return out;
}

int CountPixels(const Surface& surface, Colour colour) {
  int n = 0;
  for (int y = 0; y < surface.height(); ++y) {
    for (int x = 0; x < surface.width(); ++x) n += surface.GetPixel(x, y) == colour;
  }
  return n;
}

}  // namespace tmb::test
