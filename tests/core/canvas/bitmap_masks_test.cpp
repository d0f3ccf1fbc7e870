#include "core/canvas/bitmap_masks.h"

#include <gtest/gtest.h>

#include "core/canvas/bitmap_blits.h"
#include "core/canvas/work_canvas.h"
#include "support/scripted_messages.h"
#include "support/surface_text.h"

namespace {

using tmb::test::SurfaceText;

// A small canvas: paper of 6 x 2 and its work bitmaps.
class MaskTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gWorkCanvas.Reset();
    gWorkCanvas.Init(6, 2, "", 32000, 0, 0);
    ASSERT_EQ(gWorkCanvas.CreateBitmaps(&screen), 1);
    ASSERT_TRUE(a.Create(6, 2, tmb::PixelFormat::kColour32));
    ASSERT_TRUE(b.Create(6, 2, tmb::PixelFormat::kColour32));
    ASSERT_TRUE(m.Create(6, 2, tmb::PixelFormat::kMono1));
  }
  void TearDown() override { gWorkCanvas.Reset(); }
  tmb::DeviceContext screen;
  tmb::test::ScriptedMessages messages;
  tmb::Surface a, b, m;
};

TEST_F(MaskTest, AColourKeyMaskIsWhiteExactlyWhereTheKeyColourIs) {
  const tmb::Colour row[6] = {0x00FF00, 0x00FE00, 0xFFFFFF, 0x00FF00, 0x000000, 0x01FF00};
  for (int x = 0; x < 6; ++x) a.SetPixel(x, 0, row[x]);
  tmb::DeviceContext target(&m);
  MakeColorKeyMaskBitmap(&screen, &a, &b, {0, 0, 6, 1}, 0x00FF00, &target);
  EXPECT_EQ(SurfaceText(m, {0, 0, 6, 1}), ".##.##\n");
}

TEST_F(MaskTest, MergingThroughAMaskTakesAWhereItIsWhiteAndBWhereItIsBlack) {
  for (int intoB : {0, 1}) {
    a.Fill(0x0000FF);
    b.Fill(0x00FF00);
    m.Fill(0xFFFFFF);
    m.SetPixel(1, 0, 0x000000);
    m.SetPixel(4, 1, 0x000000);
    tmb::DeviceContext da(&a), db(&b), dm(&m);
    MergeThroughMask(&dm, &db, &da, {0, 0, 6, 2}, intoB);
    const tmb::Surface& result = intoB ? b : a;
    for (int y = 0; y < 2; ++y) {
      for (int x = 0; x < 6; ++x) {
        const bool black = (x == 1 && y == 0) || (x == 4 && y == 1);
        EXPECT_EQ(result.GetPixel(x, y), black ? 0x00FF00u : 0x0000FFu) << intoB << " " << x << "," << y;
      }
    }
  }
}

TEST_F(MaskTest, MergingOntoTheCanvasPutsAUnderTheInkOfB) {
  a.Fill(0xFF0000);
  b.Fill(0xFFFFFF);
  b.SetPixel(2, 1, 0x123456);
  tmb::DeviceContext da(&a), db(&b), dm(&m);
  MergeOntoCanvas(&db, &dm, &da);
  EXPECT_EQ(b.GetPixel(2, 1), 0x123456u);
  EXPECT_EQ(b.GetPixel(0, 0), 0xFF0000u);
  EXPECT_EQ(tmb::test::CountPixels(b, 0xFF0000), 11);
}

TEST_F(MaskTest, WhitePixelsTakeTheColourAndOthersStay) {
  b.Fill(0xFFFFFF);
  b.SetPixel(0, 0, 0x000000);
  b.SetPixel(5, 1, 0xFEFEFE);
  FillWhiteWithColour(&screen, &b, 0x0080FF);
  EXPECT_EQ(b.GetPixel(0, 0), 0x000000u);
  EXPECT_EQ(b.GetPixel(5, 1), 0xFEFEFEu);
  EXPECT_EQ(tmb::test::CountPixels(b, 0x0080FF), 10);
}

TEST_F(MaskTest, TintingWithWhiteInvertsThenAddsTheTint) {
  b.Fill(0xFFFFFF);
  b.SetPixel(3, 0, 0x000000);
  TintBitmapOnCanvas(&screen, &b, 0xFFFFFF, 0x200000);
  EXPECT_EQ(b.GetPixel(3, 0), 0xFFFFFFu);
  EXPECT_EQ(b.GetPixel(0, 0), 0x200000u);
  TintBitmapOnCanvas(&screen, &b, 0x000010, 0x200000);
  EXPECT_EQ(b.GetPixel(0, 0), 0x200010u);
}

// A bitmap larger than the paper changes over the paper only; a monochrome one takes
// black or white as the block transfers would leave it.
TEST_F(MaskTest, OnlyThePaperChangesAndAMonochromeBitmapKeepsBlackAndWhite) {
  tmb::Surface big, mono;
  ASSERT_TRUE(big.Create(8, 3, tmb::PixelFormat::kColour32));
  ASSERT_TRUE(mono.Create(8, 3, tmb::PixelFormat::kMono1));
  big.Fill(0xFFFFFF);
  FillWhiteWithColour(&screen, &big, 0x0080FF);
  EXPECT_EQ(tmb::test::CountPixels(big, 0x0080FF), 12);
  EXPECT_EQ(big.GetPixel(6, 0), 0xFFFFFFu);
  TintBitmapOnCanvas(&screen, &big, 0x100000, 0);
  EXPECT_EQ(big.GetPixel(0, 0), 0x0080FFu | 0x100000u);
  EXPECT_EQ(big.GetPixel(0, 2), 0xFFFFFFu);

  const struct {
    void (*paint)(tmb::DeviceContext*, tmb::Surface*);
    const char* text;
  } cases[] = {
      {[](tmb::DeviceContext* dc, tmb::Surface* s) { FillWhiteWithColour(dc, s, 0x0080FF); },
       "######.#\n######..\n.#.#.#.#\n"},
      {[](tmb::DeviceContext* dc, tmb::Surface* s) { FillWhiteWithColour(dc, s, 0xFFFFFF); },
       ".#.#.#.#\n#.#.#...\n.#.#.#.#\n"},
      {[](tmb::DeviceContext* dc, tmb::Surface* s) { TintBitmapOnCanvas(dc, s, 0xFFFFFF, 0x000000); },
       "#.#.#..#\n.#.#.#..\n.#.#.#.#\n"},
      {[](tmb::DeviceContext* dc, tmb::Surface* s) { TintBitmapOnCanvas(dc, s, 0xFFFFFF, 0xFFFFFF); },
       ".......#\n........\n.#.#.#.#\n"},
      {[](tmb::DeviceContext* dc, tmb::Surface* s) { TintBitmapOnCanvas(dc, s, 0x000010, 0xFFFFFF); },
       ".#.#.#.#\n#.#.#...\n.#.#.#.#\n"},
  };
  for (const auto& c : cases) {
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 8; ++x) mono.SetPixel(x, y, (x + y) % 2 ? 0x000000 : 0xFFFFFF);
    }
    mono.SetPixel(6, 1, 0xFFFFFF);
    c.paint(&screen, &mono);
    EXPECT_EQ(SurfaceText(mono), c.text);
  }
}

TEST_F(MaskTest, NearWhitePixelsAreLiftedByOneUpToWhite) {
  const struct {
    tmb::Colour in, out;
  } cases[] = {{0xF1F1F1, 0xF2F2F2}, {0xFEFFF5, 0xFFFFF6}, {0xFFFFFF, 0xFFFFFF}, {0xF0FFFF, 0xF0FFFF},
               {0xF1F1F0, 0xF1F1F0}, {0x000000, 0x000000}};
  for (const auto& c : cases) {
    b.Fill(c.in);
    tmb::DeviceContext db(&b);
    LiftNearWhitePixels(&db);
    EXPECT_EQ(b.GetPixel(5, 1), c.out) << std::hex << c.in;
  }
}

TEST_F(MaskTest, BlitsBetweenBitmapsConvertFormatsByTheDefaultColours) {
  a.Fill(0xFFFFFF);
  a.SetPixel(1, 0, 0x0000FF);
  EXPECT_TRUE(CopyBitmapArea(&screen, &m, 0, 0, 6, 2, &a, 0, 0));
  EXPECT_EQ(SurfaceText(m), ".#....\n......\n");
  b.Fill(0x00FF00);
  EXPECT_TRUE(AndBitmapArea(&screen, &b, 0, 0, 6, 2, &m, 0, 0));
  EXPECT_EQ(b.GetPixel(1, 0), 0x000000u);
  EXPECT_EQ(b.GetPixel(2, 0), 0x00FF00u);
  EXPECT_TRUE(StretchBitmapArea(&screen, &a, {0, 0, 6, 2}, &b, {0, 0, 3, 1}));
  EXPECT_EQ(a.GetPixel(2, 1), 0x000000u);
  EXPECT_EQ(a.GetPixel(4, 1), 0x00FF00u);
  EXPECT_FALSE(CopyBitmapArea(&screen, nullptr, 0, 0, 1, 1, &a, 0, 0));
}

}  // namespace

namespace {

TEST_F(MaskTest, RenderingUnderATargetKeepsTheTargetWhereTheSourceIsTransparentAndAndsTheInk) {
  constexpr tmb::Colour kPaper = 0x306038, kInk = 0x101010, kUnder = 0x0000FF;
  a.Fill(kPaper);  // the source: paper with ink at two pixels
  a.SetPixel(1, 0, kInk);
  a.SetPixel(4, 1, 0x306039);  // one step off the paper colour is ink too
  b.Fill(kUnder);
  EXPECT_EQ(RenderToWorkBitmap(&screen, &b, &a, kPaper), 1);
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 6; ++x) {
      const tmb::Colour source = a.GetPixel(x, y);
      EXPECT_EQ(b.GetPixel(x, y), source == kPaper ? kUnder : (source & kUnder)) << x << "," << y;
    }
  }
  EXPECT_EQ(a.GetPixel(1, 0), kInk) << "the source is left as it was";
  EXPECT_EQ(a.GetPixel(0, 0), kPaper);
  EXPECT_EQ(RenderToWorkBitmap(&screen, &b, &m, kPaper), -1) << "a one-bit source is refused";
  EXPECT_EQ(RenderToWorkBitmap(&screen, nullptr, &a, kPaper), -1);
}

}  // namespace
