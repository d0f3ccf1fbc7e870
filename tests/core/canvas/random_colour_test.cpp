#include "core/canvas/random_colour.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace {

TEST(RandomColour, RedStandsApartAndTheComplementMirrorsIt) {
  for (int i = 0; i < 500; ++i) {
    tmb::Colour c = 0, k = 0;
    PickRandomColourPair(c, k);
    const int r = tmb::RedOf(c), g = tmb::GreenOf(c), b = tmb::BlueOf(c);
    EXPECT_TRUE(std::abs(r - g) > 64 || std::abs(r - b) >= 65);
    EXPECT_LT(std::max({r, g, b}), 255);
    EXPECT_EQ(k, tmb::MakeRgb(255 - r, 255 - g, 255 - b));
  }
  EXPECT_EQ(gRandomSeeded, 1);
}

}  // namespace
