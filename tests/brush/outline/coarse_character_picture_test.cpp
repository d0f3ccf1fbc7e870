// The recorded character written coarsely, a dozen samples a stroke as a mouse gives them,
// through the brush-outline engine below the conversion styles: its strokes come out whole.
// Left as a picture of the working strokes' bands for a person to look at.
#include <gtest/gtest.h>

#include <vector>

#include "core/path/stroke_path.h"
#include "platform/gdi/device_context.h"
#include "support/brush_fixture.h"
#include "support/path_points.h"
#include "support/picture_files.h"
#include "support/recorded_character.h"
#include "support/recorded_outlines.h"

namespace {

constexpr tmb::Colour kWhite = 0xFFFFFF, kInk = 0x000000;
constexpr int kCoarseSamples = 12;

class CoarseCharacterPicture : public tmb::test::BrushEngineTest {
 protected:
  // The working strokes as bands as wide as their levels, filled in black on white.
  tmb::Surface Bands() const {
    CStrokePath bands(4 * work->m_nPoints + 16);
    tmb::test::AppendBandOutlines(*work, drawn->m_pLevels.get(), bands);
    std::vector<tmb::Point> points;
    std::vector<int> counts;
    for (auto [s, e] : tmb::test::StrokeRanges(bands)) {
      for (int i = s; i <= e; ++i) points.push_back(bands.m_pPoints[i].RoundToPoint());
      counts.push_back(e - s + 1);
    }
    tmb::Surface picture;
    EXPECT_TRUE(picture.Create(500, 500, tmb::PixelFormat::kColour32));
    picture.Fill(kWhite);
    tmb::DeviceContext dc(&picture);
    dc.SelectPen(tmb::Pen::Null());
    dc.SelectBrush(tmb::Brush::Solid(kInk));
    dc.SetPolyFillMode(tmb::kWinding);
    dc.PolyPolygon(points, counts);
    return picture;
  }
};

TEST_F(CoarseCharacterPicture, EveryStrokeComesOutWholeAndInkedFromItsStart) {
  for (int style : {0, 200}) {
    SCOPED_TRACE(style);
    drawn->ClearPoints();
    drawn->m_param[37] = style;
    tmb::test::AppendRecordedCharacter(*drawn, 1, kCoarseSamples);
    ASSERT_NE(drawn->m_param[22], 0);  // resampling on, at a step shorter than a sample
    drawn->m_nOutlineDirty = 1;
    work->BuildOutline(*drawn);
    const std::vector<int> starts = tmb::test::StrokeStartsOf(*work);
    EXPECT_EQ(starts.size(), size_t(tmb::test::kRecordedStrokeCount));
    for (size_t k = 0; k < starts.size(); ++k) {
      const int next = k + 1 < starts.size() ? starts[k + 1] : work->m_nPoints;
      EXPECT_GT(next - starts[k], kCoarseSamples) << "stroke " << k;
    }
    const tmb::Surface picture = Bands();
    EXPECT_FALSE(tmb::test::SavePictureForViewing(picture, "coarse_character_style_" + std::to_string(style)).empty());
    // Ink within two pixels of where each stroke was set down.
    for (int s : tmb::test::StrokeStartsOf(*drawn)) {
      const tmb::Point p = drawn->m_pPoints[s];
      int ink = 0;
      for (int y = p.y - 2; y <= p.y + 2; ++y) {
        for (int x = p.x - 2; x <= p.x + 2; ++x) ink += picture.GetPixel(x, y) == kInk;
      }
      EXPECT_GT(ink, 0) << "stroke starting at " << s;
    }
  }
}

}  // namespace
