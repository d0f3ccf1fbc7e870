#include "convert/analysis/link_kind.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "convert/analysis/stroke_feature_table.h"
#include "core/path/stroke_work.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::AddPolyline;

constexpr int kAnyFlagBreaks = 290;
constexpr int kReturnStrokeTest = 315;
constexpr int kStrongestLinks = 358;

class LinkKindTest : public ::testing::Test {
 protected:
  void SetUp() override { gStrokeFeatureTable.Clear(); }
  void TearDown() override { gStrokeFeatureTable.Clear(); }

  // A level stroke ending at (100, 0) and the next stroke's start at index `start`.
  void TwoStrokes(CFPoint next, CFPoint nextEnd) {
    path.SetCount(0);
    AddPolyline(path, {{0, 0}, {100, 0}}, 10);
    start = AddPolyline(path, {next, nextEnd}, 10);
  }
  LinkKind Classify(const std::vector<int>& codes) {
    gStrokeFeatureTable.Clear();
    for (int code : codes) gStrokeFeatureTable.AddEntry(start, code, path);
    return ClassifyLink(path, start - 1, params, gStrokeFeatureTable);
  }

  CStrokeWork path{256};
  ParamBlock params{};
  int start = 0;
};

TEST_F(LinkKindTest, FeaturesOfTheStartGiveScoreLevelsAndFlag) {
  struct Case {
    const char* what;
    std::vector<int> codes;
    int sum;  // parameter 0 + parameter 1
    int score, a, b;
    int flag;
  };
  const Case cases[] = {
      {"no feature", {}, 0, 0, 0, 0, 1},
      {"a new mark: strong", {1077}, 0, 2, 2, 0, '2'},
      {"a new mark with a long gap", {1077, 1085}, 0, 4, 2, 0, '2'},
      {"the same mark: weak", {1096}, 0, 4, 1, 0, '5'},
      {"strong stays strong", {1077, 1096}, 0, 6, 1, 0, '2'},
      {"1096 then 1092", {1096, 1092}, 0, 6, 1, 2, '<'},
      {"1077 then 1091", {1077, 1091}, 0, 4, 2, 0, ';'},
      {"1091 alone", {1091}, 0, 2, 2, 0, '9'},
      {"1093 at level 1", {1093}, 25, 2, 1, 0, '9'},
      {"1091 at level 0 keeps the flag", {1091}, 30, 2, 0, 0, 1},
      {"1094 after a turn", {1094}, 25, 2, 0, 1, '<'},
      {"leftward after a fall below 21", {1097}, 20, 2, 1, 1, '6'},
      {"leftward after a fall from 21", {1097}, 21, 0, 0, 0, 1},
      {"a rising reach at level 1", {1099}, 25, 2, 1, 1, '2'},
      {"a rising reach at level 0", {1099}, 30, 0, 0, 0, 1},
      {"after a rising reach at level 0", {1098}, 30, 2, 0, 1, 1},
      {"after a rising reach at level 2", {1098}, 0, 2, 0, 2, '5'},
      {"grid 1101", {1101}, 0, 0, 0, 0, '5'},
      {"grid 1105", {1105}, 0, 0, 1, 1, '5'},
      {"grid 1108 at level 0", {1108}, 30, 0, 1, 2, 1},
      {"leftmost", {1080, 1079}, 25, 2, 0, 1, 1},
      {"left", {1079}, 0, 1, 0, 1, 1},
      {"highest", {1082, 1081}, 0, 4, 2, 0, 1},
      {"up", {1081}, 25, 2, 1, 0, 1},
      {"middle gap", {1084}, 0, 1, 0, 0, 1},
      {"short gap", {1083}, 0, 0, 0, 0, 1},
      {"rising right clears the levels", {1077, 1080, 1100}, 0, 4, 0, 0, '2'},
      {"everything of a new mark up left", {1077, 1080, 1082, 1085}, 0, 10, 2, 2, '2'},
  };
  TwoStrokes({50, 50}, {150, 50});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    params[0] = c.sum;
    const LinkKind k = Classify(c.codes);
    EXPECT_EQ(k.score, c.score);
    EXPECT_EQ(k.startLevel, c.a);
    EXPECT_EQ(k.endLevel, c.b);
    EXPECT_EQ(k.flag, c.flag);
  }
}

TEST_F(LinkKindTest, TheStrongestLinksSettingGivesBothLevels2) {
  TwoStrokes({50, 50}, {150, 50});
  params[kStrongestLinks] = 1;
  for (const std::vector<int>& codes : {std::vector<int>{}, {1100}, {1096}}) {
    const LinkKind k = Classify(codes);
    EXPECT_EQ(k.startLevel, 2);
    EXPECT_EQ(k.endLevel, 2);
  }
}

// The next stroke starts lower left of the end at (100, 0); a start level is lost when it
// runs back to the right within its first eight points.
TEST_F(LinkKindTest, AStartLowerLeftRunningBackRightLosesItsStartLevel) {
  struct Case {
    const char* what;
    CFPoint next, nextEnd;
    int test;  // parameter 315
    int a;
  };
  const Case cases[] = {
      {"lower left, running right", {50, 50}, {150, 50}, 1, 0},
      {"without the test", {50, 50}, {150, 50}, 0, 2},
      {"lower left, running left", {50, 50}, {-50, 50}, 1, 2},
      {"upper left, running right", {50, -50}, {150, -50}, 1, 2},
      {"lower right, running right", {150, 50}, {250, 50}, 1, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TwoStrokes(c.next, c.nextEnd);
    params[kReturnStrokeTest] = c.test;
    EXPECT_EQ(Classify({1077}).startLevel, c.a);
  }
}

TEST_F(LinkKindTest, TheReturnTestLooksEightPointsIntoTheNextStroke) {
  // The end is point 10; the next stroke, lower left, runs left for its first eight points
  // and then far to the right. Point 8 of the whole path, right of the start, is not the
  // point to look at.
  path.SetCount(0);
  AddPolyline(path, {{0, 0}, {100, 0}}, 10);
  start = AddPolyline(path, {{50, 50}, {10, 50}}, 5);
  ASSERT_EQ(path.GetCount(), start + 9);
  path.m_pFlags[AddPolyline(path, {{500, 50}, {600, 50}}, 50)] = 0;
  params[kReturnStrokeTest] = 1;
  EXPECT_EQ(Classify({1077}).startLevel, 2);
  // A next stroke of three points that runs right is looked at up to its last point.
  path.SetCount(start);
  AddPolyline(path, {{50, 50}, {70, 50}}, 10);
  AddPolyline(path, {{300, 300}, {200, 300}}, 10);
  EXPECT_EQ(Classify({1077}).startLevel, 0);
}

TEST_F(LinkKindTest, AGapFollowsAStartByParameter290) {
  CStrokeWork p(16);
  AddPolyline(p, {{0, 0}, {3, 0}});
  AddPolyline(p, {{10, 0}, {12, 0}});
  p.m_pFlags[2] = 3;  // a corner inside the first stroke
  for (int any : {0, 1}) {
    params[kAnyFlagBreaks] = any;
    EXPECT_FALSE(StartsLinkGap(p, 0, params));
    EXPECT_EQ(StartsLinkGap(p, 1, params), any == 1);
    EXPECT_TRUE(StartsLinkGap(p, 3, params));
    EXPECT_FALSE(StartsLinkGap(p, p.GetCount() - 1, params));
  }
}

TEST_F(LinkKindTest, TheLinkLevelFallsWithParameters0And1) {
  const std::pair<int, int> cases[] = {{0, 2}, {19, 2}, {20, 1}, {29, 1}, {30, 0}, {2000, 0}};
  for (auto [sum, level] : cases) {
    params[0] = sum / 2;
    params[1] = sum - sum / 2;
    EXPECT_EQ(LinkLevel(params), level) << sum;
  }
}

}  // namespace
