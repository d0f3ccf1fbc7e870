#include "convert/driver/unit_grouping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "convert/driver/marker_list.h"
#include "convert/driver/path_resampling.h"
#include "convert/driver/stroke_units.h"
#include "core/path/stroke_path.h"
#include "support/path_points.h"

namespace {

using tmb::test::PointsOf;

// Appends a straight stroke from a to b with a point every 2 pixels or so.
void AddStroke(CStrokePath& path, CFPoint a, CFPoint b) {
  const int n = 1 + static_cast<int>(std::hypot(double(b.x) - a.x, double(b.y) - a.y) / 2);
  for (int k = 0; k <= n; ++k) {
    const float t = n == 0 ? 0.0f : float(k) / float(n);
    path.AddPointUnique(a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, k == 0 ? 1 : 0, 1);
  }
}

std::vector<int> Units(const CStrokePath& path) {
  std::vector<int> out(static_cast<size_t>(path.CountStrokes()), -1);
  EXPECT_EQ(MarkStrokeStates(path, out), 1);
  return out;
}

class UnitGroupingTest : public ::testing::Test {
 protected:
  void TearDown() override {
    gUnitPassActive = 0;
    gMarkers.Clear();
  }
  CStrokePath path{4000};
};

TEST_F(UnitGroupingTest, ASingleStrokeIsOneUnit) {
  AddStroke(path, {10, 10}, {90, 60});
  EXPECT_EQ(Units(path), (std::vector<int>{1}));
}

TEST_F(UnitGroupingTest, StrokesFarApartBeginUnitsUnlessTheirRectanglesMeet) {
  AddStroke(path, {0, 0}, {60, 60});
  AddStroke(path, {200, 0}, {260, 60});
  AddStroke(path, {400, 0}, {460, 60});
  EXPECT_EQ(Units(path), (std::vector<int>{1, 1, 1}));

  path.SetCount(0);
  AddStroke(path, {0, 0}, {60, 60});
  AddStroke(path, {200, 0}, {260, 60});
  AddStroke(path, {40, 80}, {10, 20});  // back over the first: the three become one
  EXPECT_EQ(Units(path), (std::vector<int>{1, 0, 0}));
}

TEST_F(UnitGroupingTest, ATallUnitTakesInASquarishNeighbourJustToItsRight) {
  AddStroke(path, {0, 0}, {10, 100});
  AddStroke(path, {40, 0}, {100, 90});
  EXPECT_EQ(Units(path), (std::vector<int>{1, 0}));
  // Farther than half its height away, the neighbour stays a unit.
  path.SetCount(0);
  AddStroke(path, {0, 0}, {10, 100});
  AddStroke(path, {70, 0}, {130, 90});
  EXPECT_EQ(Units(path), (std::vector<int>{1, 1}));
}

TEST_F(UnitGroupingTest, ADotJoinsTheLargeUnitItLiesNearer) {
  AddStroke(path, {0, 0}, {100, 100});
  AddStroke(path, {120, 50}, {123, 52});
  AddStroke(path, {400, 0}, {500, 100});
  EXPECT_EQ(Units(path), (std::vector<int>{1, 0, 1}));
}

TEST_F(UnitGroupingTest, TheAnswerFitsTheCallersListAndThePathStaysAsItWas) {
  AddStroke(path, {0, 0}, {60, 60});
  AddStroke(path, {200, 0}, {260, 60});
  const auto before = PointsOf(path);
  std::vector<int> longer(4, -1);
  MarkStrokeStates(path, longer);
  EXPECT_EQ(longer, (std::vector<int>{1, 1, 0, 0}));
  std::vector<int> shorter(1, -1);
  MarkStrokeStates(path, shorter);
  EXPECT_EQ(shorter, (std::vector<int>{1}));
  EXPECT_EQ(PointsOf(path), before);
}

TEST_F(UnitGroupingTest, AnEmptyPathGivesNoUnitsAndTheSpacingSwitchIsKept) {
  for (int active : {0, 1}) {
    gUnitPassActive = active;
    std::vector<int> out(2, -1);
    EXPECT_EQ(MarkStrokeStates(path, out), 1);
    EXPECT_EQ(out, (std::vector<int>{0, 0}));
    AddStroke(path, {0, 0}, {60, 60});
    MarkStrokeStates(path, out);
    EXPECT_EQ(gUnitPassActive, active);
    EXPECT_FALSE(gMarkers.IsPosting());
    path.SetCount(0);
  }
}

TEST_F(UnitGroupingTest, OverlappingUnitsMergeUpToTheLastOneThatMeets) {
  CStrokeUnitTable table;
  AddStroke(path, {0, 0}, {50, 50});
  AddStroke(path, {100, 0}, {150, 50});  // apart, but before one that meets the first
  AddStroke(path, {30, 30}, {10, 45});
  AddStroke(path, {300, 0}, {350, 50});
  table.Reset(path);
  for (CStrokeUnit& r : table.records) r.state = kUnitBegins;
  SetUnitSpans(table, path, kUnitBegins);
  EXPECT_EQ(MergeOverlappingUnits(table, path), 1);
  std::vector<int> states;
  for (const CStrokeUnit& r : table.records) states.push_back(r.state);
  EXPECT_EQ(states, (std::vector<int>{2, 0, 0, 2}));
  EXPECT_EQ(table.records[0].last, table.strokeStarts[3] - 1);
  EXPECT_EQ(table.records[0].rect, (tmb::Rect{0, 0, 150, 50}));
  EXPECT_EQ(table.records[3].last, path.GetCount() - 1);
}

TEST_F(UnitGroupingTest, ATallUnitSplitsWhereItsPartsDoNotOverlap) {
  CStrokeUnitTable table;
  AddStroke(path, {0, 0}, {20, 100});
  AddStroke(path, {0, 110}, {20, 210});  // below, apart
  AddStroke(path, {5, 90}, {15, 190});   // overlapping both
  table.Reset(path);
  table.records[0].state = kUnitBegins;
  table.records[1].state = kUnitCandidate;
  table.records[2].state = kUnitContinues;
  SetUnitSpans(table, path, kUnitBegins);
  // The second stroke's part reaches over the first through the third: no split.
  EXPECT_EQ(SplitTallUnits(table, path), 0);
  EXPECT_EQ(table.records[1].state, kUnitCandidate);
  EXPECT_EQ(table.records[0].last, path.GetCount() - 1);

  path.SetCount(0);
  AddStroke(path, {0, 0}, {20, 100});
  AddStroke(path, {0, 110}, {20, 210});
  table.Reset(path);
  table.records[0].state = kUnitBegins;
  table.records[1].state = kUnitCandidate;
  SetUnitSpans(table, path, kUnitBegins);
  EXPECT_EQ(SplitTallUnits(table, path), 1);
  EXPECT_EQ(table.records[1].state, kUnitBegins);
  EXPECT_EQ(table.records[0].last, table.strokeStarts[1] - 1);
}

}  // namespace
