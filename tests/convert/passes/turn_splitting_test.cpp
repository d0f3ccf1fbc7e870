#include "convert/passes/turn_splitting.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

#include "core/path/stroke_work.h"
#include "support/path_points.h"
#include "support/reference_copy.h"

namespace {

using tmb::test::MakeReference;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

std::map<int, int> Codes(const CStrokePath& path) { return tmb::test::FlagCodes(path); }

std::map<int, int> Codes(const Points& points) {
  std::map<int, int> codes;
  for (size_t i = 0; i < points.size(); ++i) {
    if (points[i].flag != 0) codes[int(i)] = points[i].flag;
  }
  return codes;
}

// A vertical stroke down to point 10, flagged corner, hooking through the four points of
// hook, then going on to the right.
Points VerticalHook(int corner, const std::vector<CFPoint>& hook) {
  Points points;
  for (int k = 0; k <= 10; ++k) points.push_back({100, float(10 * k), k == 0 ? 1 : 0});
  points.back().flag = corner;
  for (const CFPoint& h : hook) points.push_back({h.x, h.y, 0});
  points.push_back({85, 80, 0});
  points.push_back({90, 80, 0});
  return points;
}

const std::vector<CFPoint> kUpLeft = {{95, 95}, {90, 90}, {85, 85}, {80, 80}};

// A level run to a corner (point 6), a short climb back, a rise through middle to the
// right into a run opened by a code (point 11) that the stroke of the reference goes on
// into.
Points Rise(CFPoint middle) {
  return {{0, 100, 1},          {10, 100}, {20, 100}, {30, 100},   {40, 100}, {50, 100}, {60, 100, 3}, {58, 90},
          {middle.x, middle.y}, {70, 70},  {80, 65},  {90, 65, 3}, {100, 65}, {110, 65}};
}

class SplitTurnsTest : public ::testing::Test {
 protected:
  void Load(const Points& points, int p) {
    path.SetCount(0);
    for (const PathPoint& q : points) path.AddPointUnique(q.x, q.y, q.flag, 1);
    path.m_param[3] = p;
    MakeReference(path, ref);
  }
  // Splits the turns with the reference as it is; the positions must not change.
  std::map<int, int> Split() {
    const auto before = PointsOf(path);
    EXPECT_EQ(SplitTurns(path, ref), 1);
    const auto after = PointsOf(path);
    for (size_t i = 0; i < after.size(); ++i) {
      EXPECT_EQ(after[i].x, before[i].x) << i;
      EXPECT_EQ(after[i].y, before[i].y) << i;
    }
    return Codes(path);
  }
  std::map<int, int> Split(const Points& points, int p) {
    Load(points, p);
    return Split();
  }
  CStrokeWork path{64};
  CStrokeWork ref{64};
};

TEST_F(SplitTurnsTest, AVerticalStrokeHookingUpLeftIsWrittenInTwoMovements) {
  // 'B' on the point before the turn, 'C' where the hook ends; the corner goes.
  EXPECT_EQ(Split(VerticalHook(3, kUpLeft), 30), (std::map<int, int>{{0, 1}, {9, 'B'}, {14, 'C'}}));
}

TEST_F(SplitTurnsTest, TurnsThatAreNoSecondMovementStay) {
  struct Case {
    const char* what;
    Points points;
    int p;
  };
  const Case cases[] = {
      {"flags 0 and 1 only", VerticalHook(0, kUpLeft), 30},
      {"a stroke not longer than p", VerticalHook(3, kUpLeft), 82},  // 81.4 to its next-to-last point
      {"a turn more than 4 times as wide as high", VerticalHook(3, {{90, 99}, {80, 98}, {70, 97}, {60, 96}}), 30},
      {"a turn down and to the left", VerticalHook(3, {{95, 105}, {90, 110}, {85, 115}, {80, 120}}), 30},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Split(c.points, c.p), Codes(c.points));
  }
  EXPECT_EQ(Split(VerticalHook(3, kUpLeft), 81).size(), 3u);  // just longer than p
}

TEST_F(SplitTurnsTest, ARiseIntoALinkIsSplitOnlyWhenItBulgesUpwards) {
  struct Case {
    const char* what;
    CFPoint middle;
    std::map<int, int> codes;
  };
  const Case cases[] = {
      {"bulging upwards", {60, 80}, {{0, 1}, {5, 'B'}, {7, 'C'}, {11, 'E'}}},
      {"its middle below the chord", {70, 95}, {{0, 1}, {6, 3}, {11, 3}}},
      {"bulging less than an eighth of the chord", {70, 80}, {{0, 1}, {6, 3}, {11, 3}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Split(Rise(c.middle), 30), c.codes);
  }
}

TEST_F(SplitTurnsTest, ARiseIntoARunTheReferenceEndsBeforeIsNoLink) {
  Load(Rise({60, 80}), 30);
  ref.m_pFlags[11] = 1;  // the old next stroke starts there: the run was not joined on
  // Only the climb up and to the left after the corner is left: a turn of the first kind.
  EXPECT_EQ(Split(), (std::map<int, int>{{0, 1}, {5, 'B'}, {7, 'C'}, {11, 3}}));
}

// A stroke drawn upwards into its turn: the walk back reaches the stroke's start, which
// keeps its flag. 'B' goes on the point before it, the last point of the stroke before;
// the path's first stroke has no point before it and gets no 'B'.
TEST_F(SplitTurnsTest, AStrokeDrawnUpIntoItsTurnKeepsItsStart) {
  const Points upward = {{100, 100, 1}, {99, 90}, {98, 80}, {97, 70}, {96, 60}, {95, 50, 3},
                         {90, 45},      {85, 40}, {80, 35}, {90, 35}, {100, 35}};
  EXPECT_EQ(Split(upward, 30), (std::map<int, int>{{0, 1}, {8, 'C'}}));

  Points second = {{0, 0, 1}, {0, 50}, {0, 100}};
  second.insert(second.end(), upward.begin(), upward.end());
  EXPECT_EQ(Split(second, 30), (std::map<int, int>{{0, 1}, {2, 'B'}, {3, 1}, {11, 'C'}}));
  // A stroke of one point before it stays a stroke.
  Points afterDot = {{0, 0, 1}};
  afterDot.insert(afterDot.end(), upward.begin(), upward.end());
  EXPECT_EQ(Split(afterDot, 30), (std::map<int, int>{{0, 1}, {1, 1}, {9, 'C'}}));
}

// A code on the last point of a segment has no turn after it in its segment: the next
// stroke's start, up and to the left of it, stays a start.
TEST_F(SplitTurnsTest, ACodeOnASegmentsLastPointStartsNoTurn) {
  const Points points = {{0, 0, 1},   {20, 0},      {40, 0},   {60, 0},  {80, 0},
                         {100, 0, 3}, {90, -10, 1}, {80, -20}, {70, -30}};
  EXPECT_EQ(Split(points, 30), Codes(points));
}

}  // namespace
