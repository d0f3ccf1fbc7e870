// The image editor's road through the main window: a picture opened by the menu, a block
// copied and put elsewhere with the mouse, the picture saved as PNG and read back the same.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QWindow>
#include <QColor>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QStyle>
#include <QTest>
#include <filesystem>
#include <initializer_list>
#include <memory>

#include "app/app_fixture.h"
#include "app/dummy_doc.h"
#include "app/kind_lookup.h"
#include "core/canvas/work_canvas.h"
#include "export/picture/picture_file_reader.h"
#include "export/picture/picture_file_writer.h"
#include "export/picture/picture_read_result.h"
#include "core/effect/effect_dialogs.h"
#include "imageedit/view/bmp_view_window.h"
#include "imageedit/view/bmpl_view.h"
#include "platform/ui/dialog.h"
#include "imageedit/view/clipboard_pictures.h"
#include "platform/ui/child_frame.h"
#include "support/checking_tool.h"
#include "support/magick_pictures.h"
#include "support/manual_clock.h"
#include "support/picture_files.h"
#include "support/scripted_effect_dialogs.h"
#include "support/temp_dir.h"
#include "support/ui/menu_path.h"
#include "support/ui/pen_events.h"
#include "support/ui/title_bar.h"

namespace tmb::test {
namespace {

constexpr Colour kRed = 0x0000FF, kBlue = 0xFF0000, kWhite = 0xFFFFFF, kBlack = 0x000000;

class ImageEditorRoad : public AppTest {
 protected:
  // Writes picture as the BMP file name in dir and opens it with the editor's menu; the
  // editor's window, or null.
  CBmpViewWindow* OpenPicture(const Surface& picture, const std::string& name) {
    const std::string path = (dir / name).string();
    if (WritePictureFile(nullptr, &picture, nullptr, path, picture.width(), picture.height(), kFormatBmp) != 1) {
      return nullptr;
    }
    chooser.Next(path);
    if (!frame()->ExecuteCommand(32774)) return nullptr;
    CBmpViewWindow* window = CBmpViewWindow::Instance();
    if (window) mouse = std::make_unique<PenEvents>(window->viewport(), clock);
    return window;
  }
  // Where picture point (x, y) lies in the editor's window scrolled to its start.
  static QPoint At(int x, int y) {
    const Point o = gDrawState.m_ptCanvasOrigin;
    return {x + o.x, y + o.y};
  }
  // Drags the mouse over area, from its top-left corner to its bottom-right one.
  void DragOver(const Rect& area) {
    mouse->Press(At(area.left, area.top));
    mouse->Move(At((area.left + area.right) / 2, (area.top + area.bottom) / 2));
    mouse->Move(At(area.right, area.bottom));
    mouse->Release(At(area.right, area.bottom));
  }

  TempDir dir;
  ManualClock clock;
  std::unique_ptr<PenEvents> mouse;
};

std::vector<Colour> PixelsOf(const Surface& s) {
  std::vector<Colour> all;
  for (int y = 0; y < s.height(); ++y) {
    for (int x = 0; x < s.width(); ++x) all.push_back(s.GetPixel(x, y));
  }
  return all;
}

TEST_F(ImageEditorRoad, OpenCopyPasteByMouseAndSaveAsPngReadsBackTheSame) {
  ASSERT_TRUE(Start());
  // A picture of two blocks on white.
  Surface picture;
  ASSERT_TRUE(picture.Create(160, 120, PixelFormat::kColour32));
  picture.Fill(kWhite);
  DeviceContext dc(&picture);
  dc.FillSolidRect({10, 10, 50, 40}, kRed);
  dc.FillSolidRect({60, 60, 90, 100}, kBlue);
  CBmpViewWindow* window = OpenPicture(picture, "two blocks.bmp");
  ASSERT_NE(window, nullptr);
  const std::string in = (dir / "two blocks.bmp").string();
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
  DragOver({10, 10, 50, 40});
  ASSERT_EQ(editor.m_region, (Rect{10, 10, 50, 40}));
  editor.m_nEditOperation = CBmpView::kEditCopy;
  editor.RunEditOperation();
  editor.m_nEditOperation = CBmpView::kEditPaste;
  editor.RunEditOperation();
  mouse->Move(At(90, 10));
  mouse->Move(At(100, 10));
  mouse->Press(At(100, 10));
  mouse->Release(At(100, 10));
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

TEST_F(ImageEditorRoad, ARunLengthBmpOfAnotherEditorOpensByTheMenu) {
  if (!MagickWritesBmp()) GTEST_SKIP() << "ImageMagick's convert is not installed";
  ASSERT_TRUE(Start());
  const Surface picture = MagickTestPicture();
  ASSERT_TRUE(WritePpm(picture, dir / "picture.ppm"));
  const MagickBmpKind& rle = MagickBmpKinds()[0];
  ASSERT_EQ(std::string(rle.name), "rle8");
  const std::filesystem::path bmp = dir / "run lengths.bmp", png = dir / "run lengths.png";
  ASSERT_TRUE(MakeMagickBmp(rle, dir / "picture.ppm", bmp));
  ASSERT_TRUE(MagickPng(bmp, png));
  Surface expected;
  ASSERT_TRUE(expected.Create(picture.width(), picture.height(), PixelFormat::kColour32));
  ASSERT_EQ(ReadPictureFile(nullptr, png.string(), &expected, nullptr), kPictureRead);

  chooser.Next(bmp.string());
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"文件", "画像ファイルを開く"}));
  CBmpViewWindow* window = CBmpViewWindow::Instance();
  ASSERT_NE(window, nullptr);
  const Surface& shown = window->editor().m_bmpWork;
  int differing = 0;
  for (int y = 0; y < picture.height(); ++y) {
    for (int x = 0; x < picture.width(); ++x) differing += shown.GetPixel(x, y) != expected.GetPixel(x, y);
  }
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(shown.GetPixel(picture.width(), 0), kWhite) << "the canvas around the picture is background";
  EXPECT_EQ(gDrawState.m_szPictureFilePath, bmp.string());
  EXPECT_TRUE(messages.ids.empty());
}

// The editor stays open for the program's life: neither its window icon (a double click
// on it closes other windows), nor Ctrl+F4, nor the greyed item of its window menu closes
// it. So the picture the main window's title names is the one the editor still shows,
// and a changed picture is still asked about when the program ends.
TEST_F(ImageEditorRoad, NoRoadClosesTheEditorSoTheTitleNamesThePictureItShows) {
  ASSERT_TRUE(Start());
  ShowAndPaint();
  Surface picture;
  ASSERT_TRUE(picture.Create(40, 30, PixelFormat::kColour32));
  picture.Fill(kRed);
  const std::string path = (dir / "Scan.bmp").string();
  ASSERT_EQ(WritePictureFile(nullptr, &picture, nullptr, path, 40, 30, kFormatBmp), 1);
  chooser.Next(path);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"文件", "画像ファイルを開く"}));
  CBmpViewWindow* window = CBmpViewWindow::Instance();
  ASSERT_NE(window, nullptr);
  QPointer<ui::ChildFrame> editorFrame = window->frame();
  ASSERT_TRUE(editorFrame);
  ASSERT_EQ(frame()->windowTitle(), QStringLiteral("Tamberi - Scan.bmp"));

  ClickAt(editorFrame, TitleBarPart(*editorFrame, QStyle::SC_TitleBarSysMenu), true);
  QTest::keyClick(editorFrame, Qt::Key_F4, Qt::ControlModifier);
  for (QAction* item : editorFrame->systemMenu()->actions()) {
    if (item->shortcut() == QKeySequence(QKeySequence::Close)) item->trigger();
  }
  FlushDeletes();
  ASSERT_TRUE(editorFrame);
  EXPECT_TRUE(editorFrame->isVisible());
  EXPECT_EQ(CBmpViewWindow::Instance(), window);
  EXPECT_EQ(window->editor().m_bmpWork.GetPixel(20, 20), kRed);
  EXPECT_EQ(frame()->windowTitle(), QStringLiteral("Tamberi - Scan.bmp"));
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

  const std::filesystem::path out = dir / "at close.bmp";
  chooser.Next(out.string());
  messages.Answer(kAnswerYes);
  EXPECT_EQ(frame()->AskSaveChanges(0, 1), 1);
  EXPECT_TRUE(std::filesystem::exists(out));
  EXPECT_FALSE(GetDocumentOfKind(kKindImageEditor)->IsModified());
  EXPECT_EQ(messages.CountOf(62055), 2);
}

// The road of the editor's own menu: a picture opened, an area selected with the mouse,
// mirrored and put back, the sample one-touch script run on the area only, and the zoom
// window at four times showing each pixel as a 4 x 4 square.
TEST_F(ImageEditorRoad, MirrorUndoOneTouchAndZoomFromTheEditorsMenu) {
  ASSERT_TRUE(Start());
  ShowAndPaint();
  // Black ink on white: an L inside the area to be selected, a block outside it.
  Surface picture;
  ASSERT_TRUE(picture.Create(200, 150, PixelFormat::kColour32));
  picture.Fill(kWhite);
  DeviceContext dc(&picture);
  dc.FillSolidRect({20, 20, 28, 80}, kBlack);
  dc.FillSolidRect({20, 72, 70, 80}, kBlack);
  dc.FillSolidRect({130, 30, 150, 50}, kBlack);
  CBmpViewWindow* window = OpenPicture(picture, "ink.bmp");
  ASSERT_NE(window, nullptr);
  CBmpView& editor = window->editor();
  Surface& image = editor.m_bmpWork;
  ASSERT_EQ(image.GetPixel(20, 20), kBlack);
  QMenuBar* bar = frame()->menuBar();
  ASSERT_NE(MenuItem(bar, {"加工", "特殊効果", "左右反転"}), nullptr) << "the editor's menu is shown";
  const std::vector<Colour> opened = PixelsOf(image);
  SavePictureForViewing(image, "editor_menu_road_opened");

  // The area (10, 10)-(90, 100) chosen with the mouse.
  window->ScrollBy(-100000, -100000);
  const Rect area{10, 10, 90, 100};
  DragOver(area);
  ASSERT_EQ(editor.m_region, area);

  // Mirrored left to right inside the area: the L's bar moves to the right side.
  ASSERT_TRUE(ChooseMenuItem(bar, {"加工", "特殊効果", "左右反転"}));
  EXPECT_EQ(editor.m_nEffect, 11);
  int differing = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const bool in = area.Contains({x, y});
      const Colour expected =
          opened[size_t(y) * size_t(image.width()) + size_t(in ? area.left + area.right - 1 - x : x)];
      differing += image.GetPixel(x, y) != expected;
    }
  }
  EXPECT_EQ(differing, 0);
  EXPECT_EQ(image.GetPixel(75, 50), kBlack) << "the bar at 20..27 mirrors to 72..79";
  EXPECT_EQ(image.GetPixel(22, 50), kWhite);
  EXPECT_EQ(image.GetPixel(140, 40), kBlack) << "the block outside stays";
  SavePictureForViewing(image, "editor_menu_road_mirrored");

  // Undone: the picture as opened.
  ASSERT_TRUE(ChooseMenuItem(bar, {"画像編集", "元に戻す"}));
  EXPECT_EQ(PixelsOf(image), opened);
  SavePictureForViewing(image, "editor_menu_road_undone");

  // The one-touch effect with the sample script the editor starts with: an added outline
  // (3 wide, light green) and a shadow (4 deep, grey green, outlined), inside the area only.
  ScriptedEffectDialogs effectDialogs;
  std::string script;
  effectDialogs.oneTouch = [&](COneTouchEffectDlg& d) {
    script = d.m_strFile;
    d.m_nAction = 0;
    return kAnswerOk;
  };
  ASSERT_TRUE(ChooseMenuItem(bar, {"加工", "ワンタッチエフェクト"}));
  EXPECT_EQ(std::filesystem::path(script).filename(), "ef_sample1.txt");
  constexpr Colour kOutline = 0xC0FFC0, kShadow = 0x608060;
  int outline = 0, shadow = 0, outside = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const Colour c = image.GetPixel(x, y);
      if (!area.Contains({x, y})) {
        outside += c != opened[size_t(y) * size_t(image.width()) + size_t(x)];
        continue;
      }
      outline += c == kOutline;
      shadow += c == kShadow;
    }
  }
  EXPECT_EQ(outside, 0);
  EXPECT_GT(outline, 0);
  EXPECT_GT(shadow, 0);
  EXPECT_EQ(image.GetPixel(18, 50), kOutline) << "two pixels left of the L";
  EXPECT_EQ(image.GetPixel(128, 40), kWhite) << "the block outside gets no outline";
  EXPECT_EQ(messages.ids, std::vector<int>{});
  SavePictureForViewing(image, "editor_menu_road_one_touch");

  // Four times: ticked, and each picture pixel a 4 x 4 square in the zoom window.
  ASSERT_TRUE(ChooseMenuItem(bar, {"拡大ｳｨﾝﾄﾞｳ", "拡大率", "４倍"}));
  for (const char* factor : {"２倍", "４倍", "６倍"}) {
    QAction* item = MenuItem(bar, {"拡大ｳｨﾝﾄﾞｳ", "拡大率", factor});
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->isChecked(), std::string(factor) == "４倍") << factor;
  }
  CBmplView* zoom = CBmplView::Instance();
  ASSERT_NE(zoom, nullptr);
  ASSERT_EQ(zoom->zoom(), 4);
  zoom->ScrollToCursor({40, 60});
  const Point scroll = zoom->ScrollPosition();
  Surface shown;
  ASSERT_TRUE(SurfaceFromImage(zoom->viewport()->grab().toImage(), shown));
  // Every point shows the picture pixel of its 4 x 4 square.
  int compared = 0, wrong = 0, inkShown = 0;
  for (int y = 0; y < shown.height(); ++y) {
    for (int x = 0; x < shown.width(); ++x) {
      const int px = (x + scroll.x) / 4, py = (y + scroll.y) / 4;
      if (px >= image.width() || py >= image.height()) continue;
      ++compared;
      wrong += shown.GetPixel(x, y) != image.GetPixel(px, py);
      inkShown += shown.GetPixel(x, y) == kBlack;
    }
  }
  EXPECT_GT(compared, 0);
  EXPECT_EQ(wrong, 0);
  EXPECT_GT(inkShown, 0) << "the window shows the L";
  SavePictureForViewing(shown, "editor_menu_road_zoom_4x");
}

// On a 256-colour display the open dialog offers BMP pictures (which carry a palette) and
// all files; on a true-colour one BMP, PNG and JPEG.
TEST_F(ImageEditorRoad, TheOpenDialogOffersThePicturesTheDisplayCanShow) {
  ASSERT_TRUE(Start());
  ShowAndPaint();
  Surface picture;
  ASSERT_TRUE(picture.Create(20, 20, PixelFormat::kColour32));
  picture.Fill(kWhite);
  ASSERT_NE(OpenPicture(picture, "white.bmp"), nullptr);
  const struct {
    int palette;
    const char* filter;
  } cases[] = {{1, "(*.bmp)|*.bmp|(*.*)|*.*||"}, {0, "(*.bmp;*.png;*.jpg)|*.bmp;*.png;*.jpg|(*.*)|*.*||"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.palette);
    gDrawState.m_bPaletteDevice = c.palette;
    chooser.asked.clear();
    ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"画像ﾌｧｲﾙ", "開く"}));  // cancelled
    ASSERT_EQ(chooser.asked.size(), 1u);
    EXPECT_EQ(chooser.asked[0].filter, c.filter);
  }
  EXPECT_EQ(gDrawState.m_szPictureFilePath, (dir / "white.bmp").string()) << "a cancel keeps the picture";
}

TEST_F(ImageEditorRoad, TheColourChangeTakesTheColourAtTheCornerOfTheRegionDragged) {
  ASSERT_TRUE(Start());
  Surface picture;
  ASSERT_TRUE(picture.Create(160, 120, PixelFormat::kColour32));
  picture.Fill(kWhite);
  DeviceContext(&picture).FillSolidRect({10, 10, 50, 40}, kRed);
  ASSERT_TRUE(OpenPicture(picture, "red block.bmp"));
  DragOver({10, 10, 50, 40});
  // In the dialog: the background slot made current, then its colour taken from the
  // region's upper-left corner.
  QString red, green;
  dialogs.Then([&](ui::DialogWindow& d) {
    ScriptedDialogs::Click(d, 289);
    ScriptedDialogs::Click(d, 332);
    red = qobject_cast<QLineEdit*>(d.Control(106))->text();
    green = qobject_cast<QLineEdit*>(d.Control(229))->text();
    return ui::kIdCancel;
  });
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"加工", "カラー変更"}));
  EXPECT_EQ(dialogs.shown, (std::vector<int>{217}));
  EXPECT_EQ(red, QStringLiteral("255"));
  EXPECT_EQ(green, QStringLiteral("0"));
  EXPECT_EQ(messages.beeps, 0);
}

// The colour-correction box shown from the zoom window's menu takes the keyboard, so
// Escape closes it without a click into it.
TEST_F(ImageEditorRoad, TheColourCorrectionBoxTakesTheKeyboardSoEscapeClosesIt) {
  ASSERT_TRUE(Start());
  ShowAndPaint();
  Surface picture;
  ASSERT_TRUE(picture.Create(60, 40, PixelFormat::kColour32));
  picture.Fill(kWhite);
  ASSERT_NE(OpenPicture(picture, "plain.bmp"), nullptr);
  QMenuBar* bar = frame()->menuBar();
  ASSERT_TRUE(ChooseMenuItem(bar, {"拡大ｳｨﾝﾄﾞｳ", "拡大率", "４倍"}));
  ASSERT_TRUE(CBmplView::Instance());
  const auto shownBox = [] {
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (w->isVisible() && qobject_cast<ui::DialogWindow*>(w)) return w;
    }
    return static_cast<QWidget*>(nullptr);
  };
  ASSERT_EQ(shownBox(), nullptr);
  ASSERT_TRUE(ChooseMenuItem(bar, {"拡大ｳｨﾝﾄﾞｳ", "修正色の変更"}));
  QWidget* box = shownBox();
  ASSERT_TRUE(box);
  ASSERT_TRUE(QTest::qWaitFor([box] { return QGuiApplication::focusWindow() == box->windowHandle(); }));
  // The box deletes itself once closed.
  const QPointer<QWidget> closing(box);
  QTest::keyClick(QGuiApplication::focusWindow(), Qt::Key_Escape);
  EXPECT_TRUE(QTest::qWaitFor([&closing] { return !closing || !closing->isVisible(); }));
}

}  // namespace
}  // namespace tmb::test
