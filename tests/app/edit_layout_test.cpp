// The layout and move-all commands of the edit menu in the running application: 二 in
// window A laid out through its frames, moved as a whole, saved and read back.
#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "resources/command_ids.h"
#include "support/temp_dir.h"
#include "views/layout_dialogs.h"
#include "views/tmb_view.h"

namespace tmb::test {
namespace {

using EditLayout = AppTest;

void AddStroke(CCharData& rec, Point a, Point b) {
  for (Point p : {a, b}) {
    rec.m_pPoints[rec.m_nPoints] = p;
    rec.m_pFlags[rec.m_nPoints] = p == a ? 1 : 0;
    rec.m_pPressure[rec.m_nPoints] = -1;
    ++rec.m_nPoints;
  }
}

std::vector<Point> PointsOf(const CCharData& rec) { return {rec.m_pPoints.get(), rec.m_pPoints.get() + rec.m_nPoints}; }

TEST_F(EditLayout, TheFramedStrokesOfWindowAAreAlignedMovedSavedAndReadBack) {
  ASSERT_TRUE(Start());
  CTmbDocument* doc = GetCharDocumentOfKind(kKindDrawA);
  ASSERT_TRUE(doc);
  CCharDataFull& a = *doc->DrawnRecord();
  // 二: a short upper stroke and a longer lower one, each in its own frame.
  a.ClearPoints();
  AddStroke(a, {180, 250}, {320, 250});
  AddStroke(a, {120, 480}, {380, 480});
  CEditRegions& frames = a.m_regions.m_list;
  frames.m_nCount = 2;
  frames.m_nReference = 0;
  frames.m_rects[0] = {170, 230, 330, 270};
  frames.m_rects[1] = {110, 460, 390, 500};
  const std::vector<Point> given = PointsOf(a);
  frame()->ActivateChildFrame(FrameOfKind(kKindDrawA));
  ASSERT_TRUE(qobject_cast<CTmbView*>(FrameOfKind(kKindDrawA)->activeView()));

  // 排列: left edge, align, the extent of the characters in the frame.
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Check(d, CLayoutDlg::kEdgeRadio + 0, true);
    ScriptedDialogs::Check(d, CLayoutDlg::kOperationRadio + 0, true);
    ScriptedDialogs::Check(d, CLayoutDlg::kBoxRadio + 0, true);
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdEditLayout));
  EXPECT_EQ(PointsOf(a), (std::vector<Point>{{180, 250}, {320, 250}, {180, 480}, {440, 480}}));
  const CCharData& undo = doc->engine().m_base[kBaseUndo];
  ASSERT_EQ(doc->engine().m_bUndoValid, 1);
  EXPECT_EQ(PointsOf(undo), given);

  // 全体移动 by (20, -10).
  dialogs.Then([](ui::DialogWindow& d) {
    ScriptedDialogs::Type(d, CMoveDlg::kXEdit, "20");
    ScriptedDialogs::Type(d, CMoveDlg::kYEdit, "-10");
    return ScriptedDialogs::PressOk(d);
  });
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdEditMoveAll));
  const std::vector<Point> moved = {{200, 240}, {340, 240}, {200, 470}, {460, 470}};
  EXPECT_EQ(PointsOf(a), moved);
  EXPECT_EQ(dialogs.shown, (std::vector<int>{276, 251}));
  EXPECT_TRUE(doc->IsModified());

  // The saved file reads back moved.
  TempDir dir;
  const std::string path = (dir / "ni.wdf").string();
  ASSERT_EQ(doc->engine().SaveCharacterFile(path), 1);
  a.ClearPoints();
  chooser.Next(path);
  EXPECT_TRUE(frame()->ExecuteCommand(kCmdFileOpen));
  EXPECT_EQ(PointsOf(a), moved);
  EXPECT_EQ(a.m_pFlags[0], 1);
  EXPECT_EQ(a.m_pFlags[2], 1);
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
