// The drawing view's raster routines: merges through colour-key and given masks, the tinted,
// masked, background and halftone copies, the brush shapes of the drawn character and the
// side lines of a path.
#include "core/canvas/work_canvas.h"
#include "core/path/stroke_path_ex.h"
#include "support/picture_files.h"
#include "views/view_fixture.h"

namespace tmb::test {
namespace {

constexpr Colour kBlack = 0x000000, kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000;

using ViewRasterRoutines = DrawingViewTest;

Surface Paper(Colour colour, PixelFormat format = PixelFormat::kColour32) {
  Surface s;
  EXPECT_TRUE(s.Create(kPaperWidth, kPaperHeight, format));
  s.Fill(colour);
  return s;
}

int CountOf(const Surface& s, Colour c) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) n += s.GetPixel(x, y) == c;
  }
  return n;
}

TEST_F(ViewRasterRoutines, MergesTakeAWherePixelsAreOfTheKeyOrTheMaskIsWhite) {
  CTmbView& view = MakeView();
  DeviceContext dc;
  view.PrepareClientDC(dc);
  Surface a = Paper(kWhite);
  DeviceContext(&a).FillSolidRect({10, 10, 30, 30}, kRed);
  Surface b = Paper(kGreen);
  view.MaskMergeColour(dc, &a, &b, kRed);
  EXPECT_EQ(b.GetPixel(20, 20), kRed);
  EXPECT_EQ(b.GetPixel(50, 50), kGreen);
  // A mask all white takes the whole of a.
  Surface a2 = Paper(kBlue);
  Surface b2 = Paper(kGreen);
  Surface mask = Paper(kWhite, PixelFormat::kMono1);
  view.MaskMerge(dc, &a2, &b2, &mask, kWhite);
  EXPECT_EQ(b2.GetPixel(100, 100), kBlue);
}

TEST_F(ViewRasterRoutines, TintedCopiesOrTheInverseIntoTheBlackInvertForBlackAndCopyWhite) {
  CTmbView& view = MakeView();
  DeviceContext dc;
  view.PrepareClientDC(dc);
  struct Case {
    Colour tint, inside, outside;
  } cases[] = {{kBlue, 0x00FFFF, kWhite},  // the black takes the colour's inverse ORed in
               {kBlack, kWhite, kBlack},   // inverted
               {kWhite, kBlack, kWhite}};  // copied as it is
  for (const Case& c : cases) {
    Surface source = Paper(kWhite);
    DeviceContext(&source).FillSolidRect({40, 40, 80, 80}, kBlack);
    Surface target = Paper(kGreen);
    view.CopyWithTint(dc, &target, &source, kPaperWidth, kPaperHeight, c.tint);
    EXPECT_EQ(target.GetPixel(60, 60), c.inside) << c.tint;
    EXPECT_EQ(target.GetPixel(10, 10), c.outside) << c.tint;
  }
}

TEST_F(ViewRasterRoutines, MaskedBackgroundAndHalftoneCopies) {
  CTmbView& view = MakeView();
  DeviceContext dc;
  view.PrepareClientDC(dc);
  Surface source = Paper(kRed);
  DeviceContext from(&source);
  Surface target = Paper(kGreen);
  DeviceContext to(&target);
  // Mask 1 on the left half keeps the target there.
  Surface mask = Paper(kBlack, PixelFormat::kMono1);
  DeviceContext(&mask).FillSolidRect({0, 0, 50, 100}, kWhite);
  view.MaskedCopy(to, 0, 0, 100, 100, from, &mask);
  EXPECT_EQ(target.GetPixel(10, 10), kGreen);
  EXPECT_EQ(target.GetPixel(80, 10), kRed);
  EXPECT_EQ(target.GetPixel(200, 200), kGreen);

  Surface other = Paper(kGreen);
  view.CopyBitmapRect(dc, &other, 10, 10, 20, 20, &source);
  EXPECT_EQ(other.GetPixel(15, 15), kRed);
  EXPECT_EQ(other.GetPixel(25, 15), kGreen);

  // A one-bit picture copied onto colour: its white takes the background set for it.
  Surface mono = Paper(kWhite, PixelFormat::kMono1);
  DeviceContext(&mono).FillSolidRect({0, 0, 20, 20}, kBlack);
  DeviceContext fromMono(&mono);
  Surface coloured = Paper(kGreen);
  DeviceContext toColour(&coloured);
  const Colour before = toColour.SetBackgroundColour(kBlue);
  view.CopyWithBackground(toColour, fromMono, kRed, {0, 0, 100, 100});
  EXPECT_EQ(toColour.SetBackgroundColour(before), kBlue);  // put back after the copy
  EXPECT_EQ(coloured.GetPixel(50, 50), kRed);
  EXPECT_EQ(coloured.GetPixel(10, 10), kBlack);
  EXPECT_EQ(coloured.GetPixel(150, 150), kGreen);

  Surface a = Paper(kWhite);
  view.HalftoneCopyBitmaps(dc, &a, &source, {100, 100});
  EXPECT_EQ(a.GetPixel(50, 50), kRed);
  EXPECT_EQ(a.GetPixel(150, 150), kWhite);
}

TEST_F(ViewRasterRoutines, TheBrushShapesOfTheCharacterArePaintedStrokeByStroke) {
  CTmbView& view = MakeView();
  AddThreeStrokes(a);
  FirstPaint(view);
  for (int i = 0; i < a.m_nPoints; ++i) a.m_pLevels[i] = 12;
  Surface& picture = gWorkCanvas.m_maskBitmaps[2];
  picture.Fill(kWhite);
  EXPECT_EQ(view.RenderBrushShapesOfCharacter(), 3);
  SavePictureForViewing(picture, "view_brush_shapes");
  EXPECT_GT(CountOf(picture, kBlack), 100);
}

TEST_F(ViewRasterRoutines, SideLinesAreDrawnInTheirTwoColoursAndThePathInBlack) {
  CTmbView& view = MakeView();
  DeviceContext dc;
  view.PrepareClientDC(dc);
  CStrokePathEx path(8);
  const CFPoint points[] = {{100, 100}, {200, 100}, {300, 100}};
  for (int i = 0; i < 3; ++i) {
    path.m_pPoints[i] = points[i];
    path.m_pFlags[i] = i == 0 ? 1 : 0;
    path.m_pSide1[i] = {points[i].x, 80};
    path.m_pSide2[i] = {points[i].x, 120};
  }
  path.m_nCount = 3;
  Surface target = Paper(kWhite);
  view.DrawSideLinesTo(dc, path, &target);
  SavePictureForViewing(target, "view_side_lines");
  EXPECT_GT(CountOf(target, 0x0000C0), 10);
  EXPECT_GT(CountOf(target, 0x00C000), 10);
  EXPECT_GT(CountOf(target, kBlack), 100);
}

}  // namespace
}  // namespace tmb::test
