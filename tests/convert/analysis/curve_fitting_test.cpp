#include "convert/analysis/curve_fitting.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "convert/analysis/redundant_points.h"
#include "core/path/stroke_work.h"
#include "support/disc_staircase.h"
#include "support/path_points.h"
#include "support/picture_files.h"
#include "support/test_canvas.h"

namespace {

using tmb::test::Fill;
using tmb::test::StrokeRanges;

// The point of the quadratic from p through control c to e at its middle.
CFPoint CurveMiddle(const CFPoint& p, const CFPoint& c, const CFPoint& e) { return (p + c * 2.0f + e) / 4.0f; }

TEST(CurveFitting, SampleCountsChooseOneToThreeControlPointsOnAStraightRun) {
  struct Case {
    int samples, single, controls;
  } cases[] = {{63, 0, 1}, {64, 0, 2}, {127, 0, 2}, {128, 0, 3}, {128, 1, 1}, {2, 0, 1}};
  std::vector<CFPoint> samples(1000);
  for (const Case& c : cases) {
    // A slanting segment of samples - 1 unit steps along x, then point 1 itself.
    const float length = float(c.samples - 1);
    CStrokePath source(8);
    Fill(source, {{0, 0, 1}, {length, length / 2, 0}, {length, 100, 0}});
    CStrokePath out(8);
    ASSERT_EQ(FitControlPoints(out, source, 0, 1, samples, c.single), c.controls + 1) << c.samples;
    EXPECT_EQ(out.m_pPoints[0], CFPoint(0, 0));
    EXPECT_EQ(out.m_pFlags[0], 1);
    for (int j = 1; j <= c.controls; ++j) {
      const CFPoint q = out.m_pPoints[j];
      EXPECT_NEAR(q.y, q.x / 2, 1e-3) << "on the run: " << c.samples << " " << j;
      EXPECT_EQ(out.m_pAttrs[j], CStrokePath::kAttrSkip);
      EXPECT_EQ(out.m_pFlags[j], 0);
    }
  }
}

// The curve of one control point runs from the run's first point to point last - 1 and
// passes through the middle sample at its middle.
TEST(CurveFitting, OneControlPointPassesTheCurveThroughItsMiddleSampleAlsoAfterAWrap) {
  std::vector<CFPoint> samples(1000);
  CStrokePath out(8);
  struct Case {
    bool secondStroke;  // point last exists and starts the next stroke
    int first, last;
    CFPoint end, middle;
  } cases[] = {
      {false, 0, 2, {10, 0}, {10, 0}},  // up to point 2: 21 samples, the middle one (10, 0)
      {false, 1, 4, {0, 10}, {5, 10}},  // wraps to the stroke's first point at the path's end
      {true, 1, 4, {0, 10}, {5, 10}},   // wraps before the next stroke
  };
  for (const Case& c : cases) {
    CStrokePath source(8);
    Fill(source, {{0, 0, 1}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}});
    if (c.secondStroke) Fill(source, {{50, 50, 1}, {60, 50, 0}});
    ASSERT_EQ(FitControlPoints(out, source, c.first, c.last, samples, 0), 2);
    const CFPoint p = source.m_pPoints[c.first];
    const CFPoint middle = CurveMiddle(p, out.m_pPoints[1], c.end);
    EXPECT_NEAR(middle.x, c.middle.x, 1e-4) << c.first << " " << c.last << " " << c.secondStroke;
    EXPECT_NEAR(middle.y, c.middle.y, 1e-4) << c.first << " " << c.last << " " << c.secondStroke;
  }
  EXPECT_EQ(FitControlPoints(out, out, 1, 1, samples, 0), 0) << "an empty run";
}

// The closing run of a stroke whose last point lies a pixel from its first: one sample on
// the way and the run's end, which is the stroke's first point, never point last (the
// next stroke's start, or past a path filled to its capacity).
TEST(CurveFitting, AClosingRunEndsAtItsStrokesFirstPoint) {
  std::vector<CFPoint> samples(1000);
  CStrokePath out(8);
  for (bool secondStroke : {true, false}) {
    SCOPED_TRACE(secondStroke);
    CStrokePath source(secondStroke ? 7 : 5);
    Fill(source, {{0, 0, 1}, {10, 0, 0}, {10, 10, 0}, {0, 10, 0}, {0, 1, 0}});
    if (secondStroke) Fill(source, {{50, 50, 1}, {60, 50, 0}});
    ASSERT_EQ(FitControlPoints(out, source, 4, 5, samples, 0), 2);
    // Of the two samples the second is the middle one.
    EXPECT_EQ(CurveMiddle(source.m_pPoints[4], out.m_pPoints[1], source.m_pPoints[4]), CFPoint(0, 0));
  }
}

TEST(CurveFitting, EveryContourEndsWithACopyOfItsFirstPoint) {
  CStrokePath staircases(2000);
  ASSERT_TRUE(tmb::test::AppendDiscStaircase(staircases, 30, 30, 20));
  ASSERT_TRUE(tmb::test::AppendDiscStaircase(staircases, 80, 30, 9));
  // The source ends at its capacity: nothing past its last point may be read.
  CStrokePath source(staircases.GetCount());
  ASSERT_TRUE(source.CopyFrom(staircases));
  CStrokePath result(2000);
  const int count = FitCurves(result, source, 0);
  ASSERT_EQ(count, result.GetCount());
  const auto contours = StrokeRanges(result);
  ASSERT_EQ(contours.size(), 2u);
  int controls = 0;
  for (const auto& [first, last] : contours) {
    EXPECT_EQ(result.m_pFlags[first], 1);
    EXPECT_EQ(result.m_pAttrs[first], 1);
    EXPECT_EQ(result.m_pPoints[last], result.m_pPoints[first]) << first;
    EXPECT_EQ(result.m_pAttrs[last], 1) << first;
    EXPECT_EQ(result.m_pFlags[last], 0) << first;
    for (int i = first; i <= last; ++i) controls += result.m_pAttrs[i] == CStrokePath::kAttrSkip;
  }
  EXPECT_GT(controls, 0);

  // With single every run has one control point: none follows another.
  CStrokePath singles(2000);
  ASSERT_GT(FitCurves(singles, source, 1), 0);
  for (int i = 1; i < singles.GetCount(); ++i) {
    EXPECT_FALSE(singles.m_pAttrs[i] == CStrokePath::kAttrSkip && singles.m_pAttrs[i - 1] == CStrokePath::kAttrSkip) << i;
  }
}

TEST(CurveFitting, AFullResultStopsTheFittingAndKeepsTheContoursCompletedBefore) {
  CStrokePath source(2000);
  ASSERT_TRUE(tmb::test::AppendDiscStaircase(source, 30, 30, 20));
  ASSERT_TRUE(tmb::test::AppendDiscStaircase(source, 80, 30, 20));
  CStrokePath whole(2000);
  ASSERT_GT(FitCurves(whole, source, 0), 0);
  const int firstContour = StrokeRanges(whole)[1].first;
  CStrokePath result(firstContour + 5);
  EXPECT_EQ(FitCurves(result, source, 0), -1);
  EXPECT_EQ(result.GetCount(), firstContour);
}

TEST(CurveFitting, AThinnedAndFittedDiscFillsBackWithinTwoPixelsOfItsCircle) {
  constexpr int kCentre = 50, kRadius = 40;
  CStrokePath source(4000);
  ASSERT_TRUE(tmb::test::AppendDiscStaircase(source, kCentre, kCentre, kRadius));
  const int staircase = source.GetCount();
  RemoveRedundantPoints(source, -1, 0);
  DropRepeatedPoints(source);
  CStrokeWork fitted(4000);
  ASSERT_GT(FitCurves(fitted, source, 0), 0);
  EXPECT_LT(fitted.GetCount(), staircase / 4) << "from " << staircase << " points";
  int controls = 0;
  for (int i = 0; i < fitted.GetCount(); ++i) controls += fitted.m_pAttrs[i] == CStrokePath::kAttrSkip;
  EXPECT_GE(controls, 1);

  constexpr tmb::Colour kInk = 0x000000, kAdded = 0x0000FF, kMissing = 0xFF8000;
  tmb::test::Canvas canvas(2 * kCentre, 2 * kCentre, tmb::PixelFormat::kColour32);
  fitted.FillOutlines(&canvas.dc, kInk, 2, 1, nullptr, 1.0f, 0);
  int differing = 0, inked = 0;
  for (int y = 0; y < 2 * kCentre; ++y) {
    for (int x = 0; x < 2 * kCentre; ++x) {
      const bool ink = canvas.surface.GetPixel(x, y) == kInk;
      inked += ink;
      if (ink == tmb::test::InDisc(x, y, kCentre, kCentre, kRadius)) continue;
      ++differing;
      const double fromCircle = std::hypot(x + 0.5 - kCentre, y + 0.5 - kCentre) - kRadius;
      EXPECT_LE(std::fabs(fromCircle), 2.0) << x << "," << y;
      canvas.surface.SetPixel(x, y, ink ? kAdded : kMissing);  // for the eye
    }
  }
  tmb::test::SavePictureForViewing(canvas.surface, "fitted_disc");
  EXPECT_GT(inked, 4900) << "the disc is filled (about 5,000 pixels), " << differing << " differ";
}

}  // namespace
