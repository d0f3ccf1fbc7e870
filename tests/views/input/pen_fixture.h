// A set-up drawing view of window A that tests write on with the mouse and a tablet pen,
// on a screen whose size the tablet's axes span.
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <memory>

#include "support/ui/pen_events.h"
#include "views/live_stroke.h"
#include "views/tmb_view_area.h"
#include "views/view_fixture.h"

namespace tmb::test {

class PenInputTest : public DrawingViewTest {
 protected:
  void SetUp() override {
    DrawingViewTest::SetUp();
    gLiveStroke = {};
    const QSize screen = QGuiApplication::primaryScreen()->virtualSize();
    gDrawState.m_sizeScreen = {screen.width(), screen.height()};
    view = &MakeView();
    FirstPaint(*view);
    pen = std::make_unique<PenEvents>(view->area()->viewport(), clock);
  }
  void TearDown() override {
    pen.reset();
    gLiveStroke = {};
    DrawingViewTest::TearDown();
  }
  // Where paper point (x, y) lies in the view's window.
  QPoint At(int x, int y) const {
    const Rect client = view->ClientRectLogical();
    const Point o = gDrawState.m_ptCanvasOrigin;
    return {x + o.x - client.left, y + o.y - client.top};
  }
  // Dark pixels of the back buffer within r (paper coordinates).
  static int InkIn(const Rect& r) {
    const Surface& back = BackBuffer();
    int n = 0;
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, back.height()); ++y) {
      for (int x = std::max(r.left, 0); x < std::min(r.right, back.width()); ++x) {
        n += RedOf(back.GetPixel(x, y)) < 128;
      }
    }
    return n;
  }

  CTmbView* view = nullptr;
  std::unique_ptr<PenEvents> pen;
};

}  // namespace tmb::test
