// The pixel routines of the numbered effects, run through the effect step on a red square
// on tinted paper.
#include "brush/bitmap/effect_routines.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "brush/bitmap/mask_effects.h"
#include "core/canvas/work_canvas.h"
#include "core/effect/effect_def.h"
#include "core/effect/effect_dialogs.h"
#include "core/effect/effect_names.h"
#include "tests/support/manual_clock.h"
#include "tests/support/picture_files.h"

namespace {

constexpr int kSide = 60;
constexpr tmb::Colour kTint = 0xC0D8E8;
constexpr tmb::Colour kRed = 0x0000FF;
const tmb::Rect kArea{10, 10, 50, 50};
const tmb::Rect kSquare{15, 20, 30, 45};  // off the area's middle, so mirrors show

// The 26 effects of the editor's menu.
constexpr int kMenuEffects[] = {1, 2, 3, 4, 5, 6, 7, 11, 12, 13, 14, 15, 16, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30,
                                31, 32, 67};

class EffectRoutines : public testing::Test {
 protected:
  void SetUp() override {
    gWorkCanvas.Init(kSide, kSide, "", 32000, 32, 32);
    RegisterEffectRoutines();
    image.Create(kSide, kSide, tmb::PixelFormat::kColour32);
    work.Create(kSide, kSide, tmb::PixelFormat::kColour32);
    original.Create(kSide, kSide, tmb::PixelFormat::kColour32);
    original.Fill(kTint);
    for (int y = kSquare.top; y < kSquare.bottom; ++y) {
      for (int x = kSquare.left; x < kSquare.right; ++x) original.SetPixel(x, y, kRed);
    }
    Restore();
    def.ApplyDetailValues();
    def.m_colour1[54] = kTint;
    def.m_crPaper = kTint;
  }
  void TearDown() override {
    for (auto& r : gImageEffectRoutines) r = nullptr;
    gWorkCanvas.Reset();
  }
  void Restore() { std::copy(original.bits(), original.bits() + original.ByteSize(), image.bits()); }
  void Run(int effect) {
    def.m_nCurrentEffect = effect;
    def.m_region = kArea;
    PrepareImageEffect(def, nullptr, &image, &work, 0, 1);
  }
  int Changed(const tmb::Rect& within, bool inside) const {
    int n = 0;
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        const bool in = x >= within.left && x < within.right && y >= within.top && y < within.bottom;
        if (in == inside && image.GetPixel(x, y) != original.GetPixel(x, y)) ++n;
      }
    }
    return n;
  }

  tmb::Surface image, work, original;
  CEffectDef def;
};

TEST_F(EffectRoutines, EveryMenuEffectChangesTheAreaAndNothingOutside) {
  for (int effect : kMenuEffects) {
    Restore();
    Run(effect);
    EXPECT_GT(Changed(kArea, true), 0) << "effect " << effect;
    EXPECT_EQ(Changed(kArea, false), 0) << "effect " << effect;
    tmb::test::SavePictureForViewing(image, "effect_" + std::to_string(effect));
  }
}

// A script's numbers reach the effects as written: every effect a script can name holds
// what it cannot use, so the smallest and the largest numbers run to an end and change
// nothing outside the area (the sanitizers watch the reads and writes).
TEST_F(EffectRoutines, EveryScriptEffectRunsWithTheSmallestAndLargestNumbers) {
  for (const ScriptLabel& label : ScriptLabels()) {
    for (const char* numbers : {" 0 0 (0,0,0) (0,0,0) ON ON_B ON_T",
                                " 99999999999 99999999999 (99999,99999,99999) (99999,99999,99999) ON ON_B ON_T"}) {
      SCOPED_TRACE(std::string(label.english) + numbers);
      def.m_script = std::string(label.english) + numbers + "\r\n";
      ASSERT_EQ(def.Parse(), 1);
      Restore();
      def.m_region = kArea;
      def.Render(nullptr, &image, &work, 0);
      EXPECT_EQ(Changed(kArea, false), 0);
    }
  }
}

TEST_F(EffectRoutines, InvertingAndMirroringTwiceGiveThePictureBack) {
  for (int effect : {5, 11, 12}) {
    Restore();
    Run(effect);
    EXPECT_GT(Changed(kArea, true), 0) << effect;
    Run(effect);
    EXPECT_EQ(Changed(kArea, true), 0) << effect;
  }
}

TEST_F(EffectRoutines, TheSameEffectGivesTheSamePictureEveryTime) {
  for (int effect : {3, 4, 17}) {
    Restore();
    Run(effect);
    tmb::Surface first;
    first.Create(kSide, kSide, tmb::PixelFormat::kColour32);
    std::copy(image.bits(), image.bits() + image.ByteSize(), first.bits());
    Restore();
    Run(effect);
    EXPECT_TRUE(std::equal(image.bits(), image.bits() + image.ByteSize(), first.bits())) << effect;
  }
}

// With the clock's seed switched on, the dots of the stone effect follow the time: the
// same at the same time, others at another.
TEST_F(EffectRoutines, TheClocksSeedMakesTheDotsFollowTheTime) {
  tmb::test::ManualClock clock;
  gEffectSeedFromClock = 1;
  auto stone = [&](uint32_t now) {
    clock.now = now;
    Restore();
    Run(3);
    return std::vector<uint8_t>(image.bits(), image.bits() + image.ByteSize());
  };
  const std::vector<uint8_t> first = stone(1000);
  EXPECT_EQ(stone(1000), first);
  EXPECT_NE(stone(2000), first);
  gEffectSeedFromClock = 0;
  EXPECT_EQ(stone(3000), stone(4000));
}

TEST_F(EffectRoutines, InARunOverFilesTheStepsChangeThePictureItself) {
  def.m_nCurrentEffect = 5;
  def.m_region = kArea;
  work.Fill(0x123456);
  PrepareImageEffect(def, nullptr, &image, &work, 2, 0);
  EXPECT_EQ(image.GetPixel(20, 30), 0xFFFF00u) << "red inverted in the picture";
  EXPECT_EQ(work.GetPixel(20, 30), 0x123456u);
  EXPECT_EQ(Changed(kArea, false), 0);
}

TEST_F(EffectRoutines, OutlineKeepsTheSquaresEdgeOnly) {
  Run(1);
  EXPECT_EQ(image.GetPixel(kSquare.left, 30), kRed) << "the edge stays";
  EXPECT_EQ(image.GetPixel(22, 30), kTint) << "the inside becomes paper";
}

TEST_F(EffectRoutines, HollowingStopsWhenNothingIsLeftToWearAway) {
  def.m_value1[13] = 1000;  // far more rounds than the square has
  Run(13);
  EXPECT_EQ(Changed(kArea, true), 0) << "the square wears away entirely: nothing is hollowed";
  Restore();
  def.m_value1[13] = 3;
  Run(13);
  EXPECT_EQ(image.GetPixel(kSquare.left + 2, 30), kRed);
  EXPECT_EQ(image.GetPixel(kSquare.left + 3, 30), kTint);
}

TEST(MaskNeighbourhoodStep, DraggedInkStaysInsideThePlane) {
  OneBitPlane source, destination;
  ASSERT_TRUE(source.Make({9, 3}, {0, 0, 9, 3}));
  source.map().SetBit(0, 1, 0);
  source.map().SetBit(1, 1, 0);
  destination.CopyFrom(source);
  CEffectRandom random(7);
  for (int i = 0; i < 50; ++i) MaskNeighbourhoodStep(source.map(), destination.map(), 17, {}, random);
  // Under the sanitizers a write left of column 0 would show; the row stays as it was
  // to the left of the dragged ink.
  EXPECT_EQ(destination.map().TestBit(0, 1), 0);
}

TEST(ApplyMaskEffect, AxisExtractionThinsABandToALine) {
  tmb::Surface s;
  s.Create(30, 12, tmb::PixelFormat::kColour32);
  s.Fill(0xFFFFFF);
  for (int y = 3; y < 8; ++y) {
    for (int x = 3; x < 27; ++x) s.SetPixel(x, y, 0);
  }
  CEffectRandom random;
  EXPECT_GT(ApplyMaskEffect(s, s.Bounds(), 66, 0xFFFFFF, 0, 0, {}, random), 0);
  for (int x = 6; x < 24; ++x) {
    int ink = 0;
    for (int y = 0; y < 12; ++y) ink += s.GetPixel(x, y) == 0;
    EXPECT_EQ(ink, 1) << "column " << x;
  }
}

}  // namespace
