// The written strokes as thin blue lines in the running application: 重叠显示 lays them
// over the converted character until the next repaint, and with 第一変換時の一時表示 on the
// lines of newly written strokes show on the screen while their first conversion runs.
#include <QCoreApplication>
#include <QEvent>
#include <algorithm>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "app/tmb_document.h"
#include "resources/command_ids.h"
#include "support/manual_clock.h"
#include "support/picture_files.h"
#include "support/recorded_character_file.h"
#include "support/surface_copies.h"
#include "support/temp_dir.h"
#include "support/ui/pen_events.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

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

// Keeps the most blue any paint of the watched view showed, with a copy of that picture.
class BlueWatch final : public QObject {
 public:
  explicit BlueWatch(CTmbView& view) : view_(view) { view.area()->viewport()->installEventFilter(this); }
  ~BlueWatch() override { view_.area()->viewport()->removeEventFilter(this); }
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) {
      const int blue = BluePixels(view_.windowSurface());
      if (blue > most) {
        most = blue;
        picture = CopyOfSurface(view_.windowSurface());
      }
    }
    return false;
  }
  int most = 0;
  Surface picture;

 private:
  CTmbView& view_;
};

class StrokeLineDisplay : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(WriteRecordedCharacterFile(path));
    ASSERT_TRUE(Start(path));
    ShowAndPaint();
    view = qobject_cast<CTmbView*>(FrameOfKind(kKindDrawA)->activeView());
    ASSERT_TRUE(view);
    for (int i = 0; i < 20 && !view->m_bInitialised; ++i) QCoreApplication::processEvents();
    ASSERT_EQ(view->m_bInitialised, 1);
  }
  const Surface& Window() {
    QCoreApplication::processEvents();
    return view->windowSurface();
  }
  // A level stroke written with the mouse in the visible part of the paper.
  void WriteStroke(int dy) {
    const Rect client = view->ClientRectLogical();
    const Point o = gDrawState.m_ptCanvasOrigin;
    const int left = std::max(client.left, o.x) - o.x + 40, top = std::max(client.top, o.y) - o.y + 60 + dy;
    PenEvents mouse(view->area()->viewport(), clock, 12);
    const auto device = [&](int x, int y) { return QPoint(x + o.x - client.left, y + o.y - client.top); };
    mouse.Press(device(left, top));
    for (int k = 1; k <= 30; ++k) mouse.Move(device(left + 5 * k, top + k / 3));
    mouse.Release(device(left + 150, top + 10));
  }

  TempDir dir;
  const std::string path = (dir / "recorded.wdf").string();
  CTmbView* view = nullptr;
  ManualClock clock;
};

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
    BlueWatch watch(*view);
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
    BlueWatch again(*view);
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdConvertDisplay));
    Window();
    EXPECT_EQ(again.most, 0) << c.temporary;
  }
}

}  // namespace
}  // namespace tmb::test
