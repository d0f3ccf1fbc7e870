#include <gtest/gtest.h>

#include <vector>

#include "support/brush_fixture.h"

namespace {

using tmb::test::AddStroke;

class PointLevelsTest : public tmb::test::BrushEngineTest {};

TEST_F(PointLevelsTest, ComputePointLevelTable) {
  struct Case {
    const char* what;
    int style, width, modulation, speed, minimum, weight;  // parameters 37, 3, 4, 31, 39, 43
    int dx, dy, pen, second, pressure, which;
    int level;
  };
  const Case cases[] = {
      // Below style 200: (W x (500 - trunc(dist) x M)) / 1000.
      {"short segment", 0, 15, 70, 5, 0, 0, 2, 2, 0, 1, -1, 0, 5},
      {"longer segment", 0, 15, 70, 5, 0, 0, 3, 4, 0, 1, -1, 0, 2},
      {"raised to the minimum", 0, 15, 70, 5, 3, 0, 3, 4, 0, 1, -1, 0, 3},
      {"-0.9 truncates to 0", 0, 15, 70, 5, -5, 0, 8, 0, 0, 1, -1, 0, 0},
      {"capped at 31", 0, 100, 0, 5, 0, 0, 1, 0, 0, 1, -1, 0, 31},
      {"which 1 takes the taper floor", 0, 15, 70, 5, 3, 0, 3, 4, 0, 1, -1, 1, 2},
      // From style 200: speed term e = r + ((second - r) x S) / 10, then
      // L = ((W x M x -e) / 500 + W) / 2.
      {"speed term", 200, 15, 70, 5, 0, 0, 3, 4, 0, 3, -1, 0, 3},
      {"-9.5 truncates toward zero", 200, 15, 70, 5, -10, 0, 12, 16, 0, 1, -1, 0, -4},
      {"pen mode has no speed term and no minimum", 200, 15, 70, 5, 3, 0, 3, 4, 1, 3, -1, 0, 2},
      {"pen mode keeps at least 1", 200, 15, 70, 5, 3, 0, 12, 16, 1, 1, -1, 0, 1},
      {"capped at 31 from style 200", 250, 90, 1, 5, 0, 0, 0, 0, 0, 0, -1, 0, 31},
      // Pressure: (L x (10 - w) + (w x ((p - 50) x k / 10 + 50) x W x M x 32) / 250000) / 10.
      {"no pressure", 200, 30, 70, 5, 0, 0, 3, 4, 0, 3, -1, 0, 7},
      {"light pressure, weight 1", 200, 30, 70, 5, 0, 0, 3, 4, 0, 3, 0, 0, 6},
      {"full pressure, weight 1", 200, 30, 70, 5, 0, 0, 3, 4, 0, 3, 100, 0, 8},
      {"full pressure, weight 5", 200, 30, 70, 5, 0, 1, 3, 4, 0, 3, 100, 0, 13},
      {"full pressure in pen mode", 200, 30, 70, 5, 0, 1, 3, 4, 1, 3, 100, 0, 15},
      {"pressure is not read below style 200", 0, 30, 70, 5, 0, 1, 3, 4, 0, 3, 100, 0, 4},
  };
  for (const Case& c : cases) {
    drawn->m_param[37] = c.style;
    drawn->m_param[3] = c.width;
    drawn->m_param[4] = c.modulation;
    drawn->m_param[31] = c.speed;
    drawn->m_param[39] = c.minimum;
    drawn->m_param[43] = c.weight;
    drawn->m_param[49] = 2;
    EXPECT_EQ(drawn->ComputePointLevel(c.dx, c.dy, c.pen, c.second, c.pressure, c.which), c.level) << c.what;
  }
}

TEST_F(PointLevelsTest, ExtremeValuesStayBetweenTheMinimumAndTheCap) {
  const int big = 2147483647;
  drawn->m_param[39] = 0;
  for (int style : {0, 200}) {
    for (int width : {big, -big}) {
      for (int modulation : {big, -big}) {
        for (int pressure : {-1, big, -big}) {
          drawn->m_param[37] = style;
          drawn->m_param[3] = width;
          drawn->m_param[4] = modulation;
          drawn->m_param[31] = big;
          drawn->m_param[43] = 1;
          const int level = drawn->ComputePointLevel(big, -big, 0, -big, pressure, 0);
          EXPECT_GE(level, 0);
          EXPECT_LE(level, 31);
        }
      }
    }
  }
}

TEST_F(PointLevelsTest, SegmentsAcrossTheIntRangeHaveTheLargestLength) {
  AddStroke(*work, {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX}, {INT32_MAX, INT32_MAX - 3}});
  EXPECT_EQ(work->SegmentLengthSq(0), INT64_MAX);
  EXPECT_EQ(work->SegmentLengthSq(1), 9);
  drawn->m_param[2] = INT32_MAX;
  drawn->FlagLinkSegments(*work);
  EXPECT_EQ(drawn->m_pLinks[0], 1);
}

TEST_F(PointLevelsTest, LinkRunsCountOnlyWhenTheyReachAStrokeStart) {
  struct Case {
    const char* what;
    std::vector<std::vector<tmb::Point>> strokes;
    std::vector<int> links;  // one per segment
  };
  const Case cases[] = {
      {"a jump between strokes", {{{0, 0}, {1, 0}, {2, 0}}, {{50, 0}, {51, 0}}}, {0, 0, 1, 0}},
      {"a fast stretch inside a stroke", {{{0, 0}, {1, 0}, {40, 0}, {41, 0}}}, {0, 0, 0}},
      {"a fast run into a jump", {{{0, 0}, {1, 0}, {30, 0}}, {{60, 0}, {61, 0}}}, {0, 1, 1, 0}},
      {"a fast run that slows down", {{{0, 0}, {1, 0}, {30, 0}, {60, 0}, {61, 0}}, {{62, 0}}}, {0, 0, 0, 0, 0}},
      {"a long first stroke segment", {{{0, 0}, {1, 0}}, {{20, 0}, {40, 0}, {41, 0}}}, {0, 1, 1, 0}},
  };
  for (const Case& c : cases) {
    work->ClearPoints();
    for (const auto& s : c.strokes) {
      for (size_t k = 0; k < s.size(); ++k) {
        AddStroke(*work, {s[k]});
        if (k > 0) work->m_pFlags[work->m_nPoints - 1] = 0;
      }
    }
    drawn->m_param[2] = 10;
    drawn->m_pLinks[work->m_nPoints + 3] = 1;  // cleared with the rest
    drawn->FlagLinkSegments(*work);
    std::vector<int> links(drawn->m_pLinks.get(), drawn->m_pLinks.get() + work->m_nPoints - 1);
    EXPECT_EQ(links, c.links) << c.what;
    EXPECT_EQ(drawn->m_pLinks[work->m_nPoints + 3], 0) << c.what;
  }
}

}  // namespace
