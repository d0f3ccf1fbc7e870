// The drawing view's cursors: its own drawing cursors by system version, the wait cursor
// around long work and the arrow.
#include <QWidget>
#include <algorithm>

#include "views/tmb_view_area.h"
#include "views/view_fixture.h"

namespace tmb::test {
namespace {

using ViewCursors = DrawingViewTest;

TEST_F(ViewCursors, TheDrawingCursorIsABrushOrAPenWithItsTipAtTheHotSpot) {
  CTmbView& view = MakeView();
  QWidget* viewport = view.area()->viewport();
  view.SetDrawingCursor();
  const QCursor brush = viewport->cursor();
  EXPECT_EQ(brush.shape(), Qt::BitmapCursor);
  EXPECT_EQ(brush.hotSpot(), QPoint(2, 29));
  const QImage brushImage = brush.pixmap().toImage();
  ASSERT_EQ(brushImage.size(), QSize(32, 32));
  // Ink within a few pixels of the tip; the far corner is clear.
  int darkest = 255;
  for (int y = 25; y < 32; ++y) {
    for (int x = 0; x < 7; ++x) {
      if (qAlpha(brushImage.pixel(x, y)) > 128) darkest = std::min(darkest, qGray(brushImage.pixel(x, y)));
    }
  }
  EXPECT_LT(darkest, 64);
  EXPECT_EQ(qAlpha(brushImage.pixel(31, 31)), 0);
  gDrawState.m_nWinVersion = 410;
  view.SetDrawingCursor();
  EXPECT_EQ(viewport->cursor().hotSpot(), QPoint(2, 29));
  EXPECT_NE(viewport->cursor().pixmap().toImage(), brushImage);
}

TEST_F(ViewCursors, TheWaitCursorGivesBackTheCursorBeforeItAndTheArrowEndsIt) {
  CTmbView& view = MakeView();
  QWidget* viewport = view.area()->viewport();
  viewport->setCursor(Qt::CrossCursor);
  view.BeginWaitCursor();
  EXPECT_EQ(view.m_bBusy, 1);
  EXPECT_EQ(viewport->cursor().shape(), Qt::WaitCursor);
  view.EndWaitCursor();
  EXPECT_EQ(view.m_bBusy, 0);
  EXPECT_EQ(viewport->cursor().shape(), Qt::CrossCursor);
  // The drawing cursor during long work first ends the wait.
  view.BeginWaitCursor();
  view.SetDrawingCursor();
  EXPECT_EQ(view.m_bBusy, 0);
  EXPECT_EQ(viewport->cursor().shape(), Qt::BitmapCursor);
  view.BeginWaitCursor();
  view.RestoreArrowCursor();
  EXPECT_EQ(view.m_bBusy, 0);
  EXPECT_EQ(viewport->cursor().shape(), Qt::ArrowCursor);
}

}  // namespace
}  // namespace tmb::test
