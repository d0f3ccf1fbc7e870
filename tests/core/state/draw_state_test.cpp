#include "core/state/draw_state.h"

#include <gtest/gtest.h>

#include "platform/gdi/bitmap_memory.h"

#include "core/canvas/work_canvas.h"
#include "support/scripted_messages.h"

namespace {

class DrawStateTest : public ::testing::Test {
 protected:
  void SetUp() override { gDrawState.Reset(); }
  void TearDown() override {
    gDrawState.Reset();
    gWorkCanvas.Reset();
  }
};

TEST_F(DrawStateTest, TheRegistrationFlagsShowThePanelWithItsTextBoxTakingTheKeys) {
  gDrawState.SetRegistrationFlags(1);
  EXPECT_EQ(gDrawState.m_toolPanel.m_bShown, 1);
  EXPECT_EQ(gDrawState.m_toolPanel.m_bFocusEdit, 1);
  gDrawState.SetRegistrationFlags(0);
  EXPECT_EQ(gDrawState.m_toolPanel.m_bShown, 0);
  EXPECT_EQ(gDrawState.m_toolPanel.m_bFocusEdit, 0);
}

TEST_F(DrawStateTest, RowHeightGrowsForSmallScreenFonts) {
  struct Case {
    int height, leading, ascent, row;
  } cases[] = {
      {14, 2, 12, 22},  // (14 + 2) * 10 / 7
      {16, 0, 15, 22},
      {20, 1, 16, 21},  // ascent of 16: as measured
      {24, 0, 19, 24},
  };
  for (const Case& c : cases) {
    ScreenMetrics m;
    m.textHeight = c.height;
    m.externalLeading = c.leading;
    m.ascent = c.ascent;
    gDrawState.MeasureScreen(m);
    EXPECT_EQ(gDrawState.m_nRowHeight, c.row) << "ascent " << c.ascent;
  }
  EXPECT_EQ(gDrawState.m_rcCanvas, (tmb::Rect{32, 32, 532, 782}));
}

TEST_F(DrawStateTest, LayoutOfAWideAndANarrowClientArea) {
  ScreenMetrics m;
  m.captionButtonHeight = 18;
  m.scrollBarWidth = 16;
  gDrawState.m_nRowHeight = 20;
  // Wide: the drawing pane is the canvas plus four rows; tall: limited by the canvas.
  gDrawState.LayoutWindows({0, 0, 1600, 1100}, m);
  const auto& L = gDrawState.m_layout;
  EXPECT_EQ(gDrawState.m_nPanelWidth, 140);
  EXPECT_EQ(L[kLayoutDrawPane], (tmb::Rect{0, 0, 580, 854}));  // 750 + 40 + 64
  EXPECT_EQ(L[kLayoutPanelPane], (tmb::Rect{0, 0, 150, 854}));
  EXPECT_EQ(L[kLayoutTreePane], (tmb::Rect{0, 0, 0, 854}));
  const int totalW = 580 + 150 + 16;
  const int x0 = (1600 - totalW) / 2;
  EXPECT_EQ(L[kLayoutFrameA], (tmb::Rect{x0, 36, x0 + totalW, 854 + 36}));
  tmb::Rect b = L[kLayoutFrameA];
  b.Offset(18, 18);
  EXPECT_EQ(L[kLayoutFrameB], b);
  EXPECT_EQ(L[kLayoutZoomPane], (tmb::Rect{0, 0, 580 / 3, 854}));
  EXPECT_EQ(L[kLayoutListFrame], (tmb::Rect{0, 0, 500, 500}));

  // Narrow and short: the client width less four rows, and the row of at least 23 rows.
  gDrawState.LayoutWindows({0, 0, 400, 300}, m);
  EXPECT_EQ(L[kLayoutDrawPane].Width(), 400 - 80);
  EXPECT_EQ(L[kLayoutPicturePane].Height(), 300 - 36);
  EXPECT_EQ(L[kLayoutDrawPane].Height(), 23 * 20);
}

TEST_F(DrawStateTest, CanvasStartUpKeepsTheDataSizeClassInRange) {
  struct Case {
    int dataSize, points, kept;
  } cases[] = {{0, 32000, 1}, {1, 32000, 1}, {3, 96000, 3}, {4, 128000, 4}, {9, 128000, 4}, {-2, 32000, 1}};
  for (const Case& c : cases) {
    gDrawState.m_nMaxDataSize = c.dataSize;
    ASSERT_EQ(gDrawState.StartCanvas(ScreenMetrics{}), 1);
    EXPECT_EQ(gDrawState.m_nMaxPoints, c.points) << c.dataSize;
    EXPECT_EQ(gDrawState.m_nMaxDataSize, c.kept);
    EXPECT_EQ(gWorkCanvas.m_nMaxPoints, c.points);
  }
}

TEST_F(DrawStateTest, CanvasStartUpGivesTheWorkCanvasThePaperSizeAndTheUsersFolder) {
  gDrawState.m_sizeCanvas = {640, 900};
  gDrawState.m_szCurFolder = "/usr/share/tamberi";
  gDrawState.m_szUserFolder = "/data";
  ASSERT_EQ(gDrawState.StartCanvas(ScreenMetrics{}), 1);
  EXPECT_EQ(gWorkCanvas.m_width, 640);
  EXPECT_EQ(gWorkCanvas.m_height, 900);
  EXPECT_EQ(gWorkCanvas.m_folder, "/data");
  EXPECT_EQ(gDrawState.m_rcCanvas, (tmb::Rect{32, 32, 672, 932}));
  // The drawing's work bitmaps are there, at the paper size.
  EXPECT_EQ(gWorkCanvas.m_spareBitmap.width(), 640);
  EXPECT_EQ(gWorkCanvas.m_spareBitmap.height(), 900);
  // And the work bitmap of the drawing state, in colour.
  EXPECT_EQ(gDrawState.m_bmpWork.m_bCreated, 1);
  EXPECT_EQ(gDrawState.m_bmpWork.size(), (tmb::Size{640, 900}));
  EXPECT_FALSE(gDrawState.m_bmpWork.IsMono());
}

TEST_F(DrawStateTest, AWorkBitmapThatCannotBeMadeFailsTheStartUpWithStageSix) {
  tmb::test::ScriptedMessages messages;
  ASSERT_EQ(gDrawState.StartCanvas(ScreenMetrics{}), 1);
  // Room for the canvas's bitmaps and not one byte more: the work bitmap, made last, fails.
  const size_t all = tmb::BitmapMemoryInUse();
  gDrawState.m_bmpWork.Destroy();
  const size_t canvasOnly = tmb::BitmapMemoryInUse();
  ASSERT_LT(canvasOnly, all);
  gWorkCanvas.DeleteBitmaps();
  tmb::ScopedBitmapMemoryLimit limit(all - 1);
  EXPECT_EQ(gDrawState.StartCanvas(ScreenMetrics{}), -1);
  ASSERT_EQ(messages.ids, std::vector<int>{62136});
  EXPECT_NE(messages.texts[0].find('6'), std::string::npos);
  EXPECT_EQ(gDrawState.m_bmpWork.m_bCreated, 0);
}

TEST_F(DrawStateTest, CanvasWithoutAreaFailsWithAMessage) {
  tmb::test::ScriptedMessages messages;
  gDrawState.m_sizeCanvas = {0, 750};
  EXPECT_EQ(gDrawState.StartCanvas(ScreenMetrics{}), -1);
  ASSERT_EQ(messages.ids, std::vector<int>{62136});
  EXPECT_NE(messages.texts[0].find('6'), std::string::npos);
}

TEST_F(DrawStateTest, KindMinusOneIsWindowBWheneverTheCurrentKindIsNonZero) {
  struct Case {
    int current, resolved;
  } cases[] = {{0, kKindDrawA}, {1, kKindDrawB}, {2, kKindDrawB}, {4, kKindDrawB}};
  for (const Case& c : cases) {
    gDrawState.m_nCurDrawKind = c.current;
    EXPECT_EQ(gDrawState.ResolveKind(kKindCurrentDraw), c.resolved) << c.current;
    for (int kind = 0; kind <= 7; ++kind) EXPECT_EQ(gDrawState.ResolveKind(kind), kind);
  }
}

TEST_F(DrawStateTest, StartValues) {
  for (int flag : gDrawState.m_windowOpen) EXPECT_EQ(flag, -1);
  EXPECT_EQ(gDrawState.m_crBackA, 0x408060u);
  EXPECT_EQ(gDrawState.m_crBackPreview, 0xFFC080u);
  gDrawState.ApplyBackScheme(1);
  EXPECT_EQ(gDrawState.m_crBackA, 0xA0A0A0u);
  EXPECT_EQ(gDrawState.m_crBackEdit, 0x404040u);
}

}  // namespace
