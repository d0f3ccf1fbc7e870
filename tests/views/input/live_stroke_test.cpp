// The stamped stroke: the width at a point, the sizes a segment's stamps go through, the
// flying-white column, stamps cut at every edge, and the point display that stamps the
// whole character.
#include <climits>
#include <vector>

#include "convert/driver/tablet_ink.h"
#include "core/document/tmb_doc.h"
#include "core/path/stroke_work.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"
#include "views/input/pen_fixture.h"

namespace tmb::test {
namespace {

using LiveStroke = PenInputTest;

struct WidthCase {
  const char* what;
  int width, modulation, damping, startMode, emphasis, maxWidth, minNormal, minEnd;
  float fx, fy;
  int kind, endFlag;
  float pressure, lastLength;
  int expected;
};

TEST(StrokeWidthAt, FollowsLengthPressureStartModeCapsAndMinimums) {
  const WidthCase cases[] = {
      // len 10, adj (1 - 10) x 5 / 10: L = 5; ((20 x 50 x -5) / 500 + 20) / 2
      {"inside, no pressure", 20, 50, 5, 1, 0, 31, 3, 2, 10, 0, 0, 0, -1, 0, 5},
      // start mode 1 halves W and takes a third of M; no damping at a start: L = 10
      {"start, mode 1", 20, 50, 5, 1, 0, 31, 3, 2, 10, 0, 1, 0, -1, 0, 3},
      {"start, mode 2", 20, 50, 5, 2, 0, 31, 3, 2, 10, 0, 1, 0, -1, 0, 5},
      {"start, no start mode", 20, 50, 5, 0, 0, 31, 3, 2, 6, 8, 1, 0, -1, 0, 1},
      // an end measures the last length: 30 - 14.5 = 15.5
      {"end, mode 1", 20, 50, 5, 1, 0, 31, 3, 2, 1, 1, 2, 1, -1, 30, 3},
      // long fast segments: below the minimum, inside takes it, a start keeps 1
      {"inside, long", 20, 50, 5, 1, 0, 31, 3, 2, 300, 0, 0, 0, -1, 0, 3},
      {"start, long", 20, 50, 5, 1, 0, 31, 3, 2, 0, 300, 1, 0, -1, 0, 1},
      {"end minimum", 20, 50, 5, 1, 0, 31, 7, 9, 300, 0, 0, 1, -1, 0, 9},
      // pressure: 5 x 9 + 65 x 1000 x 32 / 250000 = 53.32
      {"pressure", 20, 50, 5, 1, 0, 31, 3, 2, 10, 0, 0, 0, 80, 0, 5},
      {"pressure, emphasised", 20, 50, 5, 1, 1, 31, 3, 2, 10, 0, 0, 0, 80, 0, 6},
      {"full pressure", 60, 100, 5, 1, 1, 31, 3, 2, 10, 0, 0, 0, 100, 0, 28},
      {"start pressure k = 10", 20, 50, 5, 0, 1, 31, 3, 2, 10, 0, 1, 0, 100, 0, 6},
      // the caps: the setting, the largest byte
      {"capped by the setting", 200, 0, 5, 1, 0, 31, 3, 2, 0, 0, 0, 0, -1, 0, 31},
      {"setting above a byte", 400, 0, 5, 1, 0, 500, 3, 2, 0, 0, 0, 0, -1, 0, 127},
      {"minimum above a byte", 2, 0, 5, 1, 0, 500, 300, 2, 0, 0, 0, 0, -1, 0, 127},
      {"settings past all sense", INT_MAX, INT_MAX, INT_MAX, 1, 1, INT_MAX, 3, 2, 1e30f, 1e30f, 0, 0, 1e30f, 0, 127},
  };
  CStrokeWork& work = LiveStrokeWork();
  for (const WidthCase& c : cases) {
    SCOPED_TRACE(c.what);
    work.m_param.fill(0);
    work.m_param[3] = c.width;
    work.m_param[4] = c.modulation;
    work.m_param[31] = c.damping;
    work.m_param[38] = c.startMode;
    work.m_param[43] = c.emphasis;
    work.m_param[39] = c.minNormal;
    work.m_param[49] = c.minEnd;
    work.m_nMaxWidth = c.maxWidth;
    CPointRecord rec;
    rec.v[1] = c.pressure;
    rec.v[3] = c.lastLength;
    EXPECT_EQ(CTmbView::StrokeWidthAt(c.fx, c.fy, c.kind, c.endFlag, rec), c.expected);
  }
}

// The sizes of n steps from running size r through the sizes, as a segment stamps them.
std::vector<int> StampSizes(int n, int minor, CStampSizes sizes, int r) {
  gLiveStroke = {};
  gLiveStroke.runningSize = r;
  std::vector<int> out;
  const int step = n < 0 ? -1 : 1;
  for (int t = 0; t != n; t += step) {
    gLiveStroke.runningSize =
        CTmbView::InterpolateStampSize(t, n, minor, sizes, &gLiveStroke.up, &gLiveStroke.down);
    out.push_back(gLiveStroke.runningSize);
  }
  gLiveStroke = {};
  return out;
}

TEST(InterpolateStampSize, StepsOneAtATimeTowardsStartMiddleAndEnd) {
  const CStampSizes sizes{2, 8, 4};
  // Growing every step; thinning every second step, or every step going backwards on
  // the major axis without a minor step.
  EXPECT_EQ(StampSizes(10, 0, sizes, 2), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 7, 7, 6}));
  EXPECT_EQ(StampSizes(-10, 0, sizes, 2), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 7, 6, 5}));
  EXPECT_EQ(StampSizes(-10, 1, sizes, 2), (std::vector<int>{2, 3, 4, 5, 6, 7, 8, 7, 7, 6}));
  // A running size far from the targets closes in by one per step.
  EXPECT_EQ(StampSizes(4, 0, {20, 20, 20}, 2), (std::vector<int>{3, 4, 5, 6}));
  // Stepping suppressed: every stamp takes the start size.
  gLiveStroke.noStepping = 1;
  int up = 1, down = 1;
  EXPECT_EQ(CTmbView::InterpolateStampSize(3, 10, 0, sizes, &up, &down), 2);
  EXPECT_EQ(up + down, 0);
  gLiveStroke = {};
}

TEST(PickStampColumn, FlyingWhiteMovesTheColumnByOneWithinTheSet) {
  CStrokeWork& work = LiveStrokeWork();
  work.m_param.fill(0);
  gLiveStroke = {};
  int column = -1;
  EXPECT_EQ(CTmbView::PickStampColumn(&column, 30, 0, 0), 0);
  EXPECT_EQ(column, 0);
  work.m_param[5] = 40;
  std::vector<int> seen;
  for (int k = 0; k < 8; ++k) seen.push_back(CTmbView::PickStampColumn(&column, 10, 0, k));
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 5, 5, 5}));
  // Near the end the blur is weaker; a weak blur on short segments falls back one a step.
  work.m_param[5] = 5;
  seen.clear();
  for (int k = 0; k < 7; ++k) seen.push_back(CTmbView::PickStampColumn(&column, 3, 1, k));
  EXPECT_EQ(seen, (std::vector<int>{4, 3, 2, 1, 0, 0, 0}));
  // Any blur and segment: never more than one column apart, never outside the set.
  work.m_param[5] = 1000000;
  int prev = gLiveStroke.prevColumn;
  for (int n : {0, 1, 500, -500, 3, 0, 70, 2}) {
    CTmbView::PickStampColumn(&column, n, n % 2, n);
    EXPECT_LE(std::abs(gLiveStroke.prevColumn - prev), 1);
    EXPECT_GE(column, 0);
    EXPECT_LT(column, kStampColumns);
    prev = gLiveStroke.prevColumn;
  }
  gLiveStroke = {};
}

TEST(ClipStamp, CutsAStampOnAllFourSides) {
  struct Case {
    int x, y, extent;
    Rect bounds;
    CStampBlock expected;
  };
  const Rect paper{0, 0, 500, 750};
  const Case cases[] = {
      {100, 100, 10, paper, {100, 100, 10, 10, 0, 0}},
      {-3, -4, 10, paper, {0, 0, 7, 6, 3, 4}},
      {495, 745, 10, paper, {495, 745, 5, 5, 0, 0}},
      {-2, 746, 10, paper, {0, 746, 8, 4, 2, 0}},
      {497, -9, 10, paper, {497, 0, 3, 1, 0, 9}},
      {-20, 5, 10, paper, {}},
      {500, 5, 10, paper, {}},
      {45, 245, 10, {50, 50, 250, 250}, {50, 245, 5, 5, 5, 0}},
  };
  for (const Case& c : cases) {
    const CStampBlock b = ClipStamp(c.x, c.y, c.extent, c.bounds);
    SCOPED_TRACE(testing::Message() << c.x << "," << c.y);
    EXPECT_EQ(b.x, c.expected.x);
    EXPECT_EQ(b.y, c.expected.y);
    EXPECT_EQ(b.width, c.expected.width);
    EXPECT_EQ(b.height, c.expected.height);
    EXPECT_EQ(b.offsetX, c.expected.offsetX);
    EXPECT_EQ(b.offsetY, c.expected.offsetY);
  }
}

TEST_F(LiveStroke, AStampAtAnyEdgeOfThePaperShowsTheCellsPartThatIsOnThePaper) {
  CTmbView::ClientDC dc(*view);
  view->PrepareOffscreenDCs(dc);
  ASSERT_EQ(view->m_bOffscreen, 1);
  const Surface& set = gBrushStates[0].m_brushSet;
  constexpr int kSize = 24;  // a fine style stamps its whole tip: 25 pixels
  ASSERT_GE(a.m_param[37], 300);
  const Point corners[] = {{-9, -7}, {490, -7}, {-9, 740}, {490, 740}, {200, -20}, {-20, 300}, {480, 300}, {200, 730}};
  for (Point p : corners) {
    gBrushStates[0].m_bitmap.Fill(kWhite);
    view->StampCell(dc, view->m_dcBrush, view->m_dcBack, p.x, p.y, kSize, 0, 0, a, 0);
    const Surface& back = BackBuffer();
    int compared = 0, differ = 0;
    for (int y = 0; y < back.height(); ++y) {
      for (int x = 0; x < back.width(); ++x) {
        const int cx = x - p.x, cy = y - p.y;
        const bool inCell = cx >= 0 && cy >= 0 && cx <= kSize && cy <= kSize;
        const Colour want = inCell ? set.GetPixel(cx, kStampCell * kSize + cy) : kWhite;
        compared += inCell;
        differ += back.GetPixel(x, y) != want;
      }
    }
    EXPECT_GT(compared, 0) << p.x << "," << p.y;
    EXPECT_EQ(differ, 0) << p.x << "," << p.y;
  }
  // A zero-length segment stamps nothing.
  gBrushStates[0].m_bitmap.Fill(kWhite);
  const int stamps = gLiveStroke.stampCount;
  CStampSizes sizes{5, 5, 5};
  EXPECT_EQ(view->StampSegment(dc, 100, 100, 0, 0, sizes, view->m_dcBrush, view->m_dcBack, 0, 0, a, 0), 5);
  EXPECT_EQ(gLiveStroke.stampCount, stamps);
  EXPECT_EQ(InkIn({0, 0, kPaperWidth, kPaperHeight}), 0);
  // A segment of n pixels: n stamps, its last pixel left out.
  view->StampSegment(dc, 100, 100, -7, 3, sizes, view->m_dcBrush, view->m_dcBack, 0, 0, a, 0);
  EXPECT_EQ(gLiveStroke.stampCount, stamps + 7);
}

TEST_F(LiveStroke, PointDisplayStampsEveryWrittenSegmentAndKeepsEachPointsWidth) {
  AddThreeStrokes(a);
  a.m_param[47] = 1;
  {
    CTmbView::ClientDC dc(*view);
    EXPECT_EQ(view->PaintCharacterView(dc), 1);
  }
  SavePictureForViewing(BackBuffer(), "pen_input_point_display");
  // Ink along every stroke, none between them.
  EXPECT_GT(InkIn({100, 95, 300, 140}), 100);
  EXPECT_GT(InkIn({195, 150, 240, 350}), 100);
  EXPECT_GT(InkIn({100, 400, 340, 640}), 100);
  EXPECT_EQ(InkIn({350, 150, 500, 390}), 0);
  for (int i = 0; i < a.m_nPoints; ++i) {
    EXPECT_GE(a.m_pLevels[i], 1) << i;
    EXPECT_LE(a.m_pLevels[i], kLargestStamp) << i;
  }
}

TEST_F(LiveStroke, EachSampleStoresTheWidthOfTheSegmentItStarts) {
  pen->Stroke({At(100, 100), At(104, 100), At(140, 100)});
  ASSERT_EQ(a.m_nPoints, 4);
  a.CopySettingsToWork(LiveStrokeWork());
  CPointRecord rec;
  EXPECT_EQ(a.m_pLevels[0], CTmbView::StrokeWidthAt(4, 0, kSegmentFirst, 0, rec));
  EXPECT_EQ(a.m_pLevels[1], CTmbView::StrokeWidthAt(36, 0, kSegmentFirst, 0, rec));
  // A slow segment is wider than a fast one.
  EXPECT_GT(a.m_pLevels[0], a.m_pLevels[1]);
}

}  // namespace
}  // namespace tmb::test

namespace tmb::test {
namespace {

// The dark pixels of column x of s between rows top and bottom.
int ColumnInk(const Surface& s, int x, int top, int bottom) {
  int n = 0;
  for (int y = top; y < bottom; ++y) n += RedOf(s.GetPixel(x, y)) < 160 || GreenOf(s.GetPixel(x, y)) < 160;
  return n;
}

TEST_F(LiveStroke, AThinLineAPlainLineModeOrTheBrushDrawWhatIsWritten) {
  struct Case {
    const char* what;
    int thinLine, lineMode;
    int widest;  // of the written line, at most, in pixels
    int narrowest;
  } cases[] = {
      {"thin line in the ink colour", 1, 0, 1, 1},
      {"plain line of width 2", 0, 2, 3, 2},
      {"stamps of the brush", 0, 0, 40, 4},
  };
  a.m_param[3] = 80;  // a broad brush
  int y = 100;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    view->m_bThinLine = c.thinLine;
    gDrawState.m_nLiveLineMode = c.lineMode;
    a.m_brushValues[kBrushInkColour] = 0x0000C0;
    windows.docA->m_bLiveDrawn = 0;
    gInkModes[0] = kInkLeave;
    // Slowly, a sample every 3 pixels.
    pen->Press(At(100, y));
    for (int x = 103; x < 190; x += 3) pen->Move(At(x, y));
    pen->Release(At(190, y));
    const int ink = ColumnInk(BackBuffer(), 145, y - 30, y + 30);
    EXPECT_LE(ink, c.widest);
    EXPECT_GE(ink, c.narrowest);
    // Whichever way it was drawn, the document knows the stroke was drawn live, and the
    // window's ink is to be merged into the character.
    EXPECT_EQ(windows.docA->m_bLiveDrawn, 1);
    EXPECT_EQ(gInkModes[0], kInkMerge);
    y += 100;
  }
  // The thin line takes the record's ink colour.
  EXPECT_EQ(BackBuffer().GetPixel(145, 100), Colour(0x0000C0));
  SavePictureForViewing(BackBuffer(), "live_stroke_line_kinds");
}

TEST_F(LiveStroke, AGradientSizesTheStampsAlongTheSegmentByItsKind) {
  a.m_param[49] = 1;  // the smallest end size
  a.m_param[39] = 6;  // the smallest inside size
  view->m_gradientValues = {10, 8, 0};  // from 10, over a range of 8, along the segment
  struct Case {
    int kind;
    int first;  // GradientPosition at the first step, at least the kind's minimum
  } cases[] = {{1, 2}, {2, 10}, {3, 10}, {4, 2}, {5, 2}};
  CTmbView::ClientDC dc(*view);
  view->PrepareOffscreenDCs(dc);
  for (const Case& c : cases) {
    const CStampSizes sizes{20, 20, 20};
    const int first = view->StampSegment(dc, 100, 300, 20, 0, sizes, view->m_dcBrush, view->m_dcBack, c.kind, 0, a, 0);
    EXPECT_EQ(first, std::max(c.first, c.kind == 3 ? 6 : 1)) << c.kind;
  }
  view->ReleaseOffscreenDCs();
}

TEST_F(LiveStroke, WithoutFlyingWhiteTheBrushKindChoosesTheColumnOfTheBrushSet) {
  a.m_param[5] = 0;
  struct Case {
    int kind, column;
  };
  // Kinds past the set's last column stamp with the last one.
  const Case cases[] = {{0, 0}, {4, 4}, {5, 5}, {7, 5}};
  std::vector<Surface> pictures;
  for (const Case& c : cases) {
    a.m_param[10] = c.kind;
    view->ClearAll();
    pen->Press(At(100, 200));
    for (int x = 104; x < 300; x += 4) pen->Move(At(x, 200 + (x - 100) / 4));
    pen->Release(At(300, 250));
    pictures.push_back(CopyOfSurface(BackBuffer()));
    EXPECT_GT(InkIn({100, 180, 310, 270}), 100) << c.kind;
    int column = -1;
    EXPECT_EQ(CTmbView::PickStampColumn(&column, 10, 0, 0), c.column) << c.kind;
  }
  SavePictureForViewing(pictures[1], "live_stroke_brush_kind_4");
  // The whole tip and a thinned one write different strokes; kinds 5 and 7 the same one.
  EXPECT_FALSE(SamePixels(pictures[0], pictures[1]));
  EXPECT_TRUE(SamePixels(pictures[2], pictures[3]));
}

}  // namespace
}  // namespace tmb::test

namespace tmb::test {
namespace {

// Ink a collector holds apart from the record, as the platform's ink collector holds it.
class CollectedInk final : public CTabletInk {
 public:
  int InkPointCount() const override { return 12; }
};

TEST_F(LiveStroke, CollectedInkShowsTheStrokeItselfUnlessItsDisplayIsOff) {
  CollectedInk ink;
  SetTabletInk(0, &ink);
  struct Case {
    int inkDisplay;
    bool stamped;
  } cases[] = {{1, false}, {0, true}};
  for (const Case& c : cases) {
    view->ClearAll();
    gDrawState.m_bInkDisplay = c.inkDisplay;
    pen->Press(At(100, 300));
    for (int x = 104; x < 260; x += 4) pen->Move(At(x, 300));
    pen->Release(At(260, 300));
    EXPECT_EQ(InkIn({90, 270, 280, 330}) > 100, c.stamped) << c.inkDisplay;
    EXPECT_EQ(windows.docA->m_bLiveDrawn, 1) << c.inkDisplay;
  }
  gDrawState.m_bInkDisplay = 1;
  SetTabletInk(0, nullptr);
}

// Ink the capture writes into the record, as an attached recogniser's ink is.
class WrittenInk final : public CTabletInk {
 public:
  WrittenInk() { m_bActive = 1; }
  int InkPointCount() const override { return 12; }
};

TEST_F(LiveStroke, InkBeingWrittenShowsInThePensColourWhileItsDisplayIsOn) {
  WrittenInk ink;
  SetTabletInk(0, &ink);
  constexpr Colour kRed = 0x0000FF;
  // The tablet pen colour command gives the ink its colour.
  ink.SetPenAttributes(1, kRed);
  const Rect client = view->ClientRectLogical();
  const Point o = gDrawState.m_ptCanvasOrigin;
  const auto shown = [&](int x, int y) { return view->windowSurface().GetPixel(x + o.x - client.left, y + o.y - client.top); };
  // The brush's ink in red: no blue or green where the red is full.
  const auto reddish = [](Colour c) { return (c & 0xFF) > 0xC0 && ((c >> 8) & 0xFF) < 0x60 && (c >> 16) < 0x60; };
  struct Case {
    int inkDisplay;
    int lineMode;  // 2: plain lines instead of stamps
    bool red;
  } cases[] = {{1, 0, true}, {0, 0, false}, {1, 2, true}, {0, 2, false}};
  std::vector<Surface> pictures;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "ink display " << c.inkDisplay << ", line mode " << c.lineMode);
    view->ClearAll();
    gDrawState.m_bInkDisplay = c.inkDisplay;
    gDrawState.m_nLiveLineMode = c.lineMode;
    pen->Press(At(100, 300));
    for (int x = 104; x < 260; x += 4) pen->Move(At(x, 300));
    // Looked at while the stroke is written; a plain line is 2 pixels wide.
    int red = 0, dark = 0;
    for (int y = 280; y < 320; ++y) {
      for (int x = 110; x < 250; ++x) {
        red += reddish(shown(x, y));
        dark += RedOf(shown(x, y)) < 128;
      }
    }
    pen->Release(At(260, 300));
    pictures.push_back(CopyOfSurface(BackBuffer()));
    EXPECT_EQ(red > 200, c.red);
    EXPECT_EQ(dark > 200, !c.red);
  }
  gDrawState.m_nLiveLineMode = 0;
  SavePictureForViewing(pictures[0], "live_stroke_ink_pen_red");
  gDrawState.m_bInkDisplay = 1;
  SetTabletInk(0, nullptr);
}

}  // namespace
}  // namespace tmb::test
