#include "convert/driver/path_resampling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "core/path/stroke_work.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;

double Distance(const PathPoint& a, const PathPoint& b) { return std::hypot(double(b.x) - a.x, double(b.y) - a.y); }

class ResampleTest : public ::testing::Test {
 protected:
  void TearDown() override { gUnitPassActive = 0; }
  CStrokeWork path{200};
};

TEST_F(ResampleTest, ASpacingOfZeroLeavesThePathAlone) {
  Fill(path, {{0, 0, 1}, {10, 0, 0}});
  EXPECT_EQ(ResamplePath(path, 0, kResampleAllEnds, 0).count, 0);
  EXPECT_EQ(ResamplePath(path, NAN, kResampleAllEnds, 0).count, 0);
  EXPECT_EQ(PointsOf(path), (std::vector<PathPoint>{{0, 0, 1}, {10, 0, 0}}));
}

TEST_F(ResampleTest, NewPointsLieTheSpacingApartAlongTheStroke) {
  // An L: 10 along, then 10 down.
  Fill(path, {{0, 0, 1}, {10, 0, 0}, {10, 10, 0}});
  const ResampleResult result = ResamplePath(path, 2.5f, kResampleAllEnds, 0);
  EXPECT_FALSE(result.truncated);
  const int n = result.count;
  const auto points = PointsOf(path);
  ASSERT_EQ(n, int(points.size()));
  EXPECT_EQ(points.front(), (PathPoint{0, 0, 1}));
  EXPECT_EQ(points.back(), (PathPoint{10, 10, 0}));
  for (size_t k = 1; k + 1 < points.size(); ++k) {
    EXPECT_NEAR(Distance(points[k - 1], points[k]), 2.5, 1e-4) << k;
    EXPECT_EQ(points[k].flag, 0);
  }
}

TEST_F(ResampleTest, StartsStayAndShortStrokesKeepTheirEnds) {
  Fill(path, {{5, 5, 1}, {6, 5, 0}, {40, 40, 1}, {40, 40, 1}});
  ResamplePath(path, 3, kResampleAllEnds, 0);
  EXPECT_EQ(PointsOf(path), (std::vector<PathPoint>{{5, 5, 1}, {6, 5, 0}, {40, 40, 1}, {40, 40, 1}}));
  // Without ends, the short stroke keeps only its start.
  path.SetCount(0);
  Fill(path, {{5, 5, 1}, {6, 5, 0}});
  ResamplePath(path, 3, kResampleNoEnds, 0);
  EXPECT_EQ(PointsOf(path), (std::vector<PathPoint>{{5, 5, 1}}));
}

TEST_F(ResampleTest, EqualPointsAddNothingBetweenThem) {
  Fill(path, {{0, 0, 1}, {4, 0, 0}, {4, 0, 0}, {8, 0, 0}});
  ResamplePath(path, 2, kResampleAllEnds, 0);
  EXPECT_EQ(PointsOf(path), (std::vector<PathPoint>{{0, 0, 1}, {2, 0, 0}, {4, 0, 0}, {6, 0, 0}, {8, 0, 0}}));
}

TEST_F(ResampleTest, TheEndComesAgainOnlyFartherThanTheEndDistance) {
  Fill(path, {{0, 0, 1}, {5, 0, 0}});
  ResamplePath(path, 2, kResampleAllEnds, 1);  // the end lies 1 past (4, 0): not farther
  EXPECT_EQ(path.GetCount(), 3);
  path.SetCount(0);
  Fill(path, {{0, 0, 1}, {5, 0, 0}});
  ResamplePath(path, 2, kResampleAllEnds, 0);
  EXPECT_EQ(PointsOf(path).back(), (PathPoint{5, 0, 0}));
}

TEST_F(ResampleTest, ACountEndRuleGivesLongStrokesNoEndAgain) {
  // Walked past 2 points: no end unless nothing followed the start.
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {3.5f, 0, 0}, {20, 20, 1}, {20.5f, 20, 0}});
  ResamplePath(path, 1, 2, 0);
  EXPECT_EQ(PointsOf(path), (std::vector<PathPoint>{
                                {0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {20, 20, 1}, {20.5f, 20, 0}}));
}

TEST_F(ResampleTest, PerPointValuesTravelWithTheirPoints) {
  path.AddSample(0, 0, 40, 1);
  path.AddSample(4, 0, 80, 0);
  path.m_pWidths[0] = 7;
  path.m_pRecords[0].v[2] = 3.0f;
  ResamplePath(path, 1, kResampleAllEnds, 0);
  ASSERT_EQ(path.GetCount(), 5);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(path.m_pPressure[i], 40) << i;
    EXPECT_EQ(path.m_pWidths[i], 7) << i;
    EXPECT_EQ(path.m_pRecords[i].v[2], 3.0f) << i;
  }
}

TEST_F(ResampleTest, AdaptiveSpacingFollowsEachStrokesLength) {
  EXPECT_FLOAT_EQ(AdaptiveSpacing(path, 0, 1), 0);  // an empty path has no length
  Fill(path, {{0, 0, 1}, {4, 0, 0}, {0, 10, 1}, {100, 10, 0}, {0, 20, 1}, {20, 20, 0}});
  EXPECT_FLOAT_EQ(AdaptiveSpacing(path, 1, 1), 0.5f);    // 8 s > 4: 4 / 8
  EXPECT_FLOAT_EQ(AdaptiveSpacing(path, 2, 1), 3.125f);  // 32 s < 100: 100 / 32
  EXPECT_FLOAT_EQ(AdaptiveSpacing(path, 4, 1), 1);
  gUnitPassActive = 1;
  ResamplePath(path, 1, kResampleNoEnds, 0);
  EXPECT_EQ(path.CountStrokes(), 3);
  EXPECT_EQ(path.GetCount(), 9 + 33 + 21);
}

TEST_F(ResampleTest, AFullPathStopsTheWalkWithWhatWasWrittenAndSaysSo) {
  CStrokeWork small(10);
  Fill(small, {{0, 0, 1}, {100, 0, 0}, {0, 50, 1}, {10, 50, 0}});
  const ResampleResult result = ResamplePath(small, 1, kResampleAllEnds, 0);
  EXPECT_EQ(result.count, 9);
  EXPECT_TRUE(result.truncated);
  for (int i = 1; i < 9; ++i) EXPECT_EQ(small.m_pPoints[i], CFPoint(float(i), 0)) << i;
  // An end point may take the last room a walk uses: no truncation.
  small.SetCount(0);
  Fill(small, {{0, 0, 1}, {7.5f, 0, 0}});
  EXPECT_EQ(ResamplePath(small, 1, kResampleAllEnds, 0).truncated, false);
  EXPECT_EQ(small.GetCount(), 9);
  EXPECT_EQ(PointsOf(small).back(), (PathPoint{7.5f, 0, 0}));
}

// Once the points along a segment bring the path to one short of its capacity the whole
// walk ends: no later stroke start, end or point takes the last place.
TEST_F(ResampleTest, AWalkThatReachesTheLastPlaceButOneEndsThere) {
  struct Case {
    std::initializer_list<PathPoint> points;
    int endRule;
  };
  const Case cases[] = {
      {{{0, 0, 1}, {8, 0, 0}, {0, 50, 1}, {10, 50, 0}}, kResampleAllEnds},  // a later stroke start
      {{{0, 0, 1}, {8, 0, 0}, {8, 0.5f, 0}}, kResampleAllEnds},              // the stroke's own end
      {{{0, 0, 1}, {8, 0, 0}, {8, 0.5f, 0}}, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.endRule);
    CStrokeWork small(10);
    Fill(small, c.points);
    const ResampleResult result = ResamplePath(small, 1, c.endRule, 0);
    EXPECT_EQ(result.count, 9);
    EXPECT_TRUE(result.truncated);
    EXPECT_EQ(PointsOf(small).back(), (PathPoint{8, 0, 0}));
    CStrokeWork source(10);
    Fill(source, c.points);
    EXPECT_EQ(CountResampledPoints(source, 1, c.endRule, 0, 10), 9);
  }
}

TEST_F(ResampleTest, ASpacingBelowTheFloatStepMakesNoRunawayPoints) {
  Fill(path, {{100000, 0, 1}, {100001, 0, 0}});
  ResamplePath(path, 1e-4f, kResampleAllEnds, 0);
  EXPECT_LE(path.GetCount(), 3);
  EXPECT_EQ(PointsOf(path).back(), (PathPoint{100001, 0, 0}));
}

TEST_F(ResampleTest, AFirstPointWithoutItsFlagStillAnchorsTheWalk) {
  Fill(path, {{0, 0, 0}, {3, 0, 0}});
  ResamplePath(path, 1, kResampleAllEnds, 0);
  EXPECT_EQ(PointsOf(path), (std::vector<PathPoint>{{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}}));
}

TEST(SmoothValueRun, SmoothsUntilNeighboursAgreeWithinOne) {
  std::vector<float> values{0, 8, 0, 8, 0, 2};
  SmoothValueRun(values, 0, 4, 1);
  EXPECT_EQ(values, (std::vector<float>{0, 1, 1.5f, 1.75f, 1.875f, 2}));  // the third round agrees
  std::vector<float> rough{0, 8, 0, 8, 0, 2};
  SmoothValueRun(rough, 0, 4, 5);  // at least five rounds
  EXPECT_FLOAT_EQ(rough[1], 0.625f);
  std::vector<float> flat{5, 9, 5};
  SmoothValueRun(flat, 0, 5, 1);  // a range past the end is held inside
  EXPECT_EQ(flat, (std::vector<float>{5, 5, 5}));
}

}  // namespace

namespace {

// Every way to resample one path agrees: in place, into another path, and counted alone,
// for the end rules, a walk cut short by the capacity, runaway spacings and a first point
// without its flag.
TEST(ResampleInto, CountsAndPointsAgreeWithTheResamplingInPlace) {
  struct Case {
    std::initializer_list<PathPoint> points;
    float s;
    int endRule;
    int capacity;
  };
  const Case cases[] = {
      {{{0, 0, 1}, {10, 0, 0}, {10, 10, 0}, {3, 3, 1}, {4, 9, 0}}, 2.5f, kResampleAllEnds, 200},
      {{{0, 0, 1}, {10, 0, 0}, {10, 10, 0}, {3, 3, 1}, {4, 9, 0}}, 2.5f, kResampleNoEnds, 200},
      {{{0, 0, 1}, {10, 0, 0}, {10, 10, 0}, {3, 3, 1}, {4, 9, 0}}, 3.1f, 2, 200},
      {{{0, 0, 1}, {100, 0, 0}, {0, 50, 1}, {10, 50, 0}}, 1, kResampleAllEnds, 10},
      {{{0, 0, 1}, {8, 0, 0}}, 1, kResampleAllEnds, 10},
      {{{100000, 0, 1}, {100001, 0, 0}}, 1e-4f, kResampleAllEnds, 200},
      {{{0, 0, 0}, {3, 0, 0}}, 1, kResampleAllEnds, 200},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.s);
    CStrokeWork inPlace(c.capacity), source(c.capacity), out(c.capacity);
    Fill(inPlace, c.points);
    Fill(source, c.points);
    const std::vector<PathPoint> given = PointsOf(source);
    const ResampleResult expected = ResamplePath(inPlace, c.s, c.endRule, 2);
    EXPECT_EQ(CountResampledPoints(source, c.s, c.endRule, 2, c.capacity), expected.count);
    const ResampleResult into = ResamplePathInto(source, out, c.s, c.endRule, 2);
    EXPECT_EQ(into.count, expected.count);
    EXPECT_EQ(into.truncated, expected.truncated);
    EXPECT_EQ(PointsOf(out), PointsOf(inPlace));
    EXPECT_EQ(PointsOf(source), given);
  }
}

}  // namespace

namespace {

// A spacing below the float step at the coordinates takes every step back; the count
// alone must still see the stroke start before it, as the real walk does, under every end
// rule, for strokes that walk fewer and more points than a count end rule.
TEST(ResampleInto, TheCountAgreesWhenEveryStepIsTakenBack) {
  const std::initializer_list<PathPoint> paths[] = {
      {{100000, 0, 1}, {100001, 0, 0}, {100002, 0, 0}},
      {{100000, 0, 1}, {100001, 0, 0}, {100002, 0, 0}, {100003, 0, 0}, {100004, 0, 0}, {100005, 0, 0},
       {100006, 0, 0}, {100007, 0, 0}},
      {{100000, 0, 1}, {100001, 0, 0}, {100002, 0, 0}, {100003, 0, 0}, {100004, 0, 0}, {100005, 0, 0},
       {100006, 0, 0}, {100000, 50, 1}, {100001, 50, 0}, {100002, 50, 0}},
  };
  for (const auto& points : paths) {
    for (int endRule : {kResampleNoEnds, kResampleAllEnds, 0, 1, 5, 20}) {
      SCOPED_TRACE(testing::Message() << int(points.size()) << " points, end rule " << endRule);
      CStrokeWork inPlace(200), source(200);
      Fill(inPlace, points);
      Fill(source, points);
      const int expected = ResamplePath(inPlace, 1e-4f, endRule, 2).count;
      EXPECT_EQ(CountResampledPoints(source, 1e-4f, endRule, 2, 200), expected);
      // The end comes again wherever the rule allows it: no step stood in its way.
      if (endRule != kResampleNoEnds) {
        EXPECT_EQ(expected, 2 * inPlace.CountStrokes());
      }
    }
  }
}

}  // namespace
