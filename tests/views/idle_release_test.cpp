// The off-screen contexts of a drawing view: prepared when it gets the focus, released by
// the idle timer after more than 10 s without input in drawing mode, and at once when the
// focus goes.
#include <QCoreApplication>
#include <QFocusEvent>

#include "views/tmb_view_area.h"
#include "views/view_fixture.h"

namespace tmb::test {
namespace {

class IdleRelease : public DrawingViewTest {
 protected:
  // A set-up view of window A that has the focus.
  CTmbView& FocusedView() {
    CTmbView& view = MakeView();
    FirstPaint(view);
    view.OnSetFocus();
    EXPECT_EQ(view.m_bOffscreen, 1);
    EXPECT_EQ(timers.PeriodOf(&view, CTmbView::kIdleTimer), 5000);
    return view;
  }
  // Moves the clock to ms after the view's last input and lets the timer tick.
  void TickAt(CTmbView& view, uint32_t ms) {
    clock.now = view.m_dwLastInput + ms;
    ASSERT_TRUE(timers.Fire(&view, CTmbView::kIdleTimer));
  }
};

TEST_F(IdleRelease, ReleasesOnlyAfterMoreThanTenSecondsWithoutInputInDrawingMode) {
  CTmbView& view = FocusedView();
  TickAt(view, 9999);
  EXPECT_EQ(view.m_bOffscreen, 1);
  TickAt(view, 10000);
  EXPECT_EQ(view.m_bOffscreen, 1);
  TickAt(view, 10001);
  EXPECT_EQ(view.m_bOffscreen, 0);
  // The timer goes on ticking until the focus goes.
  EXPECT_TRUE(timers.IsSet(&view, CTmbView::kIdleTimer));
}

TEST_F(IdleRelease, NeverReleasesInEditModeOrDuringAStroke) {
  CTmbView& view = FocusedView();
  view.m_nMode = CTmbView::kModeEdit;
  TickAt(view, 60000);
  EXPECT_EQ(view.m_bOffscreen, 1);
  view.m_nMode = CTmbView::kModeDraw;
  for (int state : {1, 2, 3}) {
    view.m_bStrokeActive = state;
    TickAt(view, 60000);
    EXPECT_EQ(view.m_bOffscreen, 1) << "stroke state " << state;
  }
  view.m_bStrokeActive = 0;
  TickAt(view, 60000);
  EXPECT_EQ(view.m_bOffscreen, 0);
}

TEST_F(IdleRelease, TheFirstTickAfterAStrokeKeepsTheContexts) {
  CTmbView& view = FocusedView();
  // A stroke whose samples come at a time whose low 16 bits are far below the whole.
  clock.now = 0x12345678;
  view.NoteInputTime(clock.now);
  clock.Advance(40);
  view.NoteInputTime(clock.now);
  clock.Advance(CTmbView::kIdleTimerMs);
  ASSERT_TRUE(timers.Fire(&view, CTmbView::kIdleTimer));
  EXPECT_EQ(view.m_bOffscreen, 1);
  EXPECT_EQ(view.SampleInterval(clock.now), CTmbView::kIdleTimerMs);
  // The interval between samples wraps at 16 bits, as the sample timing expects.
  view.NoteInputTime(0x0001FFF0);
  EXPECT_EQ(view.SampleInterval(0x00020010), 0x20);
}

TEST_F(IdleRelease, LosingTheFocusReleasesAtOnceAndStopsTheTimer) {
  CTmbView& view = FocusedView();
  view.m_bStrokeActive = 2;  // even with a stroke under way
  QFocusEvent out(QEvent::FocusOut);
  QCoreApplication::sendEvent(view.area(), &out);
  EXPECT_EQ(view.m_bOffscreen, 0);
  EXPECT_FALSE(timers.IsSet(&view, CTmbView::kIdleTimer));
  // The focus coming back prepares them again and restarts the timer.
  QFocusEvent in(QEvent::FocusIn);
  QCoreApplication::sendEvent(view.area(), &in);
  EXPECT_EQ(view.m_bOffscreen, 1);
  EXPECT_TRUE(timers.IsSet(&view, CTmbView::kIdleTimer));
}

TEST_F(IdleRelease, AViewWithoutItsBrushStateSetsTheTimerButPreparesNothing) {
  CTmbView& view = MakeView();
  view.OnSetFocus();
  EXPECT_EQ(view.m_bOffscreen, 0);
  EXPECT_TRUE(timers.IsSet(&view, CTmbView::kIdleTimer));
}

TEST_F(IdleRelease, TheFocusMakesItsWindowTheCurrentDrawingWindow) {
  CTmbView& viewA = MakeView(0);
  CTmbView& viewB = MakeView(2);
  viewB.OnSetFocus();
  EXPECT_EQ(gDrawState.m_nCurDrawKind, 2);
  viewA.OnSetFocus();
  EXPECT_EQ(gDrawState.m_nCurDrawKind, 0);
}

TEST_F(IdleRelease, ThePointerSpeedFollowsTheModeOnlyWhenTheSettingsAllowIt) {
  gDrawState.m_nPenSpeed = 7;
  gDrawState.m_nSavedMouseSpeed = 3;
  CTmbView& view = MakeView();
  view.OnSetFocus();
  view.OnKillFocus();
  EXPECT_TRUE(machine.speedsSet.empty());
  gDrawState.m_bChangeMouseSpeed = 1;
  view.OnSetFocus();
  view.OnSetFocus();  // once per change of mode
  view.OnKillFocus();
  // The pen level is held to the fastest preset (speed 18); the saved speed comes back.
  EXPECT_EQ(machine.speedsSet, (std::vector<int>{18, 3}));
}

}  // namespace
}  // namespace tmb::test
