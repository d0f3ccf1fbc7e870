#include "core/canvas/box_drawing.h"

#include <gtest/gtest.h>

#include "core/bitmap/palettes.h"
#include "core/geometry/box_geometry.h"
#include "core/state/draw_state.h"
#include "platform/gdi/surface.h"

namespace {

using tmb::Colour;

class BoxDrawing : public ::testing::Test {
 protected:
  void SetUp() override {
    gDrawState.Reset();
    ResetPalettes();
    ASSERT_TRUE(surface.Create(80, 80, tmb::PixelFormat::kColour32));
    surface.Fill(0xFFFFFF);
  }
  void TearDown() override { gDrawState.Reset(); }

  int CountOf(Colour c) const {
    int n = 0;
    for (int y = 0; y < surface.height(); ++y) {
      for (int x = 0; x < surface.width(); ++x) n += dc.GetPixel(x, y) == c ? 1 : 0;
    }
    return n;
  }

  tmb::Surface surface;
  tmb::DeviceContext dc{&surface};
};

TEST_F(BoxDrawing, ARubberBandDrawnTwiceLeavesTheScreenAsItWas) {
  gDrawState.m_ptCanvasOrigin = {10, 5};
  surface.Fill(0x336699);
  CLineRecord record{40, 30, 2, 4, 1, 1};
  DrawRubberBandLine(dc, record);
  // Moved by the origin, corners in order, and no longer to be moved.
  EXPECT_EQ(record.x1, 12);
  EXPECT_EQ(record.y1, 9);
  EXPECT_EQ(record.x2, 50);
  EXPECT_EQ(record.y2, 35);
  EXPECT_EQ(record.shift, 0);
  EXPECT_GT(CountOf(~0x336699u & 0xFFFFFF), 0);  // inverted dots
  EXPECT_EQ(dc.GetPixel(12, 9), ~0x336699u & 0xFFFFFF);
  EXPECT_EQ(dc.GetPixel(30, 20), 0x336699u);     // the inside untouched
  DrawRubberBandLine(dc, record);
  EXPECT_EQ(CountOf(0x336699), 80 * 80);
  // The drawing state of the context is as it was.
  EXPECT_EQ(dc.drawMode(), tmb::kR2CopyPen);
  EXPECT_EQ(dc.pen(), tmb::Pen{});
  DrawRubberBandLinePts(dc, {20, 20}, {5, 5}, 1, 1);
  DrawRubberBandLinePts(dc, {20, 20}, {5, 5}, 1, 1);
  EXPECT_EQ(CountOf(0x336699), 80 * 80);
}

TEST_F(BoxDrawing, TheFrameAroundTheInnerBoxAndItsShadow) {
  const tmb::Rect outer{0, 0, 80, 80}, inner{10, 10, 50, 60};
  FillAroundRect(dc, outer, inner, 0x0000FF);
  const Colour shadow = 0x404040;
  EXPECT_EQ(dc.GetPixel(5, 5), 0x0000FFu);
  EXPECT_EQ(dc.GetPixel(30, 30), 0xFFFFFFu);       // inside untouched
  EXPECT_EQ(dc.GetPixel(52, 12), 0x0000FFu);       // beside the right side's first 6 rows
  EXPECT_EQ(dc.GetPixel(52, 16), shadow);          // right shadow, from top + 6
  EXPECT_EQ(dc.GetPixel(56, 40), 0x0000FFu);       // 6 pixels wide
  EXPECT_EQ(dc.GetPixel(12, 62), 0x0000FFu);       // bottom shadow starts 6 right
  EXPECT_EQ(dc.GetPixel(16, 62), shadow);
  EXPECT_EQ(dc.GetPixel(55, 65), shadow);          // the corner square
  EXPECT_EQ(dc.GetPixel(56, 66), 0x0000FFu);
  EXPECT_EQ(CountOf(shadow), 6 * 50 + 40 * 6 - 6 * 6);  // the two overlap in the corner
  // Where inner reaches outer there is no band and no shadow.
  surface.Fill(0xFFFFFF);
  FillAroundRect(dc, outer, {10, 10, 80, 80}, 0x0000FF);
  EXPECT_EQ(CountOf(shadow), 0);
  EXPECT_EQ(CountOf(0x0000FF), 80 * 80 - 70 * 70);
}

TEST_F(BoxDrawing, DotsMarksBoxesAndFills) {
  gDrawState.m_ptCanvasOrigin = {3, 4};
  DrawDot(dc, 1, 1, 1, 0x00FF00, 0);
  EXPECT_EQ(CountOf(0x00FF00), 1);
  DrawDot(dc, 1, 1, 3, 0xFF0000, 1);
  EXPECT_EQ(CountOf(0xFF0000), 9);
  EXPECT_EQ(dc.GetPixel(4, 5), 0xFF0000u);
  gDrawState.m_nPointMarkSide = 4;
  DrawPointMark(dc, 60, 60, 0x0000FF, nullptr);
  EXPECT_EQ(CountOf(0x0000FF), 16);
  FillColouredRect(dc, {20, 20, 30, 25, 0, 0x123456});
  EXPECT_EQ(CountOf(0x123456), 50);

  tmb::Surface source;
  ASSERT_TRUE(source.Create(80, 80, tmb::PixelFormat::kColour32));
  source.Fill(0x00AA00);
  tmb::DeviceContext src(&source);
  tmb::Point origin;
  tmb::Size size;
  BlitBox(dc, src, 70, 10, 60, 2, origin, size, nullptr);
  EXPECT_EQ(origin, (tmb::Point{60, 2}));
  EXPECT_EQ(size, (tmb::Size{10, 8}));
  EXPECT_EQ(CountOf(0x00AA00), 80);
}

TEST(BoxGeometry, CornersAndBoxes) {
  tmb::Point p1{9, 2}, p2{3, 7};
  NormalizeCorners(p1, p2);
  EXPECT_EQ(p1, (tmb::Point{3, 2}));
  EXPECT_EQ(p2, (tmb::Point{9, 7}));
  tmb::Point origin;
  tmb::Size size;
  NormalizeBox(5, 9, -1, 2, origin, size);
  EXPECT_EQ(origin, (tmb::Point{-1, 2}));
  EXPECT_EQ(size, (tmb::Size{6, 7}));
  OffsetBoxOrigin(origin, size, 2, 3);
  EXPECT_EQ(origin, (tmb::Point{1, 5}));
  EXPECT_EQ(size, (tmb::Size{4, 4}));
  tmb::Point scaled;
  ScalePoint(scaled, {3, -4}, 4);
  EXPECT_EQ(scaled, (tmb::Point{12, -16}));
  tmb::Rect r{};
  SetRectTopLeft(r, 1, 2);
  SetRectBottomRight(r, 3, 4);
  EXPECT_EQ(r, (tmb::Rect{1, 2, 3, 4}));
}

}  // namespace
