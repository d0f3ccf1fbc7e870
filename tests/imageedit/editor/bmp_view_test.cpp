// The image editor's operations without a window: pictures read from files and the
// clipboard, the batch step, the region's copy, cut and undo, and the recorded regions.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/bitmap/palettes.h"
#include "core/canvas/work_canvas.h"
#include "core/path/path_sequence.h"
#include "core/record/char_data.h"
#include "core/state/draw_state.h"
#include "export/picture/picture_file_reader.h"
#include "export/picture/picture_file_writer.h"
#include "export/picture/picture_read_result.h"
#include "imageedit/editor/area_setting.h"
#include "imageedit/editor/bmp_view.h"
#include "support/colour_blocks.h"
#include "support/editor_host.h"
#include "support/file_bytes.h"
#include "support/gif_builder.h"
#include "support/jpeg_header.h"
#include "support/magick_pictures.h"
#include "support/paper_state.h"
#include "support/scoped_work_canvas.h"
#include "support/scripted_messages.h"
#include "support/surface_copies.h"
#include "support/temp_dir.h"
#include "support/test_canvas.h"

namespace {

namespace fs = std::filesystem;
using tmb::Colour;
using tmb::PixelFormat;
using tmb::Point;
using tmb::Rect;
using tmb::Size;
using tmb::Surface;

constexpr int kWidth = 200, kHeight = 150;
constexpr Colour kWhite = 0xFFFFFF;

using tmb::test::CopyOfSurface;
using tmb::test::SamePixels;

class ImageEditor : public ::testing::Test {
 protected:
  void SetUp() override {
    tmb::test::ResetDrawStateForPaper(kWidth, kHeight);
    view.OnInitialUpdate();
    ASSERT_TRUE(view.EnsureSetup(nullptr));
    // A picture with something in every part: a diagonal of colours.
    for (int y = 0; y < kHeight; ++y) {
      for (int x = 0; x < kWidth; ++x) view.m_bmpWork.SetPixel(x, y, Colour(x * 0x010000 + y * 0x0100 + ((x + y) & 0xFF)));
    }
  }
  void TearDown() override { gDrawState.Reset(); }

  // Writes a picture of blocks of width x height in format under name.
  std::string WriteBlocks(const std::string& name, int width, int height, int format) {
    tmb::test::Canvas c(width, height, PixelFormat::kColour32, 0x0000FF);
    c.dc.FillSolidRect({0, height / 2, width, height}, 0xFF0000);
    const std::string path = (dir / name).string();
    EXPECT_EQ(WritePictureFile(&c.dc, &c.surface, nullptr, path, width, height, format), 1);
    return path;
  }
  // The device point of an image point.
  static Point Device(Point image) {
    const Point o = gDrawState.m_ptCanvasOrigin;
    return {image.x + o.x, image.y + o.y};
  }
  // Another window's picture to take blocks from, on a display of 256 colours.
  void ForeignPictureOnPaletteDisplay() {
    host.picture = &foreign.surface;
    host.region = {0, 0, 20, 20};
    gPaletteMode = 1;
    InitAppPalettes();
  }

  tmb::test::ScopedWorkCanvas canvas{kWidth, kHeight};
  tmb::test::ScriptedMessages messages;
  tmb::test::TempDir dir;
  tmb::test::EditorHost host{kWidth + 64, kHeight + 64};
  CBmpView view{&host};
  tmb::test::Canvas foreign{kWidth, kHeight, PixelFormat::kColour32, 0x123456};
};

TEST_F(ImageEditor, ADamagedOrMissingPictureChangesNothingAndIsToldOnce) {
  const std::vector<uint8_t> png = tmb::test::FileBytes(WriteBlocks("good.png", 40, 30, kFormatPng));
  const std::vector<uint8_t> bmp = tmb::test::FileBytes(WriteBlocks("good.bmp", 40, 30, kFormatBmp));
  std::vector<uint8_t> bmpSideZero = bmp;
  bmpSideZero[18] = bmpSideZero[19] = 0;
  std::vector<uint8_t> gifCut = tmb::test::GifBuilder("GIF89a", 4, 2, {0, 0xFFFFFF}).bytes();
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    int message;
  };
  const std::vector<Case> cases = {
      {"truncated BMP", std::vector<uint8_t>(bmp.begin(), bmp.begin() + 300), 62048},
      {"BMP of width 0", bmpSideZero, 62048},
      {"truncated PNG", std::vector<uint8_t>(png.begin(), png.begin() + ptrdiff_t(png.size() / 2)), 62048},
      {"PNG magic, nothing more", std::vector<uint8_t>(png.begin(), png.begin() + 8), 62048},
      {"GIF without an image", gifCut, 62048},
      {"GIF cut in its header", {'G', 'I', 'F', '8', '9', 'a', 4}, 62048},
      {"JPEG cut short", tmb::test::JpegHeaderOnly(40, 30, 300), 62048},
      // Too many pixels for its bytes: damaged, not a lack of memory.
      {"JPEG of 65,500 x 65,500 in 300 bytes", tmb::test::JpegHeaderOnly(65500, 65500, 300), 62048},
      {"no known magic", {'G', 'I', 'F', '7'}, 62048},
      {"empty", {}, 62048},
  };
  const Surface before = CopyOfSurface(view.m_bmpWork);
  view.m_sizeClip = {11, 12};
  for (int range : {0, 1}) {
    gDrawState.m_nSaveRange = range;
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.name) + (range ? " into the clip buffer" : " into the picture"));
      const fs::path path = dir / "damaged.bmp";
      tmb::test::WriteFileBytes(path, c.bytes);
      messages.ids.clear();
      EXPECT_NE(view.LoadPicture(path.string()), kPictureRead);
      EXPECT_EQ(messages.ids, std::vector<int>{c.message});
      EXPECT_TRUE(SamePixels(view.m_bmpWork, before));
      EXPECT_EQ(view.m_sizeClip, (Size{11, 12}));
      EXPECT_EQ(view.m_nUndoKind, CBmpView::kUndoNone);
    }
    messages.ids.clear();
    EXPECT_EQ(view.LoadPicture((dir / "missing.png").string()), kPictureNotOpened);
    EXPECT_EQ(messages.ids, std::vector<int>{62047});
  }
  EXPECT_TRUE(host.commands.empty()) << "nothing was loaded";
}

TEST_F(ImageEditor, APictureLoadsIntoThePictureOrIntoTheClipBuffer) {
  const std::string path = WriteBlocks("blocks.bmp", 300, 40, kFormatBmp);
  ASSERT_EQ(view.LoadPicture(path), kPictureRead);
  EXPECT_EQ(view.m_bmpWork.GetPixel(0, 0), 0x0000FFu);
  EXPECT_EQ(view.m_bmpWork.GetPixel(kWidth - 1, 39), 0xFF0000u);
  EXPECT_EQ(view.m_bmpWork.GetPixel(0, 40), kWhite) << "cleared to the background below the picture";
  EXPECT_EQ(view.m_nUndoKind, CBmpView::kUndoWhole);
  EXPECT_EQ(host.commands, std::vector<int>{32937});
  EXPECT_TRUE(messages.ids.empty());

  // Into the clip buffer: the size held is the part the buffer holds, whatever the kind.
  gDrawState.m_nSaveRange = 1;
  for (const char* name : {"small.bmp", "small.png", "small.jpg"}) {
    SCOPED_TRACE(name);
    const int format = name[6] == 'b' ? kFormatBmp : name[6] == 'p' ? kFormatPng : kFormatJpeg;
    messages.ids.clear();
    ASSERT_EQ(view.LoadPicture(WriteBlocks(name, 17, 13, format)), kPictureRead);
    EXPECT_EQ(view.m_sizeClip, (Size{17, 13}));
    EXPECT_EQ(view.m_bClipFilled, 1);
    EXPECT_EQ(messages.ids, std::vector<int>{62058});
  }
  ASSERT_EQ(view.LoadPicture(path), kPictureRead);
  EXPECT_EQ(view.m_sizeClip, (Size{kWidth, 40})) << "cut to the buffer";
}

TEST_F(ImageEditor, EveryBmpKindOpensAsTheWritersOwnPngOfIt) {
  if (!tmb::test::MagickWritesBmp()) GTEST_SKIP() << "ImageMagick's convert is not installed";
  const Surface picture = tmb::test::MagickTestPicture();
  ASSERT_TRUE(tmb::test::WritePpm(picture, dir / "picture.ppm"));
  int opened = 0;
  for (const tmb::test::MagickBmpKind& kind : tmb::test::MagickBmpKinds()) {
    if (std::string(kind.tool) == "ffmpeg" && !tmb::test::FfmpegInstalled()) continue;
    SCOPED_TRACE(kind.name);
    const tmb::test::MagickBmpKind& reference = tmb::test::MagickReferenceKind(kind);
    const fs::path bmp = dir / (std::string(kind.name) + ".bmp"), png = dir / (std::string(kind.name) + ".png");
    const fs::path referenceBmp = dir / (std::string(reference.name) + ".bmp");
    ASSERT_TRUE(tmb::test::MakeMagickBmp(kind, dir / "picture.ppm", bmp));
    ASSERT_TRUE(tmb::test::MakeMagickBmp(reference, dir / "picture.ppm", referenceBmp));
    ASSERT_TRUE(tmb::test::MagickPng(referenceBmp, png));
    ASSERT_EQ(view.LoadPicture(png.string()), kPictureRead);
    const Surface expected = CopyOfSurface(view.m_bmpWork);
    view.m_bmpWork.Fill(0x123456);
    ASSERT_EQ(view.LoadPicture(bmp.string()), kPictureRead);
    EXPECT_TRUE(SamePixels(view.m_bmpWork, expected));
    EXPECT_NE(view.m_bmpWork.GetPixel(0, 0), kWhite);
    ++opened;
  }
  EXPECT_GE(opened, 10);
  EXPECT_TRUE(messages.ids.empty());
}

TEST_F(ImageEditor, TheBatchStepWritesTheLoadedPictureAndNothingAfterAFailedLoad) {
  const std::string in = WriteBlocks("in.png", 23, 19, kFormatPng);
  view.m_region = {5, 6, 50, 60};
  const fs::path out = dir / "out.bmp";
  ASSERT_EQ(view.ProcessPictureFile(in, out.string(), 1), 1);
  EXPECT_TRUE(messages.ids.empty()) << "a batch says nothing per file";
  EXPECT_EQ(view.m_region, (Rect{5, 6, 50, 60}));
  EXPECT_EQ(gDrawState.m_nSaveRange, 0);
  EXPECT_EQ(gDrawState.m_nPlaceMode, 0);
  tmb::test::Canvas back(40, 40, PixelFormat::kColour32, 0x808080);
  Size size{};
  ASSERT_EQ(ReadPictureFile(&back.dc, out.string(), &back.surface, &size), kPictureRead);
  EXPECT_EQ(size, (Size{23, 19}));

  const fs::path none = dir / "none.bmp";
  EXPECT_EQ(view.ProcessPictureFile((dir / "missing.png").string(), none.string(), 1), 0);
  EXPECT_FALSE(fs::exists(none));
}

TEST_F(ImageEditor, ANarrowerClipboardPictureTakenWholeAlignsRightAndKeepsTheLeft) {
  const Surface before = CopyOfSurface(view.m_bmpWork);
  tmb::test::Canvas clip(80, 400, PixelFormat::kColour32, 0x00FF00);
  view.ReceiveClipboard(clip.surface, 1);
  for (int y : {0, kHeight - 1}) {
    EXPECT_EQ(view.m_bmpWork.GetPixel(kWidth - 80, y), 0x00FF00u);
    EXPECT_EQ(view.m_bmpWork.GetPixel(kWidth - 1, y), 0x00FF00u);
    for (int x : {0, kWidth - 81}) EXPECT_EQ(view.m_bmpWork.GetPixel(x, y), before.GetPixel(x, y)) << x;
  }
  view.Undo();
  EXPECT_TRUE(SamePixels(view.m_bmpWork, before));

  // By region it waits in the clip buffer, cut to the picture's size.
  view.ReceiveClipboard(clip.surface, 0);
  EXPECT_EQ(view.m_sizeClip, (Size{80, kHeight}));
  EXPECT_EQ(view.m_bClipFilled, 1);
  EXPECT_TRUE(SamePixels(view.m_bmpWork, before));
}

TEST_F(ImageEditor, CopyTakesOnlyThePictureAndCutLeavesTheBackground) {
  view.m_region = {kWidth - 10, 20, kWidth + 30, 5};  // reversed, and past the right edge
  ASSERT_TRUE(view.Copy());
  EXPECT_EQ(view.m_sizeClip, (Size{10, 15}));
  EXPECT_EQ(view.m_ptLift, (Point{kWidth - 10, 5}));
  EXPECT_EQ(view.m_bmpClip.GetPixel(0, 0), view.m_bmpWork.GetPixel(kWidth - 10, 5));

  view.m_region = {kWidth + 5, 0, kWidth + 40, 40};
  messages.beeps = 0;
  EXPECT_FALSE(view.Copy()) << "nothing of the picture in the region";
  EXPECT_EQ(messages.beeps, 1);
  EXPECT_EQ(view.m_sizeClip, (Size{10, 15}));

  const Surface before = CopyOfSurface(view.m_bmpWork);
  view.m_region = {10, 10, 30, 40};
  view.Cut();
  EXPECT_EQ(view.m_bmpWork.GetPixel(10, 10), kWhite);
  EXPECT_EQ(view.m_bmpWork.GetPixel(29, 39), kWhite);
  EXPECT_EQ(view.m_bmpWork.GetPixel(30, 40), before.GetPixel(30, 40));
  EXPECT_EQ(view.m_bModified, 1);
  view.Undo();
  EXPECT_TRUE(SamePixels(view.m_bmpWork, before));
}

// Undo after a paste takes away the paste alone: what was done before it stays, whether
// the block came from the picture or from another window.
TEST_F(ImageEditor, UndoAfterAPasteRestoresThePictureAsItWasBeforeThePaste) {
  host.picture = &foreign.surface;
  host.region = {0, 0, 20, 20};
  const Point o = gDrawState.m_ptCanvasOrigin;
  for (bool fromWindow : {false, true}) {
    SCOPED_TRACE(fromWindow ? "from another window" : "from the picture");
    view.m_region = {10, 10, 30, 40};
    view.Cut();  // an earlier operation that can be undone
    const Surface beforePaste = CopyOfSurface(view.m_bmpWork);
    if (fromWindow) {
      view.TakeWindowRegion(kKindDrawA);
    } else {
      view.m_region = {100, 100, 120, 120};
      ASSERT_TRUE(view.Copy());
      view.BeginPaste();
    }
    view.OnMouseMove({60 + o.x, 60 + o.y}, true);
    view.OnLButtonUp({60 + o.x, 60 + o.y});
    ASSERT_FALSE(SamePixels(view.m_bmpWork, beforePaste)) << "the block was pasted";
    view.Undo();
    EXPECT_TRUE(SamePixels(view.m_bmpWork, beforePaste));
  }
}

// Gripping the region without moving it changes nothing, so the operation before it can
// still be undone: a click inside the frame, or a press inside or on its edge released
// off the picture.
TEST_F(ImageEditor, AGripThatMovesNothingKeepsTheUndoOfTheOperationBefore) {
  const Surface start = CopyOfSurface(view.m_bmpWork);
  struct Case {
    const char* name;
    Point press, release;
  } cases[] = {
      {"a click inside", {30, 30}, {31, 30}},
      {"released off the picture", {30, 30}, {-20, 30}},
      {"the edge released off the picture", {60, 30}, {-20, 30}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    view.m_region = {10, 10, 60, 60};
    view.Cut();
    const Surface cut = CopyOfSurface(view.m_bmpWork);
    view.m_region = {20, 20, 60, 60};
    view.m_nFrameState = 1;
    view.OnLButtonDown(Device(c.press));
    view.OnLButtonUp(Device(c.release));
    EXPECT_EQ(view.m_nMode, CBmpView::kModeRegion);
    EXPECT_TRUE(SamePixels(view.m_bmpWork, cut));
    view.Undo();
    EXPECT_TRUE(SamePixels(view.m_bmpWork, start)) << "the cut is undone";
  }
}

TEST_F(ImageEditor, AWindowWithoutPictureOrAnEmptyBlockGivesNothingToPaste) {
  view.TakeWindowRegion(kKindDrawB);
  EXPECT_EQ(messages.beeps, 1);
  EXPECT_EQ(view.m_nMode, CBmpView::kModeRegion);
  tmb::test::Canvas other(kWidth, kHeight, PixelFormat::kColour32, 0x123456);
  host.picture = &other.surface;
  host.region = {40, 40, 40, 90};
  view.TakeWindowRegion(kKindDrawA);
  EXPECT_EQ(messages.beeps, 2);
  EXPECT_EQ(view.m_nMode, CBmpView::kModeRegion);
  host.region = {60, 50, 40, 20};
  view.TakeWindowRegion(kKindDrawA);
  EXPECT_EQ(view.m_nMode, CBmpView::kModeFloat);
  EXPECT_EQ(view.m_sizeClip, (Size{20, 30}));
  EXPECT_EQ(view.m_bForeignPaste, 1);

  const Surface before = CopyOfSurface(view.m_bmpWork);
  view.CaptureWindowImage(0, 0, kKindDrawB);
  EXPECT_EQ(messages.beeps, 3);
  EXPECT_TRUE(SamePixels(view.m_bmpWork, before));
  view.CaptureWindowImage(0, 0, kKindDrawA);
  EXPECT_EQ(view.m_bmpWork.GetPixel(7, 7), 0x123456u);
  EXPECT_EQ(host.commands.back(), 32906);
}

TEST_F(ImageEditor, TheWrittenCellsOfAWindowAreTakenInVerticalOrder) {
  // Cells of 50 x 50 from the right edge: 4 columns of 3 rows, numbered down each column.
  CCharData record;
  record.m_param[32] = record.m_param[33] = 50;
  tmb::test::Canvas other(kWidth, kHeight, PixelFormat::kColour32);
  auto cellColour = [](int n) { return Colour(0x0A0A0A * (n + 1)); };
  for (int n = 0; n < 12; ++n) {
    const int column = n / 3, row = n % 3;
    other.dc.FillSolidRect({kWidth - 50 * (column + 1), 50 * row, kWidth - 50 * column, 50 * (row + 1)}, cellColour(n));
  }
  // Writing in the top row's leftmost and rightmost cells and the middle row's leftmost.
  for (Point p : {Point{10, 10}, Point{190, 40}, Point{25, 60}}) record.m_pPoints[record.m_nPoints++] = p;
  host.picture = &other.surface;
  host.record = &record;
  view.CaptureWindowImage(1, 0, kKindDrawA);
  // Read row by row from the left, put down the right column.
  EXPECT_EQ(view.m_bmpWork.GetPixel(175, 25), cellColour(9));
  EXPECT_EQ(view.m_bmpWork.GetPixel(175, 75), cellColour(0));
  EXPECT_EQ(view.m_bmpWork.GetPixel(175, 125), cellColour(10));
  for (Point empty : {Point{125, 25}, Point{25, 25}, Point{75, 125}}) EXPECT_EQ(view.m_bmpWork.GetPixel(empty.x, empty.y), kWhite);
  view.Undo();
  EXPECT_NE(view.m_bmpWork.GetPixel(175, 25), cellColour(9));

  host.record = nullptr;
  view.CaptureWindowImage(1, 0, kKindDrawA);
  EXPECT_EQ(messages.beeps, 1) << "a window without characters has no cells";
}

TEST_F(ImageEditor, TheCardTurningSampleSqueezesEachCellAboutItsMiddle) {
  CCharData record;
  record.m_param[32] = record.m_param[33] = 50;
  host.pictureKind = kKindCurrentDraw;
  host.record = &record;
  tmb::DeviceContext work(&view.m_bmpWork);
  work.FillSolidRect({0, 0, kWidth, kHeight}, 0x00FF00);
  const Surface& sample = gWorkCanvas.m_colorBitmap;
  // A quarter turn: half the height, centred in the cell.
  view.DrawFlipSample(50, 50, {0, 0, kWidth, kHeight}, 33, 0, 0);
  EXPECT_EQ(sample.GetPixel(175, 25), 0x00FF00u);
  EXPECT_EQ(sample.GetPixel(175, 2), kWhite) << "above the squeezed cell";
  EXPECT_EQ(sample.GetPixel(175, 48), kWhite);
  // Edge on: never thinner than 8 pixels; both ways at once.
  view.DrawFlipSample(50, 50, {0, 0, kWidth, kHeight}, 200, 0, 1);
  EXPECT_EQ(sample.GetPixel(175, 25), 0x00FF00u);
  EXPECT_EQ(sample.GetPixel(175, 20), kWhite);
  EXPECT_EQ(sample.GetPixel(160, 25), kWhite);
  // Cells away from the clip rectangle stay background.
  view.DrawFlipSample(50, 50, {150, 0, kWidth, 50}, 100, 0, 0);
  EXPECT_EQ(sample.GetPixel(175, 25), 0x00FF00u);
  EXPECT_EQ(sample.GetPixel(25, 25), kWhite);
  EXPECT_EQ(host.screen.GetPixel(175 + 32, 25 + 32), 0x00FF00u) << "the clip part is shown";
}

TEST_F(ImageEditor, TheVectorStrokesAreOutlinedOnAClearedPicture) {
  CStrokePath path(20);
  const float square[][2] = {{20, 20}, {60, 20}, {60, 60}, {20, 60}};
  for (int i = 0; i < 4; ++i) path.AddPointUnique(square[i][0], square[i][1], i == 0 ? 1 : 0, 1);
  gPathSequence.m_pPath = &path;
  view.ShowVectorStrokes();
  gPathSequence.m_pPath = nullptr;
  EXPECT_EQ(view.m_bmpWork.GetPixel(40, 20), 0x000000u);
  EXPECT_EQ(view.m_bmpWork.GetPixel(40, 40), kWhite);
  EXPECT_EQ(view.m_bmpWork.GetPixel(100, 100), kWhite) << "the picture was cleared";
  view.Undo();
  EXPECT_NE(view.m_bmpWork.GetPixel(100, 100), kWhite);
}

TEST_F(ImageEditor, APrintPreviewHidesTheCanvasBarUntilItEnds) {
  view.OnBeginPrinting(1);
  EXPECT_EQ(view.m_bPrinting, 1);
  view.OnEndPrinting();
  EXPECT_EQ(view.m_bPrinting, 0);
  view.OnBeginPrinting(0);
  view.OnEndPrinting();
  EXPECT_EQ(host.commands, (std::vector<int>{32958, 32959}));
}

TEST_F(ImageEditor, ARegionCoveringThePictureTakesNoGrip) {
  view.m_nFrameState = 1;
  for (Rect whole : {Rect{0, 0, kWidth, kHeight}, Rect{kWidth, kHeight, 0, 0}, Rect{-5, -5, kWidth + 5, kHeight + 5}}) {
    view.m_region = whole;
    EXPECT_FALSE(view.HitRegionInside({50, 50}));
  }
  view.m_region = {0, 0, kWidth - 1, kHeight};
  EXPECT_TRUE(view.HitRegionInside({50, 60}));
  EXPECT_EQ(view.m_ptGrab, (Point{50, 60}));
  EXPECT_EQ(view.HitRegionEdge({kWidth - 3, 60}), 1);
  view.m_nFrameState = 0;
  EXPECT_FALSE(view.HitRegionInside({50, 60})) << "only a shown frame is gripped";
}

// A region reaching off the top or left of the picture lifts only its part on the picture:
// that part follows the pointer from where it was gripped and stretches from its own corner.
TEST_F(ImageEditor, ALiftedRegionHangingOffThePictureMovesAndStretchesFromThePartOnIt) {
  const Surface start = CopyOfSurface(view.m_bmpWork);
  struct Case {
    const char* name;
    Point press, release;
    Rect lifted;  // where the part on the picture ends
  } cases[] = {
      {"moved", {20, 20}, {40, 35}, {20, 15, 70, 65}},
      {"stretched by the right edge", {50, 20}, {100, 80}, {0, 0, 100, 80}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    view.m_region = {-10, -5, 50, 50};
    view.m_nFrameState = 1;
    view.OnLButtonDown(Device(c.press));
    view.OnMouseMove(Device({(c.press.x + c.release.x) / 2, (c.press.y + c.release.y) / 2}), true);
    view.OnMouseMove(Device(c.release), true);
    view.OnLButtonUp(Device(c.release));
    const Rect& to = c.lifted;
    // The block's corners land on the corners of what was lifted, (0, 0)-(50, 50).
    EXPECT_EQ(view.m_bmpWork.GetPixel(to.left, to.top), start.GetPixel(0, 0));
    EXPECT_EQ(view.m_bmpWork.GetPixel(to.right - 1, to.bottom - 1), start.GetPixel(49, 49));
    EXPECT_EQ(view.m_region, to);
    view.Undo();
    EXPECT_TRUE(SamePixels(view.m_bmpWork, start));
  }
}

TEST_F(ImageEditor, PaintModeSetsDotsWhereThePointerGoes) {
  view.m_nMode = CBmpView::kModePaint;
  gDrawState.m_crDot = 0x00FF00;
  const Point o = gDrawState.m_ptCanvasOrigin;
  auto device = [&](int x, int y) { return Point{x + o.x, y + o.y}; };
  view.OnLButtonDown(device(10, 10));
  view.OnMouseMove(device(11, 10), true);
  view.OnMouseMove(device(12, 10), false);  // no button: no dot
  view.OnLButtonUp(device(11, 10));
  EXPECT_EQ(view.m_bmpWork.GetPixel(10, 10), 0x00FF00u);
  EXPECT_EQ(view.m_bmpWork.GetPixel(11, 10), 0x00FF00u);
  EXPECT_NE(view.m_bmpWork.GetPixel(12, 10), 0x00FF00u);
  EXPECT_EQ(host.screen.GetPixel(10 + o.x, 10 + o.y), 0x00FF00u) << "shown at once";
  EXPECT_EQ(gDrawState.m_ptLastDot, (Point{11, 10}));
  EXPECT_EQ(view.m_bModified, 1);

  gDrawState.m_nDotSize = 3;
  view.OnLButtonDown(device(50, 50));
  EXPECT_EQ(view.m_bmpWork.GetPixel(52, 52), 0x00FF00u);
  EXPECT_NE(view.m_bmpWork.GetPixel(53, 53), 0x00FF00u);
  view.OnLButtonDown(device(-5, 20));
  EXPECT_EQ(messages.beeps, 1) << "off the picture";
}

// On a display of 256 colours a block taken from another window and dropped on the
// picture brings the colours the drawing windows use (up to the first free entry) into
// the editor's palette; the palette tables start again when the picture is next cleared.
TEST_F(ImageEditor, ADroppedForeignBlockMergesTheWindowsColoursUntilTheNextClear) {
  ForeignPictureOnPaletteDisplay();
  const Point o = gDrawState.m_ptCanvasOrigin;
  const tmb::PaletteEntry used[] = {{0x56, 0x34, 0x12, 0}, {200, 0, 0, 0}, {0, 0, 0, 0}, {0, 0, 99, 0}};
  struct Case {
    int device;
    bool foreign;
    int merged;  // entries of table 2 afterwards
  } cases[] = {{1, true, 2}, {0, true, 0}, {1, false, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.device << c.foreign);
    ResetPaletteTables();
    std::copy(std::begin(used), std::end(used), gColourTables[1].begin());
    gDrawState.m_bPaletteDevice = c.device;
    view.m_bPaletteChanged = 0;
    if (c.foreign) {
      view.TakeWindowRegion(kKindDrawA);
    } else {
      view.m_region = {0, 0, 20, 20};
      view.Copy();
      view.BeginPaste();
    }
    view.OnMouseMove({50 + o.x, 50 + o.y}, true);
    view.OnLButtonUp({50 + o.x, 50 + o.y});
    EXPECT_EQ(view.m_bForeignPaste, 0);
    int merged = 0;
    while (merged < 4 && !(gColourTables[2][size_t(merged)] == tmb::PaletteEntry{})) ++merged;
    EXPECT_EQ(merged, c.merged);
    EXPECT_EQ(gColourTables[2][1], c.merged ? used[1] : tmb::PaletteEntry{});
    EXPECT_EQ(view.m_bPaletteChanged, c.merged ? 1 : 0);
  }
  view.m_bPaletteChanged = 1;
  gColourTables[2][0] = {1, 2, 3, 0};
  view.ClearImage(0);
  EXPECT_EQ(gColourTables[2][0], tmb::PaletteEntry{});
  EXPECT_EQ(gColourTables[0][255], (tmb::PaletteEntry{255, 255, 255, 0}));
  EXPECT_EQ(host.commands.back(), 32929);
  EXPECT_EQ(view.m_bPaletteChanged, 0);
  ResetPalettes();
}

// Once drops filled the editor's palette, later drops add nothing; the clear that starts
// the palette tables again lets the next drop bring its colours in.
TEST_F(ImageEditor, AFullPaletteTakesColoursAgainOnceTheTablesStartAgain) {
  ForeignPictureOnPaletteDisplay();
  gDrawState.m_bPaletteDevice = 1;
  const Point o = gDrawState.m_ptCanvasOrigin;
  const tmb::PaletteEntry used{0x56, 0x34, 0x12, 0};
  auto drop = [&] {
    gColourTables[1][0] = used;
    view.TakeWindowRegion(kKindDrawA);
    view.OnMouseMove({50 + o.x, 50 + o.y}, true);
    view.OnLButtonUp({50 + o.x, 50 + o.y});
  };
  for (int i = 0; i < kPaletteSearchEntries; ++i) (*gCurTableB)[size_t(i)] = {uint8_t(i + 1), 7, 7, 0};
  drop();
  EXPECT_EQ(view.m_bPaletteFull, 1);
  EXPECT_EQ(gColourTables[2][0], tmb::PaletteEntry{});
  view.ClearImage(0);
  EXPECT_EQ(view.m_bPaletteFull, 0);
  drop();
  EXPECT_EQ(view.m_bPaletteFull, 0);
  EXPECT_EQ(gColourTables[2][0], used) << "the drop after the clear adds its colour";
  ResetPalettes();
}

TEST_F(ImageEditor, TheRegionDialogOpensOnTheRegionUntilItWasOnceConfirmed) {
  std::vector<Rect> opened;
  int answer = 2;
  SetAreaSettingRunner([&](CAreaSettingState& s) {
    opened.push_back(s.Region());
    s.SetRegion({1, 2, 30, 40});
    return answer;
  });
  view.m_region = {50, 60, 10, 20};
  EXPECT_FALSE(view.EditRegionByDialog());
  EXPECT_EQ(view.m_region, (Rect{50, 60, 10, 20}));
  answer = 1;
  EXPECT_TRUE(view.EditRegionByDialog());
  EXPECT_EQ(view.m_region, (Rect{1, 2, 30, 40}));
  EXPECT_EQ(view.m_nFrameState, 1);
  view.m_region = {5, 5, 9, 9};
  view.EditRegionByDialog();
  ASSERT_EQ(opened.size(), 3u);
  EXPECT_EQ(opened[0], (Rect{10, 20, 50, 60}));
  EXPECT_EQ(opened[1], (Rect{10, 20, 50, 60}));
  EXPECT_EQ(opened[2], (Rect{1, 2, 30, 40})) << "what the dialog held";
  SetAreaSettingRunner(nullptr);
}

TEST(RecordedRegions, ALongListIsCutToTheArraysKeepingTheNewest) {
  std::vector<Rect> sixty;
  for (int i = 0; i < 60; ++i) sixty.push_back({i, i, i + 10, i + 10});
  CPointArrayPair list;
  list.Allocate(kAreaListCapacity);
  list.CopyFromRects(sixty);
  ASSERT_EQ(list.Count(), 49);
  EXPECT_EQ(list.At(0), sixty[11]);
  EXPECT_EQ(list.At(48), sixty[59]);

  // Appending to a full list drops the oldest.
  EXPECT_TRUE(list.Append({1000, 0, 1010, 10}));
  EXPECT_EQ(list.Count(), 49);
  EXPECT_EQ(list.At(0), sixty[12]);
  CPointArrayPair copy;
  copy.Allocate(10);
  copy.CopyFrom(list);
  EXPECT_EQ(copy.Count(), 9);
  EXPECT_EQ(copy.At(8), (Rect{1000, 0, 1010, 10}));
}

TEST(RecordedRegions, TheRegionDialogsValuesStayConsistent) {
  CAreaSettingState s;
  s.SetRegion({50, 40, 10, 20});
  EXPECT_EQ(s.Region(), (Rect{10, 20, 50, 40}));
  EXPECT_EQ(s.m_nWidth, 40u);
  s.m_nRight = 4;  // typed left of the left edge
  s.OnFieldChanged(CAreaSettingState::kRight);
  EXPECT_EQ(s.Region(), (Rect{4, 20, 10, 40}));
  EXPECT_EQ(s.m_nWidth, 6u);
  s.m_nHeight = 100;
  s.OnFieldChanged(CAreaSettingState::kHeight);
  EXPECT_EQ(s.m_nBottom, 120u);

  tmb::test::ScriptedMessages messages;
  s.m_boxes.Allocate(kAreaListCapacity);
  EXPECT_FALSE(s.Record(false, {1, 1, 5, 5}));
  EXPECT_EQ(messages.ids, std::vector<int>{62059});
  EXPECT_TRUE(s.Record(true, {1, 1, 5, 5}));
  EXPECT_FALSE(s.Record(true, {1, 1, 5, 5})) << "recorded already";
  EXPECT_EQ(messages.beeps, 2);
}

TEST(RecordedRegions, TheDialogChangesTheRegionAndTheListOnlyWhenConfirmed) {
  gDrawState.Reset();
  gDrawState.m_boxes = {{1, 2, 3, 4}};
  Point c1{10, 10}, c2{30, 40};
  SetAreaSettingRunner([](CAreaSettingState& s) {
    s.m_nLeft = 5;
    s.OnFieldChanged(CAreaSettingState::kLeft);
    s.Record(true, s.Region());
    return 2;  // cancelled
  });
  EXPECT_FALSE(RunAreaSettingDialog(c1, c2, 1));
  EXPECT_EQ(c1, (Point{10, 10}));
  EXPECT_EQ(gDrawState.m_boxes.size(), 1u);
  SetAreaSettingRunner([](CAreaSettingState& s) {
    s.m_nLeft = 5;
    s.OnFieldChanged(CAreaSettingState::kLeft);
    s.Record(true, s.Region());
    return 1;
  });
  EXPECT_TRUE(RunAreaSettingDialog(c1, c2, 1));
  EXPECT_EQ(c1, (Point{5, 10}));
  EXPECT_EQ(c2, (Point{25, 40}));
  ASSERT_EQ(gDrawState.m_boxes.size(), 2u);
  EXPECT_EQ(gDrawState.m_boxes[1], (Rect{5, 10, 25, 40}));
  SetAreaSettingRunner(nullptr);
  gDrawState.Reset();
}

}  // namespace
