#include "core/record/char_data.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/record/char_data_full.h"
#include "support/char_globals.h"

namespace {

using Stroke = std::vector<tmb::Point>;

class CharDataTest : public tmb::test::CharGlobalsTest {
 protected:
  void SetUp() override {
    CharGlobalsTest::SetUp();
    rec = std::make_unique<CCharDataFull>();
    rec->ClearPoints();
  }

  static void AddStroke(CCharData& r, const Stroke& s) {
    for (size_t k = 0; k < s.size(); ++k) {
      r.m_pPoints[r.m_nPoints] = s[k];
      r.m_pFlags[r.m_nPoints] = k == 0 ? 1 : 0;
      r.m_pPressure[r.m_nPoints] = 50;
      ++r.m_nPoints;
    }
  }
  // A stroke of n points along a line, step (dx, dy) from (x, y).
  static Stroke Line(int x, int y, int dx, int dy, int n) {
    Stroke s;
    for (int i = 0; i < n; ++i) s.push_back({x + i * dx, y + i * dy});
    return s;
  }
  static void Fill(CCharData& r, int n) {
    r.ClearPoints();
    for (int i = 0; i < n; ++i) {
      r.m_pPoints[i] = {i, -i};
      r.m_pFlags[i] = i % 10 == 0 ? 1 : 0;
      r.m_pPressure[i] = i % 100;
    }
    r.m_nPoints = n;
  }

  std::unique_ptr<CCharDataFull> rec;
};

TEST_F(CharDataTest, ClearPointsResetsEveryPerPointValue) {
  Fill(*rec, 300);
  rec->m_pWidthLevel[15999] = 3;
  rec->m_pSegLength[15999] = 9;
  rec->ClearPoints();
  EXPECT_EQ(rec->m_nPoints, 0);
  for (int i = 0; i < kMaxCharPoints; ++i) {
    ASSERT_EQ(rec->m_pPressure[i], -1) << i;
    ASSERT_EQ(rec->m_pSegLength[i], 1) << i;
    ASSERT_EQ(rec->m_pFlags[i], 0) << i;
    ASSERT_EQ(rec->m_pWidthLevel[i], 0) << i;
  }
}

TEST_F(CharDataTest, NearestPointTakesTheFirstOfEqualsAndNoneWhenEmpty) {
  EXPECT_EQ(rec->FindNearestPoint(0, 0), -1);
  AddStroke(*rec, {{10, 0}, {0, 10}, {-10, 0}, {0, -10}});
  EXPECT_EQ(rec->FindNearestPoint(0, 0), 0) << "four points at the same distance";
  EXPECT_EQ(rec->FindNearestPoint(1, 1), 0) << "tie of points 0 and 1";
  EXPECT_EQ(rec->FindNearestPoint(-1, -1), 2) << "tie of points 2 and 3";
  EXPECT_EQ(rec->FindNearestPoint(0, 9), 1);
  // Nothing farther than the search's starting distance (10,000 px) is found.
  EXPECT_EQ(rec->FindNearestPoint(20000, 0), -1);
}

TEST_F(CharDataTest, StrokeQueries) {
  AddStroke(*rec, Line(0, 0, 1, 0, 4));      // 0..3
  AddStroke(*rec, Line(100, 100, 0, 1, 3));  // 4..6
  AddStroke(*rec, Line(200, 0, 1, 1, 2));    // 7..8
  EXPECT_EQ(rec->CountStrokes(), 3);
  struct Case {
    int i;
    bool end;
    int strokeEnd;
    int start;
    int after;
  } cases[] = {{0, false, 3, 0, 4}, {2, false, 3, 0, 4}, {3, true, 3, 0, 4}, {4, false, 6, 4, 7},
               {6, true, 6, 4, 7},  {7, false, 8, 7, 9}, {8, true, 8, 7, 9}};
  for (const Case& c : cases) {
    EXPECT_EQ(rec->IsStrokeEnd(c.i), c.end) << c.i;
    EXPECT_EQ(rec->FindStrokeEnd(c.i), c.strokeEnd) << c.i;
    int start = -9, end = -9;
    rec->GetStrokeBounds(c.i, &start, &end);
    EXPECT_EQ(start, c.start) << c.i;
    EXPECT_EQ(end, c.after) << c.i;
  }
  // Flags other than 1 end strokes but are not counted as strokes.
  rec->m_pFlags[5] = 2;
  EXPECT_EQ(rec->CountStrokes(), 3);
  EXPECT_EQ(rec->FindStrokeEnd(4), 4);
}

TEST_F(CharDataTest, StrokesInRectangle) {
  AddStroke(*rec, Line(0, 0, 10, 0, 5));      // 0..4, x 0..40, y 0
  AddStroke(*rec, Line(0, 100, 10, 0, 5));    // 5..9, y 100
  AddStroke(*rec, Line(0, 200, 10, 0, 5));    // 10..14, y 200
  struct Case {
    tmb::Rect rect;
    int start;
    int end;
  } cases[] = {
      {{15, -5, 25, 5}, 0, 5},      // one point of the first stroke: the whole stroke
      {{15, -5, 25, 105}, 0, 10},   // first and second stroke
      {{35, 95, 100, 205}, 5, 15},  // second and third
      {{0, 300, 50, 400}, 0, 0},    // no point inside
      {{40, 200, 41, 201}, 10, 15},
      {{41, 0, 50, 1}, 0, 0},       // right and bottom edges lie outside
  };
  for (const Case& c : cases) {
    int start = -9, end = -9;
    rec->GetStrokesInRect(c.rect, &start, &end);
    EXPECT_EQ(start, c.start) << c.rect.left << "," << c.rect.top;
    EXPECT_EQ(end, c.end) << c.rect.left << "," << c.rect.top;
  }
}

TEST_F(CharDataTest, StrokeLengths) {
  AddStroke(*rec, {{0, 0}, {3, 4}, {4, 6}, {4, 7}});  // steps 5, sqrt 5, 1
  AddStroke(*rec, {{50, 50}, {60, 50}});
  EXPECT_EQ(rec->StrokeLength(0, false, 0, nullptr), 4 + 2 + 1);
  EXPECT_EQ(rec->StrokeLength(0, true, 0, nullptr), 5 + 2 + 1);
  EXPECT_EQ(rec->StrokeLength(1, true, 0, nullptr), 3);
  uint8_t stops[6] = {0, 0, 1, 0, 0, 0};
  EXPECT_EQ(rec->StrokeLength(0, true, 1, stops), 5 + 2);
  EXPECT_EQ(rec->TotalStrokeLength(0, -1), 7 + 10);
  EXPECT_EQ(rec->TotalStrokeLength(1, -1), 10) << "only strokes that start in the range";
  EXPECT_EQ(rec->StrokeLength(99, true, 0, nullptr), 0);
}

TEST_F(CharDataTest, RankStrokesByTheirJumps) {
  AddStroke(*rec, Line(0, 0, 1, 0, 2));    // ends at (1, 0); jump 0
  AddStroke(*rec, Line(51, 0, 1, 0, 2));   // jump 50
  AddStroke(*rec, Line(52, 10, 1, 0, 2));  // jump 10
  std::vector<int> counts;
  EXPECT_EQ(rec->RankStrokesByExtent(counts), 1) << "only stroke 1 over stroke 2";
  EXPECT_EQ(counts, (std::vector<int>{0, 2, 1}));
}

TEST_F(CharDataTest, DeletePoints) {
  Fill(*rec, 20);
  rec->DeletePoints(5, 3);
  EXPECT_EQ(rec->m_nPoints, 20);
  EXPECT_EQ(rec->m_pPoints[5].x, 5);
  rec->DeletePoints(5, 8);
  EXPECT_EQ(rec->m_nPoints, 17);
  EXPECT_EQ(rec->m_pPoints[5].x, 8);
  EXPECT_EQ(rec->m_pPressure[5], 8);
  rec->DeletePoints(15, 400);  // past the end: only what exists goes
  EXPECT_EQ(rec->m_nPoints, 15);
  rec->DeletePoints(-3, 2);
  EXPECT_EQ(rec->m_nPoints, 13);
  EXPECT_EQ(rec->m_pPoints[0].x, 2);
}

TEST_F(CharDataTest, InsertPointsOpensAGap) {
  Fill(*rec, 10);
  auto src = std::make_unique<CCharData>();
  src->ClearPoints();
  AddStroke(*src, {{100, 100}, {101, 101}});
  EXPECT_EQ(rec->InsertPoints(3, *src), 2);
  EXPECT_EQ(rec->m_nPoints, 12);
  EXPECT_EQ(rec->m_pPoints[2].x, 2);
  EXPECT_EQ(rec->m_pPoints[3].x, 100);
  EXPECT_EQ(rec->m_pFlags[3], 1);
  EXPECT_EQ(rec->m_pPoints[5].x, 3);
  EXPECT_EQ(rec->m_pPressure[5], 3);
  // A record inserted into itself.
  EXPECT_EQ(rec->InsertPoints(0, *rec), 12);
  EXPECT_EQ(rec->m_nPoints, 24);
  EXPECT_EQ(rec->m_pPoints[15].x, 100);
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(CharDataTest, InsertNearTheCapacityKeepsWhatFitsAndReports) {
  struct Case {
    int present;
    int inserted;
    int expected;
  } cases[] = {{15990, 20, 10}, {15980, 20, 20}, {kMaxCharPoints, 5, 0}, {0, kMaxCharPoints, kMaxCharPoints}};
  auto src = std::make_unique<CCharData>();
  for (const Case& c : cases) {
    messages.ids.clear();
    messages.beeps = 0;
    Fill(*rec, c.present);
    Fill(*src, c.inserted);
    EXPECT_EQ(rec->InsertPoints(c.present / 2, *src), c.expected) << c.present;
    EXPECT_EQ(rec->m_nPoints, c.present + c.expected);
    EXPECT_LE(rec->m_nPoints, kMaxCharPoints);
    bool cut = c.expected < c.inserted;
    EXPECT_EQ(messages.CountOf(62045), cut ? 1 : 0) << c.present;
    EXPECT_EQ(messages.beeps, cut ? 1 : 0);
  }
  // The tail moved up stays intact at the top of the record.
  Fill(*rec, 15990);
  Fill(*src, 20);
  rec->InsertPoints(0, *src);
  EXPECT_EQ(rec->m_pPoints[kMaxCharPoints - 1].x, 15989);
  EXPECT_EQ(rec->m_pPoints[9].x, 9);
}

TEST_F(CharDataTest, CopyStrokeAndRanges) {
  auto src = std::make_unique<CCharData>();
  src->ClearPoints();
  AddStroke(*src, Line(0, 0, 1, 0, 3));
  AddStroke(*src, Line(10, 0, 1, 0, 4));
  Fill(*rec, 8);
  EXPECT_EQ(rec->CopyStroke(*src, 2, 0), 3);
  EXPECT_EQ(rec->m_nPoints, 5);
  EXPECT_EQ(rec->m_pPoints[4].x, 2);
  EXPECT_EQ(rec->CopyStroke(*src, 0, 4), -1) << "the last stroke, copied from its middle";
  EXPECT_EQ(rec->m_nPoints, 3);
  EXPECT_EQ(rec->m_pPoints[0].x, 11);
  EXPECT_EQ(rec->CopyStroke(*src, 0, 7), -1);
  EXPECT_EQ(rec->m_nPoints, 3) << "a start outside the source changes nothing";

  // A stroke copied to the very end keeps within the record.
  EXPECT_EQ(rec->CopyStroke(*src, kMaxCharPoints - 2, 3), -1);
  EXPECT_EQ(rec->m_nPoints, kMaxCharPoints);
  EXPECT_EQ(messages.CountOf(62045), 1);

  rec->CopyPointRange(*src, 2, 5);
  EXPECT_EQ(rec->m_nPoints, 3);
  EXPECT_EQ(rec->m_pPoints[0].x, 2);
  rec->CopyPointRange(*src, 5, 100);
  EXPECT_EQ(rec->m_nPoints, 2);
  rec->CopyPointRange(*src, 5, 1);
  EXPECT_EQ(rec->m_nPoints, 0);
  rec->CopyPoints(*src);
  EXPECT_EQ(rec->m_nPoints, 7);
  EXPECT_EQ(rec->m_pFlags[3], 1);
}

TEST_F(CharDataTest, StepLengthsRoundHalfUp) {
  AddStroke(*rec, {{0, 0}, {1, 1}, {4, 5}, {5, 7}, {5, 7}});
  rec->ComputeWidthLevels();
  EXPECT_EQ(rec->m_pSegLength[0], 1);  // 1.41
  EXPECT_EQ(rec->m_pSegLength[1], 5);
  EXPECT_EQ(rec->m_pSegLength[2], 2);  // 2.24
  EXPECT_EQ(rec->m_pSegLength[3], 0);
}

TEST_F(CharDataTest, WidthLevelsGrowWithDistanceFromTheCorner) {
  rec->m_param[114] = 1;
  AddStroke(*rec, Line(0, 0, 4, 0, 30));  // 116 px long, a point every 4 px
  rec->ComputeWidthLevels();
  // A measured point looks past its neighbour for the first point more than 3 px away and
  // moves on to the point before that one, which takes the level of the distance measured
  // at the point it came from: here every odd point hands its level to the even point
  // after it.
  for (int i = 1; i < 29; i += 2) {
    EXPECT_EQ(rec->m_pWidthLevel[i], 0) << i;
    EXPECT_EQ(rec->m_pWidthLevel[i + 1], std::min(4 * i / 16, 4)) << i + 1;
  }
  EXPECT_EQ(rec->m_pWidthLevel[18], 4);
  EXPECT_EQ(rec->m_pWidthLevel[14], 3);
  EXPECT_EQ(rec->m_pWidthLevel[29], 0) << "the last point of a stroke gets no level";
}

TEST_F(CharDataTest, ShortStrokeKeepsLevelZero) {
  rec->m_param[114] = 1;
  AddStroke(*rec, Line(0, 0, 2, 2, 16));  // end at (30, 30): 42 px from the start
  AddStroke(*rec, Line(100, 0, 0, 4, 20));
  rec->ComputeWidthLevels();
  for (int i = 0; i < 16; ++i) EXPECT_EQ(rec->m_pWidthLevel[i], 0) << i;
  EXPECT_EQ(rec->m_pWidthLevel[16 + 18], 4) << "the long stroke after it is measured";
}

TEST_F(CharDataTest, CornerRestartsTheLevels) {
  rec->m_param[114] = 1;
  Stroke s = Line(0, 0, 4, 0, 21);      // points 0 to 20, to (80, 0)
  Stroke down = Line(80, 4, 0, 4, 20);  // points 21 to 40: a right-angle turn down
  s.insert(s.end(), down.begin(), down.end());
  AddStroke(*rec, s);
  rec->ComputeWidthLevels();
  EXPECT_EQ(rec->m_pWidthLevel[18], 4);
  // Point 19 looks ahead to (80, 4) and moves on to point 20; the turn there is 45
  // degrees from straight on, so point 20 becomes the corner and gets no level.
  EXPECT_EQ(rec->m_pWidthLevel[19], 0);
  EXPECT_EQ(rec->m_pWidthLevel[20], 0);
  // The levels grow again from the corner: 20 px from it level 1, 52 px level 3.
  EXPECT_EQ(rec->m_pWidthLevel[22], 0);
  EXPECT_EQ(rec->m_pWidthLevel[26], 1);
  EXPECT_EQ(rec->m_pWidthLevel[34], 3);
  EXPECT_EQ(rec->m_pWidthLevel[38], 4);
  // The second last point has no look-ahead left and keeps its own level.
  EXPECT_EQ(rec->m_pWidthLevel[39], 4);
}

// Points from a damaged file may lie anywhere in the int range: distances, step lengths
// and corner angles are measured without overflow.
TEST_F(CharDataTest, PointsAtTheEdgesOfTheIntRangeAreMeasuredWithoutOverflow) {
  AddStroke(*rec, {{INT32_MIN, INT32_MIN}, {INT32_MAX, INT32_MAX}, {INT32_MIN, 0}});
  struct Case {
    tmb::Point at;
    int nearest;
  } cases[] = {{{INT32_MIN, INT32_MIN}, 0}, {{INT32_MAX, INT32_MAX}, 1}, {{INT32_MIN + 5, 3}, 2}, {{0, 0}, -1}};
  for (const Case& c : cases) EXPECT_EQ(rec->FindNearestPoint(c.at.x, c.at.y), c.nearest) << c.at.x << ", " << c.at.y;

  // A stroke that runs the width of the range and turns straight back: the far end is no
  // corner (the turn back is 180 degrees), so the point after it is measured.
  rec->ClearPoints();
  rec->m_param[114] = 1;
  AddStroke(*rec, {{INT32_MIN, 0}, {INT32_MAX, 0}, {INT32_MAX, 5}, {0, 0}});
  rec->ComputeWidthLevels();
  EXPECT_EQ(rec->m_pSegLength[0], INT32_MAX);
  EXPECT_EQ(rec->m_pSegLength[1], 5);
  EXPECT_EQ(rec->m_pSegLength[2], INT32_MAX);
  EXPECT_EQ(rec->m_pWidthLevel[2], 4);
}

TEST_F(CharDataTest, WidthLevelsOffLeavesZeros) {
  rec->m_param[114] = 0;
  AddStroke(*rec, Line(0, 0, 4, 0, 30));
  rec->m_pWidthLevel[10] = 3;
  rec->ComputeWidthLevels();
  EXPECT_EQ(rec->m_pWidthLevel[10], 0);
}

TEST_F(CharDataTest, RangePairForEveryShapeMode) {
  struct Case {
    int mode;
    int switches[4];
    int p179;
    int from;
    int to;
  } cases[] = {
      {0, {1, 1, 1, 1}, 0, 0, 0},
      {0, {1, 1, 1, 1}, 1, 0, 158},
      {3, {0, 0, 0, 0}, 0, 156, 156},
      {3, {0, 0, 0, 0}, 1, 156, 158},
      {2, {0, 0, 0, 0}, 0, 150, 151},
      {2, {0, 0, 0, 0}, 1, 150, 158},
      {1, {0, 1, 0, 1}, 0, 153, 155},
      {1, {1, 0, 0, 0}, 0, 152, 152},
      {1, {0, 0, 1, 0}, 1, 154, 158},
      {1, {0, 0, 0, 0}, 0, 0, 0},
      {1, {0, 0, 0, 0}, 1, 0, 158},
      {7, {1, 1, 1, 1}, 0, -5, -6},   // unknown mode: unchanged
      {7, {1, 1, 1, 1}, 1, -5, 158},
  };
  for (const Case& c : cases) {
    for (int k = 150; k <= 158; ++k) rec->m_param[k] = k;
    rec->m_param[170] = c.mode;
    for (int k = 0; k < 4; ++k) rec->m_param[172 + k] = c.switches[k];
    rec->m_param[179] = c.p179;
    rec->m_rangeFrom = -5;
    rec->m_rangeTo = -6;
    rec->UpdateRangeFromMode();
    EXPECT_EQ(rec->m_rangeFrom, c.from) << "mode " << c.mode << " 179=" << c.p179;
    EXPECT_EQ(rec->m_rangeTo, c.to) << "mode " << c.mode << " 179=" << c.p179;
  }
}

TEST_F(CharDataTest, ChangeDetectionRaisesTheListedFlags) {
  struct Case {
    int param;
    bool changed;
    bool redrawAB;
    bool redrawShape;
  } cases[] = {
      {191, true, true, true}, {192, true, true, true},  {10, true, true, false},
      {181, true, true, false}, {176, true, true, false}, {170, true, false, false},
      {40, true, true, false},  {41, true, true, false},  {37, true, true, false},
      {0, false, false, false}, {150, false, false, false}, {193, false, false, false},
  };
  for (const Case& c : cases) {
    rec->SnapshotSettings();
    rec->m_nOutlineDirty = 0;
    rec->m_flags.fill(0);
    rec->m_param[c.param] += 1;
    rec->DetectSettingsChanges();
    EXPECT_EQ(rec->m_nOutlineDirty, c.changed ? 1 : 0) << c.param;
    EXPECT_EQ(rec->m_flags[7], c.redrawAB ? 1 : 0) << c.param;
    EXPECT_EQ(rec->m_flags[8], c.redrawAB ? 1 : 0) << c.param;
    EXPECT_EQ(rec->m_flags[9], c.redrawShape ? 1 : 0) << c.param;
  }
}

TEST_F(CharDataTest, ModeMaskAndActiveParameters) {
  struct Case {
    int mode;
    int maskBit;  // the mask bit that belongs to the mode
  } cases[] = {{0, 1}, {1, 8}, {2, 4}, {3, 2}};
  for (const Case& c : cases) {
    rec->m_param[170] = c.mode;
    EXPECT_TRUE(rec->IsModeInMask(c.maskBit)) << c.mode;
    EXPECT_FALSE(rec->IsModeInMask(15 & ~c.maskBit)) << c.mode;
  }
  rec->m_param[170] = 4;
  EXPECT_FALSE(rec->IsModeInMask(15));

  rec->m_param[170] = 1;
  rec->m_param[177] = 8;
  EXPECT_TRUE(rec->IsParamActive(153));
  EXPECT_FALSE(rec->IsParamActive(150));
  EXPECT_FALSE(rec->IsParamActive(156));
  EXPECT_TRUE(rec->IsParamActive(157));
  EXPECT_TRUE(rec->IsParamActive(158));
  EXPECT_FALSE(rec->IsParamActive(159));
  rec->m_param[177] = 4;
  EXPECT_FALSE(rec->IsParamActive(158));
}

TEST_F(CharDataTest, ActiveShapeCopyRaisesChangedOnlyForActiveDifferences) {
  auto src = std::make_unique<CCharDataFull>();
  rec->m_param[170] = 2;
  src->m_param = rec->m_param;
  src->m_param[152] = 77;  // not active in mode 2
  rec->m_nOutlineDirty = 0;
  rec->CopyActiveShapeParams(*src);
  EXPECT_EQ(rec->m_param[152], 77);
  EXPECT_EQ(rec->m_nOutlineDirty, 0);
  src->m_param[151] = 78;  // active in mode 2
  rec->CopyActiveShapeParams(*src);
  EXPECT_EQ(rec->m_nOutlineDirty, 1);
}

TEST_F(CharDataTest, CopyFromAndSwapCarryEverything) {
  auto other = std::make_unique<CCharDataFull>();
  other->ClearPoints();
  AddStroke(*other, Line(5, 5, 1, 1, 3));
  other->m_param[300] = 42;
  other->m_text[kTextTextMode] = "\x82\xa0";
  other->m_effect.m_script = "script";
  other->m_effect.m_strFile = "ef.txt";
  other->m_regions.m_list.m_nCount = 4;
  other->m_regions.m_area.back() = 9;
  Fill(*rec, 6);
  rec->SwapWith(*other);
  EXPECT_EQ(rec->m_nPoints, 3);
  EXPECT_EQ(rec->m_param[300], 42);
  EXPECT_EQ(rec->m_text[kTextTextMode], "\x82\xa0");
  EXPECT_EQ(rec->m_effect.m_script, "script");
  EXPECT_EQ(rec->m_effect.m_strFile, "") << "the effect's file name goes with the category copies only";
  EXPECT_EQ(rec->m_regions.m_list.m_nCount, 4);
  EXPECT_EQ(rec->m_regions.m_area.back(), 9);
  EXPECT_EQ(other->m_nPoints, 6);
  EXPECT_EQ(other->m_param[300], 0);
  EXPECT_EQ(other->m_regions.m_list.m_nCount, 0);
}

TEST_F(CharDataTest, BaseRecordSkipsTheFullRecordsFields) {
  // A base record has no range pair, maxima or snapshot: the operations that touch them
  // work on what it has.
  auto base = std::make_unique<CCharData>();
  base->ClearPoints();
  base->SetDefaultParams();
  base->m_param[170] = 3;
  base->UpdateRangeFromMode();
  base->SnapshotSettings();
  base->DetectSettingsChanges();
  base->SetDefaultsBySlot(2);
  base->CopySettingsByCategory(kCategoryAll, rec.get());
  base->CopySettingsByCategory(kCategoryBrush, rec.get());
  EXPECT_EQ(base->m_param[0], rec->m_param[0]);
  EXPECT_EQ(base->Full(), nullptr);
  EXPECT_EQ(rec->Full(), rec.get());
}

}  // namespace
