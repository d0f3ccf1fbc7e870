// The drawing views in the running application: a character data file named on the
// command line is shown brush-written in window A, its strokes as a fast brush writes
// them.
#include <algorithm>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "brush/render/brush_state.h"
#include "support/picture_files.h"
#include "support/recorded_character.h"
#include "support/recorded_character_file.h"
#include "support/temp_dir.h"
#include "views/tmb_view.h"

namespace tmb::test {
namespace {

using DrawingViews = AppTest;

int CountInk(const Surface& s, const Rect& r) {
  int n = 0;
  for (int y = r.top; y < r.bottom; ++y) {
    for (int x = r.left; x < r.right; ++x) n += RedOf(s.GetPixel(x, y)) < 128;
  }
  return n;
}

TEST_F(DrawingViews, ACharacterFileOnTheCommandLineIsShownBrushWrittenInWindowA) {
  TempDir dir;
  const std::string path = (dir / "recorded.wdf").string();
  ASSERT_TRUE(WriteRecordedCharacterFile(path));
  ASSERT_TRUE(Start(path));
  ASSERT_EQ(GetCharDocumentOfKind(kKindDrawA)->DrawnRecord()->m_nPoints,
            kRecordedStrokeCount * kRecordedPointsPerStroke);
  auto* viewA = qobject_cast<CTmbView*>(FrameOfKind(kKindDrawA)->activeView());
  auto* viewB = qobject_cast<CTmbView*>(FrameOfKind(kKindDrawB)->activeView());
  ASSERT_TRUE(viewA && viewB);
  // The load set window A up and painted the character into its back buffer.
  EXPECT_EQ(viewA->m_bInitialised, 1);
  const Surface& back = gBrushStates[0].m_bitmap;
  const Rect paper = back.Bounds();
  EXPECT_GT(CountInk(back, paper), paper.Width() * paper.Height() / 100);
  // Its window shows the back buffer at the paper's place, as far as the window reaches.
  const Surface& window = viewA->windowSurface();
  const Rect client = viewA->ClientRectLogical();
  const Point o = gDrawState.m_ptCanvasOrigin;
  int compared = 0, differ = 0;
  for (int y = 0; y < paper.bottom; ++y) {
    for (int x = 0; x < paper.right; ++x) {
      const Colour c = window.GetPixel(x + o.x - client.left, y + o.y - client.top);
      if (c == kInvalidColour) continue;
      ++compared;
      differ += c != back.GetPixel(x, y);
    }
  }
  EXPECT_GT(compared, paper.Width() * paper.Height() / 4);
  EXPECT_EQ(differ, 0);
  // Window B's part of the file is empty: its paper is blank.
  if (viewB->m_bInitialised) {
    EXPECT_EQ(CountInk(gBrushStates[1].m_bitmap, paper), 0);
  }
  EXPECT_TRUE(messages.ids.empty());
}

// The dark pixels of column x of s.
int InkHeight(const Surface& s, int x) { return CountInk(s, {x, 0, x + 1, s.height()}); }

TEST_F(DrawingViews, ALevelStrokeStartsWideAndNarrowsToASharpEnd) {
  TempDir dir;
  const std::string path = (dir / "level.wdf").string();
  // From (100, 300) to (400, 300), a point every 4 pixels.
  ASSERT_TRUE(WriteWindowACharacterFile(path, [](CCharData& a) {
    for (int x = 100; x <= 400; x += 4) {
      const int i = a.m_nPoints++;
      a.m_pPoints[i] = {x, 300};
      a.m_pFlags[i] = x == 100 ? 1 : 0;
      a.m_pPressure[i] = -1;
    }
  }));
  ASSERT_TRUE(Start(path));
  ASSERT_EQ(GetCharDocumentOfKind(kKindDrawA)->DrawnRecord()->m_nPoints, 76);
  const Surface& back = gBrushStates[0].m_bitmap;
  EXPECT_FALSE(SavePictureForViewing(back, "level_stroke_sharp_end").empty());
  // The stroke is inked along most of its length (the conversion slants and draws it in a
  // little).
  int left = back.width();
  int right = -1;
  for (int x = 0; x < back.width(); ++x) {
    if (InkHeight(back, x) == 0) continue;
    left = std::min(left, x);
    right = std::max(right, x);
  }
  ASSERT_LT(left, 120);
  ASSERT_GT(right - left, 240);
  EXPECT_LT(right, 420);
  // Full near its start, thinner in the middle, and ending in a point where the brush
  // lifts off: its last pixels are far thinner than the stroke anywhere before.
  const int length = right - left;
  const int start = InkHeight(back, left + length / 10);
  const int middle = InkHeight(back, left + length / 2);
  int thinnest = back.height();
  for (int x = left + length / 10; x < right - length / 20; ++x) thinnest = std::min(thinnest, InkHeight(back, x));
  EXPECT_GE(start, 5);
  EXPECT_GT(start, middle);
  EXPECT_GE(thinnest, 2);
  EXPECT_LT(InkHeight(back, right), thinnest);
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
