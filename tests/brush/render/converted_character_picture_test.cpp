// The recorded character converted and drawn as the drawing view draws it, at the default
// paper, left as pictures for a person to look at.
#include <gtest/gtest.h>

#include "brush/render/brush_state.h"
#include "convert/driver/path_resampling.h"
#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "support/converted_character.h"
#include "support/picture_files.h"
#include "support/scoped_work_canvas.h"

namespace {

constexpr tmb::Colour kWhite = 0xFFFFFF, kInk = 0x000000;

class ConvertedCharacterPicture : public ::testing::Test {
 protected:
  void SetUp() override {
    gBrushStates[0].Reset();
    ASSERT_EQ(gBrushStates[0].Create(&canvas.screen, 1), 1);
    ASSERT_GT(converted.GetCount(), 0);
  }
  void TearDown() override {
    gBrushStates[0].Reset();
    gPathSequence.FreePath();
    gUnitPassActive = 0;
  }

  // Draws the converted character as the drawing view does, into window A's state.
  const tmb::Surface& Draw(const char* name) {
    converted.m_nWindow = 0;
    converted.SelectBrushState(nullptr);
    converted.m_drawFlags[0] = 0;
    EXPECT_EQ(converted.DrawCharacter(&canvas.screen, 0, -1, *character.source), 1);
    const tmb::Surface& picture = gBrushStates[0].m_bitmap;
    EXPECT_FALSE(tmb::test::SavePictureForViewing(picture, name).empty());
    return picture;
  }

  // Where ink may lie: along every stroke as converted (from a flag 1 to the next), within
  // its width and two pixels of soft edge, drawn here with a round pen. The slanted brush
  // moves width from one side of a stroke to the other, up to all of it for a stroke
  // running across the diagonal, so each side may reach twice its half-width; the outline
  // cuts the corners of its side points by a pixel where a stroke bends.
  tmb::Surface InkAllowed(int w, int h) {
    tmb::Surface allowed;
    EXPECT_TRUE(allowed.Create(w, h, tmb::PixelFormat::kMono1));
    allowed.Fill(kWhite);
    tmb::DeviceContext dc(&allowed);
    for (int i = 0; i < converted.GetCount(); ++i) {
      const tmb::Point a = converted.m_pPoints[i].RoundToPoint();
      const tmb::Point b = converted.m_pPoints[converted.IsSectionLast(i) ? i : i + 1].RoundToPoint();
      dc.SelectPen({tmb::kPenSolid, 4 * (converted.m_pWidths[i] / 2) + 6, kInk, tmb::kCapRound, tmb::kJoinRound});
      dc.MoveTo(a.x, a.y);
      dc.LineTo(b.x, b.y);
    }
    return allowed;
  }

  // The ink of picture: every pixel not white, and those of it outside InkAllowed.
  void CountInk(const tmb::Surface& picture, int& ink, int& stray) {
    const tmb::Surface allowed = InkAllowed(picture.width(), picture.height());
    ink = stray = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        if (picture.GetPixel(x, y) == kWhite) continue;
        ++ink;
        stray += allowed.GetPixel(x, y) == kWhite;
      }
    }
  }

  tmb::test::ScopedWorkCanvas canvas{500, 750};
  tmb::test::ConvertedRecordedCharacter character;
  CStrokeWork& converted = *character.converted;
};

TEST_F(ConvertedCharacterPicture, TheRecordedCharacterIsInkedUnderItsStrokesOnly) {
  const tmb::Surface& picture = Draw("converted_character_drawn");
  int ink = 0, stray = 0;
  CountInk(picture, ink, stray);
  EXPECT_EQ(stray, 0);
  const int area = picture.width() * picture.height();
  EXPECT_GT(ink, area / 100);
  EXPECT_LT(ink, area / 4);
  // Ink within a half-width and two pixels of every converted point but the last of each
  // stroke, which its brush shape leaves out: the slanted brush may put a point on the edge
  // of its stroke, and the smoothing draws a pointed start back a little. Dark ink where
  // the brush is 3 pixels wide or more; a thinner tail is drawn grey.
  auto inkNear = [&picture](tmb::Point p, int r, int darkerThan) {
    for (int y = p.y - r; y <= p.y + r; ++y) {
      for (int x = p.x - r; x <= p.x + r; ++x) {
        if (tmb::RedOf(picture.GetPixel(x, y)) < darkerThan) return true;
      }
    }
    return false;
  };
  for (int i = 0; i < converted.GetCount(); ++i) {
    if (converted.IsSectionLast(i)) continue;
    const int width = converted.m_pWidths[i];
    EXPECT_TRUE(inkNear(converted.m_pPoints[i].RoundToPoint(), width / 2 + 2, width >= 3 ? 128 : 255)) << i;
  }
  // The conversion bows and moves strokes: a written stroke's middle lies within a few
  // widths of its converted ink.
  for (int s = 0; s < tmb::test::kRecordedStrokeCount; ++s) {
    const int middle = s * tmb::test::kRecordedPointsPerStroke + tmb::test::kRecordedPointsPerStroke / 2;
    int r = 0;
    while (r < 40 && !inkNear(character.drawn->m_pPoints[middle], r, 255)) ++r;
    EXPECT_LE(r, 16) << "stroke " << s;
  }
}

// The character at window A's defaults and at a cursive degree of 120, the two a reader
// of the conversion compares by eye.
TEST_F(ConvertedCharacterPicture, TheRecordedCharacterAtTheDefaultStyleAndAtCursive120) {
  struct Case {
    int cursive;
    const char* name;
  };
  for (const Case& c : {Case{3, "recorded_character_default_style"}, Case{120, "recorded_character_cursive_120"}}) {
    SCOPED_TRACE(c.name);
    character.drawn->m_param[0] = c.cursive;
    ASSERT_EQ(character.Convert(), 1);
    int ink = 0, stray = 0;
    CountInk(Draw(c.name), ink, stray);
    EXPECT_EQ(stray, 0);
    EXPECT_GT(ink, gWorkCanvas.m_width * gWorkCanvas.m_height / 100);
  }
}

TEST_F(ConvertedCharacterPicture, FlyingWhiteLightensTheStrokesWithoutLeavingThem) {
  int plainInk = 0, stray = 0;
  CountInk(Draw("converted_character_drawn"), plainInk, stray);
  converted.m_param[3] = 40;  // a wider brush shows the streaks
  converted.m_param[5] = 20;
  for (int i = 0; i < converted.GetCount(); ++i) converted.m_pWidths[i] = 20;
  int wideInk = 0;
  CountInk(Draw("converted_character_flying_white"), wideInk, stray);
  EXPECT_EQ(stray, 0);
  EXPECT_GT(wideInk, plainInk);
  converted.m_param[5] = 0;
  converted.m_param[220] = 1;
  converted.m_param[240] = 0;
  int solidInk = 0;
  CountInk(Draw("converted_character_stroke_pictures"), solidInk, stray);
  EXPECT_EQ(stray, 0);
  EXPECT_LT(wideInk, solidInk);
  EXPECT_GT(wideInk, solidInk / 2);
}

}  // namespace
