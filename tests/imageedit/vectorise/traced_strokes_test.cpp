#include "imageedit/vectorise/traced_strokes.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "imageedit/vectorise/vectorize_settings.h"
#include "support/mono_block.h"
#include "support/path_points.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::StrokeRanges;

using tmb::Point;
using tmb::test::AddPolyline;
using tmb::test::MonoBlock;

class TracedStrokesTest : public ::testing::Test {
 protected:
  void TearDown() override { gVectorizeSettings = CVectorizeSettings{}; }

  std::unique_ptr<CStrokePath> path = std::make_unique<CStrokePath>(4000);
  std::unique_ptr<CStrokePath> work = std::make_unique<CStrokePath>(4000);
  std::unique_ptr<CStrokePath> target = std::make_unique<CStrokePath>(4000);
};

TEST_F(TracedStrokesTest, TheSettingsStartAsTheVectoriserWantsThem) {
  EXPECT_EQ(gVectorizeSettings.m_values, (std::array<int32_t, 8>{0, 48, 0, 1, 1, 1, 1, 1}));
}

TEST_F(TracedStrokesTest, StrokesWhoseEndsTouchAreJoinedOnlyWhereOneEndMeetsOne) {
  struct Case {
    const char* what;
    std::vector<std::vector<CFPoint>> strokes;
    int joins;
  };
  const std::vector<Case> cases = {
      {"ends 2 px apart", {{{10, 10}, {40, 10}}, {{42, 11}, {80, 11}}}, 1},
      {"start to start", {{{40, 10}, {10, 10}}, {{42, 10}, {80, 10}}}, 1},
      {"three ends within 3 px", {{{10, 10}, {40, 10}}, {{42, 10}, {80, 10}}, {{41, 12}, {41, 60}}}, 0},
      {"a stroke's own ends", {{{10, 10}, {30, 10}, {30, 30}, {12, 30}, {11, 12}}}, 0},
      {"4 px apart", {{{10, 10}, {40, 10}}, {{44, 10}, {80, 10}}}, 0},
  };
  for (const Case& c : cases) {
    path->SetCount(0);
    for (const auto& s : c.strokes) AddPolyline(*path, s);
    const int count = path->GetCount();
    EXPECT_EQ(JoinTracedStrokes(*path, 0), c.joins) << c.what;
    EXPECT_EQ(int(StrokeRanges(*path).size()), int(c.strokes.size()) - c.joins) << c.what;
    EXPECT_EQ(path->GetCount(), count) << c.what;
  }
  // The joined stroke runs from one far end to the other.
  path->SetCount(0);
  AddPolyline(*path, {{40, 10}, {10, 10}});
  AddPolyline(*path, {{42, 10}, {80, 10}});
  JoinTracedStrokes(*path, 0);
  EXPECT_EQ(path->GetPoint(0).RoundToPoint(), (Point{10, 10}));
  EXPECT_EQ(path->GetLastPoint().RoundToPoint(), (Point{80, 10}));
  // The first stroke was taken backwards: its joint with the second is flagged.
  for (int i = 0; i < path->GetCount(); ++i) {
    const bool joint = path->GetPoint(i).RoundToPoint() == Point{42, 10};
    EXPECT_EQ(path->m_pAttrs[i], joint ? kAttrReversedJoint : CStrokePath::kAttrDefault) << i;
  }
  EXPECT_EQ(JoinTracedStrokes(*path, 0), 0) << "a joint is no end to join again";
  // Joined at its end, a stroke runs forwards and flags nothing.
  path->SetCount(0);
  AddPolyline(*path, {{10, 10}, {40, 10}});
  AddPolyline(*path, {{42, 10}, {80, 10}});
  ASSERT_EQ(JoinTracedStrokes(*path, 0), 1);
  for (int i = 0; i < path->GetCount(); ++i) EXPECT_EQ(path->m_pAttrs[i], CStrokePath::kAttrDefault) << i;
}

TEST_F(TracedStrokesTest, AShortPieceAtAStrokeStartGetsItsTargetBeforeIt) {
  AddPolyline(*path, {{66, 50}, {70, 50}});
  AddPolyline(*path, {{76, 50}, {120, 50}});
  EXPECT_EQ(SimplifyTracedStrokes(*path, 12, 24), 1);
  EXPECT_EQ(path->GetPoint(0).RoundToPoint(), (Point{76, 50}));
  EXPECT_EQ(path->GetFlag(0), 1);
  EXPECT_EQ(path->GetPoint(1).RoundToPoint(), (Point{66, 50}));
  EXPECT_EQ(path->GetFlag(1), 0) << "no stroke of one point is left";
  EXPECT_EQ(StrokeRanges(*path).size(), 2u);
}

// A target line at x = 50 and a traced stroke running at it along y = 50.
class ConnectTest : public TracedStrokesTest {
 protected:
  void SetUp() override { AddPolyline(*target, {{50, 10}, {50, 90}}); }
  MonoBlock InkAlong(int from, int to) {
    MonoBlock mask(100, 100);
    for (int x = from; x < to; ++x) {
      for (int y = 48; y < 53; ++y) mask.Ink(x, y);
    }
    return mask;
  }
};

TEST_F(ConnectTest, AFreeEndIsCarriedToTheTargetAlongInk) {
  AddPolyline(*path, {{10, 50}, {40, 50}});
  const MonoBlock ink = InkAlong(0, 60);
  EXPECT_EQ(ConnectTracedStrokes(*path, ink.bitmap, nullptr, *target, *work, nullptr), 1);
  EXPECT_EQ(path->GetLastPoint().RoundToPoint(), (Point{50, 50}));
  EXPECT_EQ(StrokeRanges(*path).size(), 1u);
  for (int i = 1; i < path->GetCount(); ++i) {
    EXPECT_LE(std::abs(path->GetPoint(i).x - path->GetPoint(i - 1).x), 1.0f) << "densified";
  }
}

TEST_F(ConnectTest, AnEndNearTheTargetStaysAndALinkOverBackgroundIsRefused) {
  AddPolyline(*path, {{10, 50}, {49, 50}});
  const MonoBlock ink = InkAlong(0, 60);
  const int count = path->GetCount();
  ConnectTracedStrokes(*path, ink.bitmap, nullptr, *target, *work, nullptr);
  EXPECT_EQ(path->GetCount(), count) << "within 2 px already";

  path->SetCount(0);
  AddPolyline(*path, {{10, 50}, {30, 50}});
  const MonoBlock gap = InkAlong(0, 35);
  ConnectTracedStrokes(*path, gap.bitmap, nullptr, *target, *work, nullptr);
  EXPECT_EQ(path->GetLastPoint().RoundToPoint(), (Point{30, 50})) << "the way would cross background";

  // A stroke shorter than the ten points the direction is read over stays in itself.
  path->SetCount(0);
  AddPolyline(*path, {{36, 50}, {40, 50}});
  AddPolyline(*path, {{20, 20}});
  EXPECT_EQ(ConnectTracedStrokes(*path, ink.bitmap, nullptr, *target, *work, nullptr), 1);
  EXPECT_EQ(path->GetPoint(path->FindStrokeEnd(0)).RoundToPoint(), (Point{50, 50}));
}

TEST_F(TracedStrokesTest, SegmentsOnInkLeaveOutTwoPointsAtEachEnd) {
  MonoBlock mask(20, 5);
  for (int x = 2; x < 18; ++x) mask.Ink(x, 2);
  work->AppendLinePoints({0, 2}, {19, 2}, 1, nullptr);
  EXPECT_EQ(SegmentOnInk(mask.bitmap, *work), 1);
  mask.bitmap.SetBit(10, 2, 1);
  EXPECT_EQ(SegmentOnInk(mask.bitmap, *work), 0);
}

// A reference segment from (60, 30) to (60, 70), its middle m = (60, 50), and a traced
// stroke leaving m in a direction.
class FitTest : public TracedStrokesTest {
 protected:
  void SetUp() override { AddPolyline(*reference, {{60, 30}, {60, 70}}, 40.0f); }
  int CutsAlong(float dx, float dy, const MonoBlock& mask) {
    path->SetCount(0);
    std::vector<CFPoint> points;
    for (int k = 0; k <= 40; ++k) points.emplace_back(std::round(60 + dx * k), std::round(50 + dy * k));
    AddPolyline(*path, points, 100.0f);
    path->RemoveDuplicates();
    FitTracedStrokes(*path, mask.bitmap, *reference, nullptr, *work, nullptr);
    return int(StrokeRanges(*path).size()) - 1;
  }
  MonoBlock AllInk() {
    MonoBlock mask(140, 120);
    for (int y = 0; y < 120; ++y) {
      for (int x = 0; x < 140; ++x) mask.Ink(x, y);
    }
    return mask;
  }
  std::unique_ptr<CStrokePath> reference = std::make_unique<CStrokePath>(100);
};

TEST_F(FitTest, ACutIsMadeAtAnAngleToTheSegmentAndAlongInkOnly) {
  const MonoBlock ink = AllInk();
  EXPECT_EQ(CutsAlong(1, 1, ink), 1) << "45 degrees from the segment";
  EXPECT_EQ(CutsAlong(1.0f / 3, 1, ink), 0) << "within 30 degrees of the segment";
  gVectorizeSettings.m_values[CVectorizeSettings::kAngleLimit] = 0;
  EXPECT_EQ(CutsAlong(1, 1, ink), 0) << "within 60 degrees when the fourth setting is 0";
  EXPECT_EQ(CutsAlong(1, 0.25f, ink), 1) << "76 degrees";
  gVectorizeSettings = CVectorizeSettings{};
  const MonoBlock blank(140, 120);
  EXPECT_EQ(CutsAlong(1, 1, blank), 0) << "the way from m runs over background";
}

}  // namespace
