// The drawing view's raster routines: merges through colour-key and given masks, the tinted,
// masked, background, halftone and grey-shaded copies, the brush shapes of the drawn
// character, the side lines of a path and the picture-frame picture.
#include <QDir>
#include <QImage>
#include <filesystem>

#include "core/canvas/work_canvas.h"
#include "core/path/stroke_path_ex.h"
#include "support/picture_files.h"
#include "support/temp_dir.h"
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

TEST_F(ViewRasterRoutines, AGreyShadedCopyGreysTheInkOnlyWhenTheRecordAllowsIt) {
  CTmbView& view = MakeView();
  FirstPaint(view);
  gBrushStates[0].m_bitmap.Fill(kWhite);
  DeviceContext(&gBrushStates[0].m_bitmap).FillSolidRect({20, 20, 60, 60}, kBlack);
  const Rect client = view.ClientRectLogical();
  const Point o = gDrawState.m_ptCanvasOrigin;
  const auto shown = [&](int x, int y) { return view.windowSurface().GetPixel(x + o.x - client.left, y + o.y - client.top); };
  struct Case {
    int shaded, mask, lineMode;
    Colour ink;
  } cases[] = {
      {1, 1, 0, 0x7F7F7F},  // shaded: the ink in grey
      {0, 1, 0, kBlack},    // not asked for
      {1, 2, 0, kBlack},    // bit 0 of parameter 176 clear
      {1, 1, 1, kBlack},    // a line mode
  };
  for (const Case& c : cases) {
    a.m_param[176] = c.mask;
    a.m_param[170] = c.lineMode;
    {
      CTmbView::ClientDC dc(view);
      dc.dc().FillSolidRect({o.x, o.y, o.x + 100, o.y + 100}, kGreen);
      view.CopyWithGreyShade(dc, 10, 10, 80, 80, c.shaded);
    }
    EXPECT_EQ(shown(40, 40), c.ink) << c.shaded << c.mask << c.lineMode;
    EXPECT_EQ(shown(15, 15), kWhite) << "the paper stays white";
    EXPECT_EQ(shown(95, 95), kGreen) << "outside the part nothing is copied";
  }
}

TEST_F(ViewRasterRoutines, ThePictureFrameIsSavedAsAPngWithThreeNestedFrames) {
  CTmbView& view = MakeView();
  DeviceContext dc;
  view.PrepareClientDC(dc);
  TempDir dir;
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.path());
  EXPECT_EQ(view.SavePictureFrame(dc), 1);
  std::filesystem::current_path(previous);
  const QImage image(QString::fromStdString((dir / "gakuhut.png").string()), "PNG");
  ASSERT_FALSE(image.isNull());
  QDir().mkpath(QStringLiteral(TMB_BUILD_DIR "/pictures"));
  image.save(QStringLiteral(TMB_BUILD_DIR "/pictures/picture_frame.png"));
  EXPECT_EQ(image.size(), QSize(750, 1050));
  const auto at = [&](int x, int y) { return image.pixel(x, y) & 0xFFFFFF; };
  // From the outside in: white margin, grey, black, light grey frames, white inside.
  EXPECT_EQ(at(5, 500), 0xFFFFFFu);
  EXPECT_EQ(at(10, 500), 0x808080u);
  EXPECT_EQ(at(20, 500), 0x000000u);
  EXPECT_EQ(at(30, 500), 0xE0E0E0u);
  EXPECT_EQ(at(375, 10), 0x808080u);
  EXPECT_EQ(at(739, 500), 0x808080u);
  EXPECT_EQ(at(375, 1039), 0x808080u);
  EXPECT_EQ(at(375, 525), 0xFFFFFFu);
}

}  // namespace
}  // namespace tmb::test
