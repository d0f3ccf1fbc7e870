#include "core/path/stroke_path.h"

#include <gtest/gtest.h>

#include "core/path/stroke_marks.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::ScopedMaxPoints;

TEST(StrokePath, FreshPathIsEmptyWithDefaultBytesAndCanvasCapacity) {
  ScopedMaxPoints maxPoints(40);
  CStrokePath path;
  EXPECT_EQ(path.GetCount(), 0);
  EXPECT_EQ(path.GetCapacity(), 40);
  EXPECT_EQ(path.m_pStrokeMarks, nullptr);
  EXPECT_EQ(path.m_bHasRecords, 0);
  EXPECT_FLOAT_EQ(path.m_fParam, 3.1415927f);
  for (int i = 0; i < path.GetCapacity(); ++i) {
    ASSERT_EQ(path.m_pAttrs[i], 1) << i;
    ASSERT_EQ(path.m_pFlags[i], 0) << i;
    ASSERT_EQ(path.m_pPoints[i], CFPoint(0, 0)) << i;
  }
}

TEST(StrokePath, ClearFlagsZeroesFlagsAndAttributesOfTheWholeCapacity) {
  CStrokePath path(8);
  Fill(path, {{1, 1, 1}, {2, 2, 0}});
  path.ClearFlags();
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(path.m_pFlags[i], 0);
    EXPECT_EQ(path.m_pAttrs[i], 0);
  }
  EXPECT_EQ(path.GetCount(), 2);
}

TEST(StrokePath, AccessorsStayInsideTheSlots) {
  CStrokePath path(4);
  Fill(path, {{1, 2, 255}});
  EXPECT_EQ(path.GetFlag(0), -1);  // a signed byte
  EXPECT_EQ(path.GetFlag(-1), 0);
  EXPECT_EQ(path.GetFlag(4), 0);
  EXPECT_EQ(path.GetPoint(0), CFPoint(1, 2));
  EXPECT_EQ(path.GetPoint(99), CFPoint(0, 0));
  path.SetCount(10);
  EXPECT_EQ(path.GetCount(), 4);
  path.SetCount(-3);
  EXPECT_EQ(path.GetCount(), 0);
}

TEST(StrokePath, ReallocateEmptiesThePathAndRenewsItsStrokeMarks) {
  CStrokePath path(16);
  Fill(path, {{1, 1, 1}, {2, 2, 0}});
  ASSERT_EQ(path.EnsureAuxBuffer(300), 1);
  path.m_pStrokeMarks->SetMark(5, 9);

  path.Reallocate(64);
  EXPECT_EQ(path.GetCount(), 0);
  EXPECT_EQ(path.GetCapacity(), 64);
  ASSERT_NE(path.m_pStrokeMarks, nullptr);
  EXPECT_EQ(path.m_pStrokeMarks->m_nUsed, 0);
  EXPECT_GE(path.m_pStrokeMarks->m_nSize, 256);
  for (int k = 0; k < path.m_pStrokeMarks->m_nSize; ++k) ASSERT_EQ(path.m_pStrokeMarks->m_pBytes[k], 0);

  CStrokePath plain(16);
  plain.Reallocate(32);
  EXPECT_EQ(plain.m_pStrokeMarks, nullptr);
}

TEST(StrokePath, EnsureAuxBufferSizes) {
  struct Case {
    int capacity;
    int request;
    int size;
  } cases[] = {
      {32000, 0, 1000},   // capacity / 32
      {32000, -5, 1000},  // no size asked
      {320, 0, 256},      // never fewer than 256
      {320, 100, 256},
      {320, 4000, 4000},  // the size asked
  };
  for (const Case& c : cases) {
    CStrokePath path(c.capacity);
    ASSERT_EQ(path.EnsureAuxBuffer(c.request), 1);
    EXPECT_EQ(path.m_pStrokeMarks->m_nSize, c.size) << c.capacity << " " << c.request;
    EXPECT_EQ(path.m_bHasStrokeMarks, 1);
  }
}

TEST(StrokePath, EnsureAuxBufferKeepsALargeEnoughBufferAndOnlyEmptiesIt) {
  CStrokePath path(100);
  path.EnsureAuxBuffer(300);
  CStrokeMarks* first = path.m_pStrokeMarks;
  first->SetMark(2, 7);
  EXPECT_EQ(path.EnsureAuxBuffer(200), 1);
  EXPECT_EQ(path.m_pStrokeMarks, first);
  EXPECT_EQ(first->m_nUsed, 0);
  EXPECT_EQ(first->GetMark(2), 7);

  EXPECT_EQ(path.EnsureAuxBuffer(500), 1);  // too small: made anew
  EXPECT_EQ(path.m_pStrokeMarks->m_nSize, 500);
  EXPECT_EQ(path.m_pStrokeMarks->GetMark(2), 0);
}

TEST(StrokeMarks, FallBackToTenThousandBytesAndRefuseWritesOutside) {
  CStrokeMarks marks(0);
  EXPECT_EQ(marks.m_nSize, 10000);
  CStrokeMarks small(2);
  EXPECT_TRUE(small.Append(1));
  EXPECT_TRUE(small.Append(2));
  EXPECT_FALSE(small.Append(3));
  EXPECT_FALSE(small.SetMark(2, 1));
  EXPECT_FALSE(small.SetMark(-1, 1));
  EXPECT_EQ(small.GetMark(5), 0);

  CStrokeMarks target(2);
  target.Append(9);
  EXPECT_FALSE(target.AppendFrom(small));  // room for one of the two
  EXPECT_EQ(target.m_nUsed, 2);
  EXPECT_EQ(target.GetMark(1), 1);
}

TEST(StrokePath, StrokeMarksFollowStrokeNumbers) {
  CStrokePath src(16);
  Fill(src, {{0, 0, 1}, {1, 0, 0}, {2, 0, 6}, {3, 0, 0}, {4, 0, 1}});
  EXPECT_EQ(src.GetStrokeMark(1), 0);  // no buffer
  src.EnsureAuxBuffer(0);
  src.m_pStrokeMarks->SetMark(0, 10);
  src.m_pStrokeMarks->SetMark(1, 11);
  src.m_pStrokeMarks->SetMark(2, 12);
  EXPECT_EQ(src.GetStrokeMark(1), 10);
  EXPECT_EQ(src.GetStrokeMark(3), 11);  // flag 6 starts a stroke for numbering
  EXPECT_EQ(src.GetStrokeMark(4), 12);

  CStrokePath dst(16);
  Fill(dst, {{0, 0, 1}, {1, 0, 1}});
  dst.EnsureAuxBuffer(0);
  dst.CopyStrokeMarkFrom(src, 1, 4);
  EXPECT_EQ(dst.GetStrokeMark(1), 12);
  EXPECT_EQ(dst.GetStrokeMark(0), 0);
}

TEST(StrokePath, AnUnallocatablePathHasNoRoomAndRefusesAppends) {
  CStrokePath path(-5);
  EXPECT_EQ(path.GetCapacity(), 0);
  EXPECT_EQ(path.AppendPoint(1, 1, 1), 0);
  EXPECT_EQ(path.GetCount(), 0);
}

}  // namespace
