// The image editor's colour change on its window: the dialog's answer changes the picture
// and what the window shows, and undo brings both back.
#include <gtest/gtest.h>

#include <memory>

#include "core/canvas/work_canvas.h"
#include "core/state/draw_state.h"
#include "imageedit/editor/image_effects.h"
#include "core/effect/effect_dialogs.h"
#include "imageedit/view/bmp_view_window.h"
#include "support/paper_state.h"
#include "support/picture_files.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_effect_dialogs.h"
#include "support/scripted_messages.h"
#include "support/surface_copies.h"
#include "support/ui/editor_window.h"

namespace {

using tmb::Colour;

constexpr int kWidth = 160, kHeight = 120;
constexpr Colour kWhite = 0xFFFFFF, kYellow = 0x00FFFF, kNearWhite = 0xFEFFFF;

class EditorColourChange : public ::testing::Test {
 protected:
  void SetUp() override { tmb::test::ResetDrawStateForPaper(kWidth, kHeight); }
  void TearDown() override {
    window.reset();
    gColorChangeDlg = CColorChangeDlg();
    gDrawState.Reset();
  }

  tmb::test::ScopedWorkCanvas canvas{kWidth, kHeight};
  tmb::test::ScriptedMessages messages;
  tmb::test::ScriptedEffectDialogs dialogs;
  std::unique_ptr<CBmpViewWindow> window;
};

TEST_F(EditorColourChange, ButtonThreeTurnsEveryWhitePixelYellowAndUndoRestores) {
  window = tmb::test::OpenEditorWindow(kWidth + 80, kHeight + 80);
  CBmpView& v = window->editor();
  {
    tmb::DeviceContext dc(&v.m_bmpWork);
    dc.FillSolidRect({20, 20, 70, 60}, 0x000000);
    dc.FillSolidRect({90, 30, 130, 90}, 0x0000FF);
    dc.FillSolidRect({100, 40, 110, 50}, kNearWhite);  // almost white is not the paper
  }
  v.m_region = {20, 20, 70, 60};
  v.Redraw();
  const tmb::Surface before = tmb::test::CopyOfSurface(v.m_bmpWork);

  dialogs.colourChange = [](CColorChangeDlg& d) {
    d.m_slots[CColorChangeDlg::kSlotBackground] = RgbSlotOf(kYellow);
    d.m_nAction = 3;
    return tmb::kAnswerOk;
  };
  ASSERT_EQ(ChangeImageColours(v), 1);
  window->SyncModified();
  EXPECT_EQ(v.m_bModified, 1);
  int yellow = 0;
  for (int y = 0; y < kHeight; ++y) {
    for (int x = 0; x < kWidth; ++x) {
      const Colour was = before.GetPixel(x, y), now = v.m_bmpWork.GetPixel(x, y);
      ASSERT_EQ(now, was == kWhite ? kYellow : was) << x << "," << y;
      yellow += now == kYellow;
    }
  }
  EXPECT_GT(yellow, kWidth * kHeight / 2);
  // The window shows the picture at the canvas origin.
  const tmb::Point o = gDrawState.m_ptCanvasOrigin;
  const tmb::Point s = window->ScrollPosition();
  EXPECT_EQ(window->windowSurface().GetPixel(o.x - s.x + 5, o.y - s.y + 5), kYellow);
  tmb::test::SavePictureForViewing(v.m_bmpWork, "editor_colour_change_yellow");

  v.Undo();
  EXPECT_TRUE(tmb::test::SamePixels(v.m_bmpWork, before));
  EXPECT_EQ(window->windowSurface().GetPixel(o.x - s.x + 5, o.y - s.y + 5), kWhite);
}

}  // namespace
