// The edit commands a drawing view handles itself: the layout of the framed parts and the
// move of the whole character, each through its dialog.
#include "convert/presets/framed_layout.h"
#include "core/document/tmb_doc.h"
#include "resources/command_ids.h"
#include "support/ui/scripted_dialogs.h"
#include "views/layout_dialogs.h"
#include "views/view_fixture.h"

namespace tmb::test {
namespace {

class LayoutCommands : public DrawingViewTest {
 protected:
  void SetUp() override {
    DrawingViewTest::SetUp();
    gLayoutDlg.m_nEdge = gLayoutDlg.m_nOperation = gLayoutDlg.m_nBox = gLayoutDlg.m_nDimension = 0;
    gLayoutDlg.m_nMoveX = gLayoutDlg.m_nMoveY = 0;
    gLayoutDlg.m_nScaleX = gLayoutDlg.m_nScaleY = 100;
    gMoveDlg.m_nX = gMoveDlg.m_nY = 0;
    // Two framed strokes and a free one after them.
    AddStroke(a, {{100, 100}, {200, 100}});
    AddStroke(a, {{150, 200}, {300, 200}});
    AddStroke(a, {{100, 400}, {200, 500}});
    for (int i = 0; i < a.m_nPoints; ++i) a.m_pPressure[i] = 10 + i;
    CEditRegions& frames = a.m_regions.m_list;
    frames.m_nCount = 2;
    frames.m_rects[0] = {90, 90, 210, 110};
    frames.m_rects[1] = {140, 190, 310, 210};
    a.m_bModified = 0;
    view = &MakeView();
    FirstPaint(*view);
  }
  // A step that chooses the left edge and the extents and presses OK on operation.
  static ScriptedDialogs::Step ChooseOperation(int operation) {
    return [operation](ui::DialogWindow& d) {
      ScriptedDialogs::Check(d, CLayoutDlg::kEdgeRadio, true);
      ScriptedDialogs::Check(d, CLayoutDlg::kOperationRadio + operation, true);
      ScriptedDialogs::Check(d, CLayoutDlg::kBoxRadio, true);
      return ScriptedDialogs::PressOk(d);
    };
  }
  std::vector<Point> Points() const { return {a.m_pPoints.get(), a.m_pPoints.get() + a.m_nPoints}; }

  ScriptedDialogs dialogs;
  CTmbView* view = nullptr;
};

TEST_F(LayoutCommands, LayoutAppliesOnlyOnOkAndCanBeUndone) {
  const std::vector<Point> before = Points();
  // Cancelled, or a dialog that never opened: nothing changes and no undo copy is taken.
  dialogs.Then([](ui::DialogWindow&) { return ui::kIdCancel; });
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Check(d, CLayoutDlg::kOperationRadio, true);
    return ui::kIdFailed;
  });
  EXPECT_TRUE(view->RunCommand(kCmdEditLayout));
  EXPECT_TRUE(view->RunCommand(kCmdEditLayout));
  EXPECT_EQ(Points(), before);
  EXPECT_EQ(windows.docA->m_bUndoValid, 0);
  EXPECT_EQ(a.m_bModified, 0);
  // OK aligns the second part's left edge on the first's.
  dialogs.Then(ChooseOperation(kLayoutAlign));
  EXPECT_TRUE(view->RunCommand(kCmdEditLayout));
  EXPECT_EQ(dialogs.shown, (std::vector<int>{276, 276, 276}));
  EXPECT_EQ(Points(), (std::vector<Point>{{100, 100}, {200, 100}, {100, 200}, {250, 200}, {100, 400}, {200, 500}}));
  EXPECT_EQ(a.m_regions.m_list.m_rects[1], (Rect{90, 190, 260, 210}));
  EXPECT_EQ(a.m_bModified, 1);
  ASSERT_EQ(windows.docA->m_bUndoValid, 1);
  const CCharData& undo = windows.docA->m_base[kBaseUndo];
  EXPECT_EQ(std::vector<Point>(undo.m_pPoints.get(), undo.m_pPoints.get() + undo.m_nPoints), before);
  view->Undo();
  EXPECT_EQ(Points(), before);
}

TEST_F(LayoutCommands, MoveAndScaleTakeTheirOwnPairOfValues) {
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Check(d, CLayoutDlg::kOperationRadio + kLayoutMove, true);
    ScriptedDialogs::Type(d, CLayoutDlg::kMoveXEdit, "5");
    ScriptedDialogs::Type(d, CLayoutDlg::kMoveYEdit, "-7");
    ScriptedDialogs::Type(d, CLayoutDlg::kScaleXEdit, "300");
    return ScriptedDialogs::PressOk(d);
  });
  view->OnLayout();
  EXPECT_EQ(Points(), (std::vector<Point>{{105, 93}, {205, 93}, {155, 193}, {305, 193}, {100, 400}, {200, 500}}));
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Check(d, CLayoutDlg::kOperationRadio + kLayoutScale, true);
    ScriptedDialogs::Type(d, CLayoutDlg::kScaleXEdit, "50");
    ScriptedDialogs::Type(d, CLayoutDlg::kScaleYEdit, "100");
    return ScriptedDialogs::PressOk(d);
  });
  view->OnLayout();
  EXPECT_EQ(Points(), (std::vector<Point>{{105, 93}, {155, 93}, {155, 193}, {230, 193}, {100, 400}, {200, 500}}));
}

// The offsets reach 10000 pixels either way on any paper, here one of 500 x 750.
TEST_F(LayoutCommands, OffsetsBeyond10000KeepTheDialogOpen) {
  int firstTry = -1;
  dialogs.Then([&firstTry](ui::DialogWindow& d) {
    ScriptedDialogs::Check(d, CLayoutDlg::kOperationRadio + kLayoutMove, true);
    ScriptedDialogs::Type(d, CLayoutDlg::kMoveXEdit, "10001");
    firstTry = ScriptedDialogs::PressOk(d);
    ScriptedDialogs::Type(d, CLayoutDlg::kMoveXEdit, "10000");
    ScriptedDialogs::Type(d, CLayoutDlg::kMoveYEdit, "-10000");
    return ScriptedDialogs::PressOk(d);
  });
  view->OnLayout();
  EXPECT_EQ(firstTry, 0);
  EXPECT_EQ(a.m_pPoints[0], (Point{10100, -9900}));
  EXPECT_EQ(a.m_pPoints[4], (Point{100, 400}));
}

TEST_F(LayoutCommands, ClearingTheFramedTextKeepsTheFreeStrokeWhole) {
  view->ApplyLayout(gLayoutDlg, 1, 0, 0);
  EXPECT_EQ(Points(), (std::vector<Point>{{100, 400}, {200, 500}}));
  EXPECT_EQ(a.m_pFlags[0], 1);
  // Its pressures went with it.
  EXPECT_EQ(a.m_pPressure[0], 14);
  EXPECT_EQ(a.m_pPressure[1], 15);
  EXPECT_EQ(a.m_regions.m_list.m_nCount, 0);
  EXPECT_EQ(a.m_nOutlineDirty, 1);
}

TEST_F(LayoutCommands, MoveAllMovesEveryPointOnOkOnly) {
  const std::vector<Point> before = Points();
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, CMoveDlg::kXEdit, "20");
    return ui::kIdCancel;
  });
  EXPECT_TRUE(view->RunCommand(kCmdEditMoveAll));
  EXPECT_EQ(Points(), before);
  EXPECT_EQ(gMoveDlg.m_nX, 0);
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, CMoveDlg::kXEdit, "20");
    ScriptedDialogs::Type(d, CMoveDlg::kYEdit, "-10");
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_TRUE(view->RunCommand(kCmdEditMoveAll));
  EXPECT_EQ(dialogs.shown, (std::vector<int>{251, 251}));
  for (int i = 0; i < a.m_nPoints; ++i) EXPECT_EQ(a.m_pPoints[i], (Point{before[i].x + 20, before[i].y - 10})) << i;
  EXPECT_EQ(a.m_bModified, 1);
  // The frames stay where they were drawn.
  EXPECT_EQ(a.m_regions.m_list.m_rects[0], (Rect{90, 90, 210, 110}));
}

}  // namespace
}  // namespace tmb::test
