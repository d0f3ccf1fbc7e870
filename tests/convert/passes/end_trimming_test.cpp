#include "convert/passes/end_trimming.h"

#include <gtest/gtest.h>

#include <vector>

#include "convert/driver/marker_list.h"
#include "core/path/stroke_work.h"
#include "support/path_points.h"

namespace {

using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

class TrimStrokeEndsTest : public ::testing::Test {
 protected:
  void TearDown() override { gMarkers.Clear(); }

  void Load(const Points& points, int p) {
    path.SetCount(0);
    path.m_param[3] = p;
    for (const PathPoint& q : points) path.AddPointUnique(q.x, q.y, q.flag, 1);
  }
  Points Trim(const Points& points, int p, int mode, int expectedResult = 1) {
    Load(points, p);
    EXPECT_EQ(TrimStrokeEnds(path, mode), expectedResult);
    EXPECT_EQ(path.GetCount(), static_cast<int>(points.size()));
    EXPECT_FALSE(gMarkers.IsPosting());
    return PointsOf(path);
  }

  CStrokeWork path{128};
};

// A first stroke from (0, 0) to end in nine even steps (its last five steps cover more
// than half of it: no tail to draw in).
Points FirstStroke(CFPoint end) {
  Points points;
  for (int k = 0; k <= 9; ++k) points.push_back({end.x * float(k) / 9, end.y * float(k) / 9, k == 0 ? 1 : 0});
  return points;
}

TEST_F(TrimStrokeEndsTest, TheStrongFormEntersAFirstLevelStrokeFromTheUpperRight) {
  Points entered = FirstStroke({90, 0});
  entered[0] = {4, -6, 1};
  entered[1] = {2, -3, 0};
  entered[2] = {0, 0, 3};
  entered[3] = {20, 0, 0};  // midway from the old start to point 4
  EXPECT_EQ(Trim(FirstStroke({90, 0}), 30, 1), entered);

  struct Case {
    const char* what;
    CFPoint end;
    int p, mode;
  };
  const Case kept[] = {
      {"mode 0", {90, 0}, 30, 0},
      {"rising by more than one in eight", {90, -13.5f}, 30, 1},
      {"shorter than p over its first eight steps", {90, 0}, 80, 1},
      {"falling more than one in two", {90, 54}, 30, 1},
  };
  for (const Case& c : kept) {
    EXPECT_EQ(Trim(FirstStroke(c.end), c.p, c.mode), FirstStroke(c.end)) << c.what;
  }
  // Rising by one in ten is still nearly level.
  EXPECT_EQ(Trim(FirstStroke({90, -9}), 30, 1)[2].flag, 3);
  // A first stroke of one point: nothing else is trimmed either.
  const Points dot = {{50, 50, 1}, {0, 0, 1}, {5, -5}, {10, 0, 25}, {10, 10}, {10, 20}};
  EXPECT_EQ(Trim(dot, 30, 1, 0), dot);
}

// A hook up to the right before a start turn (25) at (10, 0), 10 from the segment's start,
// then down.
TEST_F(TrimStrokeEndsTest, AStartTurnCloseToItsSegmentStartFlattensTheHook) {
  const Points hook = {{0, 0, 1}, {5, -5}, {10, 0, 25}, {10, 10}, {10, 20}, {10, 30}, {10, 40}};
  Points flat = hook;
  flat[0] = {10, 0, 1};
  flat[1] = {10, 10.0f / 3, 0};
  flat[2] = {10, 20.0f / 3, 0};
  struct Case {
    const char* what;
    int p, mode;
    bool flattened;
  };
  const Case cases[] = {
      {"within p / 2", 30, 0, true},
      {"at p / 2", 20, 0, false},
      {"beyond p / 8 in the strong form", 30, 1, false},
      {"within p / 8 in the strong form", 90, 1, true},
      {"p = 0", 0, 0, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Points trimmed = Trim(hook, c.p, c.mode);
    ASSERT_EQ(trimmed.size(), flat.size());
    for (size_t i = 0; i < flat.size(); ++i) {
      const PathPoint& want = c.flattened ? flat[i] : hook[i];
      EXPECT_NEAR(trimmed[i].x, want.x, 1e-5) << i;
      EXPECT_NEAR(trimmed[i].y, want.y, 1e-5) << i;
      EXPECT_EQ(trimmed[i].flag, want.flag) << i;
    }
  }
}

// The segment is the one selected at the last stroke start: a code on its last point
// works with the point after it, and a code past it is used up without moving a point.
TEST_F(TrimStrokeEndsTest, CodesOnTheSegmentsLastPointAndPastItAreUsedUp) {
  struct Case {
    const char* what;
    Points points, trimmed;
  };
  const float third = 10.0f / 3;
  const Case cases[] = {
      {"a start turn before a section break, flattened toward the next section",
       {{0, 0, 1}, {5, -5}, {10, 0, 25}, {10, 10, 2}, {10, 20}, {10, 30}},
       {{10, 0, 1}, {10, third}, {10, 2 * third}, {10, 10, 2}, {10, 20}, {10, 30}}},
      {"a start turn on a stroke's last point, flattened toward the next stroke",
       {{0, 0, 1}, {5, -5}, {10, 0, 25}, {10, 10, 1}, {10, 20}, {10, 30}},
       {{10, 0, 1}, {10, third}, {10, 2 * third}, {10, 10, 1}, {10, 20}, {10, 30}}},
      {"a turning point in the section after the segment, cleared in place",
       {{0, 0, 1}, {45, 0}, {90, 0}, {90, 5, 2}, {90, 10}, {92, 12, 21}, {95, 15}},
       {{0, 0, 1}, {45, 0}, {90, 0}, {90, 5, 2}, {90, 10}, {92, 12}, {95, 15}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    const Points trimmed = Trim(c.points, 30, 0);
    ASSERT_EQ(trimmed.size(), c.trimmed.size());
    for (size_t i = 0; i < trimmed.size(); ++i) {
      EXPECT_NEAR(trimmed[i].x, c.trimmed[i].x, 1e-5) << i;
      EXPECT_NEAR(trimmed[i].y, c.trimmed[i].y, 1e-5) << i;
      EXPECT_EQ(trimmed[i].flag, c.trimmed[i].flag) << i;
    }
  }
}

TEST_F(TrimStrokeEndsTest, TheFlourishAfterATurnNearTheEndIsCut) {
  struct Case {
    const char* what;
    Points points;
    int p;
    Points trimmed;  // empty: unchanged
  };
  const Points cut = {{0, 0, 1}, {45, 0}, {60, 0}, {75, 0}, {90, 0}};
  const Case cases[] = {
      {"a 21 within p / 2 of the end", {{0, 0, 1}, {45, 0}, {90, 0, 21}, {95, 5}, {100, 10}}, 30, cut},
      {"a 26 within p / 2 of the end", {{0, 0, 1}, {45, 0}, {90, 0, 26}, {95, 5}, {100, 10}}, 30, cut},
      {"a 21 beyond p / 2 of the end", {{0, 0, 1}, {45, 0}, {90, 0, 21}, {100, 10}, {110, 20}}, 30, {}},
      {"a 21 with p = 0", {{0, 0, 1}, {45, 0}, {90, 0, 21}, {95, 5}, {100, 10}}, 0, {}},
      {"a corner within p whose stroke comes back near its end",
       {{0, 0, 1}, {40, 0}, {80, 0}, {100, 0, 3}, {84, 4}, {76, 6}},
       30,
       {{0, 0, 1}, {40, 0}, {80, 0}, {86.666664f, 0}, {93.333336f, 0}, {100, 0}}},
      {"a corner within p whose stroke does not come back", {{0, 0, 1}, {40, 0}, {80, 0}, {100, 0, 3}, {84, 14}, {76, 16}},
       30, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    EXPECT_EQ(Trim(c.points, c.p, 0), c.trimmed.empty() ? c.points : c.trimmed);
  }
}

TEST_F(TrimStrokeEndsTest, ALongRunWhoseLastFiveStepsAreShortDrawsThemTogether) {
  Points slowing = {{0, 0, 1}, {20, 0}, {40, 0}, {60, 0}, {80, 0}, {100, 0}};
  for (float x : {102, 104, 106, 108, 110}) slowing.push_back({x, 0});
  Points drawnIn = slowing;
  for (int k = 1; k <= 5; ++k) drawnIn[size_t(5 + k)].x = 100 + 0.4f * k;
  const Points trimmed = Trim(slowing, 30, 0);
  for (size_t i = 0; i < drawnIn.size(); ++i) EXPECT_NEAR(trimmed[i].x, drawnIn[i].x, 1e-4) << i;
  // Five steps covering half the chord stay; a run of five points has no fifth step back.
  EXPECT_EQ(Trim(FirstStroke({90, 0}), 30, 0), FirstStroke({90, 0}));
  const Points five = {{500, 0, 1}, {103, 0}, {0, 0, 1}, {60, 0}, {100, 0}, {102, 0}, {104, 0}};
  EXPECT_EQ(Trim(five, 30, 0), five);
}

TEST_F(TrimStrokeEndsTest, DoubledPointsAreSmoothedAway) {
  struct Case {
    const char* what;
    Points points, trimmed;
  };
  const Case cases[] = {
      {"inside a stroke", {{0, 0, 1}, {10, 0}, {10, 0}, {20, 0}, {30, 0}},
       {{0, 0, 1}, {10, 0}, {15, 0}, {20, 0}, {30, 0}}},
      {"at the path's end", {{0, 0, 1}, {10, 0}, {20, 0}, {20, 0}}, {{0, 0, 1}, {10, 0}, {15, 0}, {20, 0}}},
      {"at a section's end", {{0, 0, 1}, {10, 0}, {20, 0}, {20, 0}, {50, 50, 2}, {60, 50}},
       {{0, 0, 1}, {10, 0}, {15, 0}, {20, 0}, {50, 50, 2}, {60, 50}}},
      {"a stroke of one point twice", {{0, 0, 1}, {10, 0}, {5, 5, 1}, {5, 5}}, {}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Trim(c.points, 30, 0), c.trimmed.empty() ? c.points : c.trimmed) << c.what;
  }
}

// A start turn on the path's last point has no step on to flatten it toward (the cut of
// its stroke's end then uses it up): what lies past the count changes nothing, whether the
// turn lies beyond p / 2 of its segment's start or within it.
TEST_F(TrimStrokeEndsTest, NothingPastTheCountIsRead) {
  struct Case {
    const char* what;
    Points points, trimmed;
  };
  const Case cases[] = {
      {"beyond p / 2, after a turning point",
       {{0, 0, 1}, {45, 0}, {90, 0, 21}, {95, 5}, {100, 10, 25}},
       {{0, 0, 1}, {45, 0}, {60, 0}, {75, 0}, {90, 0}}},
      {"within p / 2", {{0, 0, 1}, {5, -5}, {10, 0, 25}}, {{0, 0, 1}, {5, -5}, {10, 0}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    for (uint8_t poison : {0, 1, 2}) {
      Load(c.points, 30);
      for (int i = path.GetCount(); i < path.GetCapacity(); ++i) {
        path.m_pFlags[i] = poison;
        path.m_pPoints[i] = CFPoint(100, 100);
      }
      EXPECT_EQ(TrimStrokeEnds(path, 0), 1);
      EXPECT_EQ(PointsOf(path), c.trimmed) << int(poison);
    }
    // A path with no room past its points: the sanitizer build sees any read beyond them.
    CStrokeWork full(int(c.points.size()));
    full.m_param[3] = 30;
    for (const PathPoint& q : c.points) full.AddPointUnique(q.x, q.y, q.flag, 1);
    ASSERT_EQ(full.GetCount(), full.GetCapacity());
    EXPECT_EQ(TrimStrokeEnds(full, 0), 1);
    EXPECT_EQ(PointsOf(full), c.trimmed);
  }
}

}  // namespace
