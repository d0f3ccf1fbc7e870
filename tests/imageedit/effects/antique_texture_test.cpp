// The aged-paper texture and the attractor plot: where they draw, with which colours, and
// that they draw the same every time.
#include "imageedit/effects/antique_texture.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "imageedit/effects/attractor.h"
#include "core/effect/effect_def.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"
#include "support/test_canvas.h"

namespace {

using tmb::Colour;
using tmb::PixelFormat;

constexpr Colour kPaper = 0xC0D0E0, kOutside = 0x00FF00;

bool CloseTo(Colour a, Colour b) {
  for (int k = 0; k < 3; ++k) {
    if (std::abs(int((a >> (8 * k)) & 0xFF) - int((b >> (8 * k)) & 0xFF)) > 1) return false;
  }
  return true;
}

TEST(AntiqueTexture, TheWalkStaysInItsRectangleAndRepeatsItself) {
  CEffectDef def;
  def.m_colour1[kEffectColourBack] = kPaper;
  def.m_value1[kEffectAntique] = 5;
  tmb::test::Canvas a(60, 40, PixelFormat::kColour32, kOutside), b(60, 40, PixelFormat::kColour32, kOutside);
  for (tmb::test::Canvas* c : {&a, &b}) {
    c->dc.FillSolidRect({10, 5, 50, 35}, kPaper);
    GrowAntiqueTexture(def, &c->surface, {10, 5, 50, 35}, 1);
  }
  EXPECT_TRUE(tmb::test::SamePixels(a.surface, b.surface)) << "the effects' own random numbers";
  int changed = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 60; ++x) {
      const bool inside = x >= 10 && x < 50 && y >= 5 && y < 35;
      const Colour c = a.surface.GetPixel(x, y);
      if (!inside) {
        ASSERT_EQ(c, kOutside) << x << "," << y;
      }
      changed += inside && c != kPaper;
    }
  }
  EXPECT_GT(changed, 40 * 30 / 4);
  tmb::test::SavePictureForViewing(a.surface, "antique_texture_walk");
}

TEST(AntiqueTexture, OnPlainPaperThePictureTakesTheTexture) {
  CEffectDef def;
  def.m_colour1[kEffectColourBack] = kPaper;
  def.m_value1[kEffectAntique] = 3;
  tmb::test::Canvas source(40, 40, PixelFormat::kColour32, kPaper);
  tmb::test::Canvas texture(40, 40, PixelFormat::kColour32, kOutside);
  tmb::test::Canvas out(40, 40, PixelFormat::kColour32, kOutside);
  ApplyAntiqueTexture(def, &out.surface, &source.surface, &texture.surface, {0, 0, 40, 20});
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 40; ++x) {
      ASSERT_TRUE(CloseTo(out.surface.GetPixel(x, y), texture.surface.GetPixel(x, y))) << x << "," << y;
    }
  }
  EXPECT_EQ(out.surface.GetPixel(5, 25), kOutside) << "only the rectangle is written";
  EXPECT_EQ(texture.surface.GetPixel(5, 39), kPaper) << "the texture's background reaches below";
}

TEST(Attractor, TheMapsStepAsWritten) {
  double x = 7, y = 7;
  StepAttractorMap(-0.9, 0.9, 0.9, 0.5, 0, x, y);
  EXPECT_NEAR(x, -0.9 * 0.9 + 0.5 - 3 + 4 / 1.81, 1e-12);
  EXPECT_NEAR(y, -0.81, 1e-12);
  StepAttractorMap(1, 0.5, 2, 1, 10, x, y);
  EXPECT_DOUBLE_EQ(x, 2);
  EXPECT_DOUBLE_EQ(y, 2.5);
  EXPECT_EQ(StepAttractorMap(1, 1, 1, 1, 3, x, y), 1);
  EXPECT_DOUBLE_EQ(x, 2) << "other modes leave the outputs";
}

TEST(Attractor, ThePlotDrawsRedsInsideItsRectangleOnly) {
  tmb::test::Canvas c(200, 200, PixelFormat::kColour32, 0xFFFFFF);
  PlotAttractor(&c.dc, {50, 50, 150, 150});
  int drawn = 0;
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 200; ++x) {
      const Colour p = c.surface.GetPixel(x, y);
      if (p == 0xFFFFFF) continue;
      ASSERT_TRUE(x >= 50 && x < 150 && y >= 50 && y < 150) << x << "," << y;
      ASSERT_EQ(p & 0xFFFF00u, 0u) << "red only";
      ++drawn;
    }
  }
  EXPECT_GT(drawn, 100);
  tmb::test::SavePictureForViewing(c.surface, "attractor_plot");
}

}  // namespace
