// The recorded character, converted with widths of its own at every point, drawn at four
// times the paper while an animation frame is recorded: its brush shapes merge into the
// character's one outline, which the export reads. Left as pictures for a person to look
// at: the brush-shaped character and the merged outline filled.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <span>
#include <vector>

#include "brush/render/brush_state.h"
#include "convert/driver/path_resampling.h"
#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "core/state/animation_flags.h"
#include "platform/gdi/polygon_scan.h"
#include "support/converted_character.h"
#include "support/path_points.h"
#include "support/picture_files.h"
#include "support/scoped_work_canvas.h"

namespace {

constexpr tmb::Colour kWhite = 0xFFFFFF, kInk = 0x000000;
constexpr int kScale = 4;

class MergedOutlinePicture : public ::testing::Test {
 protected:
  void SetUp() override {
    gBrushStates[0].Reset();
    ASSERT_EQ(gBrushStates[0].Create(&canvas.screen, 1), 1);
    character.SwellWidths(12);
    converted.m_nWindow = 0;
    converted.SelectBrushState(nullptr);
    converted.m_param[240] = 2;  // the scaled road
    gFrameRecording = 1;
    ASSERT_EQ(converted.DrawCharacter(&canvas.screen, 0, -1, *character.source), 1);
    gFrameRecording = 0;
    ASSERT_NE(gPathSequence.m_pPath, nullptr);
  }
  void TearDown() override {
    gBrushStates[0].Reset();
    gPathSequence.FreePath();
    gFrameRecording = 0;
    gUnitPassActive = 0;
  }

  // The merged contours filled in black at scale by the fill rule, on white; with
  // outlined, each contour also drawn in a one-pixel pen, as the strokes are rendered.
  tmb::Surface Filled(int scale, int rule, bool outlined = false) const {
    tmb::Surface fill;
    EXPECT_TRUE(fill.Create(gWorkCanvas.m_width * scale, gWorkCanvas.m_height * scale, tmb::PixelFormat::kMono1));
    fill.Fill(kWhite);
    std::vector<tmb::Point> points;
    std::vector<int> counts;
    const CStrokePath& path = *gPathSequence.m_pPath;
    for (auto [s, e] : tmb::test::StrokeRanges(*gPathSequence.m_pPath)) {
      for (int i = s; i <= e; ++i) points.push_back((path.m_pPoints[i] * float(scale)).RoundToPoint());
      counts.push_back(e - s + 1);
    }
    tmb::DeviceContext dc(&fill);
    dc.SelectPen(tmb::Pen::Null());
    dc.SelectBrush(tmb::Brush::Solid(kInk));
    dc.SetPolyFillMode(rule);
    dc.PolyPolygon(points, counts);
    if (outlined) {
      dc.SelectPen(tmb::Pen::Solid(1, kInk));
      dc.SelectBrush(tmb::Brush::Null());
      size_t first = 0;
      for (int n : counts) {
        dc.Polygon(std::span<const tmb::Point>(points).subspan(first, size_t(n)));
        first += size_t(n);
      }
    }
    return fill;
  }

  tmb::test::ScopedWorkCanvas canvas{500, 750};
  tmb::test::ConvertedRecordedCharacter character;
  CStrokeWork& converted = *character.converted;
};

int Ink(const tmb::Surface& s) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) n += s.GetPixel(x, y) != kWhite;
  }
  return n;
}

TEST_F(MergedOutlinePicture, EveryContourIsClosedAndOpensWithAStrokeStart) {
  const CStrokePath& path = *gPathSequence.m_pPath;
  const auto contours = tmb::test::StrokeRanges(*gPathSequence.m_pPath);
  ASSERT_GE(contours.size(), 5u);
  for (auto [s, e] : contours) {
    EXPECT_EQ(path.m_pFlags[s], 1) << s;
    EXPECT_GE(e - s + 1, 5) << s;
    const CFPoint a = path.m_pPoints[s], b = path.m_pPoints[e];
    EXPECT_LE(std::hypot(double(a.x) - b.x, double(a.y) - b.y), 1.5) << s;
  }
}

TEST_F(MergedOutlinePicture, TheContoursDoNotOverlapAndCoverTheRenderedInk) {
  const tmb::Surface winding = Filled(kScale, tmb::kWinding);
  const tmb::Surface alternate = Filled(kScale, tmb::kAlternate);
  const int ink = Ink(winding);
  ASSERT_GT(ink, 0);
  // Overlapping contours would fill twice under the winding rule and not at all under the
  // alternate one.
  EXPECT_LE(std::abs(ink - Ink(alternate)), ink / 1000);

  // Against the strokes as rendered at four times the paper, filled here as the renderer
  // fills them (a one-pixel outline round each polygon): differences only within 2 pixels
  // of an edge, where the two fills round differently or either leaves a pinhole where two
  // strokes nearly touch, and few. A contour left out, or a hole filled, would differ far
  // inside.
  const tmb::Surface& rendered = gWorkCanvas.m_scaledMaskBitmap;
  const tmb::Surface drawn = Filled(kScale, tmb::kWinding, true);
  ASSERT_EQ(rendered.width(), drawn.width());
  // Whether picture changes between ink and paper within 2 pixels of (x, y).
  auto nearEdge = [](const tmb::Surface& picture, int x, int y) {
    const bool inked = picture.GetPixel(x, y) != kWhite;
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -2; dx <= 2; ++dx) {
        const tmb::Colour c = picture.GetPixel(x + dx, y + dy);
        if (c != tmb::kInvalidColour && (c != kWhite) != inked) return true;
      }
    }
    return false;
  };
  int differing = 0, inside = 0;
  for (int y = 0; y < winding.height(); ++y) {
    for (int x = 0; x < winding.width(); ++x) {
      if ((drawn.GetPixel(x, y) != kWhite) == (rendered.GetPixel(x, y) != kWhite)) continue;
      ++differing;
      inside += !nearEdge(rendered, x, y) && !nearEdge(drawn, x, y);
    }
  }
  EXPECT_EQ(inside, 0);
  EXPECT_LT(differing, ink / 100);
}

TEST_F(MergedOutlinePicture, LeavesTheCharacterAndItsOutlineForViewing) {
  const tmb::Surface& drawn = gBrushStates[0].m_bitmap;
  EXPECT_FALSE(tmb::test::SavePictureForViewing(drawn, "brush_shaped_character").empty());
  const tmb::Surface outline = Filled(1, tmb::kWinding);
  EXPECT_FALSE(tmb::test::SavePictureForViewing(outline, "merged_outline_filled").empty());
  // The outline fills what the brush inked, give or take the soft edge.
  const int drawnInk = Ink(drawn), outlineInk = Ink(outline);
  EXPECT_GT(outlineInk, drawnInk * 8 / 10);
  EXPECT_LT(outlineInk, drawnInk * 12 / 10);
}

}  // namespace
