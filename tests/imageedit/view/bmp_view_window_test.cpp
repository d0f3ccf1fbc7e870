// The image editor's mouse modes driven by mouse events on its window: the rubber band,
// the stretch and move of a lifted block, the floating paste and auto-scroll.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QEvent>
#include <QScrollBar>
#include <QKeyEvent>
#include <memory>

#include "app/view_classes.h"
#include "core/canvas/work_canvas.h"
#include "core/state/draw_state.h"
#include "imageedit/view/bmp_view_window.h"
#include "support/manual_clock.h"
#include "support/picture_files.h"
#include "support/paper_state.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_messages.h"
#include "support/surface_copies.h"
#include "support/ui/editor_window.h"
#include "support/ui/pen_events.h"

namespace {

using tmb::Colour;
using tmb::Point;
using tmb::Rect;
using tmb::Surface;

constexpr int kWidth = 300, kHeight = 200;
constexpr Colour kWhite = 0xFFFFFF, kRed = 0x0000FF, kBlue = 0xFF0000;

using tmb::test::SamePixels;

class EditorMouse : public ::testing::Test {
 protected:
  void SetUp() override {
    tmb::test::ResetDrawStateForPaper(kWidth, kHeight);
  }
  void TearDown() override {
    window.reset();
    gDrawState.Reset();
  }

  // The window at a size that shows width x height device pixels, painted once, with a
  // red block at (20, 20)-(80, 60) and a blue one at (100, 100)-(140, 130) on white.
  CBmpViewWindow& Open(int width, int height) {
    window = tmb::test::OpenEditorWindow(width, height);
    CBmpView& v = window->editor();
    tmb::DeviceContext dc(&v.m_bmpWork);
    dc.FillSolidRect({20, 20, 80, 60}, kRed);
    dc.FillSolidRect({100, 100, 140, 130}, kBlue);
    v.Redraw();
    events = std::make_unique<tmb::test::PenEvents>(window->viewport(), clock);
    return *window;
  }
  // The device point of an image point.
  QPoint At(Point p) const {
    const Point o = gDrawState.m_ptCanvasOrigin;
    const Point s = window->ScrollPosition();
    return {p.x + o.x - s.x, p.y + o.y - s.y};
  }
  void Drag(Point from, Point to) {
    events->Press(At(from));
    events->Move(At({(from.x + to.x) / 2, (from.y + to.y) / 2}));
    events->Move(At(to));
    events->Release(At(to));
  }
  // The colour the window shows at an image point.
  Colour Shown(Point p) const {
    const QPoint d = At(p);
    return window->windowSurface().GetPixel(d.x(), d.y());
  }
  Surface Snapshot() const { return tmb::test::CopyOfSurface(window->editor().m_bmpWork); }

  tmb::test::ScopedWorkCanvas canvas{kWidth, kHeight};
  tmb::test::ScriptedMessages messages;
  tmb::test::ManualClock clock;
  std::unique_ptr<CBmpViewWindow> window;
  std::unique_ptr<tmb::test::PenEvents> events;
};

TEST_F(EditorMouse, ADragUnderFourPixelsKeepsThePreviousRegion) {
  CBmpView& v = Open(kWidth + 64, kHeight + 64).editor();
  Drag({20, 20}, {80, 60});
  EXPECT_EQ(v.m_region, (Rect{20, 20, 80, 60}));
  EXPECT_EQ(v.m_nFrameState, 1);
  for (Point end : {Point{200, 150}, Point{203, 147}, Point{197, 153}}) {
    SCOPED_TRACE(end.x);
    Drag({200, 150}, end);
    EXPECT_EQ(v.m_region, (Rect{20, 20, 80, 60}));
    EXPECT_EQ(v.m_nFrameState, 0) << "the click hides the frame";
    EXPECT_EQ(v.m_nRubberBand, 0);
  }
  Drag({200, 150}, {196, 150});
  EXPECT_EQ(v.m_region, (Rect{196, 150, 200, 150})) << "four pixels make a region";
  tmb::test::SavePictureForViewing(window->windowSurface(), "image_editor_region");
}

TEST_F(EditorMouse, AStretchIsDrawnOnlyPastNinePixelsBothWays) {
  CBmpView& v = Open(kWidth + 64, kHeight + 64).editor();
  const Surface before = Snapshot();
  Drag({20, 20}, {80, 60});
  events->Press(At({80, 40}));  // the right edge
  EXPECT_EQ(v.m_nMode, CBmpView::kModeStretch);
  events->Move(At({29, 150}));  // 9 wide: nothing drawn
  EXPECT_EQ(Shown({25, 100}), kWhite);
  EXPECT_EQ(Shown({50, 40}), kWhite) << "the block has left its place";
  events->Move(At({200, 29}));  // 9 high: nothing drawn
  EXPECT_EQ(Shown({150, 25}), kWhite);
  events->Move(At({200, 150}));
  EXPECT_EQ(Shown({190, 140}), kRed);
  events->Release(At({200, 150}));
  EXPECT_EQ(v.m_bmpWork.GetPixel(190, 140), kRed);
  EXPECT_EQ(v.m_bmpWork.GetPixel(100, 100), kRed) << "the stretched block covers the blue one";
  EXPECT_EQ(v.m_nMode, CBmpView::kModeRegion);
  tmb::test::SavePictureForViewing(v.m_bmpWork, "image_editor_stretched");
  v.Undo();
  EXPECT_TRUE(SamePixels(v.m_bmpWork, before));

  // Released short of ten pixels: nothing is committed, the place stays empty until undo.
  Drag({20, 20}, {80, 60});
  events->Press(At({80, 40}));
  events->Move(At({100, 45}));
  events->Release(At({25, 45}));
  EXPECT_EQ(v.m_bmpWork.GetPixel(50, 40), kWhite);
  EXPECT_EQ(v.m_bmpWork.GetPixel(22, 22), kWhite);
  v.Undo();
  EXPECT_TRUE(SamePixels(v.m_bmpWork, before));
}

TEST_F(EditorMouse, AShortMoveAndUndoRestoreThePictureExactly) {
  CBmpView& v = Open(kWidth + 64, kHeight + 64).editor();
  const Surface before = Snapshot();
  Drag({20, 20}, {80, 60});
  events->Press(At({40, 30}));
  EXPECT_EQ(v.m_nMode, CBmpView::kModeMove);
  events->Move(At({42, 33}));
  events->Release(At({43, 32}));
  EXPECT_TRUE(SamePixels(v.m_bmpWork, before));
  EXPECT_EQ(v.m_nMode, CBmpView::kModeRegion);

  Drag({20, 20}, {80, 60});
  events->Press(At({40, 30}));
  events->Move(At({120, 90}));
  events->Move(At({160, 110}));
  events->Release(At({160, 110}));
  EXPECT_EQ(v.m_region, (Rect{140, 100, 200, 140}));
  EXPECT_EQ(v.m_bmpWork.GetPixel(150, 110), kRed);
  EXPECT_EQ(v.m_bmpWork.GetPixel(30, 30), kWhite);
  EXPECT_EQ(Shown({150, 110}), kRed);
  EXPECT_EQ(Shown({30, 30}), kWhite);
  tmb::test::SavePictureForViewing(v.m_bmpWork, "image_editor_moved");
  v.Undo();
  EXPECT_TRUE(SamePixels(v.m_bmpWork, before));
}

TEST_F(EditorMouse, APasteReleasedOffThePictureOrRightClickedAddsNothing) {
  CBmpView& v = Open(kWidth + 64, kHeight + 64).editor();
  Drag({20, 20}, {80, 60});
  ASSERT_TRUE(v.Copy());
  const Surface before = Snapshot();

  v.BeginPaste();
  events->Move(At({150, 120}));
  EXPECT_EQ(Shown({160, 130}), kRed);
  events->Release(At({-10, 50}));
  EXPECT_EQ(v.m_nMode, CBmpView::kModeRegion);
  EXPECT_TRUE(SamePixels(v.m_bmpWork, before));
  EXPECT_EQ(Shown({160, 130}), kWhite) << "the block left the screen";

  v.BeginPaste();
  events->Move(At({150, 120}));
  events->Press(At({150, 120}), Qt::RightButton);
  events->Release(At({150, 120}), Qt::RightButton);
  EXPECT_EQ(v.m_nMode, CBmpView::kModeRegion);
  EXPECT_TRUE(SamePixels(v.m_bmpWork, before));
  EXPECT_EQ(Shown({160, 130}), kWhite);

  // The pointer leaving the window takes the block off the screen; it comes back with it.
  v.BeginPaste();
  events->Move(At({150, 120}));
  QEvent leave(QEvent::Leave);
  QCoreApplication::sendEvent(window->viewport(), &leave);
  EXPECT_EQ(Shown({160, 130}), kWhite);
  EXPECT_EQ(v.m_nMode, CBmpView::kModeFloat);
  events->Move(At({150, 120}));
  events->Press(At({200, 120}));
  events->Release(At({200, 120}));
  EXPECT_EQ(v.m_bmpWork.GetPixel(210, 130), kRed);
  EXPECT_EQ(v.m_region, (Rect{200, 120, 260, 160}));
  EXPECT_EQ(v.m_bModified, 1);
}

TEST_F(EditorMouse, AutoScrollStepsBy32OnlyWhileThePointerGoesOn) {
  CBmpView& v = Open(200, 150).editor();
  QScrollBar* h = nullptr;
  for (QScrollBar* bar : window->findChildren<QScrollBar*>()) {
    if (bar->orientation() == Qt::Horizontal) h = bar;
  }
  ASSERT_NE(h, nullptr);
  h->setValue(0);
  const int right = window->viewport()->width();
  const int nearRight = right - 8 + window->ScrollPosition().x - gDrawState.m_ptCanvasOrigin.x;
  events->Press(At({50, 40}));
  events->Move(At({nearRight - 20, 60}));
  EXPECT_EQ(h->value(), 0) << "not near the edge yet";
  events->Move(At({nearRight, 60}));
  EXPECT_EQ(h->value(), 32);
  EXPECT_EQ(v.m_bAutoScrolled, 1);
  // Moving back inside the margin does not scroll.
  events->Move(At({nearRight + 32 - 2, 60}));
  EXPECT_EQ(h->value(), 32);
  EXPECT_EQ(v.m_bAutoScrolled, 0);
  events->Release(At({nearRight + 30, 60}));
}

// Keys pressed in the editor take the default processing: they neither scroll the picture
// nor change it, its region or a paste under way; the loss of the focus and a right press
// leave the paste following the pointer, which the right button's release cancels.
TEST_F(EditorMouse, KeysTheLostFocusAndARightPressLeaveThePictureWhereItIs) {
  CBmpView& v = Open(200, 150).editor();
  QWidget* area = window->viewport()->parentWidget();
  const QList<QScrollBar*> bars = window->findChildren<QScrollBar*>();
  ASSERT_FALSE(bars.empty());
  for (QScrollBar* bar : bars) bar->setValue(bar->maximum() / 2);  // room to scroll either way
  std::vector<int> scrolled;
  for (QScrollBar* bar : bars) scrolled.push_back(bar->value());
  Drag({60, 30}, {120, 70});  // the right part of the red block, in sight
  ASSERT_TRUE(v.Copy());
  const Surface before = Snapshot();
  const Rect region = v.m_region;
  for (Qt::Key key : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Down, Qt::Key_Up, Qt::Key_PageDown, Qt::Key_PageUp,
                      Qt::Key_Home, Qt::Key_End, Qt::Key_Space, Qt::Key_Escape}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(area, &press);
    QCoreApplication::sendEvent(area, &release);
    for (qsizetype i = 0; i < bars.size(); ++i) EXPECT_EQ(bars[i]->value(), scrolled[size_t(i)]) << key;
  }
  EXPECT_TRUE(SamePixels(v.m_bmpWork, before));
  EXPECT_EQ(v.m_region, region);
  EXPECT_EQ(v.m_nMode, CBmpView::kModeRegion);

  v.BeginPaste();
  events->Move(At({100, 80}));
  QFocusEvent lost(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
  QCoreApplication::sendEvent(area, &lost);
  events->Press(At({100, 80}), Qt::RightButton);
  EXPECT_EQ(v.m_nMode, CBmpView::kModeFloat);
  EXPECT_EQ(Shown({110, 90}), kRed) << "the block still follows the pointer";
  events->Release(At({100, 80}), Qt::RightButton);
  EXPECT_EQ(v.m_nMode, CBmpView::kModeRegion);
  EXPECT_TRUE(SamePixels(v.m_bmpWork, before));
}

}  // namespace
