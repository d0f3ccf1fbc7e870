// The measure of a walk over a stroke's points.
#include "imageedit/vectorise/stroke_measure.h"

#include <gtest/gtest.h>

namespace {

TEST(StrokeMeasure, AWalkAddsWholePixelsAndFindsThePointsNearTheEnds) {
  // 21 points, one every 1.5 pixels along x: a span of 20, a quarter of 5.
  CStrokePath path(32);
  for (int i = 0; i <= 20; ++i) path.AppendPoint(0, 0, i == 0 ? 1 : 0);
  for (int i = 0; i <= 20; ++i) path.m_pPoints[i] = CFPoint(1.5f * float(i), 0.0f);
  CStrokeMeasure m(0, 20);
  EXPECT_EQ(m.m_fStartDistance, 100000000.0);
  for (int i : {6, 7, 8, 3, 17}) m.AddPoint(i, path);
  // 1.5, 1.5, then 7.5 back to 3 and 21 on to 17: truncated after each step, 1, 2, 9, 30.
  EXPECT_EQ(m.m_fLength, 30.0);
  EXPECT_EQ(m.m_nPrevious, 17);
  EXPECT_EQ(m.m_nFirstSeen, 6);
  EXPECT_EQ(m.m_nLastSeen, 17);
  EXPECT_EQ(m.m_nNearestStart, 3);
  EXPECT_EQ(m.m_fStartDistance, 3.0);
  EXPECT_EQ(m.m_nNearestEnd, 17);
  EXPECT_EQ(m.m_fEndDistance, 3.0);
  EXPECT_EQ(m.m_nNearStartCount, 1) << "3 lies in the first quarter";
  EXPECT_EQ(m.m_nNearEndCount, 1) << "17 in the last";
}

}  // namespace
