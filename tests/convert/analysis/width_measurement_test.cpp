#include "convert/analysis/width_measurement.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "convert/analysis/side_points.h"
#include "core/path/stroke_path_ex.h"
#include "core/path/stroke_work.h"
#include "support/path_points.h"
#include "support/picture_files.h"
#include "support/test_canvas.h"

namespace {

using tmb::test::AddLineStroke;
using tmb::test::Fill;
using tmb::test::PathPoint;

// A closed contour through the corners, its first point flagged 1.
void AddContour(CStrokePath& path, std::initializer_list<CFPoint> corners) {
  bool first = true;
  for (const CFPoint& p : corners) {
    path.AddPointUnique(p.x, p.y, first ? 1 : 0, 1);
    first = false;
  }
}

// The rectangle from y = 45 to 55 round a level stroke at y = 50 from x = 10 to 70.
void AddBand(CStrokePath& path) { AddContour(path, {{5, 45}, {75, 45}, {75, 55}, {5, 55}}); }

// A level stroke from (10, 50) to (90, 50) with weights 3 and 5, and its outline made into
// the guide.
void LevelStrokeAndItsOutline(CStrokePathEx& centre, CStrokeWork& guide) {
  AddLineStroke(centre, {10, 50}, {90, 50}, 8);
  ASSERT_TRUE(centre.AllocWeights());
  for (int i = 0; i < centre.GetCount(); ++i) {
    centre.m_pWeight1[i] = 3;
    centre.m_pWeight2[i] = 5;
  }
  ComputeAllSidePoints(centre);
  ASSERT_GT(BuildStrokeOutlines(centre), 0);
  ASSERT_TRUE(guide.CopyFrom(*centre.m_pOutline));
}

TEST(WidthMeasurement, ALevelStrokeMeasuredAgainstItsOwnOutlineGetsItsWeightsBack) {
  CStrokePathEx centre(64);
  CStrokeWork guide(64);
  ASSERT_NO_FATAL_FAILURE(LevelStrokeAndItsOutline(centre, guide));

  for (bool givenOutline : {true, false}) {
    CStrokePathEx measured(200);
    CStrokePath outline(200);
    ASSERT_EQ(MeasureStrokeWidths(measured, centre, guide, 0, givenOutline ? &outline : nullptr), 1);
    if (givenOutline) {
      EXPECT_GT(outline.GetCount(), 4) << "the guide's contour is collected there";
    }
    ASSERT_GT(measured.GetCount(), 20) << "resampled at a spacing of 3";
    for (int i = 1; i + 1 < measured.GetCount(); ++i) {
      EXPECT_NEAR(measured.m_pWeight1[i], 3, 0.5) << i;
      EXPECT_NEAR(measured.m_pWeight2[i], 5, 0.5) << i;
    }
    // Both ends lie on the outline's end segments, which give their side points.
    EXPECT_EQ(gOutlineGuideHits, 2);
    EXPECT_EQ(measured.m_pSide1[0], CFPoint(10, 47));
    EXPECT_EQ(measured.m_pSide2[0], CFPoint(10, 55));
  }
}

TEST(WidthMeasurement, TheMeasuredOutlineCoversTheStrokeItWasMeasuredFrom) {
  CStrokePathEx centre(64);
  CStrokeWork guide(64);
  ASSERT_NO_FATAL_FAILURE(LevelStrokeAndItsOutline(centre, guide));
  CStrokePathEx measured(200);
  ASSERT_EQ(MeasureStrokeWidths(measured, centre, guide, 0, nullptr), 1);
  CStrokeWork remade(400);
  ASSERT_TRUE(remade.CopyFrom(*measured.m_pOutline));

  constexpr int kSize = 100;
  constexpr tmb::Colour kInk = 0x000000, kAdded = 0x0000FF, kMissing = 0xFF8000;
  tmb::test::Canvas original(kSize, kSize, tmb::PixelFormat::kColour32);
  tmb::test::Canvas canvas(kSize, kSize, tmb::PixelFormat::kColour32);
  guide.FillOutlines(&original.dc, kInk, 2, 1, nullptr, 1.0f, 0);
  remade.FillOutlines(&canvas.dc, kInk, 2, 1, nullptr, 1.0f, 0);
  int inked = 0, differing = 0;
  for (int y = 0; y < kSize; ++y) {
    for (int x = 0; x < kSize; ++x) {
      const bool want = original.surface.GetPixel(x, y) == kInk, ink = canvas.surface.GetPixel(x, y) == kInk;
      inked += want;
      if (ink == want) continue;
      ++differing;
      canvas.surface.SetPixel(x, y, ink ? kAdded : kMissing);  // for the eye
    }
  }
  tmb::test::SavePictureForViewing(canvas.surface, "measured_level_stroke");
  EXPECT_GT(inked, 600) << "the stroke is about 80 by 8";
  EXPECT_LE(differing, inked / 20) << "only the ends may differ";
}

TEST(WidthMeasurement, AnOutlineTheNormalsNeverMeetLeavesWeightsOf0) {
  CStrokePath centre(16);
  AddLineStroke(centre, {10, 50}, {40, 50}, 10);
  CStrokeWork guide(16);
  AddContour(guide, {{200, 40}, {220, 40}, {220, 60}, {200, 60}});
  CStrokePathEx measured(64);
  MeasureStrokeWidths(measured, centre, guide, 20, nullptr);
  for (int i = 0; i < measured.GetCount(); ++i) {
    EXPECT_EQ(measured.m_pWeight1[i], 0) << i;
    EXPECT_EQ(measured.m_pWeight2[i], 0) << i;
    EXPECT_EQ(measured.m_pSide1[i], measured.m_pPoints[i]) << i;
  }
  EXPECT_EQ(gOutlineGuideHits, 0);
}

TEST(WidthMeasurement, TheLimitFiltersJumpsFrom16AndCapsWeightsAbove0) {
  // A band with a notch: the point at x = 40 finds the outline 30 above it, its
  // neighbours 5 above.
  CStrokePath outline(16);
  AddContour(outline, {{5, 45}, {38.5f, 45}, {38.5f, 20}, {41.5f, 20}, {41.5f, 45}, {75, 45}, {75, 55}, {5, 55}});
  struct Case {
    int d;
    float notch;  // the first weight at x = 40
  } cases[] = {{0, 30}, {-15, 30}, {15, 15}, {16, 0}, {40, 0}, {-40, 0}};
  for (const Case& c : cases) {
    CStrokePathEx path(64);
    AddLineStroke(path, {10, 50}, {70, 50}, 20);  // a point every 3
    ASSERT_EQ(path.m_pPoints[10], CFPoint(40, 50));
    EXPECT_GT(FitSidesToOutline(path, outline, nullptr, c.d), 0);
    EXPECT_FLOAT_EQ(path.m_pWeight1[10], c.notch) << c.d;
    EXPECT_FLOAT_EQ(path.m_pWeight2[10], 5) << c.d;
    EXPECT_FLOAT_EQ(path.m_pWeight1[11], 5) << "the point after the jump keeps its side: " << c.d;
    EXPECT_NEAR(std::hypot(path.m_pSide1[10].x - 40, path.m_pSide1[10].y - 50), c.notch, 1e-4) << c.d;
  }
}

TEST(WidthMeasurement, SectionBreaksAndOtherCodesSurviveTheFittingWithAGuide) {
  CStrokeWork guide(16);
  AddBand(guide);
  CStrokePath outline(16);
  AddBand(outline);
  CStrokePathEx path(64);
  AddLineStroke(path, {10, 50}, {70, 50}, 20);
  path.m_pFlags[7] = CStrokePath::kFlagSection;
  path.m_pFlags[14] = CStrokePath::kFlagStartAlt;
  EXPECT_GT(FitSidesToOutline(path, outline, &guide, 0), 0);
  EXPECT_EQ(path.m_pFlags[0], 1);
  EXPECT_EQ(path.m_pFlags[7], CStrokePath::kFlagSection);
  EXPECT_EQ(path.m_pFlags[14], CStrokePath::kFlagStartAlt);
  for (int i : {6, 7, 13, 14, 20}) {
    EXPECT_FLOAT_EQ(path.m_pWeight1[i], 5) << i;
    EXPECT_FLOAT_EQ(path.m_pWeight2[i], 5) << i;
    EXPECT_NE(path.m_pSide1[i], path.m_pPoints[i]) << "its side points were made: " << i;
  }
}

TEST(WidthMeasurement, AGuideSegmentThroughAStrokeEndIsFoundWhicheverWayItRuns) {
  struct Case {
    bool atEnd;            // the stroke's last point, else its first
    CFPoint k, t;          // the guide segment
    bool taken;
    CFPoint moved;         // the point afterwards
  } cases[] = {
      {false, {55, 50}, {45, 50}, true, {50, 50}},   // leftward
      {false, {45, 50}, {55, 50}, true, {50, 50}},   // rightward
      {true, {55, 50}, {45, 50}, true, {50, 50}},
      {true, {45, 50}, {55, 50}, true, {50, 50}},
      {false, {58, 51}, {44, 51}, true, {51, 51}},   // nearly through: onto its middle
      {false, {55, 50}, {50, 45}, false, {50, 50}},  // a right angle at the point
      {false, {50, 45}, {55, 50}, false, {50, 50}},
      {true, {55, 50}, {50, 45}, false, {50, 50}},
  };
  const CStrokePath noOutline(4);
  for (const Case& c : cases) {
    CStrokePathEx path(8);
    if (c.atEnd) {
      Fill(path, {{50, 44, 1}, {50, 47, 0}, {50, 50, 0}});
    } else {
      Fill(path, {{50, 50, 1}, {50, 53, 0}, {50, 56, 0}});
    }
    const int i = c.atEnd ? 2 : 0;
    path.m_pSide1[i] = path.m_pSide2[i] = path.m_pPoints[i];
    CStrokeWork guide(8);
    AddContour(guide, {c.k, c.t, {c.t.x, 120}, {c.k.x, 120}});
    gOutlineGuideHits = 0;
    EXPECT_EQ(FindSidePointsOnOutline(path, noOutline, i, &guide), 1);
    const std::string label = std::to_string(c.k.x) + "," + std::to_string(c.k.y) + (c.atEnd ? " end" : " start");
    EXPECT_EQ(gOutlineGuideHits, c.taken ? 1 : 0) << label;
    EXPECT_EQ(path.m_pGuideMarks[i], c.taken ? 1 : 0) << label;
    EXPECT_EQ(path.m_pPoints[i], c.moved) << label;
    // Going down the paper the first side lies to the right.
    const CFPoint right = c.k.x > c.t.x ? c.k : c.t, left = c.k.x > c.t.x ? c.t : c.k;
    EXPECT_EQ(path.m_pSide1[i], c.taken ? right : CFPoint(50, 50)) << label;
    EXPECT_EQ(path.m_pSide2[i], c.taken ? left : CFPoint(50, 50)) << label;
  }
}

TEST(WidthMeasurement, APointWithoutDirectionFindsNothing) {
  // An outline edge runs through the points: a normal line shrunk to a point would meet it
  // as a parallel segment, half way between its middle and the point.
  CStrokePath outline(16);
  AddContour(outline, {{0, 50}, {100, 50}, {100, 60}, {0, 60}});
  CStrokePathEx path(16);
  // Three points on one spot, then a stroke of one point.
  Fill(path, {{40, 50, 1}, {40, 50, 0}, {40, 50, 0}, {60, 50, 1}});
  for (int i = 0; i < path.GetCount(); ++i) {
    path.m_pSide1[i] = path.m_pSide2[i] = path.m_pPoints[i];
    FindSidePointsOnOutline(path, outline, i, nullptr);
    EXPECT_EQ(path.m_pSide1[i], path.m_pPoints[i]) << i;
    EXPECT_EQ(path.m_pSide2[i], path.m_pPoints[i]) << i;
  }
}

// A stroke of one point has no way of its own: its normal runs across the way to the next
// point of the path, the next stroke's start. A one-point stroke at the path's end has no
// next point and finds nothing, whatever lies past the count.
TEST(WidthMeasurement, AOnePointStrokeMeasuresAcrossTheWayToTheNextStroke) {
  CStrokePath outline(16);
  AddContour(outline, {{40, 45}, {60, 45}, {60, 55}, {40, 55}});
  CStrokePathEx path(16);
  Fill(path, {{50, 50, 1}, {50, 80, 1}, {90, 80, 0}, {50, 50, 1}});
  for (int i = path.GetCount(); i < path.GetCapacity(); ++i) path.m_pPoints[i] = CFPoint(NAN, 1e30f);
  for (int i : {0, 3}) {
    path.m_pSide1[i] = path.m_pSide2[i] = path.m_pPoints[i];
    EXPECT_EQ(FindSidePointsOnOutline(path, outline, i, nullptr), 1);
  }
  EXPECT_EQ(path.m_pSide1[0], CFPoint(60, 50));
  EXPECT_EQ(path.m_pSide2[0], CFPoint(40, 50));
  EXPECT_EQ(path.m_pSide1[3], CFPoint(50, 50));
  EXPECT_EQ(path.m_pSide2[3], CFPoint(50, 50));
}

}  // namespace
