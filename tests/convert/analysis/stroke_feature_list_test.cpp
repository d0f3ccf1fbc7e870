#include "convert/analysis/stroke_feature_list.h"

#include <gtest/gtest.h>

#include "convert/driver/analysis_overlay.h"

namespace {

TEST(StrokeFeatureList, AListAllocatesOnFirstUseAndStopsAtItsCapacity) {
  CStrokeFeatureList list;
  EXPECT_FALSE(list.IsAllocated());
  list.Reset();
  EXPECT_EQ(list.Capacity(), CStrokeFeatureList::kDefaultCapacity);
  list.Allocate(2);  // a list never shrinks
  EXPECT_EQ(list.Capacity(), CStrokeFeatureList::kDefaultCapacity);

  CStrokeFeatureList small;
  small.m_records.resize(2);
  small.Reset();
  for (int k = 0; k < 2; ++k) {
    small.BeginStroke(3 * k);
    EXPECT_EQ(small.EndStroke(3 * k + 2, 0), 1);
  }
  small.BeginStroke(6);
  EXPECT_EQ(small.EndStroke(8, 0), 0);
  EXPECT_EQ(small.m_nCount, 2);
  EXPECT_EQ(small.m_records[1].start, 3);
  EXPECT_EQ(small.m_records[1].end, 5);
}

TEST(StrokeFeatureList, APreparedRecordKnowsItsChordAndMark) {
  const CFPoint points[] = {{0, 0}, {3, 0}, {6, 8}, {9, 9}};
  gAnalysisOverlay.Clear();
  CStrokeFeature r;
  r.start = 0;
  r.end = 2;
  r.Prepare(points);
  EXPECT_EQ(r.vector, CFPoint(6, 8));
  EXPECT_EQ(r.chord2, 100.0f);
  EXPECT_EQ(r.mark, -1);
  EXPECT_EQ(r.endPoint, CFPoint(6, 8));
  r.Reset();
  EXPECT_EQ(r.start, 0);
  EXPECT_EQ(r.mark, -1);
  EXPECT_EQ(r.chord2, 0.0f);
}

}  // namespace
