#include "convert/analysis/three_segment_stroke.h"

#include <gtest/gtest.h>

#include <vector>

#include "convert/driver/marker_list.h"
#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;

// The vertical and the two sweeps of a tree radical: points 0-2, 3-5 and 6-8.
void AddTree(CStrokePath& path) {
  Fill(path, {{50, 0, 1}, {51, 50, 0}, {52, 100, 0},  //
              {48, 40, 1}, {30, 65, 0}, {10, 90, 0},  //
              {54, 40, 1}, {72, 65, 0}, {90, 90, 0}});
}

TEST(ThreeSegmentStroke, RecognisesTheFormAndWhatFollowsIt) {
  CStrokePath path(32);
  AddTree(path);
  EXPECT_EQ(ClassifyThreeSegmentStroke(path, 0), 1);
  path.AddPointUnique(70, 20, 1, 1);  // the next stroke starts up and to the right
  EXPECT_EQ(ClassifyThreeSegmentStroke(path, 0), 2);
  path.m_pPoints[9] = CFPoint(40, 20);  // up and to the left
  EXPECT_EQ(ClassifyThreeSegmentStroke(path, 0), 1);
  EXPECT_FALSE(gMarkers.IsPosting());
  gMarkers.Clear();
}

TEST(ThreeSegmentStroke, OtherFormsAreNotRecognised) {
  struct Move {
    int point;
    CFPoint to;
  };
  struct Case {
    const char* what;
    std::vector<Move> moves;
  };
  const Case cases[] = {
      {"first segment to the right", {{2, {90, 60}}}},
      {"first segment upwards", {{0, {52, 120}}}},
      {"second segment to the right", {{5, {60, 90}}}},
      {"second segment flat", {{5, {-100, 50}}}},
      {"third segment to the left", {{8, {40, 90}}}},
      {"second start above the first", {{3, {48, -5}}}},
      {"third start below the first", {{6, {54, 105}}}},
      {"second ends right of the first", {{2, {45, 100}}, {5, {46, 90}}}},
      {"third ends left of the first", {{2, {60, 100}}, {6, {52, 40}}, {8, {58, 90}}}},
  };
  for (const Case& c : cases) {
    CStrokePath path(32);
    AddTree(path);
    for (const Move& m : c.moves) path.m_pPoints[m.point] = m.to;
    EXPECT_EQ(ClassifyThreeSegmentStroke(path, 0), 0) << c.what;
  }
  CStrokePath two(32);
  Fill(two, {{50, 0, 1}, {52, 100, 0}, {48, 40, 1}, {10, 90, 0}});
  EXPECT_EQ(ClassifyThreeSegmentStroke(two, 0), 0);
  EXPECT_EQ(ClassifyThreeSegmentStroke(two, 9), 0);
  gMarkers.Clear();
}

}  // namespace
