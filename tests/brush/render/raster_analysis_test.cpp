#include "brush/render/raster_analysis.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "brush/render/edge_smoothing.h"
#include "support/scoped_work_canvas.h"

namespace {

using tmb::Colour;
using tmb::Point;
using tmb::Rect;
using tmb::Surface;

constexpr Colour kWhite = 0xFFFFFF, kBlack = 0x000000, kRed = 0x0000FF, kGreen = 0x00FF00;

// Strokes of the given points, each list one stroke.
void Fill(CStrokePathLite& path, std::initializer_list<std::initializer_list<Point>> strokes) {
  for (const auto& stroke : strokes) {
    bool first = true;
    for (Point p : stroke) {
      path.m_pFlags[path.m_nCount] = first ? 1 : 0;
      path.m_pPoints[path.m_nCount++] = p;
      first = false;
    }
  }
}

Surface Picture(Colour colour) {
  Surface s;
  EXPECT_TRUE(s.Create(200, 150, tmb::PixelFormat::kColour32));
  s.Fill(colour);
  return s;
}

class RasterAnalysisTest : public ::testing::Test {
 protected:
  tmb::test::ScopedWorkCanvas canvas{200, 150};
};

TEST_F(RasterAnalysisTest, TheRasterOperationsComeBackAsDrawnAndTwoInversionsChangeNothing) {
  EXPECT_EQ(TestRasterOps(&canvas.screen), 0);
  Surface s = Picture(kWhite);
  tmb::DeviceContext dc(&s);
  dc.FillSolidRect({10, 10, 60, 40}, kRed);
  InvertTwice(dc, {0, 0, 100, 100});
  EXPECT_EQ(s.GetPixel(20, 20), kRed);
  EXPECT_EQ(s.GetPixel(80, 80), kWhite);
}

TEST_F(RasterAnalysisTest, AColourKeyedCopyLeavesTheTargetWhereTheSourceHoldsTheKey) {
  Surface source = Picture(kWhite);
  tmb::DeviceContext(&source).FillSolidRect({20, 20, 40, 40}, kRed);
  Surface target = Picture(kGreen);
  MaskedColorBlit(&canvas.screen, target, source, kWhite, {0, 0, 100, 100});
  EXPECT_EQ(target.GetPixel(30, 30), kRed);    // copied
  EXPECT_EQ(target.GetPixel(10, 10), kGreen);  // the key: kept
  EXPECT_EQ(target.GetPixel(150, 30), kGreen);  // outside the rectangle
}

TEST(StrokeStats, EachStrokeIsMeasuredAndTwoPathsComparedByTheirStrokes) {
  CStrokePathLite path(16), other(16), empty(4);
  Fill(path, {{{10, 20}, {30, 20}, {50, 25}}, {{5, 5}, {5, 45}}});
  Fill(other, {{{0, 0}, {1, 1}}, {{2, 2}}});
  const std::vector<CStrokeStats> stats = CollectStrokeStats(path);
  ASSERT_EQ(stats.size(), 2u);
  EXPECT_EQ(stats[0].bounds, (Rect{10, 20, 50, 25}));
  EXPECT_EQ(stats[0].first, (Point{10, 20}));
  EXPECT_EQ(stats[0].last, (Point{50, 25}));
  EXPECT_EQ(stats[0].count, 3);
  EXPECT_FLOAT_EQ(stats[0].aspect, 8.0f);
  EXPECT_FLOAT_EQ(stats[1].aspect, 0.0f);  // no width: 0 / 40
  EXPECT_EQ(CompareStrokeStats(path, other), 1);
  EXPECT_EQ(CompareStrokeStats(path, empty), 0);
  // Boxes of a range, of all points, and of none.
  EXPECT_EQ(PathBoundingBox(path, 0, -1), (Rect{5, 5, 50, 45}));
  EXPECT_EQ(PathBoundingBox(path, 1, 2), (Rect{30, 20, 50, 25}));
  EXPECT_EQ(PathBoundingBox(empty, 0, -1), (Rect{100000, 100000, 0, 0}));
}

TEST(StrokeWalks, FirstLastNextAndTheStepWithinAStroke) {
  CStrokePathLite path(16);
  Fill(path, {{{0, 0}, {3, 4}, {6, 4}}, {{9, 9}, {9, 12}}});
  struct Case {
    int i, first, last, next;
    Point step;
  } cases[] = {
      {0, 0, 2, 3, {3, 4}}, {1, 0, 2, 3, {3, 0}}, {2, 0, 2, 3, {0, 0}}, {3, 3, 4, 5, {0, 3}}, {4, 3, 4, 5, {0, 0}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(StrokeFirstOf(path, c.i), c.first) << c.i;
    EXPECT_EQ(StrokeLastOf(path, c.i), c.last) << c.i;
    EXPECT_EQ(NextStrokeStart(path, c.i), c.next) << c.i;
    EXPECT_EQ(StepWithinStroke(path, c.i), c.step) << c.i;
  }
}

TEST_F(RasterAnalysisTest, TheSmoothingVariantsEachSmoothTheBandTheirOwnWay) {
  const auto band = [] {
    Surface s = Picture(kWhite);
    tmb::DeviceContext dc(&s);
    dc.SelectPen(tmb::Pen::Solid(1, kBlack));
    dc.SelectBrush(tmb::Brush::Solid(kBlack));
    const Point corners[] = {{20, 40}, {180, 70}, {180, 100}, {20, 70}};
    dc.Polygon(corners);
    return s;
  };
  const auto changed = [](const Surface& a, const Surface& b) {
    int n = 0;
    for (int y = 0; y < a.height(); ++y) {
      for (int x = 0; x < a.width(); ++x) n += a.GetPixel(x, y) != b.GetPixel(x, y);
    }
    return n;
  };
  const Surface plain = band();
  Surface standard = band();
  RenderStrokesByStroke(&canvas.screen, &standard, kWhite, kBlack, 100, 2);
  using Variant = void (*)(tmb::DeviceContext*, Surface*, Colour, Colour, int, int);
  for (Variant v : {&RenderStrokesByStrokeTrace, &RenderStrokesByStrokeSmooth, &RenderStrokesByStrokeBasic}) {
    Surface s = band();
    v(&canvas.screen, &s, kWhite, kBlack, 100, 2);
    EXPECT_GT(changed(s, plain), 20);
  }
  Surface smooth = band();
  RenderStrokesByStrokeSmooth(&canvas.screen, &smooth, kWhite, kBlack, 100, 2);
  EXPECT_GT(changed(smooth, standard), 0);
}

}  // namespace
