// The preview window's view: its white picture from the start, the selection dragged with
// the mouse and its frame on the window, where a new view opens its scrolled paper, the
// clipboard copy of a rectangle and the picture it offers the page renderer.
#include "views/pre_view.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QScrollBar>
#include <gtest/gtest.h>

#include <memory>

#include "core/state/draw_state.h"
#include "support/manual_clock.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_messages.h"
#include "support/ui/memory_clipboard.h"
#include "support/ui/pen_events.h"

namespace tmb::test {
namespace {

constexpr int kPaperWidth = 500, kPaperHeight = 750;
constexpr Colour kWhite = 0xFFFFFF, kBlack = 0x000000;

class PreViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    gDrawState.Reset();
    const Point o = gDrawState.m_ptCanvasOrigin;
    gDrawState.m_rcCanvas = {o.x, o.y, o.x + kPaperWidth, o.y + kPaperHeight};
  }
  void TearDown() override {
    view.reset();
    gDrawState.Reset();
  }
  // A preview of width x height pixels, set up and shown, its first paint done.
  CPre_View& Open(int width, int height) {
    view = std::make_unique<CPre_View>(nullptr, 0);
    view->resize(width, height);
    view->show();
    view->OnInitialUpdate();
    QCoreApplication::processEvents();
    return *view;
  }
  QWidget* viewport() const { return view->area()->viewport(); }
  // The window pixel over paper point p (the view scrolled to its start).
  Colour WindowPixelAt(Point p) const {
    const Point o = gDrawState.m_ptCanvasOrigin;
    return view->windowSurface().GetPixel(p.x + o.x, p.y + o.y);
  }
  // Window pixels over the paper that differ from the picture's.
  int PixelsOffThePicture() const {
    int n = 0;
    for (int y = 0; y < 300; ++y) {
      for (int x = 0; x < 300; ++x) n += WindowPixelAt({x, y}) != view->m_bmpPreview.GetPixel(x, y);
    }
    return n;
  }
  // A drag over the paper from a to b (paper points).
  void Drag(Point a, Point b) {
    PenEvents events(viewport(), clock);
    const Point o = gDrawState.m_ptCanvasOrigin;
    events.Press(QPoint(a.x + o.x, a.y + o.y));
    events.Move(QPoint((a.x + b.x) / 2 + o.x, (a.y + b.y) / 2 + o.y));
    events.Move(QPoint(b.x + o.x, b.y + o.y));
    events.Release(QPoint(b.x + o.x, b.y + o.y));
  }

  ScopedWorkCanvas canvas{kPaperWidth, kPaperHeight};
  ScriptedMessages messages;
  MemoryClipboard clipboard;
  ManualClock clock;
  std::unique_ptr<CPre_View> view;
};

TEST_F(PreViewTest, ThePictureIsWhiteBeforeAnyPaint) {
  view = std::make_unique<CPre_View>(nullptr, 0);
  view->OnInitialUpdate();  // as the minimised frame does: no paint follows
  ASSERT_FALSE(view->m_bmpPreview.IsNull());
  EXPECT_EQ(view->m_bmpPreview.size(), (Size{kPaperWidth, kPaperHeight}));
  int notWhite = 0;
  for (int y = 0; y < kPaperHeight; ++y) {
    for (int x = 0; x < kPaperWidth; ++x) notWhite += view->m_bmpPreview.GetPixel(x, y) != kWhite;
  }
  EXPECT_EQ(notWhite, 0);
  EXPECT_EQ(view->PrintPicture(), &view->m_bmpPreview);
  // The selection starts as the whole paper.
  EXPECT_EQ(view->PrintSelection(), (Rect{0, 0, kPaperWidth, kPaperHeight}));
}

TEST_F(PreViewTest, ADragLeavesItsFrameAndAPressBesideThePaperStartsNothing) {
  Open(700, 900);
  PenEvents events(viewport(), clock);
  Drag({40, 50}, {140, 120});
  EXPECT_EQ(view->m_rcSelect, (Rect{40, 50, 140, 120}));
  EXPECT_EQ(view->m_nFrameShown, 1);
  EXPECT_EQ(view->m_nDrag, 0);
  EXPECT_GT(PixelsOffThePicture(), 0);
  // The frame's left side, dotted: every other pixel inverted.
  int inverted = 0;
  for (int y = 50; y < 120; ++y) inverted += WindowPixelAt({40, y}) == kBlack;
  EXPECT_GE(inverted, 30);
  const int framed = PixelsOffThePicture();

  // In the margin left of the paper.
  events.Press(QPoint(10, 100));
  events.Release(QPoint(10, 100));
  EXPECT_EQ(view->m_rcSelect, (Rect{40, 50, 140, 120}));
  EXPECT_EQ(view->m_nFrameShown, 1);
  EXPECT_EQ(PixelsOffThePicture(), framed);
}

TEST_F(PreViewTest, AClickLeavesNoFrameAndNoSelection) {
  Open(700, 900);
  PenEvents events(viewport(), clock);
  Drag({40, 50}, {140, 120});
  const Point o = gDrawState.m_ptCanvasOrigin;
  events.Press(QPoint(200 + o.x, 200 + o.y));
  events.Release(QPoint(200 + o.x, 200 + o.y));
  EXPECT_EQ(view->m_nFrameShown, 0);
  EXPECT_EQ(PixelsOffThePicture(), 0);
  EXPECT_TRUE(view->PrintSelection().IsEmpty());
}

TEST_F(PreViewTest, ANarrowPreviewOpensAtItsStartAndAWideOneAtItsRightEnd) {
  const Point o = gDrawState.m_ptCanvasOrigin;
  const int paperAndMargins = kPaperWidth + 2 * o.x;
  Open(paperAndMargins + 100, 400);
  EXPECT_EQ(view->area()->horizontalScrollBar()->value(), 0);
  EXPECT_EQ(view->ClientRectLogical().left, 0);

  Open(300, 400);
  QScrollBar* h = view->area()->horizontalScrollBar();
  EXPECT_GT(h->maximum(), 0);
  EXPECT_EQ(h->value(), h->maximum());
  EXPECT_EQ(view->ClientRectLogical().right, paperAndMargins);
}

TEST_F(PreViewTest, TheCopyPutsExactlyTheRectanglesPixelsOnTheClipboard) {
  Open(700, 900);
  // Each pixel of the picture tells its own place.
  for (int y = 0; y < 100; ++y) {
    for (int x = 0; x < 100; ++x) view->m_bmpPreview.SetPixel(x, y, MakeRgb(uint8_t(x), uint8_t(y), 7));
  }
  // Corners in any order, as a selection dragged up-left holds them.
  ASSERT_TRUE(view->CopyPictureToClipboard({40, 60, 10, 20}));
  const QImage image = clipboard.Image();
  ASSERT_EQ(image.size(), QSize(30, 40));
  int wrong = 0;
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 30; ++x) wrong += image.pixel(x, y) != qRgb(10 + x, 20 + y, 7);
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(messages.beeps, 0);

  // A click's point and a rectangle beside the paper: a beep, the clipboard as it was.
  for (Rect r : {Rect{50, 50, 50, 50}, Rect{600, 10, 700, 40}}) {
    EXPECT_FALSE(view->CopyPictureToClipboard(r));
  }
  EXPECT_EQ(messages.beeps, 2);
  EXPECT_EQ(clipboard.Image(), image);
}

TEST_F(PreViewTest, ADragNearAnEdgeScrollsThePaperAndTheCornerFollows) {
  Open(700, 400);
  QScrollBar* v = view->area()->verticalScrollBar();
  ASSERT_EQ(v->value(), 0);
  PenEvents events(viewport(), clock);
  const Point o = gDrawState.m_ptCanvasOrigin;
  events.Press(QPoint(100 + o.x, 100 + o.y));
  events.Move(QPoint(200, 390));  // within 16 pixels of the bottom, moving down
  EXPECT_EQ(v->value(), CPre_View::kScrollStep);
  EXPECT_EQ(view->m_bAutoScrolled, 1);
  EXPECT_EQ(view->m_rcSelect, (Rect{100, 100, 200 - o.x, 390 + CPre_View::kScrollStep - o.y}));
  // Moving back up away from the edge scrolls no more.
  events.Move(QPoint(200, 300));
  EXPECT_EQ(v->value(), CPre_View::kScrollStep);
  EXPECT_EQ(view->m_bAutoScrolled, 0);
  events.Release(QPoint(200, 300));
  EXPECT_EQ(view->m_rcSelect, (Rect{100, 100, 200 - o.x, 300 + CPre_View::kScrollStep - o.y}));
  EXPECT_EQ(view->m_nFrameShown, 1);
}

TEST_F(PreViewTest, ClearingMakesThePictureWhiteAndKeepsTheFrame) {
  Open(700, 900);
  view->m_bmpPreview.Fill(kBlack);
  view->RedrawPreview();
  EXPECT_EQ(WindowPixelAt({250, 400}), kBlack);
  Drag({40, 50}, {140, 120});
  view->ClearAndRedrawPreview();
  EXPECT_EQ(view->m_bmpPreview.GetPixel(250, 400), kWhite);
  EXPECT_EQ(WindowPixelAt({250, 400}), kWhite);
  EXPECT_EQ(view->m_nFrameShown, 1);
  EXPECT_GT(PixelsOffThePicture(), 0);
  // Hidden again, the frame leaves nothing behind.
  {
    view->OnLButtonDown({250 + gDrawState.m_ptCanvasOrigin.x, 400 + gDrawState.m_ptCanvasOrigin.y});
    view->OnLButtonUp({0, 0});
  }
  EXPECT_EQ(PixelsOffThePicture(), 0);
}

}  // namespace
}  // namespace tmb::test
