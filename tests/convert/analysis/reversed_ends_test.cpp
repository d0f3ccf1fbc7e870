#include "convert/analysis/reversed_ends.h"

#include <gtest/gtest.h>

#include "convert/analysis/side_points.h"
#include "core/path/point_index_list.h"
#include "core/path/stroke_path_ex.h"
#include "support/path_points.h"

namespace {

using tmb::test::AddLineStroke;

// A stroke from `from` to `to` in 20 steps, 8 wide, with its side outline built; level
// from (20, 50) to (120, 50) unless told otherwise.
void Stroke(CStrokePathEx& centre, CFPoint from = {20, 50}, CFPoint to = {120, 50}) {
  ASSERT_TRUE(centre.AllocWeights());
  AddLineStroke(centre, from, to, 20);
  for (int i = 0; i < centre.GetCount(); ++i) centre.m_pWeight1[i] = centre.m_pWeight2[i] = 4;
  UpdateSidePoints(centre, 0, 0, 0, 0);
}

// The outline along a straight stroke runs on with it at both ends, whatever the stroke's
// direction. (The shared angle reads exactly equal directions as pi, more than a right
// angle: taken as it is, it would anchor both sides at both ends of each of these.)
TEST(FindReversedEnds, AnOutlineRunningOnAlongTheStrokeIsNotAnchored) {
  struct Case {
    const char* what;
    CFPoint from, to;
  };
  const Case cases[] = {
      {"level", {20, 50}, {120, 50}},
      {"upright", {50, 20}, {50, 120}},
      {"slanting", {20, 20}, {120, 70}},
  };
  for (const Case& c : cases) {
    CStrokePathEx centre(200);
    Stroke(centre, c.from, c.to);
    ASSERT_GT(centre.m_pOutline->GetCount(), 4) << c.what;
    CPointIndexList anchors(100);
    EXPECT_EQ(FindReversedEnds(centre, *centre.m_pOutline, anchors), 1);
    EXPECT_EQ(anchors.m_nCount, 0) << c.what;
  }
}

TEST(FindReversedEnds, AnOutlineRunningBackPastAnEndIsAnchoredThere) {
  CStrokePathEx centre(200);
  Stroke(centre);
  // The outline of a stroke whose upper side runs on left past its start and whose lower
  // side comes back right past its end: a brush that set down and lifted off in a curl.
  CStrokePath outline(20);
  tmb::test::Fill(outline, {{20, 46, 1}, {14, 46, 0}, {8, 46, 0}, {8, 54, 0}, {120, 54, 0}, {126, 54, 0},
                            {132, 54, 0}, {132, 46, 0}});
  CPointIndexList anchors(100);
  EXPECT_EQ(FindReversedEnds(centre, outline, anchors), 1);
  ASSERT_EQ(anchors.m_nCount, 2);
  EXPECT_EQ(anchors.m_pKinds[0], kReversedStartKind);
  EXPECT_EQ(anchors.m_pValues[0], 0);
  EXPECT_EQ(anchors.m_pPoints[0], CFPoint(20, 46));
  EXPECT_EQ(anchors.m_pKinds[1], kReversedEndKind);
  EXPECT_EQ(anchors.m_pValues[1], 4);
  EXPECT_EQ(anchors.m_pPoints[1], CFPoint(120, 54));
}

TEST(FindReversedEnds, WithoutSidePointsOrOutlineNothingIsAnchored) {
  CStrokePathEx centre(50);
  Stroke(centre);
  CStrokePath none(10);
  CPointIndexList anchors(10);
  EXPECT_EQ(FindReversedEnds(centre, none, anchors), 1);
  EXPECT_EQ(anchors.m_nCount, 0);
  // A stroke of one point has no way in to turn back from.
  CStrokePathEx dot(10);
  dot.AppendPoint(5, 5, 1);
  UpdateSidePoints(dot, 0, 0, 0, 0);
  EXPECT_EQ(FindReversedEnds(dot, *dot.m_pOutline, anchors), 1);
  EXPECT_EQ(anchors.m_nCount, 0);
}

}  // namespace
