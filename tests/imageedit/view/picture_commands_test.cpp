// The picture commands on the image editor's window: the save dispatched by the name's
// extension, and pictures to and from the clipboard.
#include <gtest/gtest.h>

#include <QColor>
#include <filesystem>
#include <memory>

#include "app/view_classes.h"
#include "core/bitmap/palettes.h"
#include "core/state/draw_state.h"
#include "export/picture/picture_file_reader.h"
#include "export/picture/picture_read_result.h"
#include "imageedit/view/bmp_view_window.h"
#include "imageedit/view/picture_commands.h"
#include "support/paper_state.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_chooser.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "support/ui/memory_clipboard.h"

namespace {

namespace fs = std::filesystem;
using tmb::Colour;
using tmb::Rect;

constexpr int kWidth = 120, kHeight = 90;
constexpr Colour kRed = 0x0000FF, kWhite = 0xFFFFFF;

class PictureCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    tmb::test::ResetDrawStateForPaper(kWidth, kHeight);
    window = std::make_unique<CBmpViewWindow>(nullptr, kViewBmp);
    window->OnInitialUpdate();
    ASSERT_TRUE(window->editor().EnsureSetup(nullptr));
    tmb::DeviceContext dc(&window->editor().m_bmpWork);
    dc.FillSolidRect({10, 20, 40, 50}, kRed);
  }
  void TearDown() override {
    window.reset();
    gDrawState.Reset();
    ResetPalettes();
  }
  CBmpView& editor() { return window->editor(); }

  tmb::test::ScopedWorkCanvas canvas{kWidth, kHeight};
  tmb::test::ScriptedMessages messages;
  tmb::test::ScriptedChooser chooser;
  tmb::test::MemoryClipboard clipboard;
  tmb::test::TempDir dir;
  std::unique_ptr<CBmpViewWindow> window;
};

TEST_F(PictureCommands, TheSaveTakesItsFormatFromTheNamesExtension) {
  // Each save's dialog opens on the filter of the save before: the entry of the shown
  // filter that names its extension; a name it does not list keeps the filter there was.
  struct Case {
    const char* name;
    int kind;       // PictureFileKind of the file written; kPictureFileUnknown: none
    int opensWith;  // the filter index the dialog opens with; -1: whatever came before
  } cases[] = {
      {"a.bmp", kPictureFileBmp, -1},  {"b.PNG", kPictureFilePng, 0},      {"c.Jpg", kPictureFileJpeg, 1},
      {"d.gif", kPictureFileGif, 2},   {"e.tif", kPictureFileBmp, 2},      {"f", kPictureFileBmp, 2},
      {"g.svg", kPictureFileUnknown, 2}, {"h.SWF", kPictureFileUnknown, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path path = dir / c.name;
    chooser.Next(path.string());
    messages.beeps = 0;
    const bool saved = SaveImageAs(kKindImageEditor);
    if (c.opensWith >= 0) {
      EXPECT_EQ(chooser.asked.back().filterIndex, c.opensWith);
    }
    EXPECT_EQ(saved, c.kind != kPictureFileUnknown);
    EXPECT_EQ(fs::exists(path), saved);
    if (!saved) {
      EXPECT_EQ(messages.beeps, 1);
      continue;
    }
    EXPECT_EQ(PictureFileKindOf(path.string()), c.kind);
  }
  EXPECT_FALSE(SaveImageAs(kKindImageEditor)) << "the dialog cancelled";
  EXPECT_EQ(chooser.asked.back().filterIndex, 3) << "the editor's filter lists SVG fourth";
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(PictureCommands, TheRegionAloneIsSavedWhenTheSaveRangeSaysSo) {
  gDrawState.m_nSaveRange = 1;
  editor().m_region = {40, 50, 10, 20};
  const fs::path path = dir / "region.png";
  chooser.Next(path.string());
  ASSERT_TRUE(SaveImageAs(kKindImageEditor));
  tmb::Surface back;
  ASSERT_TRUE(back.Create(kWidth, kHeight, tmb::PixelFormat::kColour32));
  tmb::Size size{};
  ASSERT_EQ(ReadPictureFile(nullptr, path.string(), &back, &size), kPictureRead);
  EXPECT_EQ(size, (tmb::Size{30, 30}));
  EXPECT_EQ(back.GetPixel(0, 0), kRed);
  EXPECT_EQ(back.GetPixel(29, 29), kRed);
}

TEST_F(PictureCommands, ThePictureGoesToTheClipboardWholeOrByRegion) {
  editor().m_region = {5, 15, 45, 55};
  SendImageToClipboard(kKindImageEditor, 0);
  ASSERT_EQ(clipboard.image.size(), QSize(40, 40));
  EXPECT_EQ(clipboard.image.pixelColor(5, 5), QColor(Qt::red));
  EXPECT_EQ(clipboard.image.pixelColor(0, 0), QColor(Qt::white));
  EXPECT_EQ(gDrawState.m_sizeClipboard, (tmb::Size{40, 40}));
  EXPECT_EQ(gDrawState.m_bClipboardOwned, 1);
  // The drawing state holds the picture the clipboard has.
  ASSERT_EQ(gDrawState.m_bmpClipboard.size(), (tmb::Size{40, 40}));
  EXPECT_EQ(gDrawState.m_bmpClipboard.GetPixel(5, 5), kRed);
  EXPECT_EQ(gDrawState.m_bmpClipboard.GetPixel(0, 0), kWhite);
  SendImageToClipboard(kKindImageEditor, 1);
  EXPECT_EQ(clipboard.image.size(), QSize(kWidth, kHeight));
  EXPECT_EQ(gDrawState.m_bmpClipboard.size(), (tmb::Size{kWidth, kHeight})) << "the one before is replaced";

  // No picture, or an empty block: a beep and the clipboard as it was.
  const QImage held = clipboard.image;
  for (int kind : {kKindPreview, kKindDrawA}) SendImageToClipboard(kind, 1);
  editor().m_region = {30, 30, 30, 60};
  SendImageToClipboard(kKindImageEditor, 0);
  EXPECT_EQ(messages.beeps, 3);
  EXPECT_EQ(messages.ids, std::vector<int>{62059}) << "a part asked for without a region says so";
  EXPECT_EQ(clipboard.image, held);
}

TEST_F(PictureCommands, AClipboardPictureComesBackWholeAlignedRight) {
  QImage narrow(30, 200, QImage::Format_RGB32);
  narrow.fill(Qt::green);
  clipboard.image = narrow;
  window->ReceiveClipboard(1);
  EXPECT_EQ(editor().m_bmpWork.GetPixel(kWidth - 30, 0), 0x00FF00u);
  EXPECT_EQ(editor().m_bmpWork.GetPixel(kWidth - 31, 0), kWhite);
  EXPECT_EQ(editor().m_bmpWork.GetPixel(20, 30), kRed) << "the left part kept";
  clipboard.Clear();
  window->ReceiveClipboard(1);  // an empty clipboard changes nothing
  EXPECT_EQ(editor().m_bmpWork.GetPixel(kWidth - 30, 0), 0x00FF00u);
}

// On a display of 256 colours a picture that comes with its palette brings it: the
// palette becomes the application palette and the colours of tables 0 and 1. Elsewhere
// the palette is left alone.
TEST_F(PictureCommands, AClipboardPicturesPaletteIsTakenOnAPaletteDisplayOnly) {
  QImage indexed(8, 4, QImage::Format_Indexed8);
  indexed.setColorTable({qRgb(250, 0, 0), qRgb(0, 90, 0), qRgb(1, 2, 3)});
  indexed.fill(1);
  gPaletteMode = 1;
  InitAppPalettes();
  for (int device : {0, 1}) {
    SCOPED_TRACE(device);
    gDrawState.m_bPaletteDevice = device;
    editor().m_bModified = 0;
    clipboard.image = indexed;
    window->ReceiveClipboard(1);
    EXPECT_EQ(editor().m_bmpWork.GetPixel(kWidth - 1, 0), 0x005A00u);
    const tmb::PaletteEntry first = device ? tmb::PaletteEntry{250, 0, 0, 0} : tmb::PaletteEntry{};
    EXPECT_EQ(gColourTables[0][0], first);
    EXPECT_EQ(gColourTables[1][2], device ? tmb::PaletteEntry({1, 2, 3, 0}) : tmb::PaletteEntry{});
    std::vector<tmb::PaletteEntry> app(3);
    gCurPaletteA->GetEntries(0, app);
    EXPECT_EQ(app[1], device ? tmb::PaletteEntry({0, 90, 0, 0}) : tmb::PaletteEntry{});
  }
  EXPECT_EQ(gColourTables[0][255], (tmb::PaletteEntry{255, 255, 255, 0})) << "entries the picture's palette lacks stay";
}

}  // namespace
