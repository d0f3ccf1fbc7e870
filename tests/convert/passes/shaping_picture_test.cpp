// A character shaped by the bow, extension and form passes, drawn in black over its
// unshaped self in grey and left as a picture for a person to look at.
#include <gtest/gtest.h>

#include <memory>

#include "convert/driver/analysis_overlay.h"
#include "convert/driver/conversion_driver.h"
#include "convert/driver/marker_list.h"
#include "convert/driver/path_resampling.h"
#include "core/record/param_defaults.h"
#include "core/path/stroke_work.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"
#include "support/picture_files.h"
#include "support/polyline_strokes.h"

namespace {

using tmb::test::AddPolyline;

constexpr int kSide = 500;
constexpr tmb::Colour kWhite = 0xFFFFFF;
constexpr tmb::Colour kGrey = 0xC0C0C0;
constexpr tmb::Colour kBlack = 0x000000;

void DrawStrokes(tmb::DeviceContext& dc, const CStrokePath& path, tmb::Colour colour) {
  dc.SelectPen({tmb::kPenSolid, 3, colour, tmb::kCapRound, tmb::kJoinRound});
  for (int i = 0; i + 1 < path.GetCount(); ++i) {
    if (path.m_pFlags[i + 1] == CStrokePath::kFlagStart) continue;
    const tmb::Point a = path.m_pPoints[i].RoundToPoint();
    const tmb::Point b = path.m_pPoints[i + 1].RoundToPoint();
    dc.MoveTo(a.x, a.y);
    dc.LineTo(b.x, b.y);
  }
}

bool ColourNear(const tmb::Surface& s, tmb::Point p, int r, tmb::Colour colour) {
  for (int y = p.y - r; y <= p.y + r; ++y) {
    for (int x = p.x - r; x <= p.x + r; ++x) {
      if (x >= 0 && y >= 0 && x < kSide && y < kSide && s.GetPixel(x, y) == colour) return true;
    }
  }
  return false;
}

TEST(ShapingPicture, TwoLevelStrokesBowAndReachOutAndTheMarkLeans) {
  // 二 with a falling stroke: the level strokes 300 and 340 long, ten points apart.
  CStrokeWork source(512);
  AddPolyline(source, {{130, 100}, {430, 100}}, 10);
  AddPolyline(source, {{110, 300}, {450, 300}}, 10);
  AddPolyline(source, {{380, 140}, {220, 280}}, 10);
  ParamBlock params{};
  InitShapeSettings(params, 400);
  GetSlotParamDefaults(params, {}, 0);
  params[0] = params[1] = 0;  // no rewrite, no resampling: the points stay comparable
  params[317] = 0;
  CStrokeWork plain(512);
  plain.m_param = params;
  RunConversionPasses(plain, source, 1);
  CStrokeWork shaped(512);
  params[11] = 1;   // bowed
  params[344] = 1;  // ends reach out
  params[359] = 1;  // leaning
  shaped.m_param = params;
  RunConversionPasses(shaped, source, 1);
  ASSERT_EQ(shaped.GetCount(), plain.GetCount());

  tmb::Surface surface;
  ASSERT_TRUE(surface.Create(kSide, kSide, tmb::PixelFormat::kColour32));
  surface.Fill(kWhite);
  {
    tmb::DeviceContext dc(&surface);
    DrawStrokes(dc, plain, kGrey);
    DrawStrokes(dc, shaped, kBlack);
  }
  EXPECT_FALSE(tmb::test::SavePictureForViewing(surface, "shaped_character").empty());

  // Black on every shaped point; at a third of the first stroke the grey line shows alone,
  // the stroke having risen a tenth of its length (30 pixels) above it.
  for (int i = 0; i < shaped.GetCount(); ++i) {
    ASSERT_TRUE(ColourNear(surface, shaped.m_pPoints[i].RoundToPoint(), 0, kBlack)) << i;
  }
  const tmb::Point third = plain.m_pPoints[10].RoundToPoint();
  EXPECT_TRUE(ColourNear(surface, third, 0, kGrey));
  EXPECT_FALSE(ColourNear(surface, third, 10, kBlack));
  EXPECT_TRUE(ColourNear(surface, {third.x, third.y - 30}, 3, kBlack));
  gAnalysisOverlay.Clear();
  gMarkers.Clear();
  gUnitPassActive = 0;
}

}  // namespace
