#include "brush/render/brush_state.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/canvas/work_canvas.h"
#include "platform/gdi/resource_bitmaps.h"
#include "support/picture_files.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_messages.h"
#include "support/surface_text.h"

namespace {

using tmb::Colour;
using tmb::Surface;

constexpr int kCell = CBrushState::kCell;

class BrushStateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (CBrushState& s : gBrushStates) s.Reset();
  }
  void TearDown() override {
    for (CBrushState& s : gBrushStates) s.Reset();
  }

  // State A with the brush parameters set, created and rendered.
  CBrushState& RenderedState(int style = 0, int kind = 0) {
    CBrushState& a = gBrushStates[0];
    a.m_param[37] = style;
    a.m_param[10] = kind;
    EXPECT_EQ(a.Create(&screen, 1), 1);
    return a;
  }

  tmb::test::ScriptedMessages messages;
  tmb::test::ScopedWorkCanvas paper{500, 750};
  tmb::DeviceContext& screen = paper.screen;
};

Surface Tip() {
  Surface tip;
  EXPECT_TRUE(tmb::LoadBitmapResource(tmb::kBrushTipBitmap, tip));
  return tip;
}

bool IsWhite(Colour c) { return c == 0xFFFFFF; }

// The non-white pixels of the cell of kind and size (1 to 32) of the brush set.
int InkOfCell(const Surface& set, int kind, int size) {
  const tmb::Rect r = CBrushState::GetCellRect(kind, size - 1);
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) n += !IsWhite(set.GetPixel(x, y));
  }
  return n;
}

bool SameBlock(const Surface& a, const Surface& b, const tmb::Rect& ra, int bx, int by) {
  for (int y = 0; y < ra.Height(); ++y) {
    for (int x = 0; x < ra.Width(); ++x) {
      if (a.GetPixel(ra.left + x, ra.top + y) != b.GetPixel(bx + x, by + y)) return false;
    }
  }
  return true;
}

TEST(BrushTip, IsOurRoundDabWithShadedEdgeAndWhiteCorners) {
  const Surface tip = Tip();
  ASSERT_EQ(tip.size(), (tmb::Size{32, 32}));
  for (tmb::Point corner : {tmb::Point{0, 0}, {31, 0}, {0, 31}, {31, 31}}) EXPECT_EQ(tip.GetPixel(corner.x, corner.y), 0xFFFFFFu);
  EXPECT_EQ(tip.GetPixel(15, 15), 0x000000u);
  int ink = 0, grey = 0;
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const Colour c = tip.GetPixel(x, y);
      EXPECT_EQ(tmb::RedOf(c), tmb::BlueOf(c));
      ink += !IsWhite(c);
      grey += !IsWhite(c) && c != 0;
    }
  }
  // About a circle of radius 13.5, with a shaded rim.
  EXPECT_NEAR(ink, 573, 60);
  EXPECT_GT(grey, 40);
  Surface unknown;
  EXPECT_FALSE(tmb::LoadBitmapResource(169, unknown));
  EXPECT_TRUE(unknown.IsNull());
}

TEST_F(BrushStateTest, CreatingWithoutRenderingLeavesTheSetWhiteAndTheRequestClear) {
  CBrushState& a = gBrushStates[0];
  ASSERT_EQ(a.Create(&screen, 0), 1);
  EXPECT_EQ(a.m_bCreated, 1);
  EXPECT_EQ(a.m_bRenderRequest, 0);
  EXPECT_EQ(a.m_width, 500);
  EXPECT_EQ(a.m_heightCopy, 750);
  EXPECT_EQ(a.m_bitmap.size(), (tmb::Size{500, 750}));
  EXPECT_EQ(tmb::test::CountPixels(a.m_brushSet, 0xFFFFFF), CBrushState::kSetWidth * CBrushState::kSetHeight);
  // Every kind of both strip rows holds the tip.
  const Surface tip = Tip();
  for (int k = 0; k < 8; ++k) {
    EXPECT_TRUE(SameBlock(a.m_tipStrip, tip, {kCell * k, 0, kCell * k + kCell, kCell}, 0, 0)) << k;
    EXPECT_TRUE(SameBlock(a.m_tipStrip, tip, {kCell * k, kCell, kCell * k + kCell, 2 * kCell}, 0, 0)) << k;
  }
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(BrushStateTest, ABitmapThatCannotBeMadeIsReportedAndLeavesTheStateUncreated) {
  gWorkCanvas.Init(0, 0, "", 32000, 32, 32);  // no picture of that size
  CBrushState& a = gBrushStates[0];
  EXPECT_EQ(a.Create(&screen, 1), 0);
  EXPECT_EQ(a.m_bCreated, 0);
  EXPECT_EQ(messages.ids, std::vector<int>{62063});
  EXPECT_TRUE(a.m_brushSet.IsNull());
  EXPECT_TRUE(a.m_tipStrip.IsNull());
}

TEST_F(BrushStateTest, TheRenderedSetHoldsTheTipAtFullSizeAndThinnerKindsAfterIt) {
  CBrushState& a = RenderedState();
  EXPECT_EQ(a.m_bRenderRequest, 0);
  EXPECT_TRUE(SameBlock(a.m_brushSet, Tip(), CBrushState::GetCellRect(0, 31), 0, 0));
  // Each kind is thinned from the one before it.
  for (int k = 1; k < 8; ++k) EXPECT_LT(InkOfCell(a.m_brushSet, k, 32), InkOfCell(a.m_brushSet, k - 1, 32)) << k;
  EXPECT_GT(InkOfCell(a.m_brushSet, 7, 32), 0);
  // Smaller sizes hold less ink; nothing lies outside the s x s corner of a cell.
  for (int s = 1; s < 32; ++s) {
    const tmb::Rect cell = CBrushState::GetCellRect(0, s - 1);
    for (int y = cell.top; y < cell.bottom; ++y) {
      for (int x = cell.left; x < cell.right; ++x) {
        if (x - cell.left >= s || y - cell.top >= s) {
          ASSERT_TRUE(IsWhite(a.m_brushSet.GetPixel(x, y))) << s;
        }
      }
    }
  }
  EXPECT_EQ(a.m_tipCentres[31], (tmb::Point{16, 15}));
  // (White on black leaves the smallest sizes of kind 0 without ink.)
  for (int s = 3; s <= 32; ++s) {
    ASSERT_GT(InkOfCell(a.m_brushSet, 0, s), InkOfCell(a.m_brushSet, 0, s - 1) - 1) << s;
    EXPECT_NEAR(a.m_tipCentres[size_t(s - 1)].x, s / 2, 1) << s;
    EXPECT_NEAR(a.m_tipCentres[size_t(s - 1)].y, s / 2, 1) << s;
  }
  tmb::test::SavePictureForViewing(a.m_brushSet, "brush_set");
}

TEST_F(BrushStateTest, SizeOneTakesTheWholeTipIntoOnePixelByTheKindsStretchMode) {
  CBrushState& a = RenderedState();
  // White on black keeps any white of the tip; kind 2 keeps any black.
  EXPECT_EQ(a.m_brushSet.GetPixel(0, 0), 0xFFFFFFu);
  EXPECT_EQ(a.m_brushSet.GetPixel(2 * kCell, 0), 0x000000u);
  // From style 200 on the nearest pixel counts: the tip's top-left corner.
  a.Reset();
  CBrushState& b = RenderedState(200);
  EXPECT_EQ(b.m_brushSet.GetPixel(2 * kCell, 0), 0xFFFFFFu);
  const Surface tip = Tip();
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) ASSERT_EQ(b.m_brushSet.GetPixel(x, 15 * kCell + y), tip.GetPixel(2 * x, 2 * y));
  }
}

TEST_F(BrushStateTest, MaskTwoIsSetExactlyWhereTheSetIsWhiteAndMaskOneIsItsInverse) {
  CBrushState& a = RenderedState();
  int white = 0;
  for (int y = 0; y < CBrushState::kSetHeight; ++y) {
    for (int x = 0; x < CBrushState::kSetWidth; ++x) {
      const bool setWhite = IsWhite(a.m_brushSet.GetPixel(x, y));
      white += setWhite;
      ASSERT_EQ(IsWhite(a.m_mask2.GetPixel(x, y)), setWhite) << x << "," << y;
      ASSERT_EQ(IsWhite(a.m_mask1.GetPixel(x, y)), !setWhite) << x << "," << y;
    }
  }
  EXPECT_GT(white, 0);
  EXPECT_LT(white, CBrushState::kSetWidth * CBrushState::kSetHeight);
}

TEST_F(BrushStateTest, RenderingAgainWithTheSameSettingsGivesTheSameSet) {
  // Tip 1 comes from the brush kind as loaded, not from the thinned tip of an earlier
  // rendering, so a repeated rendering does not thin the brush further.
  CBrushState& a = RenderedState(0, 5);
  Surface first;
  ASSERT_TRUE(first.Create(CBrushState::kSetWidth, CBrushState::kSetHeight, tmb::PixelFormat::kColour32));
  tmb::DeviceContext dc(&first);
  tmb::DeviceContext set(&a.m_brushSet);
  dc.BitBlt(0, 0, CBrushState::kSetWidth, CBrushState::kSetHeight, &set, 0, 0, tmb::kSrcCopy);
  for (int round = 0; round < 3; ++round) {
    a.m_bRenderRequest = 1;
    a.RenderBrushSet(&screen);
    EXPECT_TRUE(SameBlock(a.m_brushSet, first, first.Bounds(), 0, 0)) << round;
  }
  // Without a request nothing is rendered.
  a.m_param[41] = 1;
  a.RenderBrushSet(&screen);
  EXPECT_TRUE(SameBlock(a.m_brushSet, first, first.Bounds(), 0, 0));
  // A larger brush size thins more.
  const int ink = InkOfCell(a.m_brushSet, 1, 32);
  a.m_bRenderRequest = 1;
  a.RenderBrushSet(&screen);
  EXPECT_LT(InkOfCell(a.m_brushSet, 1, 32), ink);
}

TEST_F(BrushStateTest, RecolouringGivesBlackTheBrushColourKeepsWhiteAndCanBeRepeated) {
  CBrushState& a = RenderedState();
  const Surface mask1Before = [&a] {
    Surface m;
    EXPECT_TRUE(m.Create(CBrushState::kSetWidth, CBrushState::kSetHeight, tmb::PixelFormat::kMono1));
    tmb::DeviceContext dc(&m);
    tmb::DeviceContext src(&a.m_mask1);
    dc.BitBlt(0, 0, m.width(), m.height(), &src, 0, 0, tmb::kSrcCopy);
    return m;
  }();
  const Surface tip = Tip();
  a.m_saved[0] = 7;
  for (Colour colour : {Colour(0x0000FF), Colour(0xC08000)}) {  // red, then a blue
    a.PaintCharacter(&screen, colour, 1);
    EXPECT_EQ(a.m_saved[3], int(colour));
    EXPECT_EQ(a.m_saved[0], 0);
    const tmb::Rect cell = CBrushState::GetCellRect(0, 31);
    for (int y = 0; y < kCell; ++y) {
      for (int x = 0; x < kCell; ++x) {
        const Colour t = tip.GetPixel(x, y), s = a.m_brushSet.GetPixel(cell.left + x, cell.top + y);
        if (IsWhite(t)) {
          ASSERT_EQ(s, 0xFFFFFFu);
        } else if (t == 0) {
          ASSERT_EQ(s, colour);
        } else {
          // A grey moves the colour toward white by its share.
          const int g = tmb::RedOf(t);
          ASSERT_EQ(tmb::GreenOf(s), tmb::GreenOf(colour) + (255 - tmb::GreenOf(colour)) * g / 255);
        }
      }
    }
  }
  tmb::test::SavePictureForViewing(a.m_brushSet, "brush_set_recoloured");
  EXPECT_TRUE(SameBlock(a.m_mask1, mask1Before, mask1Before.Bounds(), 0, 0));
}

TEST_F(BrushStateTest, PaintingModeZeroPutsTheSetInTheBrushColourOnBothColourWorkBitmaps) {
  CBrushState& a = RenderedState();
  gWorkCanvas.m_spareBitmap.Fill(0x123456);
  a.PaintCharacter(&screen, 0x00A000, 0);
  // The spare bitmap has the paper's size (500 x 750) and takes what of the set fits.
  for (const Surface* canvas : {static_cast<const Surface*>(&gWorkCanvas.m_colorBitmap),
                                static_cast<const Surface*>(&gWorkCanvas.m_spareBitmap)}) {
    ASSERT_FALSE(canvas->IsNull());
    const int height = std::min(canvas->height(), CBrushState::kSetHeight);
    for (int y = 0; y < height; y += 3) {
      for (int x = 0; x < CBrushState::kSetWidth; ++x) {
        const bool ink = !IsWhite(a.m_brushSet.GetPixel(x, y));
        ASSERT_EQ(canvas->GetPixel(x, y), ink ? 0x00A000u : 0xFFFFFFu) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(gWorkCanvas.m_spareBitmap.GetPixel(CBrushState::kSetWidth, 0), 0x123456u);
}

TEST_F(BrushStateTest, TheColouredSetIsMadeFromTheUnthinnedTipsOfTheBottomRow) {
  CBrushState& a = RenderedState(0, 3);
  const Surface tip = Tip();
  const Colour colour = 0x2040C0;
  a.PaintCharacter(&screen, colour, 1);
  auto shaded = [colour](Colour t) {
    if (IsWhite(t)) return Colour(0xFFFFFF);
    const int g = tmb::RedOf(t);
    auto shade = [g](int c) { return c + (255 - c) * g / 255; };
    return tmb::MakeRgb(shade(tmb::RedOf(colour)), shade(tmb::GreenOf(colour)), shade(tmb::BlueOf(colour)));
  };
  // At full size every kind, the thinned ones too, is the whole tip in colour.
  for (int k = 0; k < 8; ++k) {
    const tmb::Rect cell = CBrushState::GetCellRect(k, 31);
    for (int y = 0; y < kCell; ++y) {
      for (int x = 0; x < kCell; ++x) {
        ASSERT_EQ(a.m_brushSet.GetPixel(cell.left + x, cell.top + y), shaded(tip.GetPixel(x, y)))
            << "kind " << k << " at " << x << "," << y;
      }
    }
  }
  // The top row keeps its thinned tips for the next rendering.
  EXPECT_FALSE(SameBlock(a.m_tipStrip, tip, {kCell, 0, 2 * kCell, kCell}, 0, 0));
}

TEST_F(BrushStateTest, TheCornerGapOfKindZeroIsFilledInBlack) {
  struct Case {
    int style;
    int corner;  // the corner whose gap is filled: 0, 1, or -1 for none
  };
  const Case cases[] = {{300, 0}, {300, 1}, {100, 1}, {100, -1}, {250, -1}};
  for (const Case& c : cases) {
    for (CBrushState& s : gBrushStates) s.Reset();
    CBrushState& a = RenderedState(c.style);
    // Kind 0 becomes a grey pair of pixels on the diagonal with white between them.
    const int d = c.corner < 0 ? (c.style < 200 ? 0 : 1) : c.corner;
    for (tmb::Surface* s : {&a.m_tipStrip, &a.m_loadedTips}) {
      for (int y = 0; y < kCell; ++y) {
        for (int x = 0; x < kCell; ++x) s->SetPixel(x, y, 0xFFFFFF);
      }
      s->SetPixel(d, d, 0x808080);
      s->SetPixel(d + 1, d + 1, 0x808080);
    }
    a.m_param[37] = c.style;
    a.m_bRenderRequest = 1;
    a.RenderBrushSet(&screen);
    const tmb::Rect cell = CBrushState::GetCellRect(0, 31);
    const Colour gap = c.corner < 0 ? 0xFFFFFF : 0x000000;
    EXPECT_EQ(a.m_brushSet.GetPixel(cell.left + d + 1, cell.top + d), gap) << "style " << c.style;
    // In a brush colour too.
    a.PaintCharacter(&screen, 0x0000FF, 1);
    EXPECT_EQ(a.m_brushSet.GetPixel(cell.left + d + 1, cell.top + d), gap) << "style " << c.style;
    EXPECT_EQ(a.m_brushSet.GetPixel(cell.left + d, cell.top + d), tmb::MakeRgb(255, 128, 128));
  }
}

TEST_F(BrushStateTest, WindowBTakesTheSetMasksStripAndCentresOfWindowA) {
  CBrushState& a = RenderedState();
  CBrushState& b = gBrushStates[1];
  ASSERT_EQ(b.Create(&screen, 0), 1);
  b.BuildMasks(&screen, a);
  EXPECT_TRUE(SameBlock(b.m_brushSet, a.m_brushSet, a.m_brushSet.Bounds(), 0, 0));
  EXPECT_TRUE(SameBlock(b.m_mask1, a.m_mask1, a.m_mask1.Bounds(), 0, 0));
  EXPECT_TRUE(SameBlock(b.m_mask2, a.m_mask2, a.m_mask2.Bounds(), 0, 0));
  EXPECT_TRUE(SameBlock(b.m_tipStrip, a.m_tipStrip, a.m_tipStrip.Bounds(), 0, 0));
  EXPECT_EQ(b.m_tipCentres, a.m_tipCentres);
}

TEST_F(BrushStateTest, DeletingTheObjectsLeavesTheStateUncreated) {
  CBrushState& a = RenderedState();
  a.DeleteObjects();
  EXPECT_EQ(a.m_bCreated, 0);
  EXPECT_TRUE(a.m_brushSet.IsNull());
  EXPECT_EQ(a.m_bitmap.m_bCreated, 0);
  // Painting an uncreated state does nothing.
  a.PaintCharacter(&screen, 0x0000FF, 1);
  EXPECT_TRUE(a.m_brushSet.IsNull());
}

TEST(BrushStateCells, ACellIsThe32By32SquareOfItsKindAndSize) {
  EXPECT_EQ(CBrushState::GetCellRect(3, 5), (tmb::Rect{96, 160, 128, 192}));
  EXPECT_EQ(CBrushState::GetCellRect(0, 0), (tmb::Rect{0, 0, 32, 32}));
}

}  // namespace
