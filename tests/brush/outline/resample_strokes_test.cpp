#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "brush/outline/outline_state.h"
#include "support/brush_fixture.h"
#include "support/recorded_character.h"

namespace {

using tmb::Point;
using tmb::test::AddStroke;
using tmb::test::StrokeStartsOf;

// Rounding moves a point at most this far.
constexpr double kRounding = 0.7072;

double SegmentDistance(Point p, Point a, Point b) {
  const double vx = double(b.x) - a.x, vy = double(b.y) - a.y;
  const double wx = double(p.x) - a.x, wy = double(p.y) - a.y;
  const double len2 = vx * vx + vy * vy;
  const double t = len2 == 0 ? 0 : std::clamp((wx * vx + wy * vy) / len2, 0.0, 1.0);
  return std::hypot(wx - t * vx, wy - t * vy);
}

// Distance from p to the polyline of the stroke [s, e] of rec.
double PolylineDistance(const CCharData& rec, int s, int e, Point p) {
  double best = std::hypot(double(p.x) - rec.m_pPoints[s].x, double(p.y) - rec.m_pPoints[s].y);
  for (int j = s; j < e; ++j) best = std::min(best, SegmentDistance(p, rec.m_pPoints[j], rec.m_pPoints[j + 1]));
  return best;
}

class ResampleStrokesTest : public tmb::test::BrushEngineTest {
 protected:
  void SetUp() override {
    BrushEngineTest::SetUp();
    tmb::test::AppendRecordedCharacter(*work);
    AddStroke(*work, {{700, 700}});  // a final dot
    source = std::make_unique<CCharDataFull>();
    source->CopyFrom(*work);
  }

  // The properties every resampling keeps, for a step of `step` pixels.
  void ExpectEvenSteps(double step) {
    const std::vector<int> inStarts = StrokeStartsOf(*source);
    const std::vector<int> outStarts = StrokeStartsOf(*work);
    ASSERT_EQ(outStarts.size(), inStarts.size());
    ASSERT_LT(outStarts.back(), work->m_nPoints);
    EXPECT_EQ(work->m_pPoints[work->m_nPoints - 1], (Point{700, 700}));
    EXPECT_EQ(work->m_pFlags[work->m_nPoints - 1], 1);
    for (size_t s = 0; s < outStarts.size(); ++s) {
      const int from = outStarts[s];
      const int to = s + 1 < outStarts.size() ? outStarts[s + 1] : work->m_nPoints;
      const int srcStart = inStarts[s];
      const int srcEnd = source->FindStrokeEnd(srcStart);
      ASSERT_EQ(work->m_pPoints[from], source->m_pPoints[srcStart]) << "stroke " << s;
      for (int i = from; i < to; ++i) {
        const Point p = work->m_pPoints[i];
        ASSERT_LE(PolylineDistance(*source, srcStart, srcEnd, p), kRounding) << "point " << i;
        ASSERT_EQ(p, CFPoint(gResampleX[size_t(i)], gResampleY[size_t(i)]).RoundToPoint()) << "point " << i;
        if (i + 1 < to) {
          const Point q = work->m_pPoints[i + 1];
          const double d = std::hypot(double(q.x) - p.x, double(q.y) - p.y);
          ASSERT_NEAR(d, step, kRounding) << "points " << i << " and " << i + 1;
        }
      }
    }
  }

  std::unique_ptr<CCharDataFull> source;
};

TEST_F(ResampleStrokesTest, IntegerFormKeepsEvenStepsAlongTheStrokes) {
  for (int step : {1, 2, 3, 7}) {
    work->CopyPoints(*source);
    work->ResampleStrokes(step);
    SCOPED_TRACE(step);
    ExpectEvenSteps(step);
  }
}

TEST_F(ResampleStrokesTest, NewPointsAreCopiesOfThePointBeforeThem) {
  struct Case {
    int style;
    bool floatForm;
    std::vector<int> flags;
  };
  // A stroke (0, 0) - (10, 0) - (10, 10) at step 4: (4, 0) and (8, 0) come from its start,
  // (10, 3) and (10, 7) from its second point, and every new point continues the stroke.
  // The conversion styles' float form ends a short stroke on its last point.
  const Case cases[] = {
      {0, false, {1, 0, 0, 0, 0}},
      {0, true, {1, 0, 0, 0, 0}},
      {300, true, {1, 0, 0, 0, 0, 0}},
  };
  const std::vector<Point> points{{0, 0}, {4, 0}, {8, 0}, {10, 3}, {10, 7}, {10, 10}};
  const std::vector<int> pressures{40, 40, 40, 70, 70, 50};
  for (const Case& c : cases) {
    work->ClearPoints();
    work->m_param[37] = c.style;
    AddStroke(*work, {{0, 0}, {10, 0}, {10, 10}});
    work->m_pPressure[0] = 40;
    work->m_pPressure[1] = 70;
    work->m_pPressure[2] = 50;
    if (c.floatForm) {
      work->ResampleStrokesFloat(4, 0);
    } else {
      work->ResampleStrokes(4);
    }
    SCOPED_TRACE(c.style);
    const size_t n = c.flags.size();
    EXPECT_EQ(tmb::test::PointsOf(*work), (std::vector<Point>(points.begin(), points.begin() + n)));
    EXPECT_EQ(tmb::test::FlagsOf(*work), c.flags);
    EXPECT_EQ((std::vector<int>(work->m_pPressure.get(), work->m_pPressure.get() + n)),
              (std::vector<int>(pressures.begin(), pressures.begin() + n)));
  }
}

TEST_F(ResampleStrokesTest, FloatFormKeepsEvenStepsAlongTheStrokes) {
  work->m_param[37] = 300;
  for (int step : {2, 5}) {
    work->CopyPoints(*source);
    work->ResampleStrokesFloat(step, 0);
    SCOPED_TRACE(step);
    // The last point of a stroke may follow its last resampled point at a shorter step.
    const std::vector<int> outStarts = StrokeStartsOf(*work);
    EXPECT_EQ(outStarts.size(), StrokeStartsOf(*source).size());
    EXPECT_EQ(work->m_pPoints[work->m_nPoints - 1], (Point{700, 700}));
  }
}

TEST_F(ResampleStrokesTest, StrokeEndsOfTheFloatForm) {
  struct Case {
    int style;
    std::vector<Point> stroke;
    std::vector<Point> out;
  };
  const Case cases[] = {
      // A stroke whose last added point is a resampled one does not take its last point in
      // mode 0 ...
      {0, {{0, 0}, {2, 0}, {10, 0}}, {{0, 0}, {4, 0}, {8, 0}}},
      {0, {{0, 0}, {10, 0}}, {{0, 0}, {4, 0}, {8, 0}}},
      // ... except a stroke of fewer than 6 points in the conversion styles.
      {300, {{0, 0}, {10, 0}}, {{0, 0}, {4, 0}, {8, 0}, {10, 0}}},
      // A stroke shorter than the step keeps its last point.
      {0, {{0, 0}, {3, 0}}, {{0, 0}, {3, 0}}},
      // A point equal to the one before it adds nothing.
      {300, {{0, 0}, {0, 0}, {8, 0}}, {{0, 0}, {4, 0}, {8, 0}}},
  };
  for (const Case& c : cases) {
    work->ClearPoints();
    work->m_param[37] = c.style;
    for (size_t k = 0; k < c.stroke.size(); ++k) {
      work->m_pPoints[k] = c.stroke[k];
      work->m_pFlags[k] = k == 0 ? 1 : 0;
    }
    work->m_nPoints = int(c.stroke.size());
    work->ResampleStrokesFloat(4, 0);
    EXPECT_EQ(tmb::test::PointsOf(*work), c.out) << "style " << c.style;
  }
}

TEST_F(ResampleStrokesTest, PerStrokeStepOfTheFloatForm) {
  // Mode -100: the step of a stroke of 41 points becomes 2 x 40 / 8 = 10.
  work->ClearPoints();
  tmb::test::AddLine(*work, {0, 0}, 1, 0, 41);
  work->ResampleStrokesFloat(8, -100);
  ASSERT_GE(work->m_nPoints, 4);
  EXPECT_EQ(work->m_pPoints[1], (Point{10, 0}));
  EXPECT_EQ(work->m_pPoints[2], (Point{20, 0}));
}

// A point resampled on a stroke's first segment takes the start's attributes but not its
// stroke-start flag: with it, each such point would be a stroke of one point for
// everything that reads stroke starts later (links, contrast, the flow step, the shaping).
TEST_F(ResampleStrokesTest, AStrokeWithALongFirstSegmentStaysOneStroke) {
  struct Case {
    const char* what;
    int style;
    bool floatForm;
  };
  const Case cases[] = {
      {"integer form", 0, false},
      {"float form below the conversion styles", 0, true},
      {"float form of the conversion styles", 300, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    work->ClearPoints();
    work->m_param[37] = c.style;
    AddStroke(*work, {{0, 0}, {20, 0}, {20, 6}});
    work->m_pPressure[0] = 35;
    if (c.floatForm) {
      work->ResampleStrokesFloat(2, 0);
    } else {
      work->ResampleStrokes(2);
    }
    ASSERT_GE(work->m_nPoints, 10);
    EXPECT_EQ(StrokeStartsOf(*work), std::vector<int>{0});
    EXPECT_EQ(work->m_pPoints[9], (Point{18, 0}));
    EXPECT_EQ(work->m_pPressure[9], 35);
  }
}

// A stroke of one point after the others, such as a dot written last, keeps its ink.
TEST_F(ResampleStrokesTest, ADotWrittenLastIsKept) {
  for (bool floatForm : {false, true}) {
    SCOPED_TRACE(floatForm);
    work->ClearPoints();
    AddStroke(*work, {{0, 0}, {10, 0}});
    AddStroke(*work, {{40, 40}});
    if (floatForm) {
      work->ResampleStrokesFloat(4, 0);
    } else {
      work->ResampleStrokes(4);
    }
    ASSERT_GE(work->m_nPoints, 2);
    EXPECT_EQ(work->m_pPoints[work->m_nPoints - 1], (Point{40, 40}));
    EXPECT_EQ(StrokeStartsOf(*work), (std::vector<int>{0, work->m_nPoints - 1}));
  }
}

TEST_F(ResampleStrokesTest, EmptyRecordIsLeftAlone) {
  work->ClearPoints();
  work->ResampleStrokes(2);
  work->ResampleStrokesFloat(2, 0);
  EXPECT_EQ(work->m_nPoints, 0);
}

}  // namespace
