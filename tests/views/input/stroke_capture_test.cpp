// Strokes written with the mouse and the tablet pen in a drawing view: the points, flags
// and pressures they store, the samples they drop, the limits of the record, and how a
// stroke ends in every way it can.
#include <QCoreApplication>
#include <QLayout>
#include <cmath>

#include "core/document/tmb_doc.h"
#include "platform/ui/tablet.h"
#include "support/picture_files.h"
#include "views/input/tablet_context.h"
#include "views/input/pen_fixture.h"

namespace tmb::test {
namespace {

class StrokeCapture : public PenInputTest {
 protected:
  std::vector<Point> Points() const {
    return std::vector<Point>(a.m_pPoints.get(), a.m_pPoints.get() + a.m_nPoints);
  }
  std::vector<int> Flags() const { return std::vector<int>(a.m_pFlags.get(), a.m_pFlags.get() + a.m_nPoints); }
  std::vector<int> Pressures() const {
    return std::vector<int>(a.m_pPressure.get(), a.m_pPressure.get() + a.m_nPoints);
  }
  // The percentage a pen pressure of 0 to 1 gives.
  static int Percent(double pressure) {
    return PressurePercent(uint32_t(std::lround(pressure * ui::TabletService::kPressureMax)),
                           ui::TabletService::kPressureMax);
  }
  // A character of n points: one stroke starting at the first.
  void FillPoints(int n) {
    for (int i = 0; i < n; ++i) {
      a.m_pPoints[i] = {i % 400, i / 400};
      a.m_pFlags[i] = i == 0 ? 1 : 0;
    }
    a.m_nPoints = n;
  }
};

TEST_F(StrokeCapture, AMouseStrokeStoresPointsWithAStartFlagAndNoPressureAndMirrorsThemIntoTheWorkingRecord) {
  a.m_nOutlineDirty = 0;
  a.m_bStrokeEnded = 0;
  a.m_bModified = 0;
  pen->Stroke({At(100, 100), At(140, 110), At(180, 130)});
  const std::vector<Point> written{{100, 100}, {140, 110}, {180, 130}, {180, 130}};
  EXPECT_EQ(Points(), written);
  EXPECT_EQ(Flags(), (std::vector<int>{1, 0, 0, 0}));
  EXPECT_EQ(Pressures(), (std::vector<int>{-1, -1, -1, -1}));
  const CCharDataFull& work = windows.docA->m_work;
  EXPECT_EQ(work.m_nPoints, 0);
  for (size_t i = 0; i < written.size(); ++i) EXPECT_EQ(work.m_pPoints[i], written[i]) << i;
  // The outline is out of date by pen strokes; the stroke is over and the file changed.
  EXPECT_EQ(a.m_nOutlineDirty, -1);
  EXPECT_EQ(a.m_bStrokeEnded, 1);
  EXPECT_EQ(a.m_bModified, 1);
  EXPECT_EQ(view->m_bStrokeActive, 0);
  // A second stroke adds a stroke of its own; a changed outline stays changed.
  a.m_nOutlineDirty = 1;
  pen->Stroke({At(100, 300), At(100, 340)});
  EXPECT_EQ(a.m_nPoints, 7);
  EXPECT_EQ(a.m_pFlags[4], 1);
  EXPECT_EQ(a.m_nOutlineDirty, 1);
  EXPECT_EQ(StrokeCount(a), 2);
  EXPECT_TRUE(messages.ids.empty());
  EXPECT_EQ(messages.beeps, 0);
}

TEST_F(StrokeCapture, ATabletStrokeStoresPressuresAsPercentagesOfTheDeviceMaximumCappedAt100) {
  pen->PenPress(At(100, 100), 0.3);
  pen->PenMove(At(110, 100), 0.5);
  pen->PenMove(At(120, 100), 1.5);  // a pen that overshoots its maximum
  pen->PenRelease(At(130, 100), 0.2);
  EXPECT_EQ(gDrawState.m_bTabletPresent, 1);
  EXPECT_EQ(gDrawState.m_nPressureMax, ui::TabletService::kPressureMax);
  ASSERT_EQ(a.m_nPoints, 4);
  EXPECT_EQ(Flags(), (std::vector<int>{1, 0, 0, 0}));
  // Each sample's pressure goes to the point its segment starts at; the last point has none.
  EXPECT_EQ(Pressures(), (std::vector<int>{Percent(0.5), 100, Percent(0.2), -1}));
  EXPECT_EQ(Percent(0.5), 50);
}

TEST_F(StrokeCapture, TheFirstSampleTakesThePressureOfTheFirstPacketAtWhichThePenHasMoved) {
  pen->PenPress(At(100, 100), 0.1);
  // The pen rests, then moves off: 2 pixels are not enough, 3 are.
  pen->PenPacket(At(100, 100), 0.2);
  pen->PenPacket(At(102, 101), 0.3);
  pen->PenPacket(At(103, 100), 0.4);
  pen->PenPacket(At(104, 100), 0.9);
  pen->Move(At(104, 100));
  // Later samples take one packet each: the one left over.
  pen->Move(At(108, 100));
  pen->Release(At(110, 100));
  EXPECT_EQ(Pressures(), (std::vector<int>{Percent(0.4), Percent(0.9), Percent(0.9), -1}));
}

TEST_F(StrokeCapture, ASampleThatFindsNoPacketKeepsThePressureBeforeItAndTheFirstHasNone) {
  pen->PenPress(At(100, 100), 0.5);
  pen->Move(At(110, 100));  // no packet came with it
  pen->PenMove(At(120, 100), 0.6);
  pen->Move(At(130, 100));
  pen->Release(At(140, 100));
  EXPECT_EQ(Pressures(), (std::vector<int>{-1, Percent(0.6), Percent(0.6), Percent(0.6), -1}));
}

TEST_F(StrokeCapture, AStrokeBegunWithAnEmptyQueueIsAMouseStrokeThroughout) {
  pen->Press(At(100, 100));
  pen->PenMove(At(110, 100), 0.8);
  pen->PenMove(At(120, 100), 0.8);
  pen->Release(At(130, 100));
  EXPECT_EQ(Pressures(), (std::vector<int>{-1, -1, -1, -1}));
}

TEST_F(StrokeCapture, SamplesSoonerThanTheMinimumIntervalAreDropped) {
  struct Case {
    int delay;
    int everySample;
    uint32_t ms;
    int points;  // after a press and one move
  };
  const Case cases[] = {
      {15, 0, 6, 1},  // 6 + 8 < 15
      {15, 0, 7, 2},
      {15, 1, 0, 2},  // the record keeps every sample
      {40, 0, 31, 1},
      {40, 0, 32, 2},
      {0, 0, 0, 2},
  };
  PenEvents timed(view->area()->viewport(), clock, 0);
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.delay << " ms delay, " << c.ms << " ms later");
    a.m_nPoints = 0;
    gDrawState.m_nPenDelay = c.delay;
    a.m_bEverySample = c.everySample;
    timed.Press(At(100, 100));
    clock.Advance(c.ms);
    timed.Move(At(120, 100));
    EXPECT_EQ(a.m_nPoints, c.points);
    clock.Advance(1000);
    timed.Release(At(120, 100));
  }
}

TEST_F(StrokeCapture, APressAndAReleaseWithoutAMoveGiveTwoPointsUnlessTheReleaseComesTooSoon) {
  pen->PenPress(At(200, 200), 0.3);
  pen->PenRelease(At(204, 200), 0.6);
  EXPECT_EQ(Points(), (std::vector<Point>{{200, 200}, {204, 200}}));
  EXPECT_EQ(Flags(), (std::vector<int>{1, 0}));
  // The start point takes the pressure read at the release.
  EXPECT_EQ(Pressures(), (std::vector<int>{Percent(0.6), -1}));
  EXPECT_GT(InkIn({190, 190, 240, 240}), 0);

  a.m_nPoints = 0;
  PenEvents quick(view->area()->viewport(), clock, 3);
  quick.Press(At(300, 300));
  quick.Release(At(306, 300));
  EXPECT_EQ(Points(), (std::vector<Point>{{300, 300}}));
  EXPECT_EQ(view->m_bStrokeActive, 0);
}

TEST_F(StrokeCapture, ThePressureOfANewPointIsItsOwnNotThatOfAPointErasedBefore) {
  pen->PenPress(At(100, 100), 0.5);
  pen->PenMove(At(120, 100), 0.5);
  pen->PenRelease(At(140, 100), 0.5);
  ASSERT_EQ(Pressures(), (std::vector<int>{50, 50, -1}));
  a.m_nPoints = 0;  // erased
  pen->Stroke({At(100, 200), At(120, 200)});
  EXPECT_EQ(Pressures(), (std::vector<int>{-1, -1, -1}));
}

TEST_F(StrokeCapture, AFullCharacterTakesNoStrokeAndAStrokeEndsWhenTheRecordIsFull) {
  FillPoints(15999);
  pen->Press(At(100, 100));
  EXPECT_EQ(a.m_nPoints, 15999);
  EXPECT_EQ(view->m_bStrokeActive, 0);
  EXPECT_EQ(messages.ids, std::vector<int>{62045});
  EXPECT_EQ(messages.beeps, 1);
  pen->Release(At(100, 100));

  messages.ids.clear();
  FillPoints(15998);
  a.m_bStrokeEnded = 0;
  pen->Press(At(100, 100));
  ASSERT_EQ(view->m_bStrokeActive, 1);
  EXPECT_EQ(a.m_nPoints, 15999);
  pen->Move(At(110, 100));
  EXPECT_EQ(a.m_nPoints, kMaxCharPoints);
  // No box while the stroke runs.
  EXPECT_TRUE(messages.ids.empty());
  // The next sample finds the record full: the stroke ends there, and the user is told once.
  pen->Move(At(120, 100));
  EXPECT_EQ(view->m_bStrokeActive, 0);
  EXPECT_EQ(a.m_bStrokeEnded, 1);
  EXPECT_EQ(messages.ids, std::vector<int>{62045});
  pen->Move(At(130, 100));
  pen->Move(At(140, 100));
  pen->Release(At(150, 100));
  EXPECT_EQ(a.m_nPoints, kMaxCharPoints);
  EXPECT_EQ(a.m_pPoints[kMaxCharPoints - 1], (Point{110, 100}));
  EXPECT_EQ(messages.ids, std::vector<int>{62045});
}

TEST_F(StrokeCapture, AStrokePastTheWarningMarkWarnsOnceWhenItEnds) {
  FillPoints(14999);
  pen->Press(At(100, 100));
  for (int x = 110; x <= 150; x += 10) pen->Move(At(x, 100));
  EXPECT_EQ(a.m_nPoints, 15005);
  EXPECT_TRUE(messages.ids.empty());
  pen->Release(At(150, 100));
  EXPECT_EQ(messages.ids, std::vector<int>{62045});
  // Every further stroke warns again, once.
  pen->Stroke({At(100, 200), At(110, 200), At(120, 200)});
  EXPECT_EQ(messages.ids, (std::vector<int>{62045, 62045}));
}

TEST_F(StrokeCapture, ARightPressDuringAStrokeEndsItAndMergesItIntoTheBackBuffer) {
  a.m_bStrokeEnded = 0;
  pen->Press(At(100, 100));
  pen->Move(At(150, 110));
  pen->Move(At(200, 130));
  ASSERT_EQ(InkIn({0, 0, kPaperWidth, kPaperHeight}), 0);  // so far only in the window
  pen->Press(At(200, 130), Qt::RightButton);
  EXPECT_EQ(view->m_bStrokeActive, 0);
  EXPECT_EQ(a.m_bStrokeEnded, 1);
  EXPECT_EQ(a.m_nPoints, 3);
  EXPECT_GT(InkIn({100, 100, 240, 170}), 0);
  // The left button is still down: its moves and release add nothing.
  pen->Move(At(250, 150));
  pen->Release(At(250, 150));
  pen->Release(At(250, 150), Qt::RightButton);
  EXPECT_EQ(a.m_nPoints, 3);
}

TEST_F(StrokeCapture, AMoveWithoutTheButtonEndsAStrokeWhoseReleaseWentElsewhere) {
  pen->Press(At(100, 100));
  pen->Move(At(150, 100));
  pen->Hover(At(200, 100));
  EXPECT_EQ(view->m_bStrokeActive, 0);
  EXPECT_EQ(a.m_nPoints, 2);
  EXPECT_GT(InkIn({100, 95, 190, 140}), 0);
  pen->Hover(At(250, 100));
  EXPECT_EQ(a.m_nPoints, 2);
}

TEST_F(StrokeCapture, LeavingTheCanvasDrawsNothingThereAndComingBackContinuesTheStroke) {
  pen->Press(At(100, 100));
  pen->Move(At(-10, 100));  // off the paper
  EXPECT_EQ(a.m_nPoints, 1);
  EXPECT_EQ(messages.beeps, 0);
  pen->Move(At(120, 100));
  EXPECT_EQ(Points(), (std::vector<Point>{{100, 100}, {120, 100}}));
  // A release off the paper beeps, takes no sample and still ends the stroke.
  pen->Release(At(-20, 100));
  EXPECT_EQ(messages.beeps, 1);
  EXPECT_EQ(a.m_nPoints, 2);
  EXPECT_EQ(view->m_bStrokeActive, 0);
}

TEST_F(StrokeCapture, NothingIsWrittenWhileTheCharacterIsNotShownAsWritten) {
  a.m_param[200] = 1;
  pen->Stroke({At(100, 100), At(140, 100)});
  EXPECT_EQ(a.m_nPoints, 0);
  EXPECT_EQ(view->m_bStrokeActive, 0);
}

TEST_F(StrokeCapture, WithTheRegistrationPanelAStrokeBegunInItsBoxIgnoresItsSamplesOutside) {
  gDrawState.m_toolPanel.m_bShown = 1;
  gDrawState.m_toolPanel.m_rcWriting = {50, 50, 250, 250};
  pen->Press(At(100, 100));
  pen->Move(At(300, 100));
  pen->Move(At(200, 120));
  pen->Release(At(210, 120));
  EXPECT_EQ(Points(), (std::vector<Point>{{100, 100}, {200, 120}, {210, 120}}));
  EXPECT_EQ(view->m_nMode, CTmbView::kModeDraw);
  // A press outside the box is the panel's: no stroke, and the view goes to its edit mode.
  pen->Press(At(300, 300));
  EXPECT_EQ(view->m_bStrokeActive, 0);
  EXPECT_EQ(view->m_nMode, CTmbView::kModeEdit);
  pen->Release(At(300, 300));
  EXPECT_EQ(a.m_nPoints, 3);
}

TEST_F(StrokeCapture, TheSecondPressOfADoubleClickStartsNoStroke) {
  pen->Stroke({At(100, 100), At(110, 100)});
  ASSERT_EQ(a.m_nPoints, 3);
  pen->DoubleClick(At(100, 100));
  EXPECT_EQ(view->m_bStrokeActive, 0);
  pen->Move(At(110, 140));
  pen->Release(At(110, 140));
  EXPECT_EQ(StrokeCount(a), 1);
  EXPECT_EQ(a.m_nPoints, 3);
  // The next press writes again.
  pen->Stroke({At(100, 140), At(110, 140)});
  EXPECT_EQ(StrokeCount(a), 2);
}

TEST_F(StrokeCapture, TheStrokeShowsInTheWindowAtOnceAndInTheBackBufferWhenItEnds) {
  pen->Press(At(100, 100));
  pen->Move(At(200, 100));
  // The window shows the segment before the stroke ends.
  const Rect client = view->ClientRectLogical();
  const Point o = gDrawState.m_ptCanvasOrigin;
  int shown = 0;
  for (int x = 100; x < 200; ++x) {
    for (int y = 95; y < 140; ++y) shown += RedOf(view->windowSurface().GetPixel(x + o.x - client.left, y + o.y - client.top)) < 128;
  }
  EXPECT_GT(shown, 50);
  EXPECT_EQ(InkIn({0, 0, kPaperWidth, kPaperHeight}), 0);
  pen->Release(At(200, 100));
  EXPECT_GT(InkIn({100, 95, 240, 140}), 50);
  // Nothing beyond the stroke's cells.
  EXPECT_EQ(InkIn({0, 0, kPaperWidth, 95}), 0);
  EXPECT_EQ(InkIn({0, 140, kPaperWidth, kPaperHeight}), 0);
  EXPECT_EQ(InkIn({0, 0, 100, kPaperHeight}), 0);
}

TEST_F(StrokeCapture, AStrokeThatRunsOutOfTheWindowReachesTheBackBufferAllTheSame) {
  view->resize(200, 200);
  view->layout()->activate();
  QCoreApplication::sendPostedEvents();
  const Rect client = view->ClientRectLogical();
  ASSERT_LT(client.Width(), 250);
  // From inside the window to well beyond its left edge: the mouse stays with the view.
  const Point o = gDrawState.m_ptCanvasOrigin;
  const int y = client.top + 60 - o.y;
  const int x0 = client.right - 60 - o.x;
  pen->Stroke({At(x0, y), At(x0 - 100, y), At(x0 - 200, y), At(x0 - 300, y)});
  ASSERT_EQ(a.m_nPoints, 5);
  ASSERT_LT(x0 - 200 + o.x, client.left);
  EXPECT_GT(InkIn({x0 - 40, y - 5, x0, y + 40}), 0);
  EXPECT_GT(InkIn({x0 - 300, y - 5, x0 - 220, y + 40}), 0);
}

}  // namespace
}  // namespace tmb::test
