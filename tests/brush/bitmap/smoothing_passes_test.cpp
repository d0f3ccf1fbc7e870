// The colour smoothing passes: the average of each neighbourhood, read from the picture
// as it was, in colour or grey, for every pixel or only those of one colour.
#include "brush/bitmap/smoothing_passes.h"

#include <gtest/gtest.h>

#include <vector>

#include "brush/bitmap/pixel_effects.h"
#include "support/recorded_services.h"

namespace {

constexpr tmb::Colour kWhite = 0xFFFFFF, kRed = 0x0000FF;

// White with a red column at x = 5, 20 rows.
tmb::Surface Column() {
  tmb::Surface s;
  EXPECT_TRUE(s.Create(11, 20, tmb::PixelFormat::kColour32));
  s.Fill(kWhite);
  for (int y = 0; y < 20; ++y) s.SetPixel(5, y, kRed);
  return s;
}

TEST(ApplyMaskStepSet, EachPixelTakesItsNeighbourhoodsAverageAsThePictureWas) {
  struct Case {
    const char* name;
    bool onlyWhite;
    int grey;  // -1 colour, else the GreyValue mode
    tmb::Colour at4, at5, at6;
  };
  // Each 3 x 3 window over the column holds 3 red and 6 white: (255, 170, 170).
  const tmb::Colour mixed = tmb::MakeRgb(255, 170, 170);
  const int g = GreyValue(mixed, 0);
  const tmb::Colour grey = tmb::MakeRgb(g, g, g);
  const Case cases[] = {
      {"all", false, -1, mixed, mixed, mixed},
      {"white only", true, -1, mixed, kRed, mixed},
      {"grey", false, 0, grey, grey, grey},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    tmb::Surface s = Column();
    const tmb::Colour white = kWhite;
    const int changed = ApplyMaskStepSet(s, {0, 0, 11, 20}, 1, c.onlyWhite ? &white : nullptr, c.grey, 0);
    EXPECT_EQ(s.GetPixel(4, 10), c.at4);
    EXPECT_EQ(s.GetPixel(5, 10), c.at5);
    EXPECT_EQ(s.GetPixel(6, 10), c.at6);
    EXPECT_EQ(s.GetPixel(2, 10), kWhite) << "a window of one colour stays";
    EXPECT_EQ(changed, c.onlyWhite ? 40 : 60);
  }
}

TEST(ApplyMaskStepSet, StaysInItsRectangleAndShowsItsProgress) {
  tmb::Surface s = Column();
  tmb::test::RecordedProgress progress;
  EXPECT_EQ(ApplyMaskStepSet(s, {0, 0, 5, 20}, 1, nullptr, -1, 1), 0) << "the column lies outside";
  EXPECT_EQ(progress.positions, (std::vector<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90, -1}));
  EXPECT_EQ(ApplyMaskStepSet(s, {-5, -5, 0, 0}, 1, nullptr, -1, 1), 0);
}

}  // namespace
