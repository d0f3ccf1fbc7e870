// The filters of the point preparation: gap filling, the flow step and run straightening,
// and the order in which the preparation runs them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "brush/outline/flow_step.h"
#include "brush/outline/outline_state.h"
#include "core/path/stroke_work.h"
#include "support/brush_fixture.h"

namespace {

using tmb::Point;
using tmb::test::AddLine;
using tmb::test::AddStroke;
using tmb::test::FlagsOf;
using tmb::test::PointsOf;

class PointPrepTest : public tmb::test::BrushEngineTest {
 protected:
  void TwoStrokes() {
    work->ClearPoints();
    AddStroke(*work, {{0, 0}, {5, 0}});
    AddStroke(*work, {{40, 0}, {45, 0}});
    for (int i = 0; i < 4; ++i) {
      gResampleX[size_t(i)] = float(work->m_pPoints[i].x);
      gResampleY[size_t(i)] = float(work->m_pPoints[i].y);
    }
  }
};

TEST_F(PointPrepTest, GapFillingAddsTemporaryPointsAlongEachJump) {
  struct Case {
    int step, repeat, mode;
    std::vector<Point> out;
  };
  const Case cases[] = {
      {10, 1000, 0, {{0, 0}, {5, 0}, {15, 0}, {25, 0}, {35, 0}, {40, 0}, {45, 0}}},
      {10, 1000, 1, {{0, 0}, {5, 0}, {15, 0}, {25, 0}, {35, 0}, {40, 0}, {40, 0}, {45, 0}}},
      {10, 1000, 2, {{0, 0}, {5, 0}, {5, 0}, {15, 0}, {25, 0}, {35, 0}, {40, 0}, {45, 0}}},
      // Offsets from repeat x step up to the length less repeat x step are left out.
      {10, 1, 0, {{0, 0}, {5, 0}, {35, 0}, {40, 0}, {45, 0}}},
      {0, 1000, 0, {{0, 0}, {5, 0}, {40, 0}, {45, 0}}},
      {10, 0, 0, {{0, 0}, {5, 0}, {40, 0}, {45, 0}}},
  };
  for (const Case& c : cases) {
    TwoStrokes();
    work->FillLinkGaps(c.step, c.repeat, c.mode);
    EXPECT_EQ(PointsOf(*work), c.out) << c.step << " " << c.repeat << " " << c.mode;
    // The added points carry flag 255; the strokes keep their starts.
    const std::vector<int> flags = FlagsOf(*work);
    EXPECT_EQ(std::count(flags.begin(), flags.end(), 1), 2);
    EXPECT_EQ(std::count(flags.begin(), flags.end(), 255), int(c.out.size()) - 4);
  }
}

// A jump across the whole int range (a damaged file) gets its gap points on the line
// between its ends.
TEST_F(PointPrepTest, GapPointsAlongAJumpAcrossTheIntRange) {
  constexpr int kStep = 1 << 30;
  struct Case {
    Point end, start;
    std::vector<Point> gap;
  };
  const Case cases[] = {
      {{INT32_MIN, 0}, {INT32_MAX, 0}, {{-kStep, 0}, {0, 0}, {kStep, 0}}},
      {{INT32_MIN, 7}, {INT32_MIN, INT32_MAX}, {{INT32_MIN, 7 + kStep}}},
  };
  for (const Case& c : cases) {
    work->ClearPoints();
    AddStroke(*work, {c.end});
    AddStroke(*work, {c.start});
    for (int i = 0; i < 2; ++i) {
      gResampleX[size_t(i)] = float(work->m_pPoints[i].x);
      gResampleY[size_t(i)] = float(work->m_pPoints[i].y);
    }
    work->FillLinkGaps(kStep, 1000, 0);
    std::vector<Point> expected{c.end};
    expected.insert(expected.end(), c.gap.begin(), c.gap.end());
    expected.push_back(c.start);
    EXPECT_EQ(PointsOf(*work), expected);
  }
  // Corner to corner: every gap point on the diagonal, in order.
  work->ClearPoints();
  AddStroke(*work, {{INT32_MIN, INT32_MIN}});
  AddStroke(*work, {{INT32_MAX, INT32_MAX}});
  work->FillLinkGaps(kStep, 1000, 0);
  ASSERT_EQ(work->m_nPoints, 7);
  for (int i = 1; i < 7; ++i) {
    EXPECT_EQ(work->m_pPoints[i].x, work->m_pPoints[i].y) << i;
    EXPECT_GT(work->m_pPoints[i].x, work->m_pPoints[i - 1].x) << i;
  }
  // A steep jump, its across step just inside the int range and its length beyond 2^32:
  // the gap points climb evenly along the line.
  work->ClearPoints();
  AddStroke(*work, {{-1, INT32_MIN}});
  AddStroke(*work, {{INT32_MAX - 1, INT32_MAX}});
  constexpr int kLongStep = 1500000000;
  work->FillLinkGaps(kLongStep, 1000, 0);
  ASSERT_EQ(work->m_nPoints, 5);
  const double length = std::hypot(double(INT32_MAX), double(UINT32_MAX));
  for (int i = 1; i < 4; ++i) {
    const double t = double(i) * kLongStep / length;
    EXPECT_NEAR(work->m_pPoints[i].x, -1 + t * INT32_MAX, 1) << i;
    EXPECT_NEAR(work->m_pPoints[i].y, INT32_MIN + t * UINT32_MAX, 1) << i;
  }
}

TEST_F(PointPrepTest, GapPointsKeepTheExactPositionsInStep) {
  TwoStrokes();
  gResampleX[1] = 5.4f;
  gResampleY[1] = 0.3f;
  work->FillLinkGaps(10, 1000, 0);
  ASSERT_EQ(work->m_nPoints, 7);
  // The first gap point lies 10 px from the exact end of the first stroke toward the
  // exact start of the second.
  EXPECT_NEAR(gResampleX[2], 5.4 + 34.6 * 10 / std::hypot(34.6, 0.3), 1e-3);
  EXPECT_NEAR(gResampleY[2], 0.3 - 0.3 * 10 / std::hypot(34.6, 0.3), 1e-3);
  EXPECT_FLOAT_EQ(gResampleX[5], 40);  // the second stroke's start moved up with its point
}

TEST_F(PointPrepTest, FlowStepPullsAWobbleTowardTheCurveThroughTheKeyPoints) {
  // One long stroke whose points zigzag 3 px about y = 0; every key point (stroke start,
  // each 1,000th point, stroke end) lies on the low side, so the curve is the line y = -3.
  struct Case {
    int value;
    int low, high;  // range of y afterwards
  };
  for (const Case& c : {Case{0, -3, 3}, Case{50, -3, 0}, Case{100, -3, -3}}) {
    work->ClearPoints();
    for (int i = 0; i <= 2500; ++i) AddStroke(*work, {{i, i % 2 ? 3 : -3}});
    for (int i = 1; i <= 2500; ++i) work->m_pFlags[i] = 0;
    CStrokeWork path;
    work->ToStrokePath(path, nullptr, -1, 0);
    work->FlowStep(path, c.value, 6);
    float low = 1e9f, high = -1e9f;
    for (int i = 0; i < path.GetCount(); ++i) {
      low = std::min(low, path.m_pPoints[i].y);
      high = std::max(high, path.m_pPoints[i].y);
    }
    EXPECT_NEAR(low, c.low, 0.01) << c.value;
    EXPECT_NEAR(high, c.high, 0.01) << c.value;
  }
}

// Records the pixels the flow step plots.
class PixelRecorder : public FlowCanvas {
 public:
  void SetPixel(int x, int y, tmb::Colour) override { pixels.push_back({x, y}); }
  void DrawPointMarks(const CStrokePath&) override {}
  std::vector<Point> pixels;
};

// A curve beyond the int range (points from a damaged file, far out) is plotted at its
// edge; NaN points are plotted at 0 and never matched.
TEST_F(PointPrepTest, FlowCurvePixelsStayInTheIntRange) {
  struct Case {
    float x;
    int pixel;
  } cases[] = {{3e9f, INT32_MAX}, {-3e9f, INT32_MIN}, {std::nanf(""), 0}};
  for (const Case& c : cases) {
    CStrokePath keys(8);
    for (int i = 0; i < 3; ++i) {
      keys.AppendPoint(0, 0, i == 0 ? 1 : 0);
      keys.m_pPoints[i] = CFPoint(c.x, float(10 * i));
      keys.m_pAttrs[i] = CStrokePath::kAttrSkip;
    }
    CStrokePath source(8);
    for (int i = 0; i < 3; ++i) source.AppendPoint(0, 10 * i, i == 0 ? 1 : 0);
    const int table[] = {0, 1, 2};
    PixelRecorder canvas;
    FlowRedraw(keys, &canvas, 0, 0, source, 50, table);
    ASSERT_FALSE(canvas.pixels.empty());
    for (const Point& p : canvas.pixels) ASSERT_EQ(p.x, c.pixel) << c.x;
  }
}

TEST_F(PointPrepTest, FlowStepLeavesASingleShortStrokeAlone) {
  work->ClearPoints();
  AddStroke(*work, {{0, 0}, {10, 7}, {20, -3}, {30, 9}});
  CStrokeWork path;
  work->ToStrokePath(path, nullptr, -1, 0);
  work->FlowStep(path, 100, 6);
  work->FromStrokePath(path, false);
  EXPECT_EQ(PointsOf(*work), (std::vector<Point>{{0, 0}, {10, 7}, {20, -3}, {30, 9}}));
}

TEST_F(PointPrepTest, StraighteningTakesWobblyRunsOntoTheirChord) {
  struct Case {
    const char* what;
    std::vector<Point> in;
    int minPoints;
    bool straightened;
  };
  const Case cases[] = {
      {"a staircase on both sides of its chord", {{0, 0}, {10, 8}, {20, 8}, {30, 24}, {40, 24}}, 5, true},
      {"a bow to one side", {{0, 0}, {10, 10}, {20, 15}, {30, 18}, {40, 20}}, 5, false},
      {"a run shorter than the minimum", {{0, 0}, {10, 8}, {20, 8}, {30, 24}, {40, 24}}, 6, false},
  };
  for (const Case& c : cases) {
    work->ClearPoints();
    for (size_t k = 0; k < c.in.size(); ++k) {
      AddStroke(*work, {c.in[k]});
      if (k > 0) work->m_pFlags[k] = 0;
    }
    work->StraightenRuns(100, c.minPoints, 1);
    const Point a = c.in.front(), b = c.in.back();
    bool onChord = true;
    for (int j = 1; j + 1 < work->m_nPoints; ++j) {
      const Point p = work->m_pPoints[j];
      const double cross = double(b.x - a.x) * (p.y - a.y) - double(b.y - a.y) * (p.x - a.x);
      onChord = onChord && std::fabs(cross) / std::hypot(b.x - a.x, b.y - a.y) <= 0.71;
    }
    EXPECT_EQ(onChord, c.straightened) << c.what;
    EXPECT_EQ(work->m_pPoints[0], a) << c.what;
    EXPECT_EQ(work->m_pPoints[work->m_nPoints - 1], b) << c.what;
    if (!c.straightened) {
      EXPECT_EQ(PointsOf(*work), c.in) << c.what;
    }
  }
}

TEST_F(PointPrepTest, PreparationCopiesSettingsAndRunsNoFilterInPenMode) {
  AddLine(*drawn, {0, 0}, 1, 1, 30);
  drawn->m_param[3] = 77;
  work->PreparePoints(*drawn, true);
  EXPECT_EQ(work->m_param[3], 77);
  EXPECT_EQ(gDropFlaggedPoints, 1);  // cursive type 4
  // Pen mode copies the points as drawn and runs no filter.
  drawn->m_param[47] = 1;
  work->PreparePoints(*drawn, true);
  EXPECT_EQ(PointsOf(*work), PointsOf(*drawn));
  EXPECT_EQ(gDropFlaggedPoints, 0);
}

TEST_F(PointPrepTest, PreparationOfAFullRecordWritesNoSentinelPastIt) {
  for (int s = 0; s < 160; ++s) AddLine(*drawn, {s, 0}, 0, 1, 100);
  drawn->m_param[47] = 1;
  work->PreparePoints(*drawn, true);
  EXPECT_EQ(work->m_nPoints, kMaxCharPoints);
}

}  // namespace
