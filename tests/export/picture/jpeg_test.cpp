#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "export/picture/jpeg_reader.h"
#include "export/picture/jpeg_writer.h"
#include "export/picture/picture_read_result.h"
#include "platform/gdi/bitmap_memory.h"
#include "support/checking_tool.h"
#include "support/colour_blocks.h"
#include "support/damaged_pictures.h"
#include "support/file_bytes.h"
#include "support/jpeg_header.h"
#include "support/picture_files.h"
#include "support/temp_dir.h"
#include "support/test_canvas.h"

namespace {

namespace fs = std::filesystem;
using tmb::PixelFormat;
using tmb::test::Canvas;
using tmb::test::FileBytes;

constexpr uint32_t kGrey = 0x808080;

TEST(JpegFiles, ColourBlocksSurviveWithinFourInsideThemAndDjpegDecodesThem) {
  const tmb::test::TempDir dir;
  const tmb::test::ColourBlocks blocks = tmb::test::MakeColourBlocks(61, 48);
  const fs::path path = dir / "blocks.jpg";
  ASSERT_EQ(WriteJpegFile(path.string(), blocks.width, blocks.height, blocks.pixels), 1);

  Canvas target(64, 50, PixelFormat::kColour32, kGrey);
  tmb::Size size;
  ASSERT_EQ(ReadJpegFile(&target.dc, path.string(), &size, &target.surface), kPictureRead);
  EXPECT_EQ(size, (tmb::Size{61, 48}));
  tmb::test::SavePictureForViewing(target.surface, "colour_blocks_from_jpeg");
  EXPECT_LE(tmb::test::MaxBlockDifference(target.surface, blocks, 4), 4);
  EXPECT_EQ(target.surface.GetPixel(61, 0), kGrey) << "only the picture is drawn";

  if (!tmb::test::ToolInstalled("djpeg")) GTEST_SKIP() << "djpeg is not installed";
  const tmb::test::ToolRun decode = tmb::test::RunTool("djpeg -outfile /dev/null '" + path.string() + "'");
  EXPECT_EQ(decode.exitCode, 0) << decode.output;
  EXPECT_EQ(decode.output, "") << "no warnings";
}

TEST(JpegFiles, DamagedFilesAreRefusedWithoutTouchingTheTarget) {
  const tmb::test::TempDir dir;
  const tmb::test::ColourBlocks blocks = tmb::test::MakeColourBlocks(40, 30);
  const fs::path goodPath = dir / "good.jpg";
  ASSERT_EQ(WriteJpegFile(goodPath.string(), blocks.width, blocks.height, blocks.pixels), 1);
  const std::vector<uint8_t> good = FileBytes(goodPath);
  auto cut = [&](size_t n) { return std::vector<uint8_t>(good.begin(), good.begin() + ptrdiff_t(n)); };
  using tmb::test::JpegHeaderOnly;

  tmb::test::ExpectRefusedLeavingTargetAlone(ReadJpegFile, {
      {"empty file", {}, kPictureDamaged},
      {"wrong magic", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0}, kPictureDamaged},
      {"only the start of the image", cut(3), kPictureDamaged},
      {"cut in the header", cut(100), kPictureDamaged},
      {"cut in the image data", cut(good.size() * 3 / 4), kPictureDamaged},
      {"no end marker", cut(good.size() - 2), kPictureDamaged},
      {"width 0", JpegHeaderOnly(0, 16, 300), kPictureDamaged},
      {"height 0", JpegHeaderOnly(16, 0, 300), kPictureDamaged},
      {"wider than the codec takes", JpegHeaderOnly(65535, 8, 300), kPictureDamaged},
      {"65,500 x 65,500 in 300 bytes", JpegHeaderOnly(65500, 65500, 300), kPictureDamaged},
      {"3,000 x 3,000 in 300 bytes", JpegHeaderOnly(3000, 3000, 300), kPictureDamaged},
  });
  EXPECT_EQ(tmb::BitmapMemoryInUse(), 0u) << "every buffer is given back";
  EXPECT_EQ(ReadJpegFile(nullptr, (dir / "missing.jpg").string(), nullptr, nullptr), kPictureNotOpened);
}

TEST(JpegFiles, APictureBeyondTheBudgetIsRefusedBeforeDecoding) {
  const tmb::test::TempDir dir;
  const tmb::test::ColourBlocks blocks = tmb::test::MakeColourBlocks(100, 100);
  const fs::path path = dir / "big.jpg";
  ASSERT_EQ(WriteJpegFile(path.string(), blocks.width, blocks.height, blocks.pixels), 1);
  Canvas target(10, 10, PixelFormat::kColour32, kGrey);
  {
    tmb::ScopedBitmapMemoryLimit budget(tmb::BitmapMemoryInUse() + 100 * 100 * 3 - 1);
    EXPECT_EQ(ReadJpegFile(&target.dc, path.string(), nullptr, &target.surface), kPictureTooLarge);
  }
  EXPECT_EQ(target.surface.GetPixel(0, 0), kGrey);
  EXPECT_EQ(ReadJpegFile(&target.dc, path.string(), nullptr, &target.surface), kPictureRead);
  EXPECT_GE(target.surface.GetPixel(0, 0) & 0xFF, 250u) << "red, cut to the target";
}

}  // namespace
