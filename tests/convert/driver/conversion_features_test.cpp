// The corners and stroke features as the whole conversion sees them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "convert/analysis/corner_detection.h"
#include "convert/analysis/corner_list.h"
#include "convert/analysis/near_chord.h"
#include "convert/analysis/stroke_end_codes.h"
#include "convert/analysis/stroke_feature_list.h"
#include "convert/analysis/stroke_feature_table.h"
#include "convert/driver/marker_list.h"
#include "core/record/param_defaults.h"
#include "core/path/stroke_work.h"
#include "support/conversion_globals.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::AddPolyline;

constexpr int kShowFeatures = 361;
constexpr int kCornerMarker = 1034;

class ConversionFeaturesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    InitShapeSettings(source->m_param, 400);
    GetSlotParamDefaults(source->m_param, {}, 0);
  }
  void TearDown() override { tmb::test::ResetConversionGlobals(); }
  std::unique_ptr<CStrokeWork> source = std::make_unique<CStrokeWork>();
  std::unique_ptr<CStrokeWork> dest = std::make_unique<CStrokeWork>();
};

TEST_F(ConversionFeaturesTest, TheBoxShowsOneCornerAtTheTurnOfItsSecondStroke) {
  // A box drawn by hand, in a new character of a slot past A and B: no resampling and no
  // smoothing move the points the corner is flagged on. (With the presets of A and B the
  // turn is resampled at a thirty-second of its stroke and smoothed three times, which
  // draws the flagged point some pixels into the box.)
  GetSlotParamDefaults(source->m_param, {}, 2);
  AddPolyline(*source, {{20, 20}, {22, 120}});
  AddPolyline(*source, {{20, 20}, {120, 22}, {118, 120}});
  AddPolyline(*source, {{22, 120}, {118, 121}});
  source->m_param[kShowFeatures] = 1;
  ASSERT_EQ(dest->ConvertCharacter(*source), 1);
  std::vector<CFPoint> corners;
  for (int k = 0; k < gMarkers.m_nCount; ++k) {
    if (gMarkers.m_codes[k] == kCornerMarker) corners.push_back(gMarkers.m_points[k]);
  }
  ASSERT_EQ(corners.size(), 1u);
  // The turn as converted (the shaping passes slant the character): the point of the
  // second stroke farthest from its chord.
  const int first = dest->GetStrokeStart(1);
  int turn = -1;
  IsNearChord(*dest, first, dest->FindSegmentEnd(first), 0, &turn);
  ASSERT_GT(turn, first);
  const CFPoint at = dest->m_pPoints[turn];
  EXPECT_LT(std::hypot(corners[0].x - at.x, corners[0].y - at.y), 2.0);
  EXPECT_LT(std::hypot(at.x - 120, at.y - 22), 12.0);
  // The table the linking reads has the box's three strokes; the bottom starts left of
  // the end of the turn.
  EXPECT_EQ(gStrokeFeatureLists[0].m_nCount, 3);
  EXPECT_GE(gStrokeFeatureTable.Find(dest->GetStrokeStart(2), kFeatureGapLeft), 0);
}

TEST_F(ConversionFeaturesTest, SixHundredDotsConvert) {
  for (int k = 0; k < 600; ++k) {
    const float x = float(10 + 12 * (k % 25));
    const float y = float(10 + 12 * (k / 25));
    AddPolyline(*source, {{x, y}, {x + 2, y + 2}});
  }
  source->m_param[kShowFeatures] = 1;
  // No smoothing to pull the dots towards each other and the shortest link reach: dots 10
  // pixels apart stay apart.
  source->m_param[0] = 0;
  source->m_param[2] = 0;
  ASSERT_EQ(dest->ConvertCharacter(*source), 1);
  EXPECT_EQ(gStrokeFeatureLists[0].m_nCount, 600);
  EXPECT_GT(gStrokeFeatureTable.Count(), 600);
  EXPECT_EQ(dest->CountStrokes(), 600);
}

TEST_F(ConversionFeaturesTest, CornersPastPointTenThousandKeepTheirAngles) {
  // 400 turns of 2 x 12 pixels, each resampled into 33 points while the first passes run.
  for (int k = 0; k < 400; ++k) {
    const float x = float(20 + 20 * (k % 20));
    const float y = float(20 + 20 * (k / 20));
    AddPolyline(*source, {{x, y}, {x + 12, y}, {x + 12, y + 12}}, 12);
  }
  source->m_param[1] = 1;
  source->m_param[2] = 0;  // the shortest link reach: the turns stay apart
  source->m_param[kShowFeatures] = 1;
  ASSERT_EQ(dest->ConvertCharacter(*source), 1);
  ASSERT_GT(dest->GetCount(), 12000);
  // The turn of each stroke is the first point where the writing direction crosses the
  // diagonal (flag 3), which the main linking codes: 3 where the stroke goes on down, 22
  // where that way down is short and ends at the next code (the smoothing bends each
  // stroke's end towards the next stroke, which crosses the diagonal again).
  std::vector<int> corners;
  for (int i = 0; i < dest->GetCount(); ++i) {
    if (dest->m_pFlags[i] == CStrokePath::kFlagStart) corners.push_back(-1);
    const bool coded = dest->m_pFlags[i] == kFlagCorner || dest->m_pFlags[i] == kFlagTurnInto;
    if (coded && corners.back() < 0) corners.back() = i;
  }
  ASSERT_EQ(corners.size(), 400u);
  EXPECT_EQ(std::count(corners.begin(), corners.end(), -1), 0);
  EXPECT_GT(corners.back(), 12000);
  // The corner detection's point of that turn, a point or two from it, has its angle.
  const auto near = gCornerAngle.begin() + corners.back();
  EXPECT_NEAR(*std::max_element(near - 3, near + 4), 90.0f, 1.0f);
}

}  // namespace
