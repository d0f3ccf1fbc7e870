// Marking one stroke of a working record: only that stroke, in the pen of its kind, with
// circles on its points for kinds 2 and 4.
#include "brush/render/stroke_annotations.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/record/char_data.h"
#include "support/picture_files.h"

namespace {

constexpr tmb::Colour kWhite = 0xFFFFFF;

// Two strokes: a level one at y = 20 and a rising one to its right.
std::unique_ptr<CCharData> TwoStrokes() {
  auto r = std::make_unique<CCharData>();
  const tmb::Point points[] = {{10, 20}, {40, 20}, {70, 20}, {90, 40}, {120, 10}};
  for (int i = 0; i < 5; ++i) {
    r->m_pPoints[i] = points[i];
    r->m_pFlags[i] = i == 0 || i == 3 ? 1 : 0;
  }
  r->m_nPoints = 5;
  return r;
}

int Count(const tmb::Surface& s, tmb::Colour c, const tmb::Rect& within) {
  int n = 0;
  for (int y = within.top; y < within.bottom; ++y) {
    for (int x = within.left; x < within.right; ++x) n += s.GetPixel(x, y) == c;
  }
  return n;
}

TEST(DrawStrokeAnnotations, DrawsTheOneStrokeInThePenOfItsKind) {
  const auto record = TwoStrokes();
  const tmb::Rect first{0, 0, 80, 50}, second{80, 0, 130, 50};
  struct Case {
    int kind, stroke;
    tmb::Colour colour;
    int inFirst;     // the least pixels of colour about the first stroke (0: none)
    int redInFirst;  // circles on its points
  } cases[] = {
      {101, 0, 0xFF8000, 7 * 50, 0},
      {2, 0, 0x000000, 50, 3},
      {4, 0, 0x000000, 50, 3},
      {7, 0, 0x000000, 50, 0},
      {101, 1, 0xFF8000, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "kind " << c.kind << ", stroke " << c.stroke);
    tmb::Surface s;
    ASSERT_TRUE(s.Create(130, 50, tmb::PixelFormat::kColour32));
    s.Fill(kWhite);
    tmb::DeviceContext dc(&s);
    const tmb::Pen before = dc.SelectPen(tmb::Pen::Solid(1, 0x123456));
    DrawStrokeAnnotations(&dc, *record, c.kind, c.stroke);
    EXPECT_EQ(dc.SelectPen(before), tmb::Pen::Solid(1, 0x123456)) << "the pen found is restored";
    if (c.inFirst) {
      EXPECT_GE(Count(s, c.colour, first), c.inFirst);
      EXPECT_EQ(Count(s, kWhite, second), second.Width() * second.Height()) << "the other stroke untouched";
    } else {
      EXPECT_EQ(Count(s, kWhite, first), first.Width() * first.Height());
      EXPECT_GT(Count(s, c.colour, second), 0);
    }
    EXPECT_EQ(Count(s, 0x0000FF, first) > 0, c.redInFirst > 0);
    tmb::test::SavePictureForViewing(s, "stroke_annotation_" + std::to_string(c.kind) + "_" + std::to_string(c.stroke));
  }
  tmb::Surface s;
  ASSERT_TRUE(s.Create(10, 10, tmb::PixelFormat::kColour32));
  s.Fill(kWhite);
  tmb::DeviceContext dc(&s);
  DrawStrokeAnnotations(&dc, *record, 101, 2);  // no third stroke
  EXPECT_EQ(Count(s, kWhite, s.Bounds()), 100);
}

}  // namespace
