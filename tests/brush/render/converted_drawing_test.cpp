#include "brush/render/converted_drawing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <vector>

#include "brush/render/brush_state.h"
#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "core/path/stroke_work.h"
#include "core/state/animation_flags.h"
#include "support/picture_files.h"
#include "support/scoped_work_canvas.h"
#include "support/surface_copies.h"
#include "support/surface_text.h"

namespace {

using tmb::Colour;
using tmb::Surface;

constexpr Colour kWhite = 0xFFFFFF, kRed = 0x0000FF, kPaleYellow = 0x80FFFF, kBlue = 0xFF0000;
constexpr int kPaperWidth = 160, kPaperHeight = 100;

// A drawing on a 160 x 100 paper into the state of window A, created.
class ConvertedDrawingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gBrushStates[0].Reset();
    ASSERT_EQ(gBrushStates[0].Create(&screen, 0), 1);
    // What the drawing reads: linking on, white paper, black ink, the scaled road, the
    // record's straight soft edge.
    work->m_param[2] = 12;
    work->m_param[157] = int32_t(kWhite);
    work->m_param[241] = 100;
    work->m_param[240] = 2;
    work->SelectBrushState(nullptr);
  }
  void TearDown() override {
    gBrushStates[0].Reset();
    gPathSequence.FreePath();
    gFrameRecording = 0;
  }

  Surface& Picture() { return gBrushStates[0].m_bitmap; }

  // A level stroke at y of n points one pixel apart from x, each of the given width.
  void AddStroke(int x, int y, int n, int width) {
    for (int k = 0; k < n; ++k) {
      work->AddSample(x + k, y, -1, k == 0 ? 1 : 0);
      work->m_pWidths[work->GetCount() - 1] = uint8_t(width);
    }
  }

  tmb::test::ScopedWorkCanvas canvas{kPaperWidth, kPaperHeight, 4000};
  tmb::DeviceContext& screen = canvas.screen;
  std::unique_ptr<CStrokeWork> work = std::make_unique<CStrokeWork>();
};

// The columns of surface's row y that are not colour.
std::vector<int> ColumnsNot(const Surface& s, int y, Colour colour) {
  std::vector<int> columns;
  for (int x = 0; x < s.width(); ++x) {
    if (s.GetPixel(x, y) != colour) columns.push_back(x);
  }
  return columns;
}

TEST(DrawingMode, FollowsTheStrokePictureSwitchesTheLineModeAndFlyingWhite) {
  struct Case {
    int penMode, pictures, picturesToo, noScaled, lineMode, flyingWhite, mode;
  };
  const Case cases[] = {
      {0, 0, 0, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 0, 1}, {0, 0, 1, 0, 0, 0, 1}, {1, 1, 1, 0, 0, 0, 0},
      {0, 1, 0, 0, 2, 0, 2}, {0, 1, 0, 1, 2, 0, 1}, {0, 0, 0, 0, 2, 0, 2}, {0, 0, 0, 0, 2, 30, 1},
      {1, 0, 0, 0, 0, 30, 1},
  };
  for (const Case& c : cases) {
    ParamBlock p{};
    p[47] = c.penMode;
    p[220] = c.pictures;
    p[221] = c.picturesToo;
    p[351] = c.noScaled;
    p[240] = c.lineMode;
    p[5] = c.flyingWhite;
    EXPECT_EQ(DrawingMode(p), c.mode) << c.penMode << c.pictures << c.picturesToo << c.noScaled << c.lineMode
                                      << c.flyingWhite;
  }
}

TEST(PartialDisplayRange, NarrowsThePointsToTheWindowOfEachMode) {
  struct Case {
    int mode, length, position, end, first, last;
  };
  const Case cases[] = {
      {0, 10, 25, 200, 50, 70},   {1, 10, 25, 200, 40, 60},  {2, 10, 25, 200, 30, 50},
      {1, 20, 50, 200, 80, 120},  {2, 10, 0, 200, 0, 1},     {0, 10, 100, 200, 200, 200},
      {0, 10, 25, 60, 50, 60},    {0, 0, 0, 200, 0, 1},      {2, 10, 25, 0, 0, 0},
  };
  for (const Case& c : cases) {
    ParamBlock p{};
    p[91] = c.mode;
    p[92] = c.length;
    p[93] = c.position;
    int start = 0, end = c.end;
    PartialDisplayRange(p, 200, start, end);
    EXPECT_EQ(start, c.first) << c.mode << " " << c.length << " " << c.position << " " << c.end;
    EXPECT_EQ(end, c.last) << c.mode << " " << c.length << " " << c.position << " " << c.end;
  }
}

TEST_F(ConvertedDrawingTest, ThePartialDisplayDrawsTheStrokesThatStartInItsWindow) {
  // 20 strokes of 10 points from x = 0: point i lies at column i, 2 pixels wide round row
  // 50, and a stroke starts at every tenth.
  for (int k = 0; k < 20; ++k) AddStroke(10 * k, 50, 10, 4);
  work->m_param[90] = 1;
  work->m_param[92] = 10;
  const struct {
    int mode, centre, first, last;
  } cases[] = {{0, 25, 50, 69}, {1, 25, 40, 59}, {2, 25, 30, 49},
               // A window from point 52 leaves the rest of the stroke it begins in.
               {0, 26, 60, 71}};
  for (const auto& c : cases) {
    work->m_param[91] = c.mode;
    work->m_param[93] = c.centre;
    EXPECT_EQ(work->DrawCharacter(&screen, 0, -1, *work), 1);
    const std::vector<int> ink = ColumnsNot(Picture(), 50, kWhite);
    ASSERT_FALSE(ink.empty()) << c.mode;
    // The brush shape runs from the window's first point to the one before its last.
    EXPECT_GE(ink.front(), c.first - 3) << c.mode;
    EXPECT_LE(ink.front(), c.first) << c.mode;
    EXPECT_GE(ink.back(), c.last - 1) << c.mode;
    EXPECT_LE(ink.back(), c.last + 3) << c.mode;
  }
}

TEST_F(ConvertedDrawingTest, WithoutLinkingThePictureIsLeftWhite) {
  AddStroke(20, 50, 100, 10);
  work->m_param[2] = 0;
  Picture().Fill(kRed);
  EXPECT_EQ(work->DrawCharacter(&screen, 0, -1, *work), 1);
  EXPECT_EQ(tmb::test::CountPixels(Picture(), kWhite), kPaperWidth * kPaperHeight);
}

TEST_F(ConvertedDrawingTest, AStateNotCreatedIsNotDrawnInto) {
  AddStroke(20, 50, 100, 10);
  gBrushStates[0].Reset();
  gWorkCanvas.m_scaledMaskBitmap.Fill(0x000000);
  EXPECT_EQ(work->DrawCharacter(&screen, 0, -1, *work), 1);
  EXPECT_EQ(tmb::test::CountPixels(gWorkCanvas.m_scaledMaskBitmap, kWhite), 0);
  EXPECT_EQ(work->m_bWorkDCsPrepared, 0);
  EXPECT_EQ(work->PrepareWorkDCs(&screen), 0);
}

TEST_F(ConvertedDrawingTest, TheWorkContextsArePreparedOnceForACreatedStateOfAWindow) {
  EXPECT_EQ(work->PrepareWorkDCs(&screen), 1);
  EXPECT_EQ(work->m_pWorkDC[0]->surface(), &gWorkCanvas.m_spareBitmap);
  EXPECT_EQ(work->m_pWorkDC[1]->surface(), &Picture());
  tmb::DeviceContext* first = work->m_pWorkDC[1].get();
  EXPECT_EQ(work->PrepareWorkDCs(&screen), 1);
  EXPECT_EQ(work->m_pWorkDC[1].get(), first);
  work->ReleaseWorkDCs();
  EXPECT_EQ(work->m_bWorkDCsPrepared, 0);
  EXPECT_EQ(work->m_pWorkDC[0], nullptr);

  work->m_nWindow = -1;
  EXPECT_EQ(work->PrepareWorkDCs(&screen), 0);
  work->SelectBrushState(nullptr);  // no state for window -1
  EXPECT_EQ(work->m_pBrushState, nullptr);
  work->m_nWindow = 1;
  work->SelectBrushState(nullptr);
  EXPECT_EQ(work->m_pBrushState, &gBrushStates[1]);
  EXPECT_EQ(work->m_pBrushBitmaps[1], &gBrushStates[1].m_brushSet);
  EXPECT_EQ(work->PrepareWorkDCs(&screen), 0);  // B's state is not created
}

TEST_F(ConvertedDrawingTest, FillStateBitmapTakesThePaperColourOrWhite) {
  work->m_param[157] = int32_t(kPaleYellow);
  work->FillStateBitmap(&screen, 1);
  EXPECT_EQ(tmb::test::CountPixels(Picture(), kPaleYellow), kPaperWidth * kPaperHeight);
  work->FillStateBitmap(&screen, 0);
  EXPECT_EQ(tmb::test::CountPixels(Picture(), kWhite), kPaperWidth * kPaperHeight);
  EXPECT_EQ(work->m_bWorkDCsPrepared, 0);
}

TEST_F(ConvertedDrawingTest, TheStrokesTakeTheOutlineColourOverThePaperColourWithSoftEdges) {
  AddStroke(20, 50, 100, 10);
  work->m_rangeFrom = int32_t(kRed);
  work->m_param[157] = int32_t(kPaleYellow);
  work->DrawCharacter(&screen, 0, -1, *work);
  // Half a width of 5 on either side of row 50, which the slanted brush shifts to 2.5
  // above and 7.5 below a level stroke: full ink inside, paper far off, and the rows at the
  // band's edge shaded between the two.
  EXPECT_EQ(Picture().GetPixel(70, 50), kRed);
  EXPECT_EQ(Picture().GetPixel(70, 56), kRed);
  EXPECT_EQ(Picture().GetPixel(70, 20), kPaleYellow);
  EXPECT_EQ(Picture().GetPixel(5, 50), kPaleYellow);
  int shaded = 0;
  for (int y = 40; y <= 60; ++y) {
    const Colour c = Picture().GetPixel(70, y);
    shaded += c != kRed && c != kPaleYellow;
  }
  EXPECT_GT(shaded, 0);
}

TEST_F(ConvertedDrawingTest, WhiteInkOfTheSingleColourShapeShowsWhiteOnColouredPaper) {
  AddStroke(20, 50, 100, 10);
  work->m_param[170] = 3;
  work->m_param[156] = int32_t(kWhite);
  work->m_rangeFrom = int32_t(kWhite);
  work->m_param[157] = int32_t(kBlue);
  work->DrawCharacter(&screen, 0, -1, *work);
  EXPECT_EQ(Picture().GetPixel(70, 50), kWhite);
  EXPECT_EQ(Picture().GetPixel(70, 20), kBlue);
  EXPECT_EQ(work->m_rangeFrom, int32_t(kWhite));
  EXPECT_EQ(work->m_param[156], int32_t(kWhite));
}

TEST_F(ConvertedDrawingTest, DotsFollowTheSourceOnlyWhileTheConversionIsOff) {
  CStrokeWork source;
  source.AddSample(30, 30, -1, 1);
  source.AddSample(60, 30, -1, 0);
  AddStroke(100, 70, 1, 10);
  work->m_param[291] = 1;
  work->m_param[156] = int32_t(kRed);
  // The ring of a dot: its top row holds the pen's colour.
  auto dotAt = [this](int x, int y) { return Picture().GetPixel(x, y - 2) == kRed; };

  work->DrawCharacter(&screen, 0, -1, source);
  EXPECT_TRUE(dotAt(100, 70));
  EXPECT_FALSE(dotAt(30, 30));

  work->m_param[47] = 1;
  work->DrawCharacter(&screen, 0, -1, source);
  EXPECT_TRUE(dotAt(30, 30));
  EXPECT_TRUE(dotAt(60, 30));
  EXPECT_FALSE(dotAt(100, 70));
  EXPECT_EQ(tmb::test::CountPixels(Picture(), kWhite) + tmb::test::CountPixels(Picture(), kRed),
            kPaperWidth * kPaperHeight);
}

TEST_F(ConvertedDrawingTest, EveryStrokeLeavesItsOutlineInThePathSequence) {
  AddStroke(20, 20, 60, 8);
  AddStroke(20, 50, 60, 8);
  AddStroke(20, 80, 60, 8);
  work->DrawCharacter(&screen, 0, -1, *work);
  ASSERT_NE(gPathSequence.m_pPath, nullptr);
  const CStrokePath& path = *gPathSequence.m_pPath;
  EXPECT_EQ(path.CountStrokes(), 0);  // each outline opens with the selection mark 3
  int contours = 0;
  for (int i = 0; i < path.GetCount(); ++i) contours += path.m_pFlags[i] != 0;
  EXPECT_EQ(contours, 3);
  CFRect box;
  path.GetBounds(box);
  // Half a width of 4 on each side, shifted by the slanted brush to 2 above a level
  // stroke and 6 below it.
  EXPECT_NEAR(box.top, 18, 1);
  EXPECT_NEAR(box.bottom, 86, 1);

  // While a frame is recorded the outlines are merged, their contours flagged 1.
  gFrameRecording = 1;
  work->DrawCharacter(&screen, 0, -1, *work);
  EXPECT_EQ(gPathSequence.m_pPath->CountStrokes(), 3);
}

TEST_F(ConvertedDrawingTest, AStrokeEndingAtThePathsCapacityIsDrawn) {
  auto full = std::make_unique<CStrokeWork>(50);
  for (int k = 0; k < 50; ++k) full->AddSample(40 + k, 50, -1, k == 0 ? 1 : 0);
  std::fill_n(full->m_pWidths, 50, uint8_t(6));
  full->m_param = work->m_param;
  full->SelectBrushState(nullptr);
  full->DrawCharacter(&screen, 0, -1, *full);
  EXPECT_EQ(Picture().GetPixel(60, 50), 0x000000);
}

// The stroke pictures: the flying white streaks the strokes, and the steps of their edges
// get colours between the ink and the paper by parameters 241 and 242.
TEST_F(ConvertedDrawingTest, StrokePicturesShowTheStrokesWithFlyingWhiteAndSmoothedEdges) {
  AddStroke(20, 50, 120, 24);
  work->m_param[240] = 0;
  work->m_param[220] = 1;
  work->m_param[241] = 100;
  work->m_param[242] = 2;
  work->m_rangeFrom = int32_t(kRed);
  work->m_param[157] = int32_t(kPaleYellow);
  auto inkInBand = [this]() {
    int n = 0;
    for (int y = 45; y < 65; ++y) {  // 6 above the stroke and 18 below it
      for (int x = 30; x < 130; ++x) n += Picture().GetPixel(x, y) == kRed;
    }
    return n;
  };
  auto shaded = [this]() {
    return kPaperWidth * kPaperHeight - tmb::test::CountPixels(Picture(), kRed) -
           tmb::test::CountPixels(Picture(), kPaleYellow);
  };

  work->DrawCharacter(&screen, 0, -1, *work);
  EXPECT_EQ(inkInBand(), 100 * 20) << "straight edges have no steps to smooth";
  EXPECT_EQ(Picture().GetPixel(80, 10), kPaleYellow);
  EXPECT_EQ(tmb::test::CountPixels(Picture(), kWhite), 0);
  EXPECT_GT(shaded(), 0) << "the steps round the stroke's ends are shaded";
  work->m_param[241] = 0;
  work->DrawCharacter(&screen, 0, -1, *work);
  EXPECT_LT(shaded(), 40) << "without strength only corners are averaged";

  work->m_param[5] = 40;
  work->DrawCharacter(&screen, 0, -1, *work);
  const int streaked = inkInBand();
  EXPECT_LT(streaked, 100 * 20 * 95 / 100);
  EXPECT_GT(streaked, 100 * 20 / 4);
  EXPECT_EQ(Picture().GetPixel(80, 10), kPaleYellow);
  work->DrawCharacter(&screen, 0, -1, *work);
  EXPECT_EQ(inkInBand(), streaked);  // the same streaks every time
}

TEST_F(ConvertedDrawingTest, WithThePenModeOnlyTheScaledRoadOrFlyingWhiteDrawTheStrokes) {
  // The pen mode (the conversion off, as the original-line display sets it) ignores the
  // stroke pictures; with no way of drawing left the paper stays empty.
  struct Case {
    int penMode, pictures, lineMode, flyingWhite;
    bool drawn;
  };
  const Case cases[] = {
      {1, 1, 2, 0, true}, {1, 1, 0, 0, false}, {1, 0, 0, 40, true}, {0, 1, 0, 0, true}, {0, 0, 0, 0, false},
  };
  AddStroke(20, 50, 120, 24);
  work->m_rangeFrom = int32_t(kRed);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.penMode << c.pictures << c.lineMode << c.flyingWhite);
    work->m_param[47] = c.penMode;
    work->m_param[220] = c.pictures;
    work->m_param[240] = c.lineMode;
    work->m_param[5] = c.flyingWhite;
    work->DrawCharacter(&screen, 0, -1, *work);
    int ink = 0;
    for (int y = 45; y < 65; ++y) {
      for (int x = 30; x < 130; ++x) ink += Picture().GetPixel(x, y) == kRed;
    }
    if (c.drawn) {
      EXPECT_GT(ink, 100 * 20 / 4);
    } else {
      EXPECT_EQ(tmb::test::CountPixels(Picture(), kRed), 0);
      EXPECT_EQ(tmb::test::CountPixels(Picture(), kWhite), kPaperWidth * kPaperHeight);
    }
  }
}

TEST_F(ConvertedDrawingTest, DrawnStrokeByStrokeTheStrokesAreCopiedOntoTheWindowDrawnFor) {
  AddStroke(20, 20, 100, 12);
  AddStroke(20, 60, 100, 12);
  work->m_param[240] = 0;
  work->m_param[220] = 1;
  work->m_rangeFrom = int32_t(kRed);
  work->m_param[157] = int32_t(kPaleYellow);
  work->DrawCharacter(&screen, 0, -1, *work);
  const Surface alone = tmb::test::CopyOfSurface(Picture());
  // A window with the paper at (12, 8) inside its margin.
  gWorkCanvas.m_ptOrigin = {12, 8};
  Surface window;
  ASSERT_TRUE(window.Create(kPaperWidth + 24, kPaperHeight + 16, tmb::PixelFormat::kColour32));
  window.Fill(kBlue);
  tmb::DeviceContext client(&window);
  work->DrawCharacter(&client, 0, -1, *work);
  tmb::test::SavePictureForViewing(window, "converted_strokes_on_the_window");
  // The character itself is drawn as without a window.
  EXPECT_TRUE(tmb::test::SamePixels(Picture(), alone));
  // The window shows the strokes' pictures, black on white, on its paper; its margin is
  // left as it was.
  int ink = 0, other = 0;
  for (int y = 0; y < window.height(); ++y) {
    for (int x = 0; x < window.width(); ++x) {
      const Colour c = window.GetPixel(x, y);
      const bool onPaper = x >= 12 && y >= 8 && x < 12 + kPaperWidth && y < 8 + kPaperHeight;
      if (!onPaper) {
        other += c != kBlue;
        continue;
      }
      EXPECT_EQ(c, gWorkCanvas.m_spareBitmap.GetPixel(x - 12, y - 8)) << x << "," << y;
      ink += c == 0x000000;
    }
  }
  EXPECT_EQ(other, 0);
  EXPECT_GT(ink, 2 * 90 * 10);
  EXPECT_EQ(window.GetPixel(12 + 70, 8 + 22), 0x000000);
  EXPECT_EQ(window.GetPixel(12 + 70, 8 + 40), kWhite);
}

}  // namespace
