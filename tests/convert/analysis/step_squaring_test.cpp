#include "convert/analysis/step_squaring.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <string>
#include <vector>

#include "core/path/stroke_work.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;

// A zigzag of 45-degree legs: up to (30, 30), down to (60, 0), up to (90, 30).
void FillZigzag(CStrokePath& path) {
  Fill(path, {{0, 0, 1}, {10, 10, 0}, {20, 20, 0}, {30, 30, 0}, {40, 20, 0}, {50, 10, 0}, {60, 0, 0}, {70, 10, 0},
              {80, 20, 0}, {90, 30, 0}});
}

TEST(SquareStrokeSteps, ASlantedRunBetweenTwoReversalsBecomesAStep) {
  CStrokeWork work(16);
  FillZigzag(work);
  work.SquareStrokeSteps(0, 1, 0);
  // The run from (10, 10) to the turn at (30, 30) goes level first (more of its points do
  // not lie below its chord), then up: (20, 20) lands on the level leg at (30, 10). The
  // runs after the last recorded reversal stay.
  const std::vector<PathPoint> expected = {{0, 0, 1},   {10, 10, 0}, {30, 10, 0}, {30, 30, 0}, {40, 20, 0},
                                           {50, 10, 0}, {60, 0, 0},  {70, 10, 0}, {80, 20, 0}, {90, 30, 0}};
  EXPECT_EQ(PointsOf(work), expected);
}

TEST(SquareStrokeSteps, StrokesOfLevelAndUprightLegsStayAsTheyAre) {
  const std::vector<std::vector<PathPoint>> shapes = {
      {{0, 0, 1}, {10, 0, 0}, {10, 10, 0}, {20, 10, 0}, {20, 20, 0}, {30, 20, 0}},  // a staircase
      {{0, 0, 1}, {30, 0, 0}, {30, 10, 0}, {0, 10, 0}, {0, 20, 0}, {30, 20, 0}},    // a meander
  };
  for (const auto& shape : shapes) {
    for (int amount : {1, 3}) {
      CStrokeWork work(16);
      for (const PathPoint& p : shape) work.AppendPoint(int(p.x), int(p.y), p.flag);
      work.SquareStrokeSteps(0, amount, 1);
      EXPECT_EQ(PointsOf(work), shape) << amount;
    }
  }
}

TEST(SquareStrokeSteps, TheLastPointOfAFullPathHasNoSuccessorToRead) {
  // The path is exactly full: a look past its last point would leave the arrays.
  CStrokeWork work(10);
  FillZigzag(work);
  ASSERT_EQ(work.GetCount(), work.GetCapacity());
  work.SquareStrokeSteps(2, 3, 1);
  EXPECT_EQ(work.m_pPoints[9].x, 90);
  EXPECT_EQ(work.m_pPoints[9].y, 30);
}

TEST(SquareStrokeSteps, StrokeStartsCutTheRunsUnlessModeTwo) {
  // The zigzag cut into two strokes at (30, 30): no run crosses the cut, so nothing is
  // squared; mode 2 reads the strokes as one run of points and squares the first run.
  for (int mode : {0, 2}) {
    CStrokeWork work(16);
    FillZigzag(work);
    work.m_pFlags[3] = 1;
    work.SquareStrokeSteps(mode, 1, 0);
    EXPECT_EQ(work.m_pPoints[2].y, mode == 2 ? 10 : 20) << mode;
  }
}

// Records of one stroke with the given corners and step orders.
std::vector<CStepRecord> Records(const std::vector<CFPoint>& corners, const std::vector<int>& verticalFirst) {
  std::vector<CStepRecord> out(corners.size());
  for (size_t k = 0; k < corners.size(); ++k) {
    out[k].corner = corners[k];
    out[k].index = int(k);
    out[k].verticalFirst = verticalFirst[k];
  }
  out[0].strokeBreak = 1;
  return out;
}

TEST(SquareStepRuns, WideningMovesTheInnerCornersAwayFromTheCornerBefore) {
  struct Case {
    std::string name;
    int amount;
    std::vector<CFPoint> corners;
    std::vector<int> verticalFirst;
    std::vector<CFPoint> moved;
  };
  const Case cases[] = {
      {"amount 1 moves nothing", 1, {{0, 0}, {10, 10}, {20, 5}, {30, 30}}, {0, 0, 1, 0},
       {{0, 0}, {10, 10}, {20, 5}, {30, 30}}},
      {"amount 3: y for level-first, x for upright-first", 3, {{0, 0}, {10, 10}, {20, 5}, {30, 30}}, {0, 0, 1, 0},
       {{0, 0}, {10, 12}, {22, 5}, {30, 30}}},
      {"away from the corner before", 3, {{50, 50}, {40, 40}, {30, 45}, {0, 0}}, {0, 0, 1, 0},
       {{50, 50}, {40, 38}, {28, 45}, {0, 0}}},
      {"level with the corner before: towards smaller values", 3, {{0, 10}, {10, 10}, {10, 20}, {30, 30}},
       {0, 0, 1, 0}, {{0, 10}, {10, 8}, {8, 20}, {30, 30}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CStrokePath path(8);  // every record starts where the last ended: no run to square
    std::vector<CStepRecord> records = Records(c.corners, c.verticalFirst);
    for (CStepRecord& r : records) r.index = 0;
    SquareStepRuns(path, records, int(records.size()), c.amount, 0);
    for (size_t k = 0; k < records.size(); ++k) {
      EXPECT_EQ(records[k].corner.x, c.moved[k].x) << k;
      EXPECT_EQ(records[k].corner.y, c.moved[k].y) << k;
    }
  }
}

TEST(SquareStepRuns, ACornerBeforeAStrokeBreakStays) {
  std::vector<CStepRecord> records = Records({{0, 0}, {10, 10}, {20, 5}, {30, 30}}, {0, 0, 0, 0});
  records[2].strokeBreak = 1;
  CStrokePath path(8);
  for (CStepRecord& r : records) r.index = 0;
  SquareStepRuns(path, records, 4, 3, 0);
  EXPECT_EQ(records[1].corner.y, 10);  // its next record starts another stroke
  EXPECT_EQ(records[2].corner.y, 5);   // it starts one itself
}

TEST(LimitStepShift, AShiftStopsAtTheLineOfAnotherRun) {
  // Corner 1 at c; the run of records 3 and 4 is the only one it is checked against
  // (records 0 to 2 are its neighbours' and its own).
  auto limit = [](CFPoint c, CFPoint a, CFPoint b, int shift, int axis) {
    std::vector<CStepRecord> records(5);
    records[1].corner = c;
    records[3].corner = a;
    records[4].corner = b;
    return LimitStepShift(records, 5, 1, shift, axis);
  };
  const CFPoint o(0, 0);
  EXPECT_EQ(limit(o, {-10, 4}, {10, 4}, 10, 1), 4);     // the level line y = 4
  EXPECT_EQ(limit(o, {-10, 4}, {10, 4}, -10, 1), -10);  // on the other side: no limit
  EXPECT_EQ(limit(o, {-10, 4}, {10, 4}, 3, 1), 3);      // nearer than the line already
  EXPECT_EQ(limit(o, {5, 3}, {5, 7}, 10, 1), 3);        // upright: the nearer end's y
  EXPECT_EQ(limit(o, {5, -7}, {5, 7}, -10, 1), -10);    // a tie takes the second end: +7
  EXPECT_EQ(limit(o, {-6, 10}, {-6, -10}, -10, 0), -6);  // the upright line x = -6
  // A line all but parallel to the shift's axis meets it far beyond the int range: the
  // crossing is held there before it is truncated, and the shift stays.
  for (int shift : {2, -2}) {
    EXPECT_EQ(limit({0, 1}, o, {10, FLT_MIN}, shift, 0), shift);
    EXPECT_EQ(limit({0, -1}, o, {10, FLT_MIN}, shift, 0), shift);
    EXPECT_EQ(limit({1, 0}, o, {FLT_MIN, 10}, shift, 1), shift);
  }
}

}  // namespace
