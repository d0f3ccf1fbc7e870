#include "convert/passes/link_point_removal.h"

#include <gtest/gtest.h>

#include <vector>

#include "convert/analysis/stroke_feature_table.h"
#include "convert/driver/scratch_paths.h"
#include "convert/passes/link_point_insertion.h"
#include "core/path/stroke_work.h"
#include "support/path_points.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::AddPolyline;
using tmb::test::PointsOf;

struct WorkBytes {
  std::vector<int> widths, levels, pressures, attrs;
  std::vector<float> records;
  friend bool operator==(const WorkBytes&, const WorkBytes&) = default;
};

WorkBytes WorkBytesOf(const CStrokeWork& path) {
  WorkBytes b;
  for (int i = 0; i < path.GetCount(); ++i) {
    b.widths.push_back(path.m_pWidths[i]);
    b.levels.push_back(path.m_pLevels[i]);
    b.pressures.push_back(path.m_pPressure[i]);
    b.attrs.push_back(path.m_pAttrs[i]);
    b.records.push_back(path.m_pRecords[i].v[3]);
  }
  return b;
}

class LinkPointRemovalTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AddPolyline(path, {{0, 0}, {100, 0}}, 10);
    AddPolyline(path, {{150, 60}, {250, 60}}, 10);  // the same mark
    AddPolyline(path, {{0, 200}, {100, 300}}, 10);  // a new mark, far down left
    for (int i = 0; i < path.GetCount(); ++i) {
      path.m_pWidths[i] = uint8_t(1 + i);
      path.m_pLevels[i] = uint8_t(200 - i);
      path.m_pPressure[i] = int16_t(-i);
      path.m_pAttrs[i] = uint8_t(i % 4);
      path.m_pRecords[i].v[3] = float(i);
    }
    gStrokeFeatureTable.Clear();
  }
  void TearDown() override {
    gStrokeFeatureTable.Clear();
    ReleaseScratchPaths();
  }
  CStrokeWork path{1024};
};

TEST_F(LinkPointRemovalTest, RemovalRestoresCountPositionsAndWorkBytesButKeepsTheKinds) {
  const int second = 11;
  const int third = path.GetStrokeStart(2);
  gStrokeFeatureTable.AddEntry(second, 1096, path);
  gStrokeFeatureTable.AddEntry(third, 1077, path);
  gStrokeFeatureTable.AddEntry(third, 1085, path);
  auto points = PointsOf(path);
  const WorkBytes bytes = WorkBytesOf(path);
  InsertLinkPoints(path, 40);
  ASSERT_GT(path.GetCount(), static_cast<int>(points.size()));
  // The smoothing would run here and see the link points' work bytes.
  EXPECT_EQ(RemoveLinkPoints(path), static_cast<int>(points.size()));
  EXPECT_EQ(path.m_bLinkPoints, 0);
  points[size_t(second)].flag = '5';
  points[size_t(third)].flag = '2';
  EXPECT_EQ(PointsOf(path), points);
  EXPECT_EQ(WorkBytesOf(path), bytes);
}

// Link points between kept points, each with bytes of its own: the kept points must not
// end up with the bytes of the points that were dropped.
TEST_F(LinkPointRemovalTest, KeptPointsTakeTheirOwnBytesAlong) {
  std::vector<int> kept;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (i % 3 == 1) {
      path.m_pFlags[i] = CStrokePath::kFlagLink;
    } else {
      kept.push_back(i);
    }
  }
  const auto points = PointsOf(path);
  const WorkBytes bytes = WorkBytesOf(path);
  path.m_bLinkPoints = 1;
  ASSERT_EQ(RemoveLinkPoints(path), static_cast<int>(kept.size()));
  const auto after = PointsOf(path);
  const WorkBytes afterBytes = WorkBytesOf(path);
  for (size_t k = 0; k < kept.size(); ++k) {
    const size_t i = size_t(kept[k]);
    EXPECT_EQ(after[k], points[i]) << k;
    EXPECT_EQ(afterBytes.widths[k], bytes.widths[i]) << k;
    EXPECT_EQ(afterBytes.levels[k], bytes.levels[i]) << k;
    EXPECT_EQ(afterBytes.pressures[k], bytes.pressures[i]) << k;
    EXPECT_EQ(afterBytes.attrs[k], bytes.attrs[i]) << k;
    EXPECT_EQ(afterBytes.records[k], bytes.records[i]) << k;
  }
}

}  // namespace
