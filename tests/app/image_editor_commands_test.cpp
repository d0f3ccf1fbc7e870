// The image editor's menu: which commands are offered when, the zoom window's painting and
// redraws, and the menu's road through an opened picture.
#include <gtest/gtest.h>

#include <QAbstractScrollArea>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QScrollBar>
#include <QSplitter>
#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

#include "app/app_fixture.h"
#include "app/child_frames.h"
#include "app/frame_view.h"
#include "app/kind_lookup.h"
#include "core/canvas/work_canvas.h"
#include "export/picture/picture_file_writer.h"
#include "core/effect/effect_dialogs.h"
#include "core/effect/effect_names.h"
#include "imageedit/view/bmp_view_window.h"
#include "imageedit/view/bmpl_view.h"
#include "imageedit/view/clipboard_pictures.h"
#include "imageedit/view/zoom_cursor.h"
#include "resources/command_ids.h"
#include "resources/menus.h"
#include "support/picture_files.h"
#include "support/temp_dir.h"
#include "support/ui/menu_path.h"
#include "views/tmb_view.h"

namespace tmb::test {
namespace {

constexpr Colour kRed = 0x0000FF, kWhite = 0xFFFFFF;

// The area of picture, each pixel a factor x factor square, for a person to look at.
Surface Enlarged(const Surface& picture, const Rect& area, int factor) {
  Surface big;
  if (!big.Create(area.Width() * factor, area.Height() * factor, PixelFormat::kColour32)) return big;
  for (int y = 0; y < big.height(); ++y) {
    for (int x = 0; x < big.width(); ++x) {
      big.SetPixel(x, y, picture.GetPixel(area.left + x / factor, area.top + y / factor));
    }
  }
  return big;
}

class ImageEditorCommands : public AppTest {
 protected:
  // The editor open and in front, its picture white.
  CBmpViewWindow* OpenEditor(const std::string& commandLine = "") {
    if (!Start(commandLine)) return nullptr;
    frame()->ActivateViewOfKind(kKindImageEditor, 0);
    CBmpViewWindow* window = CBmpViewWindow::Instance();
    if (!window || !window->editor().EnsureSetup(nullptr)) return nullptr;
    window->editor().ClearImage(0);
    gDrawState.m_bViewsReady = 1;  // as after the drawing windows' first paint
    return window;
  }
  bool Enabled(int id) { return frame()->QueryCommand(id).enabled(); }
  bool Checked(int id) { return frame()->QueryCommand(id).checked(); }
};

TEST_F(ImageEditorCommands, TheMenuOffersEachEditCommandOnlyWhenItCanWork) {
  CBmpViewWindow* window = OpenEditor();
  ASSERT_NE(window, nullptr);
  CBmpView& editor = window->editor();
  EXPECT_FALSE(tmb::FindMenuResource(tmb::kMenuPicture).empty());
  struct Row {
    int id;
    bool before;  // offered before a frame was shown, a block copied and in true colour
  };
  const Row rows[] = {{32775, false}, {32787, false}, {32777, false}, {32807, false},
                      {32910, false}, {32789, true},  {32798, true},  {32790, true}};
  for (const Row& r : rows) EXPECT_EQ(Enabled(r.id), r.before) << r.id;
  editor.m_region = {10, 10, 40, 30};
  editor.ShowRegionFrame();
  EXPECT_TRUE(Enabled(32775));
  EXPECT_TRUE(Enabled(32787));
  EXPECT_TRUE(Enabled(32807));
  EXPECT_FALSE(Enabled(32777)) << "nothing copied yet";
  ASSERT_TRUE(frame()->ExecuteCommand(32787));
  EXPECT_TRUE(Enabled(32777)) << "the clip buffer is filled";
  editor.CancelMode();
  EXPECT_FALSE(Enabled(32775));
  EXPECT_TRUE(Enabled(32807)) << "a frame was shown once";
  gDrawState.m_bPaletteDevice = 1;
  EXPECT_FALSE(Enabled(32789)) << "region reception is off in 256-colour mode";
  EXPECT_TRUE(Enabled(32798));
  gDrawState.m_bPaletteDevice = 0;
  for (int id : {32835, 32836, 32837}) {
    ASSERT_TRUE(frame()->ExecuteCommand(id));
    for (int other : {32835, 32836, 32837}) EXPECT_EQ(Checked(other), other == id) << id << " " << other;
  }
}

TEST(PictureMenu, HoldsEveryCommandOfTheEditorOnce) {
  const auto lines = tmb::FindMenuResource(tmb::kMenuPicture);
  const int ids[] = {32774, 32780, 32886, 32889, 32793, 33185, 32775, 32787, 32777, 32790, 32892, 32807, 32910,
                     32788, 32797, 32789, 32798, 33041, 32824, 32887, 32851, 32885, 32976, 32975, 32974, 32977,
                     32978, 32979, 32869, 32870, 32835, 32836, 32837, 32855, 32802, 32803, 32804, 32805, 32806,
                     32821, 32822, 32826, 32827, 32828, 32829, 32858, 32859, 32862, 32863, 32864, 32865, 32867,
                     32866, 32871, 32823, 32877, 32876, 32878, 32879, 33050, 57666, 57650};
  for (int id : ids) {
    const auto n = std::count_if(lines.begin(), lines.end(), [id](const tmb::MenuLine& l) { return l.id == id; });
    EXPECT_EQ(n, 1) << id;
  }
}

TEST_F(ImageEditorCommands, WithTheEditorClosedItsCommandsChangeNothing) {
  ASSERT_TRUE(Start());
  ASSERT_EQ(CBmplView::Instance(), nullptr);
  SetZoomFactor(6);  // no zoom window: nothing happens
  EXPECT_EQ(GetViewOfKind(kKindZoom), nullptr);
  EXPECT_EQ(GetViewOfKind(kKindImageEditor), nullptr);
}

// 32911 (no menu item) brings the current drawing window forward, makes its drawing view
// (the splitter's middle pane) the active one, whichever pane was, and shows that view's
// print preview.
TEST_F(ImageEditorCommands, ThePreviewOfTheDrawingWindowGoesThroughItsDrawingView) {
  ASSERT_NE(OpenEditor(), nullptr);
  frame()->ActivateViewOfKind(kKindDrawB, 0);
  CFrame_View* drawing = FrameOfKind(kKindDrawB);
  ASSERT_NE(drawing, nullptr);
  auto* list = qobject_cast<ui::View*>(drawing->splitter()->widget(0));
  auto* view = qobject_cast<CTmbView*>(drawing->splitter()->widget(1));
  ASSERT_TRUE(list && view);
  drawing->SetActiveView(list);
  std::vector<int> shown;
  view->OnCommand(kCmdFramePrintPreview, [&shown] { shown.push_back(kCmdFramePrintPreview); });
  frame()->ActivateViewOfKind(kKindImageEditor, 0);
  auto* editorFrame = qobject_cast<CFrame_Bmp*>(CBmpViewWindow::Instance()->frame());
  ASSERT_NE(editorFrame, nullptr);
  ASSERT_TRUE(tmb::ui::CommandRouter({editorFrame}).Execute(32911));
  EXPECT_EQ(drawing->activeView(), view);
  EXPECT_EQ(frame()->ActiveChildFrame(), drawing);
  EXPECT_EQ(shown, (std::vector<int>{kCmdFramePrintPreview}));
}

TEST_F(ImageEditorCommands, TheZoomPaintsTheSourcePixelUnderAClickAndNothingOutside) {
  CBmpViewWindow* window = OpenEditor();
  ASSERT_NE(window, nullptr);
  CBmplView* zoom = CBmplView::Instance();
  ASSERT_NE(zoom, nullptr);
  zoom->SetZoomFactor(4);
  zoom->fixColourDialog()->m_colours.SetSlotColour(0, kRed);
  zoom->ScrollToCursor({0, 0});
  ASSERT_EQ(zoom->ScrollPosition(), (Point{0, 0}));
  ASSERT_TRUE(zoom->PaintPixelAt({10, 7}, false));
  EXPECT_EQ(gDrawState.m_ptZoomPixel, (Point{2, 1}));
  EXPECT_EQ(window->editor().m_bmpWork.GetPixel(2, 1), kRed);
  EXPECT_EQ(window->editor().m_bmpWork.GetPixel(3, 1), kWhite);
  const Surface& shown = zoom->windowSurface();
  for (int y = 4; y <= 7; ++y) {
    for (int x = 8; x <= 11; ++x) EXPECT_EQ(shown.GetPixel(x, y), kRed) << x << "," << y;
  }
  EXPECT_TRUE(GetDocumentOfKind(kKindImageEditor)->IsModified());
  // The last point of the picture rectangle and points outside it show no pixel.
  const int extent = gWorkCanvas.m_width * 4;
  EXPECT_FALSE(zoom->PaintPixelAt({extent, 7}, false));
  EXPECT_FALSE(zoom->PaintPixelAt({-1, 7}, false));
  EXPECT_FALSE(zoom->PaintPixelAt({10, gWorkCanvas.m_height * 4 + 5}, false));
  // A right click takes the picture's colour, whatever the window shows around it.
  zoom->TakeColourAt({10, 7});
  EXPECT_EQ(gDrawState.m_crRightClick, kRed);
}

TEST_F(ImageEditorCommands, InMonochromeModeTheButtonsPaintBlackAndWhite) {
  CBmpViewWindow* window = OpenEditor();
  ASSERT_NE(window, nullptr);
  CBmplView* zoom = CBmplView::Instance();
  ASSERT_NE(zoom, nullptr);
  ASSERT_TRUE(frame()->ExecuteCommand(32870));
  EXPECT_FALSE(Enabled(32855)) << "the colour box belongs to colour mode";
  ASSERT_TRUE(zoom->PaintPixelAt({zoom->zoom() * 5, zoom->zoom() * 5}, false));
  EXPECT_EQ(window->editor().m_bmpWork.GetPixel(5, 5), 0x000000u);
  ASSERT_TRUE(zoom->PaintPixelAt({zoom->zoom() * 5, zoom->zoom() * 5}, true));
  EXPECT_EQ(window->editor().m_bmpWork.GetPixel(5, 5), kWhite);
  ASSERT_TRUE(frame()->ExecuteCommand(32869));
  EXPECT_TRUE(Checked(32869));
  EXPECT_TRUE(Enabled(32855));
}

TEST_F(ImageEditorCommands, TheColourBoxTogglesAndRedrawsClearTheEditorsBitsOnce) {
  ASSERT_NE(OpenEditor(), nullptr);
  CBmplView* zoom = CBmplView::Instance();
  ASSERT_NE(zoom, nullptr);
  const bool shown = zoom->IsFixColourDialogShown();
  CFixColorDlg* box = zoom->fixColourDialog();
  ASSERT_TRUE(frame()->ExecuteCommand(32855));
  EXPECT_NE(zoom->IsFixColourDialogShown(), shown);
  ASSERT_TRUE(frame()->ExecuteCommand(32855));
  EXPECT_EQ(zoom->IsFixColourDialogShown(), shown);
  gDrawState.m_nEditorRedrawBits = 1;
  const int before = zoom->m_nInitialUpdates;
  zoom->Redraw();
  zoom->Redraw();
  zoom->Redraw();
  EXPECT_EQ(zoom->m_nInitialUpdates, before + 1);
  EXPECT_EQ(gDrawState.m_nEditorRedrawBits, 0);
  EXPECT_EQ(zoom->fixColourDialog(), box) << "the box is made once";
}

// Panel mode: the zoom window shows drawing window A's writing area from its top-left
// corner, centred in the window; a click paints the drawing window's paper there and
// leaves the editor's picture as it was, though it counts as a change of the editor's.
TEST_F(ImageEditorCommands, InPanelModeTheZoomShowsAndPaintsTheWritingArea) {
  TempDir dir;
  const std::filesystem::path list = dir / "list.txt";
  std::ofstream(list, std::ios::binary) << "\x82\xA0";  // "あ" in code page 932
  CBmpViewWindow* window = OpenEditor("/t \"" + list.string() + "\" /d \"" + dir.path().string() + "\"");
  ASSERT_NE(window, nullptr);
  ShowAndPaint();
  const CRegistrationPanel& panel = gDrawState.m_toolPanel;
  ASSERT_EQ(panel.m_bShown, 1);
  CTmbView* drawing = CTmbView::ViewOfKind(kKindDrawA);
  ASSERT_NE(drawing, nullptr);
  Surface* paper = drawing->BackBuffer();
  ASSERT_TRUE(paper && !paper->IsNull());
  const Rect w = panel.m_rcWriting;
  paper->SetPixel(w.left + 127, w.top + 127, kRed);
  CBmplView* zoom = CBmplView::Instance();
  ASSERT_NE(zoom, nullptr);

  gDrawState.m_bZoomPanelMode = 1;
  zoom->SetZoomFactor(2);
  zoom->SetZoomFactor(4);
  // The writing area less its frame line, 255 x 255 pixels, in the middle.
  const QSize client = zoom->viewport()->size();
  const int extent = 255 * 4;
  const Point scroll = zoom->ScrollPosition();
  EXPECT_EQ(scroll, (Point{std::max(0, (extent - client.width()) / 2), std::max(0, (extent - client.height()) / 2)}));
  zoom->ScrollToCursor({0, 0});
  EXPECT_EQ(zoom->ScrollPosition(), scroll) << "the editor's pointer does not move the panel";
  Surface shown;
  ASSERT_TRUE(SurfaceFromImage(zoom->viewport()->grab().toImage(), shown));
  int wrong = 0, red = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const int px = (x + scroll.x) / 4, py = (y + scroll.y) / 4;
      const Colour expected = px < 255 && py < 255 ? paper->GetPixel(w.left + px, w.top + py) : CBmplView::kSurround;
      wrong += shown.GetPixel(x, y) != expected;
      red += shown.GetPixel(x, y) == kRed;
    }
  }
  EXPECT_EQ(wrong, 0);
  EXPECT_EQ(red, 16) << "the red pixel as one 4 x 4 square";
  SavePictureForViewing(shown, "zoom_panel_mode");

  // A click on the square right of the red one paints the drawing window's paper.
  CBmpView& editor = window->editor();
  const std::vector<Colour> before = {editor.m_bmpWork.GetPixel(128, 127),
                                      editor.m_bmpWork.GetPixel(w.left + 128, w.top + 127)};
  constexpr Colour kBlue = 0xFF0000;
  zoom->fixColourDialog()->m_colours.SetSlotColour(0, kBlue);
  ASSERT_TRUE(zoom->PaintPixelAt({128 * 4 + 1, 127 * 4 + 2}, false));
  EXPECT_EQ(gDrawState.m_ptZoomPixel, (Point{w.left + 128, w.top + 127}));
  EXPECT_EQ(paper->GetPixel(w.left + 128, w.top + 127), kBlue);
  const std::vector<Colour> after = {editor.m_bmpWork.GetPixel(128, 127),
                                     editor.m_bmpWork.GetPixel(w.left + 128, w.top + 127)};
  EXPECT_EQ(after, before);
  EXPECT_TRUE(GetDocumentOfKind(kKindImageEditor)->IsModified()) << "a paint counts as the editor's change";
  EXPECT_FALSE(zoom->PaintPixelAt({255 * 4, 10}, false)) << "the frame line is no picture pixel";
  zoom->TakeColourAt({127 * 4 + 3, 127 * 4});
  EXPECT_EQ(gDrawState.m_crRightClick, kRed);
}

// While the tool panel shows, the zoom window shows the editor's picture less its last
// column and row, centred in the window, whenever its magnification is chosen.
TEST_F(ImageEditorCommands, WithTheToolPanelShownTheZoomCutsAndCentresThePicture) {
  ASSERT_TRUE(Start());
  ShowAndPaint();
  if (!gDrawState.m_toolPanel.m_bShown) {
    ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"编辑", "手書き文字登録"}));
  }
  ASSERT_EQ(gDrawState.m_toolPanel.m_bShown, 1);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"窗口", "編集ｳｨﾝﾄﾞｳ", "表示"}));
  CBmplView* zoom = CBmplView::Instance();
  ASSERT_NE(zoom, nullptr);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"拡大ｳｨﾝﾄﾞｳ", "拡大率", "２倍"}));
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"拡大ｳｨﾝﾄﾞｳ", "拡大率", "４倍"}));
  const int w = gWorkCanvas.m_width - 1, h = gWorkCanvas.m_height - 1;
  const QSize client = zoom->viewport()->size();
  EXPECT_EQ(zoom->ScrollPosition(), (Point{std::max(0, (w * 4 - client.width()) / 2),
                                           std::max(0, (h * 4 - client.height()) / 2)}));
  EXPECT_FALSE(zoom->PaintPixelAt({w * 4 + 1, 5}, false)) << "the last column is left out";
  EXPECT_FALSE(zoom->PaintPixelAt({5, h * 4 + 1}, false)) << "the last row is left out";
  EXPECT_TRUE(zoom->PaintPixelAt({w * 4 - 1, h * 4 - 1}, false));
  EXPECT_EQ(gDrawState.m_ptZoomPixel, (Point{w - 1, h - 1}));
}

// The zoom window shows its own painting cursor over the picture; the scroll bars keep
// the default one.
TEST_F(ImageEditorCommands, TheZoomWindowsCursorIsItsPaintingCross) {
  ASSERT_NE(OpenEditor(), nullptr);
  CBmplView* zoom = CBmplView::Instance();
  ASSERT_NE(zoom, nullptr);
  const QCursor cursor = zoom->viewport()->cursor();
  EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
  EXPECT_EQ(cursor.hotSpot(), QPoint(kZoomCursorHotSpot, kZoomCursorHotSpot));
  const QImage picture = cursor.pixmap().toImage();
  EXPECT_EQ(qAlpha(picture.pixel(kZoomCursorHotSpot, kZoomCursorHotSpot)), 0) << "the pixel to paint stays in sight";
  EXPECT_GT(qAlpha(picture.pixel(kZoomCursorHotSpot + 10, kZoomCursorHotSpot)), 0);
  auto* area = qobject_cast<QAbstractScrollArea*>(zoom->viewport()->parentWidget());
  ASSERT_NE(area, nullptr);
  EXPECT_FALSE(area->verticalScrollBar()->testAttribute(Qt::WA_SetCursor));
}

TEST_F(ImageEditorCommands, TheScrollToThePointerStaysInItsRange) {
  ASSERT_NE(OpenEditor(), nullptr);
  CBmplView* zoom = CBmplView::Instance();
  ASSERT_NE(zoom, nullptr);
  zoom->SetZoomFactor(2);
  zoom->ScrollToCursor({-50, -50});
  EXPECT_EQ(zoom->ScrollPosition(), (Point{0, 0}));
  zoom->ScrollToCursor({100000, 100000});
  EXPECT_GE(zoom->ScrollPosition().x, 0);
  EXPECT_GE(zoom->ScrollPosition().y, 0);
}

TEST_F(ImageEditorCommands, FourTimesShowsEachPixelAsAFourByFourSquare) {
  CBmpViewWindow* window = OpenEditor();
  ASSERT_NE(window, nullptr);
  window->editor().DrawPenDot(1, 1, kRed);
  ASSERT_TRUE(frame()->ExecuteCommand(32836));
  EXPECT_TRUE(Checked(32836));
  CBmplView* zoom = CBmplView::Instance();
  ASSERT_NE(zoom, nullptr);
  zoom->ScrollToCursor({0, 0});
  const QImage grabbed = zoom->viewport()->grab().toImage();
  Surface shown;
  ASSERT_TRUE(SurfaceFromImage(grabbed, shown));
  for (int y = 0; y < 12; ++y) {
    for (int x = 0; x < 12; ++x) {
      const bool red = x >= 4 && x < 8 && y >= 4 && y < 8;
      EXPECT_EQ(shown.GetPixel(x, y), red ? kRed : kWhite) << x << "," << y;
    }
  }
  SavePictureForViewing(shown, "zoom_window_4x");
}

// Each special-effect command stores its number and changes the picture inside the area
// only; the mirrors and the inversion undo themselves when run twice. The editor's
// background colour is the tinted paper, so the effects that work on the paper (stone
// dots, paper blur, added outline, paper gradients) find it and leave the ink alone.
TEST_F(ImageEditorCommands, EachSpecialEffectChangesOnlyTheArea) {
  CBmpViewWindow* window = OpenEditor();
  ASSERT_NE(window, nullptr);
  CBmpView& editor = window->editor();
  Surface& picture = editor.m_bmpWork;
  const Rect area{10, 10, 50, 50};
  constexpr Colour kPaper = 0xC8D8E8;
  editor.m_effectDef.m_colour1[kEffectColourBack] = kPaper;
  const auto isInk = [](int x, int y) { return x >= 14 && x < 30 && y >= 16 && y < 26; };
  const auto paint = [&] {
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) picture.SetPixel(x, y, isInk(x, y) ? kRed : kPaper);
    }
  };
  const auto pixels = [&] {
    std::vector<Colour> all;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) all.push_back(picture.GetPixel(x, y));
    }
    return all;
  };
  const struct {
    int id, effect;
    bool paperOnly;  // works on the paper: the ink stays as it was
  } rows[] = {{32802, 1, false},  {32803, 2, false},  {32804, 3, true},   {32805, 4, false},  {32806, 5, false},
              {32821, 6, false},  {32822, 7, false},  {32826, 11, false}, {32827, 12, false}, {32828, 13, false},
              {32829, 14, false}, {32858, 15, false}, {32859, 16, true},  {32862, 21, false}, {32863, 22, false},
              {32864, 23, false}, {32865, 24, false}, {32867, 25, false}, {32866, 26, false}, {32871, 27, false},
              {32823, 28, true},  {32877, 29, false}, {32876, 30, false}, {32878, 31, true},  {32879, 32, true},
              {33050, 67, false}};
  for (const auto& r : rows) {
    SCOPED_TRACE(r.id);
    paint();
    editor.m_region = area;
    const std::vector<Colour> before = pixels();
    ASSERT_TRUE(Enabled(r.id));
    ASSERT_TRUE(frame()->ExecuteCommand(r.id));
    EXPECT_EQ(editor.m_nEffect, r.effect);
    const std::vector<Colour> after = pixels();
    int inside = 0, outside = 0, ink = 0;
    for (int y = 0; y < picture.height(); ++y) {
      for (int x = 0; x < picture.width(); ++x) {
        const size_t i = size_t(y) * size_t(picture.width()) + size_t(x);
        if (before[i] == after[i]) continue;
        (area.Contains({x, y}) ? inside : outside)++;
        ink += isInk(x, y);
      }
    }
    EXPECT_GT(inside, 0);
    EXPECT_EQ(outside, 0);
    if (r.paperOnly) {
      EXPECT_EQ(ink, 0);
      if (r.effect == 28) {
        EXPECT_EQ(picture.GetPixel(13, 20), editor.m_effectDef.m_colour1[kEffectFrame]);
      }
      SavePictureForViewing(Enlarged(picture, area, 6), "special_effect_" + std::to_string(r.effect));
    }
    if (r.effect == 5 || r.effect == 11 || r.effect == 12) {
      ASSERT_TRUE(frame()->ExecuteCommand(r.id));
      EXPECT_EQ(pixels(), before) << "twice gives the picture back";
    }
  }
}

TEST_F(ImageEditorCommands, TheColourChangeTakesTheBackgroundFromTheRegionsCorner) {
  CBmpViewWindow* window = OpenEditor();
  ASSERT_NE(window, nullptr);
  CBmpView& editor = window->editor();
  editor.m_bmpWork.SetPixel(20, 30, 0x123456);
  editor.m_region = {40, 50, 20, 30};  // drawn from the bottom right: its corner is (20, 30)
  dialogs.Then([&](ui::DialogWindow& d) {
    ScriptedDialogs::Click(d, 332);
    return ScriptedDialogs::PressOk(d);
  });
  ASSERT_TRUE(frame()->ExecuteCommand(32885));
  ASSERT_EQ(dialogs.shown, std::vector<int>{217});
  EXPECT_EQ(messages.beeps, 0);
  EXPECT_EQ(gColorChangeDlg.m_slots[CColorChangeDlg::kSlotBackground], (RgbSlot{0x56, 0x34, 0x12}));
}

// A picture dropped while the image editor is not open opens it and brings it forward,
// centred over the windows; once open, the next drop leaves it where the user put it.
TEST_F(ImageEditorCommands, TheEditorOpenedForADroppedPictureComesForwardCentred) {
  ASSERT_TRUE(Start());
  TempDir dir;
  Surface picture;
  ASSERT_TRUE(picture.Create(40, 30, PixelFormat::kColour32));
  picture.Fill(kRed);
  const std::string path = (dir / "dropped.bmp").string();
  ASSERT_EQ(WritePictureFile(nullptr, &picture, nullptr, path, 40, 30, kFormatBmp), 1);
  ASSERT_EQ(theApp.m_bImageEditorOpen, 0);
  frame()->OnDropFiles({QString::fromStdString(path)});
  ASSERT_EQ(theApp.m_bImageEditorOpen, 1);
  EXPECT_EQ(frame()->GetActiveViewKind(), kKindImageEditor);
  ui::ChildFrame* editor = CBmpViewWindow::Instance()->frame();
  ASSERT_NE(editor, nullptr);
  const QRect area = frame()->mdiArea()->viewport()->rect();
  EXPECT_EQ(editor->pos(), QPoint(std::max(0, (area.width() - editor->width()) / 2),
                                  std::max(0, (area.height() - editor->height()) / 2)));
  editor->move(3, 4);
  frame()->ActivateViewOfKind(kKindDrawA, 0);
  frame()->OnDropFiles({QString::fromStdString(path)});
  EXPECT_EQ(editor->pos(), QPoint(3, 4));
  EXPECT_TRUE(messages.ids.empty());
}

// A right press in the editor is the editor's alone: no window around it is asked for a
// menu of its own (the main window would offer its bars), and the floating paste under way
// waits for the button's release, which cancels it.
TEST_F(ImageEditorCommands, ARightPressInTheEditorAsksNoOtherWindowForAMenu) {
  CBmpViewWindow* window = OpenEditor();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(QTest::qWaitForWindowExposed(frame()));
  struct MenuAsks final : QObject {
    bool eventFilter(QObject*, QEvent* e) override {
      asks += e->type() == QEvent::ContextMenu ? 1 : 0;
      return e->type() == QEvent::ContextMenu;  // none is shown here
    }
    int asks = 0;
  } asks;
  frame()->installEventFilter(&asks);
  window->installEventFilter(&asks);
  CBmpView& editor = window->editor();
  editor.m_region = {10, 10, 60, 40};
  ASSERT_TRUE(editor.Copy());
  editor.BeginPaste();
  const Point o = gDrawState.m_ptCanvasOrigin;
  const QPoint at(o.x + 100 - window->ScrollPosition().x, o.y + 80 - window->ScrollPosition().y);
  QTest::mouseMove(window->viewport(), at);
  QTest::mousePress(window->viewport(), Qt::RightButton, {}, at);
  // The menu request the window system makes of a right press on this desktop.
  QContextMenuEvent request(QContextMenuEvent::Mouse, at, window->viewport()->mapToGlobal(at));
  QCoreApplication::sendEvent(window->viewport(), &request);
  EXPECT_EQ(asks.asks, 0);
  EXPECT_EQ(editor.m_nMode, CBmpView::kModeFloat);
  QTest::mouseRelease(window->viewport(), Qt::RightButton, {}, at);
  EXPECT_EQ(editor.m_nMode, CBmpView::kModeRegion);
  frame()->removeEventFilter(&asks);
  window->removeEventFilter(&asks);
}

}  // namespace
}  // namespace tmb::test
