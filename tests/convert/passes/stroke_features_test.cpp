#include "convert/passes/stroke_features.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "convert/analysis/corner_list.h"
#include "convert/analysis/stroke_feature_list.h"
#include "convert/analysis/stroke_feature_table.h"
#include "convert/driver/analysis_overlay.h"
#include "convert/driver/marker_list.h"
#include "core/path/stroke_work.h"
#include "support/path_points.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::AddPolyline;
using tmb::test::Fill;
using Entry = std::pair<int, int>;  // stroke number, code

class StrokeFeaturesTest : public ::testing::Test {
 protected:
  void SetUp() override { gAnalysisOverlay.Clear(); }
  void TearDown() override {
    gAnalysisOverlay.Clear();
    gStrokeFeatureTable.Clear();
    gMarkers.Clear();
  }

  // The table's entries as (stroke, code), sorted.
  static std::vector<Entry> Entries() {
    std::vector<Entry> out;
    for (int k = 0; k < gStrokeFeatureTable.Count(); ++k) {
      out.emplace_back(gStrokeFeatureTable[k].stroke, gStrokeFeatureTable[k].code);
    }
    std::sort(out.begin(), out.end());
    return out;
  }

  std::unique_ptr<CStrokeWork> path = std::make_unique<CStrokeWork>(8000);
};

// A character drawn as polylines, its overlay marks as runs of strokes, and what the
// classification must write.
struct Fixture {
  std::string name;
  std::vector<std::vector<CFPoint>> strokes;
  std::vector<std::pair<int, int>> marks;  // first and last stroke of each mark
  std::vector<Entry> want;                 // entries that must be there
  std::vector<int> absent;                 // codes that must not be there at all
  bool exact = false;                      // want is the whole table
};

const Fixture kFixtures[] = {
    {"one stroke", {{{0, 0}, {100, 0}}}, {{0, 0}}, {}, {}, true},
    {"second stroke of a mark",
     {{{0, 0}, {100, 0}}, {{20, 50}, {80, 50}}},
     {{0, 1}},
     {{1, 1079}, {1, 1085}, {1, 1096}},
     {},
     true},
    {"first stroke of a second mark",
     {{{0, 0}, {100, 0}}, {{0, 200}, {100, 200}}},
     {{0, 0}, {1, 1}},
     {{1, 1077}, {1, 1079}, {1, 1080}, {1, 1085}},
     {},
     true},
    {"a stroke in no mark opens none and is not measured",
     {{{0, 0}, {100, 0}}, {{20, 50}, {80, 50}}},
     {{0, 0}},
     {{1, 1079}},
     {},
     true},
    {"gap of a quarter of the mark size", {{{0, 0}, {40, 0}}, {{40, 10}, {40, 40}}}, {{0, 1}}, {{1, 1084}, {1, 1096}}, {}, true},
    {"gap just short of a quarter", {{{0, 0}, {40, 0}}, {{40, 9.9f}, {40, 40}}}, {{0, 1}}, {{1, 1083}, {1, 1096}}, {}, true},
    {"level stroke crossed in its middle",
     {{{0, 50}, {100, 50}}, {{50, 0}, {50, 100}}},
     {{0, 1}},
     {{0, 1091}, {1, 1092}, {1, 1093}}, {}},
    {"crossing 13 pixels from the falling stroke's start",
     {{{0, 50}, {100, 50}}, {{50, 37}, {50, 137}}},
     {{0, 1}},
     {{0, 1091}, {1, 1092}, {1, 1093}}, {}},
    {"crossing 12 pixels from the falling stroke's start, within an eighth of its chord",
     {{{0, 50}, {100, 50}}, {{50, 38}, {50, 138}}},
     {{0, 1}},
     {},
     {1091, 1092, 1093}},
    {"later level stroke crossing near the end of a falling stroke",
     {{{50, 0}, {50, 100}}, {{70, 20}, {90, 20}}, {{0, 90}, {100, 90}}, {{10, 110}, {30, 110}}},
     {{0, 3}},
     {{1, 1094}, {2, 1091}, {3, 1092}}, {}},
    {"later level stroke crossing the middle of a falling stroke",
     {{{50, 0}, {50, 100}}, {{70, 20}, {90, 20}}, {{0, 50}, {100, 50}}, {{10, 110}, {30, 110}}},
     {{0, 3}},
     {},
     {1091, 1092, 1094}},
    {"1097: leftward gap after a falling end",
     {{{100, 0}, {100, 60}}, {{40, 40}, {60, 40}}},
     {{0, 1}},
     {{1, 1097}}, {}},
    {"1097 missed: the gap rises as steeply as it runs left",
     {{{100, 0}, {100, 60}}, {{40, 0}, {60, 0}}},
     {{0, 1}},
     {},
     {1097}},
    {"1100: a stroke rising right after a short one, both left of the centre",
     {{{0, 0}, {200, 0}}, {{20, 100}, {40, 110}}, {{30, 150}, {80, 120}}},
     {{0, 2}},
     {{2, 1100}}, {}},
    {"1100 missed: the rising stroke starts right of the centre",
     {{{0, 0}, {200, 0}}, {{20, 100}, {40, 110}}, {{110, 150}, {160, 120}}},
     {{0, 2}},
     {},
     {1100}},
    {"1099 and 1098: a short stroke reached by a long steep rise",
     {{{0, 0}, {0, 200}}, {{70, 40}, {110, 40}}, {{10, 120}, {40, 120}}},
     {{0, 2}},
     {{1, 1099}, {2, 1098}}, {}},
    {"1099 missed: the stroke is a quarter of the mark size long",
     {{{0, 0}, {0, 200}}, {{70, 40}, {120, 40}}, {{10, 120}, {40, 120}}},
     {{0, 2}},
     {},
     {1098, 1099}},
    {"1094 after a three-segment stroke (down, then sweeps left and right from beside it)",
     {{{50, 0}, {52, 100}}, {{48, 40}, {10, 90}}, {{54, 40}, {90, 90}}},
     {{0, 2}},
     {{1, 1094}},
     {}},
    {"1094 missed: the first stroke is not steep enough",
     {{{50, 0}, {90, 100}}, {{48, 40}, {10, 90}}, {{54, 40}, {90, 90}}},
     {{0, 2}},
     {},
     {1094}},
    {"1108: a long stroke after a gap rising right",
     {{{0, 0}, {0, 100}}, {{30, 20}, {150, 20}, {150, 90}}},
     {{0, 1}},
     {{1, 1108}}, {}},
    {"1108 missed: the stroke is not longer than 1.2 mark sizes",
     {{{0, 0}, {0, 100}}, {{30, 20}, {150, 20}, {150, 78}}},
     {{0, 1}},
     {},
     {1108}},
};

TEST_F(StrokeFeaturesTest, TheClassificationWritesWhatEachFixtureShows) {
  for (const Fixture& f : kFixtures) {
    SCOPED_TRACE(f.name);
    path->SetCount(0);
    gAnalysisOverlay.Clear();
    std::vector<int> starts;
    for (const std::vector<CFPoint>& s : f.strokes) starts.push_back(AddPolyline(*path, s));
    starts.push_back(path->GetCount());
    for (const auto& [a, b] : f.marks) gAnalysisOverlay.AddMark(starts[a], starts[b + 1] - 1, *path);
    EXPECT_EQ(AnalyseStrokeFeatures(*path, 0, 1), 1);
    EXPECT_EQ(gStrokeFeatureLists[0].m_nCount, static_cast<int>(f.strokes.size()));
    const std::vector<Entry> got = Entries();
    std::vector<Entry> want = f.want;
    std::sort(want.begin(), want.end());
    if (f.exact) {
      EXPECT_EQ(got, want);
    } else {
      for (const Entry& e : want) EXPECT_TRUE(std::count(got.begin(), got.end(), e) > 0) << e.first << " " << e.second;
    }
    for (int code : f.absent) {
      EXPECT_TRUE(std::none_of(got.begin(), got.end(), [code](const Entry& e) { return e.second == code; })) << code;
    }
    // Every entry stands at a stroke start.
    for (int k = 0; k < gStrokeFeatureTable.Count(); ++k) {
      EXPECT_EQ(gStrokeFeatureTable[k].point, starts[static_cast<size_t>(gStrokeFeatureTable[k].stroke)]);
    }
  }
}

TEST_F(StrokeFeaturesTest, RecordsRunFromEachStartOrBreakAndPassOverLinkPoints) {
  Fill(*path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 3}, {3, 0, 255}, {4, 0, 255},  //
               {5, 0, 1}, {6, 0, 62}, {7, 0, 2}, {8, 0, 0}, {9, 0, 1}});
  gAnalysisOverlay.AddMark(0, 9, *path);
  AnalyseStrokeFeatures(*path, 1, 0);
  const CStrokeFeatureList& list = gStrokeFeatureLists[1];
  const std::vector<std::pair<int, int>> want = {{0, 2}, {5, 6}, {7, 8}, {9, 9}};
  std::vector<std::pair<int, int>> got;
  for (int k = 0; k < list.m_nCount; ++k) got.emplace_back(list.m_records[k].start, list.m_records[k].end);
  EXPECT_EQ(got, want);
  EXPECT_EQ(gStrokeFeatureTable.Count(), 0);  // not classified
  EXPECT_EQ(path->m_pFlags[2], 0);            // an old corner flag is cleared
}

TEST_F(StrokeFeaturesTest, EachRunStartsAfresh) {
  gMarkers.Clear();
  for (int k = 0; k < 4; ++k) gMarkers.PostMarker(0, 0, 1, 1033);
  const int first = AddPolyline(*path, {{0, 0}, {40, 0}, {40, 40}});
  AddPolyline(*path, {{60, 0}, {60, 40}});
  gAnalysisOverlay.AddMark(0, path->GetCount() - 1, *path);
  EnsureCornerAngleSize(1000);
  std::fill_n(gCornerAngle.begin(), 1000, 7.0f);
  AnalyseStrokeFeatures(*path, 1, 1);
  const int count = gStrokeFeatureTable.Count();
  ASSERT_GT(count, 0);
  EXPECT_EQ(gMarkers.m_nSpare, 4);
  EXPECT_EQ(path->m_pFlags[first + 40], 3);
  EXPECT_NEAR(gCornerAngle[static_cast<size_t>(first + 40)], 90.0f, 0.5f);
  EXPECT_EQ(gCornerAngle[5], 1.5f);
  AnalyseStrokeFeatures(*path, 1, 1);
  EXPECT_EQ(gStrokeFeatureTable.Count(), count);
  EXPECT_EQ(gStrokeFeatureLists[1].m_nCount, 2);
}

TEST_F(StrokeFeaturesTest, AThousandDotsGetARecordEach) {
  for (int k = 0; k < 1000; ++k) path->AppendPoint(10 * (k % 40), 10 * (k / 40), 1);
  gAnalysisOverlay.AddMark(0, path->GetCount() - 1, *path);
  AnalyseStrokeFeatures(*path, 0, 1);
  EXPECT_EQ(gStrokeFeatureLists[0].m_nCount, 1000);
  EXPECT_GE(gStrokeFeatureLists[0].Capacity(), 1000);
  EXPECT_GE(gStrokeFeatureTable.Find(path->GetStrokeStart(999), 1083), 0);
  EXPECT_GE(gStrokeFeatureTable.Find(path->GetStrokeStart(40), 1085), 0);  // back across the row
}

}  // namespace
