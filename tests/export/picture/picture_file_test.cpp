// The picture files of the image editor: the reader chosen by contents, the common writer
// and its failures, and the character image.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/bitmap/palettes.h"
#include "core/state/draw_state.h"
#include "export/gif/gif_reader.h"
#include "export/picture/character_image_file.h"
#include "export/picture/picture_file_reader.h"
#include "export/picture/picture_file_writer.h"
#include "export/picture/picture_read_result.h"
#include "support/checking_tool.h"
#include "support/colour_blocks.h"
#include "support/file_bytes.h"
#include "support/gif_builder.h"
#include "support/scripted_display.h"
#include "support/scripted_messages.h"
#include "support/small_disk.h"
#include "support/temp_dir.h"
#include "support/test_canvas.h"

namespace {

namespace fs = std::filesystem;
using tmb::PixelFormat;
using tmb::test::Canvas;

constexpr tmb::Colour kGrey = 0x808080;

// A colour bitmap of the three blocks red, green and blue, stacked top to bottom.
Canvas BlockCanvas(int width, int height) {
  const tmb::test::ColourBlocks blocks = tmb::test::MakeColourBlocks(width, height);
  Canvas c(width, height, PixelFormat::kColour32);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) c.surface.SetPixel(x, y, blocks.ColourOfRow(y));
  }
  return c;
}

std::vector<uint8_t> SmallGif() {
  tmb::test::GifImage image;
  image.width = 4;
  image.height = 2;
  image.pixels = {0, 1, 0, 1, 1, 0, 1, 0};
  return tmb::test::GifBuilder("GIF87a", 4, 2, {0x0000FF, 0x00FF00}).Image(image).Trailer().bytes();
}

class PictureFiles : public ::testing::Test {
 protected:
  void SetUp() override { gDrawState.Reset(); }
  void TearDown() override {
    gDrawState.Reset();
    ResetPalettes();
  }

  // Writes the blocks in format and returns the file's bytes.
  std::vector<uint8_t> Written(int format, const std::string& name) {
    const fs::path path = dir / name;
    Canvas c = BlockCanvas(31, 24);
    EXPECT_EQ(WritePictureFile(&c.dc, &c.surface, nullptr, path.string(), 31, 24, format), 1);
    return tmb::test::FileBytes(path);
  }

  tmb::test::TempDir dir;
  tmb::test::ScriptedMessages messages;
};

TEST_F(PictureFiles, TheReaderIsChosenByContentsWhateverTheName) {
  struct Case {
    const char* name;
    std::vector<uint8_t> bytes;
    int kind;
    tmb::Size size;
  };
  const std::vector<Case> cases = {
      {"plain.bmp", Written(kFormatBmp, "b"), kPictureFileBmp, {31, 24}},
      {"image.JPG.bmp", Written(kFormatJpeg, "j"), kPictureFileJpeg, {31, 24}},
      {"photo.Jpg", Written(kFormatJpeg, "j2"), kPictureFileJpeg, {31, 24}},
      {"a picture.png", Written(kFormatBmp, "b2"), kPictureFileBmp, {31, 24}},
      {"NO_EXTENSION", Written(kFormatPng, "p"), kPictureFilePng, {31, 24}},
      {"drawing.bmp", Written(kFormatPng, "p2"), kPictureFilePng, {31, 24}},
      {"anim.jpg", SmallGif(), kPictureFileGif, {4, 2}},
      {"text.bmp", {'h', 'e', 'l', 'l', 'o'}, kPictureFileUnknown, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path path = dir / c.name;
    tmb::test::WriteFileBytes(path, c.bytes);
    EXPECT_EQ(PictureFileKindOf(path.string()), c.kind);
    Canvas target(40, 40, PixelFormat::kColour32, kGrey);
    tmb::Size size{7, 7};
    const int result = ReadPictureFile(&target.dc, path.string(), &target.surface, &size);
    if (c.kind == kPictureFileUnknown) {
      EXPECT_EQ(result, kPictureDamaged);
      EXPECT_TRUE(tmb::test::AllPixelsAre(target.surface, kGrey));
      continue;
    }
    EXPECT_EQ(result, kPictureRead);
    EXPECT_EQ(size, c.size);
    EXPECT_NE(target.surface.GetPixel(1, 1), kGrey);
  }
  EXPECT_TRUE(messages.ids.empty()) << "the reader leaves the telling to its caller";
}

TEST_F(PictureFiles, ThePartOfAPictureBeyondTheTargetIsNotReported) {
  const fs::path path = dir / "big.bmp";
  Canvas big = BlockCanvas(60, 45);
  ASSERT_EQ(WritePictureFile(&big.dc, &big.surface, nullptr, path.string(), 60, 45, kFormatBmp), 1);
  Canvas target(40, 30, PixelFormat::kColour32, kGrey);
  tmb::Size size{};
  ASSERT_EQ(ReadPictureFile(&target.dc, path.string(), &target.surface, &size), kPictureRead);
  EXPECT_EQ(size, (tmb::Size{40, 30}));
  EXPECT_EQ(target.surface.GetPixel(39, 0), big.surface.GetPixel(39, 0));
}

TEST_F(PictureFiles, ColourBlocksSurviveBmpAndPngExactlyAndJpegWithinFour) {
  Canvas source = BlockCanvas(61, 45);
  struct Case {
    int format;
    const char* name;
    int tolerance;
  };
  for (const Case& c : {Case{kFormatBmp, "blocks.bmp", 0}, Case{kFormatPng, "blocks.png", 0},
                        Case{kFormatJpeg, "blocks.jpg", 4}}) {
    SCOPED_TRACE(c.name);
    const fs::path path = dir / c.name;
    ASSERT_EQ(WritePictureFile(&source.dc, &source.surface, nullptr, path.string(), 61, 45, c.format), 1);
    Canvas back(61, 45, PixelFormat::kColour32, kGrey);
    tmb::Size size{};
    ASSERT_EQ(ReadPictureFile(&back.dc, path.string(), &back.surface, &size), kPictureRead);
    EXPECT_EQ(size, (tmb::Size{61, 45}));
    EXPECT_LE(tmb::test::MaxBlockDifference(back.surface, tmb::test::MakeColourBlocks(61, 45), c.tolerance ? 2 : 0),
              c.tolerance);
  }
  tmb::test::ExpectPngcheckPasses(dir / "blocks.png");
  if (!tmb::test::ToolInstalled("djpeg")) GTEST_SKIP() << "djpeg is not installed";
  const tmb::test::ToolRun run = tmb::test::RunTool("djpeg -bmp '" + (dir / "blocks.jpg").string() + "' > /dev/null");
  EXPECT_EQ(run.exitCode, 0) << run.output;
}

// On a display of 256 colours a BMP file keeps the display's eight bits with the
// application palette as its colour table; the coded formats still get 24-bit pixels.
TEST_F(PictureFiles, OnAPaletteDisplayBmpFilesHaveEightBitsAndTheApplicationPalette) {
  tmb::test::ScriptedDisplay display;
  display.bits = 8;
  gPaletteMode = 1;
  InitAppPalettes();
  const tmb::test::ColourBlocks blocks = tmb::test::MakeColourBlocks(61, 45);
  for (int y : {0, 20, 44}) AddColourToPalette(gColourTables[0], blocks.ColourOfRow(y), gCurPaletteA);
  Canvas source = BlockCanvas(61, 45);
  for (const char* name : {"eight.bmp", "still.png"}) {
    SCOPED_TRACE(name);
    const fs::path path = dir / name;
    ASSERT_EQ(SaveDCImageFile(&source.dc, &source.surface, 0, 0, 61, 45, path.string(), PictureFormatOfPath(name), 0), 1);
    Canvas back(61, 45, PixelFormat::kColour32, kGrey);
    tmb::Size size{};
    ASSERT_EQ(ReadPictureFile(&back.dc, path.string(), &back.surface, &size), kPictureRead);
    EXPECT_EQ(tmb::test::MaxBlockDifference(back.surface, blocks, 0), 0);
  }
  const std::vector<uint8_t> bmp = tmb::test::FileBytes(dir / "eight.bmp");
  ASSERT_GT(bmp.size(), 54u + 1024u);
  EXPECT_EQ(bmp[28], 8) << "bits per pixel";
  EXPECT_EQ(bmp.size(), 54u + 1024u + 64u * 45u);
  ResetPalettes();
  tmb::test::ExpectPngcheckPasses(dir / "still.png");
  if (!tmb::test::ToolInstalled("cjpeg")) GTEST_SKIP() << "cjpeg is not installed";
  const tmb::test::ToolRun run = tmb::test::RunTool("cjpeg '" + (dir / "eight.bmp").string() + "' > /dev/null");
  EXPECT_EQ(run.exitCode, 0) << run.output;
}

// A colour character image on a display of 256 colours: eight bits whose colour table is
// the characters' palette, so its colours are those the character was drawn in.
TEST_F(PictureFiles, OnAPaletteDisplayAColourCharacterImageHasTheCharactersPalette) {
  tmb::test::ScriptedDisplay display;
  display.bits = 8;
  gPaletteMode = 1;
  InitAppPalettes();
  const tmb::Colour ink = 0x3050A0, wash = 0x90C0E0;
  for (tmb::Colour c : {ink, wash, tmb::Colour(0xFFFFFF)}) AddColourToPalette(gColourTables[0], c, gCurPaletteA);
  gDrawState.m_sizeCharImage = {32, 24};
  gDrawState.m_bCharImageMono = 0;
  Canvas picture(100, 100, PixelFormat::kColour32);
  picture.dc.FillSolidRect({0, 0, 100, 100}, 0xFFFFFF);
  picture.dc.FillSolidRect({10, 10, 20, 20}, ink);
  picture.dc.FillSolidRect({20, 10, 30, 20}, wash);
  const fs::path path = dir / "char8.bmp";
  ASSERT_EQ(SaveCharacterImageFile(&picture.dc, picture.surface, {5, 5}, path.string()), 1);
  const std::vector<uint8_t> bmp = tmb::test::FileBytes(path);
  ASSERT_GT(bmp.size(), 54u + 1024u);
  EXPECT_EQ(bmp[28], 8) << "bits per pixel";
  std::vector<tmb::PaletteEntry> entries(3);
  gCurPaletteA->GetEntries(0, entries);
  for (size_t i = 0; i < entries.size(); ++i) {
    const uint8_t* quad = bmp.data() + 54 + 4 * i;
    EXPECT_EQ((tmb::PaletteEntry{quad[2], quad[1], quad[0], 0}), entries[i]) << "colour table entry " << i;
  }
  Canvas back(32, 24, PixelFormat::kColour32, kGrey);
  tmb::Size size{};
  ASSERT_EQ(ReadPictureFile(&back.dc, path.string(), &back.surface, &size), kPictureRead);
  EXPECT_EQ(back.surface.GetPixel(6, 6), ink);
  EXPECT_EQ(back.surface.GetPixel(16, 6), wash);
  EXPECT_EQ(back.surface.GetPixel(1, 1), 0xFFFFFFu);
  ResetPalettes();
  if (!tmb::test::ToolInstalled("cjpeg")) GTEST_SKIP() << "cjpeg is not installed";
  const tmb::test::ToolRun run = tmb::test::RunTool("cjpeg '" + path.string() + "' > /dev/null");
  EXPECT_EQ(run.exitCode, 0) << run.output;
}

TEST_F(PictureFiles, AFailedSaveTellsTheUserAndKeepsTheOldFile) {
  const fs::path path = dir / "old.png";
  const std::vector<uint8_t> old = {'o', 'l', 'd'};
  tmb::test::WriteFileBytes(path, old);
  tmb::test::ColourBlocks noise = tmb::test::MakeNoise(300, 300, 3);
  Canvas c(300, 300, PixelFormat::kColour32);
  for (int y = 0; y < 300; ++y) {
    for (int x = 0; x < 300; ++x) c.surface.SetPixel(x, y, uint32_t(noise.pixels[size_t(y) * 900 + size_t(x) * 3]) * 0x010101u);
  }
  for (int format : {kFormatBmp, kFormatPng, kFormatJpeg, kFormatGif}) {
    SCOPED_TRACE(format);
    messages.ids.clear();
    messages.texts.clear();
    {
      tmb::test::SmallDisk disk(2000);
      EXPECT_EQ(WritePictureFile(&c.dc, &c.surface, nullptr, path.string(), 300, 300, format), 0);
    }
    EXPECT_EQ(messages.ids, std::vector<int>{62047});
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find(path.string()), std::string::npos) << "the message names the file";
    EXPECT_EQ(tmb::test::FileBytes(path), old);
  }
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1) << "no temporary file is left";
}

TEST_F(PictureFiles, OnlyColourPicturesGoToTheCodedFormats) {
  Canvas mono(20, 10, PixelFormat::kMono1);
  for (int format : {kFormatJpeg, kFormatPng, kFormatGif}) {
    messages.ids.clear();
    EXPECT_EQ(WritePictureFile(&mono.dc, &mono.surface, nullptr, (dir / "m").string(), 20, 10, format), 0);
    EXPECT_EQ(messages.ids, std::vector<int>{62047});
  }
  EXPECT_FALSE(fs::exists(dir / "m"));
  EXPECT_EQ(WritePictureFile(&mono.dc, &mono.surface, nullptr, (dir / "m.bmp").string(), 20, 10, kFormatBmp), 1);
  EXPECT_EQ(WritePictureFile(&mono.dc, nullptr, nullptr, (dir / "n.bmp").string(), 20, 10, kFormatBmp), 0);
}

TEST_F(PictureFiles, ABlockIsSavedFromItsPlaceAndAnEmptyOneIsRefused) {
  Canvas source = BlockCanvas(30, 30);
  const fs::path path = dir / "block.png";
  ASSERT_EQ(SaveDCImageFile(&source.dc, &source.surface, 5, 12, 10, 6, path.string(), kFormatPng, 1), 1);
  Canvas back(10, 6, PixelFormat::kColour32, kGrey);
  tmb::Size size{};
  ASSERT_EQ(ReadPictureFile(&back.dc, path.string(), &back.surface, &size), kPictureRead);
  EXPECT_EQ(size, (tmb::Size{10, 6}));
  for (int y = 0; y < 6; ++y) EXPECT_EQ(back.surface.GetPixel(0, y), source.surface.GetPixel(5, 12 + y)) << y;

  EXPECT_EQ(SaveDCImageFile(&source.dc, &source.surface, 5, 5, 0, 6, (dir / "e.png").string(), kFormatPng, 1), 0);
  EXPECT_EQ(messages.CountOf(62063), 1);
  EXPECT_EQ(messages.beeps, 1);
  EXPECT_FALSE(fs::exists(dir / "e.png"));
}

TEST_F(PictureFiles, AnAddedFrameGoesToTheOpenMovie) {
  Canvas source = BlockCanvas(16, 12);
  CMngWriter mng;
  ASSERT_EQ(OpenMngFile(mng, (dir / "m.mng").string(), 16, 12, 2), 1);
  CPictureFrames frames;
  frames.mng = &mng;
  ASSERT_EQ(WritePictureFile(&source.dc, &source.surface, nullptr, "", 16, 12, kFormatNone, frames), 1);
  EXPECT_EQ(mng.m_nFramesWritten, 1);
  ASSERT_EQ(CloseMngFile(mng), 1);
  // No movie open: the frame is refused and said so.
  EXPECT_EQ(WritePictureFile(&source.dc, &source.surface, nullptr, "", 16, 12, kFormatNone, frames), 0);
  EXPECT_EQ(messages.ids, std::vector<int>{62047});
}

TEST_F(PictureFiles, ACharacterImageIsAMonochromeBmpOfItsSize) {
  gDrawState.m_sizeCharImage = {32, 24};
  Canvas picture(100, 100, PixelFormat::kColour32);
  picture.dc.FillSolidRect({10, 10, 20, 20}, 0x000000);
  const fs::path path = dir / "char.bmp";
  ASSERT_EQ(SaveCharacterImageFile(&picture.dc, picture.surface, {5, 5}, path.string()), 1);
  const std::vector<uint8_t> bytes = tmb::test::FileBytes(path);
  ASSERT_GT(bytes.size(), 30u);
  EXPECT_EQ(bytes[28], 1) << "one bit per pixel";
  Canvas back(32, 24, PixelFormat::kColour32, kGrey);
  tmb::Size size{};
  ASSERT_EQ(ReadPictureFile(&back.dc, path.string(), &back.surface, &size), kPictureRead);
  EXPECT_EQ(back.surface.GetPixel(6, 6), 0x000000u);
  EXPECT_EQ(back.surface.GetPixel(1, 1), 0xFFFFFFu);

  gDrawState.m_sizeCharImage = {0, 24};
  EXPECT_EQ(SaveCharacterImageFile(&picture.dc, picture.surface, {5, 5}, (dir / "none.bmp").string()), 0);
  EXPECT_EQ(messages.CountOf(62063), 1);
}

}  // namespace
