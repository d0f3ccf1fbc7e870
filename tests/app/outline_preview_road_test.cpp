// The preview button of the text-outline page in the running application: the contours of
// the image editor's picture are drawn over a cleared writing area of the current window.
#include <QAbstractButton>

#include "app/recorded_window_fixture.h"
#include "app/sheets/outlines_dlg.h"
#include "brush/render/brush_state.h"
#include "imageedit/view/bmp_view_window.h"
#include "platform/ui/property_sheet.h"
#include "resources/command_ids.h"
#include "support/picture_files.h"

namespace tmb::test {
namespace {

using OutlinePreviewRoad = RecordedWindowTest;

TEST_F(OutlinePreviewRoad, ThePreviewButtonTracesTheEditorsPictureOntoTheWindow) {
  // A black block in the image editor.
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdShowEditor));
  CBmpViewWindow* window = CBmpViewWindow::Instance();
  ASSERT_TRUE(window);
  CBmpView& editor = window->editor();
  ASSERT_TRUE(editor.EnsureSetup(nullptr));
  editor.m_bmpWork.Fill(0xFFFFFF);
  DeviceContext(&editor.m_bmpWork).FillSolidRect({100, 100, 300, 200}, 0x000000);
  frame()->ActivateViewOfKind(kKindDrawA, 0);

  ui::PropertySheet sheet("sheet", nullptr, ui::PropertySheet::ButtonRow::kNone);
  auto* page = new COutlinesDlg;
  sheet.AddPage(page);
  qobject_cast<QAbstractButton*>(page->Control(741))->click();  // mode 2, where the preview works
  auto* preview = qobject_cast<QAbstractButton*>(page->Control(488));
  ASSERT_TRUE(preview->isEnabled());
  preview->click();

  const Surface& back = gBrushStates[0].m_bitmap;
  SavePictureForViewing(back, "outline_preview_of_the_editors_block");
  // The block's outline, with nothing inside it and nothing of the character left.
  EXPECT_EQ(RedOf(back.GetPixel(200, 100)), 0);
  EXPECT_EQ(RedOf(back.GetPixel(100, 150)), 0);
  EXPECT_EQ(back.GetPixel(200, 150), Colour(0xFFFFFF));
  int ink = 0;
  for (int y = 0; y < back.height(); ++y) {
    for (int x = 0; x < back.width(); ++x) ink += RedOf(back.GetPixel(x, y)) < 128;
  }
  EXPECT_LT(ink, 2 * (200 + 100) + 40);
  EXPECT_GT(ink, 2 * (200 + 100) - 40);
  // The window shows it.
  const QPoint corner = Device({200, 100});
  EXPECT_EQ(RedOf(Window().GetPixel(corner.x(), corner.y())), 0);
}

}  // namespace
}  // namespace tmb::test
