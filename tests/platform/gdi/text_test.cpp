#include <gtest/gtest.h>

#include <filesystem>

#include "platform/gdi/device_context.h"
#include "platform/gdi/font_engine.h"
#include "platform/gdi/glyph_outline.h"
#include "support/surface_text.h"

namespace tmb {
namespace {

Font Gothic(int height) {
  Font f;
  f.height = height;
  f.faceName = "ＭＳ ゴシック";
  return f;
}

TEST(Fonts, TheJapaneseSystemFacesMapToTheInstalledIpaFaces) {
  EXPECT_EQ(MapFaceName("ＭＳ ゴシック"), "IPAGothic");
  EXPECT_EQ(MapFaceName("ＭＳ 明朝"), "IPAMincho");
  EXPECT_EQ(MapFaceName("ＭＳ Ｐゴシック"), "IPAPGothic");
  EXPECT_EQ(MapFaceName("Arial"), "Arial");
  Font mincho = Gothic(-20);
  mincho.faceName = "ＭＳ 明朝";
  // The font files may be reached through links of the font packages.
  auto file = [](const Font& f) { return std::filesystem::canonical(FindFaceFile(f).path).filename().string(); };
  EXPECT_EQ(file(Gothic(-20)), "ipag.ttf");
  EXPECT_EQ(file(mincho), "ipam.ttf");
}

TEST(Fonts, NegativeHeightsAreTheEmAndPositiveOnesTheCell) {
  TextMetrics cell, em;
  ASSERT_TRUE(GetFontMetrics(Gothic(40), cell));
  ASSERT_TRUE(GetFontMetrics(Gothic(-40), em));
  EXPECT_EQ(cell.height, 40);
  EXPECT_EQ(cell.ascent + cell.descent, 40);
  EXPECT_GT(em.height, 40);
  EXPECT_EQ(em.internalLeading, em.height - 40);
}

TEST(Fonts, ACharacterTheFaceLacksIsDrawnFromAFaceThatHasIt) {
  // The Japanese gothic face has no simplified Chinese forms: without a fallback both
  // characters would be the same empty box of the face.
  GlyphBitmap simplified, missing;
  ASSERT_TRUE(RenderGlyph(Gothic(-24), U'书', simplified));
  ASSERT_TRUE(RenderGlyph(Gothic(-24), U'\uE000', missing));
  EXPECT_NE(simplified.bits, missing.bits);
  int ink = 0;
  for (uint8_t b : simplified.bits) ink += __builtin_popcount(b);
  EXPECT_GT(ink, 40);
  EXPECT_GE(simplified.advance, 20);
}

TEST(TextOut, DrawsInTheTextColourInsideItsExtentOnAnOpaqueBackground) {
  Surface s;
  ASSERT_TRUE(s.Create(120, 40, PixelFormat::kColour32));
  s.Fill(0xFFFFFF);
  DeviceContext dc(&s);
  dc.SelectFont(Gothic(-24));
  dc.SetTextColour(0x0000FF);
  dc.SetBackgroundColour(0x00FF00);
  const std::u16string text = u"永A";
  const Size extent = dc.GetTextExtent(text);
  EXPECT_GT(extent.cx, 24);
  EXPECT_TRUE(dc.TextOut(10, 5, text));
  int ink = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 120; ++x) {
      const Colour c = s.GetPixel(x, y);
      const bool inside = Rect{10, 5, 10 + extent.cx, 5 + extent.cy}.Contains({x, y});
      if (!inside) {
        ASSERT_EQ(c, 0xFFFFFFu) << x << "," << y;
      } else {
        ASSERT_TRUE(c == 0x0000FF || c == 0x00FF00) << x << "," << y;
      }
      ink += c == 0x0000FF;
    }
  }
  EXPECT_GT(ink, 50);
  // Transparent text leaves the background alone; right alignment ends at x.
  s.Fill(0xFFFFFF);
  dc.SetBackgroundMode(kTransparent);
  dc.SetTextAlign(kAlignRight | kAlignTop);
  dc.TextOut(110, 5, text);
  EXPECT_EQ(test::CountPixels(s, 0x00FF00), 0);
  EXPECT_EQ(test::CountPixels(s, 0x0000FF), ink);
}

TEST(GlyphOutlines, ContoursCarryTheirOnAndOffCurvePoints) {
  std::vector<GlyphContour> contours;
  double advance = 0;
  ASSERT_TRUE(GetGlyphContours(Gothic(-256), U'o', contours, &advance));
  ASSERT_EQ(contours.size(), 2u) << "the letter o has an outer and an inner contour";
  EXPECT_GT(advance, 50);
  bool off = false;
  for (const GlyphContour& c : contours) {
    for (const GlyphPoint& p : c) {
      off |= !p.onCurve;
      EXPECT_GT(p.y, -10);
      EXPECT_LT(p.y, 256);
    }
  }
  EXPECT_TRUE(off) << "a round letter needs quadratic control points";
  ASSERT_TRUE(GetGlyphContours(Gothic(-256), U' ', contours));
  EXPECT_TRUE(contours.empty());
  ASSERT_TRUE(GetGlyphContours(Gothic(-256), U'永', contours));
  EXPECT_GE(contours.size(), 1u);
}

TEST(GlyphOutlines, RecordsGroupLineRunsAndSplineRunsAndCloseOnTheirStart) {
  // A square with one rounded corner: on, on, off, on, then back to the start.
  const std::vector<GlyphContour> contours = {
      {{0, 0, true}, {10, 0, true}, {10, 10, false}, {0, 10, true}},
      {{0, 0, false}, {4, 0, false}, {4, 4, false}},  // control points only
  };
  const std::vector<GlyphPolygon> records = ToGlyphRecords(contours);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0].start, (GlyphVec{0, 0}));
  ASSERT_EQ(records[0].curves.size(), 2u);
  EXPECT_EQ(records[0].curves[0].type, kGlyphLine);
  EXPECT_EQ(records[0].curves[0].points, (std::vector<GlyphVec>{{10, 0}}));
  EXPECT_EQ(records[0].curves[1].type, kGlyphQSpline);
  EXPECT_EQ(records[0].curves[1].points, (std::vector<GlyphVec>{{10, 10}, {0, 10}}));
  // The closing edge from (0, 10) back to the start is a straight line and is implied.
  EXPECT_EQ(records[1].start, (GlyphVec{2, 2}));
  ASSERT_EQ(records[1].curves.size(), 1u);
  EXPECT_EQ(records[1].curves[0].points, (std::vector<GlyphVec>{{0, 0}, {4, 0}, {4, 4}, {2, 2}}));
  EXPECT_EQ(GlyphRecordBytes(records), size_t(16 + 4 + 8 + 4 + 16) + size_t(16 + 4 + 32));
}

}  // namespace
}  // namespace tmb
