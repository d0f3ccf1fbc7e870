#include "convert/passes/corner_loop_removal.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/path/stroke_work.h"
#include "support/path_points.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::AddPolyline;
using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;

constexpr int kFirstCorner = 10;  // (100, 0), the end of a level run from (0, 0)

// A level stroke to (100, 0), a corner there, a spur whose last point is the second
// corner, and then the way on: points 10 apart towards onEnd.
CStrokeWork& Build(CStrokeWork& path, int p, std::vector<CFPoint> spur, CFPoint onEnd) {
  path.SetCount(0);
  path.m_param[3] = p;
  AddPolyline(path, {{0, 0}, {100, 0}}, 10);
  path.m_pFlags[kFirstCorner] = 3;
  for (const CFPoint& s : spur) path.AddPointUnique(s.x, s.y, 0, 1);
  path.m_pFlags[path.GetCount() - 1] = 3;
  const CFPoint from = path.m_pPoints[kFirstCorner];
  for (int k = 1; k <= 10; ++k) {
    path.AddPointUnique(from.x + (onEnd.x - from.x) * k / 10, from.y + (onEnd.y - from.y) * k / 10, 0, 1);
  }
  return path;
}

TEST(RemoveCornerLoops, ASmallBackHookOnALevelStrokeCollapsesOntoItsFirstCorner) {
  CStrokeWork path(64);
  Fill(path, {{0, 0, 1}, {10, 0},  {20, 0},     {30, 0},  {40, 0},     {50, 0},  {60, 0},  {70, 0},
              {80, 0},   {90, 0},  {100, 0, 3}, {97, -3}, {94, -1, 3}, {103, 0}, {110, 0}, {120, 0},
              {130, 0},  {140, 0}, {150, 0},    {160, 0}, {170, 0},    {180, 0}, {190, 0}, {200, 0}});
  path.m_param[3] = 30;
  EXPECT_EQ(RemoveCornerLoops(path), 1);
  const auto after = PointsOf(path);
  // The spur went onto the corner before the smoothing: nothing is left off the line.
  for (int i = 0; i < path.GetCount(); ++i) {
    EXPECT_EQ(after[i].y, 0) << i;
    EXPECT_EQ(after[i].flag, i == 0 ? 1 : 0) << i;
    if (i > 0) {
      EXPECT_GE(after[i].x, after[i - 1].x) << i;
    }
  }
  EXPECT_EQ(after.front().x, 0);
  EXPECT_EQ(after.back().x, 200);
}

TEST(RemoveCornerLoops, OnlyAShortExcursionTheStrokeComesBackFromCollapses) {
  const std::vector<CFPoint> back = {{97, -3}, {94, -1}};   // n 37 squared away, nearer to the start
  const std::vector<CFPoint> up = {{99.5f, -3}, {99, -6}};  // turns 80 degrees at the first corner
  struct Case {
    const char* what;
    int p;
    std::vector<CFPoint> spur;
    CFPoint onEnd;
    bool collapsed;
  };
  const Case cases[] = {
      {"a back-hook", 30, back, {200, 0}, true},
      {"corners more than p / 2 apart", 12, back, {200, 0}, false},
      {"corners less than p / 2 apart", 14, back, {200, 0}, true},
      {"a way on turning by 45 degrees (t3 135)", 30, back, {200, 100}, false},
      {"a spur straight on (t3 180)", 30, up, {200, 0}, true},
      {"a spur and a turn of 20 degrees (t3 160)", 30, up, {200, 36.4f}, false},
      {"a spur and a turn of 10 degrees (t3 170)", 30, up, {200, 17.6f}, true},
      {"a spur ending farther from the start than the corner", 30, {{103, -3}, {106, -1}}, {200, 0}, false},
  };
  CStrokeWork path(64);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Build(path, c.p, c.spur, c.onEnd);
    const int second = kFirstCorner + static_cast<int>(c.spur.size());
    const auto before = PointsOf(path);
    RemoveCornerLoops(path);
    if (c.collapsed) {
      EXPECT_EQ(path.m_pFlags[kFirstCorner], 0);
      EXPECT_EQ(path.m_pFlags[second], 0);
    } else {
      EXPECT_EQ(PointsOf(path), before);
    }
  }
}

TEST(RemoveCornerLoops, CornersOnOneSpotCountOnce) {
  struct Case {
    CFPoint second;
    int firstFlag;
  };
  const Case cases[] = {{{100.5f, 0.5f}, 0}, {{101, 0}, 0}, {{100, 1}, 0}, {{101, 0.1f}, 3}};
  CStrokeWork path(64);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.second.x + c.second.y);
    path.SetCount(0);
    path.m_param[3] = 30;
    Fill(path, {{0, 0, 1}, {50, 0}, {100, 0, 3}, {c.second.x, c.second.y, 3}, {100, 50}, {100, 100}});
    auto expected = PointsOf(path);
    expected[2].flag = c.firstFlag;
    RemoveCornerLoops(path);
    EXPECT_EQ(PointsOf(path), expected);
  }
}

// The slot after the last point holds what an earlier, longer path left there: a corner on
// the last corner's spot.
TEST(RemoveCornerLoops, ACornerInTheLastRunHasNoPartnerPastTheEnd) {
  CStrokeWork path(64);
  path.m_param[3] = 30;
  Fill(path, {{0, 0, 1}, {50, 0}, {100, 0, 3}, {97, -3}, {94, -1, 3}, {150, 0}});
  path.SetCount(4);
  path.m_pPoints[4] = CFPoint(100, 0);
  const auto before = PointsOf(path);
  RemoveCornerLoops(path);
  EXPECT_EQ(PointsOf(path), before);
}

}  // namespace
