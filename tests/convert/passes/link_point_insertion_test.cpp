#include "convert/passes/link_point_insertion.h"

#include <gtest/gtest.h>

#include <vector>

#include "convert/analysis/stroke_feature_table.h"
#include "convert/driver/scratch_paths.h"
#include "convert/passes/link_point_removal.h"
#include "core/path/stroke_work.h"
#include "support/path_points.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::AddPolyline;
using tmb::test::PathPoint;
using tmb::test::PointsOf;

// Every slot of a point as the work path carries it.
struct Slot {
  PathPoint point;
  int attr, width, level, pressure;
  float record0;
  friend bool operator==(const Slot&, const Slot&) = default;
};

std::vector<Slot> SlotsOf(const CStrokeWork& path) {
  std::vector<Slot> slots;
  const auto points = PointsOf(path);
  for (int i = 0; i < path.GetCount(); ++i) {
    slots.push_back({points[size_t(i)], path.m_pAttrs[i], path.m_pWidths[i], path.m_pLevels[i], path.m_pPressure[i],
                     path.m_pRecords[i].v[0]});
  }
  return slots;
}

void PrintTo(const Slot& s, std::ostream* os) {
  *os << s.point << " a" << s.attr << " w" << s.width << " l" << s.level << " p" << s.pressure << " r" << s.record0;
}

// Gives every point its own work bytes, pressure and record.
void NumberSlots(CStrokeWork& path) {
  for (int i = 0; i < path.GetCount(); ++i) {
    path.m_pWidths[i] = uint8_t(10 + i);
    path.m_pLevels[i] = uint8_t(100 + i);
    path.m_pPressure[i] = int16_t(1000 + i);
    path.m_pRecords[i].v[0] = float(i) / 2;
    path.m_pAttrs[i] = uint8_t(i % 3);
  }
}

class LinkPointInsertionTest : public ::testing::Test {
 protected:
  void SetUp() override { gStrokeFeatureTable.Clear(); }
  void TearDown() override {
    gStrokeFeatureTable.Clear();
    ReleaseScratchPaths();
  }

  // A stroke ending at (10, 0) (point 1) and the next, from (10 + gap, 0), at point 2.
  void TwoStrokes(float gap) {
    path.SetCount(0);
    AddPolyline(path, {{0, 0}, {10, 0}}, 10);
    AddPolyline(path, {{10 + gap, 0}, {20 + gap, 0}}, 10);
    NumberSlots(path);
  }
  void AddFeatures(const std::vector<int>& codes, int point = 2) {
    for (int code : codes) gStrokeFeatureTable.AddEntry(point, code, path);
  }
  // The distances of the inserted points from the end at (10, 0).
  std::vector<float> Inserted() const {
    std::vector<float> at;
    for (int i = 0; i < path.GetCount(); ++i) {
      if (path.m_pFlags[i] == CStrokePath::kFlagLink) at.push_back(path.m_pPoints[i].x - 10);
    }
    return at;
  }

  CStrokeWork path{4096};
};

std::vector<float> Steps(float from, float step, int n) {
  std::vector<float> v;
  for (int k = 0; k < n; ++k) v.push_back(from + step * k);
  return v;
}

TEST_F(LinkPointInsertionTest, TheFeaturesSetTheSpacingOfTheLinkPoints) {
  struct Case {
    const char* what;
    std::vector<int> codes;
    std::vector<float> at;
    int flag;
  };
  // d = 60: half 30, steps 15 / (score + 1); past the middle the steps double at every
  // point for start level 0, once for level 1, never for level 2.
  std::vector<float> weak = Steps(30, 3, 8);  // score 4, level 1: 3 pixels up to 51, then 6
  for (float t : Steps(57, 6, 8)) weak.push_back(t);
  std::vector<float> afterFall = Steps(15.5f, 5, 8);  // end level 1: from (1 + 30) / 2
  for (float t : Steps(60.5f, 10, 4)) afterFall.push_back(t);
  const Case cases[] = {
      {"featureless", {}, {30, 45, 60, 90}, 1},
      {"a new mark with a long gap", {1077, 1085}, Steps(30, 3, 24), '2'},
      {"the same mark", {1096}, weak, '5'},
      {"leftward after a fall", {1097}, afterFall, '6'},
      {"end level 2 starts a pixel from the end", {1077, 1108}, Steps(1, 5, 20), '5'},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    gStrokeFeatureTable.Clear();
    TwoStrokes(100);
    AddFeatures(c.codes);
    EXPECT_EQ(InsertLinkPoints(path, 60), 1);
    const std::vector<float> at = Inserted();
    ASSERT_EQ(at.size(), c.at.size());
    for (size_t k = 0; k < at.size(); ++k) EXPECT_NEAR(at[k], c.at[k], 1e-3) << k;
    EXPECT_EQ(path.m_pFlags[2 + at.size()], c.flag);
    EXPECT_EQ(path.m_bLinkPoints, 1);
  }
}

TEST_F(LinkPointInsertionTest, LinkPointsAreCopiesOfTheEndOnTheWayToTheStart) {
  AddPolyline(path, {{0, 0}, {10, 0}}, 10);
  AddPolyline(path, {{70, 80}, {80, 80}}, 10);  // a gap of 100 down and to the right
  NumberSlots(path);
  const std::vector<Slot> before = SlotsOf(path);
  InsertLinkPoints(path, 60);
  const std::vector<Slot> after = SlotsOf(path);
  ASSERT_EQ(after.size(), before.size() + 4);
  EXPECT_EQ(after[0], before[0]);
  EXPECT_EQ(after[1], before[1]);
  const float distances[] = {30, 45, 60, 90};
  for (int k = 0; k < 4; ++k) {
    Slot expected = before[1];
    expected.point = {10 + 0.6f * distances[k], 0.8f * distances[k], CStrokePath::kFlagLink};
    EXPECT_EQ(after[size_t(2 + k)].point.flag, CStrokePath::kFlagLink);
    EXPECT_NEAR(after[size_t(2 + k)].point.x, expected.point.x, 1e-4);
    EXPECT_NEAR(after[size_t(2 + k)].point.y, expected.point.y, 1e-4);
    expected.point = after[size_t(2 + k)].point;
    EXPECT_EQ(after[size_t(2 + k)], expected);
  }
  EXPECT_EQ(after[6], before[2]);
  EXPECT_EQ(after[7], before[3]);
}

TEST_F(LinkPointInsertionTest, AStartOnTheEndGetsNoPointAndNoKind) {
  TwoStrokes(0);
  AddFeatures({1077, 1085});
  const auto before = PointsOf(path);
  InsertLinkPoints(path, 60);
  EXPECT_EQ(PointsOf(path), before);
  EXPECT_EQ(path.m_bLinkPoints, 1);
}

TEST_F(LinkPointInsertionTest, OneStrokePassesThroughWithTheFlagSet) {
  AddPolyline(path, {{0, 0}, {100, 0}}, 10);
  const auto before = PointsOf(path);
  InsertLinkPoints(path, 60);
  EXPECT_EQ(PointsOf(path), before);
  EXPECT_EQ(path.m_bLinkPoints, 1);
}

// A spacing of 0 (parameter 44 of 0, as an old file with parameter 26 of 0 loads) or
// below would never get past the first point: no point, but the kinds are written.
TEST_F(LinkPointInsertionTest, ASpacingBelowOneInsertsNothingButWritesTheKinds) {
  for (int d : {0, -10}) {
    SCOPED_TRACE(d);
    gStrokeFeatureTable.Clear();
    TwoStrokes(100);
    AddFeatures({1077});
    InsertLinkPoints(path, d);
    EXPECT_EQ(path.GetCount(), 4);
    EXPECT_EQ(path.m_pFlags[2], '2');
    EXPECT_EQ(path.m_bLinkPoints, 1);
  }
}

TEST_F(LinkPointInsertionTest, OnlyStartsFlagged1AreGapsUnlessParameter290IsSet) {
  AddPolyline(path, {{0, 0}, {10, 0}}, 10);
  path.m_pFlags[AddPolyline(path, {{110, 0}, {120, 0}}, 10)] = 3;  // a corner-like flag
  for (int any : {0, 1}) {
    CStrokeWork p(64);
    p.CopyFrom(path);
    p.m_param[290] = any;
    InsertLinkPoints(p, 60);
    EXPECT_EQ(p.GetCount(), any == 1 ? 8 : 4) << any;
  }
}

// A tiny spacing bridges a long gap with thousands of points; the path has room for a
// few, and the strokes after the gap must not be lost for them.
TEST_F(LinkPointInsertionTest, ATinySpacingOnANearlyFullPathKeepsEveryPoint) {
  CStrokeWork small(70);
  for (int k = 0; k < 3; ++k) AddPolyline(small, {{500.0f * k, 0}, {500.0f * k + 190, 0}}, 10);
  ASSERT_EQ(small.GetCount(), 60);
  NumberSlots(small);
  for (int s : {20, 40}) {
    for (int code : {1077, 1096, 1082, 1085}) gStrokeFeatureTable.AddEntry(s, code, small);
  }
  const std::vector<Slot> before = SlotsOf(small);
  InsertLinkPoints(small, 1);
  EXPECT_EQ(small.GetCount(), 70);
  RemoveLinkPoints(small);
  std::vector<Slot> after = SlotsOf(small);
  ASSERT_EQ(after.size(), before.size());
  for (int s : {20, 40}) {
    EXPECT_EQ(after[size_t(s)].point.flag, '2');
    after[size_t(s)].point.flag = 1;
  }
  EXPECT_EQ(after, before);
}

}  // namespace
