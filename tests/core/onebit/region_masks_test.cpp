#include "core/onebit/region_masks.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/onebit/region_scan.h"
#include "support/mono_block.h"

namespace {

using tmb::test::MonoBlock;

TEST(RegionMasks, TheBorderKeepsTheInkThatTouchesTheBackground) {
  MonoBlock source({".......", ".#####.", ".#####.", ".#####.", ".#####.", "......."});
  MonoBlock target(7, 6);
  ExtractBorder(source.bitmap, target.bitmap);
  EXPECT_EQ(target.Text(), MonoBlock({".......", ".#####.", ".#...#.", ".#...#.", ".#####.", "......."}).Text());
  // Ink on the bitmap's edge is left out: the border lies one pixel inside it.
  MonoBlock full({"###", "###", "###"});
  MonoBlock none(3, 3);
  ExtractBorder(full.bitmap, none.bitmap);
  EXPECT_EQ(CountInkPixels(none.bitmap), 0);
}

TEST(RegionMasks, TheBorderOfRandomInkIsWhatTheFourNeighboursSay) {
  std::mt19937 random(11);
  for (int width : {9, 31, 33, 70}) {
    MonoBlock source(width, 23);
    for (int y = 0; y < 23; ++y) {
      for (int x = 0; x < width; ++x) {
        if (random() % 4 != 0) source.Ink(x, y);
      }
    }
    source.bitmap.m_left = 3;  // a region that starts and ends inside bytes
    source.bitmap.m_right = width - 2;
    MonoBlock target(width, 23);
    ExtractBorder(source.bitmap, target.bitmap);
    for (int y = 0; y < 23; ++y) {
      for (int x = 0; x < width; ++x) {
        const bool inArea = x >= 3 && x < width - 2 && x < width - 1 && y >= 1 && y < 22;
        const bool border = inArea && source.IsInk(x, y) && source.bitmap.CountInk4(x, y) < 4;
        ASSERT_EQ(target.IsInk(x, y), border) << width << ": " << x << "," << y;
      }
    }
  }
}

class BuildMasks : public testing::Test {
 protected:
  void SetUp() override {
    gWorkCanvas.Init(40, 20, "", 32000, 32, 32);
    picture.Create(40, 20, tmb::PixelFormat::kColour32);
    picture.Fill(0xFFFFFF);
    for (int y = 2; y < 12; ++y) {
      for (int x = 4; x < 30; ++x) picture.SetPixel(x, y, x < 17 ? 0x000000 : 0x202020);
    }
    const size_t bytes = RegionMaskBytes(picture);
    for (auto* m : {&a, &b, &c}) m->assign(bytes, 0);
  }
  void TearDown() override { gWorkCanvas.Reset(); }

  tmb::Surface picture;
  std::vector<uint8_t> a, b, c;
  CMonoBitmap ma, mb, mc;
};

TEST_F(BuildMasks, TheMasksHoldTheRegionsInkItsBorderAndACopy) {
  ASSERT_EQ(BuildRegionMasks(nullptr, &picture, 30, 20, 10, 0, ma, mb, mc, a, b, c, nullptr), 1);
  EXPECT_EQ((tmb::Rect{ma.m_left, ma.m_top, ma.m_right, ma.m_bottom}), (tmb::Rect{10, 0, 30, 20}));
  EXPECT_EQ(ma.m_width, 40);
  EXPECT_EQ(CountInkPixels(ma), 20 * 10);
  EXPECT_NE(ma.TestBit(5, 5), 0) << "ink left of the region is not taken";
  EXPECT_EQ(ma.TestBit(10, 5), 0);
  EXPECT_EQ(mb.TestBit(10, 5), 0) << "the cut edge of the region is a border";
  EXPECT_NE(mb.TestBit(15, 6), 0);
  EXPECT_EQ(mb.TestBit(15, 2), 0);
  EXPECT_EQ(c, b);
  // Cut to a clip rectangle.
  const tmb::Rect clip{0, 0, 20, 5};
  ASSERT_EQ(BuildRegionMasks(nullptr, &picture, 0, 0, 40, 20, ma, mb, mc, a, b, c, &clip), 1);
  EXPECT_EQ(CountInkPixels(ma), 16 * 3);
}

TEST_F(BuildMasks, RefusesMemoryTooSmallAndMissingPictures) {
  std::vector<uint8_t> small(a.size() - 1);
  EXPECT_EQ(BuildRegionMasks(nullptr, &picture, 0, 0, 40, 20, ma, mb, mc, a, small, c, nullptr), 0);
  EXPECT_EQ(ma.m_pBits, nullptr);
  EXPECT_EQ(BuildRegionMasks(nullptr, nullptr, 0, 0, 40, 20, ma, mb, mc, a, b, c, nullptr), 0);
  tmb::Surface empty;
  EXPECT_EQ(BuildRegionMasks(nullptr, &empty, 0, 0, 40, 20, ma, mb, mc, a, b, c, nullptr), 0);
}

TEST_F(BuildMasks, BorderToPictureLeavesOnlyTheOutlines) {
  tmb::Surface copy;
  copy.Create(40, 20, tmb::PixelFormat::kColour32);
  copy.Fill(0x00FF00);
  ASSERT_EQ(BorderToPicture(nullptr, &picture, 0, 0, 20, 20, ma, mb, mc, a, b, c, nullptr, &copy), 1);
  EXPECT_EQ(copy.GetPixel(4, 2), 0x000000u);
  EXPECT_EQ(copy.GetPixel(8, 6), 0xFFFFFFu) << "inside the ink";
  EXPECT_EQ(copy.GetPixel(25, 6), 0x00FF00u) << "outside the region";
  ASSERT_EQ(BorderToPicture(nullptr, &picture, 0, 0, 40, 20, ma, mb, mc, a, b, c, nullptr, nullptr), 1);
  EXPECT_EQ(picture.GetPixel(4, 2), 0x000000u);
  EXPECT_EQ(picture.GetPixel(8, 6), 0xFFFFFFu);
}

}  // namespace
