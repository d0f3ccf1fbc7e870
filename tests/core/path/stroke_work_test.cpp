#include "core/path/stroke_work.h"

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "support/path_points.h"

namespace {

TEST(StrokeWork, NewWorkPathHasRecordsOptionsAndDefaultCapacity) {
  tmb::test::ScopedMaxPoints maxPoints(30);
  CStrokeWork work;
  EXPECT_EQ(work.GetCapacity(), 30);
  EXPECT_EQ(work.m_bHasRecords, 1);
  for (int i = 0; i < 30; ++i) {
    ASSERT_EQ(work.m_pRecords[i].v[0], 1.0f);
    ASSERT_EQ(work.m_pRecords[i].v[1], -1.0f);
    ASSERT_EQ(work.m_pRecords[i].v[2], 0.0f);
    ASSERT_EQ(work.m_pRecords[i].v[3], 0.0f);
  }
  for (int option : work.m_options) EXPECT_EQ(option, 1);
}

TEST(StrokeWork, AddSampleAppendsPointFlagAndPressureUntilFull) {
  CStrokeWork work(2);
  EXPECT_EQ(work.AddSample(3, 4, 55, 1), 1);
  EXPECT_EQ(work.AddSample(5, 6, -1, 0), 1);
  EXPECT_EQ(work.AddSample(7, 8, 10, 0), 0);
  EXPECT_EQ(work.GetCount(), 2);
  EXPECT_EQ(work.GetPoint(1), CFPoint(5, 6));
  EXPECT_EQ(work.m_pFlags[0], 1);
  EXPECT_EQ(work.m_pPressure[0], 55);
  EXPECT_EQ(work.m_pPressure[1], -1);
}

TEST(StrokeWork, RecordsTravelOnlyBetweenPathsThatHaveThem) {
  CStrokeWork a(8);
  a.AddSample(1, 1, 0, 1);
  a.m_pRecords[0].v[2] = 42.0f;
  CStrokeWork b(8);
  ASSERT_TRUE(b.CopyFrom(a));
  EXPECT_EQ(b.m_pRecords[0].v[2], 42.0f);

  CStrokePath plain(8);
  ASSERT_TRUE(plain.CopyFrom(a));
  EXPECT_EQ(plain.m_pRecords, nullptr);
  CStrokeWork c(8);
  ASSERT_TRUE(c.CopyFrom(plain));
  EXPECT_EQ(c.m_pRecords[0].v[2], 0.0f);
}

TEST(StrokeWork, ReallocateResizesEveryPerPointArray) {
  CStrokeWork work(4);
  work.Reallocate(50);
  EXPECT_EQ(work.GetCapacity(), 50);
  EXPECT_EQ(work.m_bHasRecords, 1);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(work.AddSample(i, i, i, 0), 1);
  work.m_pRecords[49].v[3] = 1.0f;
  work.m_pWidths[49] = 1;
  work.m_pLevels[49] = 1;
}

TEST(StrokeWork, CopyParamsFromTakesAllParameters) {
  CStrokeWork a(1);
  CStrokeWork b(1);
  for (int p = 0; p < kParamCount; ++p) a.m_param[p] = p * 3 - 7;
  b.CopyParamsFrom(a);
  EXPECT_EQ(b.m_param, a.m_param);
}

}  // namespace

namespace {

// Each point's widths, levels, pressures and records, in order.
std::vector<std::array<float, 7>> SlotsOf(const CStrokeWork& work) {
  std::vector<std::array<float, 7>> slots;
  for (int i = 0; i < work.GetCount(); ++i) {
    const CPointRecord& r = work.m_pRecords[i];
    slots.push_back({work.m_pPoints[i].x, float(work.m_pWidths[i]), float(work.m_pLevels[i]),
                     float(work.m_pPressure[i]), r.v[0], r.v[2], float(work.m_pFlags[i])});
  }
  return slots;
}

TEST(StrokeWork, PerPointValuesTravelWithTheirPointsThroughEdits) {
  CStrokeWork work(16);
  for (int i = 0; i < 6; ++i) {
    work.AddSample(i * 10, 0, 10 + i, i == 0 || i == 3 ? 1 : 0);
    work.m_pWidths[i] = uint8_t(20 + i);
    work.m_pLevels[i] = uint8_t(i);
    work.m_pRecords[i].v[0] = float(100 + i);
    work.m_pRecords[i].v[2] = float(-i);
  }
  const auto before = SlotsOf(work);
  work.DeleteRange(1, 3);  // points 1 and 2 go
  ASSERT_EQ(work.GetCount(), 4);
  EXPECT_EQ(SlotsOf(work), (std::vector<std::array<float, 7>>{before[0], before[3], before[4], before[5]}));
  ASSERT_TRUE(work.InsertPointAt(1, 3));  // at 1, a copy of what is point 3 after the move
  EXPECT_EQ(SlotsOf(work), (std::vector<std::array<float, 7>>{before[0], before[4], before[3], before[4], before[5]}));
  // Repeated points removed (2 made equal to 1, and 3 equal to both): the others keep
  // their own values.
  work.m_pPoints[2] = work.m_pPoints[1];
  work.m_pFlags[2] = 0;
  work.RemoveDuplicates();
  EXPECT_EQ(SlotsOf(work), (std::vector<std::array<float, 7>>{before[0], before[4], before[5]}));
}

TEST(StrokeWork, SlotsFromAPlainPathStartAfresh) {
  CStrokeWork work(4);
  work.AddSample(1, 1, 77, 1);
  work.m_pWidths[0] = 9;
  work.m_pLevels[0] = 3;
  work.m_pRecords[0].v[3] = 5;
  CStrokePath plain(4);
  plain.AppendPoint(2, 2, 1);
  ASSERT_TRUE(work.CopyFrom(plain));
  EXPECT_EQ(work.m_pWidths[0], 0);
  EXPECT_EQ(work.m_pLevels[0], 0);
  EXPECT_EQ(work.m_pPressure[0], 0);
  EXPECT_EQ(work.m_pRecords[0].v[0], 1.0f);
  EXPECT_EQ(work.m_pRecords[0].v[3], 0.0f);
}

TEST(StrokeWork, SettingsCopyTakesParametersOptionsAndRecordValues) {
  CStrokeWork a(1);
  CStrokeWork b(1);
  a.m_param[7] = 70;
  a.m_options = {4, 3, 2, 0};
  a.m_nMorphState = 1;
  a.m_nMorphPercent = 100;
  a.m_rangeTo = 9;
  b.m_bLinkPoints = 1;
  b.CopySettingsFrom(a);
  EXPECT_EQ(b.m_param, a.m_param);
  EXPECT_EQ(b.m_options, a.m_options);
  EXPECT_EQ(b.m_nMorphState, 1);
  EXPECT_EQ(b.m_nMorphPercent, 100);
  EXPECT_EQ(b.m_rangeTo, 9);
  EXPECT_EQ(b.m_bLinkPoints, 0);
}

}  // namespace
