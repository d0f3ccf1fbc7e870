#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/geometry/line_sink.h"
#include "support/brush_fixture.h"

namespace {

using tmb::Point;
using tmb::test::AddStroke;
using tmb::test::PointsOf;

class OutlineTransformsTest : public tmb::test::BrushEngineTest {
 protected:
  void SetUp() override {
    BrushEngineTest::SetUp();
    for (int p = 80; p <= 90; ++p) work->m_param[p] = 0;
  }
};

TEST_F(OutlineTransformsTest, BoundRectStartsFromFixedExtremesAndCentresByIntegerHalves) {
  AddStroke(*work, {{10, 20}, {15, 27}});
  tmb::Rect r;
  EXPECT_EQ(work->GetBoundRect(r), (Point{12, 23}));
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.bottom, 27);
  AddStroke(*work, {{-4, -6}});
  // A maximum never falls below 0.
  EXPECT_EQ(work->GetRangeBoundRect(r, 2, 3), (Point{-2, -3}));
  EXPECT_EQ(r.right, 0);
  EXPECT_EQ(r.bottom, 0);
}

TEST_F(OutlineTransformsTest, TransformsOfTheWholeCharacter) {
  struct Case {
    const char* what;
    std::vector<std::pair<int, int>> params;
    std::vector<Point> out;
  };
  // Two strokes in the box (100, 100) - (200, 150), centre (150, 125).
  const Case cases[] = {
      {"move by pixels", {{80, 1}, {82, 7}, {83, -3}}, {{107, 97}, {207, 97}, {107, 147}, {207, 147}}},
      {"move by percent of the box", {{80, 1}, {81, 1}, {82, 10}, {83, -50}},
       {{110, 75}, {210, 75}, {110, 125}, {210, 125}}},
      {"scale by percent", {{84, 1}, {86, 50}, {87, 200}}, {{125, 75}, {175, 75}, {125, 175}, {175, 175}}},
      {"tilt by cosines", {{84, 1}, {85, 1}, {86, 60}, {87, 0}}, {{125, 100}, {175, 100}, {125, 150}, {175, 150}}},
      {"rotate a quarter turn", {{88, 1}, {89, 90}}, {{125, 175}, {125, 75}, {175, 175}, {175, 75}}},
      // Rotated half a turn, then each stroke pulled toward the centre by the same 180 %.
      {"contract", {{88, 3}, {89, 180}}, {{200, 105}, {100, 105}, {200, 145}, {100, 145}}},
  };
  for (const Case& c : cases) {
    work->ClearPoints();
    AddStroke(*work, {{100, 100}, {200, 100}});
    AddStroke(*work, {{100, 150}, {200, 150}});
    for (int p = 80; p <= 90; ++p) work->m_param[p] = 0;
    for (auto [p, v] : c.params) work->m_param[p] = v;
    work->ApplyTransforms();
    EXPECT_EQ(PointsOf(*work), c.out) << c.what;
  }
}

TEST_F(OutlineTransformsTest, ScaleAboutTheCellOfEachStroke) {
  // Cells of 100 x 100 from (25, 25), anchored at the right of a 500 px canvas: the
  // columns start at x = -25, so (130, 140) lies in the cell centred on (125, 175).
  AddStroke(*work, {{130, 140}, {150, 140}});
  AddStroke(*work, {{330, 260}, {330, 300}});
  work->m_param[84] = 2;
  work->m_param[86] = 50;
  work->m_param[87] = 50;
  work->ApplyTransforms();
  EXPECT_EQ(PointsOf(*work), (std::vector<Point>{{127, 158}, {137, 158}, {327, 268}, {327, 287}}));
}

class RecordingLines : public LineSink {
 public:
  void MoveTo(int, int) override {}
  void LineTo(int, int) override { ++lines; }
  int lines = 0;
};

TEST_F(OutlineTransformsTest, GuideLinesLayTheGridOutAndDrawOnlyWithAContext) {
  work->DrawGuideLines(500, 750, nullptr);
  EXPECT_EQ(work->m_cellGrid.m_nColumns, 5);
  EXPECT_EQ(work->m_cellGrid.m_nRows, 7);
  RecordingLines lines;
  work->m_param[32] = 250;
  work->DrawGuideLines(500, 750, &lines);
  EXPECT_EQ(work->m_cellGrid.m_nColumns, 2);
  EXPECT_EQ(lines.lines, 3 + 8);
}

TEST_F(OutlineTransformsTest, PointHelpers) {
  AddStroke(*work, {{1, 1}, {2, 2}, {3, 3}});
  AddStroke(*work, {{4, 4}, {5, 5}});
  work->m_pFlags[1] = 255;
  work->m_pFlags[3] = 255;
  work->m_pPressure[4] = 42;
  work->DropFlaggedPoints();
  EXPECT_EQ(PointsOf(*work), (std::vector<Point>{{1, 1}, {3, 3}, {5, 5}}));
  EXPECT_EQ(work->m_pPressure[2], 42);

  work->ScalePoints(1.5f);
  EXPECT_EQ(PointsOf(*work), (std::vector<Point>{{2, 2}, {5, 5}, {8, 8}}));

  std::vector<CFPoint> out(3);
  const float xs[] = {0.5f, 1.5f, 2.5f};
  const float ys[] = {-1, -2, -3};
  work->FillFloatPoints(out.data(), xs, ys, 1);
  EXPECT_EQ(out[2], (CFPoint{2.5f, -3}));
  work->FillFloatPoints(out.data(), xs, ys, 0);
  EXPECT_EQ(out[2], (CFPoint{8, 8}));

  // Factors no caller should pass: far points saturate, a NaN factor gives the origin.
  work->ScalePoints(1e30f);
  EXPECT_EQ(work->m_pPoints[0], (Point{INT32_MAX, INT32_MAX}));
  work->ScalePoints(std::nanf(""));
  EXPECT_EQ(work->m_pPoints[0], (Point{0, 0}));
}

}  // namespace
