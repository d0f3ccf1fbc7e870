#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "core/path/stroke_path.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"
#include "support/char_globals.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;

struct RecPoint {
  int x;
  int y;
  int flag;
  friend bool operator==(const RecPoint&, const RecPoint&) = default;
};

std::ostream& operator<<(std::ostream& os, const RecPoint& p) {
  return os << "(" << p.x << ", " << p.y << " f" << p.flag << ")";
}

std::vector<RecPoint> PointsOf(const CCharData& r) {
  std::vector<RecPoint> out;
  for (int i = 0; i < r.m_nPoints; ++i) out.push_back({r.m_pPoints[i].x, r.m_pPoints[i].y, r.m_pFlags[i]});
  return out;
}

class CharDataPathTest : public tmb::test::CharGlobalsTest {
 protected:
  void SetUp() override {
    CharGlobalsTest::SetUp();
    rec = std::make_unique<CCharDataFull>();
    rec->ClearPoints();
  }

  static void Straight(CStrokePath& path, int n, int strokeEvery) {
    for (int i = 0; i < n; ++i) path.AppendPoint(i % 500, i / 500, i % strokeEvery == 0 ? 1 : 0);
  }

  std::unique_ptr<CCharDataFull> rec;
};

TEST_F(CharDataPathTest, FromStrokePathRoundsAndAppends) {
  for (int i = 0; i < 10; ++i) {
    rec->m_pPoints[i] = {i, i};
    rec->m_pFlags[i] = i == 0 ? 1 : 0;
  }
  rec->m_nPoints = 10;
  CStrokePath path(64);
  Fill(path, {{2.5f, -2.5f, 1}, {2.4f, -0.5f, 0}, {7, 7, 0}, {8, 8, 1}, {9.49f, 9.5f, 0}});
  EXPECT_EQ(rec->FromStrokePath(path, true), 5);
  EXPECT_EQ(rec->m_nPoints, 15);
  std::vector<RecPoint> got = PointsOf(*rec);
  std::vector<RecPoint> tail(got.begin() + 10, got.end());
  EXPECT_EQ(tail, (std::vector<RecPoint>{{3, -3, 1}, {2, -1, 0}, {7, 7, 0}, {8, 8, 1}, {9, 10, 0}}));
  EXPECT_EQ(got[9], (RecPoint{9, 9, 0})) << "the present points stay";

  EXPECT_EQ(rec->FromStrokePath(path, false), 5);
  EXPECT_EQ(rec->m_nPoints, 5);
  EXPECT_EQ(PointsOf(*rec)[0], (RecPoint{3, -3, 1}));
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(CharDataPathTest, FromStrokePathKeepsWithinTheRecord) {
  CStrokePath big(40000);
  Straight(big, 32000, 100);
  EXPECT_EQ(rec->FromStrokePath(big, false), kMaxCharPoints);
  EXPECT_EQ(rec->m_nPoints, kMaxCharPoints);
  EXPECT_EQ(messages.CountOf(62045), 1);
  // Appending to a nearly full record keeps what fits.
  rec->m_nPoints = kMaxCharPoints - 3;
  CStrokePath small(16);
  Straight(small, 5, 5);
  EXPECT_EQ(rec->FromStrokePath(small, true), 3);
  EXPECT_EQ(rec->m_nPoints, kMaxCharPoints);
  EXPECT_EQ(messages.CountOf(62045), 2);
}

TEST_F(CharDataPathTest, DedupDropsRepeatsButKeepsStrokeEnds) {
  CStrokePath path(64);
  Fill(path, {{0, 0, 1},        // rounds like its successor: dropped, its start flag moves on
              {0.4f, 0, 0},
              {5, 5, 0},
              {5.2f, 5.1f, 0},  // the stroke's last point: kept
              {5, 5, 1},        // a stroke start equal to the end before it: kept
              {9, 9, 0},
              {9, 9, 0}});      // the last point: kept
  EXPECT_EQ(rec->FromStrokePathDedup(path, nullptr), 4);
  EXPECT_EQ(PointsOf(*rec), (std::vector<RecPoint>{{0, 0, 1}, {5, 5, 0}, {5, 5, 1}, {9, 9, 0}}));
}

TEST_F(CharDataPathTest, DedupPutsAttributesAtTheKeptIndexes) {
  std::vector<uint8_t> attr2(kMaxCharPoints, 0xEE);
  auto drawn = std::make_unique<CCharDataFull>();
  drawn->m_pPointAttr2 = attr2.data();
  CStrokePath path(16);
  Fill(path, {{0, 0, 1}, {1, 1, 0}, {1, 1, 0}, {2, 2, 0}});
  for (int i = 0; i < 4; ++i) path.m_pAttrs[i] = static_cast<uint8_t>(10 + i);
  EXPECT_EQ(rec->FromStrokePathDedup(path, drawn.get()), 3);
  EXPECT_EQ(attr2[0], 10);
  EXPECT_EQ(attr2[1], 12) << "point 1 was dropped for its repeat, point 2 kept";
  EXPECT_EQ(attr2[2], 13);
  EXPECT_EQ(attr2[3], 0xEE);
  // A source without attribute buffers takes nothing.
  auto plain = std::make_unique<CCharDataFull>();
  EXPECT_EQ(rec->FromStrokePathDedup(path, plain.get()), 3);
}

TEST_F(CharDataPathTest, DedupKeepsWithinTheRecord) {
  CStrokePath big(40000);
  Straight(big, 32000, 50);
  EXPECT_EQ(rec->FromStrokePathDedup(big, nullptr), kMaxCharPoints);
  EXPECT_EQ(messages.CountOf(62045), 1);
}

TEST_F(CharDataPathTest, ToStrokePathTakesARangeAndOptionalFlags) {
  for (int i = 0; i < 6; ++i) {
    rec->m_pPoints[i] = {i * 10, -i};
    rec->m_pFlags[i] = i % 3 == 0 ? 1 : 0;
  }
  rec->m_nPoints = 6;
  CStrokePath path(16);
  Fill(path, {{99, 99, 1}});
  rec->ToStrokePath(path, nullptr, -1, 0);
  EXPECT_EQ(tmb::test::PointsOf(path),
            (std::vector<PathPoint>{{0, 0, 1}, {10, -1, 0}, {20, -2, 0}, {30, -3, 1}, {40, -4, 0}, {50, -5, 0}}));
  const uint8_t attr[6] = {4, 5, 6, 7, 8, 9};
  rec->ToStrokePath(path, attr, 2, 40);
  EXPECT_EQ(tmb::test::PointsOf(path),
            (std::vector<PathPoint>{{20, -2, 6}, {30, -3, 7}, {40, -4, 8}, {50, -5, 9}}));
  // A path smaller than the record takes what it can hold.
  CStrokePath tiny(3);
  rec->ToStrokePath(tiny, nullptr, -1, 0);
  EXPECT_EQ(tiny.GetCount(), 3);
}

TEST_F(CharDataPathTest, ToStrokeWorkCarriesPerPointValuesAndSettings) {
  for (int i = 0; i < 4; ++i) {
    rec->m_pPoints[i] = {i, 2 * i};
    rec->m_pFlags[i] = i == 0 ? 1 : 0;
    rec->m_pPressure[i] = 40 + i;
    rec->m_pSegLength[i] = 7 + i;
    rec->m_pWidthLevel[i] = static_cast<uint8_t>(i);
  }
  rec->m_nPoints = 4;
  rec->m_param[300] = 123;
  rec->m_bLoaded = 1;
  rec->m_rangeFrom = 5;
  rec->m_rangeTo = 6;
  rec->m_flags[kFlagMorphState] = 2;
  rec->m_flags[kFlagMorphPercent] = 70;
  rec->m_nFrameCount = 12;
  rec->m_nExtWorkValue = 9;
  rec->m_bConvertRequested = 1;
  CStrokeWork work(32);
  rec->ToStrokeWork(work);
  ASSERT_EQ(work.GetCount(), 4);
  EXPECT_EQ(work.GetPoint(3), CFPoint(3, 6));
  EXPECT_EQ(work.GetFlag(0), 1);
  EXPECT_EQ(work.m_pRecords[2].v[0], 9.0f);
  EXPECT_EQ(work.m_pRecords[2].v[1], 42.0f);
  EXPECT_EQ(work.m_pPressure[3], 43);
  EXPECT_EQ(work.m_pLevels[3], 3);
  EXPECT_EQ(work.m_param[300], 123);
  EXPECT_EQ(work.m_bLoaded, 1);
  EXPECT_EQ(work.m_rangeFrom, 5);
  EXPECT_EQ(work.m_rangeTo, 6);
  EXPECT_EQ(work.m_nMorphState, 2);
  EXPECT_EQ(work.m_nMorphPercent, 70);
  EXPECT_EQ(work.m_nFrameCount, 12);
  EXPECT_EQ(work.m_nRecordValue, 9);
  EXPECT_EQ(work.m_bConvertRequested, 1);

  // The live stroke's work object holds 10 points: the rest is left out.
  rec->m_nPoints = 0;
  CStrokePath line(32);
  Straight(line, 20, 20);
  rec->FromStrokePath(line, false);
  CStrokeWork live(10);
  rec->ToStrokeWork(live);
  EXPECT_EQ(live.GetCount(), 10);
  EXPECT_EQ(live.m_param[300], 123);
}

TEST_F(CharDataPathTest, FromStrokeWorkBringsThePerPointValuesBackWithTheirPoints) {
  for (int i = 0; i < 6; ++i) {
    rec->m_pPoints[i] = {10 * i, 0};
    rec->m_pFlags[i] = i % 3 == 0 ? 1 : 0;
    rec->m_pPressure[i] = 30 + i;
    rec->m_pSegLength[i] = 100 + i;
    rec->m_pWidthLevel[i] = static_cast<uint8_t>(i % 5);
  }
  rec->m_nPoints = 6;
  CStrokeWork work(32);
  rec->ToStrokeWork(work);
  // The first stroke goes: the second one's values move down with its points.
  work.DeleteRange(0, 3);
  EXPECT_EQ(rec->FromStrokeWork(work), 3);
  ASSERT_EQ(rec->m_nPoints, 3);
  for (int k = 0; k < 3; ++k) {
    EXPECT_EQ(rec->m_pPoints[k], (tmb::Point{10 * (k + 3), 0}));
    EXPECT_EQ(rec->m_pFlags[k], k == 0 ? 1 : 0);
    EXPECT_EQ(rec->m_pPressure[k], 33 + k);
    EXPECT_EQ(rec->m_pSegLength[k], 103 + k);
    EXPECT_EQ(rec->m_pWidthLevel[k], (3 + k) % 5);
  }
}

}  // namespace
