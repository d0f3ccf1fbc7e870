// Raising level strokes (CStrokeWork::RaiseLevelStrokes).
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/path/stroke_work.h"
#include "support/path_points.h"

namespace {

using tmb::test::AddLineStroke;
using tmb::test::PathPoint;
using tmb::test::PointsOf;

TEST(RaiseLevelStrokes, ALevelStrokeDropsAtItsStartAndRisesAtItsEnd) {
  CStrokeWork work(32);
  AddLineStroke(work, {100, 200}, {180, 200}, 8);  // 9 points, 80 long
  EXPECT_EQ(work.RaiseLevelStrokes(), 1);
  // A point d along moves down by (40 - d) / 4: 10 at the start, -10 at the end.
  for (int j = 0; j <= 8; ++j) {
    EXPECT_FLOAT_EQ(work.m_pPoints[j].x, 100.0f + 10 * j);
    EXPECT_FLOAT_EQ(work.m_pPoints[j].y, 200.0f + (40.0f - 10 * j) / 4) << j;
  }
}

TEST(RaiseLevelStrokes, OnlyNearlyLevelNearlyStraightStrokesAreTurned) {
  struct Case {
    std::string name;
    std::vector<CFPoint> points;
    bool raised;
  };
  // A ring of 12 points that comes back to where it began: its chord is nothing.
  std::vector<CFPoint> ring;
  for (int k = 0; k <= 12; ++k) {
    const double a = k * 2 * 3.14159265358979 / 12;
    ring.push_back(CFPoint(float(std::round(100 + 40 * std::sin(a))), float(std::round(100 - 40 * std::cos(a)))));
  }
  const Case cases[] = {
      {"vertical", {{50, 0}, {50, 40}, {50, 80}}, false},
      {"one in three", {{0, 0}, {45, 15}, {90, 30}}, false},
      {"just flatter than one in four", {{0, 0}, {40, 9.5f}, {80, 19}}, true},
      {"bulging 0.19 of the chord", {{0, 0}, {40, 15.2f}, {80, 0}}, false},
      {"bulging 0.17 of the chord", {{0, 0}, {40, 13.6f}, {80, 0}}, true},
      {"closed", ring, false},
      {"a chord of half a pixel", {{0, 0}, {0.25f, 0}, {0.5f, 0}}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CStrokeWork work(32);
    for (size_t k = 0; k < c.points.size(); ++k) work.AddPointUnique(c.points[k].x, c.points[k].y, k == 0 ? 1 : 0, 1);
    const std::vector<PathPoint> before = PointsOf(work);
    work.RaiseLevelStrokes();
    EXPECT_EQ(PointsOf(work) != before, c.raised);
  }
}

TEST(RaiseLevelStrokes, EachStrokeAndSegmentIsJudgedOnItsOwn) {
  CStrokeWork work(32);
  AddLineStroke(work, {0, 0}, {0, 80}, 2);     // upright: stays
  AddLineStroke(work, {0, 100}, {80, 100}, 2);  // level: turned
  // A level segment that a segment end (flag 4) cuts off from its stroke's start stays
  // as it is: only segments that begin a stroke are judged.
  AddLineStroke(work, {0, 200}, {0, 280}, 1);
  work.AppendPoint(0, 300, 4);
  work.AppendPoint(80, 300, 0);
  work.RaiseLevelStrokes();
  const std::vector<PathPoint> after = PointsOf(work);
  EXPECT_EQ(after[0], (PathPoint{0, 0, 1}));
  EXPECT_EQ(after[2], (PathPoint{0, 80, 0}));
  EXPECT_EQ(after[3], (PathPoint{0, 110, 1}));
  EXPECT_EQ(after[5], (PathPoint{80, 90, 0}));
  EXPECT_EQ(after[8], (PathPoint{0, 300, 4}));
  EXPECT_EQ(after[9], (PathPoint{80, 300, 0}));
}

}  // namespace
