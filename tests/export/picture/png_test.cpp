#include <gtest/gtest.h>

#include <png.h>
#include <zlib.h>

#include <csetjmp>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "export/picture/picture_read_result.h"
#include "export/picture/png_reader.h"
#include "export/picture/png_writer.h"
#include "platform/file/big_endian.h"
#include "support/checking_tool.h"
#include "support/colour_blocks.h"
#include "support/damaged_pictures.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"
#include "support/test_canvas.h"

namespace {

namespace fs = std::filesystem;
using tmb::PixelFormat;
using tmb::test::Canvas;
using tmb::test::FileBytes;

constexpr uint32_t kGrey = 0x808080;

// A PNG of any colour type written straight through libpng: rows as PNG holds them.
struct PngPicture {
  int width = 0;
  int height = 0;
  int colourType = PNG_COLOR_TYPE_RGB;
  int bitDepth = 8;
  std::vector<std::vector<uint8_t>> rows;
  std::vector<png_color> palette;
  std::vector<uint8_t> paletteAlpha;
  bool interlaced = false;
};

bool WriteTestPngTo(const PngPicture& picture, std::FILE* fp) {
  std::vector<png_bytep> rows;
  for (const auto& row : picture.rows) rows.push_back(const_cast<png_bytep>(row.data()));
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_init_io(png, fp);
  png_set_IHDR(png, info, png_uint_32(picture.width), png_uint_32(picture.height), picture.bitDepth,
               picture.colourType, picture.interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!picture.palette.empty()) png_set_PLTE(png, info, picture.palette.data(), int(picture.palette.size()));
  if (!picture.paletteAlpha.empty()) {
    png_set_tRNS(png, info, picture.paletteAlpha.data(), int(picture.paletteAlpha.size()), nullptr);
  }
  png_write_info(png, info);
  png_write_image(png, rows.data());
  png_write_end(png, info);
  png_destroy_write_struct(&png, &info);
  return true;
}

void WriteTestPng(const PngPicture& picture, const fs::path& path) {
  std::FILE* fp = std::fopen(path.c_str(), "wb");
  ASSERT_NE(fp, nullptr);
  const bool written = WriteTestPngTo(picture, fp);
  std::fclose(fp);
  ASSERT_TRUE(written);
}

// The offset of the first chunk of that type (its length field), or 0.
size_t FindChunk(const std::vector<uint8_t>& bytes, const char* type) {
  for (size_t pos = 8; pos + 8 <= bytes.size();) {
    if (std::equal(type, type + 4, bytes.begin() + ptrdiff_t(pos + 4))) return pos;
    pos += 12 + tmb::LoadBigU32(&bytes[pos]);
  }
  return 0;
}

// Puts the right CRC on the chunk at pos after its data was changed.
void FixChunkCrc(std::vector<uint8_t>& bytes, size_t pos) {
  const uint32_t length = tmb::LoadBigU32(&bytes[pos]);
  const uLong crc = crc32(0L, &bytes[pos + 4], uInt(length + 4));
  tmb::StoreBigU32(&bytes[pos + 8 + length], uint32_t(crc));
}

TEST(PngFiles, ColourBlocksSurviveExactlyAndPassPngcheck) {
  const tmb::test::TempDir dir;
  const tmb::test::ColourBlocks blocks = tmb::test::MakeColourBlocks(37, 30);
  const fs::path path = dir / "blocks.png";
  ASSERT_EQ(WritePngFile(path.string(), blocks.width, blocks.height, blocks.pixels), 1);
  EXPECT_EQ(FindChunk(FileBytes(path), "tRNS"), 0u);

  Canvas target(40, 32, PixelFormat::kColour32, kGrey);
  tmb::Size size;
  ASSERT_EQ(ReadPngFile(&target.dc, path.string(), &size, &target.surface), kPictureRead);
  EXPECT_EQ(size, (tmb::Size{37, 30}));
  EXPECT_EQ(tmb::test::MaxBlockDifference(target.surface, blocks, 0), 0);
  EXPECT_EQ(target.surface.GetPixel(37, 0), kGrey) << "only the picture is drawn";
  EXPECT_EQ(target.surface.GetPixel(0, 30), kGrey);
  tmb::test::ExpectPngcheckPasses(path);
}

TEST(PngFiles, TheKeyColourIsWrittenAsItsRedGreenAndBlue) {
  const tmb::test::TempDir dir;
  const tmb::test::ColourBlocks blocks = tmb::test::MakeColourBlocks(9, 6);
  const fs::path path = dir / "key.png";
  ASSERT_EQ(WritePngFile(path.string(), blocks.width, blocks.height, blocks.pixels, 0x00336699u), 1);
  const std::vector<uint8_t> bytes = FileBytes(path);
  const size_t trns = FindChunk(bytes, "tRNS");
  ASSERT_NE(trns, 0u);
  EXPECT_EQ(std::vector<uint8_t>(bytes.begin() + ptrdiff_t(trns), bytes.begin() + ptrdiff_t(trns + 14)),
            (std::vector<uint8_t>{0, 0, 0, 6, 't', 'R', 'N', 'S', 0, 0x99, 0, 0x66, 0, 0x33}));
  // Read back through the alpha channel the chunk brings, the colours are the same.
  Canvas target(9, 6, PixelFormat::kColour32, kGrey);
  ASSERT_EQ(ReadPngFile(&target.dc, path.string(), nullptr, &target.surface), kPictureRead);
  EXPECT_EQ(tmb::test::MaxBlockDifference(target.surface, blocks, 0), 0);
  tmb::test::ExpectPngcheckPasses(path);
}

TEST(PngFiles, EveryColourTypeReadsAsBlueGreenRedRows) {
  const tmb::test::TempDir dir;
  const png_color palette[] = {{0xFF, 0, 0}, {0, 0xFF, 0}, {0, 0, 0xFF}, {0x10, 0x20, 0x30}};
  struct Case {
    const char* name;
    PngPicture picture;
    std::vector<uint32_t> want;  // 3 x 2 pixels, top row first
  };
  const Case cases[] = {
      {"palette of 2 bits with transparency",
       {3, 2, PNG_COLOR_TYPE_PALETTE, 2, {{0b00011011}, {0b11100100}}, {std::begin(palette), std::end(palette)},
        {0, 255}, false},
       {0x0000FF, 0x00FF00, 0xFF0000, 0x302010, 0xFF0000, 0x00FF00}},
      {"grey of 1 bit", {3, 2, PNG_COLOR_TYPE_GRAY, 1, {{0b10100000}, {0b01000000}}, {}, {}, false},
       {0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000, 0xFFFFFF, 0x000000}},
      {"grey and alpha of 16 bits",
       {3, 2, PNG_COLOR_TYPE_GRAY_ALPHA, 16,
        {{0x12, 0x34, 0xFF, 0xFF, 0x80, 0x00, 0x00, 0x00, 0xFF, 0xFF, 0xFF, 0xFF},
         {0, 0, 0xFF, 0xFF, 0x40, 0x01, 0xFF, 0xFF, 0x12, 0x00, 0xFF, 0xFF}},
        {}, {}, false},
       {0x121212, 0x808080, 0xFFFFFF, 0x000000, 0x404040, 0x121212}},
      {"colour of 16 bits",
       {3, 2, PNG_COLOR_TYPE_RGB, 16,
        {{0xFF, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0},
         {0x10, 0, 0x20, 0, 0x30, 0, 0, 0, 0, 0, 0, 0, 0xFF, 0, 0xFF, 0, 0xFF, 0}},
        {}, {}, false},
       {0x0000FF, 0x00FF00, 0xFF0000, 0x302010, 0x000000, 0xFFFFFF}},
      {"colour and alpha",
       {3, 2, PNG_COLOR_TYPE_RGBA, 8,
        {{1, 2, 3, 0, 4, 5, 6, 128, 7, 8, 9, 255}, {10, 11, 12, 1, 13, 14, 15, 2, 16, 17, 18, 3}}, {}, {}, false},
       {0x030201, 0x060504, 0x090807, 0x0C0B0A, 0x0F0E0D, 0x121110}},
      {"interlaced colour",
       {3, 2, PNG_COLOR_TYPE_RGB, 8, {{1, 2, 3, 4, 5, 6, 7, 8, 9}, {10, 11, 12, 13, 14, 15, 16, 17, 18}}, {}, {}, true},
       {0x030201, 0x060504, 0x090807, 0x0C0B0A, 0x0F0E0D, 0x121110}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const fs::path path = dir / "kind.png";
    WriteTestPng(c.picture, path);
    Canvas target(3, 2, PixelFormat::kColour32, kGrey);
    tmb::Size size;
    ASSERT_EQ(ReadPngFile(&target.dc, path.string(), &size, &target.surface), kPictureRead);
    EXPECT_EQ(size, (tmb::Size{3, 2}));
    for (int i = 0; i < 6; ++i) EXPECT_EQ(target.surface.GetPixel(i % 3, i / 3), c.want[size_t(i)]) << i;
  }
}

TEST(PngFiles, DamagedFilesAreRefusedWithoutTouchingTheTarget) {
  const tmb::test::TempDir dir;
  const tmb::test::ColourBlocks blocks = tmb::test::MakeColourBlocks(20, 12);
  const fs::path goodPath = dir / "good.png";
  ASSERT_EQ(WritePngFile(goodPath.string(), blocks.width, blocks.height, blocks.pixels), 1);
  const std::vector<uint8_t> good = FileBytes(goodPath);
  const size_t ihdr = FindChunk(good, "IHDR");
  const size_t idat = FindChunk(good, "IDAT");
  const size_t iend = FindChunk(good, "IEND");
  ASSERT_TRUE(ihdr && idat && iend);
  auto cut = [&](size_t n) { return std::vector<uint8_t>(good.begin(), good.begin() + ptrdiff_t(n)); };
  auto withSides = [&](uint32_t width, uint32_t height) {
    std::vector<uint8_t> bytes = good;
    tmb::StoreBigU32(&bytes[ihdr + 8], width);
    tmb::StoreBigU32(&bytes[ihdr + 12], height);
    FixChunkCrc(bytes, ihdr);
    return bytes;
  };
  std::vector<uint8_t> badCrc = good;
  badCrc[idat + 10] ^= 0x55;

  tmb::test::ExpectRefusedLeavingTargetAlone(ReadPngFile, {
      {"empty file", {}, kPictureDamaged},
      {"wrong magic", {0xFF, 0xD8, 0xFF, 0xE0, 0, 0x10, 'J', 'F', 'I', 'F', 0}, kPictureDamaged},
      {"only the signature", cut(8), kPictureDamaged},
      {"cut in the header", cut(ihdr + 12), kPictureDamaged},
      {"cut in the image data", cut(idat + 20), kPictureDamaged},
      {"cut before the end chunk", cut(iend), kPictureDamaged},
      {"damaged image data", badCrc, kPictureDamaged},
      {"width 0", withSides(0, 12), kPictureDamaged},
      {"height 0", withSides(20, 0), kPictureDamaged},
      {"wider than any bitmap", withSides(70000, 1), kPictureTooLarge},
      {"more rows than its data could fill", withSides(60000, 60000), kPictureDamaged},
  });
  EXPECT_EQ(ReadPngFile(nullptr, (dir / "missing.png").string(), nullptr, nullptr), kPictureNotOpened);
}

}  // namespace
