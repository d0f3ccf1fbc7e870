#include "imageedit/vectorise/skeleton_trace.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "core/onebit/one_pixel_lines.h"
#include "core/onebit/staircase.h"
#include "core/onebit/thinning.h"
#include "support/mono_block.h"
#include "support/path_points.h"
#include "support/scoped_work_canvas.h"

namespace {

using tmb::test::StrokeRanges;

using tmb::Point;
using tmb::test::MonoBlock;

class TraceSkeletonTest : public ::testing::Test {
 protected:
  int Trace(MonoBlock& block) {
    return TraceSkeleton(*path, block.bitmap, 0, 0, block.bitmap.m_width, block.bitmap.m_height);
  }
  tmb::test::ScopedWorkCanvas canvas{64, 64};
  std::unique_ptr<CStrokePath> path = std::make_unique<CStrokePath>(2000);
};

TEST_F(TraceSkeletonTest, AnIsolatedPixelGivesNoStroke) {
  MonoBlock block({".....", "..#..", "....."});
  EXPECT_EQ(Trace(block), 0);
  EXPECT_EQ(path->GetCount(), 0);
}

TEST_F(TraceSkeletonTest, TheBranchesOfAForkMeetAtTheJunction) {
  MonoBlock block({
      "...........",
      ".#.......#.",
      "..#.....#..",
      "...#...#...",
      "....#.#....",
      ".....#.....",
      ".....#.....",
      ".....#.....",
      ".....#.....",
      "...........",
  });
  EXPECT_EQ(Trace(block), 3);
  const auto starts = StrokeRanges(*path);
  ASSERT_EQ(starts.size(), 3u);
  for (const auto& [s, e] : starts) {
    const bool atJunction = path->GetPoint(s).RoundToPoint() == Point{5, 5} || path->GetPoint(e).RoundToPoint() == Point{5, 5};
    EXPECT_TRUE(atJunction) << "stroke from " << s;
    EXPECT_EQ(path->GetFlag(s), 1);
  }
  EXPECT_EQ(block.Text(), MonoBlock(std::vector<std::string>(10, "...........")).Text()) << "the skeleton is consumed";
}

TEST_F(TraceSkeletonTest, ARingIsOneStrokeOfFlagTwoClosingOnItsStart) {
  MonoBlock block({
      "..........",
      "...####...",
      "..#....#..",
      ".#......#.",
      ".#......#.",
      "..#....#..",
      "...####...",
      "..........",
  });
  EXPECT_EQ(Trace(block), 1);
  ASSERT_GT(path->GetCount(), 16);
  EXPECT_EQ(path->GetFlag(0), 2);
  EXPECT_EQ(StrokeRanges(*path).size(), 1u);
  EXPECT_EQ(path->GetPoint(0).RoundToPoint(), path->GetLastPoint().RoundToPoint());
  EXPECT_EQ(path->GetCount(), 17) << "every pixel once, the first again at the end";
}

// A walk goes on while the pixel it stands on has exactly one ink neighbour: at a fork
// it stops, leaving the fork's arms, and it stores its start only once.
TEST(FollowSkeletonLine, StopsWhereAPixelHasMoreThanOneInkNeighbour) {
  MonoBlock block({
      "........",
      "......#.",
      ".#####..",
      "......#.",
      "........",
  });
  std::vector<Point> out(16);
  const int n = FollowSkeletonLine(block.bitmap, 1, 2, out, {});
  EXPECT_EQ(std::vector<Point>(out.begin(), out.begin() + n), (std::vector<Point>{{1, 2}, {2, 2}, {3, 2}, {4, 2}, {5, 2}}));
  EXPECT_TRUE(block.IsInk(6, 1));
  EXPECT_TRUE(block.IsInk(6, 3));
  EXPECT_FALSE(block.IsInk(5, 2)) << "the pixel it stopped on is taken";
}

TEST_F(TraceSkeletonTest, AFullPathKeepsWholeBranches) {
  MonoBlock block(64, 40);
  for (int y = 4; y < 40; y += 6) {
    for (int x = 2; x < 60; ++x) block.Ink(x, y);
  }
  path = std::make_unique<CStrokePath>(150);
  EXPECT_EQ(Trace(block), -1);
  const auto starts = StrokeRanges(*path);
  EXPECT_EQ(starts.size(), 2u);
  EXPECT_EQ(path->GetCount(), 2 * 58);
}

// A path filled exactly by its first branches has no room at all for the next: that one
// is refused without being read from the empty room.
TEST_F(TraceSkeletonTest, APathFilledExactlyRefusesTheNextBranch) {
  for (int capacity : {58, 2 * 58}) {
    SCOPED_TRACE(capacity);
    MonoBlock block(64, 20);
    for (int y = 4; y < 20; y += 6) {
      for (int x = 2; x < 60; ++x) block.Ink(x, y);
    }
    path = std::make_unique<CStrokePath>(capacity);
    EXPECT_EQ(Trace(block), -1);
    EXPECT_EQ(StrokeRanges(*path).size(), size_t(capacity / 58));
    EXPECT_EQ(path->GetCount(), capacity);
  }
  MonoBlock line({"......", ".####.", "......"});
  EXPECT_EQ(FollowSkeletonLine(line.bitmap, 1, 1, {}, {}), -1) << "no room";
}

// A band thinned as the vectoriser thins it, with the number of branches its skeleton
// gives.
int Branches(MonoBlock& block) {
  ThinMask(block.bitmap);
  ThinToOnePixel(block.bitmap);
  RemoveStaircasePixels(block.bitmap, 0, 0, block.bitmap.m_width, block.bitmap.m_height);
  CStrokePath path(20000);
  return TraceSkeleton(path, block.bitmap, 0, 0, block.bitmap.m_width, block.bitmap.m_height);
}

TEST_F(TraceSkeletonTest, ThinnedBandsAreOneBranch) {
  // Two pixels wide on the diagonal: left as it was, thinning cuts it into dots.
  MonoBlock diagonal(40, 40);
  for (int k = 2; k < 36; ++k) {
    diagonal.Ink(k, k);
    diagonal.Ink(k + 1, k);
  }
  EXPECT_EQ(Branches(diagonal), 1);

  // A quarter ring 24 pixels wide.
  MonoBlock curve(200, 200);
  for (int y = 0; y < 200; ++y) {
    for (int x = 0; x < 200; ++x) {
      const double r = std::hypot(x - 10.0, y - 10.0);
      if (r >= 140 && r < 164 && x > 12 && y > 12) curve.Ink(x, y);
    }
  }
  EXPECT_EQ(Branches(curve), 1);
}

TEST(ThinToOnePixel, LeavesLinesOnePixelWideAndKeepsTheirEnds) {
  MonoBlock band({
      "............",
      ".##########.",
      ".##########.",
      "............",
  });
  ThinToOnePixel(band.bitmap);
  int ink = 0;
  for (int x = 0; x < 12; ++x) {
    const int column = band.IsInk(x, 1) + band.IsInk(x, 2);
    EXPECT_LE(column, 1) << x;
    ink += column;
  }
  EXPECT_GE(ink, 9) << band.Text();
  MonoBlock line({"......", ".####.", "......"});
  EXPECT_EQ(ThinToOnePixel(line.bitmap), 0);
}

}  // namespace
