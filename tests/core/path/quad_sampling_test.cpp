#include "core/path/quad_sampling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

std::vector<CFPoint> Sample(CFPoint a, CFPoint b, CFPoint c, int mode) {
  const CFPoint p[3] = {a, b, c};
  std::vector<CFPoint> out(4000);
  out.resize(size_t(SampleQuadratic(p, out, mode)));
  return out;
}

// No two consecutive points round to the same pixel.
void ExpectNoRepeatedPixels(const std::vector<CFPoint>& pts, int count) {
  for (int i = 1; i < count; ++i) {
    ASSERT_NE(pts[size_t(i)].RoundToPoint(), pts[size_t(i) - 1].RoundToPoint()) << "at " << i;
  }
}

double Distance(CFPoint a, CFPoint b) { return std::hypot(double(a.x) - b.x, double(a.y) - b.y); }

TEST(QuadSamplingTest, CollinearPointsGiveAStraightRunOfPixels) {
  const auto pts = Sample({0, 0}, {5, 0}, {10, 0}, 0);
  ASSERT_EQ(pts.size(), 11u);  // x = 0 .. 10; t = 1 is never sampled, but 9.95 rounds to 10
  for (size_t i = 0; i < pts.size(); ++i) {
    EXPECT_EQ(pts[i].RoundToPoint(), (tmb::Point{int(i), 0}));
    EXPECT_FLOAT_EQ(pts[i].y, 0);
  }
}

TEST(QuadSamplingTest, CoincidentPointsGiveExactlyOnePoint) {
  const auto pts = Sample({7.2f, 3.4f}, {7.2f, 3.4f}, {7.2f, 3.4f}, 0);
  ASSERT_EQ(pts.size(), 1u);
  EXPECT_EQ(pts[0].RoundToPoint(), (tmb::Point{7, 3}));
}

TEST(QuadSamplingTest, ModeChoosesMidpointEnds) {
  const CFPoint a{0, 0}, b{100, 0}, c{100, 100};
  struct Case {
    int mode;
    CFPoint start;
    CFPoint end;
  };
  const Case cases[] = {
      {0, a, c},                     // from P0 to P2
      {1, a, {100, 50}},             // to the midpoint of P1 and P2
      {-1, {50, 0}, c},              // from the midpoint of P0 and P1
      {2, {50, 0}, {100, 50}},       // both midpoints
      {7, {50, 0}, {100, 50}},
  };
  for (const Case& k : cases) {
    const auto pts = Sample(a, b, c, k.mode);
    ASSERT_FALSE(pts.empty());
    EXPECT_EQ(pts.front().RoundToPoint(), k.start.RoundToPoint()) << "mode " << k.mode;
    EXPECT_LT(Distance(pts.back(), k.end), 1.5) << "mode " << k.mode;
    ExpectNoRepeatedPixels(pts, int(pts.size()));
  }
}

TEST(QuadSamplingTest, SamplerStopsAtTheOutputCapacity) {
  const CFPoint p[3] = {{0, 0}, {500, 0}, {500, 500}};
  std::vector<CFPoint> out(10, CFPoint{-7, -7});
  EXPECT_EQ(SampleQuadratic(p, std::span<CFPoint>(out.data(), 5), 0), 5);
  EXPECT_EQ(out[5].x, -7);  // nothing written past the span
  std::vector<CFPoint> spline(10, CFPoint{-7, -7});
  EXPECT_EQ(SampleBSpline(p, std::span<CFPoint>(spline.data(), 3), 0), 3);
  EXPECT_EQ(spline[3].x, -7);
}

TEST(QuadSamplingTest, PolylineRunsFromFirstToLastPointThroughTheMidpoints) {
  const std::vector<CFPoint> poly = {{0, 0}, {100, 0}, {100, 100}, {0, 100}, {0, 200}};
  std::vector<CFPoint> out(5000);
  std::vector<int> vtx(poly.size(), -1);
  std::vector<uint8_t> starts(out.size(), 0);
  const int count = SampleQuadraticPolyline(poly, 0, 5, out, 0, vtx, starts);
  ASSERT_GT(count, 300);
  EXPECT_EQ(out[0].RoundToPoint(), (tmb::Point{0, 0}));
  EXPECT_LT(Distance(out[size_t(count) - 1], poly.back()), 1.5);
  ExpectNoRepeatedPixels(out, count);
  // Three pieces, each flagged at its first output point; the second and third begin
  // at the midpoints of the inner segments.
  int pieces = 0;
  for (int i = 0; i < count; ++i) pieces += starts[size_t(i)];
  EXPECT_EQ(pieces, 3);
  EXPECT_EQ(vtx[0], 0);
  EXPECT_LT(Distance(out[size_t(vtx[1])], {100, 50}), 1.5);
  EXPECT_LT(Distance(out[size_t(vtx[2])], {50, 100}), 1.5);
  EXPECT_EQ(vtx[3], count - 1);
  EXPECT_EQ(vtx[4], count - 1);
}

TEST(QuadSamplingTest, PolylineAppendsAfterTheGivenCount) {
  const std::vector<CFPoint> poly = {{0, 0}, {10, 0}, {10, 10}};
  std::vector<CFPoint> out(100, CFPoint{-5, -5});
  std::vector<int> vtx(3, -1);
  std::vector<uint8_t> starts(100, 0);
  const int count = SampleQuadraticPolyline(poly, 0, 3, out, 20, vtx, starts);
  EXPECT_EQ(out[19].x, -5);
  EXPECT_EQ(out[20].RoundToPoint(), (tmb::Point{0, 0}));
  EXPECT_EQ(starts[20], 1);
  EXPECT_EQ(vtx[0], 20);
  EXPECT_GT(count, 30);
}

TEST(QuadSamplingTest, ShortPolylinesWriteOnlyTheirOwnVertexIndexes) {
  const std::vector<CFPoint> poly = {{3, 3}, {8, 3}};
  for (int n : {1, 2}) {
    std::vector<CFPoint> out(50);
    std::vector<int> vtx(size_t(n), -9);
    std::vector<uint8_t> starts(50, 0);
    EXPECT_EQ(SampleQuadraticPolyline(poly, 0, n, out, 4, vtx, starts), 4) << n;
    for (int v : vtx) EXPECT_EQ(v, 3);
  }
  // A vertex array too short for the points is never written past.
  std::vector<int> none;
  std::vector<CFPoint> out(50);
  std::vector<uint8_t> starts(50, 0);
  EXPECT_EQ(SampleBSplinePolyline(poly, 0, 1, out, 0, none, starts), 0);
  EXPECT_EQ(SampleQuadraticPolyline(poly, 1, 5, out, 0, none, starts), 0);
}

TEST(QuadSamplingTest, BSplineStartsAtTheFirstPointAndEndsAtTheLast) {
  const std::vector<CFPoint> poly = {{0, 0}, {60, 0}, {60, 60}, {120, 60}};
  std::vector<CFPoint> out(5000);
  std::vector<int> vtx(poly.size(), -1);
  std::vector<uint8_t> starts(out.size(), 0);
  const int count = SampleBSplinePolyline(poly, 0, 4, out, 0, vtx, starts);
  ASSERT_GT(count, 100);
  EXPECT_EQ(out[0].RoundToPoint(), (tmb::Point{0, 0}));
  EXPECT_LT(Distance(out[size_t(count) - 1], poly.back()), 1.5);
  ExpectNoRepeatedPixels(out, count);
  EXPECT_EQ(vtx[3], count - 1);
  for (size_t i = 1; i < vtx.size(); ++i) EXPECT_GE(vtx[i], vtx[i - 1]);
  // The inner pieces pass near the midpoints of the segments, inside the control polygon.
  EXPECT_LT(Distance(out[size_t(vtx[1]) + 1], {60, 30}), 1.5);
}

TEST(QuadSamplingTest, PolylineOutputStopsAtItsCapacity) {
  const std::vector<CFPoint> poly = {{0, 0}, {300, 0}, {300, 300}, {0, 300}};
  std::vector<CFPoint> out(64, CFPoint{-1, -1});
  std::vector<int> vtx(4, -1);
  std::vector<uint8_t> starts(40, 0);
  EXPECT_EQ(SampleQuadraticPolyline(poly, 0, 4, std::span<CFPoint>(out.data(), 40), 0, vtx, starts), 40);
  EXPECT_EQ(out[40].x, -1);
  EXPECT_EQ(SampleBSplinePolyline(poly, 0, 4, std::span<CFPoint>(out.data(), 40), 0, vtx, starts), 40);
  EXPECT_EQ(out[40].x, -1);
}

}  // namespace
