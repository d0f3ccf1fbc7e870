#include "core/onebit/outline_trace.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/canvas/work_canvas.h"
#include "core/onebit/trace_buffer.h"
#include "platform/gdi/device_context.h"
#include "support/mono_block.h"
#include "support/scoped_work_canvas.h"

namespace {

using tmb::Point;
using tmb::test::MonoBlock;

// Room for n points with their directions and run offsets.
struct Lists {
  explicit Lists(size_t n) : points(n), directions(n), runs(n) {}
  TracePoints Out() { return {points, directions, runs}; }
  std::vector<Point> Stored(int n) const { return {points.begin(), points.begin() + n}; }
  std::vector<Point> points;
  std::vector<uint8_t> directions;
  std::vector<Point> runs;
};

TEST(FollowOutline, AnIsolatedPixelStoresNothingAndIsMarkedVisited) {
  MonoBlock mask({".....", "..#..", "....."});
  MonoBlock visited(mask);
  Lists lists(16);
  EXPECT_EQ(FollowOutline(mask.bitmap, 2, 1, lists.Out(), 1, visited.bitmap, 0), 0);
  EXPECT_FALSE(visited.IsInk(2, 1));
}

TEST(FollowOutline, ARunLimitOfOneLeavesOutEverySecondStepOfAStraightRun) {
  // The border of a 9 x 3 block: clockwise from its top-left pixel.
  MonoBlock mask({"...........", ".#########.", ".#.......#.", ".#########.", "..........."});
  MonoBlock visited(mask);
  Lists lists(64);
  const int n = FollowOutline(mask.bitmap, 1, 1, lists.Out(), 1, visited.bitmap, 0);
  // Each stored point stands for itself and the step after it along its side.
  const std::vector<Point> expected = {{1, 1}, {2, 1}, {4, 1}, {6, 1}, {8, 1}, {9, 2}, {8, 3},
                                       {6, 3}, {4, 3}, {2, 3}, {1, 2}, {1, 1}};
  EXPECT_EQ(lists.Stored(n), expected);
  for (int i = 1; i + 1 < n; ++i) EXPECT_EQ(lists.directions[size_t(i)] % 2, 0) << "steps along the axes " << i;
  EXPECT_EQ(visited.Text(), MonoBlock(std::vector<std::string>(5, "...........")).Text()) << "all of it visited";

  // With a long limit a straight side is one point.
  MonoBlock again(mask);
  EXPECT_EQ(FollowOutline(mask.bitmap, 1, 1, lists.Out(), 100, again.bitmap, 0), 6);
}

// The chain follower takes the first ink neighbour from the east on at every step and
// consumes what it reaches: it walks a line to its end, eastward first at a fork.
TEST(FollowChain, WalksTheChainEastFirstAndConsumesIt) {
  MonoBlock mask({
      "........",
      ".####...",
      "....#...",
      "....#...",
      ".....##.",
      "........",
  });
  Lists lists(32);
  const int n = FollowChain(mask.bitmap, 1, 1, lists.Out(), 100);
  // A stored point stands for the steps of its run after it.
  const std::vector<Point> expected = {{1, 1}, {2, 1}, {4, 2}, {5, 4}, {6, 4}};
  EXPECT_EQ(lists.Stored(n), expected);
  EXPECT_EQ(lists.directions[1], 0) << "east";
  EXPECT_EQ(lists.runs[1], (Point{2, 0}));
  EXPECT_EQ(lists.directions[3], 1) << "south-east";
  EXPECT_EQ(mask.Text(), MonoBlock(std::vector<std::string>(6, "........")).Text()) << "consumed";

  MonoBlock dot({"...", ".#.", "..."});
  EXPECT_EQ(FollowChain(dot.bitmap, 1, 1, lists.Out(), 1), 0);
  EXPECT_FALSE(dot.IsInk(1, 1));
  MonoBlock line({"........", ".######.", "........"});
  Lists small(2);
  EXPECT_EQ(FollowChain(line.bitmap, 1, 1, small.Out(), 1), -1) << "no room";
}

TEST(FollowOutline, TooLittleRoomGivesMinusOne) {
  MonoBlock mask({"......", ".####.", ".#..#.", ".####.", "......"});
  MonoBlock visited(mask);
  Lists lists(3);
  EXPECT_EQ(FollowOutline(mask.bitmap, 1, 1, lists.Out(), 1, visited.bitmap, 0), -1);
}

class TraceImageRegionTest : public ::testing::Test {
 protected:
  tmb::Surface Picture() {
    tmb::Surface s;
    EXPECT_TRUE(s.Create(60, 40, tmb::PixelFormat::kColour32));
    s.Fill(0xFFFFFF);
    return s;
  }
  const CStrokePathLite& Lite() const { return *gTraceBuffer.m_pLite; }
  int Outlines() const {
    int n = 0;
    for (int i = 0; i < Lite().m_nCount; ++i) n += Lite().m_pFlags[i] == 1;
    return n;
  }
  tmb::test::ScopedWorkCanvas canvas{60, 40, 150};
};

TEST_F(TraceImageRegionTest, ARingGivesItsOuterOutlineAndItsHole) {
  tmb::Surface picture = Picture();
  tmb::DeviceContext dc(&picture);
  dc.FillSolidRect({10, 10, 30, 30}, 0x000000);
  dc.FillSolidRect({15, 15, 25, 25}, 0xFFFFFF);
  dc.SetPixel(45, 20, 0x000000);  // a single pixel makes no outline
  const int n = TraceImageRegion(&canvas.screen, &picture, 0, 0, 60, 40);
  EXPECT_GT(n, 8);
  EXPECT_EQ(n, Lite().m_nCount);
  ASSERT_EQ(Outlines(), 2);
  ASSERT_EQ(gTraceBuffer.m_holeFlags.m_nLength, 2);
  EXPECT_EQ(gTraceBuffer.m_holeFlags.At(0), 0);
  EXPECT_EQ(gTraceBuffer.m_holeFlags.At(1), 1);
  for (int i = 0; i < Lite().m_nCount; ++i) {
    const Point p = Lite().m_pPoints[i];
    const bool outer = p.x == 10 || p.x == 29 || p.y == 10 || p.y == 29;
    const bool inner = p.x == 14 || p.x == 25 || p.y == 14 || p.y == 25;
    EXPECT_TRUE(outer || inner) << p.x << "," << p.y;
  }
  // The extended path holds the same points as floats.
  ASSERT_EQ(gTraceBuffer.m_pPath->GetCount(), n);
  EXPECT_EQ(gTraceBuffer.m_pPath->GetPoint(n - 1).RoundToPoint(), Lite().m_pPoints[n - 1]);
  // Each outline closes on its first point.
  const int second = Lite().FindStrokeEnd(0) + 1;
  EXPECT_EQ(Lite().m_pPoints[second - 1], Lite().m_pPoints[0]);
  EXPECT_EQ(Lite().m_pPoints[n - 1], Lite().m_pPoints[second]);
}

TEST_F(TraceImageRegionTest, FullListsKeepWholeOutlinesAndTheirHoleFlags) {
  tmb::Surface picture = Picture();
  tmb::DeviceContext dc(&picture);
  for (int k = 0; k < 6; ++k) dc.FillSolidRect({2 + 9 * k, 5, 8 + 9 * k, 35}, 0x000000);
  EXPECT_EQ(TraceImageRegion(&canvas.screen, &picture, 0, 0, 60, 40), -1);
  const int outlines = Outlines();
  EXPECT_GE(outlines, 1);
  EXPECT_LT(outlines, 6);
  EXPECT_EQ(gTraceBuffer.m_holeFlags.m_nLength, outlines);
  EXPECT_EQ(Lite().m_pPoints[Lite().m_nCount - 1], Lite().m_pPoints[Lite().FindStrokeStart(Lite().m_nCount - 1)]);
}

TEST_F(TraceImageRegionTest, NothingIsTracedOutsideTheRegionOrWithoutAPicture) {
  tmb::Surface picture = Picture();
  tmb::DeviceContext(&picture).FillSolidRect({10, 10, 20, 20}, 0x000000);
  EXPECT_EQ(TraceImageRegion(&canvas.screen, &picture, 30, 0, 60, 40), 0);
  EXPECT_EQ(Lite().m_nCount, 0);
  EXPECT_EQ(TraceImageRegion(&canvas.screen, nullptr, 0, 0, 60, 40), 0);
}

TEST(IsContourStart, APixelWithoutBorderNeighboursStartsNothing) {
  MonoBlock border({".....", "..#..", "....."});
  MonoBlock filled(border);
  EXPECT_FALSE(IsContourStart(2, 1, border.bitmap, filled.bitmap));
  MonoBlock pair({".....", "..##.", "....."});
  EXPECT_TRUE(IsContourStart(2, 1, pair.bitmap, pair.bitmap));
}

}  // namespace
