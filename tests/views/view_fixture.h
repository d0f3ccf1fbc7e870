// Drawing views for tests: windows A and B with a new document each on a 500 x 750 paper,
// scripted messages, machine and display, a clock and timers moved by hand. Views are
// made at a size that shows the whole paper and are painted only when a test says so.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <vector>

#include "core/bitmap/palettes.h"
#include "brush/render/brush_state.h"
#include "core/record/char_slots.h"
#include "core/state/draw_state.h"
#include "support/drawing_windows.h"
#include "support/manual_clock.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_display.h"
#include "support/scripted_machine.h"
#include "support/scripted_messages.h"
#include "support/ui/manual_timers.h"
#include "views/tmb_view.h"

namespace tmb::test {

constexpr int kPaperWidth = 500, kPaperHeight = 750;
constexpr Colour kWhite = 0xFFFFFF;

class DrawingViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gDrawState.Reset();
    const Point o = gDrawState.m_ptCanvasOrigin;
    gDrawState.m_rcCanvas = {o.x, o.y, o.x + kPaperWidth, o.y + kPaperHeight};
    gCharSlots.Reset();
    InitCharacterSlots();
    for (CBrushState& s : gBrushStates) s.Reset();
    windows.docA->OnNewDocument();
    windows.docB->OnNewDocument();
  }
  void TearDown() override {
    views_.clear();
    ResetPalettes();
    for (CBrushState& s : gBrushStates) s.Reset();
    gCharSlots.Reset();
    gDrawState.Reset();
  }

  // A view of window kind that shows the whole paper, shown (its layout done) but not yet
  // painted: the paint events wait for the event loop.
  CTmbView& MakeView(int kind = 0) {
    gDrawState.m_nCreatingKind = kind;
    views_.push_back(std::make_unique<CTmbView>(nullptr, 1));
    CTmbView& view = *views_.back();
    const Point o = gDrawState.m_ptCanvasOrigin;
    view.resize(kPaperWidth + 2 * o.x, kPaperHeight + 2 * o.y);
    view.show();
    view.OnInitialUpdate();
    return view;
  }
  // The first paint, as the framework asks for it: set-up, character, writing area.
  static void FirstPaint(CTmbView& view) {
    CTmbView::ClientDC dc(view);
    view.OnDraw(dc);
  }
  // Appends a stroke through points to rec.
  static void AddStroke(CCharData& rec, std::initializer_list<Point> points) {
    bool first = true;
    for (Point p : points) {
      const int i = rec.m_nPoints++;
      rec.m_pPoints[i] = p;
      rec.m_pFlags[i] = first ? 1 : 0;
      rec.m_pPressure[i] = -1;
      first = false;
    }
  }
  // Three strokes: a level one, an upright one and a slanting one of three points each.
  static void AddThreeStrokes(CCharData& rec) {
    AddStroke(rec, {{100, 100}, {200, 100}, {300, 100}});
    AddStroke(rec, {{200, 150}, {200, 250}, {200, 350}});
    AddStroke(rec, {{100, 400}, {200, 500}, {300, 600}});
  }
  static int StrokeCount(const CCharData& rec) { return rec.CountStrokes(); }
  // The back buffer of window index: the picture of its brush render state.
  static const Surface& BackBuffer(int index = 0) { return gBrushStates[index].m_bitmap; }

  ScopedWorkCanvas canvas{kPaperWidth, kPaperHeight};
  DrawingWindows windows;
  CCharDataFull& a = *windows.a;
  CCharDataFull& b = *windows.b;
  ScriptedMessages messages;
  ScriptedMachine machine;
  ScriptedDisplay display;
  ManualClock clock;
  ManualTimers timers;

 private:
  std::vector<std::unique_ptr<CTmbView>> views_;
};

}  // namespace tmb::test
