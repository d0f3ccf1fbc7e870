#include <gtest/gtest.h>

#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_work.h"
#include "support/path_points.h"
#include "support/picture_files.h"
#include "support/recorded_outlines.h"
#include "support/scoped_work_canvas.h"
#include "support/surface_text.h"
#include "support/test_canvas.h"

namespace {

using tmb::Colour;
using tmb::PixelFormat;
using tmb::Surface;
using tmb::test::Fill;

constexpr Colour kInk = 0x000000, kWhite = 0xFFFFFF, kRed = 0x0000FF;

// The paper is 40 x 30: the scaled work bitmap 160 x 120.
class SupersampledRenderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    params[157] = int32_t(kWhite);
    params[241] = 100;  // the record's straight soft edge
  }

  Surface& Large() { return gWorkCanvas.m_scaledMaskBitmap; }

  tmb::test::ScopedWorkCanvas canvas{40, 30, 2000};
  tmb::DeviceContext& screen = canvas.screen;
  ParamBlock params{};
  tmb::test::Canvas paper{40, 30, PixelFormat::kColour32, 0x00FF00};
  tmb::test::Canvas scaled{160, 120, PixelFormat::kColour32, 0x00FF00};
};

void Square(CStrokePath& path, float l, float t, float r, float b) {
  Fill(path, {{l, t, 1}, {r, t, 0}, {r, b, 0}, {l, b, 0}});
}

// The ink pixels of surface within r.
int InkIn(const Surface& s, const tmb::Rect& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) n += s.GetPixel(x, y) != kWhite;
  }
  return n;
}

TEST_F(SupersampledRenderTest, ModeFiveFillsTheSquareAtFourTimesItsSizeUnreduced) {
  CStrokeWork work(10);
  Square(work, 5, 5, 15, 12);
  EXPECT_EQ(work.RenderToBitmap(&screen, &scaled.surface, 5, params, kRed), 1);
  // Everything else of the scaled size was made white.
  EXPECT_EQ(InkIn(scaled.surface, scaled.surface.Bounds()), InkIn(scaled.surface, {20, 20, 61, 49}));
  EXPECT_EQ(InkIn(scaled.surface, {20, 20, 60, 48}), 40 * 28);
  EXPECT_EQ(scaled.surface.GetPixel(40, 30), kInk);
  EXPECT_EQ(scaled.surface.GetPixel(100, 100), kWhite);
}

TEST_F(SupersampledRenderTest, ModeTwoAddsTwoDisjointSquaresWithoutClearing) {
  Large().Fill(kWhite);
  CStrokeWork first(10), second(10);
  Square(first, 2, 2, 8, 8);
  Square(second, 20, 10, 30, 20);
  first.RenderToBitmap(&screen, &Large(), 2, params, kRed);
  second.RenderToBitmap(&screen, &Large(), 2, params, kRed);
  EXPECT_EQ(Large().GetPixel(20, 20), kInk);
  EXPECT_EQ(Large().GetPixel(100, 60), kInk);
  EXPECT_EQ(Large().GetPixel(60, 20), kWhite);
  EXPECT_EQ(InkIn(Large(), Large().Bounds()), InkIn(Large(), {8, 8, 33, 33}) + InkIn(Large(), {80, 40, 121, 81}));
}

TEST_F(SupersampledRenderTest, ModeThreeOnlyReducesWhatTheScaledBitmapHolds) {
  Large().Fill(kWhite);
  tmb::DeviceContext large(&Large());
  large.FillSolidRect({8, 8, 32, 32}, kInk);   // paper pixels 2 to 7: fully covered
  large.FillSolidRect({40, 8, 42, 32}, kInk);  // paper column 10: half covered
  CStrokeWork ignored(10);
  Square(ignored, 20, 10, 30, 20);  // not drawn: mode 3 renders nothing new
  EXPECT_EQ(ignored.RenderToBitmap(&screen, &paper.surface, 3, params, kRed), 1);
  EXPECT_EQ(paper.surface.GetPixel(2, 2), kRed);
  EXPECT_EQ(paper.surface.GetPixel(7, 7), kRed);
  EXPECT_EQ(paper.surface.GetPixel(10, 5), tmb::MakeRgb(255, 128, 128));
  EXPECT_EQ(paper.surface.GetPixel(25, 15), 0x00FF00u) << "no ink there: the target keeps its pixel";
  tmb::test::SavePictureForViewing(paper.surface, "reduced_squares");
  // The ink meets the paper colour of parameter 157.
  params[157] = int32_t(0x00FFFF);
  ignored.RenderToBitmap(&screen, &paper.surface, 3, params, kInk);
  EXPECT_EQ(paper.surface.GetPixel(10, 5), tmb::MakeRgb(128, 128, 0));
}

TEST_F(SupersampledRenderTest, TheRecordsGrowCountWidensTheInkBeforeTheReduction) {
  Large().Fill(kWhite);
  tmb::DeviceContext large(&Large());
  large.FillSolidRect({40, 8, 42, 32}, kInk);  // paper column 10: half covered
  CStrokeWork ignored(10);
  params[244] = 1;  // one pixel of growth at four times the paper
  ignored.RenderToBitmap(&screen, &paper.surface, 3, params, kRed);
  EXPECT_EQ(paper.surface.GetPixel(10, 5), tmb::MakeRgb(255, 64, 64)) << "columns 39 to 42 are ink now: 3 of 4 here";
  EXPECT_EQ(paper.surface.GetPixel(9, 5), tmb::MakeRgb(255, 192, 192)) << "one of four columns";
  EXPECT_EQ(paper.surface.GetPixel(11, 5), 0x00FF00u);
  // The curve of parameter 241 bends the share: a square of it.
  params[244] = 0;
  params[241] = 50;
  ignored.RenderToBitmap(&screen, &paper.surface, 3, params, kRed);
  EXPECT_EQ(paper.surface.GetPixel(10, 5), tmb::MakeRgb(255, 191, 191));
}

TEST_F(SupersampledRenderTest, TheFullRenderingFillsScalesAndReducesWithSmoothEdges) {
  CStrokeWork work(10);
  Square(work, 5, 5, 15.5f, 12);  // the right edge halfway across paper column 15
  EXPECT_EQ(work.RenderToBitmap(&screen, &paper.surface, 0, params, kInk), 1);
  EXPECT_EQ(paper.surface.GetPixel(10, 8), kInk);
  EXPECT_EQ(paper.surface.GetPixel(30, 20), kWhite) << "the target is made white first";
  const Colour edge = paper.surface.GetPixel(15, 8);
  EXPECT_GT(tmb::RedOf(edge), 0);
  EXPECT_LT(tmb::RedOf(edge), 255);
  EXPECT_EQ(paper.surface.GetPixel(16, 8), kWhite);
}

TEST_F(SupersampledRenderTest, ContourModeFillsHolesWhite) {
  CStrokeWork ring(20);
  Fill(ring, {{5, 5, 1}, {35, 5, 0}, {35, 25, 0}, {5, 25, 0}});
  Fill(ring, {{15, 10, 1}, {15, 20, 0}, {25, 20, 0}, {25, 10, 0}});
  ring.CollectStrokeOutlines(0);
  EXPECT_EQ(ring.RenderToBitmap(&screen, &paper.surface, 1, params, kRed), 1);
  tmb::test::SavePictureForViewing(paper.surface, "ring_rendered");
  EXPECT_EQ(paper.surface.GetPixel(10, 15), kRed);
  EXPECT_EQ(paper.surface.GetPixel(20, 15), kWhite);
  EXPECT_EQ(paper.surface.GetPixel(38, 28), kWhite);
}

TEST_F(SupersampledRenderTest, NoTargetRendersNothing) {
  CStrokeWork work(10);
  Square(work, 5, 5, 15, 12);
  EXPECT_EQ(work.RenderToBitmap(&screen, nullptr, 0, params, kInk), 0);
}

TEST_F(SupersampledRenderTest, FillToBitmapFillsEveryStrokeSolid) {
  CStrokeWork work(10);
  Square(work, 5, 5, 15, 12);
  work.EnsureAuxBuffer(0);
  work.m_pStrokeMarks->SetMark(0, 1);  // a stroke mark does not make it white
  work.FillToBitmap(&screen, &paper.surface, kRed);
  EXPECT_EQ(paper.surface.GetPixel(10, 8), kRed);
}

// The recorded 20-stroke character, drawn by the brush-outline engine, rendered at the
// default paper: a picture a person can look at, and its ink where the strokes run.
TEST(SupersampledCharacter, TheRecordedCharacterRendersAtTheDefaultPaper) {
  tmb::test::ScopedWorkCanvas canvas{500, 750};
  tmb::DeviceContext& screen = canvas.screen;
  tmb::test::RecordedBrushCharacter character;
  CStrokeWork outlines(40000);
  tmb::test::AppendBandOutlines(*character.work, character.drawn->m_pLevels.get(), outlines);
  ASSERT_EQ(outlines.CountStrokes(), 20);

  Surface picture;
  ASSERT_TRUE(picture.Create(500, 750, PixelFormat::kColour32));
  ParamBlock params{};
  params[157] = int32_t(kWhite);
  outlines.RenderToBitmap(&screen, &picture, 0, params, 0x202020);
  EXPECT_FALSE(tmb::test::SavePictureForViewing(picture, "recorded_character").empty());

  // Ink at the middle of every working stroke, none at the paper's corners.
  const CCharData& work = *character.work;
  for (int first = 0; first < work.m_nPoints;) {
    int last = first;
    while (last + 1 < work.m_nPoints && work.m_pFlags[last + 1] == 0) ++last;
    const tmb::Point mid = work.m_pPoints[(first + last) / 2];
    EXPECT_EQ(picture.GetPixel(mid.x, mid.y), 0x202020u) << "stroke at " << first;
    first = last + 1;
  }
  EXPECT_EQ(picture.GetPixel(2, 2), kWhite);
  EXPECT_EQ(picture.GetPixel(497, 747), kWhite);
  // The character's ink is a few percent of the paper, with shaded edges.
  const int ink = InkIn(picture, picture.Bounds());
  EXPECT_GT(ink, 500 * 750 / 50);
  EXPECT_LT(ink, 500 * 750 / 4);
  EXPECT_GT(ink, tmb::test::CountPixels(picture, 0x202020));
}

}  // namespace
