// A character rendered by the studio, vectorised and rendered again from its strokes.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <memory>
#include <vector>

#include "brush/render/brush_state.h"
#include "core/path/stroke_work.h"
#include "imageedit/vectorise/vectorize_image.h"
#include "support/ink_compare.h"
#include "support/picture_files.h"
#include "support/polyline_strokes.h"
#include "support/scoped_work_canvas.h"

namespace {

using tmb::Point;
using tmb::Surface;

constexpr int kWidth = 500, kHeight = 750;

Surface WhitePaper() {
  Surface s;
  EXPECT_TRUE(s.Create(kWidth, kHeight, tmb::PixelFormat::kColour32));
  s.Fill(0xFFFFFF);
  return s;
}

class VectoriseRoundTripTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gBrushStates[0].Reset();
    ASSERT_EQ(gBrushStates[0].Create(&canvas.screen, 0), 1);
  }
  void TearDown() override { gBrushStates[0].Reset(); }

  // A record of the drawing view's road: linking on, white paper, black ink, the scaled
  // road, the conversion off (pen mode).
  std::unique_ptr<CStrokeWork> NewRecord() {
    auto work = std::make_unique<CStrokeWork>();
    work->m_param[2] = 12;
    work->m_param[47] = 1;
    work->m_param[157] = 0xFFFFFF;
    work->m_param[240] = 2;
    work->m_param[241] = 100;  // the record's straight soft edge
    work->SelectBrushState(nullptr);
    return work;
  }
  // Appends a point with no pressure and the brush width.
  void AddPoint(CStrokeWork& work, Point p, int flag, int width) {
    work.AddSample(p.x, p.y, -1, flag);
    work.m_pWidths[work.GetCount() - 1] = uint8_t(width);
  }
  // The stroke through the corners in unit steps.
  void AddStroke(CStrokeWork& work, std::vector<Point> corners, int width) {
    AddPoint(work, corners[0], 1, width);
    for (size_t k = 1; k < corners.size(); ++k) {
      Point p = corners[k - 1];
      const Point q = corners[k];
      while (p != q) {
        p.x += (q.x > p.x) - (q.x < p.x);
        p.y += (q.y > p.y) - (q.y < p.y);
        AddPoint(work, p, 0, width);
      }
    }
  }
  Surface Render(CStrokeWork& work) {
    work.DrawCharacter(&canvas.screen, 0, -1, work);
    const Surface& picture = gBrushStates[0].m_bitmap;
    Surface copy;
    EXPECT_TRUE(copy.Create(kWidth, kHeight, tmb::PixelFormat::kColour32));
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) copy.SetPixel(x, y, picture.GetPixel(x, y));
    }
    return copy;
  }

  tmb::test::ScopedWorkCanvas canvas{kWidth, kHeight};
};

TEST_F(VectoriseRoundTripTest, AFurukoRenderedVectorisedAndRenderedAgainKeepsItsInk) {
  constexpr int kBrush = 24;
  auto drawn = NewRecord();
  // 古: the cross above, the box below.
  AddStroke(*drawn, {{110, 200}, {390, 200}}, kBrush);
  AddStroke(*drawn, {{250, 90}, {250, 400}}, kBrush);
  AddStroke(*drawn, {{150, 400}, {150, 640}}, kBrush);
  AddStroke(*drawn, {{150, 400}, {350, 400}, {350, 640}}, kBrush);
  AddStroke(*drawn, {{150, 640}, {350, 640}}, kBrush);
  const Surface first = Render(*drawn);
  tmb::test::SavePictureForViewing(first, "vectorise_round_trip_drawn");

  Surface picture = Render(*drawn);
  auto traced = std::make_unique<CStrokePath>();
  ASSERT_EQ(VectorizeImageRegion(*traced, &canvas.screen, &picture, 0, 0, kWidth, kHeight, nullptr, nullptr), 1);
  tmb::test::SavePictureForViewing(picture, "vectorise_round_trip_skeleton");
  auto again = NewRecord();
  for (int i = 0; i < traced->GetCount(); ++i) {
    AddPoint(*again, traced->GetPoint(i).RoundToPoint(), i == 0 || traced->GetFlag(i) != 0 ? 1 : 0, kBrush);
  }
  const Surface second = Render(*again);
  tmb::test::SavePictureForViewing(second, "vectorise_round_trip_again");
  // The studio's brush is held aslant: its ink lies about a quarter of its width to one
  // side of the line drawn, which side by the line's direction. The tracing finds the
  // middle of the ink, so the second rendering lies that much further off: a straight
  // stroke of ink width w overlaps itself by (w - w/4) / (w + w/4) = 0.6 at best.
  const double iou = tmb::test::InkIoU(first, second);
  std::printf("round trip through the studio's brush: %d strokes, ink %d and %d, IoU %.3f\n", traced->CountStrokes(),
              tmb::test::CountInk(first), tmb::test::CountInk(second), iou);
  EXPECT_EQ(traced->CountStrokes(), 5) << "the four arms of the cross, the lowest down to the box, and the box";
  EXPECT_GE(iou, 0.55);
  EXPECT_LE(std::abs(tmb::test::CountInk(second) - tmb::test::CountInk(first)), tmb::test::CountInk(first) / 10);
}

// The same character drawn with a round pen, whose ink lies evenly about the line: what
// the tracing itself loses, at the ends and junctions only.
TEST_F(VectoriseRoundTripTest, AFurukoDrawnWithARoundPenComesBackWithItsInk) {
  constexpr int kPen = 20;
  CStrokePath drawn(4000);
  const std::vector<std::vector<CFPoint>> strokes = {{{110, 200}, {390, 200}},
                                                     {{250, 90}, {250, 400}},
                                                     {{150, 400}, {150, 640}},
                                                     {{150, 400}, {350, 400}, {350, 640}},
                                                     {{150, 640}, {350, 640}}};
  for (const auto& s : strokes) tmb::test::AddPolyline(drawn, s);
  Surface first = WhitePaper();
  tmb::test::DrawStrokesWithPen(first, drawn, kPen);
  Surface picture = WhitePaper();
  tmb::test::DrawStrokesWithPen(picture, drawn, kPen);
  auto traced = std::make_unique<CStrokePath>();
  ASSERT_EQ(VectorizeImageRegion(*traced, &canvas.screen, &picture, 0, 0, kWidth, kHeight, nullptr, nullptr), 1);
  Surface second = WhitePaper();
  tmb::test::DrawStrokesWithPen(second, *traced, kPen);
  tmb::test::SavePictureForViewing(second, "vectorise_round_trip_pen_again");
  const double iou = tmb::test::InkIoU(first, second);
  std::printf("round trip with a round pen: IoU %.3f\n", iou);
  EXPECT_GE(iou, 0.75);
}

}  // namespace
