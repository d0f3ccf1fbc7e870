#include "convert/passes/stroke_form.h"

#include <gtest/gtest.h>

#include <vector>

#include "convert/driver/analysis_overlay.h"
#include "core/path/stroke_work.h"
#include "support/path_points.h"

namespace {

using tmb::test::Fill;
using tmb::test::PathPoint;
using tmb::test::PointsOf;

// One stroke spanning (0, 0) to (200, 200), its mark centred on (100, 100), with probes at
// known offsets from the centre; then a stroke in no mark.
constexpr int kRight = 2;       // (200, 100): 100 right of the centre
constexpr int kLeft = 3;        // (0, 100)
constexpr int kBelow = 4;       // (100, 150): 50 below
constexpr int kBelowRight = 5;  // (150, 150)
constexpr int kAbove = 6;       // (100, 0): 100 above
constexpr int kCorner = 1;      // (200, 200)
constexpr int kMarked = 7;      // points in the mark

class StrokeFormTest : public ::testing::Test {
 protected:
  void SetUp() override { Load(); }
  void TearDown() override { gAnalysisOverlay.Clear(); }
  void Load() {
    path.SetCount(0);
    gAnalysisOverlay.Clear();
    Fill(path,
         {{0, 0, 1}, {200, 200}, {200, 100}, {0, 100}, {100, 150}, {150, 150}, {100, 0}, {300, 300, 1}, {320, 310}});
    gAnalysisOverlay.AddMark(0, kMarked - 1, path);
  }
  CStrokeWork path{64};
};

TEST_F(StrokeFormTest, EachModeMovesTheMarkAboutItsCentre) {
  struct Case {
    const char* what;
    int mode;
    int value;
    int probe;
    CFPoint expected;
  };
  const Case cases[] = {
      {"a slant of 10 lifts the right", kFormSlant, 10, kRight, {200, 82.367f}},
      {"and lowers the left", kFormSlant, 10, kLeft, {0, 117.633f}},
      {"a squash to 80 %", kFormScaleY, 80, kBelow, {100, 140}},
      {"a scale to 80 %", kFormScale, 80, kBelowRight, {140, 140}},
      {"a shear of -1", kFormShear, -1, kAbove, {98.2545f, 0}},
      {"a rotation by 90", kFormRotate, 90, kRight, {100, 0}},
      {"a horizontal scale to 50 %", kFormScaleX, 50, kRight, {150, 100}},
      {"an aspect of 1 made 1.2", kFormAspect, 0, kCorner, {191.287f, 209.545f}},
  };
  const auto before = PointsOf(path);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Load();
    EXPECT_EQ(ApplyStrokeForm(path, c.mode, c.value), 1);
    EXPECT_NEAR(path.m_pPoints[c.probe].x, c.expected.x, 1e-3);
    EXPECT_NEAR(path.m_pPoints[c.probe].y, c.expected.y, 1e-3);
    const auto after = PointsOf(path);
    EXPECT_EQ(std::vector(after.begin() + kMarked, after.end()), std::vector(before.begin() + kMarked, before.end()));
  }
}

TEST_F(StrokeFormTest, AFlaggedMarkSlantsByHalfTheAngle) {
  gAnalysisOverlay.m_marks[0].parts[3].spare = 1;
  ApplyStrokeForm(path, kFormSlant, 10);
  EXPECT_NEAR(path.m_pPoints[kRight].y, 100 - 8.749, 1e-3);  // 100 tan 5
}

TEST_F(StrokeFormTest, MarksOutsideTheAspectBandAndUnknownModesStayPut) {
  const auto square = PointsOf(path);
  EXPECT_EQ(ApplyStrokeForm(path, 7, 30), 1);
  EXPECT_EQ(ApplyStrokeForm(path, -1, 30), 1);
  EXPECT_EQ(PointsOf(path), square);
  for (float height : {240.0f, 100.0f, 300.0f}) {  // h / w of 1.2, 0.5 and 1.5
    SCOPED_TRACE(height);
    path.SetCount(0);
    gAnalysisOverlay.Clear();
    Fill(path, {{0, 0, 1}, {200, height}, {50, 50}});
    gAnalysisOverlay.AddMark(0, 2, path);
    const auto before = PointsOf(path);
    ApplyStrokeForm(path, kFormAspect, 0);
    EXPECT_EQ(PointsOf(path), before);
  }
}

TEST_F(StrokeFormTest, ASlantByNothingIsRefused) {
  const auto before = PointsOf(path);
  EXPECT_EQ(ApplyStrokeForm(path, kFormSlant, 0), 0);
  EXPECT_EQ(PointsOf(path), before);
  EXPECT_EQ(ApplyStrokeForm(path, kFormShear, 0), 1);
  EXPECT_EQ(PointsOf(path), before);
}

TEST_F(StrokeFormTest, HiddenMarksAndStrokesInNoMarkAreNeverChanged) {
  gAnalysisOverlay.m_marks[0].parts[0].hidden = 1;
  const auto before = PointsOf(path);
  for (int mode = kFormRotate; mode <= kFormShear; ++mode) ApplyStrokeForm(path, mode, 30);
  EXPECT_EQ(PointsOf(path), before);
}

}  // namespace
