// The recorded character converted with the defaults of window A (its strokes not slanted),
// drawn with each point's width and left as a picture for a person to look at.
#include <gtest/gtest.h>

#include <memory>

#include "convert/driver/path_resampling.h"
#include "core/record/param_defaults.h"
#include "core/path/stroke_work.h"
#include "core/record/char_data_full.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"
#include "support/converted_drawing.h"
#include "support/picture_files.h"
#include "support/recorded_character.h"
#include "support/surface_text.h"

namespace {

constexpr int kSide = 500;
constexpr tmb::Colour kWhite = 0xFFFFFF;

bool InkNear(const tmb::Surface& s, tmb::Point p, int r) {
  for (int y = p.y - r; y <= p.y + r; ++y) {
    for (int x = p.x - r; x <= p.x + r; ++x) {
      if (x >= 0 && y >= 0 && x < kSide && y < kSide && s.GetPixel(x, y) != kWhite) return true;
    }
  }
  return false;
}

TEST(ConvertedPicture, TheRecordedCharacterShowsWithItsWidths) {
  auto drawn = std::make_unique<CCharDataFull>();
  drawn->ClearPoints();
  drawn->SetDefaultParams();
  GetSlotParamDefaults(drawn->m_param, {}, 0);
  drawn->m_param[37] = 400;
  // No slant of the stroke form, so that the strokes can be found where they were written.
  drawn->m_param[317] = 0;
  tmb::test::AppendRecordedCharacter(*drawn);
  CStrokeWork source;
  CStrokeWork converted;
  drawn->ToStrokeWork(source);
  drawn->CopySettingsToWork(converted);
  ASSERT_EQ(converted.ConvertCharacter(source), 1);

  tmb::Surface surface;
  ASSERT_TRUE(surface.Create(kSide, kSide, tmb::PixelFormat::kColour32));
  surface.Fill(kWhite);
  tmb::DeviceContext dc(&surface);
  tmb::test::DrawConverted(dc, converted);

  EXPECT_FALSE(tmb::test::SavePictureForViewing(surface, "converted_recorded_character").empty());

  // Ink on every converted point, around the middle of every stroke as written, and
  // nowhere near the corners of the paper.
  for (int i = 0; i < converted.GetCount(); ++i) {
    ASSERT_TRUE(InkNear(surface, converted.m_pPoints[i].RoundToPoint(), 0)) << i;
  }
  for (int s = 0; s < tmb::test::kRecordedStrokeCount; ++s) {
    const int middle = s * tmb::test::kRecordedPointsPerStroke + tmb::test::kRecordedPointsPerStroke / 2;
    EXPECT_TRUE(InkNear(surface, drawn->m_pPoints[middle], 4)) << "stroke " << s;
  }
  for (tmb::Point corner : {tmb::Point{0, 0}, {kSide - 1, 0}, {0, kSide - 1}, {kSide - 1, kSide - 1}}) {
    EXPECT_FALSE(InkNear(surface, corner, 20));
  }
  const int ink = kSide * kSide - tmb::test::CountPixels(surface, kWhite);
  EXPECT_GT(ink, kSide * kSide / 50);
  EXPECT_LT(ink, kSide * kSide / 3);
  gUnitPassActive = 0;
}

}  // namespace
