#include "convert/analysis/loop_marks.h"

#include <gtest/gtest.h>

#include <vector>

#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

// A stroke written right to left that turns up, right and down through its own first
// leg: 80..20 along y = 50 (points 0 to 12), up x = 20 (13 to 20), right along y = 10
// (21 to 27), down x = 52 (28 to 43), crossing the first leg between points 5 and 6.
void AddLoop(CStrokePath& path, float mirror = 1) {
  auto add = [&](float x, float y) { path.AddPointUnique(x * mirror, y, path.GetCount() == 0 ? 1 : 0, 1); };
  for (int x = 80; x >= 20; x -= 5) add(float(x), 50);
  for (int y = 45; y >= 10; y -= 5) add(20, float(y));
  for (int x = 25; x <= 50; x += 5) add(float(x), 10);
  add(52, 10);
  for (int y = 12; y <= 87; y += 5) add(52, float(y));
}

std::vector<int> MarkedPoints(const CStrokePath& path) {
  std::vector<int> marked;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] == kFlagLoopEntry || path.m_pFlags[i] == kFlagLoopExit) marked.push_back(i);
  }
  return marked;
}

TEST(LoopMarks, ALoopGetsItsEntryAndExitMarked) {
  CStrokePath path(100);
  AddLoop(path);
  ASSERT_EQ(path.GetCount(), 44);
  const auto before = tmb::test::PointsOf(path);
  EXPECT_EQ(FlagStrokeLoops(path), 1);
  EXPECT_EQ(MarkedPoints(path), (std::vector<int>{5, 35}));
  EXPECT_EQ(path.m_pFlags[5], kFlagLoopEntry);
  EXPECT_EQ(path.m_pFlags[35], kFlagLoopExit);
  EXPECT_EQ(path.m_pFlags[0], 1);
  for (int i = 0; i < path.GetCount(); ++i) EXPECT_EQ(path.m_pPoints[i], (CFPoint{before[i].x, before[i].y}));
}

TEST(LoopMarks, CornersNeitherStartNorEndASection) {
  CStrokePath path(100);
  AddLoop(path);
  path.m_pFlags[20] = CStrokePath::kFlagSelection;  // a corner inside the loop
  FlagStrokeLoops(path);
  EXPECT_EQ(MarkedPoints(path), (std::vector<int>{5, 35}));
  // A path whose only flag is a corner has no section to look at.
  path.SetCount(0);
  AddLoop(path);
  path.m_pFlags[0] = CStrokePath::kFlagSelection;
  FlagStrokeLoops(path);
  EXPECT_TRUE(MarkedPoints(path).empty());
}

TEST(LoopMarks, LoopsThatDoNotQualifyAndPlainStrokesStayUnmarked) {
  CStrokePath mirrored(100);
  AddLoop(mirrored, -1);  // its first leg runs left of the loop's middle
  FlagStrokeLoops(mirrored);
  EXPECT_TRUE(MarkedPoints(mirrored).empty());

  CStrokePath straight(100);
  for (int k = 0; k < 40; ++k) straight.AddPointUnique(float(k * 3), float(k), k == 0 ? 1 : 0, 1);
  FlagStrokeLoops(straight);
  EXPECT_TRUE(MarkedPoints(straight).empty());

  CStrokePath shortLoop(100);  // a crossing within eight points is not looked at
  tmb::test::Fill(shortLoop, {{10, 10, 1}, {0, 10, 0}, {0, 0, 0}, {5, 0, 0}, {5, 20, 0}, {5, 30, 0}, {5, 40, 0}});
  FlagStrokeLoops(shortLoop);
  EXPECT_TRUE(MarkedPoints(shortLoop).empty());

  CStrokePath empty(10);
  EXPECT_EQ(FlagStrokeLoops(empty), 1);
}

}  // namespace
