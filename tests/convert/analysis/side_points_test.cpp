#include "convert/analysis/side_points.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "core/path/stroke_path_ex.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;

double Distance(const CFPoint& a, const CFPoint& b) { return std::hypot(double(a.x) - b.x, double(a.y) - b.y); }

// A path of the points with both weights of every point set.
void Build(CStrokePathEx& path, std::initializer_list<PathPoint> points, float w1, float w2) {
  Fill(path, points);
  ASSERT_TRUE(path.AllocWeights());
  for (int i = 0; i < path.GetCount(); ++i) {
    path.m_pWeight1[i] = w1;
    path.m_pWeight2[i] = w2;
  }
}

TEST(SidePoints, TheFirstSideLiesOnTheWritersLeftAtEveryPoint) {
  // Weights 3 and 5; the left hand of the writing direction on a paper whose y runs down.
  struct Case {
    CFPoint step;
    CFPoint left;  // unit vector to the left hand
  } cases[] = {{{10, 0}, {0, -1}}, {{-10, 0}, {0, 1}}, {{0, 10}, {1, 0}}, {{0, -10}, {-1, 0}}};
  for (const Case& c : cases) {
    CStrokePathEx path(8);
    Build(path, {{0, 0, 1}, {c.step.x, c.step.y, 0}, {2 * c.step.x, 2 * c.step.y, 0}, {3 * c.step.x, 3 * c.step.y, 0}},
          3, 5);
    ComputeAllSidePoints(path);
    for (int i = 0; i < 4; ++i) {
      const CFPoint p = path.m_pPoints[i];
      EXPECT_EQ(path.m_pSide1[i], CFPoint(p.x + 3 * c.left.x, p.y + 3 * c.left.y)) << c.step.x << "," << c.step.y << " " << i;
      EXPECT_EQ(path.m_pSide2[i], CFPoint(p.x - 5 * c.left.x, p.y - 5 * c.left.y)) << c.step.x << "," << c.step.y << " " << i;
    }
  }
}

TEST(SidePoints, TheMiddleOfThreeCollinearPointsTakesTheNormalOfTheWayIn) {
  CStrokePathEx path(8);
  Build(path, {{0, 0, 1}, {10, 10, 0}, {20, 20, 0}}, 3, 3);
  ComputeAllSidePoints(path);
  const float r = float(3 / std::sqrt(2.0));
  EXPECT_NEAR(path.m_pSide1[1].x, 10 + r, 1e-5);
  EXPECT_NEAR(path.m_pSide1[1].y, 10 - r, 1e-5);
  EXPECT_NEAR(path.m_pSide2[1].x, 10 - r, 1e-5);
  EXPECT_NEAR(path.m_pSide2[1].y, 10 + r, 1e-5);
}

TEST(SidePoints, CoincidentAndNearlyUprightNeighboursGiveFiniteSidesAtTheirWeights) {
  struct Case {
    CFPoint prev, cur, next;
    int kind;
  } cases[] = {
      {{4, 4}, {4, 4}, {4, 4}, kSideInner},
      {{4, 4}, {4, 4}, {4, 4}, kSideStrokeStart},
      {{4, 4}, {4, 4}, {4, 4}, kSideSectionEnd},
      {{4, 4}, {4, 4}, {9, 4}, kSideInner},
      // The normal's x is a denormal: its slope squared overflows a float.
      {{0, 1e-40f}, {1, 0}, {2, -1e-40f}, kSideInner},
      {{1e-40f, 0}, {0, 1}, {-1e-40f, 2}, kSideStrokeStart},
  };
  for (const Case& c : cases) {
    CFPoint out1(0, 0), out2(0, 0);
    ComputePointNormal(c.prev, c.cur, c.next, 3, 5, out1, out2, c.kind);
    ASSERT_TRUE(std::isfinite(out1.x) && std::isfinite(out1.y) && std::isfinite(out2.x) && std::isfinite(out2.y))
        << c.kind;
    EXPECT_NEAR(Distance(out1, c.cur), 3, 1e-5) << c.kind;
    EXPECT_NEAR(Distance(out2, c.cur), 5, 1e-5) << c.kind;
  }
  // Three coincident points: the normal runs along x.
  CFPoint out1(0, 0), out2(0, 0);
  ComputePointNormal({4, 4}, {4, 4}, {4, 4}, 3, 5, out1, out2, kSideInner);
  EXPECT_EQ(out1, CFPoint(1, 4));
  EXPECT_EQ(out2, CFPoint(9, 4));
}

TEST(SidePoints, AOnePointStrokeLooksAtNoOtherStrokeAndMakesAnOutlineOfTwoPoints) {
  CStrokePathEx path(8);
  Build(path, {{5, 5, 1}, {50, 60, 1}, {60, 60, 0}, {70, 60, 0}}, 3, 5);
  ComputeAllSidePoints(path);
  // As if the stroke's neighbours were the point itself, not the next stroke's start.
  CFPoint out1(0, 0), out2(0, 0);
  ComputePointNormal({5, 5}, {5, 5}, {5, 5}, 3, 5, out1, out2, kSideStrokeStart);
  EXPECT_EQ(path.m_pSide1[0], out1);
  EXPECT_EQ(path.m_pSide2[0], out2);
  EXPECT_EQ(BuildStrokeOutlines(path), 2 + 6);
  const CStrokePath& outline = *path.m_pOutline;
  EXPECT_EQ(outline.m_pFlags[0], 1);
  EXPECT_EQ(outline.m_pPoints[0], out1);
  EXPECT_EQ(outline.m_pPoints[1], out2);
  EXPECT_EQ(outline.m_pFlags[2], 1);
  EXPECT_EQ(outline.m_pPoints[2], path.m_pSide1[1]);
  EXPECT_EQ(outline.m_pPoints[7], path.m_pSide2[1]);

  // The same stroke last in a path filled to its capacity: nothing past the path is read.
  CStrokePathEx full(3);
  Build(full, {{50, 60, 1}, {60, 60, 0}, {5, 5, 1}}, 3, 5);
  ComputeAllSidePoints(full);
  EXPECT_EQ(full.m_pSide1[2], out1);
  EXPECT_EQ(full.m_pSide2[2], out2);
}

TEST(SidePoints, OutlinesStopAtTheCapacityOfTheOutputPath) {
  CStrokePathEx path(6);
  Build(path, {{0, 0, 1}, {1, 0, 0}, {2, 0, 0}, {3, 0, 0}, {4, 0, 0}, {5, 0, 0}}, 2, 2);
  ComputeAllSidePoints(path);
  EXPECT_EQ(BuildStrokeOutlines(path), 6);
  EXPECT_EQ(BuildSideOutline(path, 0, 5, 0), 6);
  EXPECT_EQ(path.m_pOutline->m_pPoints[5], path.m_pSide1[5]);
  EXPECT_EQ(BuildSideOutline(path, 0, 5, 9), 6);  // a start past the capacity writes nothing
}

TEST(SidePoints, ASideOutlineRunsForwardOnTheFirstSideAndBackOnTheSecond) {
  CStrokePathEx path(16);
  Build(path, {{0, 0, 1}, {10, 0, 0}, {20, 0, 0}, {30, 0, 0}, {40, 0, 0}}, 2, 4);
  ComputeAllSidePoints(path);
  const int last = 3;
  ASSERT_EQ(BuildSideOutline(path, 0, last, 0), 2 * (last + 1));
  const CStrokePath& outline = *path.m_pOutline;
  for (int k = 0; k <= last; ++k) {
    EXPECT_EQ(outline.m_pPoints[k], path.m_pSide1[k]);
    EXPECT_EQ(outline.m_pPoints[2 * last + 1 - k], path.m_pSide2[k]);
    EXPECT_EQ(outline.m_pFlags[k], k == 0 ? 1 : 0);
  }
}

TEST(SidePoints, UpdateLeavesMarkedPointsWithoutSidesAndClearsTheirMarks) {
  CStrokePathEx path(16);
  // Stroke A's last point and stroke B's first carry guide marks; B opens a section (2).
  Build(path, {{0, 0, 1}, {10, 0, 0}, {20, 0, 0}, {0, 20, 2}, {10, 20, 0}, {20, 20, 0}}, 2, 2);
  path.m_pGuideMarks[2] = 1;
  path.m_pGuideMarks[3] = 1;
  path.SetExtraPointsTo(-99);
  const int count = UpdateSidePoints(path, 0, 1, 0, 0);
  EXPECT_EQ(count, path.m_pOutline->GetCount());
  EXPECT_EQ(count, 2 * 6 - 1);  // A's last point kept its two equal sides: one is dropped
  EXPECT_EQ(PointsOf(path)[0].flag, 1);
  EXPECT_EQ(PointsOf(path)[3].flag, 2) << "the section break stays";
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(path.m_pSide1[i] == CFPoint(-99, -99), i == 2 || i == 3) << i;
    EXPECT_EQ(path.m_pGuideMarks[i], 0) << i;
  }

  // Without clearMarks the marks are neither read nor cleared.
  path.m_pGuideMarks[4] = 1;
  path.m_pSide1[4] = CFPoint(-99, -99);
  UpdateSidePoints(path, 0, 0, 0, 0);
  EXPECT_NE(path.m_pSide1[4], CFPoint(-99, -99));
  EXPECT_EQ(path.m_pGuideMarks[4], 1);

  // Without clearMarks every point gets its sides, and the smoothing keeps the ends.
  CStrokePathEx smooth(64);
  for (int k = 0; k < 20; ++k) smooth.AddPointUnique(float(k), float(k % 2), k == 0 ? 1 : 0, 1);
  ASSERT_TRUE(smooth.AllocWeights());
  std::fill_n(smooth.m_pWeight1, 20, 2.0f);
  std::fill_n(smooth.m_pWeight2, 20, 2.0f);
  const int smoothCount = UpdateSidePoints(smooth, 1, 0, 3, 1);
  EXPECT_EQ(smoothCount, smooth.m_pOutline->GetCount());
  EXPECT_EQ(smooth.m_pPoints[0], CFPoint(0, 0));
  EXPECT_EQ(smooth.m_pOutline->GetCount(), 2 * smooth.GetCount());
}

}  // namespace
