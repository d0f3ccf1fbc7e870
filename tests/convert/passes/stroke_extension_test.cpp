#include "convert/passes/stroke_extension.h"

#include <gtest/gtest.h>

#include <vector>

#include "convert/driver/analysis_overlay.h"
#include "core/path/stroke_work.h"
#include "support/path_points.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::AddPolyline;
using tmb::test::PathPoint;
using tmb::test::PointsOf;

class StrokeExtensionTest : public ::testing::Test {
 protected:
  void SetUp() override { gAnalysisOverlay.Clear(); }
  void TearDown() override { gAnalysisOverlay.Clear(); }
  // One mark over the whole path.
  void MarkAll() { gAnalysisOverlay.AddMark(0, path.GetCount() - 1, path); }
  CStrokeWork path{512};
};

// Points first to last of before, moved by (dx, dy).
std::vector<PathPoint> Moved(std::vector<PathPoint> before, int first, int last, float dx, float dy) {
  for (int i = first; i <= last; ++i) {
    before[i].x += dx;
    before[i].y += dy;
  }
  return before;
}

// A level stroke 200 pixels long in a mark 200 wide: 17 points, so its first eighth is
// points 0 to 2.
TEST_F(StrokeExtensionTest, TheLongestLevelStrokeReachesLeftByAShareOfTheMarkWidth) {
  AddPolyline(path, {{0, 100}, {200, 100}}, 12.5f);
  MarkAll();
  const auto before = PointsOf(path);
  EXPECT_EQ(ExtendStrokeEnds(path, kExtendLevelStart, 25), 1);
  EXPECT_EQ(PointsOf(path), Moved(before, 0, 2, -50, 0));
}

TEST_F(StrokeExtensionTest, TheLongestQualifyingStrokeOfEachMarkIsChosen) {
  struct Case {
    const char* what;
    std::vector<std::vector<CFPoint>> strokes;
    int mode;
    int chosen;  // the stroke that reaches out, or -1
  };
  const Case cases[] = {
      {"the longer of two level strokes", {{{0, 0}, {160, 0}}, {{0, 50}, {200, 50}}}, 1, 1},
      {"the first of two equally long", {{{0, 0}, {200, 0}}, {{0, 50}, {200, 50}}}, 1, 0},
      {"a level stroke steeper than 1 in 2 is none", {{{0, 100}, {200, 0}}, {{0, 150}, {150, 150}}}, 1, 1},
      {"a leftward stroke is none", {{{200, 0}, {0, 0}}}, 1, -1},
      // A mark 300 wide: six tenths are 180, an eighth 37.
      {"a short stroke near the left edge", {{{0, 0}, {300, 300}}, {{10, 100}, {110, 100}}}, 1, 1},
      {"a short stroke away from the left edge", {{{0, 0}, {300, 300}}, {{100, 100}, {200, 100}}}, 1, -1},
      {"a long stroke away from the left edge", {{{0, 0}, {300, 300}}, {{40, 100}, {240, 100}}}, 1, 1},
      {"the longer of two falling strokes", {{{200, 0}, {100, 100}}, {{200, 100}, {50, 250}}}, 2, 1},
      {"a fall steeper than 4 to 1 is none", {{{200, 0}, {160, 200}}}, 2, -1},
      {"a fall of 4 to 1 is none", {{{200, 0}, {150, 200}}}, 2, -1},
      {"a fall just under 4 to 1", {{{200, 0}, {149, 200}}}, 2, 0},
      {"a fall flatter than 1 to 4 is none", {{{200, 0}, {0, 49}}}, 2, -1},
      {"a fall to the right is none", {{{0, 0}, {100, 100}}}, 2, -1},
      {"a fall within half the mark height is none", {{{200, 0}, {160, 40}}, {{0, 0}, {0, 200}}}, 2, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    path.SetCount(0);
    gAnalysisOverlay.Clear();
    std::vector<int> starts;
    for (const auto& corners : c.strokes) starts.push_back(AddPolyline(path, corners, 10));
    starts.push_back(path.GetCount());
    MarkAll();
    const tmb::Rect r = gAnalysisOverlay.m_marks[0].parts[3].rect;
    const float dx = -static_cast<float>(r.Width()) * 25 / 100;
    const float dy = static_cast<float>(r.Height()) * 25 / 100;
    auto expected = PointsOf(path);
    if (c.chosen >= 0) {
      const int b = starts[c.chosen];
      const int f = starts[c.chosen + 1] - 1;
      expected = c.mode == kExtendLevelStart ? Moved(expected, b, b + (f - b) / 8, dx, 0)
                                             : Moved(expected, f - (f - b) / 8, f, dx, dy);
    }
    ExtendStrokeEnds(path, c.mode, 25);
    EXPECT_EQ(PointsOf(path), expected);
  }
}

TEST_F(StrokeExtensionTest, StrokesWithCornersAndStrokesInNoMarkStayPut) {
  AddPolyline(path, {{0, 0}, {200, 0}}, 10);
  path.m_pFlags[10] = 3;  // two runs: not a single-segment stroke
  const int second = AddPolyline(path, {{0, 50}, {100, 50}}, 10);
  gAnalysisOverlay.AddMark(0, second - 1, path);
  const int third = AddPolyline(path, {{0, 90}, {100, 90}}, 10);
  gAnalysisOverlay.AddMark(second, third - 1, path);
  AddPolyline(path, {{0, 150}, {200, 150}}, 10);  // in no mark
  auto expected = PointsOf(path);
  ExtendStrokeEnds(path, kExtendLevelStart, 50);
  // Only the second mark has a stroke to reach out: its first, level one.
  expected = Moved(expected, second, second + 1, -50, 0);
  EXPECT_EQ(PointsOf(path), expected);
}

}  // namespace
