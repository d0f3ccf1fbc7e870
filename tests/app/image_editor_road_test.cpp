// The image editor's road through the main window: a picture opened by the menu, a block
// copied and put elsewhere with the mouse, the picture saved as PNG and read back the same.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <filesystem>

#include "app/app_fixture.h"
#include "app/dummy_doc.h"
#include "app/kind_lookup.h"
#include "core/canvas/work_canvas.h"
#include "export/picture/picture_file_reader.h"
#include "export/picture/picture_file_writer.h"
#include "export/picture/picture_read_result.h"
#include "imageedit/view/bmp_view_window.h"
#include "imageedit/view/clipboard_pictures.h"
#include "platform/ui/child_frame.h"
#include "support/checking_tool.h"
#include "support/manual_clock.h"
#include "support/picture_files.h"
#include "support/temp_dir.h"
#include "support/ui/pen_events.h"

namespace tmb::test {
namespace {

constexpr Colour kRed = 0x0000FF, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

using ImageEditorRoad = AppTest;

TEST_F(ImageEditorRoad, OpenCopyPasteByMouseAndSaveAsPngReadsBackTheSame) {
  ASSERT_TRUE(Start());
  TempDir dir;
  // A picture of two blocks on white.
  Surface picture;
  ASSERT_TRUE(picture.Create(160, 120, PixelFormat::kColour32));
  picture.Fill(kWhite);
  DeviceContext dc(&picture);
  dc.FillSolidRect({10, 10, 50, 40}, kRed);
  dc.FillSolidRect({60, 60, 90, 100}, kBlue);
  const std::string in = (dir / "two blocks.bmp").string();
  ASSERT_EQ(WritePictureFile(nullptr, &picture, nullptr, in, 160, 120, kFormatBmp), 1);

  chooser.Next(in);
  ASSERT_TRUE(frame()->ExecuteCommand(32774));
  CBmpViewWindow* window = CBmpViewWindow::Instance();
  ASSERT_NE(window, nullptr);
  CBmpView& editor = window->editor();
  ASSERT_NE(window->frame(), nullptr);
  EXPECT_FALSE(window->frame()->windowFlags() & Qt::WindowCloseButtonHint) << "the editor stays open";
  EXPECT_EQ(gDrawState.m_szPictureFilePath, in);
  EXPECT_EQ(editor.m_bmpWork.GetPixel(20, 20), kRed);
  EXPECT_EQ(editor.m_bmpWork.GetPixel(170, 20), kWhite) << "the canvas around the picture is background";
  EXPECT_TRUE(messages.ids.empty());

  // The window shows the picture at the canvas origin when the window system paints it.
  window->ScrollBy(-100000, -100000);
  const QImage shown = window->viewport()->grab().toImage();
  const Point origin = gDrawState.m_ptCanvasOrigin;
  EXPECT_EQ(shown.pixelColor(origin.x + 20, origin.y + 20), QColor(Qt::red));
  EXPECT_EQ(shown.pixelColor(origin.x + 20, origin.y + 100), QColor(Qt::white));
  Surface shownSurface;
  ASSERT_TRUE(SurfaceFromImage(shown, shownSurface));
  SavePictureForViewing(shownSurface, "image_editor_window");

  // The red block selected with the mouse, copied, and put down at (100, 10).
  ManualClock clock;
  PenEvents mouse(window->viewport(), clock);
  const Point o = gDrawState.m_ptCanvasOrigin;
  auto at = [&](int x, int y) { return QPoint(x + o.x, y + o.y); };
  mouse.Press(at(10, 10));
  mouse.Move(at(30, 25));
  mouse.Move(at(50, 40));
  mouse.Release(at(50, 40));
  ASSERT_EQ(editor.m_region, (Rect{10, 10, 50, 40}));
  editor.m_nEditOperation = CBmpView::kEditCopy;
  editor.RunEditOperation();
  editor.m_nEditOperation = CBmpView::kEditPaste;
  editor.RunEditOperation();
  mouse.Move(at(90, 10));
  mouse.Move(at(100, 10));
  mouse.Press(at(100, 10));
  mouse.Release(at(100, 10));
  EXPECT_EQ(editor.m_bmpWork.GetPixel(100, 10), kRed);
  EXPECT_EQ(editor.m_bmpWork.GetPixel(139, 39), kRed);
  EXPECT_EQ(editor.m_bmpWork.GetPixel(140, 40), kWhite);
  EXPECT_EQ(editor.m_bmpWork.GetPixel(20, 20), kRed) << "a copy leaves the block where it was";
  EXPECT_TRUE(GetDocumentOfKind(kKindImageEditor)->IsModified());

  // Saved by the menu as PNG while the editor is the active window.
  gDrawState.m_nSaveRange = 0;
  const std::filesystem::path out = dir / "edited.png";
  chooser.Next(out.string());
  ASSERT_TRUE(frame()->ExecuteCommand(32780));
  ASSERT_TRUE(std::filesystem::exists(out));
  EXPECT_FALSE(GetDocumentOfKind(kKindImageEditor)->IsModified());
  ExpectPngcheckPasses(out);

  Surface back;
  ASSERT_TRUE(back.Create(gWorkCanvas.m_width, gWorkCanvas.m_height, PixelFormat::kColour32));
  Size size{};
  ASSERT_EQ(ReadPictureFile(nullptr, out.string(), &back, &size), kPictureRead);
  EXPECT_EQ(size, (Size{gWorkCanvas.m_width, gWorkCanvas.m_height}));
  int differing = 0;
  for (int y = 0; y < back.height(); ++y) {
    for (int x = 0; x < back.width(); ++x) differing += back.GetPixel(x, y) != editor.m_bmpWork.GetPixel(x, y);
  }
  EXPECT_EQ(differing, 0);
  SavePictureForViewing(back, "image_editor_saved_png");
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(ImageEditorRoad, AChangedPictureIsSavedAtCloseWhereTheUserSays) {
  ASSERT_TRUE(Start());
  theApp.OpenImageEditor();
  CBmpViewWindow* window = CBmpViewWindow::Instance();
  ASSERT_NE(window, nullptr);
  ASSERT_TRUE(window->editor().EnsureSetup(nullptr));
  window->editor().ClearImage(0);
  window->editor().m_bModified = 1;
  window->SyncModified();
  ASSERT_TRUE(GetDocumentOfKind(kKindImageEditor)->IsModified());

  // Yes, then no name chosen: the close stops and the picture stays changed.
  messages.Answer(kAnswerYes);
  EXPECT_EQ(frame()->AskSaveChanges(0, 1), -1);
  EXPECT_TRUE(GetDocumentOfKind(kKindImageEditor)->IsModified());

  TempDir dir;
  const std::filesystem::path out = dir / "at close.bmp";
  chooser.Next(out.string());
  messages.Answer(kAnswerYes);
  EXPECT_EQ(frame()->AskSaveChanges(0, 1), 1);
  EXPECT_TRUE(std::filesystem::exists(out));
  EXPECT_FALSE(GetDocumentOfKind(kKindImageEditor)->IsModified());
  EXPECT_EQ(messages.CountOf(62055), 2);
}

}  // namespace
}  // namespace tmb::test
