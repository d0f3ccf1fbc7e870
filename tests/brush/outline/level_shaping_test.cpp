#include "brush/outline/level_shaping.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "support/brush_fixture.h"

namespace {

using tmb::test::AddLine;

// Levels and links of a working character of one or more straight strokes.
class LevelShapingTest : public tmb::test::BrushEngineTest {
 protected:
  // Strokes of the given lengths, one after another; links where a stroke is entered.
  void MakeStrokes(std::initializer_list<int> lengths) {
    work->ClearPoints();
    links.assign(kMaxCharPoints, 0);
    int y = 0;
    for (int n : lengths) {
      if (work->m_nPoints > 0) links[size_t(work->m_nPoints) - 1] = 1;
      AddLine(*work, {0, y}, 1, 0, n);
      y += 40;
    }
  }
  void SetLevels(const std::vector<int>& values) {
    levels.assign(kMaxCharPoints, 0);
    for (size_t i = 0; i < values.size(); ++i) levels[i] = static_cast<int8_t>(values[i]);
  }
  std::vector<int> Levels() const { return {levels.begin(), levels.begin() + work->m_nPoints}; }

  std::vector<uint8_t> links;
  std::vector<int8_t> levels;
};

TEST_F(LevelShapingTest, ContrastFactorOneChangesNothing) {
  MakeStrokes({6, 6});
  const std::vector<int> before = {3, 9, 14, 20, 2, 8, 30, 1, 5, 7, 11, 4};
  for (int perStroke : {0, 1}) {
    SetLevels(before);
    work->ScaleLevelContrast(links.data(), levels.data(), 1.0f, perStroke);
    EXPECT_EQ(Levels(), before);
  }
}

TEST_F(LevelShapingTest, ContrastSpreadsEachSectionAroundItsMiddle) {
  MakeStrokes({6, 6});
  work->m_param[39] = 1;
  work->m_param[49] = 4;
  SetLevels({4, 6, 8, 10, 12, 7, 10, 10, 10, 10, 10, 10});
  work->ScaleLevelContrast(links.data(), levels.data(), 1.5f, 1);
  // First stroke, points 0 to 4 (mid 8): level + round(1.5 dev) where the result stays
  // in range. The last point of each stroke is left out.
  const std::vector<int> got = Levels();
  EXPECT_EQ(got[0], 4);   // 4 - 6 would fall below the minimum 1
  EXPECT_EQ(got[1], 3);   // 6 - 3
  EXPECT_EQ(got[2], 8);   // the middle
  EXPECT_EQ(got[3], 13);  // 10 + 3
  EXPECT_EQ(got[4], 18);  // 12 + 6: the section's last point, still above the floor 4
  EXPECT_EQ(got[5], 7);   // the stroke's last point is not in the section
}

TEST_F(LevelShapingTest, ContrastNeverPassesTheCeiling) {
  MakeStrokes({8});
  work->m_param[39] = 0;
  work->m_param[49] = 0;
  SetLevels({2, 30, 31, 2, 25, 30, 2, 9});
  work->ScaleLevelContrast(links.data(), levels.data(), 3.0f, 1);
  for (int v : Levels()) EXPECT_LE(v, 31);
}

TEST_F(LevelShapingTest, SectionsBetweenLinksLeaveTheLastOneAlone) {
  MakeStrokes({5, 5});
  work->m_param[39] = 0;
  work->m_param[49] = 0;
  SetLevels({2, 10, 2, 10, 2, 2, 10, 2, 10, 2});
  work->ScaleLevelContrast(links.data(), levels.data(), 2.0f, 0);
  // The first section ends two points before the link at point 4; the second reaches the
  // end without a link and is skipped.
  const std::vector<int> got = Levels();
  EXPECT_EQ(got[0], 2);   // 2 - 8 would fall below the minimum 0
  EXPECT_EQ(got[1], 18);  // 10 + 8
  EXPECT_EQ(got[2], 2);
  EXPECT_EQ(std::vector<int>(got.begin() + 3, got.end()), (std::vector<int>{10, 2, 2, 10, 2, 10, 2}));
}

TEST_F(LevelShapingTest, SmoothingModes) {
  struct Case {
    int mode;
    int style;
    std::vector<int> in;
    std::vector<int> out;
  };
  const Case cases[] = {
      {1, 0, {2, 8, 8, 2, 9}, {2, 8, 8, 2, 9}},        // none
      {0, 0, {2, 8, 8, 2, 9}, {2, 3, 4, 3, 9}},        // one level per step
      {2, 0, {2, 8, 8, 2, 9}, {2, 5, 6, 4, 9}},        // steps halved
      {0, 300, {2, 8, 12, 4, 9}, {2, 5, 8, 7, 9}},     // averaged in the first direction, then limited
      {5, 0, {2, 8, 8, 2, 9}, {2, 8, 8, 2, 9}},        // other modes change nothing
  };
  for (const Case& c : cases) {
    MakeStrokes({5});
    work->m_param[13] = c.mode;
    work->m_param[37] = c.style;
    SetLevels(c.in);
    SmoothLevels(*work, links.data(), levels.data(), false);
    EXPECT_EQ(Levels(), c.out) << "mode " << c.mode << " style " << c.style;
  }
}

TEST_F(LevelShapingTest, StepLimitingSkipsLinks) {
  MakeStrokes({3, 3});
  work->m_param[13] = 0;
  SetLevels({2, 9, 2, 12, 2, 9});
  SmoothLevels(*work, links.data(), levels.data(), false);
  // Points 2 and 3 touch the link from point 2 to 3; point 4 steps down from point 3.
  EXPECT_EQ(Levels(), (std::vector<int>{2, 3, 2, 12, 11, 9}));
}

TEST_F(LevelShapingTest, AveragingSmoothsButHoldsLevelsAtStrokeStarts) {
  MakeStrokes({12, 12});
  work->m_param[13] = 3;
  work->m_param[111] = 20;
  std::vector<int> zigzag;
  for (int i = 0; i < 24; ++i) zigzag.push_back(i % 2 ? 14 : 4);
  SetLevels(zigzag);
  SmoothLevels(*work, links.data(), levels.data(), true);
  const std::vector<int> got = Levels();
  // Inside each stroke the zigzag evens out; next to the second stroke's start it stays.
  for (int i = 1; i < 9; ++i) EXPECT_LE(std::abs(got[size_t(i)] - got[size_t(i) + 1]), 2) << i;
  for (int i = 10; i <= 12; ++i) EXPECT_EQ(got[size_t(i)], zigzag[size_t(i)]) << i;
}

TEST_F(LevelShapingTest, TapersRampFromTheFloorAndNeverRaiseALevel) {
  MakeStrokes({40, 40});
  work->m_param[49] = 2;
  work->m_param[42] = 0;
  work->m_param[14] = 3;
  SetLevels(std::vector<int>(80, 20));
  TaperLevels(*work, links.data(), levels.data());
  const std::vector<int> got = Levels();
  for (int k = 0; k < 18; ++k) EXPECT_EQ(got[size_t(k)], 2 + k) << k;   // start ramp
  EXPECT_EQ(got[18], 20);
  EXPECT_EQ(got[40], 2);                                                // the next stroke's start
  EXPECT_EQ(got[78], 2);                                                // end ramp from the last segment
  EXPECT_EQ(got[38], 2);                                                // end ramp before the link
  EXPECT_EQ(got[37], 3);

  // On any levels, with any taper setting, no level rises.
  uint32_t seed = 7;
  for (int tapers : {0, 1, 2, 3}) {
    for (int thin : {0, 1}) {
      std::vector<int> random;
      for (int i = 0; i < 80; ++i) {
        seed = seed * 1103515245u + 12345u;
        random.push_back(int((seed >> 16) % 32));
      }
      SetLevels(random);
      work->m_param[14] = tapers;
      work->m_param[42] = thin;
      TaperLevels(*work, links.data(), levels.data());
      const std::vector<int> after = Levels();
      for (size_t i = 0; i < after.size(); ++i) ASSERT_LE(after[i], random[i]) << tapers << thin << i;
    }
  }
}

// A floor below the byte's range (a damaged file) tapers down to the lowest level; the
// ramp must not wrap round into high levels.
TEST_F(LevelShapingTest, FloorsBelowTheByteRangeTaperToTheLowestLevel) {
  struct Case {
    int floor;
    int first;   // the level at the stroke's start
    int second;  // the level one point in
  } cases[] = {{-129, -128, -128}, {-1000, -128, -128}, {INT32_MIN, -128, -128}, {-128, -128, -127}};
  for (const Case& c : cases) {
    MakeStrokes({40});
    work->m_param[49] = c.floor;
    work->m_param[14] = 3;
    SetLevels(std::vector<int>(40, 20));
    TaperLevels(*work, links.data(), levels.data());
    const std::vector<int> got = Levels();
    EXPECT_EQ(got[0], c.first) << c.floor;
    EXPECT_EQ(got[1], c.second) << c.floor;
    for (size_t i = 0; i < got.size(); ++i) ASSERT_LE(got[i], 20) << c.floor << " at " << i;
  }
}

TEST_F(LevelShapingTest, ThinEndTapersOnlyTouchThinEnds) {
  MakeStrokes({20, 20});
  work->m_param[49] = 1;
  work->m_param[14] = 0;
  work->m_param[42] = 1;
  std::vector<int> in(40, 15);
  in[20] = 8;  // the second stroke starts thin
  SetLevels(in);
  TaperLevels(*work, links.data(), levels.data());
  const std::vector<int> got = Levels();
  EXPECT_EQ(got[0], 15);   // a thick start keeps its level
  EXPECT_EQ(got[20], 1);   // a thin start is tapered
  EXPECT_EQ(got[21], 2);
}

}  // namespace

namespace {

// A damaged file can hold any pass count; a huge one must finish like the largest sane one.
TEST_F(LevelShapingTest, HugeAveragingPassCountsFinish) {
  std::vector<int> results[2];
  const int counts[] = {1000, 2147483647};
  for (int k = 0; k < 2; ++k) {
    MakeStrokes({12});
    work->m_param[13] = 3;
    work->m_param[111] = counts[k];
    SetLevels({4, 14, 4, 14, 4, 14, 4, 14, 4, 14, 4, 14});
    SmoothLevels(*work, links.data(), levels.data(), true);
    results[k] = Levels();
  }
  EXPECT_EQ(results[0], results[1]);
}

}  // namespace
