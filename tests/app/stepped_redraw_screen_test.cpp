// 連続表示 > 执行 in the running application: the character grows into its display values
// step by step on the screen, one picture per step, and ends as a plain redraw shows it.
#include <vector>

#include "app/kind_lookup.h"
#include "app/recorded_window_fixture.h"
#include "app/tmb_document.h"
#include "resources/command_ids.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"

namespace tmb::test {
namespace {

using SteppedRedrawScreen = RecordedWindowTest;

TEST_F(SteppedRedrawScreen, EachStepOfTheStepsCommandReachesTheScreen) {
  CCharDataFull& rec = *GetCharDocumentOfKind(kKindDrawA)->DrawnRecord();
  // Cursive degree 5: five steps from the block style to the character's own.
  rec.m_param[0] = 5;
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdConvertDisplay));
  const Surface finished = CopyOfSurface(Window());
  std::vector<Surface> shown;
  {
    WindowPaintWatch watch(*view, [&](const Surface& s) {
      if (shown.empty() || !SamePixels(s, shown.back())) shown.push_back(CopyOfSurface(s));
    });
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdRedrawOnce));
    Window();
  }
  // The screen showed the character at several stages, the last as it ends.
  ASSERT_GE(shown.size(), 4u);
  SavePictureForViewing(shown.front(), "stepped_redraw_first_step");
  EXPECT_FALSE(SamePixels(shown.front(), finished));
  EXPECT_TRUE(SamePixels(shown.back(), finished));
  EXPECT_EQ(rec.m_param[0], 5);
  EXPECT_TRUE(messages.ids.empty());
}

}  // namespace
}  // namespace tmb::test
