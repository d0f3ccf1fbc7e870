// Bevelled frames from four trapezoid regions.
#include "core/canvas/bevel_frame.h"

#include <algorithm>
#include <vector>

#include <gtest/gtest.h>

#include "support/picture_files.h"

namespace {

TEST(FillFrameRegions, AFrameOfWidthTwoCoversTheGrownRectangleWithTheFaceInside) {
  tmb::Surface s;
  s.Create(30, 30, tmb::PixelFormat::kColour32);
  s.Fill(0x000000);
  tmb::DeviceContext dc(&s);
  FrameColours c{0x0000FF, 0x00FF00, 0xFF0000, 0xFFFF00, 0xFFFFFF};
  FillFrameRegions(&dc, 10, 10, 20, 20, 2, 1, 0, 0, c);
  for (int y = 0; y < 30; ++y) {
    for (int x = 0; x < 30; ++x) {
      const bool inFrame = x >= 8 && x < 22 && y >= 8 && y < 22;
      const bool inFace = x >= 10 && x < 20 && y >= 10 && y < 20;
      if (!inFrame) {
        EXPECT_EQ(s.GetPixel(x, y), 0x000000u) << x << "," << y;
      } else if (inFace) {
        EXPECT_EQ(s.GetPixel(x, y), 0xFFFFFFu) << x << "," << y;
      } else {
        EXPECT_NE(s.GetPixel(x, y), 0x000000u) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(s.GetPixel(8, 15), 0x00FF00u) << "left side";
  EXPECT_EQ(s.GetPixel(15, 8), 0x0000FFu) << "top side";
  EXPECT_EQ(s.GetPixel(21, 15), 0xFFFF00u) << "right side";
  EXPECT_EQ(s.GetPixel(15, 21), 0xFF0000u) << "bottom side";
}

TEST(FillFrameRegions, WithoutAContextNothingHappens) { FillFrameRegions(nullptr, 0, 0, 5, 5, 2, 1, 1, 0, {}); }

// A button of 60 x 24 at (10, 10) with its text; its inner rectangle holds the bevel, so
// the frame round it lies just outside the bevel.
CFlatButton Button(int pressed) {
  CFlatButton b;
  b.outer1 = {10, 10};
  b.outer2 = {70, 34};
  b.inner = {8, 8, 72, 36};
  b.textOrigin = {24, 14};
  b.bevel = 2;
  b.inset = 1;
  b.text = u"確定";
  b.font.height = -14;
  b.textColour = 0x000000;
  b.light = 0xFFFFFF;
  b.dark = 0x606060;
  b.face = 0xC0C0C0;
  b.pressed = pressed;
  return b;
}

// The leftmost and topmost pixel of text colour in the button's face.
tmb::Point FirstInk(const tmb::Surface& s) {
  tmb::Point first{1000, 1000};
  for (int y = 13; y < 32; ++y) {
    for (int x = 13; x < 68; ++x) {
      if (s.GetPixel(x, y) != 0x000000u) continue;
      first.x = std::min(first.x, x);
      first.y = std::min(first.y, y);
    }
  }
  return first;
}

TEST(DrawFlatButton, RaisedAndPressedBevelsTheFrameAndTheTextThatMovesWhilePressed) {
  tmb::Surface both;
  both.Create(160, 44, tmb::PixelFormat::kColour32);
  both.Fill(0x808000);
  std::vector<tmb::Point> ink;
  for (int pressed : {0, 1}) {
    SCOPED_TRACE(pressed);
    tmb::Surface s;
    s.Create(80, 44, tmb::PixelFormat::kColour32);
    s.Fill(0x808000);
    tmb::DeviceContext dc(&s);
    const tmb::Font before = dc.font();
    Button(pressed).DrawFlatButton(&dc, 0);
    EXPECT_EQ(dc.font(), before) << "the context's font comes back";
    EXPECT_EQ(s.GetPixel(5, 5), 0x808000u) << "nothing outside the bevel";
    EXPECT_EQ(s.GetPixel(40, 8), pressed ? 0x606060u : 0xFFFFFFu) << "top side";
    EXPECT_EQ(s.GetPixel(8, 20), pressed ? 0x606060u : 0xFFFFFFu) << "left side";
    EXPECT_EQ(s.GetPixel(40, 35), 0x606060u) << "bottom side";
    EXPECT_EQ(s.GetPixel(71, 20), 0x606060u) << "right side";
    EXPECT_EQ(s.GetPixel(14, 30), 0xC0C0C0u) << "the face";
    ink.push_back(FirstInk(s));
    EXPECT_LT(ink.back().x, 68) << "the text is drawn";
    for (int y = 0; y < 44; ++y) {
      for (int x = 0; x < 80; ++x) both.SetPixel(x + pressed * 80, y, s.GetPixel(x, y));
    }
  }
  EXPECT_EQ(ink[1].x, ink[0].x + 1) << "pressed, the text moves by the inset";
  EXPECT_EQ(ink[1].y, ink[0].y + 1);
  tmb::test::SavePictureForViewing(both, "flat_button_raised_and_pressed");
}

TEST(DrawFlatButton, TheFrameAroundTheFaceIsTheTextColourWhileHighlighted) {
  for (int highlight : {0, 1}) {
    SCOPED_TRACE(highlight);
    tmb::Surface s;
    s.Create(80, 44, tmb::PixelFormat::kColour32);
    tmb::DeviceContext dc(&s);
    CFlatButton b = Button(0);
    b.textColour = 0x0000C0;
    b.DrawFlatButton(&dc, highlight);
    const tmb::Colour frame = highlight ? 0x0000C0u : 0x909090u;
    EXPECT_EQ(s.GetPixel(40, 7), frame);
    EXPECT_EQ(s.GetPixel(40, 36), frame);
    EXPECT_EQ(s.GetPixel(7, 20), frame);
    EXPECT_EQ(s.GetPixel(72, 20), frame);
  }
}

}  // namespace
