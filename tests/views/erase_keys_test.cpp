// Keys and commands that take strokes away from a drawing view's character: Backspace and
// Ctrl+Z erase the last stroke, Home clears everything, and each of them can be undone.
#include <QCoreApplication>
#include <QKeyEvent>

#include "core/document/tmb_doc.h"
#include "platform/ui/virtual_keys.h"
#include "views/tmb_view_area.h"
#include "views/view_fixture.h"

namespace tmb::test {
namespace {

class EraseKeys : public DrawingViewTest {
 protected:
  void SetUp() override {
    DrawingViewTest::SetUp();
    AddThreeStrokes(a);
    view = &MakeView();
    FirstPaint(*view);
  }
  // Presses and releases key on the view's area, with Ctrl held when ctrl is set.
  void Press(int key, bool ctrl = false) {
    const Qt::KeyboardModifiers mods = ctrl ? Qt::ControlModifier : Qt::NoModifier;
    QKeyEvent down(QEvent::KeyPress, key, mods);
    QKeyEvent up(QEvent::KeyRelease, key, mods);
    QCoreApplication::sendEvent(view->area(), &down);
    QCoreApplication::sendEvent(view->area(), &up);
  }
  // Whether the first n points of rec are those of the three strokes.
  static bool KeepsFirstPoints(const CCharData& rec, int n) {
    CCharData whole;
    AddThreeStrokes(whole);
    for (int i = 0; i < n; ++i) {
      if (rec.m_pPoints[i] != whole.m_pPoints[i] || rec.m_pFlags[i] != whole.m_pFlags[i]) return false;
    }
    return true;
  }

  CTmbView* view = nullptr;
};

TEST_F(EraseKeys, BackspaceAndCtrlZEachEraseExactlyTheLastStroke) {
  struct Case {
    int key;
    bool ctrl;
  };
  const Case cases[] = {{Qt::Key_Backspace, false}, {Qt::Key_Z, true}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.key);
    a.m_nPoints = 0;
    AddThreeStrokes(a);
    Press(c.key, c.ctrl);
    EXPECT_EQ(a.m_nPoints, 6);
    EXPECT_EQ(StrokeCount(a), 2);
    EXPECT_TRUE(KeepsFirstPoints(a, 6));
    EXPECT_EQ(a.m_bModified, 1);
    // The erase can be undone, whichever key made it.
    ASSERT_EQ(windows.docA->m_bUndoValid, 1);
    EXPECT_EQ(windows.docA->m_base[kBaseUndo].m_nPoints, 9);
  }
  // Z alone and other keys erase nothing.
  Press(Qt::Key_Z);
  Press(Qt::Key_A);
  Press(Qt::Key_Space);
  EXPECT_EQ(a.m_nPoints, 6);
}

TEST_F(EraseKeys, UndoBringsTheErasedStrokeBackOnce) {
  Press(Qt::Key_Backspace);
  ASSERT_EQ(StrokeCount(a), 2);
  view->Undo();
  EXPECT_EQ(a.m_nPoints, 9);
  EXPECT_TRUE(KeepsFirstPoints(a, 9));
  EXPECT_EQ(windows.docA->m_bUndoValid, 0);
  // A second undo has no copy to go back to: the character stays as it is.
  Press(Qt::Key_Backspace);
  Press(Qt::Key_Backspace);
  view->Undo();
  view->Undo();
  EXPECT_EQ(a.m_nPoints, 6);
  EXPECT_EQ(a.m_param[3], gCharSlots[0].m_param[3]);
}

TEST_F(EraseKeys, HomeClearsTheCharacterAndUndoRestoresIt) {
  Press(Qt::Key_Home);
  EXPECT_EQ(a.m_nPoints, 0);
  EXPECT_EQ(windows.docA->m_work.m_nPoints, 0);
  EXPECT_EQ(windows.docA->m_nLastPainted, 0);
  // The back buffer is blank paper again.
  const Surface& back = BackBuffer();
  EXPECT_EQ(back.GetPixel(200, 100), kWhite);
  view->Undo();
  EXPECT_EQ(a.m_nPoints, 9);
  EXPECT_TRUE(KeepsFirstPoints(a, 9));
  EXPECT_NE(back.GetPixel(200, 100), kWhite);
}

TEST_F(EraseKeys, ErasingFromANearbyPartRemovesThatStrokeAndEveryLaterOne) {
  view->m_ptErase = {205, 240};  // beside the upright stroke
  view->RedrawAfterErase(1);
  EXPECT_EQ(a.m_nPoints, 3);
  EXPECT_TRUE(KeepsFirstPoints(a, 3));
  EXPECT_EQ(windows.docA->m_base[kBaseUndo].m_nPoints, 9);
  // Nothing to erase leaves everything alone.
  a.m_nPoints = 0;
  windows.docA->m_bUndoValid = 0;
  view->RedrawAfterErase(0);
  EXPECT_EQ(windows.docA->m_bUndoValid, 0);
}

TEST_F(EraseKeys, ReplayingTheLastKeyOfTheImageViewErasesLikeTheKeyItself) {
  gDrawState.m_nLastKeyChar = ui::kVkBack;
  view->ReplayLastKey();
  EXPECT_EQ(StrokeCount(a), 2);
}

}  // namespace
}  // namespace tmb::test
