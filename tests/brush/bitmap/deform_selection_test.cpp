// The scalings and row-wise deformations of a selected block, and the whole-paper colour
// change, as the effect table runs them.
#include "brush/bitmap/deform_selection.h"

#include <gtest/gtest.h>

#include "brush/bitmap/image_effect.h"
#include "core/canvas/work_canvas.h"
#include "core/effect/effect_def.h"
#include "brush/bitmap/paper_colour.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"

namespace {

using tmb::Colour;

constexpr int kW = 60, kH = 40;
constexpr Colour kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0x0000FF, kGrey = 0x808080;

// A picture of white with a block (10, 10)-(30, 30) whose left half is black and right
// half red; the region is that block and the background grey.
class Deform : public testing::Test {
 protected:
  void SetUp() override {
    gWorkCanvas.Init(kW, kH, "", 32000, 0, 0);
    picture.Create(kW, kH, tmb::PixelFormat::kColour32);
    picture.Fill(kWhite);
    tmb::DeviceContext dc(&picture);
    dc.FillSolidRect({10, 10, 20, 30}, kBlack);
    dc.FillSolidRect({20, 10, 30, 30}, kRed);
    def.m_region = {30, 30, 10, 10};  // reversed corners count as well
    def.m_colour1[kEffectColourBack] = kGrey;
  }
  void TearDown() override { gWorkCanvas.Reset(); }
  // Ink (not white, not grey) of row y within the block.
  int InkOfRow(int y) const {
    int n = 0;
    for (int x = 10; x < 30; ++x) {
      const Colour c = picture.GetPixel(x, y);
      n += c != kGrey && c != kWhite;
    }
    return n;
  }

  tmb::Surface picture;
  CEffectDef def;
};

TEST_F(Deform, TheRatioOfOneHundredKeepsTheBlock) {
  const tmb::Surface before = tmb::test::CopyOfSurface(picture);
  def.m_value1[42] = def.m_value2[42] = 100;
  EXPECT_EQ(DeformSelection(def, nullptr, &picture, &picture, 42), 1);
  EXPECT_TRUE(tmb::test::SamePixels(picture, before));
}

TEST_F(Deform, ResizingDrawsFromTheTopLeftOnTheBackground) {
  struct Case {
    int mode, v1, v2;
    int w, h;  // the size drawn
  };
  for (const Case& c : {Case{40, 50, 0, 10, 10}, Case{41, 6, 14, 6, 14}, Case{42, 50, 25, 10, 5}}) {
    SCOPED_TRACE(c.mode);
    SetUp();
    def.m_value1[size_t(c.mode)] = c.v1;
    def.m_value2[size_t(c.mode)] = c.v2;
    EXPECT_EQ(DeformSelection(def, nullptr, &picture, &picture, c.mode), 1);
    EXPECT_EQ(picture.GetPixel(10, 10), kBlack);
    EXPECT_EQ(picture.GetPixel(10 + c.w - 1, 10 + c.h - 1), kRed);
    EXPECT_EQ(picture.GetPixel(10 + c.w, 10), kGrey);
    EXPECT_EQ(picture.GetPixel(10, 10 + c.h), kGrey);
    EXPECT_EQ(picture.GetPixel(9, 9), kWhite) << "outside the block nothing changes";
    EXPECT_EQ(picture.GetPixel(30, 30), kWhite);
  }
}

TEST_F(Deform, TheRowWiseShapesNarrowTheirRows) {
  // Trapezoid from full width at the top to nothing at the bottom.
  def.m_value1[43] = 100;
  def.m_value2[43] = 0;
  ASSERT_EQ(DeformSelection(def, nullptr, &picture, &picture, 43), 1);
  EXPECT_EQ(InkOfRow(10), 20);
  EXPECT_EQ(InkOfRow(20), 8) << "48 % of 20, about the middle";
  EXPECT_LE(InkOfRow(29), 1);
  tmb::test::SavePictureForViewing(picture, "deform_trapezoid");

  // The ellipse is widest in the middle row and narrow at the top.
  SetUp();
  ASSERT_EQ(DeformSelection(def, nullptr, &picture, &picture, 45), 1);
  EXPECT_EQ(InkOfRow(20), 20);
  EXPECT_LT(InkOfRow(10), 4);
  EXPECT_EQ(picture.GetPixel(19, 20), kBlack) << "the halves meet in the middle";
  EXPECT_EQ(picture.GetPixel(20, 20), kRed);

  // The slant at 45 degrees shifts row r by r x 0.707.
  SetUp();
  def.m_value1[44] = 45;
  ASSERT_EQ(DeformSelection(def, nullptr, &picture, &picture, 44), 1);
  EXPECT_EQ(picture.GetPixel(10, 10), kBlack);
  EXPECT_EQ(picture.GetPixel(10 + 14, 29), kBlack) << "row 19 starts 13 pixels in";
  EXPECT_EQ(picture.GetPixel(10, 29), kGrey);
}

// Blocks one row high, even and odd in width: the ratio of 100 and the ellipse keep the
// whole row, the trapezoid takes its upper side (100 % keeps the row, 50 % halves it
// about the middle).
TEST_F(Deform, ABlockOneRowHighKeepsItsRowOrTakesTheUpperSide) {
  struct Case {
    int mode, v1, v2;
    bool keeps;  // the row stays as it was; else it is halved
  };
  const Case cases[] = {{42, 100, 100, true}, {45, 0, 0, true}, {43, 100, 0, true}, {43, 50, 100, false}};
  for (int w : {20, 21}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(testing::Message() << "mode " << c.mode << " " << c.v1 << "/" << c.v2 << " width " << w);
      SetUp();
      def.m_region = {10, 15, 10 + w, 16};
      def.m_value1[size_t(c.mode)] = c.v1;
      def.m_value2[size_t(c.mode)] = c.v2;
      const tmb::Surface before = tmb::test::CopyOfSurface(picture);
      ASSERT_EQ(DeformSelection(def, nullptr, &picture, &picture, c.mode), 1);
      for (int y : {14, 16}) {
        for (int x = 0; x < kW; ++x) EXPECT_EQ(picture.GetPixel(x, y), before.GetPixel(x, y)) << x << "," << y;
      }
      if (c.keeps) {
        for (int x = 0; x < kW; ++x) EXPECT_EQ(picture.GetPixel(x, 15), before.GetPixel(x, 15)) << x;
        continue;
      }
      // Half the width about the middle: 5 grey columns on either side.
      for (int x = 10; x < 10 + w; ++x) {
        const bool edge = x < 15 || x >= 10 + w - 5;
        EXPECT_EQ(picture.GetPixel(x, 15) == kGrey, edge) << x;
      }
      EXPECT_EQ(picture.GetPixel(15, 15), kBlack);
    }
  }
}

TEST_F(Deform, NothingHappensForAnEmptyBlockOrAnotherNumber) {
  const tmb::Surface before = tmb::test::CopyOfSurface(picture);
  EXPECT_EQ(DeformSelection(def, nullptr, &picture, &picture, 39), 0);
  EXPECT_EQ(DeformSelection(def, nullptr, &picture, &picture, 46), 0);
  def.m_region = {70, 50, 80, 60};
  EXPECT_EQ(DeformSelection(def, nullptr, &picture, &picture, 45), 0);
  def.m_value1[41] = 1 << 30;  // absurd sizes are cut, not overflowed
  def.m_value2[41] = -(1 << 30);
  def.m_region = {10, 10, 30, 30};
  EXPECT_EQ(DeformSelection(def, nullptr, &picture, &picture, 41), 1);
  EXPECT_EQ(picture.GetPixel(5, 5), before.GetPixel(5, 5));
}

TEST_F(Deform, ThePaperChangePaintsOnlyThePaperColour) {
  def.m_crPaper = kWhite;
  def.m_colour1[kEffectColourBack] = 0x00FFFF;
  EXPECT_EQ(ChangeWholePaperColour(def, nullptr, &picture, {0, 0, 40, kH}), 1);
  EXPECT_EQ(picture.GetPixel(0, 0), 0x00FFFFu);
  EXPECT_EQ(picture.GetPixel(39, 39), 0x00FFFFu);
  EXPECT_EQ(picture.GetPixel(40, 0), kWhite) << "only the rectangle";
  EXPECT_EQ(picture.GetPixel(15, 15), kBlack);
  EXPECT_EQ(picture.GetPixel(25, 15), kRed);
  EXPECT_EQ(def.m_crPaper, 0x00FFFFu) << "the new colour is the paper now";
}

TEST_F(Deform, TheEffectTableRunsTheScalingsAndThePaperChange) {
  tmb::Surface work;
  work.Create(kW, kH, tmb::PixelFormat::kColour32);
  def.m_region = {10, 10, 30, 30};
  def.m_value1[40] = 50;
  def.m_nCurrentEffect = 40;
  PrepareImageEffect(def, nullptr, &picture, &work, 0, 1);
  EXPECT_EQ(picture.GetPixel(19, 19), kRed);
  EXPECT_EQ(picture.GetPixel(20, 20), kGrey);
  def.m_nCurrentEffect = kEffectColourPaperAll;
  def.m_colour1[kEffectColourBack] = 0x00FF00;
  PrepareImageEffect(def, nullptr, &picture, &work, 0, 1);
  EXPECT_EQ(picture.GetPixel(0, 0), 0x00FF00u) << "the whole canvas";
  EXPECT_EQ(picture.GetPixel(20, 20), kGrey);
}

}  // namespace
