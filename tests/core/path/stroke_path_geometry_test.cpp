#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/path/pixel_mask.h"
#include "core/path/stroke_marks.h"
#include "core/path/stroke_path.h"
#include "core/path/stroke_path_ex.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;
using Points = std::vector<PathPoint>;

TEST(StrokePathLines, AppendLinePointsStepsAlongTheMajorAxis) {
  struct Case {
    tmb::Point a, b;
    int mode;
    Points expected;
  } cases[] = {
      {{0, 0}, {3, 1}, 0, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 1, 0}}},
      {{0, 0}, {3, 1}, 2, {{1, 0, 0}, {2, 0, 0}}},
      {{0, 0}, {3, 1}, 1, {{0, 0, 0}, {1, 0, 0}, {2, 0, 0}, {3, 1, 0}}},
      {{0, 0}, {-3, -1}, 0, {{0, 0, 1}, {-1, 0, 0}, {-2, 0, 0}, {-3, -1, 0}}},  // truncation toward zero
      {{0, 0}, {1, 3}, 0, {{0, 0, 1}, {0, 1, 0}, {0, 2, 0}, {1, 3, 0}}},       // y major
      {{2, 2}, {4, 4}, 0, {{2, 2, 1}, {3, 3, 0}, {4, 4, 0}}},                  // a tie goes to y
      {{5, 5}, {5, 5}, 0, {}},
  };
  for (const Case& c : cases) {
    CStrokePath path(16);
    EXPECT_TRUE(path.AppendLinePoints(c.a, c.b, c.mode, nullptr));
    EXPECT_EQ(PointsOf(path), c.expected) << c.b.x << "," << c.b.y << " mode " << c.mode;
  }
}

// A mask that is white on the column x = 1.
class ColumnMask : public PixelMask {
 public:
  tmb::Colour GetPixel(int x, int) const override { return x == 1 ? 0xFFFFFF : 0; }
};

TEST(StrokePathLines, MaskedPixelsAreLeftOutAndFullPathsStop) {
  ColumnMask mask;
  CStrokePath path(16);
  ASSERT_TRUE(path.AppendLinePoints({0, 0}, {3, 0}, 0, &mask));
  EXPECT_EQ(PointsOf(path), (Points{{0, 0, 1}, {2, 0, 0}, {3, 0, 0}}));

  CStrokePath tiny(2);
  EXPECT_FALSE(tiny.AppendLinePoints({0, 0}, {100000, 7}, 0, nullptr));
  EXPECT_EQ(tiny.GetCount(), 2);
}

TEST(StrokePathLines, AppendFloatLinePointsKeepsFractionsAndTheSlotFlags) {
  CStrokePath path(16);
  path.m_pFlags[0] = 9;
  ASSERT_TRUE(path.AppendFloatLinePoints(CFPoint(0, 0), CFPoint(3, 1), 0));
  EXPECT_EQ(path.GetCount(), 5);  // the start stands twice
  EXPECT_EQ(path.GetPoint(0), CFPoint(0, 0));
  EXPECT_EQ(path.GetPoint(1), CFPoint(0, 0));
  EXPECT_FLOAT_EQ(path.GetPoint(2).y, 1.0f / 3.0f);
  EXPECT_EQ(path.GetPoint(4), CFPoint(3, 1));
  EXPECT_EQ(path.m_pFlags[0], 9);

  CStrokePath inner(16);
  ASSERT_TRUE(inner.AppendFloatLinePoints(CFPoint(0.2f, 0), CFPoint(3, 1), 2));
  EXPECT_EQ(inner.GetCount(), 2);
  EXPECT_FLOAT_EQ(inner.GetPoint(1).y, 2.0f / 3.0f);
}

TEST(StrokePathLines, DensifyOpenAndClosedStrokes) {
  CStrokePath open(16);
  Fill(open, {{0, 0, 1}, {3, 0, 0}});
  EXPECT_EQ(open.Densify(0), 1);
  EXPECT_EQ(PointsOf(open), (Points{{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}}));

  CStrokePath closed(16);
  Fill(closed, {{0, 0, 1}, {2, 0, 0}, {2, 2, 0}});
  EXPECT_EQ(closed.Densify(1), 1);
  EXPECT_EQ(PointsOf(closed), (Points{{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {2, 1, 0}, {2, 2, 0}, {1, 1, 0}}));

  CStrokePath twoStrokes(16);
  Fill(twoStrokes, {{0, 0, 1}, {2, 0, 0}, {10, 0, 1}, {10, 2, 0}});
  twoStrokes.Densify(0);  // nothing is put between strokes
  EXPECT_EQ(PointsOf(twoStrokes), (Points{{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {10, 0, 1}, {10, 1, 0}, {10, 2, 0}}));
}

TEST(StrokePathLines, DensifyLeavesAPathThatWouldOverflowUnchanged) {
  CStrokePath path(6);
  Fill(path, {{0, 0, 1}, {10, 0, 0}});
  path.EnsureAuxBuffer(0);
  path.m_pStrokeMarks->SetMark(0, 3);
  EXPECT_EQ(path.Densify(0), 0);
  EXPECT_EQ(PointsOf(path), (Points{{0, 0, 1}, {10, 0, 0}}));
  CStrokePath fits(16);
  fits.EnsureAuxBuffer(0);
  fits.m_pStrokeMarks->SetMark(0, 3);
  Fill(fits, {{0, 0, 1}, {4, 0, 0}});
  EXPECT_EQ(fits.Densify(0), 1);
  EXPECT_EQ(fits.GetStrokeMark(0), 3);  // marks survive the rebuild
}

TEST(StrokePathLines, RasterizeWritesUnitStepsAndTheirSourceIndices) {
  CStrokePath path(16);
  Fill(path, {{0, 0, 1}, {3, 1.5f, 0}, {3, 3, 0}});
  CFPoint out[16];
  int indices[16];
  int n = path.Rasterize(0, 2, out, 0, indices);
  ASSERT_EQ(n, 6);  // three along x, two along y, then point 2
  EXPECT_EQ(out[1], CFPoint(1, 0.5f));
  EXPECT_EQ(out[3], CFPoint(3, 1.5f));
  EXPECT_EQ(out[4], CFPoint(3, 2.5f));
  EXPECT_EQ(out[5], CFPoint(3, 3));
  EXPECT_EQ(std::vector<int>(indices, indices + 6), (std::vector<int>{0, 0, 0, 1, 1, 2}));

  // Closed: the stroke's last point leads back to its first; an end past the points adds
  // no final point.
  n = path.Rasterize(0, 3, out, 1, {});
  EXPECT_EQ(n, 8);
  EXPECT_EQ(out[5], CFPoint(3, 3));
  EXPECT_EQ(out[6], CFPoint(2, 2));
  EXPECT_EQ(out[7], CFPoint(1, 1));

  CFPoint few[4];
  EXPECT_EQ(path.Rasterize(0, 2, few, 0, indices), 4);
}

TEST(StrokePathLines, RasterizeEndsAnOpenRunAtThePathsLastPoint) {
  // Full, so no slot lies after the last point.
  CStrokePath path(3);
  Fill(path, {{0, 0, 1}, {2, 0, 0}, {2, 2, 0}});
  CFPoint out[16];
  int indices[16];
  int n = path.Rasterize(0, 3, out, 0, indices);
  ASSERT_EQ(n, 5);  // the last point has no segment of its own: it stands alone
  EXPECT_EQ(out[3], CFPoint(2, 1));
  EXPECT_EQ(out[4], CFPoint(2, 2));
  EXPECT_EQ(indices[4], 2);
  CFPoint upToLast[16];
  ASSERT_EQ(path.Rasterize(0, 2, upToLast, 0, {}), n);
  EXPECT_TRUE(std::equal(out, out + n, upToLast));
}

TEST(StrokePathLengths, PathLengthCountsGapsBetweenStrokesOnlyWhenAsked) {
  CStrokePath path(16);
  Fill(path, {{0, 0, 1}, {3, 4, 0}, {6, 8, 1}, {6, 10, 0}});
  EXPECT_FLOAT_EQ(path.PathLength(0, 3, 0), 7.0f);
  EXPECT_FLOAT_EQ(path.PathLength(0, 3, 1), 12.0f);
  EXPECT_FLOAT_EQ(path.PathLength(3, 0, 1), 12.0f);  // swapped
  EXPECT_FLOAT_EQ(path.PathLength(0, 99, 1), 12.0f);
  EXPECT_FLOAT_EQ(path.StrokeLength(1), 5.0f);
  EXPECT_FLOAT_EQ(path.StrokeLength(2), 2.0f);
}

TEST(StrokePathLengths, ChordVectorIsMovedBackAtTheStrokeEnd) {
  CStrokePath path(16);
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {3, 0, 0}, {6, 0, 0}, {0, 9, 1}});
  EXPECT_EQ(path.ChordVector(0, 2), CFPoint(3, 0));
  EXPECT_EQ(path.ChordVector(2, 2), CFPoint(5, 0));  // from point 1 to point 3
  EXPECT_TRUE(CStrokePath::PointsWithin(CFPoint(1, 1), CFPoint(2, 0), 1.0f));
  EXPECT_FALSE(CStrokePath::PointsWithin(CFPoint(1, 1), CFPoint(2.5f, 1), 1.0f));
}

// One point moves, within the path's slots only: past the count but inside the capacity
// it still moves; below 0 or at the capacity nothing does.
TEST(StrokePathTransform, OffsetPointMovesOnePointInsideThePathsSlots) {
  CStrokePath path(4);
  Fill(path, {{1, 2, 1}, {3, 4, 0}});
  EXPECT_TRUE(path.OffsetPoint(1, 0.5f, -4));
  EXPECT_EQ(path.GetPoint(1), CFPoint(3.5f, 0));
  EXPECT_EQ(path.GetPoint(0), CFPoint(1, 2));
  path.m_pPoints[3] = CFPoint(7, 7);
  EXPECT_TRUE(path.OffsetPoint(3, 1, 1));
  EXPECT_EQ(path.m_pPoints[3], CFPoint(8, 8));
  for (int i : {-1, 4, 1 << 30}) EXPECT_FALSE(path.OffsetPoint(i, 1, 1)) << i;
  EXPECT_EQ(path.GetPoint(0), CFPoint(1, 2));
  EXPECT_EQ(path.GetPoint(1), CFPoint(3.5f, 0));
}

TEST(StrokePathTransform, TranslateScaleAndCopyScaled) {
  CStrokePath path(8);
  Fill(path, {{1, 2, 1}, {3, 4, 0}, {5, 6, 0}});
  path.Translate(1, -1);
  EXPECT_EQ(path.GetPoint(0), CFPoint(2, 1));
  path.Scale(2);
  EXPECT_EQ(path.GetPoint(1), CFPoint(8, 6));
  path.ScaleXY(0.5f, 1);
  EXPECT_EQ(path.GetPoint(2), CFPoint(6, 10));
  path.ScaleRange(0, 0, 2, 9);
  EXPECT_EQ(path.GetPoint(2), CFPoint(0, 0));
  EXPECT_EQ(path.GetPoint(1), CFPoint(4, 6));

  CStrokePathEx src(8);
  Fill(src, {{1, 1, 1}});
  src.m_pSide1[0] = CFPoint(1, 2);
  src.AllocWeights();
  src.m_pWeight2[0] = 3;
  CStrokePathEx dst(8);
  ASSERT_TRUE(dst.CopyScaled(src, 2));
  EXPECT_EQ(dst.GetPoint(0), CFPoint(2, 2));
  EXPECT_EQ(dst.m_pSide1[0], CFPoint(2, 4));
  EXPECT_EQ(dst.m_pWeight2[0], 6.0f);
  CStrokePath small(1);
  EXPECT_FALSE(small.CopyScaled(path, 1));
}

TEST(StrokePathTransform, AppendIntPointIfNewSkipsARoundedRepeatOfAContinuation) {
  CStrokePath path(3);
  path.AddPointUnique(2.6f, 3.4f, 1, 1);
  EXPECT_EQ(path.AppendIntPointIfNew(0, 3, 3), 0);
  EXPECT_EQ(path.AppendIntPointIfNew(1, 3, 3), 1);
  EXPECT_EQ(path.AppendIntPointIfNew(0, 4, 3), 1);
  EXPECT_EQ(path.AppendIntPointIfNew(1, 5, 3), 0);  // full
}

TEST(StrokePathEx, SidePointSearchAndWeights) {
  CStrokePathEx path(8);
  Fill(path, {{0, 0, 1}, {3, 0, 0}});
  path.m_pSide1[1] = CFPoint(3, 4);
  path.m_pSide2[0] = CFPoint(3, 4);
  path.m_pSide2[1] = CFPoint(3, -2);
  int which = 0;
  EXPECT_EQ(path.FindByExtraPoint(3, 4, &which), 1);
  which = 1;
  EXPECT_EQ(path.FindByExtraPoint(3, 4, &which), 0);
  EXPECT_EQ(which, 1);
  EXPECT_EQ(path.FindByExtraPoint(9, 9, &which), 2);
  EXPECT_EQ(which, -1);

  path.ComputeWeights();
  ASSERT_TRUE(path.HasWeights());
  EXPECT_FLOAT_EQ(path.m_pWeight1[1], 4.0f);
  EXPECT_FLOAT_EQ(path.m_pWeight2[0], 5.0f);
  EXPECT_FLOAT_EQ(path.m_pWeight2[1], 2.0f);
}

}  // namespace
