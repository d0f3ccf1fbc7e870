// The written strokes as thin blue lines in the running application: 重叠显示 lays them
// over the converted character until the next repaint, and with 第一変換時の一時表示 on the
// lines of newly written strokes show on the screen while their first conversion runs.
#include "app/recorded_window_fixture.h"
#include "resources/command_ids.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"

namespace tmb::test {
namespace {

constexpr Colour kLineBlue = 0xF00000;

int BluePixels(const Surface& s) {
  int n = 0;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) n += s.GetPixel(x, y) == kLineBlue;
  }
  return n;
}

// The most blue any paint of view showed, with a copy of that picture.
struct MostBlue {
  explicit MostBlue(CTmbView& view)
      : watch(view, [this](const Surface& s) {
          const int blue = BluePixels(s);
          if (blue <= most) return;
          most = blue;
          picture = CopyOfSurface(s);
        }) {}
  int most = 0;
  Surface picture;
  WindowPaintWatch watch;
};

using StrokeLineDisplay = RecordedWindowTest;

TEST_F(StrokeLineDisplay, OverlayPutsTheLinesOverTheCharacterUntilTheNextRepaint) {
  const Surface before = CopyOfSurface(Window());
  ASSERT_EQ(BluePixels(before), 0);
  const int old = gDrawState.m_bDrawTempOriginalLine;
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdOverlayDisplay));
  const Surface& overlaid = Window();
  SavePictureForViewing(overlaid, "stroke_lines_overlaid");
  // Every stroke of the recorded character shows its line: a good part of its 2,000
  // points' segments.
  EXPECT_GT(BluePixels(overlaid), 2000);
  EXPECT_EQ(gDrawState.m_bDrawTempOriginalLine, old);
  // The next conversion display takes them off again: the character as it was.
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdConvertDisplay));
  const Surface& after = Window();
  SavePictureForViewing(after, "stroke_lines_taken_off");
  EXPECT_EQ(BluePixels(after), 0);
  EXPECT_TRUE(SamePixels(after, before));
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(StrokeLineDisplay, TheFirstConversionOfNewStrokesShowsTheirLinesForAMoment) {
  struct Case {
    int temporary;  // the switch of 第一変換時の一時表示
    bool shown;
  } cases[] = {{1, true}, {0, false}};
  int dy = 0;
  for (const Case& c : cases) {
    // The menu item switches it, as a user does.
    if (gDrawState.m_bDrawTempOriginalLine != c.temporary) {
      ASSERT_TRUE(frame()->ExecuteCommand(kCmdTempOriginalLine));
    }
    ASSERT_EQ(gDrawState.m_bDrawTempOriginalLine, c.temporary);
    WriteStroke(dy += 40);
    MostBlue watch(*view);
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdConvertDisplay));
    const Surface& after = Window();
    if (c.shown) {
      SavePictureForViewing(watch.picture, "stroke_lines_during_first_conversion");
      // The new stroke's 31 points, 5 pixels apart, as lines at least 2 pixels wide.
      EXPECT_GT(watch.most, 200) << c.temporary;
    } else {
      EXPECT_EQ(watch.most, 0) << c.temporary;
    }
    // Once converted the brush has drawn it: no line is left.
    EXPECT_EQ(BluePixels(after), 0) << c.temporary;
    // A repaint of what was converted already shows no line either.
    MostBlue again(*view);
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdConvertDisplay));
    Window();
    EXPECT_EQ(again.most, 0) << c.temporary;
  }
}

}  // namespace
}  // namespace tmb::test
