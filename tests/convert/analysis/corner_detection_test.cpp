#include "convert/analysis/corner_detection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "convert/analysis/corner_list.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/path_resampling.h"
#include "core/path/stroke_work.h"
#include "support/path_points.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::AddPolyline;
using tmb::test::Fill;

// The search of the feature pass: m = 2, limit 165, spacing 2, so a chord shorter than
// 8 sin 82.5 = 7.93 is a corner (8 sin 85 = 7.97 on a stroke that turns right then down).
constexpr CornerSearch kFeatureSearch{2, 165, false, 0, 2.0f};

// The corners flagged in path: index and angle.
struct Corner {
  int index;
  float angle;
};

std::vector<Corner> FlaggedCorners(const CStrokePath& path) {
  std::vector<Corner> out;
  for (int i = 0; i < path.GetCount(); ++i) {
    if (path.m_pFlags[i] == kFlagCorner) out.push_back({i, gCornerAngle[static_cast<size_t>(i)]});
  }
  return out;
}

class CornerTest : public ::testing::Test {
 protected:
  void SetUp() override { gUnitPassActive = 0; }
  void TearDown() override { gUnitPassActive = 0; }
  std::unique_ptr<CStrokeWork> path = std::make_unique<CStrokeWork>(40000);
};

TEST_F(CornerTest, AnLOfTwoFortyPixelLegsHasOneRightAngledCorner) {
  const int first = AddPolyline(*path, {{0, 0}, {40, 0}, {40, 40}});
  ASSERT_EQ(FindCorners(*path, kFeatureSearch), 1);
  const std::vector<Corner> corners = FlaggedCorners(*path);
  ASSERT_EQ(corners.size(), 1u);
  EXPECT_EQ(corners[0].index, first + 40);  // the turn itself
  EXPECT_NEAR(corners[0].angle, 90.0f, 0.5f);
  // The chord across the turn: two legs of 4 pixels, 32 squared; its angle comes back.
  EXPECT_NEAR(gCornerList.m_entries[0].angle, 2 * std::asin(std::sqrt(32.0) / 8) * 180 / 3.14159265, 1e-3);
  EXPECT_EQ(gCornerList.m_entries[0].kind, CCornerList::kKindSeen);
  EXPECT_EQ(gCornerList.FindAngle(gCornerList.m_entries[0].index), gCornerList.m_entries[0].angle);
  EXPECT_EQ(gCornerList.FindAngle(-5), -1.0f);
}

TEST_F(CornerTest, StraightAndShortStrokesHaveNoCorner) {
  AddPolyline(*path, {{0, 0}, {100, 30}});  // straight: every chord is 2 m x spacing
  AddPolyline(*path, {{200, 0}, {203, 0}, {203, 3}});  // a sharp turn of 4 resampled points
  AddPolyline(*path, {{300, 0}, {300, 0}});
  EXPECT_EQ(FindCorners(*path, kFeatureSearch), 0);
  EXPECT_TRUE(FlaggedCorners(*path).empty());
}

TEST_F(CornerTest, AStrokeThatTurnsRightThenDownCountsGentlerBends) {
  // A bend of 12 degrees (read near 168) between a level start and an upright end; the
  // mirror, turning up, is held to the plain limit of 165.
  const double bend = 12 * 3.14159265358979 / 180;
  const float bx = static_cast<float>(40 + 40 * std::cos(bend));
  const float by = static_cast<float>(40 * std::sin(bend));
  struct Case {
    float sign;
    size_t corners;
  } cases[] = {{1, 2}, {-1, 1}};
  for (const Case& c : cases) {
    path->SetCount(0);
    AddPolyline(*path, {{0, 0}, {40, 0}, {bx, c.sign * by}, {bx, c.sign * (by + 60)}});
    const std::vector<Corner> corners = FlaggedCorners((FindCorners(*path, kFeatureSearch), *path));
    ASSERT_EQ(corners.size(), c.corners) << c.sign;
    if (c.corners == 2) {
      EXPECT_GT(corners[0].angle, 165.0f);
      EXPECT_LT(corners[0].angle, 170.0f);
    }
    EXPECT_NEAR(corners.back().angle, 102.0f, 3.0f) << c.sign;  // the turn to upright
  }
}

TEST_F(CornerTest, AFlaggedNearestPointKeepsItsFlagButGetsTheAngle) {
  const int first = AddPolyline(*path, {{0, 0}, {40, 0}, {40, 40}});
  path->m_pFlags[first + 40] = 62;
  gCornerAngle.assign(gCornerAngle.size(), 0.0f);
  EXPECT_EQ(FindCorners(*path, kFeatureSearch), 1);
  EXPECT_EQ(path->m_pFlags[first + 40], 62);
  EXPECT_NEAR(gCornerAngle[static_cast<size_t>(first + 40)], 90.0f, 0.5f);
}

TEST_F(CornerTest, ACornerGoesToItsOwnStrokeNotToOneThatPassesCloser) {
  // The copy's corner lies nearer to a point of the diagonal stroke than to any point of
  // the L, whose turn (41, 0) stands a pixel away from the resampled corner.
  Fill(*path, {{0, 0, 1}, {41, 0, 0}, {41, 41, 0}});
  const int diagonal = AddPolyline(*path, {{20.3f, 20.3f}, {40.3f, 0.3f}, {60.3f, -19.7f}}, 20);
  ASSERT_EQ(FindCorners(*path, kFeatureSearch), 1);
  EXPECT_EQ(path->m_pFlags[1], kFlagCorner);
  EXPECT_EQ(path->m_pFlags[diagonal + 1], 0);
}

TEST_F(CornerTest, EachCornerGoesToTheNearestPointOfItsStroke) {
  // A scribble crossing itself everywhere, so that far parts of the stroke pass close.
  uint32_t seed = 3;
  auto step = [&seed]() {
    seed = seed * 1103515245u + 12345u;
    return float(int((seed >> 16) % 21) - 10);
  };
  CFPoint at(100, 100);
  for (int i = 0; i < 3000; ++i) {
    path->AddPointUnique(at.x, at.y, i == 0 ? 1 : 0, 1);
    at = CFPoint(std::clamp(at.x + step(), 60.0f, 140.0f), std::clamp(at.y + step(), 60.0f, 140.0f));
  }
  const int found = FindCorners(*path, kFeatureSearch);
  ASSERT_GT(found, 100);
  std::vector<float> want(static_cast<size_t>(path->GetCount()), -1.0f);
  for (int c = 0; c < found; ++c) {
    const CCornerEntry& e = gCornerList.m_entries[c];
    const int j = path->FindNearestInRange(e.point.x, e.point.y, 0, path->GetCount());
    if (j > 0) want[static_cast<size_t>(j)] = e.angle;
  }
  for (int i = 1; i < path->GetCount(); ++i) {
    const float angle = want[static_cast<size_t>(i)];
    ASSERT_EQ(path->m_pFlags[i] == kFlagCorner, angle >= 0) << i;
    if (angle >= 0) {
      EXPECT_EQ(gCornerAngle[static_cast<size_t>(i)], angle);
    }
  }
}

TEST_F(CornerTest, CornersLateInALongPathGetTheirAngles) {
  // 120 L strokes of 2 x 50 pixels at spacing 0.5 pass index 20,000.
  for (int k = 0; k < 120; ++k) {
    const float x = float(k % 12) * 80;
    const float y = float(k / 12) * 80;
    AddPolyline(*path, {{x, y}, {x + 50, y}, {x + 50, y + 50}}, 0.5f);
  }
  ASSERT_GT(path->GetCount(), 20000);
  EXPECT_EQ(FindCorners(*path, kFeatureSearch), 120);
  const std::vector<Corner> corners = FlaggedCorners(*path);
  ASSERT_EQ(corners.size(), 120u);
  EXPECT_GT(corners.back().index, 20000);
  EXPECT_NEAR(corners.back().angle, 90.0f, 0.5f);
  EXPECT_GE(gCornerAngle.size(), static_cast<size_t>(path->GetCapacity()));
}

TEST_F(CornerTest, TheThousandAndFirstCornerIsDropped) {
  for (int k = 0; k < CCornerList::kCapacity + 1; ++k) {
    const float x = float(k % 40) * 30;
    const float y = float(k / 40) * 30;
    Fill(*path, {{x, y, 1}, {x + 20, y, 0}, {x + 20, y + 20, 0}});
  }
  EXPECT_EQ(FindCorners(*path, kFeatureSearch), CCornerList::kCapacity);
  const std::vector<Corner> corners = FlaggedCorners(*path);
  ASSERT_EQ(corners.size(), size_t{CCornerList::kCapacity});
  EXPECT_EQ(corners.back().index, 3 * (CCornerList::kCapacity - 1) + 1);  // the 1,000th L's turn
  EXPECT_EQ(gCornerList.Add(0, 90, 0, CFPoint(0, 0), 1), -1);
}

TEST_F(CornerTest, TheAdaptiveSpacingSwitchComesBackUnchanged) {
  AddPolyline(*path, {{0, 0}, {40, 0}, {40, 40}});
  for (int active : {0, 1, 7}) {
    gUnitPassActive = active;
    gMarkers.EnablePosting(1);
    EXPECT_EQ(FindCorners(*path, kFeatureSearch), 1) << active;  // spacing 2, not adaptive
    EXPECT_NEAR(gCornerList.m_entries[0].angle, 90.0f, 0.5f);
    EXPECT_EQ(gUnitPassActive, active);
    EXPECT_FALSE(gMarkers.IsPosting());
  }
  gMarkers.Clear();
}

TEST_F(CornerTest, AnalyseChordsFlagsTheCopyByMode) {
  struct Case {
    int mode;
    uint8_t before;
    uint8_t after;
  } cases[] = {{0, 0, 3}, {0, 9, 9}, {1, 9, 3}, {2, 0, 3}, {2, 9, 4}};
  for (const Case& c : cases) {
    path->SetCount(0);
    const int first = AddPolyline(*path, {{0, 0}, {20, 0}, {20, 20}}, 2);
    path->m_pFlags[first + 10] = c.before;
    CornerSearch search = kFeatureSearch;
    search.mode = c.mode;
    ASSERT_EQ(AnalyseChords(*path, search), 1) << c.mode;
    EXPECT_EQ(gCornerList.m_entries[0].index, first + 10);
    EXPECT_EQ(path->m_pFlags[first + 10], c.after) << c.mode << " " << int(c.before);
  }
}

TEST_F(CornerTest, ACyclicStrokeFindsACornerNextToItsEnd) {
  // A square closed back past its first corner: the turn one point before the end has
  // too little stroke after it unless the window wraps round to the start.
  const int first = AddPolyline(*path, {{4, 0}, {20, 0}, {20, 20}, {0, 20}, {0, 0}, {2, 0}}, 2);
  const int end = path->GetCount() - 1;
  CornerSearch search = kFeatureSearch;
  EXPECT_EQ(AnalyseChords(*path, search), 3);
  search.cyclic = true;
  ASSERT_EQ(AnalyseChords(*path, search), 4);
  EXPECT_EQ(gCornerList.m_entries[3].index, end - 1);
  EXPECT_GT(gCornerList.m_entries[0].index, first);
}

TEST_F(CornerTest, ReplaceFlagsBySelector) {
  const std::vector<uint8_t> flags = {0, 1, 2, 3, 7, 62, 255};
  struct Case {
    int from;
    std::vector<uint8_t> result;
  } cases[] = {
      {-1, {0, 1, 2, 5, 7, 5, 5}},
      {-2, {0, 1, 5, 5, 5, 5, 5}},
      {3, {0, 1, 2, 5, 7, 62, 255}},
  };
  for (const Case& c : cases) {
    CStrokePath p(16);
    for (size_t k = 0; k < flags.size(); ++k) p.AppendPoint(int(k), 0, flags[k]);
    ReplaceFlags(p, c.from, 5);
    EXPECT_EQ(std::vector<uint8_t>(p.m_pFlags, p.m_pFlags + p.GetCount()), c.result) << c.from;
  }
}

}  // namespace
