#include "convert/analysis/outline_smoothing.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "convert/analysis/outline_point_search.h"
#include "convert/driver/marker_list.h"
#include "core/path/point_index_list.h"
#include "core/path/stroke_path_ex.h"
#include "support/path_points.h"

namespace {

using tmb::test::AddLineStroke;
using tmb::test::Fill;
using tmb::test::PointsOf;

// A stroke of n points zigzagging along x, 1 up and 1 down.
void AddZigzag(CStrokePath& path, float x, float y, int n) {
  for (int k = 0; k < n; ++k) path.AddPointUnique(x + float(k), y + float(k % 2), k == 0 ? 1 : 0, 1);
}

TEST(SmoothStrokeEnds, AStrokeOfFifteenPointsIsSmoothedWholeWhateverThePercent) {
  CStrokePath plain(32);
  AddZigzag(plain, 0, 0, 15);
  std::vector<tmb::test::PathPoint> first;
  for (int percent : {0, 10, 90}) {
    CStrokePath path(32);
    AddZigzag(path, 0, 0, 15);
    EXPECT_EQ(SmoothStrokeEnds(path, 2, percent), 1);
    if (first.empty()) first = PointsOf(path);
    EXPECT_EQ(PointsOf(path), first) << percent;
  }
  EXPECT_NE(first, PointsOf(plain));
  EXPECT_EQ(first.front(), PointsOf(plain).front());
  EXPECT_EQ(first.back(), PointsOf(plain).back());
  EXPECT_NE(first[7], PointsOf(plain)[7]);  // the middle moves too
}

TEST(SmoothStrokeEnds, ALongStrokeIsSmoothedAtItsEndsOnly) {
  CStrokePath path(64);
  AddZigzag(path, 0, 0, 40);  // L = 39: 10 percent is k = 3
  const auto before = PointsOf(path);
  SmoothStrokeEnds(path, 1, 10);
  const auto after = PointsOf(path);
  for (int i = 0; i < 40; ++i) {
    // Head: points 1 to 3; tail: points 37 and 38.
    const bool moves = (i >= 1 && i <= 3) || i == 37 || i == 38;
    EXPECT_EQ(after[i] != before[i], moves) << i;
  }
  EXPECT_FLOAT_EQ(after[1].y, 0.5f);  // the mean of points 0 and 1
}

TEST(SmoothExtraArrays, BothSideArraysBlendForwardAndKeepTheirEnds) {
  CStrokePathEx path(8);
  Fill(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {9, 9, 1}, {9, 9, 0}});
  for (int i = 0; i < 4; ++i) {
    path.m_pSide1[i] = CFPoint(float(10 * i), 0);
    path.m_pSide2[i] = CFPoint(0, float(-10 * i));
  }
  path.m_pSide1[4] = CFPoint(1, 1);
  path.m_pSide1[5] = CFPoint(5, 5);
  SmoothExtraArrays(path, 1);
  EXPECT_EQ(path.m_pSide1[1], CFPoint(5, 0));
  EXPECT_EQ(path.m_pSide1[2], CFPoint(12.5f, 0));
  EXPECT_EQ(path.m_pSide1[3], CFPoint(30, 0));
  EXPECT_EQ(path.m_pSide2[2], CFPoint(0, -12.5f));
  EXPECT_EQ(path.m_pSide1[5], CFPoint(5, 5));  // a two-point stroke has no inner point
}

// The anchored smoothing as its description reads, one point at a time, for checking the
// smoothing stroke by stroke: i over the range, a = i + 1 and b = i + 2, with the stroke's
// first point after its last; a stroke of one point stays.
int ReferenceSmoothing(CStrokePath& path, int passes, const std::vector<uint8_t>& fixed, int first, int last,
                       int inPlace) {
  int result = 0;
  const int count = path.GetCount();
  for (int pass = 0; pass < passes; ++pass) {
    std::vector<CFPoint> before(path.m_pPoints, path.m_pPoints + count);
    std::vector<CFPoint> work = before;
    const std::vector<CFPoint>& src = inPlace ? before : work;
    for (int i = first; i < last; ++i) {
      const int s = path.FindStrokeStart(i);
      const int e = path.FindStrokeEnd(i);
      if (i == s) ++result;
      if (s == e) continue;
      int a = i + 1, b = i + 2;
      if (i == e) {
        a = s;
        b = s + 1;
      } else if (a == e) {
        b = s;
      }
      if (fixed[size_t(a)]) continue;
      work[size_t(a)] = CFPoint((src[size_t(i)].x + src[size_t(b)].x) * 0.5f, (src[size_t(i)].y + src[size_t(b)].y) * 0.5f);
      ++result;
    }
    std::copy(work.begin(), work.end(), path.m_pPoints);
  }
  return result;
}

TEST(SmoothContoursAnchored, MovesEveryFreePointToTheMeanOfItsCyclicNeighbours) {
  // Contours of 2 to 40 points and a lone point, anchored by index (at a contour's start,
  // inside it, or nowhere), by position, out of range and released, over the whole path
  // and over part of it, in one round and in enough for rounds to run side by side.
  uint32_t seed = 3;
  auto next = [&seed](int range) {
    seed = seed * 1103515245u + 12345u;
    return int((seed >> 16) % uint32_t(range));
  };
  CStrokePath base(128);
  for (int n : {5, 2, 9, 1, 7, 3, 40, 25}) {
    for (int k = 0; k < n; ++k) base.AddPointUnique(float(next(100)), float(next(100)), k == 0 ? 1 : 0, 1);
  }
  const int count = base.GetCount();
  CPointIndexList anchors(8);
  anchors.AddPoint(0, 0, 1, 3);
  anchors.AddPoint(0, 0, 4, 67);  // the first point of the last contour
  anchors.AddPoint(0, 0, 12, 9);
  anchors.AddPoint(0, 0, 255, 4);     // released
  anchors.AddPoint(0, 0, 4, count + 3);  // past the path: fixes nothing
  anchors.AddPoint(0, 0, 8, -2);
  anchors.AddPoint(base.m_pPoints[20].x, base.m_pPoints[20].y, 0, 0);  // by position
  std::vector<uint8_t> fixed(size_t(count), 0);
  fixed[3] = fixed[9] = fixed[20] = fixed[67] = 1;
  struct Case {
    int first, last, inPlace;
  } cases[] = {{-1, -1, 0}, {-1, -1, 1}, {4, 19, 0}, {4, 19, 1}, {6, 100, 0}};
  for (int passes : {1, 3, 9, 30}) {
    for (const Case& c : cases) {
      CStrokePath path(128), want(128);
      path.CopyFrom(base);
      want.CopyFrom(base);
      const int first = c.first < 0 ? 0 : c.first;
      const int last = c.first < 0 ? count : std::min(c.last, count);
      const int expected = ReferenceSmoothing(want, passes, fixed, first, last, c.inPlace);
      EXPECT_EQ(SmoothContoursAnchored(path, passes, anchors, c.first, c.last, c.inPlace, 1), expected)
          << passes << " " << c.first;
      EXPECT_EQ(PointsOf(path), PointsOf(want)) << passes << " " << c.first << " " << c.inPlace;
    }
  }
}

TEST(SmoothContoursAnchored, EveryPointFixedMovesNothingAndCountsTheStrokeStarts) {
  CStrokePath path(32);
  AddZigzag(path, 0, 0, 6);
  AddZigzag(path, 20, 0, 5);
  const auto before = PointsOf(path);
  CPointIndexList anchors(32);
  for (int i = 0; i < path.GetCount(); ++i) anchors.AddPoint(0, 0, 2, i);
  EXPECT_EQ(SmoothContoursAnchored(path, 4, anchors, -1, -1, 0, 1), 2 * 4);
  EXPECT_EQ(PointsOf(path), before);
}

TEST(SmoothContoursAnchored, ReleasedAnchorsFixNothing) {
  CStrokePath fixedPath(32), freePath(32);
  AddZigzag(fixedPath, 0, 0, 8);
  AddZigzag(freePath, 0, 0, 8);
  CPointIndexList released(32), none(1);
  for (int i = 0; i < 8; ++i) released.AddPoint(0, 0, 255, i);
  SmoothContoursAnchored(fixedPath, 3, released, -1, -1, 0, 1);
  SmoothContoursAnchored(freePath, 3, none, -1, -1, 0, 1);
  EXPECT_EQ(PointsOf(fixedPath), PointsOf(freePath));
}

// A contour of one point has no neighbours of its own: averaged with the point after it,
// it would be drawn towards the next contour's start, or at the path's end towards what
// lies past the count.
TEST(SmoothContoursAnchored, ALonePointStaysAndItsNeighboursIgnoreIt) {
  CStrokePath with(32), without(32);
  for (CStrokePath* path : {&with, &without}) {
    AddZigzag(*path, 0, 0, 5);
    if (path == &with) Fill(*path, {{50, 50, 1}});
    AddZigzag(*path, 10, 10, 5);
    if (path == &with) Fill(*path, {{70, 20, 1}, {90, 30, 1}});
  }
  CPointIndexList none(1);
  for (int inPlace : {0, 1}) {
    CStrokePath a(32), b(32);
    a.CopyFrom(with);
    b.CopyFrom(without);
    for (int i = a.GetCount(); i < a.GetCapacity(); ++i) a.m_pPoints[i] = CFPoint(NAN, 1e30f);
    SmoothContoursAnchored(a, 2, none, -1, -1, inPlace, 1);
    SmoothContoursAnchored(b, 2, none, -1, -1, inPlace, 1);
    auto pa = PointsOf(a);
    EXPECT_EQ(pa[5], (tmb::test::PathPoint{50, 50, 1}));
    EXPECT_EQ(pa[11], (tmb::test::PathPoint{70, 20, 1}));
    EXPECT_EQ(pa[12], (tmb::test::PathPoint{90, 30, 1}));
    pa.erase(pa.begin() + 11, pa.end());
    pa.erase(pa.begin() + 5);
    EXPECT_EQ(pa, PointsOf(b)) << inPlace;
  }
}

TEST(SmoothContoursAnchored, PositionAnchorsFixTheEqualOrTheNearerOfTheNearPointAndItsSuccessor) {
  CStrokePath base(16);
  Fill(base, {{0, 0, 1}, {10, 0, 0}, {10.6f, 0.4f, 0}, {10, 10, 0}, {0, 10, 0}});
  CPointIndexList exact(1), near(1);
  exact.AddPoint(10, 10, 0, 0);
  near.AddPoint(10.5f, 0.5f, 0, 0);  // within 1 of point 1 first; point 2 is nearer
  CStrokePath a(16), b(16);
  a.CopyFrom(base);
  b.CopyFrom(base);
  SmoothContoursAnchored(a, 1, exact, -1, -1, 0, 1);
  SmoothContoursAnchored(b, 1, near, -1, -1, 0, 0);
  EXPECT_EQ(a.m_pPoints[3], CFPoint(10, 10));
  EXPECT_NE(a.m_pPoints[1], base.m_pPoints[1]);
  EXPECT_EQ(b.m_pPoints[2], base.m_pPoints[2]);
  EXPECT_NE(b.m_pPoints[1], base.m_pPoints[1]);
  // matchMode 1 needs the very point.
  CStrokePath c(16);
  c.CopyFrom(base);
  SmoothContoursAnchored(c, 1, near, -1, -1, 0, 1);
  EXPECT_NE(c.m_pPoints[2], base.m_pPoints[2]);
}

TEST(SmoothContoursAnchored, LeavesMarkerPostingOff) {
  CStrokePath path(16);
  AddZigzag(path, 0, 0, 6);
  CPointIndexList none(1);
  gMarkers.EnablePosting(1);
  SmoothContoursAnchored(path, 1, none, -1, -1, 0, 1);
  EXPECT_FALSE(gMarkers.IsPosting());
  gMarkers.Clear();
}

TEST(InterpolatePoint, GivesItsEndsExactlyAndTheStartForNoDenominator) {
  const CFPoint a(0.1f, 7.3f), b(1e6f + 0.5f, -3.7f);
  EXPECT_EQ(InterpolatePoint(a, b, 3, 3), b);
  EXPECT_EQ(InterpolatePoint(a, b, 0, 7), a);
  EXPECT_EQ(InterpolatePoint(a, b, 5, 0), a);
  EXPECT_EQ(InterpolatePoint(CFPoint(0, 0), CFPoint(10, -20), 1, 4), CFPoint(2.5f, -5));
}

TEST(CompareTurnAngles, EqualTurnsAreNotLarger) {
  // A square's corners: both turns a right angle.
  EXPECT_EQ(CompareTurnAngles({0, 0}, {10, 0}, {10, 10}, {0, 10}), -1);
  // A slight bend at p0 and a sharp one at p1, and the reverse.
  EXPECT_EQ(CompareTurnAngles({0, 0}, {10, 0}, {20, 2}, {17, 12}), -1);
  EXPECT_EQ(CompareTurnAngles({0, 0}, {10, 0}, {11, 10}, {13, 20}), 1);
}

TEST(OutlinePointSearch, FindsPointsByStrokeDistanceAndRectangle) {
  CStrokePath path(16);
  Fill(path, {{0, 0, 1}, {10, 0, 0}, {10, 10, 0}, {3, 3, 1}, {12, 1, 0}});
  CFPoint out(0, 0);
  EXPECT_EQ(NearestPointInStroke(path, 11, 1, out, 1), 1);
  EXPECT_EQ(out, CFPoint(10, 0));
  EXPECT_EQ(NearestPointInStroke(path, 11, 1, out, 2), 4);
  EXPECT_EQ(NearestPointInStroke(path, 11, 1, out, 3), -1);
  EXPECT_EQ(FindPointWithin(path, 2.5f, 3.5f, 0.5f), 3);
  EXPECT_EQ(FindPointWithin(path, 2.4f, 3.5f, 0.5f), -1);
  EXPECT_EQ(NearestPointAwayFrom(path, 11, 1, 4, 0), 1);
  EXPECT_EQ(NearestPointAwayFrom(path, 11, 1, 1, 2), 4);
  CPointIndexList anchors(8);
  CollectPointsInRect(path, anchors, 0, 0, 10, 10);
  ASSERT_EQ(anchors.m_nCount, 2);
  EXPECT_EQ(anchors.m_pValues[0], 0);
  EXPECT_EQ(anchors.m_pValues[1], 3);
  EXPECT_EQ(anchors.m_pKinds[1], 0);
}

}  // namespace
