// The written strokes as thin blue lines in the running application: 重叠显示 lays them
// over the converted character until the next repaint, with 第一変換時の一時表示 on the
// lines of newly written strokes show on the screen while their first conversion runs, and
// 仅显示原线条 (menu or toolbar) shows the lines as written once, until the next conversion.
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>
#include <string>

#include "app/kind_lookup.h"
#include "app/recorded_window_fixture.h"
#include "app/tmb_document.h"
#include "resources/command_ids.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"
#include "support/ui/menu_path.h"

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

TEST_F(StrokeLineDisplay, TheOriginalLinesShowOnceFromTheMenuOrTheToolbarAndTheBrushComesBack) {
  const CCharDataFull& rec = *GetCharDocumentOfKind(kKindDrawA)->DrawnRecord();
  const Surface converted = CopyOfSurface(Window());
  // Written points near ink of the window (in a 5 x 5 box), one in five looked at.
  auto pointsOnInk = [&](const Surface& s) {
    int on = 0, looked = 0;
    for (int i = 0; i < rec.m_nPoints; i += 5) {
      ++looked;
      const QPoint d = Device(rec.m_pPoints[i]);
      bool ink = false;
      for (int dy = -2; dy <= 2; ++dy) {
        for (int dx = -2; dx <= 2; ++dx) {
          const Colour c = s.GetPixel(d.x() + dx, d.y() + dy);
          ink = ink || (c != kInvalidColour && RedOf(c) < 128);
        }
      }
      on += ink;
    }
    return on * 100 / std::max(looked, 1);
  };
  struct Case {
    const char* how;
    bool toolbar;
  } cases[] = {{"menu", false}, {"toolbar", true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.how);
    if (c.toolbar) {
      frame()->UpdateAllActions();
      QToolButton* button = nullptr;
      for (QAction* a : frame()->toolBar()->actions()) {
        if (!a->isSeparator() && a->data().toInt() == kCmdOriginalLine) {
          button = qobject_cast<QToolButton*>(frame()->toolBar()->widgetForAction(a));
        }
      }
      ASSERT_TRUE(button);
      button->click();
    } else {
      ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"显示", "仅显示原线条"}));
    }
    const Surface lines = CopyOfSurface(Window());
    SavePictureForViewing(lines, std::string("original_lines_by_") + c.how);
    // The lines as the pen wrote them, not the converted character.
    EXPECT_FALSE(SamePixels(lines, converted));
    EXPECT_GE(pointsOnInk(lines), 95);
    EXPECT_EQ(rec.m_param[47], 0);  // the record is left as it was
    // The next conversion brings the brush back.
    ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"显示", "变换显示"}));
    EXPECT_TRUE(SamePixels(Window(), converted));
  }
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
