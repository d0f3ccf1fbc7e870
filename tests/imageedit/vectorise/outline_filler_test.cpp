// Filling ink regions from their traced outlines, with either follower, directly and at
// four sub-samples of a larger picture.
#include "imageedit/vectorise/outline_filler.h"

#include <gtest/gtest.h>

#include "support/mono_block.h"
#include "support/picture_files.h"

namespace {

using tmb::test::MonoBlock;

constexpr tmb::Colour kGrey = 0x808080, kWhite = 0xFFFFFF, kDark = 0x202020;

// A disc of radius 12 at (20, 20) and a 10 x 6 block at (40, 30).
MonoBlock Shapes() {
  MonoBlock mask(60, 45);
  for (int y = 0; y < 45; ++y) {
    for (int x = 0; x < 60; ++x) {
      const int dx = x - 20, dy = y - 20;
      if (dx * dx + dy * dy <= 144 || (x >= 40 && x < 50 && y >= 30 && y < 36)) mask.Ink(x, y);
    }
  }
  return mask;
}

struct Fill {
  int ink = 0;      // filled pixels on ink
  int outside = 0;  // filled pixels on the paper
  int far = 0;      // filled pixels with no ink next to them
};

Fill Count(const tmb::Surface& picture, const MonoBlock& mask, int ratio) {
  Fill f;
  const int s = ratio > 0 ? ratio : 1;
  auto ink = [&](int x, int y) { return x >= 0 && y >= 0 && mask.IsInk(x / s, y / s); };
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) {
      if (picture.GetPixel(x, y) != kGrey) continue;
      if (ink(x, y)) {
        ++f.ink;
        continue;
      }
      ++f.outside;
      bool near = false;
      for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) near = near || ink(x + dx, y + dy);
      }
      f.far += !near;
    }
  }
  return f;
}

TEST(FillMaskOutlines, EachRegionIsFilledFromItsOutlineByEitherFollower) {
  const MonoBlock mask = Shapes();
  int inkPixels = 0;
  for (int y = 0; y < 45; ++y) {
    for (int x = 0; x < 60; ++x) inkPixels += mask.IsInk(x, y);
  }
  for (int follower : {0, 1}) {
    for (int ratio : {0, 2}) {
      SCOPED_TRACE(testing::Message() << "follower " << follower << ", ratio " << ratio);
      gOutlineFillFollower = follower;
      const int s = ratio > 0 ? ratio : 1;
      tmb::Surface picture;
      ASSERT_TRUE(picture.Create(60 * s, 45 * s, tmb::PixelFormat::kColour32));
      picture.Fill(kWhite);
      EXPECT_EQ(FillMaskOutlines(mask.bitmap, picture, kGrey, ratio), 2);
      const Fill f = Count(picture, mask, ratio);
      // The outline points are the region's edge pixels, joined through their middles: the
      // fill reaches the edge, and beyond it only where a diagonal step cuts a corner.
      EXPECT_GT(f.ink, inkPixels * s * s * 9 / 10);
      EXPECT_EQ(f.far, 0);
      if (ratio == 0) {
        EXPECT_LE(f.outside, 4);
      }
      tmb::test::SavePictureForViewing(picture, "outline_fill_" + std::to_string(follower) + "_" + std::to_string(ratio));
    }
  }
  gOutlineFillFollower = 0;
}

TEST(FillMaskOutlines, APixelTakesTheFillOnlyWhereItsColourIsGreater) {
  const MonoBlock mask = Shapes();
  tmb::Surface picture;
  ASSERT_TRUE(picture.Create(60, 45, tmb::PixelFormat::kColour32));
  picture.Fill(kDark);
  EXPECT_EQ(FillMaskOutlines(mask.bitmap, picture, kGrey, 0), 2);
  EXPECT_EQ(picture.GetPixel(20, 20), kDark) << "darker stays";
  picture.SetPixel(20, 20, kWhite);
  FillMaskOutlines(mask.bitmap, picture, kGrey, 0);
  EXPECT_EQ(picture.GetPixel(20, 20), kGrey);
}

}  // namespace
