#include "imageedit/vectorise/vectorize_image.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cmath>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/onebit/region_scan.h"
#include "core/onebit/thinning.h"
#include "platform/gdi/device_context.h"
#include "support/ink_compare.h"
#include "support/path_points.h"
#include "support/picture_files.h"
#include "support/polyline_strokes.h"
#include "support/scoped_work_canvas.h"

namespace {

using tmb::test::StrokeRanges;

using tmb::Point;
using tmb::Surface;

constexpr int kWidth = 500, kHeight = 750;
constexpr double kPi = 3.14159265358979;

// A stroke as the corners a pen passes.
using Polyline = std::vector<Point>;

Surface WhitePaper(int w = kWidth, int h = kHeight) {
  Surface s;
  EXPECT_TRUE(s.Create(w, h, tmb::PixelFormat::kColour32));
  s.Fill(0xFFFFFF);
  return s;
}

// The lines as a pen draws them: through points one pixel apart, as the traced strokes
// are drawn again.
void DrawPolylines(Surface& s, const std::vector<Polyline>& lines, int width) {
  CStrokePath strokes(20000);
  for (const Polyline& line : lines) {
    std::vector<CFPoint> corners;
    for (const Point& p : line) corners.emplace_back(float(p.x), float(p.y));
    tmb::test::AddPolyline(strokes, corners);
  }
  strokes.RoundPoints(-1, -1);
  tmb::test::DrawStrokesWithPen(s, strokes, width);
}

Polyline Arc(Point centre, int radius, double from, double to, int steps) {
  Polyline p;
  for (int k = 0; k <= steps; ++k) {
    const double a = (from + (to - from) * k / steps) * kPi / 180.0;
    p.push_back({centre.x + int(std::lround(radius * std::cos(a))), centre.y + int(std::lround(radius * std::sin(a)))});
  }
  return p;
}

class VectorizeImageTest : public ::testing::Test {
 protected:
  tmb::test::ScopedWorkCanvas canvas{kWidth, kHeight};
  std::unique_ptr<CStrokePath> path = std::make_unique<CStrokePath>();
};

TEST_F(VectorizeImageTest, ShapesComeBackAsTheirStrokesAndDrawAgainAsThePenDrewThem) {
  struct Shape {
    const char* name;
    std::vector<Polyline> lines;
    int strokes;
    bool ring;
  };
  const std::vector<Shape> shapes = {
      {"bar", {{{100, 300}, {400, 300}}}, 1, false},
      {"l", {{{120, 120}, {120, 500}, {400, 500}}}, 1, false},
      {"curve", {Arc({250, 500}, 180, 200, 340, 40)}, 1, false},
      {"cross", {{{80, 375}, {420, 375}}, {{250, 180}, {250, 570}}}, 4, false},
      {"ring", {Arc({250, 375}, 150, 0, 360, 90)}, 1, true},
  };
  for (const Shape& shape : shapes) {
    for (int width : {8, 16, 24, 32}) {
      SCOPED_TRACE(std::string(shape.name) + " " + std::to_string(width));
      Surface picture = WhitePaper();
      DrawPolylines(picture, shape.lines, width);
      Surface original = WhitePaper();
      DrawPolylines(original, shape.lines, width);
      ASSERT_EQ(VectorizeImageRegion(*path, &canvas.screen, &picture, 0, 0, kWidth, kHeight, nullptr, nullptr), 1);
      const auto starts = StrokeRanges(*path);
      EXPECT_EQ(int(starts.size()), shape.strokes);
      if (shape.ring && starts.size() == 1) {
        EXPECT_EQ(path->GetFlag(0), 2);
        EXPECT_EQ(path->GetPoint(0).RoundToPoint(), path->GetLastPoint().RoundToPoint()) << "closes on its start";
      }
      Surface again = WhitePaper();
      tmb::test::DrawStrokesWithPen(again, *path, width);
      const double iou = tmb::test::InkIoU(original, again);
      EXPECT_GE(iou, 0.9);
      std::printf("%-6s width %2d: %zu strokes, IoU %.3f\n", shape.name, width, starts.size(), iou);
      if (width == 16) {
        tmb::test::SavePictureForViewing(picture, std::string("vectorise_") + shape.name + "_skeleton");
        tmb::test::SavePictureForViewing(again, std::string("vectorise_") + shape.name + "_again");
      }
    }
  }
}

TEST_F(VectorizeImageTest, AnIsolatedSpeckGivesNoStroke) {
  Surface picture = WhitePaper();
  tmb::DeviceContext(&picture).FillSolidRect({200, 200, 203, 203}, 0x000000);
  EXPECT_EQ(VectorizeImage(*path, &canvas.screen, &picture, 0, 0, kWidth, kHeight, nullptr, nullptr, 0), 1);
  EXPECT_EQ(path->GetCount(), 0);
}

// Specks go as blots that fit in three by three pixels. Despeckling by neighbour counts
// (a pixel with fewer than four ink neighbours goes, pass after pass) would wear thin
// lines away from their ends to nothing; they come back as strokes.
TEST_F(VectorizeImageTest, ThinLinesSurviveWhereDespecklingByNeighboursWouldEraseThem) {
  for (int width : {1, 2}) {
    SCOPED_TRACE(width);
    Surface picture = WhitePaper();
    tmb::DeviceContext(&picture).FillSolidRect({100, 300, 160, 300 + width}, 0x000000);
    std::vector<uint8_t> rows(size_t(tmb::MonoStride(kWidth)) * kHeight, 0xFF);
    CMonoBitmap speckled;
    speckled.Attach(rows.data(), 0, 0, kWidth, kHeight, kWidth, kHeight);
    for (int y = 300; y < 300 + width; ++y) {
      for (int x = 100; x < 160; ++x) speckled.SetBit(x, y, 0);
    }
    DespeckleMask(speckled);
    EXPECT_EQ(CountInkPixels(speckled), 0) << "the neighbour counts erase the line";
    ASSERT_EQ(VectorizeImage(*path, &canvas.screen, &picture, 0, 0, kWidth, kHeight, nullptr, nullptr, 0), 1);
    ASSERT_EQ(StrokeRanges(*path).size(), 1u);
    EXPECT_LE(path->GetPoint(0).x, 103.0f);
    EXPECT_GE(path->GetLastPoint().x, 156.0f);
  }
}

TEST_F(VectorizeImageTest, TheRegionIsCutToThePaperAndAnEmptyOneGivesNothing) {
  Surface picture = WhitePaper();
  DrawPolylines(picture, {{{100, 300}, {400, 300}}}, 10);
  // An empty region, or one off the paper, holds no ink: traced, and nothing found.
  EXPECT_EQ(VectorizeImage(*path, &canvas.screen, &picture, 300, 0, 300, kHeight, nullptr, nullptr, 0), 1);
  EXPECT_EQ(path->GetCount(), 0);
  EXPECT_EQ(VectorizeImageRegion(*path, &canvas.screen, &picture, 600, 0, 900, 900, nullptr, nullptr), 1);
  EXPECT_EQ(path->GetCount(), 0);
  // Only the part within the region, which runs past the paper, is traced.
  ASSERT_EQ(VectorizeImage(*path, &canvas.screen, &picture, 250, -50, 900, 900, nullptr, nullptr, 0), 1);
  ASSERT_EQ(StrokeRanges(*path).size(), 1u);
  CFRect bounds;
  path->GetBounds(bounds);
  EXPECT_GE(bounds.left, 250);
  EXPECT_GE(bounds.right, 390);
  // Without a picture nothing could be traced, and the wrapper does not say it was.
  Surface none;
  EXPECT_EQ(VectorizeImage(*path, &canvas.screen, &none, 0, 0, kWidth, kHeight, nullptr, nullptr, 0), 0);
  EXPECT_EQ(VectorizeImageRegion(*path, &canvas.screen, &none, 0, 0, kWidth, kHeight, nullptr, nullptr), 0);
}

TEST_F(VectorizeImageTest, ModesOtherThanZeroWriteTheSkeletonBackIntoTheRegionOnly) {
  Surface picture = WhitePaper();
  DrawPolylines(picture, {{{100, 300}, {400, 300}}}, 12);
  Surface kept = WhitePaper();
  DrawPolylines(kept, {{{100, 300}, {400, 300}}}, 12);
  VectorizeImage(*path, &canvas.screen, &picture, 0, 0, 250, kHeight, nullptr, nullptr, 0);
  EXPECT_EQ(tmb::test::InkIoU(picture, kept), 1.0) << "mode 0 leaves the picture";
  VectorizeImage(*path, &canvas.screen, &picture, 0, 0, 250, kHeight, nullptr, nullptr, 2);
  EXPECT_EQ(picture.GetPixel(300, 300), 0x000000u) << "beside the region the ink stays";
  EXPECT_EQ(picture.GetPixel(300, 304), 0x000000u);
  int column = 0;
  for (int y = 280; y < 320; ++y) column += picture.GetPixel(200, y) == 0x000000;
  EXPECT_EQ(column, 1) << "inside it one pixel of skeleton per column";
}

TEST_F(VectorizeImageTest, FullListsKeepTheStrokesThatFitted) {
  Surface picture = WhitePaper();
  std::vector<Polyline> bars;
  for (int y = 50; y < 700; y += 40) bars.push_back({{50, y}, {450, y}});
  DrawPolylines(picture, bars, 6);
  auto small = std::make_unique<CStrokePath>(1000);
  // The wrapper tells the strokes that did not fit as the vectoriser does.
  Surface copy = WhitePaper();
  DrawPolylines(copy, bars, 6);
  EXPECT_EQ(VectorizeImageRegion(*small, &canvas.screen, &copy, 0, 0, kWidth, kHeight, nullptr, nullptr), -1);
  EXPECT_EQ(VectorizeImage(*small, &canvas.screen, &picture, 0, 0, kWidth, kHeight, nullptr, nullptr, 0), -1);
  const auto starts = StrokeRanges(*small);
  EXPECT_GE(starts.size(), 2u);
  EXPECT_LT(starts.size(), bars.size());
  for (const auto& [s, e] : starts) {
    EXPECT_GT(small->PathLength(s, e, 0), 380.0f) << "whole strokes only";
  }
}

// Awkward pictures: stripes three pixels wide and noise over the whole paper, and ink at
// the paper's edges, run to an end (the sanitizers watch the reads).
TEST_F(VectorizeImageTest, StripesNoiseAndInkAtThePapersEdgeRunToAnEnd) {
  Surface stripes = WhitePaper();
  for (int y = 0; y < kHeight; y += 6) tmb::DeviceContext(&stripes).FillSolidRect({0, y, kWidth, y + 3}, 0x000000);
  const int r1 = VectorizeImageRegion(*path, &canvas.screen, &stripes, 0, 0, kWidth, kHeight, nullptr, nullptr);
  EXPECT_TRUE(r1 == 1 || r1 == -1);
  EXPECT_GT(path->GetCount(), 0);

  Surface noise = WhitePaper();
  std::mt19937 random(7);
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      if (random() % 2) noise.SetPixel(x, y, 0x000000);
    }
  }
  const int r2 = VectorizeImageRegion(*path, &canvas.screen, &noise, 0, 0, kWidth, kHeight, nullptr, nullptr);
  EXPECT_TRUE(r2 == 1 || r2 == -1);

  Surface edge = WhitePaper();
  DrawPolylines(edge, {{{0, 0}, {kWidth - 1, 0}, {kWidth - 1, kHeight - 1}, {0, kHeight - 1}, {0, 0}}}, 20);
  EXPECT_EQ(VectorizeImageRegion(*path, &canvas.screen, &edge, 0, 0, kWidth, kHeight, nullptr, nullptr), 1);
  EXPECT_GT(path->GetCount(), 100);
}

}  // namespace
