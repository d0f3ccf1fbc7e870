// The running application with the recorded character opened in window A, for tests that
// look at what the window shows while commands run: the window's picture after every
// paint, and strokes written with the mouse.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <algorithm>
#include <functional>

#include "app/app_fixture.h"
#include "support/manual_clock.h"
#include "support/recorded_character_file.h"
#include "support/temp_dir.h"
#include "support/ui/pen_events.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace tmb::test {

// Calls seen with the window picture of view at each paint of its viewport, as the screen
// then shows it.
class WindowPaintWatch final : public QObject {
 public:
  WindowPaintWatch(CTmbView& view, std::function<void(const Surface&)> seen) : view_(view), seen_(std::move(seen)) {
    view.area()->viewport()->installEventFilter(this);
  }
  ~WindowPaintWatch() override { view_.area()->viewport()->removeEventFilter(this); }
  WindowPaintWatch(const WindowPaintWatch&) = delete;
  WindowPaintWatch& operator=(const WindowPaintWatch&) = delete;
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) seen_(view_.windowSurface());
    return false;
  }

 private:
  CTmbView& view_;
  std::function<void(const Surface&)> seen_;
};

class RecordedWindowTest : public AppTest {
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
  // Window A's picture once the pending paints are done.
  const Surface& Window() {
    QCoreApplication::processEvents();
    return view->windowSurface();
  }
  // The paper point p as a point of window A's viewport.
  QPoint Device(Point p) const {
    const Rect client = view->ClientRectLogical();
    const Point o = gDrawState.m_ptCanvasOrigin;
    return QPoint(p.x + o.x - client.left, p.y + o.y - client.top);
  }
  // The top-left paper point the window shows, 40 pixels in.
  Point VisibleCorner() const {
    const Rect client = view->ClientRectLogical();
    const Point o = gDrawState.m_ptCanvasOrigin;
    return {std::max(client.left, o.x) - o.x + 40, std::max(client.top, o.y) - o.y + 40};
  }
  // A nearly level stroke of 32 points written with the mouse, dy below the corner.
  void WriteStroke(int dy) {
    const Point c = VisibleCorner();
    PenEvents mouse(view->area()->viewport(), clock, 12);
    mouse.Press(Device({c.x, c.y + dy}));
    for (int k = 1; k <= 30; ++k) mouse.Move(Device({c.x + 5 * k, c.y + dy + k / 3}));
    mouse.Release(Device({c.x + 150, c.y + dy + 10}));
  }

  TempDir dir;
  const std::string path = (dir / "recorded.wdf").string();
  CTmbView* view = nullptr;
  ManualClock clock;
};

}  // namespace tmb::test
