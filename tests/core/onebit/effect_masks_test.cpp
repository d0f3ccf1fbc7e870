#include "core/onebit/effect_masks.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/surface_copies.h"
#include "support/surface_text.h"
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
  BuildEffectMasks(nullptr, &b.target.surface, &b.source.surface, 0, 0, 16, 4, 4, kRed, kWhite, 0, 100);
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
  BuildEffectMasks(nullptr, &b.target.surface, &b.source.surface, 0, 0, 16, 4, 4, 0x000000, kWhite, 0, 100);
  EXPECT_EQ(b.target.surface.GetPixel(0, 0), 0x000000u);
  EXPECT_EQ(b.target.surface.GetPixel(1, 0), 0x808080u);
  EXPECT_EQ(b.target.surface.GetPixel(2, 0), kGreen);
}

TEST(BuildEffectMasks, OtherScalesAndUnalignedRegionsCountOnlyTheRegion) {
  tmb::test::Canvas source(12, 6, PixelFormat::kMono1, 0x000000);  // all ink
  tmb::test::Canvas target(6, 3, PixelFormat::kColour32, kGreen);
  // Scale 2 over the region x 3 to 9: block 1 holds columns 3 (of 2, 3) only.
  BuildEffectMasks(nullptr, &target.surface, &source.surface, 3, 0, 6, 6, 2, 0x000000, kWhite, 0, 100);
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
  BuildEffectMasks(nullptr, &target.surface, &source.surface, 0, 0, 8, 4, 4, 0x000000, kWhite, 0, 100);
  EXPECT_EQ(target.surface.GetPixel(0, 0), 0x000000u);
  EXPECT_EQ(target.surface.GetPixel(1, 0), kWhite);
}

TEST(BuildEffectMasks, NothingHappensWithoutAPictureOrOutsideIt) {
  tmb::test::Canvas source(8, 4, PixelFormat::kMono1, 0x000000);
  tmb::test::Canvas target(2, 1, PixelFormat::kColour32, kGreen);
  BuildEffectMasks(nullptr, nullptr, &source.surface, 0, 0, 8, 4, 4, 0, kWhite, 0, 100);
  BuildEffectMasks(nullptr, &target.surface, nullptr, 0, 0, 8, 4, 4, 0, kWhite, 0, 100);
  BuildEffectMasks(nullptr, &target.surface, &source.surface, 100, 100, 8, 4, 4, 0, kWhite, 0, 100);
  BuildEffectMasks(nullptr, &target.surface, &source.surface, 0, 0, 8, 4, 0, 0, kWhite, 0, 100);
  EXPECT_EQ(target.surface.GetPixel(0, 0), kGreen);
  EXPECT_EQ(target.surface.GetPixel(1, 0), kGreen);
}

TEST(BuildEffectMasks, AFullCellIsTheInkColourAtEveryScale) {
  // 16 x 16 = 256 ink pixels in one cell must not wrap to none.
  for (int r : {4, 16}) {
    tmb::test::Canvas source(3 * r, 3 * r, PixelFormat::kMono1, 0x000000);
    tmb::test::Canvas target(3, 3, PixelFormat::kColour32, kGreen);
    BuildEffectMasks(nullptr, &target.surface, &source.surface, 0, 0, 3 * r, 3 * r, r, kRed, kWhite, 0, 100);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(target.surface.GetPixel(i % 3, i / 3), kRed) << "r " << r << " cell " << i;
  }
}

TEST(BuildEffectMasks, GrowingWidensTheInkByOnePixelEachTime) {
  // One ink pixel at (5, 1) of a 12 x 4 picture at scale 4 (one row of cells, so no cell
  // counts as a speck): a grow of 1 makes a 3 x 3 block in cell 1, of 2 a 5 x 5 block
  // that reaches column 3 of cell 0 and is cut at the top and bottom.
  tmb::test::Canvas source(12, 4, PixelFormat::kMono1);
  source.surface.SetPixel(5, 1, 0x000000);
  const tmb::Surface before = tmb::test::CopyOfSurface(source.surface);
  struct Case {
    int grow;
    int middleInk;  // ink pixels of cell 1
    int leftInk;    // of cell 0
  };
  for (const Case& c : {Case{0, 1, 0}, Case{1, 9, 0}, Case{2, 16, 4}}) {
    tmb::test::Canvas target(3, 1, PixelFormat::kColour32, kGreen);
    BuildEffectMasks(nullptr, &target.surface, &source.surface, 0, 0, 12, 4, 4, 0x000000, kWhite, c.grow, 100);
    const int middle = 255 - 255 * c.middleInk / 16;
    EXPECT_EQ(target.surface.GetPixel(1, 0), tmb::MakeRgb(middle, middle, middle)) << c.grow;
    const int left = 255 - 255 * c.leftInk / 16;
    EXPECT_EQ(target.surface.GetPixel(0, 0), c.leftInk ? tmb::MakeRgb(left, left, left) : kGreen) << c.grow;
  }
  for (int yy = 0; yy < 4; ++yy) {
    for (int xx = 0; xx < 12; ++xx) ASSERT_EQ(source.surface.GetPixel(xx, yy), before.GetPixel(xx, yy)) << "source kept";
  }
}

TEST(BuildEffectMasks, AHugeGrowCountStopsWhenEverythingIsInk) {
  tmb::test::Canvas source(8, 4, PixelFormat::kMono1);
  source.surface.SetPixel(0, 0, 0x000000);
  tmb::test::Canvas target(2, 1, PixelFormat::kColour32, kGreen);
  BuildEffectMasks(nullptr, &target.surface, &source.surface, 0, 0, 8, 4, 4, kRed, kWhite, 1 << 30, 100);
  EXPECT_EQ(target.surface.GetPixel(0, 0), kRed);
  EXPECT_EQ(target.surface.GetPixel(1, 0), kRed);
}

TEST(GrowMask, StopsAtTheEdgesAndWordBoundaries) {
  // Ink at the last column of a 64-pixel word and at the surface's last column.
  tmb::test::Canvas mask(70, 3, PixelFormat::kMono1);
  mask.surface.SetPixel(63, 1, 0x000000);
  mask.surface.SetPixel(69, 0, 0x000000);
  ASSERT_TRUE(GrowMask(mask.surface));
  for (int x : {62, 63, 64}) {
    for (int y : {0, 1, 2}) EXPECT_EQ(mask.surface.GetPixel(x, y), 0u) << x << "," << y;
  }
  EXPECT_EQ(mask.surface.GetPixel(61, 1), kWhite);
  EXPECT_EQ(mask.surface.GetPixel(65, 1), kWhite);
  EXPECT_EQ(mask.surface.GetPixel(68, 1), 0u);
  EXPECT_EQ(mask.surface.GetPixel(67, 0), kWhite);
  tmb::test::Canvas full(9, 2, PixelFormat::kMono1, 0x000000);
  EXPECT_FALSE(GrowMask(full.surface));
}

TEST(BuildEffectMasks, TheCurveBendsTheShareAndAStraySpeckBecomesPaper) {
  // A 5 x 5 grid of cells; the middle cell half inked and ringed by ink so it is no speck.
  tmb::test::Canvas source(20, 20, PixelFormat::kMono1);
  source.dc.FillSolidRect({4, 4, 16, 8}, 0x000000);
  source.dc.FillSolidRect({4, 8, 6, 12}, 0x000000);
  source.dc.FillSolidRect({8, 8, 10, 12}, 0x000000);  // the middle cell: 8 of 16
  source.dc.FillSolidRect({12, 8, 16, 12}, 0x000000);
  source.dc.FillSolidRect({4, 12, 16, 16}, 0x000000);
  struct Case {
    int curve;
    int channel;  // of the middle cell, ink black on white paper
  };
  // 255 - (1/2)^e x 255 truncated: e 1 gives 128 (integer), e 2 gives 191, e 0.5 gives 74.
  for (const Case& c : {Case{100, 128}, Case{50, 191}, Case{200, 74}}) {
    tmb::test::Canvas target(5, 5, PixelFormat::kColour32, kGreen);
    BuildEffectMasks(nullptr, &target.surface, &source.surface, 0, 0, 20, 20, 4, 0x000000, kWhite, 0, c.curve);
    EXPECT_EQ(target.surface.GetPixel(2, 2), tmb::MakeRgb(c.channel, c.channel, c.channel)) << c.curve;
  }
  // A lone speck inside the grid is painted paper; ink colour above the paper's bends the
  // other way.
  tmb::test::Canvas speck(20, 20, PixelFormat::kMono1);
  speck.surface.SetPixel(9, 9, 0x000000);
  tmb::test::Canvas target(5, 5, PixelFormat::kColour32, kGreen);
  BuildEffectMasks(nullptr, &target.surface, &speck.surface, 0, 0, 20, 20, 4, 0x000000, kWhite, 0, 100);
  EXPECT_EQ(target.surface.GetPixel(2, 2), kWhite);
  tmb::test::Canvas dark(20, 20, PixelFormat::kColour32, kGreen);
  BuildEffectMasks(nullptr, &dark.surface, &source.surface, 0, 0, 20, 20, 4, kWhite, 0x000000, 0, 50);
  // Q above P: Q + (1/2)^2 x (P - Q) = 255 - 63.75, truncated towards zero: 191.
  EXPECT_EQ(dark.surface.GetPixel(2, 2), tmb::MakeRgb(191, 191, 191));
}

TEST(BuildEffectMasks, ASpeckIsJudgedByItsPlaceInTheWholeRegionWhereverTheInkLies) {
  // A 10 x 7 grid of cells at scale 4 with one ink pixel in each listed cell; a cell on the
  // border of the region (or of a target narrower than it) is never a speck.
  struct Cell {
    int x, y;
    bool speck;
  };
  struct Case {
    int regionLeft, targetWidth;
    std::vector<Cell> cells;
  };
  const Case cases[] = {
      {0, 10, {{1, 1, true}}},
      {0, 10, {{8, 5, true}}},
      {0, 10, {{0, 3, false}}},
      {0, 10, {{9, 3, false}}},
      {0, 10, {{4, 6, false}}},
      {6, 10, {{1, 3, false}}},  // the region starts in cell 1
      {6, 10, {{2, 3, true}}},
      {0, 8, {{7, 3, false}}},  // the target ends at cell 7
      {0, 8, {{6, 3, true}}},
      {0, 10, {{4, 3, true}, {5, 3, true}}},
      {0, 10, {{4, 3, true}, {5, 4, true}}},
      {0, 10, {{3, 3, true}, {4, 3, false}, {5, 3, true}}},
  };
  for (const Case& c : cases) {
    tmb::test::Canvas source(40, 28, PixelFormat::kMono1);
    for (const Cell& cell : c.cells) source.surface.SetPixel(4 * cell.x + 2, 4 * cell.y + 2, 0x000000);
    tmb::test::Canvas target(c.targetWidth, 7, PixelFormat::kColour32, kGreen);
    BuildEffectMasks(nullptr, &target.surface, &source.surface, c.regionLeft, 0, 40 - c.regionLeft, 28, 4, 0x000000,
                     kWhite, 0, 100);
    int painted = 0;
    for (const Cell& cell : c.cells) {
      EXPECT_EQ(target.surface.GetPixel(cell.x, cell.y), cell.speck ? kWhite : tmb::MakeRgb(240, 240, 240))
          << c.regionLeft << " " << c.targetWidth << " cell " << cell.x << "," << cell.y;
      ++painted;
    }
    EXPECT_EQ(tmb::test::CountPixels(target.surface, kGreen), c.targetWidth * 7 - painted);
  }
}

TEST(CountEmptyNeighbourCells, CountsSevenNeighboursAndNothingOnTheBorder) {
  const int grid[3 * 3] = {0, 0, 0, 0, 5, 0, 0, 0, 9};
  EXPECT_EQ(CountEmptyNeighbourCells(grid, 3, 3, 1, 1), 7) << "the lower right is not among them";
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(CountEmptyNeighbourCells(grid, 3, 3, i, 0), 0);
    EXPECT_EQ(CountEmptyNeighbourCells(grid, 3, 3, 0, i), 0);
    EXPECT_EQ(CountEmptyNeighbourCells(grid, 3, 3, 2, i), 0);
  }
}

}  // namespace
