#include <gtest/gtest.h>

#include <vector>

#include "core/record/char_data_full.h"
#include "support/brush_fixture.h"

namespace {

using tmb::Point;
using tmb::test::AddLine;
using tmb::test::AddStroke;
using tmb::test::FlagsOf;
using tmb::test::PointsOf;

class StrokeBuildingTest : public tmb::test::BrushEngineTest {
 protected:
  void SetUp() override {
    BrushEngineTest::SetUp();
    // Only what each test switches on.
    for (int p : {12, 22, 48, 213, 214}) work->m_param[p] = 0;
  }
  void LeadIn(int length, int stepIndex, int angle) {
    work->m_param[213] = 1;
    work->m_param[17] = length;
    work->m_param[19] = stepIndex;
    work->m_param[215] = angle;
  }
  void LeadOut(int length, int stepIndex, int angle) {
    work->m_param[214] = 1;
    work->m_param[18] = length;
    work->m_param[20] = stepIndex;
    work->m_param[216] = angle;
  }
};

TEST_F(StrokeBuildingTest, LeadInBeginsOutAlongItsDirectionAndWalksBack) {
  // Length 10 with step index 0 (8 px): P + 10D, P + 2D, then the drawn points after P.
  AddStroke(*drawn, {{100, 100}, {100, 104}, {100, 108}});
  LeadIn(10, 0, 90);
  work->BuildStrokePoints(*drawn);
  EXPECT_EQ(PointsOf(*work), (std::vector<Point>{{110, 100}, {102, 100}, {100, 104}, {100, 108}}));
  EXPECT_EQ(FlagsOf(*work), (std::vector<int>{1, 0, 0, 0}));
  // A length that the step divides reaches P with its last step, once.
  LeadIn(16, 0, 90);
  work->BuildStrokePoints(*drawn);
  EXPECT_EQ(PointsOf(*work), (std::vector<Point>{{116, 100}, {108, 100}, {100, 100}, {100, 104}, {100, 108}}));
}

TEST_F(StrokeBuildingTest, LeadStepLargerThanTheLengthAddsNoLeadPoint) {
  // The start still moves by the full lead-in length and the stroke goes on from there;
  // a lead-out adds nothing.
  AddStroke(*drawn, {{50, 50}, {60, 60}});
  LeadIn(5, 0, 180);
  LeadOut(3, 1, 0);
  work->BuildStrokePoints(*drawn);
  EXPECT_EQ(PointsOf(*work), (std::vector<Point>{{50, 55}, {60, 60}}));
}

TEST_F(StrokeBuildingTest, LeadDirectionsFollowTheAngleInAnyTurn) {
  struct Case {
    int angle;
    Point first;  // start (100, 100) moved 8 px
  };
  const Case cases[] = {
      {0, {100, 92}},   {45, {108, 92}},  {90, {108, 100}},  {135, {108, 108}}, {180, {100, 108}},
      {225, {92, 108}}, {270, {92, 100}}, {315, {92, 92}},   {-45, {92, 92}},   {-90, {92, 100}},
      {360, {100, 92}}, {405, {108, 92}}, {-361, {92, 92}},  {-720, {100, 92}}, {2147483647, {108, 100}}, {-2147483647 - 1, {92, 108}},
  };
  for (const Case& c : cases) {
    drawn->ClearPoints();
    AddStroke(*drawn, {{100, 100}, {100, 120}});
    LeadIn(8, 0, c.angle);
    work->BuildStrokePoints(*drawn);
    ASSERT_GE(work->m_nPoints, 1);
    EXPECT_EQ(work->m_pPoints[0], c.first) << "angle " << c.angle;
  }
}

TEST_F(StrokeBuildingTest, StepIndexOutsideTheTableIsClamped) {
  struct Case {
    int stepIndex;
    int added;  // lead-in points after the moved start for a length of 8
  };
  for (const Case& c : {Case{-3, 1}, Case{0, 1}, Case{1, 2}, Case{2, 4}, Case{9, 4}}) {
    drawn->ClearPoints();
    AddStroke(*drawn, {{0, 0}, {0, 30}});
    LeadIn(8, c.stepIndex, 90);
    work->BuildStrokePoints(*drawn);
    EXPECT_EQ(work->m_nPoints, 2 + c.added) << "step index " << c.stepIndex;
  }
}

TEST_F(StrokeBuildingTest, ConversionStylesLeadAlongTheExactAngleTruncated) {
  work->m_param[37] = 300;
  AddStroke(*drawn, {{100, 100}, {100, 130}});
  LeadIn(10, 0, 20);  // (cos 70, -sin 70) x 10 = (3.42, -9.40)
  work->BuildStrokePoints(*drawn);
  EXPECT_EQ(PointsOf(*work), (std::vector<Point>{{103, 91}, {100, 99}, {100, 130}}));  // (0.68, -1.88) truncated
}

TEST_F(StrokeBuildingTest, LeadOutContinuesEveryStrokeEvenADot) {
  AddStroke(*drawn, {{10, 10}, {20, 10}});
  AddStroke(*drawn, {{40, 40}});
  LeadOut(6, 2, 180);
  work->BuildStrokePoints(*drawn);
  EXPECT_EQ(PointsOf(*work), (std::vector<Point>{{10, 10}, {20, 10}, {20, 12}, {20, 14}, {20, 16},
                                                 {40, 40}, {40, 42}, {40, 44}, {40, 46}}));
  EXPECT_EQ(FlagsOf(*work), (std::vector<int>{1, 0, 0, 0, 0, 1, 0, 0, 0}));
  // Copies of the dot's flag would make each lead-out point a dot of its own.
  EXPECT_EQ(tmb::test::StrokeStartsOf(*work).size(), 2u);
}

TEST_F(StrokeBuildingTest, HalvingNeverSkipsThePointBeforeAStrokeStart) {
  struct Case {
    int points;
    std::vector<int> kept;  // x of the points kept from the first stroke
  };
  const Case cases[] = {
      {6, {0, 2, 4, 5}},
      {5, {0, 2, 4}},
      {3, {0, 2}},
      {2, {0, 1}},
  };
  for (const Case& c : cases) {
    drawn->ClearPoints();
    AddLine(*drawn, {0, 0}, 1, 0, c.points);
    AddLine(*drawn, {0, 50}, 1, 0, 3);
    work->m_param[12] = 2;
    work->BuildStrokePoints(*drawn);
    std::vector<int> xs;
    for (int i = 0; i < work->m_nPoints && work->m_pPoints[i].y == 0; ++i) xs.push_back(work->m_pPoints[i].x);
    EXPECT_EQ(xs, c.kept) << c.points << " points";
    EXPECT_EQ(tmb::test::StrokeStartsOf(*work).size(), 2u);
  }
}

TEST_F(StrokeBuildingTest, ThinningModes) {
  struct Case {
    int mode;
    int resample;
    std::vector<Point> in;  // one stroke, followed by a dot at (90, 90)
    std::vector<Point> out;
  };
  const Case cases[] = {
      // Doubling: a midpoint (toward zero) after each point that has a successor in its stroke.
      {3, 0, {{0, 0}, {3, -3}, {5, -3}}, {{0, 0}, {1, -1}, {3, -3}, {4, -3}, {5, -3}, {90, 90}}},
      // Dropping near steps: a step with |dx| < 2 or |dy| < 2 loses its end point, unless
      // the point after it starts a stroke.
      {1, 0, {{0, 0}, {1, 5}, {2, 10}, {10, 10}}, {{0, 0}, {2, 10}, {10, 10}, {90, 90}}},
      {1, 0, {{0, 0}, {3, 3}, {6, 6}, {7, 6}}, {{0, 0}, {3, 3}, {6, 6}, {7, 6}, {90, 90}}},
      // With resampling on, the mode is ignored.
      {3, 1, {{0, 0}, {3, -3}, {5, -3}}, {{0, 0}, {3, -3}, {5, -3}, {90, 90}}},
  };
  for (const Case& c : cases) {
    drawn->ClearPoints();
    for (size_t k = 0; k < c.in.size(); ++k) {
      AddStroke(*drawn, {c.in[k]});
      if (k > 0) drawn->m_pFlags[drawn->m_nPoints - 1] = 0;
    }
    AddStroke(*drawn, {{90, 90}});
    work->m_param[12] = c.mode;
    work->m_param[22] = c.resample;
    work->BuildStrokePoints(*drawn);
    EXPECT_EQ(PointsOf(*work), c.out) << "mode " << c.mode;
  }
}

TEST_F(StrokeBuildingTest, ShortStrokesArePaddedTowardTheirNextPoint) {
  AddStroke(*drawn, {{0, 0}, {10, -5}});                                      // no inner point
  AddStroke(*drawn, {{50, 50}});                                             // a dot stays a dot
  AddStroke(*drawn, {{0, 90}, {1, 90}, {2, 90}, {3, 90}, {4, 90}, {5, 90}});  // 4 inner > 3
  work->m_param[48] = 1;  // limit 3, divisor 2: (3 - 0) / 2 + 1 = 2 padding points
  work->BuildStrokePoints(*drawn);
  const std::vector<Point> pts = PointsOf(*work);
  ASSERT_EQ(pts.size(), 2u + 2u + 1u + 6u);
  EXPECT_EQ(pts[0], (Point{0, 0}));
  EXPECT_EQ(pts[1], (Point{1, -1}));
  EXPECT_EQ(pts[2], (Point{2, -2}));
  EXPECT_EQ(pts[3], (Point{10, -5}));
  EXPECT_EQ(pts[4], (Point{50, 50}));
  EXPECT_EQ(FlagsOf(*work), (std::vector<int>{1, 0, 0, 0, 1, 1, 0, 0, 0, 0, 0}));
}

TEST_F(StrokeBuildingTest, FullCharacterWithLongLeadsStaysWithinCapacity) {
  // 159 strokes of 100 points, each to get 100 lead-in and 100 lead-out points.
  for (int s = 0; s < 159; ++s) AddLine(*drawn, {s, 0}, 0, 1, 100);
  ASSERT_EQ(drawn->m_nPoints, 15900);
  LeadIn(200, 2, 90);
  LeadOut(200, 2, 180);
  work->BuildStrokePoints(*drawn);
  // 53 strokes fill 15,900 points exactly; the 54th start's lead-in would pass the
  // record's capacity and stops at it.
  EXPECT_EQ(work->m_nPoints, kMaxCharPoints);
  EXPECT_EQ(messages.CountOf(62045), 1);
  EXPECT_EQ(messages.beeps, 1);
  EXPECT_EQ(work->m_pFlags[0], 1);
  // The whole preparation with its filters keeps within the record too.
  drawn->CopySettings(*work);
  drawn->m_param[22] = 1;
  drawn->m_param[26] = 1;
  drawn->m_param[11] = 4;
  drawn->m_param[44] = 1;
  drawn->m_param[48] = 2;
  work->PreparePoints(*drawn, true);
  EXPECT_LE(work->m_nPoints, kMaxCharPoints);
  EXPECT_GE(messages.CountOf(62045), 2);
}

TEST_F(StrokeBuildingTest, TheWalkKeepsThePointThatPassesTheLimitAndStops) {
  struct Case {
    int points;     // one line of this many drawn points
    bool leadOut;   // 10 px in steps of 2: five lead-out points after the last point
    int kept;
    int messages;   // 62045 with one beep
  };
  const Case cases[] = {
      {15900, false, 15900, 0}, {15901, false, 15901, 1}, {15999, false, 15901, 1},
      {15900, true, 15905, 1},  {15895, true, 15900, 0},  {15999, true, 15901, 1},
  };
  for (const Case& c : cases) {
    drawn->ClearPoints();
    messages.ids.clear();
    messages.beeps = 0;
    AddLine(*drawn, {0, 0}, 0, 1, c.points);
    work->m_param[214] = 0;
    if (c.leadOut) LeadOut(10, 2, 90);
    work->BuildStrokePoints(*drawn);
    EXPECT_EQ(work->m_nPoints, c.kept) << c.points << (c.leadOut ? " with lead-out" : "");
    EXPECT_EQ(messages.CountOf(62045), c.messages) << c.points;
    EXPECT_EQ(messages.beeps, c.messages) << c.points;
    if (c.kept == 15901) {
      EXPECT_EQ(work->m_pPoints[15900], (Point{0, 15900}));
    }
  }
}

TEST_F(StrokeBuildingTest, OneLongLeadNeverWritesPastTheRecord) {
  // 15,899 points, then the last one's lead-out of 2,000 steps: the record fills up and
  // the building tells of it once.
  AddLine(*drawn, {0, 0}, 0, 1, 15899);
  LeadOut(4000, 2, 90);
  work->BuildStrokePoints(*drawn);
  EXPECT_EQ(work->m_nPoints, kMaxCharPoints);
  EXPECT_EQ(messages.CountOf(62045), 1);
  EXPECT_EQ(work->m_pPoints[kMaxCharPoints - 1], (Point{2 * (kMaxCharPoints - 15899), 15898}));
}

}  // namespace
