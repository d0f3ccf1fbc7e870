// The hue-lightness-saturation model: known colours, greys, the rounding of channels and
// a round trip over a sweep of colours.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "brush/bitmap/hls_colour.h"

namespace {

TEST(HlsColour, KnownColoursHaveTheirHueSaturationAndLightness) {
  struct Case {
    tmb::Colour colour;
    double hue, saturation, lightness;
  };
  const Case cases[] = {
      {0x0000FF, 0, 1, 0.5},  {0x00FF00, 120, 1, 0.5},       {0xFF0000, 240, 1, 0.5},
      {0x00FFFF, 60, 1, 0.5}, {0xFF00FF, 300, 1, 0.5},       {0x000080, 0, 1, 128 / 510.0},
      {0x8080FF, 0, 1, 383 / 510.0},
      // r 200, g 20, b 60: red is largest and blue above green, hue just below 360
      {0x3C14C8, 360 - 40.0 / 180 * 60, 180 / 220.0, 220 / 510.0}};
  for (const Case& c : cases) {
    double h = -1, s = -1, l = -1;
    EXPECT_EQ(RgbToHls(c.colour, &h, &s, &l), 1) << std::hex << c.colour;
    EXPECT_NEAR(h, c.hue, 1e-9) << std::hex << c.colour;
    EXPECT_NEAR(s, c.saturation, 1e-9) << std::hex << c.colour;
    EXPECT_NEAR(l, c.lightness, 1e-9) << std::hex << c.colour;
  }
  EXPECT_EQ(HlsToRgb(0, 1, 0.5), 0x0000FFu);
  EXPECT_EQ(HlsToRgb(120, 1, 0.5), 0x00FF00u);
  EXPECT_EQ(HlsToRgb(-120, 1, 0.5), 0xFF0000u);
  EXPECT_EQ(HlsToRgb(720 + 60, 1, 0.5), 0x00FFFFu);
}

TEST(HlsColour, GreysHaveNoHueOrSaturation) {
  for (int g : {0, 1, 77, 128, 254, 255}) {
    double h = -1, s = -1, l = -1;
    EXPECT_EQ(RgbToHls(tmb::MakeRgb(g, g, g), &h, &s, &l), 0) << g;
    EXPECT_EQ(h, 0.0);
    EXPECT_EQ(s, 0.0);
    EXPECT_DOUBLE_EQ(l, g / 255.0);
    EXPECT_EQ(HlsToRgb(h, s, l), tmb::MakeRgb(g, g, g)) << g;
  }
}

TEST(HlsColour, ChannelsRoundHalfUpAndStayWithinAByte) {
  // Lightness 0.5 / 255 x 255 = 127.5 exactly half-way: up to 128.
  EXPECT_EQ(HlsToRgb(0, 0, 127.5 / 255.0), tmb::MakeRgb(128, 128, 128));
  EXPECT_EQ(HlsToRgb(0, 0, 127.4 / 255.0), tmb::MakeRgb(127, 127, 127));
  // Out of range and undefined values are held or taken as 0.
  EXPECT_EQ(HlsToRgb(0, 5, 2), 0xFFFFFFu);
  EXPECT_EQ(HlsToRgb(0, -1, -0.5), 0u);
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  EXPECT_EQ(HlsToRgb(nan, nan, nan), 0u);
  EXPECT_EQ(HlsToRgb(inf, 1, 0.5), 0x0000FFu);
}

TEST(HlsColour, ASweepOfColoursComesBackWithinOne) {
  int worst = 0;
  for (int r = 0; r < 256; r += 5) {
    for (int g = 0; g < 256; g += 5) {
      for (int b = 0; b < 256; b += 5) {
        const tmb::Colour c = tmb::MakeRgb(r, g, b);
        double h = 0, s = 0, l = 0;
        RgbToHls(c, &h, &s, &l);
        ASSERT_GE(h, 0.0);
        ASSERT_LT(h, 360.0);
        const tmb::Colour back = HlsToRgb(h, s, l);
        worst = std::max({worst, std::abs(tmb::RedOf(back) - r), std::abs(tmb::GreenOf(back) - g),
                          std::abs(tmb::BlueOf(back) - b)});
      }
    }
  }
  EXPECT_LE(worst, 1);
}

}  // namespace
