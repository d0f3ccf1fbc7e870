#include "imageedit/effects/colour_functions.h"

#include <algorithm>
#include <cstdlib>

namespace {

int Channel(tmb::Colour c, int k) { return int((c >> (8 * k)) & 0xFF); }

// The colour of three channel values, each held within 0..255.
template <class F>
tmb::Colour PerChannel(F f) {
  tmb::Colour out = 0;
  for (int k = 0; k < 3; ++k) out |= tmb::Colour(std::clamp(f(k), 0, 255)) << (8 * k);
  return out;
}

}  // namespace

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
