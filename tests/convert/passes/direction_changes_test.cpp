#include "convert/passes/direction_changes.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <utility>
#include <vector>

#include "convert/driver/marker_list.h"
#include "core/path/stroke_path.h"

namespace {

// A stroke from (x, y) by the steps given, each step count times.
void AddSteps(CStrokePath& path, float x, float y, std::initializer_list<std::pair<CFPoint, int>> runs) {
  path.AddPointUnique(x, y, 1, 1);
  for (const auto& [step, count] : runs) {
    for (int k = 0; k < count; ++k) {
      x += step.x;
      y += step.y;
      path.AddPointUnique(x, y, 0, 1);
    }
  }
}

std::vector<int> FlaggedThree(const CStrokePath& path) {
  std::vector<int> out;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] == kFlagDirectionChange) out.push_back(i);
  }
  return out;
}

TEST(MarkDirectionChanges, AnLStrokeIsMarkedAtItsCornerOnlyAndOldMarksGo) {
  CStrokePath path(64);
  AddSteps(path, 0, 0, {{{0, 1}, 20}, {{1, 0}, 20}});
  path.m_pFlags[5] = 3;
  path.m_pFlags[30] = 3;
  gMarkers.EnablePosting(1);
  EXPECT_EQ(MarkDirectionChanges(path), 1);
  EXPECT_EQ(FlaggedThree(path), (std::vector<int>{20}));
  EXPECT_EQ(path.m_pFlags[0], 1);
  EXPECT_FALSE(gMarkers.IsPosting());
  gMarkers.Clear();
}

TEST(MarkDirectionChanges, AGentleBendAcrossTheDiagonalStaysUnmarkedASharpOneIsMarked) {
  struct Case {
    CFPoint after;
    std::vector<int> marked;
  } cases[] = {
      {{1, 1}, {}},     // rightwards, then down to the right at 45 degrees: 135 degrees at the bend
      {{0, 1}, {10}},   // rightwards, then straight down
      {{-1, 1}, {10}},  // rightwards, then back down to the left
  };
  for (const Case& c : cases) {
    CStrokePath path(64);
    AddSteps(path, 0, 0, {{{1, 0}, 10}, {c.after, 10}});
    MarkDirectionChanges(path);
    EXPECT_EQ(FlaggedThree(path), c.marked) << c.after.x << "," << c.after.y;
  }
}

TEST(MarkDirectionChanges, AStrokeJustUnderTheDiagonalIsNotMarked) {
  // The rounding of a stroke a little flatter than 45 degrees: its steps change side of
  // the diagonal at every level one, but the way goes straight on.
  CStrokePath path(64);
  AddSteps(path, 0, 0, {{{1, 1}, 3}, {{1, 0}, 1}, {{1, 1}, 3}, {{1, 0}, 1}, {{1, 1}, 3}, {{1, 0}, 1}, {{1, 1}, 3}});
  MarkDirectionChanges(path);
  EXPECT_TRUE(FlaggedThree(path).empty());
}

TEST(MarkDirectionChanges, TheLastTwoPointsAreNotMarkedAndAStillPenLiesBelowTheDiagonal) {
  CStrokePath path(64);
  // A turn down at the second-to-last point.
  AddSteps(path, 0, 0, {{{1, 0}, 10}, {{0, 1}, 1}});
  // Repeated points at a stroke's start and end, and between two runs to the right: a step
  // of no length counts as one below the diagonal, so the way changes side where the pen
  // moves on to the right (15, 22) and where it stops (20, 27).
  const int second = path.GetCount();
  AddSteps(path, 0, 50, {{{0, 0}, 3}, {{1, 0}, 5}, {{0, 0}, 2}, {{1, 0}, 5}, {{0, 0}, 3}});
  // A stroke's last point keeps a flag other than 3.
  AddSteps(path, 0, 80, {{{0, 1}, 5}, {{1, 0}, 5}});
  const int third = path.GetCount() - 11;
  path.m_pFlags[third + 10] = 22;
  MarkDirectionChanges(path);
  EXPECT_EQ(FlaggedThree(path), (std::vector<int>{second + 3, second + 8, second + 10, second + 15, third + 5}));
  EXPECT_EQ(path.m_pFlags[third + 10], 22);

  // A stroke that comes down to a still pen changes nothing: its steps already lie below.
  CStrokePath down(16);
  AddSteps(down, 0, 0, {{{0, 1}, 5}, {{0, 0}, 3}, {{0, 1}, 5}});
  MarkDirectionChanges(down);
  EXPECT_TRUE(FlaggedThree(down).empty());
}

}  // namespace
