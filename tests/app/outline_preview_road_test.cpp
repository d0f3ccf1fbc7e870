// The preview button of the text-outline page in the running application: the contours of
// the window's picture are drawn over a cleared writing area of the sheet's window, with
// the image editor's picture behind them while the editor is open.
#include <QAbstractButton>

#include "app/recorded_window_fixture.h"
#include "app/sheets/outlines_dlg.h"
#include "app/sheets/shape_sheet_tabs.h"
#include "brush/render/brush_state.h"
#include "brush/render/outline_preview.h"
#include "imageedit/view/bmp_view_window.h"
#include "platform/ui/property_sheet.h"
#include "resources/command_ids.h"
#include "support/ink_compare.h"
#include "support/picture_files.h"
#include "support/surface_copies.h"
#include "support/ui/menu_path.h"

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

bool IsDark(Colour c) { return RedOf(c) < 128; }

// Whether picture holds both a pixel of its paper (white) and one of its character (any
// other colour, as the tracing takes it) within reach pixels of (x, y): (x, y) is near the
// character's edge.
bool NearEdge(const Surface& picture, int x, int y, int reach) {
  bool character = false, paper = false;
  for (int dy = -reach; dy <= reach; ++dy) {
    for (int dx = -reach; dx <= reach; ++dx) {
      const Colour c = picture.GetPixel(x + dx, y + dy);
      if (c == kInvalidColour) continue;
      (c == Colour(0xFFFFFF) ? paper : character) = true;
    }
  }
  return character && paper;
}

TEST_F(OutlinePreviewRoad, WithTheEditorClosedThePreviewDrawsTheContoursOfTheSheetsWindowsOwnPicture) {
  ASSERT_EQ(ImageEditor().Picture(), nullptr) << "no image editor is open";
  // Window A's sheet at its text-outline tab, in the preview's mode; then window B is
  // brought forward and becomes the current window.
  COutlinesDlg* page = OpenOutlineTab(kKindDrawA);
  ASSERT_TRUE(page);
  qobject_cast<QAbstractButton*>(page->Control(741))->click();
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"窗口", "书写窗口B", "显示"}));
  ASSERT_EQ(gDrawState.ResolveKind(kKindCurrentDraw), kKindDrawB);

  const Surface character = CopyOfSurface(*view->DrawingBitmap());
  const int characterInk = CountInk(character);
  ASSERT_GT(characterInk, 1000) << "window A shows the recorded character";
  qobject_cast<QAbstractButton*>(page->Control(488))->click();

  const Surface& contours = *view->DrawingBitmap();
  SavePictureForViewing(contours, "outline_preview_of_the_windows_character");
  // Lines along the character's edges, with the inside of its strokes cleared.
  const int ink = CountInk(contours);
  EXPECT_GT(ink, characterInk / 4);
  EXPECT_LT(ink, characterInk);
  int offEdge = 0, inside = 0, insideCleared = 0;
  Point onLine{-1, -1}, inStroke{-1, -1};
  for (int y = 0; y < contours.height(); ++y) {
    for (int x = 0; x < contours.width(); ++x) {
      if (IsDark(contours.GetPixel(x, y))) {
        offEdge += !NearEdge(character, x, y, 1);
        if (onLine.x < 0) onLine = {x, y};
      }
      if (IsDark(character.GetPixel(x, y)) && !NearEdge(character, x, y, 2)) {
        ++inside;
        insideCleared += !IsDark(contours.GetPixel(x, y));
        if (inStroke.x < 0) inStroke = {x, y};
      }
    }
  }
  EXPECT_EQ(offEdge, 0) << "every line follows an edge of the character";
  ASSERT_GT(inside, 100);
  EXPECT_EQ(insideCleared, inside) << "the inside of the strokes is cleared";
  // Window A shows them, window B is left as it was.
  const QPoint line = Device(onLine), stroke = Device(inStroke);
  EXPECT_TRUE(IsDark(Window().GetPixel(line.x(), line.y())));
  EXPECT_FALSE(IsDark(Window().GetPixel(stroke.x(), stroke.y())));
  EXPECT_EQ(CountInk(*CTmbView::ViewOfKind(kKindDrawB)->DrawingBitmap()), 0);
}

}  // namespace
}  // namespace tmb::test
