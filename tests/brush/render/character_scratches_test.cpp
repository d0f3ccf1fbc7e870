#include <gtest/gtest.h>

#include <cmath>

#include "brush/render/random16.h"
#include "core/canvas/work_canvas.h"
#include "core/path/stroke_work.h"
#include "support/scoped_work_canvas.h"
#include "support/surface_text.h"
#include "support/test_canvas.h"

namespace {

using tmb::Colour;

constexpr Colour kBlack = 0x000000, kWhite = 0xFFFFFF;

TEST(Random16, StartsFromItsSeedAndStaysBelowTheModulus) {
  CRandom16 random;
  random.SetSeed(11);
  EXPECT_EQ(random.Next(), 2090u);
  EXPECT_EQ(random.Next(), 31101u);
  random.SetSeed(65535);
  EXPECT_EQ(random.Next(), (77u * 65535u + 1243u) % 65536u);
  for (int k = 0; k < 1000; ++k) EXPECT_LT(random.Next(), 65536u);
}

// A black band 20 pixels wide along row 50 from x = 20 to 139 on a white 160 x 100
// mask, and the stroke that made it.
class CharacterScratchesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    band.dc.FillSolidRect({20, 40, 140, 60}, kBlack);
    for (int k = 0; k < 120; ++k) stroke.AddSample(20 + k, 50, -1, k == 0 ? 1 : 0);
    std::fill_n(stroke.m_pWidths, 120, uint8_t(20));
  }

  int WhiteIn(const tmb::Rect& r) const {
    int n = 0;
    for (int y = r.top; y < r.bottom; ++y) {
      for (int x = r.left; x < r.right; ++x) n += band.surface.GetPixel(x, y) == kWhite;
    }
    return n;
  }

  tmb::test::ScopedWorkCanvas canvas{160, 100, 1000};
  tmb::test::Canvas band{160, 100, tmb::PixelFormat::kMono1};
  CStrokeWork stroke{200};
};

TEST_F(CharacterScratchesTest, NoDensityLeavesTheStrokeWhole) {
  gWorkCanvas.m_maskBitmaps[3].Fill(kWhite);  // whatever the scratch bitmap held stays out
  stroke.DrawCharacterStrokes(&band.dc, gWorkCanvas.m_rect, 0);
  EXPECT_EQ(WhiteIn({20, 40, 140, 60}), 0);
  EXPECT_EQ(tmb::test::CountPixels(band.surface, kBlack), 120 * 20);
}

TEST_F(CharacterScratchesTest, StreaksStayInsideTheStrokeAndComeOutTheSameEveryTime) {
  stroke.DrawCharacterStrokes(&band.dc, gWorkCanvas.m_rect, 40);
  const int streaks = WhiteIn({20, 40, 140, 60});
  EXPECT_GT(streaks, 50);
  EXPECT_LT(streaks, 120 * 20 * 3 / 4);
  // Nothing outside the band changed: it was white and stays white.
  EXPECT_EQ(tmb::test::CountPixels(band.surface, kWhite), 160 * 100 - 120 * 20 + streaks);
  const std::string first = tmb::test::SurfaceText(band.surface);

  band.surface.Fill(kWhite);
  band.dc.FillSolidRect({20, 40, 140, 60}, kBlack);
  stroke.DrawCharacterStrokes(&band.dc, gWorkCanvas.m_rect, 40);
  EXPECT_EQ(tmb::test::SurfaceText(band.surface), first);
}

TEST_F(CharacterScratchesTest, OnlyTheGivenRectangleIsTouched) {
  stroke.DrawCharacterStrokes(&band.dc, {0, 0, 80, 100}, 100);
  EXPECT_GT(WhiteIn({20, 40, 80, 60}), 0);
  EXPECT_EQ(WhiteIn({80, 40, 140, 60}), 0);
}

}  // namespace
