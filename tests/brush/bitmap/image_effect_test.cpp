// The step that carries one numbered effect through the work bitmap, and the random
// numbers the effects draw.
#include "brush/bitmap/image_effect.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/effect/effect_def.h"

namespace {

constexpr int kW = 40;
constexpr int kH = 30;

// A picture and a work bitmap of the canvas size, with the routine of one effect number
// replaced for the test.
class ImageEffect : public testing::Test {
 protected:
  void SetUp() override {
    gWorkCanvas.Init(kW, kH, "", 32000, 32, 32);
    image.Create(kW, kH, tmb::PixelFormat::kColour32);
    work.Create(kW, kH, tmb::PixelFormat::kColour32);
    image.Fill(0x112233);
    work.Fill(0x000000);
    def.m_colour1[54] = 0xFFFFFF;
  }
  void TearDown() override {
    ResetImageEffectRoutines();
    gWorkCanvas.Reset();
  }

  tmb::Surface image, work;
  CEffectDef def;
};

// Paints the region of work (pass 0 and 1) or of image (pass 2) red.
void PaintRed(CEffectDef& def, tmb::DeviceContext*, tmb::Surface* image, tmb::Surface* work, int pass, CEffectRandom&) {
  tmb::Surface* target = pass == 2 ? image : work;
  const tmb::Rect& r = def.m_region;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) target->SetPixel(x, y, 0x0000FF);
  }
}

TEST_F(ImageEffect, TheFirstStepCopiesTheRegionInAndTheStepsWithAPositionCopyItBack) {
  gImageEffectRoutines[7] = PaintRed;
  def.m_nCurrentEffect = 7;
  def.m_region = {20, 15, 10, 5};  // corners out of order
  PrepareImageEffect(def, nullptr, &image, &work, 1, 1);
  EXPECT_EQ(def.m_region, (tmb::Rect{10, 5, 20, 15}));
  EXPECT_EQ(image.GetPixel(10, 5), 0x0000FFu);
  EXPECT_EQ(image.GetPixel(19, 14), 0x0000FFu);
  EXPECT_EQ(image.GetPixel(20, 14), 0x112233u) << "outside the region";
  EXPECT_EQ(work.GetPixel(0, 0), 0xFFFFFFu) << "the work bitmap starts as background";
  // A middle step neither copies in nor back; the last copies back.
  image.Fill(0x112233);
  work.Fill(0x000000);
  PrepareImageEffect(def, nullptr, &image, &work, 1, 0);
  EXPECT_EQ(image.GetPixel(12, 7), 0x112233u);
  EXPECT_EQ(work.GetPixel(0, 0), 0x000000u);
  PrepareImageEffect(def, nullptr, &image, &work, 1, 2);
  EXPECT_EQ(image.GetPixel(12, 7), 0x0000FFu);
  // A run over many files (pass 2) works on the picture itself.
  image.Fill(0x112233);
  work.Fill(0x000000);
  PrepareImageEffect(def, nullptr, &image, &work, 2, 1);
  EXPECT_EQ(image.GetPixel(12, 7), 0x0000FFu);
  EXPECT_EQ(work.GetPixel(12, 7), 0x000000u);
}

TEST_F(ImageEffect, PaperEffectsWidenTheRegionAndTakeThePaperColour) {
  def.m_colour1[55] = 0x00FFFF;
  const struct {
    int effect, pass;
    tmb::Rect region;
    tmb::Rect after;
    tmb::Colour background;
  } cases[] = {
      {56, 0, {1, 1, 2, 2}, {0, 0, kW, kH}, 0xFFFFFF},
      {55, 0, {1, 1, 2, 2}, {1, 1, 2, 2}, 0xFFFFFF},
      {55, 0, {0, 0, kW, kH}, {0, 0, kW, kH}, 0x00FFFF},
      {55, 1, {1, 1, 2, 2}, {1, 1, 2, 2}, 0x00FFFF},
      {7, 1, {1, 1, 2, 2}, {1, 1, 2, 2}, 0xFFFFFF},
  };
  for (const auto& c : cases) {
    def.m_colour1[54] = 0xFFFFFF;
    def.m_nCurrentEffect = c.effect;
    def.m_region = c.region;
    PrepareImageEffect(def, nullptr, &image, &work, c.pass, 1);
    EXPECT_EQ(def.m_region, c.after) << c.effect << " pass " << c.pass;
    EXPECT_EQ(def.m_colour1[54], c.background) << c.effect << " pass " << c.pass;
  }
}

std::vector<int> gDrawn;

void DrawThree(CEffectDef&, tmb::DeviceContext*, tmb::Surface*, tmb::Surface*, int, CEffectRandom& random) {
  for (int i = 0; i < 3; ++i) gDrawn.push_back(random.Next());
}

TEST_F(ImageEffect, EffectsDrawTheSameNumbersEveryTimeAndLeaveRandAlone) {
  gImageEffectRoutines[4] = DrawThree;
  def.m_nCurrentEffect = 4;
  def.m_region = {0, 0, 4, 4};
  std::srand(77);
  const int expected = std::rand();
  std::srand(77);
  gDrawn.clear();
  PrepareImageEffect(def, nullptr, &image, &work, 0, 1);
  PrepareImageEffect(def, nullptr, &image, &work, 0, 1);
  EXPECT_EQ(std::rand(), expected);
  ASSERT_EQ(gDrawn.size(), 6u);
  EXPECT_EQ(std::vector<int>(gDrawn.begin(), gDrawn.begin() + 3), std::vector<int>(gDrawn.begin() + 3, gDrawn.end()));
  for (int n : gDrawn) {
    EXPECT_GE(n, 0);
    EXPECT_LE(n, CEffectRandom::kMax);
  }
  EXPECT_NE(gDrawn[0], gDrawn[1]);
}

}  // namespace
