// Characters A and B and the morph half-way between them, converted and drawn side by
// side, left as a picture for a person to look at.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "convert/morph/morph_pair.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"
#include "support/converted_drawing.h"
#include "support/generated_character.h"
#include "support/morph_fixture.h"
#include "support/picture_files.h"
#include "support/recorded_character.h"

namespace {

constexpr int kPanel = 480;
constexpr int kPanels = 3;  // A, 50 %, B
constexpr tmb::Colour kWhite = 0xFFFFFF;

using MorphPicture = tmb::test::MorphFixture;

// The pixels of panel p that carry ink.
int Ink(const tmb::Surface& s, int p) {
  int ink = 0;
  for (int y = 0; y < kPanel; ++y) {
    for (int x = 0; x < kPanel; ++x) ink += s.GetPixel(p * kPanel + x, y) != kWhite ? 1 : 0;
  }
  return ink;
}

// The pixels that are ink in exactly one of panels p and q.
int Differing(const tmb::Surface& s, int p, int q) {
  int n = 0;
  for (int y = 0; y < kPanel; ++y) {
    for (int x = 0; x < kPanel; ++x) {
      n += (s.GetPixel(p * kPanel + x, y) != kWhite) != (s.GetPixel(q * kPanel + x, y) != kWhite) ? 1 : 0;
    }
  }
  return n;
}

TEST_F(MorphPicture, HalfWayFromAToBLooksLikeNeither) {
  auto a = NewRecord();
  auto b = NewRecord();
  // Plain strokes, neither cursive nor linked, show the change of shape best; linking at
  // its least still gives them their brush widths.
  for (int p : {0, 1}) a->m_param[p] = 0;
  a->m_param[2] = 1;
  tmb::test::AppendRecordedCharacter(*a);
  tmb::test::AppendGeneratedCharacter(*b, 2024, tmb::test::kRecordedStrokeCount, tmb::test::kRecordedPointsPerStroke);
  // Pen jumps longer than 30 pixels divide the characters, so that strokes pair up.
  ASSERT_GE(gMorphPair.Prepare(*a, *b, 30), 0);

  tmb::Surface surface;
  ASSERT_TRUE(surface.Create(kPanel * kPanels, kPanel, tmb::PixelFormat::kColour32));
  surface.Fill(kWhite);
  tmb::DeviceContext dc(&surface);
  const int percents[kPanels] = {0, 50, 100};
  for (int p = 0; p < kPanels; ++p) tmb::test::DrawConverted(dc, Convert(*a, percents[p]), {p * kPanel, 0});
  EXPECT_FALSE(tmb::test::SavePictureForViewing(surface, "morph_a_half_b").empty());

  for (int p = 0; p < kPanels; ++p) EXPECT_GT(Ink(surface, p), kPanel * kPanel / 50) << p;
  const int middle = Ink(surface, 1);
  EXPECT_GT(Differing(surface, 1, 0), middle / 3);
  EXPECT_GT(Differing(surface, 1, 2), middle / 3);
}

}  // namespace
