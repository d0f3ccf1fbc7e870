#include "convert/morph/morph_pair.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "convert/morph/character_interpolation.h"
#include "support/drawing_windows.h"
#include "support/generated_character.h"
#include "support/morph_fixture.h"
#include "support/scripted_messages.h"

namespace {

// What a conversion gives: points, flags, widths and records.
struct Shape {
  std::vector<float> points;
  std::vector<int> flags;
  std::vector<int> widths;
  std::vector<float> records;
  bool operator==(const Shape&) const = default;
};

Shape ShapeOf(const CStrokeWork& path) {
  Shape s;
  for (int i = 0; i < path.GetCount(); ++i) {
    s.points.insert(s.points.end(), {path.m_pPoints[i].x, path.m_pPoints[i].y});
    s.flags.push_back(path.m_pFlags[i]);
    s.widths.push_back(path.m_pWidths[i]);
    s.records.insert(s.records.end(), path.m_pRecords[i].v, path.m_pRecords[i].v + 4);
  }
  return s;
}

// Equal but for points that may lie up to tolerance apart.
void ExpectClose(const Shape& got, const Shape& want, float tolerance) {
  ASSERT_EQ(got.points.size(), want.points.size());
  for (size_t k = 0; k < got.points.size(); ++k) ASSERT_NEAR(got.points[k], want.points[k], tolerance) << k;
  EXPECT_EQ(got.flags, want.flags);
  EXPECT_EQ(got.widths, want.widths);
}

class MorphPairTest : public tmb::test::MorphFixture {
 protected:
  // Characters of differing stroke and point counts, one for each seed.
  static std::unique_ptr<CCharDataFull> Generated(uint32_t seed) {
    auto rec = NewRecord();
    tmb::test::AppendGeneratedCharacter(*rec, seed, 2 + int(seed % 6), 15 + int(seed % 7) * 9);
    return rec;
  }
};

TEST_F(MorphPairTest, ThePairIsTakenFromTheDrawnCharactersOfWindowsAAndB) {
  {
    tmb::test::DrawingWindows windows;
    tmb::test::AppendGeneratedCharacter(*windows.a, 1, 4, 30);
    tmb::test::AppendGeneratedCharacter(*windows.b, 2, 6, 25);
    EXPECT_GE(gMorphPair.Prepare(kNoGapDistance), 0);
    ASSERT_TRUE(gMorphPair.IsPrepared());
    EXPECT_GT(gMorphPair.PathA().GetCount(), 100);
    EXPECT_EQ(gMorphPair.PathA().GetCount(), gMorphPair.PathB().GetCount());
    EXPECT_EQ(gMorphPair.PathA().m_pPoints[0], CFPoint(windows.a->m_pPoints[0].x, windows.a->m_pPoints[0].y));
  }
  // Without the windows there is nothing to pair, and the earlier pair is gone.
  EXPECT_EQ(gMorphPair.Prepare(kNoGapDistance), -1);
  EXPECT_FALSE(gMorphPair.IsPrepared());
}

TEST_F(MorphPairTest, DifferentDivisionMarksLeaveNoPair) {
  tmb::test::ScriptedMessages messages;
  auto a = Generated(3);
  auto b = Generated(4);
  a->m_textSettings[0].m_nMarks = 2;
  b->m_textSettings[0].m_nMarks = 3;
  EXPECT_EQ(gMorphPair.Prepare(*a, *b, kNoGapDistance), -1);
  EXPECT_FALSE(gMorphPair.IsPrepared());
  EXPECT_EQ(messages.ids, std::vector<int>{62122});
}

// Through the whole conversion: 0 % converts as A's paired path and 100 % as B's; a
// character paired with itself converts as itself at every percentage.
TEST_F(MorphPairTest, GeneratedPairsConvertAsTheirPairedPathsAtTheEnds) {
  for (uint32_t seed = 1; seed <= 6; ++seed) {
    auto a = Generated(seed);
    auto b = Generated(seed * 31 + 7);
    for (int gap : {kNoGapDistance, 60}) {
      ASSERT_GE(gMorphPair.Prepare(*a, *b, gap), 0) << seed;
      const Shape atA = ShapeOf(ConvertPath(gMorphPair.PathA(), a->m_param));
      const Shape atB = ShapeOf(ConvertPath(gMorphPair.PathB(), a->m_param));
      ExpectClose(ShapeOf(Convert(*a, 0)), atA, 1e-4f);
      ExpectClose(ShapeOf(Convert(*a, 100)), atB, 1e-4f);
      const Shape middle = ShapeOf(Convert(*a, 50));
      EXPECT_NE(middle.points, atA.points) << seed;
      EXPECT_NE(middle.points, atB.points) << seed;
    }
    ASSERT_GE(gMorphPair.Prepare(*a, *a, kNoGapDistance), 0);
    const Shape itself = ShapeOf(ConvertPath(gMorphPair.PathA(), a->m_param));
    for (int percent : {0, 1, 33, 50, 51, 80, 100}) EXPECT_EQ(ShapeOf(Convert(*a, percent)), itself) << percent;
  }
}

TEST_F(MorphPairTest, OnePointCharactersAndOffRangeLagSettingsConvertToFinitePoints) {
  auto dot = NewRecord();
  dot->m_nPoints = 1;
  dot->m_pPoints[0] = {120, 80};
  dot->m_pFlags[0] = 1;
  auto other = Generated(9);
  struct Lag {
    int strength, earliest, latest;
  };
  for (auto [a, b] : {std::pair{dot.get(), dot.get()}, std::pair{dot.get(), other.get()}}) {
    ASSERT_GE(gMorphPair.Prepare(*a, *b, kNoGapDistance), 0);
    for (const Lag& lag : {Lag{100, 50, -50}, Lag{1000, 20, 120}, Lag{-5, 300, -300}}) {
      a->m_param[kMorphLagOn] = 1;
      a->m_param[kMorphLagStrength] = lag.strength;
      a->m_param[kMorphLagEarliest] = lag.earliest;
      a->m_param[kMorphLagLatest] = lag.latest;
      for (int percent : {0, 1, 50, 99, 100, 140}) {
        const CStrokeWork& out = Convert(*a, percent);
        ASSERT_GE(out.GetCount(), 1);
        for (int i = 0; i < out.GetCount(); ++i) {
          ASSERT_TRUE(std::isfinite(out.m_pPoints[i].x) && std::isfinite(out.m_pPoints[i].y)) << percent << " " << i;
        }
      }
    }
  }
}

TEST_F(MorphPairTest, NothingIsLeftBetweenRuns) {
  auto a = Generated(11);
  auto b = Generated(12);
  const Shape plain = ShapeOf(Convert(*a, 50));
  ASSERT_GE(gMorphPair.Prepare(*a, *b, kNoGapDistance), 0);
  const Shape first = ShapeOf(Convert(*a, 50));
  EXPECT_NE(first, plain);
  Convert(*a, 20);
  Convert(*b, 90);
  EXPECT_EQ(ShapeOf(Convert(*a, 50)), first);
  // The switch, not the pair alone, makes a conversion morph.
  a->m_param[kMorphSwitch] = 0;
  EXPECT_EQ(ShapeOf(Convert(*a, 50)), plain);
  a->m_param[kMorphSwitch] = 1;
  gMorphPair.Clear();
  EXPECT_FALSE(gMorphPair.IsPrepared());
  EXPECT_EQ(ShapeOf(Convert(*a, 50)), plain);
}

}  // namespace
