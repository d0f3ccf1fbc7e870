#include "imageedit/onebit/effect_masks.h"

#include <gtest/gtest.h>

#include "support/test_canvas.h"

namespace {

using tmb::Colour;
using tmb::PixelFormat;

constexpr Colour kRed = 0x0000FF, kGreen = 0x00FF00, kWhite = 0xFFFFFF;

// A supersampled picture of 4 blocks of 4 x 4 in a row, and its block-sized target in green.
struct Blocks {
  Blocks(PixelFormat format) : source(16, 4, format), target(4, 1, PixelFormat::kColour32, kGreen) {}
  void Ink(int x0, int y0, int x1, int y1, Colour c = 0x000000) { source.dc.FillSolidRect({x0, y0, x1, y1}, c); }
  tmb::test::Canvas source;
  tmb::test::Canvas target;
};

TEST(BuildEffectMasks, EachBlockIsShadedByItsShareOfInk) {
  Blocks b(PixelFormat::kMono1);
  b.Ink(0, 0, 4, 4);    // block 0: all 16
  b.Ink(4, 0, 6, 4);    // block 1: half
  b.Ink(8, 0, 9, 1);    // block 2: one pixel
  BuildEffectMasks(nullptr, &b.target.surface, &b.source.surface, 0, 0, 16, 4, 4, kRed, kWhite);
  EXPECT_EQ(b.target.surface.GetPixel(0, 0), kRed);
  // paper - (paper - ink) x c / 16 in every channel: 255 - 255 x 8 / 16 = 128.
  EXPECT_EQ(b.target.surface.GetPixel(1, 0), tmb::MakeRgb(255, 128, 128));
  EXPECT_EQ(b.target.surface.GetPixel(2, 0), tmb::MakeRgb(255, 240, 240));
  EXPECT_EQ(b.target.surface.GetPixel(3, 0), kGreen) << "a block without ink keeps its pixel";
}

TEST(BuildEffectMasks, AColourPictureCountsEveryColourButWhiteAsInk) {
  Blocks b(PixelFormat::kColour32);
  b.Ink(0, 0, 4, 4, 0x00FFFF);
  b.Ink(4, 0, 8, 2, 0xFEFFFF);  // near white is still ink
  BuildEffectMasks(nullptr, &b.target.surface, &b.source.surface, 0, 0, 16, 4, 4, 0x000000, kWhite);
  EXPECT_EQ(b.target.surface.GetPixel(0, 0), 0x000000u);
  EXPECT_EQ(b.target.surface.GetPixel(1, 0), 0x808080u);
  EXPECT_EQ(b.target.surface.GetPixel(2, 0), kGreen);
}

TEST(BuildEffectMasks, OtherScalesAndUnalignedRegionsCountOnlyTheRegion) {
  tmb::test::Canvas source(12, 6, PixelFormat::kMono1, 0x000000);  // all ink
  tmb::test::Canvas target(6, 3, PixelFormat::kColour32, kGreen);
  // Scale 2 over the region x 3 to 9: block 1 holds columns 3 (of 2, 3) only.
  BuildEffectMasks(nullptr, &target.surface, &source.surface, 3, 0, 6, 6, 2, 0x000000, kWhite);
  EXPECT_EQ(target.surface.GetPixel(0, 0), kGreen);
  EXPECT_EQ(target.surface.GetPixel(1, 1), 0x808080u);
  EXPECT_EQ(target.surface.GetPixel(2, 2), 0x000000u);
  EXPECT_EQ(target.surface.GetPixel(4, 0), 0x808080u);
  EXPECT_EQ(target.surface.GetPixel(5, 0), kGreen);
}

TEST(BuildEffectMasks, AOneBitTargetTakesTheNearerOfBlackAndWhite) {
  tmb::test::Canvas source(8, 4, PixelFormat::kMono1);
  source.dc.FillSolidRect({0, 0, 4, 4}, 0x000000);
  source.dc.FillSolidRect({4, 0, 5, 1}, 0x000000);
  tmb::test::Canvas target(2, 1, PixelFormat::kMono1, 0x000000);
  BuildEffectMasks(nullptr, &target.surface, &source.surface, 0, 0, 8, 4, 4, 0x000000, kWhite);
  EXPECT_EQ(target.surface.GetPixel(0, 0), 0x000000u);
  EXPECT_EQ(target.surface.GetPixel(1, 0), kWhite);
}

TEST(BuildEffectMasks, NothingHappensWithoutAPictureOrOutsideIt) {
  tmb::test::Canvas source(8, 4, PixelFormat::kMono1, 0x000000);
  tmb::test::Canvas target(2, 1, PixelFormat::kColour32, kGreen);
  BuildEffectMasks(nullptr, nullptr, &source.surface, 0, 0, 8, 4, 4, 0, kWhite);
  BuildEffectMasks(nullptr, &target.surface, nullptr, 0, 0, 8, 4, 4, 0, kWhite);
  BuildEffectMasks(nullptr, &target.surface, &source.surface, 100, 100, 8, 4, 4, 0, kWhite);
  BuildEffectMasks(nullptr, &target.surface, &source.surface, 0, 0, 8, 4, 0, 0, kWhite);
  EXPECT_EQ(target.surface.GetPixel(0, 0), kGreen);
  EXPECT_EQ(target.surface.GetPixel(1, 0), kGreen);
}

}  // namespace
