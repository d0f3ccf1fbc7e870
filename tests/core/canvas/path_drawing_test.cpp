#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "core/canvas/path_pens.h"
#include "core/canvas/work_canvas.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_path_ex.h"
#include "export/picture/picture_read_result.h"
#include "export/picture/png_reader.h"
#include "support/path_points.h"
#include "support/picture_files.h"
#include "support/scoped_work_canvas.h"
#include "support/surface_text.h"
#include "support/test_canvas.h"

namespace {

using tmb::Colour;
using tmb::PixelFormat;
using tmb::test::Fill;
using tmb::test::Lines;
using tmb::test::SurfaceText;

class PathDrawingTest : public ::testing::Test {
 protected:
  tmb::test::ScopedWorkCanvas paper{20, 12, 1000};
  tmb::test::Canvas canvas{20, 12, PixelFormat::kColour32};
};

// Two strokes: an open "L" and a triangle.
void TwoStrokes(CStrokePath& path) {
  Fill(path, {{1, 1, 1}, {1, 5, 0}, {5, 5, 0}, {8, 1, 1}, {14, 1, 0}, {14, 7, 0}});
}

TEST_F(PathDrawingTest, ModeZeroClosesEveryStrokeAndModeMinusOneLeavesThemOpenInMarkColours) {
  CStrokePath path(20);
  TwoStrokes(path);
  path.DrawLines(&canvas.dc, 0x000000, 0, 0);
  EXPECT_EQ(SurfaceText(canvas.surface, {0, 0, 16, 8}), Lines({
                                                             "................",
                                                             ".#......#######.",
                                                             ".##......#....#.",
                                                             ".#.#......#...#.",
                                                             ".#..#......#..#.",
                                                             ".#####......#.#.",
                                                             ".............##.",
                                                             "..............#.",
                                                         }));
  canvas.surface.Fill(0xFFFFFF);
  path.DrawLines(&canvas.dc, 0x000000, -1, 0);
  EXPECT_EQ(SurfaceText(canvas.surface, {0, 0, 16, 8}), Lines({
                                                             "................",
                                                             ".#......#######.",
                                                             ".#............#.",
                                                             ".#............#.",
                                                             ".#............#.",
                                                             ".####.........#.",
                                                             "..............#.",
                                                             "................",
                                                         }));
  EXPECT_EQ(canvas.surface.GetPixel(1, 3), 0x0000FFu);  // red
  EXPECT_EQ(canvas.surface.GetPixel(10, 1), 0x00FF00u);  // green
  // The context keeps its own pen.
  EXPECT_EQ(canvas.dc.pen(), tmb::Pen{});
}

TEST_F(PathDrawingTest, ShadedModeDrawsFourRedLevelsThenBlack) {
  CStrokePath path(20);
  for (int s = 0; s < 5; ++s) Fill(path, {{float(1 + 3 * s), 1, 1}, {float(1 + 3 * s), 8, 0}});
  path.DrawLines(&canvas.dc, 0x00FF00, -2, 0);
  const Colour expected[] = {0x000000, 0x000040, 0x000080, 0x0000C0, 0x000000};
  for (int s = 0; s < 5; ++s) EXPECT_EQ(canvas.surface.GetPixel(1 + 3 * s, 4), expected[s]) << s;
}

TEST_F(PathDrawingTest, ARangeGivenBackwardsDrawsTheSame) {
  CStrokePath path(20);
  TwoStrokes(path);
  path.DrawRange(&canvas.dc, 0x000000, 0, 1, 5, 0);
  const std::string forwards = SurfaceText(canvas.surface);
  canvas.surface.Fill(0xFFFFFF);
  path.DrawRange(&canvas.dc, 0x000000, 0, 5, 1, 0);
  EXPECT_EQ(SurfaceText(canvas.surface), forwards);
}

TEST_F(PathDrawingTest, AMarkRadiusCirclesEachStrokeStartInItsColour) {
  CStrokePath path(20);
  TwoStrokes(path);
  path.DrawLines(&canvas.dc, 0x000000, -4, 2);
  EXPECT_EQ(canvas.surface.GetPixel(10, 1), 0x00FF00u);
  EXPECT_EQ(canvas.surface.GetPixel(6, 1), 0x00FF00u);  // the circle round (8, 1)
}

struct FillCase {
  const char* name;
  int mode;
  std::vector<uint8_t> selection;
  int useSelection;
  Colour inside0, inside1;  // at the middle of the two squares
};

class FillStrokesTest : public PathDrawingTest, public ::testing::WithParamInterface<FillCase> {};

TEST_P(FillStrokesTest, FillsEachStrokeByModeAndSelection) {
  const FillCase& c = GetParam();
  CStrokePath path(20);
  Fill(path, {{1, 1, 1}, {7, 1, 0}, {7, 7, 0}, {1, 7, 0}, {10, 1, 1}, {16, 1, 0}, {16, 7, 0}, {10, 7, 0}});
  path.FillStrokes(&canvas.dc, 0x0000FF, c.mode, c.selection, c.useSelection);
  EXPECT_EQ(canvas.surface.GetPixel(4, 4), c.inside0);
  EXPECT_EQ(canvas.surface.GetPixel(13, 4), c.inside1);
  // Every stroke keeps its outline in the colour, whatever its inside.
  EXPECT_EQ(canvas.surface.GetPixel(4, 1), 0x0000FFu);
  EXPECT_EQ(canvas.surface.GetPixel(13, 7), 0x0000FFu);
  EXPECT_EQ(canvas.dc.brush(), tmb::Brush{});
  EXPECT_EQ(canvas.dc.polyFillMode(), tmb::kAlternate);
}

const Colour kRed = 0x0000FF, kWhite = 0xFFFFFF;
INSTANTIATE_TEST_SUITE_P(
    Modes, FillStrokesTest,
    ::testing::Values(FillCase{"SolidInMode1", 1, {}, 0, kRed, kRed},
                      FillCase{"WhiteWithoutSelection", 0, {}, 0, kWhite, kWhite},
                      FillCase{"WhiteInMode2", 2, {0, 0}, 1, kWhite, kWhite},
                      FillCase{"AllZeroSelectionIsSolidStraightIn", 0, {0, 0}, 1, kRed, kRed},
                      FillCase{"SelectedStrokeWhiteThroughTheMask", 0, {0, 1}, 1, kRed, kWhite},
                      FillCase{"UnusedSelectionStillChoosesBrushes", 0, {1, 0}, 0, kWhite, kRed}),
    [](const auto& info) { return info.param.name; });

TEST_F(PathDrawingTest, ASelectionOnTheScaledMaskItselfKeepsWhatItHeld) {
  tmb::Surface& mask = gWorkCanvas.m_scaledMaskBitmap;
  mask.Fill(0xFFFFFF);
  tmb::DeviceContext dc(&mask);
  dc.FillSolidRect({40, 20, 60, 40}, 0x000000);  // earlier ink
  CStrokePath path(20);
  Fill(path, {{1, 1, 1}, {7, 1, 0}, {7, 7, 0}, {1, 7, 0}, {10, 1, 1}, {16, 1, 0}, {16, 7, 0}, {10, 7, 0}});
  const uint8_t selection[] = {0, 1};
  path.FillStrokes(&dc, 0x000000, 0, selection, 1);
  EXPECT_EQ(mask.GetPixel(50, 30), 0x000000u);
  EXPECT_EQ(mask.GetPixel(4, 4), 0x000000u);
  EXPECT_EQ(mask.GetPixel(13, 4), 0xFFFFFFu);
}

TEST_F(PathDrawingTest, AStrokeLongerThanThePointCapacityIsFilledWhole) {
  tmb::test::ScopedMaxPoints small(8);
  CStrokePath path(100);
  // A 40-point outline of the rectangle (2, 2) - (17, 9).
  for (int x = 2; x < 17; ++x) Fill(path, {{float(x), 2, x == 2 ? 1 : 0}});
  for (int y = 2; y < 9; ++y) Fill(path, {{17, float(y), 0}});
  for (int x = 17; x > 2; --x) Fill(path, {{float(x), 9, 0}});
  for (int y = 9; y > 2; --y) Fill(path, {{2, float(y), 0}});
  path.FillStrokes(&canvas.dc, 0x000000, 1, {}, 0);
  EXPECT_EQ(tmb::test::CountPixels(canvas.surface, 0x000000), 16 * 8);
}

TEST_F(PathDrawingTest, AOnePointStrokeIsAOnePointPolygon) {
  CStrokePath path(20);
  Fill(path, {{5, 5, 1}});
  path.FillStrokes(&canvas.dc, 0x000000, 1, {}, 0);
  EXPECT_LE(tmb::test::CountPixels(canvas.surface, 0x000000), 1);
}

TEST_F(PathDrawingTest, SideLinesGoToBothSidePointsInGivenOrStrokeColours) {
  CStrokePathEx path(20);
  Fill(path, {{5, 5, 1}});
  path.m_pSide1[0] = CFPoint(5, 1);
  path.m_pSide2[0] = CFPoint(5, 10);
  path.DrawSideLines(&canvas.dc, 0x00FF00, 0xFF0000, 1);
  EXPECT_EQ(canvas.surface.GetPixel(5, 3), 0x00FF00u);
  EXPECT_EQ(canvas.surface.GetPixel(5, 8), 0xFF0000u);
  path.DrawSideLines(&canvas.dc, 0, 0, 0);
  EXPECT_EQ(canvas.surface.GetPixel(5, 3), 0x0000FFu);
  EXPECT_EQ(canvas.surface.GetPixel(5, 8), 0x0000B2u);  // the second pass at 70 percent
}

TEST_F(PathDrawingTest, PointMarksShowTheAttributeOfEveryPoint) {
  tmb::test::Canvas big(40, 20, PixelFormat::kColour32);
  CStrokePath path(20);
  Fill(path, {{5, 8, 1}, {18, 8, 0}, {32, 8, 0}});
  path.m_pAttrs[0] = 1;
  path.m_pAttrs[1] = 2;
  path.m_pAttrs[2] = 3;
  const tmb::Pen before = big.dc.pen();
  path.DrawPointMarks(&big.dc);
  EXPECT_EQ(big.dc.pen(), before);
  EXPECT_EQ(big.surface.GetPixel(5, 8), 0xE0A000u);  // the square of half-size 4
  EXPECT_EQ(big.surface.GetPixel(1, 4), 0xE0A000u);
  EXPECT_EQ(big.surface.GetPixel(9, 8), 0xFFFFFFu);
  EXPECT_EQ(big.surface.GetPixel(13, 8), 0x0000C0u);  // the dark red circle of radius 5
  EXPECT_EQ(big.surface.GetPixel(30, 8), 0x00A0E0u);  // the orange circle of radius 2
  EXPECT_EQ(tmb::test::CountPixels(big.surface, 0x00A0E0) > 0, true);
  big.surface.Fill(0xFFFFFF);
  path.DrawPointMarksAlt(&big.dc);
  EXPECT_EQ(big.surface.GetPixel(5, 8), 0xE0C000u);
  EXPECT_EQ(big.surface.GetPixel(16, 8), 0x0000C0u);  // radius 2
  EXPECT_EQ(big.surface.GetPixel(29, 8), 0xFF00FFu);  // radius 3 in magenta
}

TEST_F(PathDrawingTest, PointPixelsMarkStartsEndsAndAlternateIndices) {
  CStrokePath path(20);
  Fill(path, {{1, 1, 1}, {2, 1, 0}, {3, 1, 0}, {4, 1, 0}, {6, 1, 1}, {7, 1, 0}});
  path.DrawPointPixels(&canvas.dc, 0x101010, 0x202020);
  // The stroke's first point is painted over at its end.
  const Colour expected[] = {0xFFFF00, 0x202020, 0x101010, 0x000080, 0xFFFFFF, 0xFFFF00, 0x000080};
  for (int x = 1; x <= 7; ++x) EXPECT_EQ(canvas.surface.GetPixel(x, 1), expected[x - 1]) << x;
}

TEST(ThinByAngle, DropsStraightRunsAndKeepsCornersAndEnds) {
  CStrokePath path(60);
  // An "L": a run along x, a corner at (20, 0), a run down.
  for (int x = 0; x <= 20; ++x) Fill(path, {{float(x), 0, x == 0 ? 1 : 0}});
  for (int y = 1; y <= 20; ++y) Fill(path, {{20, float(y), 0}});
  path.ThinByAngle(170.0f);
  std::vector<tmb::test::PathPoint> kept = tmb::test::PointsOf(path);
  auto has = [&kept](float x, float y) {
    return std::find(kept.begin(), kept.end(), tmb::test::PathPoint{x, y, 0}) != kept.end();
  };
  // Both ends and the corner stay; so do points within four of the corner or of an end
  // (the stroke is a closed loop), whose wider angle is sharp. The middles of the runs go.
  ASSERT_FALSE(kept.empty());
  EXPECT_EQ(kept.front(), (tmb::test::PathPoint{0, 0, 1}));
  EXPECT_EQ(kept.back(), (tmb::test::PathPoint{20, 20, 0}));
  EXPECT_TRUE(has(20, 0));
  EXPECT_TRUE(has(18, 0));
  EXPECT_FALSE(has(10, 0));
  EXPECT_FALSE(has(20, 10));
  // A threshold of 180 keeps every point.
  CStrokePath all(40);
  for (int x = 0; x <= 10; ++x) Fill(all, {{float(x), 0, x == 0 ? 1 : 0}});
  all.ThinByAngle(180.0f);
  EXPECT_EQ(all.GetCount(), 11);
}

TEST_F(PathDrawingTest, ARedStrokeIsRedOnTheScreenAndInAPictureFile) {
  CStrokePath path(20);
  Fill(path, {{2, 3, 1}, {12, 3, 0}});
  path.DrawLines(&canvas.dc, 0x0000FF, -1, 0);
  // The display shows the surface's words as 0xAARRGGBB.
  EXPECT_EQ(canvas.surface.ColourRow(3)[5], 0xFFFF0000u);
  const std::string file = tmb::test::SavePictureForViewing(canvas.surface, "red_stroke");
  ASSERT_FALSE(file.empty());
  // Read back through the PNG reader: the pixel is red there too.
  tmb::Surface back;
  ASSERT_TRUE(back.Create(canvas.surface.width(), canvas.surface.height(), tmb::PixelFormat::kColour32).ok());
  tmb::Size size{};
  ASSERT_EQ(ReadPngFile(nullptr, file, &size, &back), kPictureRead);
  EXPECT_EQ(back.ColourRow(3)[5], 0xFFFF0000u);
}

TEST(PathPens, TheTableAndTheMarkColoursAreInRedLowByteOrder) {
  EXPECT_EQ(PathPen(6).colour, 0x0000C0u);  // dark red
  EXPECT_EQ(PathPen(7).colour, 0xFF0000u);  // blue
  EXPECT_EQ(PathPen(8).colour, 0x00A0E0u);  // orange
  for (const tmb::Pen& p : gPathPens) EXPECT_FALSE(p.IsWide());
  EXPECT_EQ(CyclePathColour(0, 1), 0x0000FFu);
  EXPECT_EQ(CyclePathColour(4, 1), 0x00FF00u);
  EXPECT_EQ(CyclePathColour(5, 0), 0xFFFF00u);
  EXPECT_EQ(CyclePathColour(-1, 1), 0x00FFFFu);
}

}  // namespace
