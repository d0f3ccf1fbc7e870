#include "core/path/stroke_work.h"

#include <gtest/gtest.h>

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
