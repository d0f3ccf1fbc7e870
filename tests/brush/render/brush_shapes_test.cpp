#include "brush/render/brush_shapes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "core/path/stroke_path_ex.h"
#include "core/path/stroke_work.h"
#include "core/state/animation_flags.h"
#include "support/path_points.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_messages.h"
#include "support/surface_text.h"

namespace {

using tmb::test::Fill;

constexpr tmb::Colour kWhite = 0xFFFFFF;

TEST(StraightenShortStroke, ALineOfTenAtWidthTwentyIsRespacedToTwelveAndAQuarter) {
  CStrokePathEx shape(8);
  Fill(shape, {{0, 0, 1}, {2, 0, 0}, {5, 0, 0}, {10, 0, 0}});
  EXPECT_EQ(StraightenShortStroke(shape, 20, 10), 300);
  const double reach = 20 * std::sqrt(0.375);
  for (int j = 0; j < 4; ++j) {
    EXPECT_NEAR(shape.m_pPoints[j].x, reach * j / 3, 1e-4) << j;
    EXPECT_EQ(shape.m_pPoints[j].y, 0) << j;
  }
}

TEST(StraightenShortStroke, KeepsALongerChordsLengthAndDirection) {
  // A chord of 18 at width 20 is longer than 20 x sqrt(0.75): it keeps its length.
  CStrokePathEx shape(8);
  Fill(shape, {{10, 10, 1}, {20, 30, 0}, {10 + 18 * 0.6f, 10 + 18 * 0.8f, 0}});
  StraightenShortStroke(shape, 20, 19.5f);
  EXPECT_NEAR(shape.m_pPoints[1].x, 10 + 9 * 0.6, 1e-4);
  EXPECT_NEAR(shape.m_pPoints[1].y, 10 + 9 * 0.8, 1e-4);
}

TEST(StraightenShortStroke, AClosedStrokeCollapsesOntoItsStartAndAPointStays) {
  CStrokePathEx loop(8);
  Fill(loop, {{5, 5, 1}, {8, 5, 0}, {8, 8, 0}, {5, 5, 0}});
  EXPECT_EQ(StraightenShortStroke(loop, 20, 9.0f), 333);
  for (int j = 0; j < 4; ++j) EXPECT_EQ(loop.m_pPoints[j], CFPoint(5, 5)) << j;

  CStrokePathEx point(4);
  Fill(point, {{7, 9, 1}});
  EXPECT_EQ(StraightenShortStroke(point, 20, 0), 3000);  // measured as one pixel
  EXPECT_EQ(point.m_pPoints[0], CFPoint(7, 9));
}

class BrushShapesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gPathSequence.Init(1);
    gWorkCanvas.m_scaledMaskBitmap.Fill(kWhite);
  }
  void TearDown() override {
    gPathSequence.FreePath();
    gFrameRecording = 0;
    gPlotShapePoints = 0;
  }

  // A level stroke of n points one pixel apart at row y, each of the given level.
  void AddStroke(int x, int y, int n, int level) {
    for (int k = 0; k < n; ++k) {
      work->AddSample(x + k, y, -1, k == 0 ? 1 : 0);
      levels.push_back(level);
    }
  }
  int Render(int first, int end, int style, tmb::Surface* target = nullptr) {
    return work->RenderBrushShapes(&canvas.screen, first, end, 0, std::span<const int>(levels).subspan(size_t(first)),
                                   style, target);
  }
  // The rows the path sequence's outlines span.
  CFRect Bounds() const {
    CFRect box;
    gPathSequence.m_pPath->GetBounds(box);
    return box;
  }

  tmb::test::ScopedWorkCanvas canvas{200, 100, 4000};
  std::unique_ptr<CStrokeWork> work = std::make_unique<CStrokeWork>();
  std::vector<int> levels;
};

TEST_F(BrushShapesTest, EachSideTakesHalfTheLevelShiftedByTheSlantedBrush) {
  // Level 7: half-widths of 3, which a level stroke carries 1.5 above and 4.5 below.
  AddStroke(20, 50, 40, 7);
  // Level -3: half-widths of -1, each side on the other hand: 0.5 below and 1.5 above.
  AddStroke(20, 80, 40, -3);
  Render(0, 40, 3);
  EXPECT_FLOAT_EQ(Bounds().top, 48.5f);
  EXPECT_FLOAT_EQ(Bounds().bottom, 54.5f);
  gPathSequence.Init(1);
  Render(40, 80, 3);
  EXPECT_FLOAT_EQ(Bounds().top, 78.5f);
  EXPECT_FLOAT_EQ(Bounds().bottom, 80.5f);
}

TEST_F(BrushShapesTest, ShapesOnlyRendersNothingAndEveryOutlineOpensWithFlagThree) {
  AddStroke(20, 30, 40, 8);
  AddStroke(20, 60, 40, 8);
  gWorkCanvas.m_maskBitmaps[2].Fill(kWhite);
  EXPECT_EQ(Render(0, 40, 3, &gWorkCanvas.m_scaledMaskBitmap), 1);
  EXPECT_EQ(Render(40, 80, 3, &gWorkCanvas.m_scaledMaskBitmap), 1);
  EXPECT_EQ(tmb::test::CountPixels(gWorkCanvas.m_scaledMaskBitmap, kWhite), 800 * 400);
  EXPECT_EQ(tmb::test::CountPixels(gWorkCanvas.m_maskBitmaps[2], kWhite), 200 * 100);
  const CStrokePath& path = *gPathSequence.m_pPath;
  std::vector<int> starts;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] != 0) starts.push_back(path.m_pFlags[i]);
  }
  EXPECT_EQ(starts, (std::vector<int>{3, 3}));
  EXPECT_EQ(path.m_pFlags[0], 3);
}

TEST_F(BrushShapesTest, TheScaledRoadAddsEachStrokeToTheTargetWithoutClearingIt) {
  AddStroke(20, 30, 40, 8);
  AddStroke(20, 60, 40, 8);
  tmb::Surface& target = gWorkCanvas.m_scaledMaskBitmap;
  Render(0, 40, 1, &target);
  Render(40, 80, 1, &target);
  EXPECT_EQ(target.GetPixel(4 * 40, 4 * 30 + 4), 0x000000);
  EXPECT_EQ(target.GetPixel(4 * 40, 4 * 60 + 4), 0x000000);
  EXPECT_EQ(target.GetPixel(4 * 40, 4 * 45), kWhite);
  // Parameter 351 switches the scaled road off.
  target.Fill(kWhite);
  work->m_param[351] = 1;
  Render(0, 40, 1, &target);
  EXPECT_EQ(tmb::test::CountPixels(target, kWhite), 800 * 400);
}

TEST_F(BrushShapesTest, TheStrokePictureShowsTheShapeOrItsPoints) {
  AddStroke(20, 50, 40, 10);
  AddStroke(20, 80, 10, 10);
  tmb::Surface& picture = gWorkCanvas.m_maskBitmaps[2];
  picture.Fill(0x000000);
  Render(0, 40, 0);
  EXPECT_EQ(picture.GetPixel(40, 52), 0x000000);
  EXPECT_EQ(picture.GetPixel(40, 30), kWhite);
  EXPECT_EQ(picture.GetPixel(5, 50), kWhite);

  // The points instead, those of the outline and the centre moved 25 pixels right for
  // the first stroke of a drawing, 50 for the next.
  gPlotShapePoints = 1;
  Render(0, 40, 0);
  EXPECT_EQ(picture.GetPixel(40 + 25, 50), 0x000000);
  EXPECT_EQ(picture.GetPixel(41, 52), kWhite);  // no fill
  Render(40, 50, 0);
  EXPECT_EQ(picture.GetPixel(25 + 50, 80), 0x000000);
  EXPECT_EQ(picture.GetPixel(40 + 25, 50), kWhite);  // each picture shows one stroke
}

TEST_F(BrushShapesTest, AFullSequencePathIsReportedOnceOnTheExportRoad) {
  tmb::test::ScriptedMessages messages;
  AddStroke(20, 30, 40, 8);
  AddStroke(20, 60, 40, 8);
  gPathSequence.m_pPath->Reallocate(20);
  EXPECT_EQ(Render(0, 40, 3), 1);
  EXPECT_EQ(gPathSequence.m_pPath->GetCount(), 0);
  EXPECT_TRUE(messages.ids.empty());  // nothing exports it

  gFrameRecording = 1;
  work->DrawStrokeRange(&canvas.screen, 0, 80, 3);
  gPathSequence.m_pPath->Reallocate(20);
  EXPECT_EQ(Render(0, 40, 3), 1);
  EXPECT_EQ(Render(40, 80, 3), 1);
  EXPECT_EQ(messages.ids, (std::vector<int>{62115}));

  // A drawing off the export road arms the report again.
  gFrameRecording = 0;
  work->DrawStrokeRange(&canvas.screen, 0, 80, 3);
  gFrameRecording = 1;
  gPathSequence.m_pPath->Reallocate(20);
  Render(0, 40, 3);
  EXPECT_EQ(messages.CountOf(62115), 2);
}

TEST_F(BrushShapesTest, AStrokeRunsFromOneStrokeStartToTheNextWhateverItsCodes) {
  AddStroke(20, 30, 40, 8);
  work->m_pFlags[10] = 3;
  work->m_pFlags[20] = 'B';
  AddStroke(20, 60, 40, 8);
  for (size_t i = 0; i < 80; ++i) work->m_pWidths[i] = 8;
  work->DrawStrokeRange(&canvas.screen, 0, 80, 3);
  const CStrokePath& path = *gPathSequence.m_pPath;
  int outlines = 0;
  for (int i = 0; i < path.GetCount(); ++i) outlines += path.m_pFlags[i] != 0;
  EXPECT_EQ(outlines, 2);
}

}  // namespace
