// The recorded character converted twice and drawn side by side for a person to look at:
// on the left with the shortest link reach, on the right with a long one, where the strokes
// whose starts lie close enough after the stroke before run on into them.
#include <gtest/gtest.h>

#include <vector>

#include "convert/driver/path_resampling.h"
#include "core/path/stroke_work.h"
#include "platform/gdi/device_context.h"
#include "platform/gdi/surface.h"
#include "support/converted_character.h"
#include "support/converted_drawing.h"
#include "support/picture_files.h"
#include "support/surface_text.h"

namespace {

constexpr int kSide = 500;
constexpr tmb::Colour kWhite = 0xFFFFFF;
constexpr int kLinkReach = 2;
constexpr int kLongReach = 100;

bool InkAt(const tmb::Surface& s, tmb::Point p) { return s.GetPixel(p.x, p.y) != kWhite; }

int InkIn(const tmb::Surface& s, int left) {
  int ink = 0;
  for (int y = 0; y < kSide; ++y) {
    for (int x = left; x < left + kSide; ++x) ink += s.GetPixel(x, y) != kWhite ? 1 : 0;
  }
  return ink;
}

TEST(LinkedPicture, StrokesRunOnIntoTheNextAcrossTheirGaps) {
  tmb::test::ConvertedRecordedCharacter c;
  c.drawn->m_param[kLinkReach] = 0;
  ASSERT_EQ(c.Convert(), 1);
  CStrokeWork apart;
  apart.CopyFrom(*c.converted);
  c.drawn->m_param[kLinkReach] = kLongReach;
  ASSERT_EQ(c.Convert(), 1);
  const CStrokeWork& linked = *c.converted;
  ASSERT_EQ(linked.GetCount(), apart.GetCount());

  tmb::Surface surface;
  ASSERT_TRUE(surface.Create(2 * kSide, kSide, tmb::PixelFormat::kColour32));
  surface.Fill(kWhite);
  tmb::DeviceContext dc(&surface);
  tmb::test::DrawConverted(dc, apart);
  tmb::test::DrawConverted(dc, linked, {kSide, 0});
  EXPECT_FALSE(tmb::test::SavePictureForViewing(surface, "linked_converted_character").empty());

  // The starts that were linked (a continuation, or a change of direction across the
  // diagonal where the link turns into the stroke): their gaps are drawn on the right; on
  // the left only where another stroke crosses the gap's middle.
  std::vector<int> links;
  for (int i = 1; i < linked.GetCount(); ++i) {
    if (apart.m_pFlags[i] == CStrokePath::kFlagStart && linked.m_pFlags[i] != CStrokePath::kFlagStart) {
      links.push_back(i);
    }
  }
  EXPECT_EQ(apart.CountStrokes(), 19);  // the strokes drawn on from an end become one
  EXPECT_GE(links.size(), 8u);
  EXPECT_EQ(linked.CountStrokes() + static_cast<int>(links.size()), apart.CountStrokes());
  size_t crossed = 0;
  for (int i : links) {
    const CFPoint middle = (linked.m_pPoints[i - 1] + linked.m_pPoints[i]) / 2;
    const tmb::Point p = middle.RoundToPoint();
    crossed += InkAt(surface, p) ? 1 : 0;
    EXPECT_TRUE(InkAt(surface, {p.x + kSide, p.y})) << "gap before " << i;
  }
  EXPECT_LE(crossed * 4, links.size());
  EXPECT_GT(InkIn(surface, kSide), InkIn(surface, 0));
  gUnitPassActive = 0;
}

}  // namespace
