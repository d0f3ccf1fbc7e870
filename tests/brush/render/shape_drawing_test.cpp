// The small shape painters and the gradient position.
#include "brush/render/shape_drawing.h"

#include <gtest/gtest.h>

namespace {

int CountBlack(const tmb::Surface& s) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) n += s.GetPixel(x, y) == 0;
  }
  return n;
}

TEST(GradientPosition, ModesAndTheFallback) {
  struct Case {
    int pos, fallback, range, span, mode, expected;
  };
  const Case cases[] = {
      {5, 40, 30, 10, 0, 40},  // mode 0: the fallback
      {5, 40, 30, 10, 1, 25},  // 5 x 30 / 10 + 40 - 30
      {5, 40, 30, 10, 2, 25},  {0, 40, 30, 10, 2, 40},
      {5, 40, 30, 10, 3, 10},   // at span / 2: fallback - range
      {5, 10, 30, 10, 3, 0},    // clamped to 0
      {5, 40, 30, 11, 3, 10},   // an odd span: its half is truncated
      {0, 40, 30, 1, 3, 10},    // a span of one: pos 0 is its half
      {5, 40, 30, 10, 4, 40},  {5, 40, 30, 10, 9, 10},
      {5, 40, 30, 0, 1, 40},    // a span of 0 gives the fallback
  };
  for (const Case& c : cases) {
    EXPECT_EQ(GradientPosition(c.pos, c.fallback, c.range, c.span, c.mode), c.expected) << c.mode << " " << c.pos;
  }
}

TEST(DrawShapeBetween, EveryKindDrawsAndEqualPointsDrawOnePixel) {
  for (int kind = 1; kind <= 7; ++kind) {
    tmb::Surface s;
    s.Create(60, 60, tmb::PixelFormat::kColour32);
    s.Fill(0xFFFFFF);
    tmb::DeviceContext dc(&s);
    EXPECT_FLOAT_EQ(DrawShapeBetween(&dc, 10, 30, 50, 30, 8, kind), 40.0f);
    EXPECT_GT(CountBlack(s), 0) << kind;
    s.Fill(0xFFFFFF);
    EXPECT_EQ(DrawShapeBetween(&dc, 20, 20, 20, 20, 8, kind), 0.0f);
    EXPECT_EQ(CountBlack(s), 1) << kind;
    EXPECT_EQ(s.GetPixel(20, 20), 0u);
  }
}

TEST(ArrowPoint, AlongAndAcrossAndALengthOfZero) {
  const CFPoint along = ArrowPoint(1, 2, 3, 4, 10, 5, 0);
  EXPECT_FLOAT_EQ(along.x, 7);
  EXPECT_FLOAT_EQ(along.y, 10);
  const CFPoint across = ArrowPoint(1, 2, 3, 4, 10, 5, 1);
  EXPECT_FLOAT_EQ(across.x, -7);
  EXPECT_FLOAT_EQ(across.y, 8);
  const CFPoint none = ArrowPoint(1, 2, 0, 0, 10, 0, 0);
  EXPECT_FLOAT_EQ(none.x, 1);
  EXPECT_FLOAT_EQ(none.y, 2);
}

TEST(DrawShapePrimitive, ThePenFoundIsRestored) {
  tmb::Surface s;
  s.Create(10, 10, tmb::PixelFormat::kColour32);
  tmb::DeviceContext dc(&s);
  dc.SelectPen(tmb::Pen::Solid(3, 0x0000FF));
  DrawShapePrimitive(&dc, 0, 0, 9, 9, kShapeLine);
  EXPECT_EQ(dc.pen(), tmb::Pen::Solid(3, 0x0000FF));
}

}  // namespace
