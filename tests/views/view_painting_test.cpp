// The painting of a drawing view: the character brush-written into the back buffer, the
// writing area shown from it with its surroundings, guides and edit rectangles, the
// clearing of the back buffer, and the first paint's warnings about the display.
#include <QCoreApplication>
#include <array>

#include "convert/analysis/stroke_feature_list.h"
#include "core/document/tmb_doc.h"
#include "support/picture_files.h"
#include "support/recorded_character.h"
#include "views/view_fixture.h"

namespace tmb::test {
namespace {

using ViewPainting = DrawingViewTest;

// The window surface's pixel over paper point (x, y).
Colour WindowPixel(const CTmbView& view, int x, int y) {
  const Rect client = view.ClientRectLogical();
  const Point o = gDrawState.m_ptCanvasOrigin;
  return view.windowSurface().GetPixel(x + o.x - client.left, y + o.y - client.top);
}

// Whether the window shows the back buffer unchanged over the whole paper.
bool WindowShowsBackBuffer(const CTmbView& view) {
  const Surface& back = gBrushStates[0].m_bitmap;
  for (int y = 0; y < back.height(); ++y) {
    for (int x = 0; x < back.width(); ++x) {
      if (WindowPixel(view, x, y) != back.GetPixel(x, y)) return false;
    }
  }
  return true;
}

// The part of the paper the window shows, after a scroll, is the back buffer unchanged.
void ExpectShownPaperIsTheBackBuffer(const CTmbView& view) {
  const Surface& back = gBrushStates[0].m_bitmap;
  int differ = 0, compared = 0;
  for (int y = 0; y < back.height(); ++y) {
    for (int x = 0; x < back.width(); ++x) {
      const Colour c = WindowPixel(view, x, y);
      if (c == kInvalidColour) continue;
      ++compared;
      differ += c != back.GetPixel(x, y);
    }
  }
  EXPECT_GT(compared, 200 * 200);
  EXPECT_EQ(differ, 0);
}

int CountNot(const Surface& s, Colour colour) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) n += s.GetPixel(x, y) != colour;
  }
  return n;
}

TEST_F(ViewPainting, AnEmptyCharacterPaintsACleanBufferAndThePaperInItsWindow) {
  CTmbView& view = MakeView();
  FirstPaint(view);
  EXPECT_EQ(view.m_bInitialised, 1);
  EXPECT_EQ(view.m_nIndex, 0);
  EXPECT_EQ(gDrawState.m_bViewsReady, 1);
  for (const CStrokeFeatureList& list : gStrokeFeatureLists) EXPECT_TRUE(list.IsAllocated());
  const Surface& back = BackBuffer();
  ASSERT_EQ(back.width(), kPaperWidth);
  ASSERT_EQ(back.height(), kPaperHeight);
  EXPECT_EQ(CountNot(back, kWhite), 0);
  EXPECT_TRUE(WindowShowsBackBuffer(view));
  // Around the paper: the window's own colour.
  EXPECT_EQ(view.windowSurface().GetPixel(2, 2), gDrawState.m_crBackA);
  CTmbView::ClientDC dc(view);
  EXPECT_EQ(view.PaintCharacterView(dc), 1);
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(ViewPainting, ALoadedCharacterPaintsItsBrushWrittenFormUnderItsStrokesOnly) {
  AppendRecordedCharacter(a);
  a.m_nLoadState = 2;  // as a file leaves it: its settings are kept
  CTmbView& view = MakeView();
  FirstPaint(view);
  const Surface& back = BackBuffer();
  EXPECT_FALSE(SavePictureForViewing(back, "drawing_view_loaded_character").empty());
  EXPECT_EQ(windows.docA->m_nLastPainted, a.m_nPoints);
  EXPECT_TRUE(WindowShowsBackBuffer(view));

  // Ink may lie only near the pen's way: the written strokes and, as the default style is
  // cursive, the links from each stroke's end to the next one's start. The brush and the
  // conversion's bowing and rounding of corners stay within 40 pixels of it.
  Surface allowed;
  ASSERT_TRUE(allowed.Create(back.width(), back.height(), PixelFormat::kMono1));
  allowed.Fill(kWhite);
  DeviceContext mask(&allowed);
  mask.SelectPen({kPenSolid, 80, 0x000000, kCapRound, kJoinRound});
  for (int i = 0; i + 1 < a.m_nPoints; ++i) {
    mask.MoveTo(a.m_pPoints[i].x, a.m_pPoints[i].y);
    mask.LineTo(a.m_pPoints[i + 1].x, a.m_pPoints[i + 1].y);
  }
  int ink = 0, stray = 0;
  for (int y = 0; y < back.height(); ++y) {
    for (int x = 0; x < back.width(); ++x) {
      if (back.GetPixel(x, y) == kWhite) continue;
      ++ink;
      stray += allowed.GetPixel(x, y) == kWhite;
    }
  }
  EXPECT_EQ(stray, 0);
  EXPECT_GT(ink, back.width() * back.height() / 100);
  // Every stroke is inked near its middle: the conversion slants and bows the short
  // strokes, whose brush is thin in the middle, up to 16 pixels away from it.
  for (int s = 0; s < kRecordedStrokeCount; ++s) {
    const Point m = a.m_pPoints[s * kRecordedPointsPerStroke + kRecordedPointsPerStroke / 2];
    int dark = 0;
    for (int y = m.y - 16; y <= m.y + 16; ++y) {
      for (int x = m.x - 16; x <= m.x + 16; ++x) dark += RedOf(back.GetPixel(x, y)) < 128;
    }
    EXPECT_GT(dark, 0) << "stroke " << s;
  }
}

TEST_F(ViewPainting, ClearingFillsTheBackBufferAndShowsItOnlyInModesZeroAndTwo) {
  AddThreeStrokes(a);
  CTmbView& view = MakeView();
  FirstPaint(view);
  ASSERT_GT(CountNot(BackBuffer(), kWhite), 0);
  const Colour shown = WindowPixel(view, 200, 100);
  ASSERT_NE(shown, kWhite);

  CTmbView::ClientDC dc(view);
  view.ClearWritingArea(dc, 1);
  EXPECT_EQ(CountNot(BackBuffer(), kWhite), 0);
  EXPECT_EQ(WindowPixel(view, 200, 100), shown);  // the window is left alone

  const Colour paper = 0x80C0FF;
  a.m_param[157] = int32_t(paper);
  view.ClearWritingArea(dc, 1);
  EXPECT_EQ(CountNot(BackBuffer(), kWhite), 0);  // the option is off
  view.m_bBackgroundOption = 1;
  view.ClearWritingArea(dc, 0);
  EXPECT_EQ(CountNot(BackBuffer(), paper), 0);
  EXPECT_EQ(WindowPixel(view, 200, 100), paper);

  windows.docA->m_nLastPainted = 9;
  view.ClearWritingArea(dc, 2);
  EXPECT_EQ(windows.docA->m_nLastPainted, 0);
  EXPECT_EQ(view.m_nAutoCapture, 0);
  EXPECT_TRUE(WindowShowsBackBuffer(view));
}

TEST_F(ViewPainting, GuidesAreDrawnOnTheWindowNotIntoTheBackBuffer) {
  CTmbView& view = MakeView();
  FirstPaint(view);
  auto greyOnWindow = [&view] {
    int n = 0;
    for (int y = 0; y < kPaperHeight; ++y) {
      for (int x = 0; x < kPaperWidth; ++x) n += WindowPixel(view, x, y) == 0xA0A0A0;
    }
    return n;
  };
  EXPECT_EQ(greyOnWindow(), 0);
  view.RedrawGuides();
  EXPECT_EQ(view.m_bGuidesDrawn, 1);
  EXPECT_GT(greyOnWindow(), 0);
  EXPECT_EQ(CountNot(BackBuffer(), kWhite), 0);
  // The guide flag brings them back with every paint of the writing area.
  view.RefreshWritingArea();
  EXPECT_GT(greyOnWindow(), 0);
  // Without a cell size there is no grid.
  a.m_param[32] = 0;
  view.m_bGuidesDrawn = 0;
  view.RefreshWritingArea();
  view.RedrawGuides();
  EXPECT_EQ(greyOnWindow(), 0);
}

TEST_F(ViewPainting, EditModeShowsTheRectanglesAndDrawingModeTakesThemAway) {
  AddThreeStrokes(a);
  CEditRegions& regions = a.m_regions.m_list;
  regions.m_rects[0] = {80, 80, 320, 120};
  regions.m_rects[1] = {180, 140, 220, 360};
  regions.m_nCount = 2;
  CTmbView& view = MakeView();
  FirstPaint(view);
  ASSERT_TRUE(WindowShowsBackBuffer(view));
  view.SetEditMode(CTmbView::kModeEdit);
  EXPECT_EQ(view.m_nMode, CTmbView::kModeEdit);
  EXPECT_EQ(regions.m_bDrawn, 1);
  EXPECT_FALSE(WindowShowsBackBuffer(view));
  // The frame of the first rectangle along its top edge, dotted.
  auto onTopEdge = [&view] {
    int n = 0;
    for (int x = 100; x < 300; ++x) n += WindowPixel(view, x, 80) != BackBuffer().GetPixel(x, 80);
    return n;
  };
  EXPECT_GT(onTopEdge(), 50);
  // A repaint of the writing area shows them again, not twice.
  view.RefreshWritingArea();
  EXPECT_GT(onTopEdge(), 50);
  view.SetEditMode(CTmbView::kModeDraw);
  EXPECT_TRUE(WindowShowsBackBuffer(view));
  // Without rectangles the mode changes and the window stays as it is.
  regions.m_nCount = 0;
  view.SetEditMode(CTmbView::kModeEdit);
  EXPECT_EQ(view.m_nMode, CTmbView::kModeEdit);
  EXPECT_TRUE(WindowShowsBackBuffer(view));
}

TEST_F(ViewPainting, TheOtherWindowsPictureIsLaidUnderThisOne) {
  AddStroke(a, {{100, 100}, {200, 100}, {300, 100}});
  AddStroke(b, {{100, 500}, {200, 500}, {300, 500}});
  CTmbView& viewA = MakeView(0);
  CTmbView& viewB = MakeView(2);
  FirstPaint(viewA);
  FirstPaint(viewB);
  auto inkNear = [](const Surface& s, int y) { return CountNot(s, kWhite) && s.GetPixel(200, y) != kWhite; };
  ASSERT_TRUE(inkNear(BackBuffer(0), 100));
  ASSERT_FALSE(inkNear(BackBuffer(0), 500));
  ASSERT_TRUE(inkNear(BackBuffer(1), 500));
  const int inkB = CountNot(BackBuffer(1), kWhite);
  viewA.OverlayOtherWindow();
  EXPECT_TRUE(inkNear(BackBuffer(0), 100));
  EXPECT_TRUE(inkNear(BackBuffer(0), 500));
  EXPECT_EQ(CountNot(BackBuffer(1), kWhite), inkB);
  EXPECT_TRUE(WindowShowsBackBuffer(viewA));
}

TEST_F(ViewPainting, WhereBothWindowsHaveInkTheOverlayKeepsTheDarkerOfTheTwo) {
  AddStroke(a, {{100, 100}, {200, 100}, {300, 100}});
  AddStroke(b, {{200, 40}, {200, 100}, {200, 160}});
  CTmbView& viewA = MakeView(0);
  CTmbView& viewB = MakeView(2);
  FirstPaint(viewA);
  FirstPaint(viewB);
  const Surface& under = BackBuffer(1);
  std::vector<Colour> before;
  for (int y = 0; y < kPaperHeight; ++y) {
    for (int x = 0; x < kPaperWidth; ++x) before.push_back(BackBuffer(0).GetPixel(x, y));
  }
  viewA.OverlayOtherWindow();
  SavePictureForViewing(BackBuffer(0), "overlay_of_window_b_under_a");
  const Colour paperB = Colour(b.m_param[157]);
  int wrong = 0, overlap = 0;
  for (int y = 0; y < kPaperHeight; ++y) {
    for (int x = 0; x < kPaperWidth; ++x) {
      const Colour mine = before[size_t(y * kPaperWidth + x)], other = under.GetPixel(x, y);
      const Colour expected = other == paperB ? mine : Colour(mine & other);
      wrong += BackBuffer(0).GetPixel(x, y) != expected;
      overlap += mine != kWhite && other != kWhite && other != paperB;
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_GT(overlap, 0) << "the strokes cross";
}

TEST_F(ViewPainting, ScrollingByAStepShowsThePaperAtItsNewPlace) {
  AddThreeStrokes(a);
  CTmbView& view = MakeView();
  view.resize(300, 300);
  QCoreApplication::sendPostedEvents();
  FirstPaint(view);
  const Rect before = view.ClientRectLogical();
  CTmbView::ClientDC dc(view);
  view.ScrollBy(dc, 1, 32);
  view.ScrollBy(dc, 0, -32);
  const Rect after = view.ClientRectLogical();
  EXPECT_EQ(after.top, before.top + 32);
  EXPECT_EQ(after.left, before.left - 32);
  ExpectShownPaperIsTheBackBuffer(view);
}

TEST_F(ViewPainting, ScrollingToAPlaceShowsThePaperThere) {
  AddThreeStrokes(a);
  CTmbView& view = MakeView();
  view.resize(300, 300);
  QCoreApplication::sendPostedEvents();
  FirstPaint(view);
  CTmbView::ClientDC dc(view);
  view.ScrollTo(dc, 40, 100);
  const Rect client = view.ClientRectLogical();
  EXPECT_EQ(client.left, 40);
  EXPECT_EQ(client.top, 100);
  ExpectShownPaperIsTheBackBuffer(view);
}

TEST_F(ViewPainting, TheOtherStrokeDrawingHoldsTheRenderingWordsForItsOneCall) {
  AddThreeStrokes(a);
  CTmbView& view = MakeView();
  FirstPaint(view);
  view.m_renderWords = {7, 8};
  CTmbView::ClientDC dc(view);
  EXPECT_EQ(view.DrawCharacterStrokesAlt(dc, 0, -1), view.DrawCharacterStrokes(dc, 0, -1));
  EXPECT_EQ(view.m_renderWords, (std::array<int32_t, 2>{7, 8}));
}

TEST_F(ViewPainting, TheStrokesAreStampedAgainOnlyWhileTheOutlineIsNotMarkedChanged) {
  AddThreeStrokes(a);
  CTmbView& view = MakeView();
  FirstPaint(view);
  CTmbView::ClientDC dc(view);
  struct Case {
    int dirty;
    bool stamped;
  } cases[] = {{0, true}, {-1, true}, {1, false}};
  for (const Case& c : cases) {
    view.ClearWritingArea(dc, 1);
    ASSERT_EQ(CountNot(BackBuffer(), kWhite), 0);
    a.m_nOutlineDirty = c.dirty;
    view.RedrawStrokesIfChanged(dc);
    EXPECT_EQ(CountNot(BackBuffer(), kWhite) > 500, c.stamped) << c.dirty;
    EXPECT_EQ(a.m_nOutlineDirty, 1) << c.dirty;
    EXPECT_EQ(a.m_param[47], 0) << "the point display is the record's own again";
  }
}

TEST(DrawDot, IsAFourPixelRoundDotInItsColours) {
  Surface s;
  ASSERT_TRUE(s.Create(20, 20, PixelFormat::kColour32));
  s.Fill(kWhite);
  DeviceContext dc(&s);
  CTmbView::DrawDot(dc, 10, 10, 0xFF0000, 0x00FF00);
  EXPECT_EQ(s.GetPixel(10, 10), 0x00FF00u);
  EXPECT_EQ(s.GetPixel(8, 9), 0xFF0000u);
  EXPECT_EQ(s.GetPixel(12, 10), kWhite);
  EXPECT_EQ(CountNot(s, kWhite) <= 16, true);
}

TEST_F(ViewPainting, TheDisplayWarningsComeFromTheDisplayAndWaitUntilThePaintIsOver) {
  struct Case {
    int bits, largest;
    bool palette;
    int kind, starts;
    std::vector<int> shown;
  };
  const Case cases[] = {
      {16, 24, false, 0, 0, {62117}}, {16, 32, false, 0, 20, {62117}}, {16, 24, false, 0, 3, {}},
      {16, 24, false, 2, 0, {}},      {16, 16, false, 0, 0, {}},       {24, 32, false, 0, 0, {}},
      {8, 8, true, 0, 0, {62116}},    {8, 8, true, 0, 7, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.bits << " bits, kind " << c.kind << ", start " << c.starts);
    display.bits = c.bits;
    display.largest = c.largest;
    display.palette = c.palette;
    gDrawState.m_nStartCount = c.starts;
    messages.ids.clear();
    a.m_param[176] = 0;
    CTmbView& view = MakeView(c.kind);
    // A real paint event: the set-up and its questions wait until it is over.
    view.grab();
    EXPECT_EQ(view.m_bInitialised, 0);
    EXPECT_TRUE(messages.ids.empty());
    QCoreApplication::processEvents();
    EXPECT_EQ(view.m_bInitialised, 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.ids, c.shown);
    EXPECT_EQ(gDrawState.m_nDisplayBits, c.bits);
    EXPECT_EQ(gDrawState.m_bPaletteDevice, c.palette ? 1 : 0);
    EXPECT_EQ(TmbDocOfKind(c.kind)->m_char.m_param[176], c.palette ? 1 : 0);
  }
}

}  // namespace
}  // namespace tmb::test
