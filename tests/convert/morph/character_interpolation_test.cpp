#include "convert/morph/character_interpolation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "core/path/stroke_work.h"
#include "support/path_points.h"

namespace {

using tmb::test::AddLineStroke;
using tmb::test::PointsOf;

constexpr int kCapacity = 400;

struct Records {
  std::vector<float> values;
  bool operator==(const Records&) const = default;
};

Records RecordsOf(const CStrokeWork& path) {
  Records r;
  for (int i = 0; i < path.GetCount(); ++i) r.values.insert(r.values.end(), path.m_pRecords[i].v, path.m_pRecords[i].v + 4);
  return r;
}

std::vector<int> FlagsOf(const CStrokePath& path) { return std::vector<int>(path.m_pFlags, path.m_pFlags + path.GetCount()); }

class InterpolationTest : public ::testing::Test {
 protected:
  // A: two strokes breaking at 10; B: two strokes breaking at 15, 20 points each, with
  // records of their own.
  void SetUp() override {
    AddLineStroke(*a, {0, 0}, {90, 0}, 9);
    AddLineStroke(*a, {0, 50}, {90, 50}, 9);
    AddLineStroke(*b, {100, 100}, {240, 100}, 14);
    AddLineStroke(*b, {100, 200}, {140, 240}, 4);
    for (int i = 0; i < 20; ++i) {
      a->m_pRecords[i] = CPointRecord{{1.0f * i, 2.0f, 3.0f, 7.0f}};
      b->m_pRecords[i] = CPointRecord{{-1.0f * i, 4.0f, 9.0f, 8.0f}};
    }
    out->m_param[kMorphStretchTolerance] = 50;
  }

  void SetLag(int strength, int earliest, int latest) {
    out->m_param[kMorphLagOn] = 1;
    out->m_param[kMorphLagStrength] = strength;
    out->m_param[kMorphLagEarliest] = earliest;
    out->m_param[kMorphLagLatest] = latest;
  }

  std::unique_ptr<CStrokeWork> a = std::make_unique<CStrokeWork>(kCapacity);
  std::unique_ptr<CStrokeWork> b = std::make_unique<CStrokeWork>(kCapacity);
  std::unique_ptr<CStrokeWork> out = std::make_unique<CStrokeWork>(kCapacity);
};

TEST_F(InterpolationTest, TheEndsAreTheCharactersThemselves) {
  ASSERT_EQ(out->InterpolateCharacters(*a, *b, 0), 20);
  EXPECT_EQ(PointsOf(*out), PointsOf(*a));
  EXPECT_EQ(RecordsOf(*out), RecordsOf(*a));
  ASSERT_EQ(out->InterpolateCharacters(*a, *b, 100), 20);
  EXPECT_EQ(PointsOf(*out), PointsOf(*b));
  EXPECT_EQ(RecordsOf(*out), RecordsOf(*b));
  // A percentage outside 0 to 100 is held to the nearer end.
  out->InterpolateCharacters(*a, *b, -40);
  EXPECT_EQ(PointsOf(*out), PointsOf(*a));
  out->InterpolateCharacters(*a, *b, 250);
  EXPECT_EQ(PointsOf(*out), PointsOf(*b));
}

TEST_F(InterpolationTest, UpToHalfWayTheBreaksAreAsThenBs) {
  out->InterpolateCharacters(*a, *b, 50);
  EXPECT_EQ(FlagsOf(*out), FlagsOf(*a));
  EXPECT_EQ(out->m_pPoints[3], CFPoint(80, 50));
  // The records blend slow out of A and slow into B: half-way at 50 %.
  EXPECT_FLOAT_EQ(out->m_pRecords[3].v[0], 0.0f);
  EXPECT_FLOAT_EQ(out->m_pRecords[3].v[2], 6.0f);
  EXPECT_FLOAT_EQ(out->m_pRecords[3].v[3], 7.0f);  // not blended: A's, whose breaks it takes
  out->InterpolateCharacters(*a, *b, 51);
  EXPECT_EQ(FlagsOf(*out), FlagsOf(*b));
  EXPECT_FLOAT_EQ(out->m_pRecords[3].v[3], 8.0f);
}

TEST_F(InterpolationTest, ACharacterWithItselfStaysExactlyAsItIsAtAnyPercentage) {
  for (int percent = 0; percent <= 100; percent += 7) {
    for (bool lag : {false, true}) {
      SetLag(lag ? 80 : 0, 20, 70);
      out->InterpolateCharacters(*b, *b, percent);
      EXPECT_EQ(PointsOf(*out), PointsOf(*b)) << percent;
      EXPECT_EQ(RecordsOf(*out), RecordsOf(*b)) << percent;
    }
  }
}

TEST_F(InterpolationTest, TheTimeLagChangesTheStartOfTheWritingFirst) {
  // Earliest change point 0 %, latest 100 %, full strength.
  SetLag(100, 0, 100);
  const double early = 1 - std::pow(0.5, 11);
  const double late = std::pow(0.5, 11);
  const MorphBlend blend(out->m_param, 21, 0.5);
  EXPECT_NEAR(blend.Factor(0), early, 1e-12);
  EXPECT_NEAR(blend.Factor(20), late, 1e-12);
  EXPECT_NEAR(blend.Factor(10), 0.5, 1e-12);  // the lag shape is 0.5 there
  // The same through the points: A at 0, B at 1000.
  auto flatA = std::make_unique<CStrokeWork>(kCapacity);
  auto flatB = std::make_unique<CStrokeWork>(kCapacity);
  AddLineStroke(*flatA, {0, 0}, {0, 0}, 20);
  AddLineStroke(*flatB, {1000, 0}, {1000, 0}, 20);
  out->InterpolateCharacters(*flatA, *flatB, 50);
  EXPECT_NEAR(out->m_pPoints[0].x, 1000 * early, 1e-3);
  EXPECT_NEAR(out->m_pPoints[20].x, 1000 * late, 1e-3);
  EXPECT_NEAR(out->m_pPoints[10].x, 500, 1e-3);
}

TEST_F(InterpolationTest, TheSmallerCountIsTaken) {
  auto longer = std::make_unique<CStrokeWork>(kCapacity);
  auto shorter = std::make_unique<CStrokeWork>(kCapacity);
  AddLineStroke(*longer, {0, 0}, {39, 0}, 39);
  AddLineStroke(*shorter, {0, 10}, {34, 10}, 34);
  EXPECT_EQ(out->InterpolateCharacters(*longer, *shorter, 30), 35);
  EXPECT_EQ(out->GetCount(), 35);
}

// A single stroke against one that jumps half-way: while A's breaks show, the in-between
// stroke that has grown past the tolerance is marked where B breaks.
TEST_F(InterpolationTest, AStrokeStretchedPastTheToleranceIsMarkedAtTheHiddenBreak) {
  auto single = std::make_unique<CStrokeWork>(kCapacity);
  auto broken = std::make_unique<CStrokeWork>(kCapacity);
  AddLineStroke(*single, {0, 0}, {19, 0}, 19);
  AddLineStroke(*broken, {0, 100}, {9, 100}, 9);
  AddLineStroke(*broken, {200, 100}, {209, 100}, 9);
  struct Case {
    const CStrokeWork* first;
    const CStrokeWork* second;
    int percent;
    int tolerance;
    int flag10;
  };
  const Case cases[] = {
      {single.get(), broken.get(), 30, 10, kFlagStretched},  // phase 1: B's break is hidden
      {single.get(), broken.get(), 30, 50, 0},               // within five times A's length
      {broken.get(), single.get(), 70, 10, kFlagStretched},  // phase 2: A's break is hidden
      {single.get(), broken.get(), 70, 10, 1},               // B's break shows
      {single.get(), broken.get(), 0, 10, 0},                // the ends mark nothing
  };
  for (const Case& c : cases) {
    out->m_param[kMorphStretchTolerance] = c.tolerance;
    out->InterpolateCharacters(*c.first, *c.second, c.percent);
    for (int i = 1; i < 20; ++i) EXPECT_EQ(out->m_pFlags[i], i == 10 ? c.flag10 : 0) << c.percent << " " << i;
  }
}

// One point, settings far outside their ranges: every point stays between A and B.
TEST_F(InterpolationTest, OnePointPathsAndOffRangeSettingsGiveFinitePoints) {
  struct Lag {
    int strength, earliest, latest;
  };
  auto dot = std::make_unique<CStrokeWork>(kCapacity);
  auto other = std::make_unique<CStrokeWork>(kCapacity);
  AddLineStroke(*dot, {5, 5}, {5, 5}, 0);
  AddLineStroke(*other, {50, 80}, {50, 80}, 0);
  // Change points a whole cycle apart (50 and -50, 20 and 120) would divide by zero.
  for (const Lag& lag : {Lag{100, 0, 100}, Lag{100, 50, -50}, Lag{100, 20, 120}, Lag{1000, -50, 300},
                         Lag{-70, 200, 200}, Lag{100, 150, -20}, Lag{60, 100, 0}, Lag{60, 40, 40}}) {
    SetLag(lag.strength, lag.earliest, lag.latest);
    for (int percent : {-10, 0, 1, 37, 50, 51, 99, 100, 180}) {
      for (auto [first, second] : {std::pair{dot.get(), other.get()}, std::pair{a.get(), b.get()}}) {
        const int n = out->InterpolateCharacters(*first, *second, percent);
        for (int i = 0; i < n; ++i) {
          const CFPoint p = out->m_pPoints[i];
          const CFPoint pa = first->m_pPoints[i];
          const CFPoint pb = second->m_pPoints[i];
          ASSERT_TRUE(std::isfinite(p.x) && std::isfinite(p.y)) << lag.strength << " " << percent << " " << i;
          EXPECT_GE(p.x, std::min(pa.x, pb.x) - 1e-3);
          EXPECT_LE(p.x, std::max(pa.x, pb.x) + 1e-3);
          for (float v : out->m_pRecords[i].v) ASSERT_TRUE(std::isfinite(v));
        }
      }
    }
  }
}

}  // namespace
