// 设置 > 画笔 in the started program: a confirmed pen dialog leaves no stroke pending in
// either drawing window, so the next stroke starts under the new settings.
#include "app/app_fixture.h"
#include "resources/command_ids.h"
#include "views/tmb_view.h"

namespace tmb::test {
namespace {

using PenSettingsRoad = AppTest;

TEST_F(PenSettingsRoad, AConfirmedPenDialogClearsThePendingStrokeOfBothWindows) {
  ASSERT_TRUE(Start());
  std::vector<CTmbView*> views = {CTmbView::ViewOfKind(kKindDrawA), CTmbView::ViewOfKind(kKindDrawB)};
  auto leavePending = [&] {
    for (CTmbView* v : views) {
      v->m_bStrokeActive = 2;
      v->m_bCapacityWarning = 1;
      v->m_wLastSample = 1234;
      v->m_ptLast = {10, 20};
    }
  };
  for (CTmbView* v : views) ASSERT_NE(v, nullptr);
  leavePending();
  dialogs.Then([](ui::DialogWindow&) { return ui::kIdCancel; });
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdPenSettings));
  EXPECT_EQ(views[0]->m_bStrokeActive, 2) << "a cancelled dialog changes nothing";
  dialogs.Then([](ui::DialogWindow& d) { return ScriptedDialogs::PressOk(d); });
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdPenSettings));
  for (CTmbView* v : views) {
    EXPECT_EQ(v->m_bStrokeActive, 0);
    EXPECT_EQ(v->m_bCapacityWarning, 0);
    EXPECT_EQ(v->m_wLastSample, 0);
    EXPECT_EQ(v->m_ptLast, (Point{0, 0}));
  }
}

}  // namespace
}  // namespace tmb::test
