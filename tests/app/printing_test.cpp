// Printing in the running application through a PDF printer: the preview's begin and end
// around the main window's bar, a cancelled printer dialog, the pictures of the preview
// window and the image editor and window A's character in both modes on the printed page
// (read back with poppler's tools), the name a job carries, and the preview's commands.
#include <QCoreApplication>
#include <cstdio>
#include <fstream>
#include <sstream>

#include "app/app_fixture.h"
#include "app/kind_lookup.h"
#include "platform/ui/child_frame.h"
#include "brush/render/brush_state.h"
#include "core/canvas/work_canvas.h"
#include "core/document/tmb_doc.h"
#include "export/picture/picture_file_writer.h"
#include "imageedit/view/bmp_view_window.h"
#include "resources/command_ids.h"
#include "support/checking_tool.h"
#include "support/file_bytes.h"
#include "support/picture_files.h"
#include "support/temp_dir.h"
#include "support/ui/memory_clipboard.h"
#include "support/ui/menu_path.h"
#include "views/pre_view.h"
#include "views/tmb_view.h"
#include "views/tmb_view_area.h"

namespace tmb::test {
namespace {

constexpr int kCmdRedrawPreview = 32906, kCmdClearPreview = 33002;
constexpr int kCmdSendPreviewRegion = 32970;
// The page is read back at 60 dpi: a paper pixel of the A4 page (500 paper pixels onto
// 2,480 printed at 300 dpi) is then 0.992 of a pixel.
constexpr int kReadDpi = 60;
constexpr double kPaperToRead = 2480.0 / 500.0 * kReadDpi / 300.0;

// A grey picture read from a binary PGM file; empty when it cannot be read.
struct GreyPage {
  int width = 0, height = 0;
  std::vector<uint8_t> pixels;
  int At(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
  // Dark pixels in the square of side 2d + 1 around paper point p.
  int InkAround(Point p, int d) const {
    const int cx = int(p.x * kPaperToRead), cy = int(p.y * kPaperToRead);
    int n = 0;
    for (int y = cy - d; y <= cy + d; ++y) {
      for (int x = cx - d; x <= cx + d; ++x) {
        if (x >= 0 && y >= 0 && x < width && y < height) n += At(x, y) < 128;
      }
    }
    return n;
  }
};

GreyPage ReadPgm(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string magic;
  int maxValue = 0;
  GreyPage page;
  in >> magic >> page.width >> page.height >> maxValue;
  if (magic != "P5" || maxValue != 255 || page.width <= 0 || page.height <= 0) return {};
  in.get();
  page.pixels.resize(size_t(page.width) * size_t(page.height));
  in.read(reinterpret_cast<char*>(page.pixels.data()), std::streamsize(page.pixels.size()));
  return in ? page : GreyPage{};
}

// The first page of pdf at kReadDpi in grey, also left for viewing under name.
GreyPage RenderPdf(const std::filesystem::path& pdf, const std::string& name) {
  const std::filesystem::path base = pdf.parent_path() / "page";
  const ToolRun run = RunTool("pdftoppm -r " + std::to_string(kReadDpi) + " -gray -singlefile '" + pdf.string() +
                              "' '" + base.string() + "'");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  GreyPage page = ReadPgm(base.string() + ".pgm");
  Surface picture;
  if (!page.pixels.empty() && picture.Create(page.width, page.height, PixelFormat::kColour32)) {
    for (int y = 0; y < page.height; ++y) {
      for (int x = 0; x < page.width; ++x) picture.SetPixel(x, y, MakeRgb(page.At(x, y), page.At(x, y), page.At(x, y)));
    }
    SavePictureForViewing(picture, name);
  }
  return page;
}

int PageCount(const std::filesystem::path& pdf) {
  const ToolRun run = RunTool("pdfinfo '" + pdf.string() + "'");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("Pages:", 0) == 0) return std::stoi(line.substr(6));
  }
  return -1;
}

// The title of pdf as pdfinfo reads it; empty when it has none.
std::string PdfTitle(const std::filesystem::path& pdf) {
  const ToolRun run = RunTool("pdfinfo -enc UTF-8 '" + pdf.string() + "'");
  EXPECT_EQ(run.exitCode, 0) << run.output;
  std::istringstream lines(run.output);
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind("Title:", 0) != 0) continue;
    const size_t start = line.find_first_not_of(' ', 6);
    return start == std::string::npos ? std::string() : line.substr(start);
  }
  return {};
}

class Printing : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    ASSERT_TRUE(Start());
    ShowAndPaint();
    frame()->OnCommand(kCmdHideBar, [this] { bar.push_back(kCmdHideBar); });
    frame()->OnCommand(kCmdShowBar, [this] { bar.push_back(kCmdShowBar); });
  }
  CTmbView& ViewA() {
    CTmbView* view = CTmbView::ViewOfKind(kKindDrawA);
    EXPECT_TRUE(view);
    for (int i = 0; i < 20 && view && !view->m_bInitialised; ++i) QCoreApplication::processEvents();
    return *view;
  }
  CPre_View& OpenPreview() {
    gDrawState.m_nCreatingKind = kKindPreview;
    EXPECT_TRUE(theApp.OpenWindowOfKind(kKindPreview));
    EXPECT_TRUE(CPre_View::Instance());
    return *CPre_View::Instance();
  }
  static void SkipWithoutPoppler() {
    if (!ToolInstalled("pdfinfo") || !ToolInstalled("pdftoppm")) GTEST_SKIP() << "poppler-utils is not installed";
  }

  std::vector<int> bar;
  TempDir dir;
};

TEST_F(Printing, APreviewHidesTheBarOnceAndShowsItAgainAlsoWhenCancelled) {
  CTmbView& view = ViewA();
  for (bool painted : {false, true}) {
    bar.clear();
    printing.previewPath = painted ? (dir / "preview.pdf").string() : "";
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdFilePrintPreview));
    EXPECT_EQ(bar, (std::vector<int>{kCmdHideBar, kCmdShowBar})) << painted;
    EXPECT_EQ(view.m_bPrintPreview, 0);
    EXPECT_EQ(view.m_bBarHidden, 0);
  }
  EXPECT_EQ(printing.previews, 2);
  EXPECT_TRUE(std::filesystem::exists(dir / "preview.pdf"));
  // Later paints draw the window again.
  const Point o = gDrawState.m_ptCanvasOrigin;
  const Rect client = view.ClientRectLogical();
  const Point inside{std::max(client.left, o.x) - client.left + 5, std::max(client.top, o.y) - client.top + 5};
  const_cast<Surface&>(view.windowSurface()).Fill(0x123456);
  view.OnUpdate();
  view.area()->viewport()->repaint();
  QCoreApplication::processEvents();
  EXPECT_NE(view.windowSurface().GetPixel(inside.x, inside.y), 0x123456u);
}

TEST_F(Printing, ACancelledPrinterDialogBeginsNothing) {
  CTmbView& view = ViewA();
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFilePrint));
  EXPECT_EQ(printing.choices, 1);
  EXPECT_TRUE(bar.empty());
  EXPECT_EQ(view.m_bPrintPreview, 0);
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(Printing, ThePreviewWindowsPictureReachesThePrintedPage) {
  SkipWithoutPoppler();
  CPre_View& preview = OpenPreview();
  // A black block on the white picture, printed from the active preview window.
  DeviceContext(&preview.m_bmpPreview).FillSolidRect({100, 200, 200, 300}, 0x000000);
  frame()->ActivateViewOfKind(kKindPreview, 0);
  gDrawState.m_nPrintTarget = -1;
  gDrawState.m_nPrintMode = 0;  // image mode: the preview's picture itself
  printing.pdfPath = (dir / "preview_window.pdf").string();
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFilePrint));
  EXPECT_EQ(gPrintSourceKind, kKindPreview);
  EXPECT_TRUE(messages.ids.empty());
  ASSERT_EQ(PageCount(printing.pdfPath), 1);
  const GreyPage page = RenderPdf(printing.pdfPath, "printed_preview_block");
  ASSERT_FALSE(page.pixels.empty());
  EXPECT_EQ(page.InkAround({150, 250}, 30), 61 * 61);
  for (Point white : {Point{50, 50}, Point{300, 250}, Point{150, 400}, Point{450, 650}}) {
    EXPECT_EQ(page.InkAround(white, 10), 0) << white.x << "," << white.y;
  }
  // The print went back to the window it came from.
  EXPECT_EQ(frame()->GetActiveViewKind(), kKindPreview);

  // The block selected (dragged up-left) fills the page's width and as much of its height.
  preview.SetSelection({200, 300, 100, 200});
  gDrawState.m_nPrintRange = 1;
  printing.pdfPath = (dir / "preview_region.pdf").string();
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFilePrint));
  const GreyPage region = RenderPdf(printing.pdfPath, "printed_preview_region");
  ASSERT_FALSE(region.pixels.empty());
  int dark = 0;
  for (int y = 5; y < region.width - 5; y += 5) {
    for (int x = 5; x < region.width - 5; x += 5) dark += region.At(x, y) < 128;
  }
  const int side = (region.width - 10 + 4) / 5;
  EXPECT_EQ(dark, side * side);
  EXPECT_GT(region.At(region.width / 2, region.width + 20), 200);
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(Printing, TheImageEditorPrintsItsPictureWhenItIsActive) {
  SkipWithoutPoppler();
  frame()->ActivateViewOfKind(kKindImageEditor, 0);
  CBmpViewWindow* editor = CBmpViewWindow::Instance();
  ASSERT_TRUE(editor);
  for (int i = 0; i < 20 && editor->editor().m_bmpWork.IsNull(); ++i) QCoreApplication::processEvents();
  Surface& picture = editor->editor().m_bmpWork;
  ASSERT_FALSE(picture.IsNull());
  picture.Fill(0xFFFFFF);
  DeviceContext(&picture).FillSolidRect({300, 400, 450, 500}, 0x000000);
  ASSERT_EQ(frame()->GetActiveViewKind(), kKindImageEditor);
  // Whatever the target, the active editor prints its own picture in image mode.
  gDrawState.m_nPrintTarget = kKindDrawB;
  gDrawState.m_nPrintMode = 0;
  printing.pdfPath = (dir / "editor.pdf").string();
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFilePrint));
  EXPECT_EQ(gDrawState.m_nPrintTarget, kKindDrawB);
  EXPECT_EQ(editor->editor().m_bPrinting, 0);
  EXPECT_TRUE(messages.ids.empty());
  ASSERT_EQ(PageCount(printing.pdfPath), 1);
  const GreyPage page = RenderPdf(printing.pdfPath, "printed_image_editor_block");
  ASSERT_FALSE(page.pixels.empty());
  EXPECT_EQ(page.InkAround({375, 450}, 40), 81 * 81);
  for (Point white : {Point{100, 100}, Point{375, 300}, Point{200, 450}, Point{375, 600}}) {
    EXPECT_EQ(page.InkAround(white, 10), 0) << white.x << "," << white.y;
  }

  // Its preview hides the main window's bar and shows it again.
  printing.previewPath = (dir / "editor_preview.pdf").string();
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdFilePrintPreview));
  EXPECT_EQ(bar, (std::vector<int>{kCmdHideBar, kCmdShowBar}));
  EXPECT_EQ(editor->editor().m_bPrinting, 0);
}

TEST_F(Printing, AJobIsNamedAfterTheFileItPrintsOrElseItsWindow) {
  SkipWithoutPoppler();
  const std::string character = (dir / "花.wdf").string();
  WriteFileBytes(character, BuildWdfFile({CharPart(1, {{100, 300, 1, -1}, {400, 300, 0, -1}}, 40), CharPart(0, {})}));
  Surface picture;
  ASSERT_TRUE(picture.Create(40, 30, PixelFormat::kColour32));
  picture.Fill(0x000000);
  const std::string pictureFile = (dir / "景色.bmp").string();
  ASSERT_EQ(WritePictureFile(nullptr, &picture, nullptr, pictureFile, 40, 30, kFormatBmp), 1);
  int jobs = 0;
  // The title of the PDF that the menu's print item makes.
  auto print = [&](std::initializer_list<const char*> item) {
    printing.pdfPath = (dir / ("job" + std::to_string(++jobs) + ".pdf")).string();
    EXPECT_TRUE(ChooseMenuItem(frame()->menuBar(), item));
    return PdfTitle(printing.pdfPath);
  };
  // Window A's picture before any file is open: the window's name.
  ViewA();
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"文件", "打印方式", "位图(保持飞白)"}));
  EXPECT_EQ(print({"文件", "打印"}), "描画ｳｨﾝﾄﾞｳA");
  // The character file the user opened, in either mode.
  chooser.Next(character);
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"文件", "打开"}));
  EXPECT_EQ(print({"文件", "打印"}), "花.wdf");
  ASSERT_TRUE(ChooseMenuItem(frame()->menuBar(), {"文件", "打印方式", "矢量"}));
  EXPECT_EQ(print({"文件", "打印"}), "花.wdf");
  // The image editor prints its picture under the picture file's name.
  frame()->OnDropFiles({QString::fromStdString(pictureFile)});
  ASSERT_EQ(frame()->GetActiveViewKind(), kKindImageEditor);
  EXPECT_EQ(print({"画像ﾌｧｲﾙ", "印刷"}), "景色.bmp");
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(Printing, ThePreviewsSelectionGoesToTheClipboard) {
  MemoryClipboard clipboard;
  CPre_View& preview = OpenPreview();
  preview.m_bmpPreview.SetPixel(20, 30, 0x0000FF);
  preview.SetSelection({60, 70, 20, 30});
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdSendPreviewRegion));
  const QImage image = clipboard.Image();
  ASSERT_EQ(image.size(), QSize(40, 40));
  EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
  EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
}

TEST_F(Printing, WindowAsCharacterShowsInkUnderItsStrokesInBothModes) {
  SkipWithoutPoppler();
  CTmbView& view = ViewA();
  CCharDataFull& rec = view.GetDocument()->m_char;
  // A level stroke and an upright one, drawn by the brush.
  const Point strokes[2][3] = {{{100, 300}, {250, 300}, {400, 300}}, {{250, 150}, {250, 350}, {250, 550}}};
  for (const auto& s : strokes) {
    for (int k = 0; k < 3; ++k) {
      const int i = rec.m_nPoints++;
      rec.m_pPoints[i] = s[k];
      rec.m_pFlags[i] = k == 0 ? 1 : 0;
      rec.m_pPressure[i] = -1;
    }
  }
  rec.m_nOutlineDirty = 1;
  view.RebuildOutlineAndRedraw(1);
  gDrawState.m_nPrintTarget = kKindDrawA;
  for (int mode : {1, 0}) {
    gDrawState.m_nPrintMode = mode;
    const std::string name = mode == 1 ? "printed_window_a_vector" : "printed_window_a_image";
    printing.pdfPath = (dir / (name + ".pdf")).string();
    ASSERT_TRUE(frame()->ExecuteCommand(kCmdFilePrint));
    EXPECT_TRUE(messages.ids.empty());
    ASSERT_EQ(PageCount(printing.pdfPath), 1);
    const GreyPage page = RenderPdf(printing.pdfPath, name);
    ASSERT_FALSE(page.pixels.empty());
    // The brush drew the strokes on the screen: the page has ink wherever the window's
    // picture has.
    const Surface& shown = gBrushStates[0].m_bitmap;
    int inked = 0, onPage = 0;
    for (int y = 0; y < shown.height(); y += 2) {
      for (int x = 0; x < shown.width(); x += 2) {
        if (RedOf(shown.GetPixel(x, y)) >= 128) continue;
        ++inked;
        onPage += page.InkAround({x, y}, 1) > 0;
      }
    }
    EXPECT_GT(inked, 200) << mode;
    EXPECT_GE(onPage, inked * 95 / 100) << mode;
    for (Point white : {Point{100, 100}, Point{400, 600}, Point{50, 700}}) {
      EXPECT_EQ(page.InkAround(white, 10), 0) << mode << ": " << white.x << "," << white.y;
    }
  }
}

TEST_F(Printing, ThePreviewsClearAndRedrawCommandsReachIt) {
  CPre_View& preview = OpenPreview();
  ASSERT_TRUE(preview.frame());
  EXPECT_EQ(preview.frame()->windowTitle(), QStringLiteral("Preview"));
  EXPECT_FALSE(preview.frame()->windowFlags() & Qt::WindowCloseButtonHint);
  preview.m_bmpPreview.Fill(0x000000);
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdRedrawPreview));
  ASSERT_TRUE(frame()->ExecuteCommand(kCmdClearPreview));
  EXPECT_EQ(preview.m_bmpPreview.GetPixel(250, 400), 0xFFFFFFu);
}

}  // namespace
}  // namespace tmb::test
