#include "brush/bitmap/colour_functions.h"

#include <algorithm>
#include <cstdlib>

namespace {

int Channel(tmb::Colour c, int k) { return ColourChannel(c, k); }

// The colour of f(0), f(1) and f(2) as red, green and blue.
template <class F>
tmb::Colour PerChannel(F f) {
  return ClampedRgb(f(0), f(1), f(2));
}

}  // namespace

int ColourChannel(tmb::Colour c, int k) { return int((c >> (8 * k)) & 0xFFu); }

tmb::Colour ClampedRgb(int r, int g, int b) {
  auto c = [](int v) { return tmb::Colour(std::clamp(v, 0, 255)); };
  return c(r) | (c(g) << 8) | (c(b) << 16);
}

tmb::Colour AverageColour2(tmb::Colour a, tmb::Colour b) {
  return PerChannel([&](int k) { return (Channel(a, k) + Channel(b, k)) >> 1; });
}

tmb::Colour AverageColour3(tmb::Colour a, tmb::Colour b, tmb::Colour c) {
  return PerChannel([&](int k) { return (Channel(a, k) + Channel(b, k) + Channel(c, k)) / 3; });
}

tmb::Colour AverageColour4(tmb::Colour a, tmb::Colour b, tmb::Colour c, tmb::Colour d) {
  return PerChannel([&](int k) { return (Channel(a, k) + Channel(b, k) + Channel(c, k) + Channel(d, k)) >> 2; });
}

tmb::Colour BlendColour(tmb::Colour a, tmb::Colour b, int percent) {
  return PerChannel([&](int k) { return Channel(a, k) * percent / 100 + Channel(b, k) * (100 - percent) / 100; });
}

tmb::Colour OffsetColour(tmb::Colour c, tmb::Colour o, int percent) {
  return PerChannel([&](int k) { return Channel(c, k) + (Channel(o, k) - 128) * percent / 100; });
}

int ColourDistance(tmb::Colour a, tmb::Colour b) {
  int d = 0;
  for (int k = 0; k < 3; ++k) d += std::abs(Channel(a, k) - Channel(b, k));
  return d;
}
