// The BMP kinds users hand the program, as ImageMagick's convert (and ffmpeg) write them:
// each reads through the picture reader and the bitmap block pixel for pixel as convert's
// own PNG of the same picture.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/bitmap/dib.h"
#include "export/picture/picture_file_reader.h"
#include "export/picture/picture_read_result.h"
#include "platform/file/little_endian.h"
#include "support/file_bytes.h"
#include "support/magick_pictures.h"
#include "support/picture_files.h"
#include "support/scripted_messages.h"
#include "support/temp_dir.h"
#include "support/test_canvas.h"

namespace {

namespace fs = std::filesystem;
using tmb::PixelFormat;
using tmb::test::Canvas;
using tmb::test::MagickBmpKind;

constexpr tmb::Colour kGrey = 0x808080;

// Every pixel where a and b differ, as "x,y: a b" lines (at most a few).
std::string Differences(const tmb::Surface& a, const tmb::Surface& b, int width, int height) {
  std::string out;
  int n = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      if (a.GetPixel(x, y) == b.GetPixel(x, y)) continue;
      if (++n <= 4) {
        char line[64];
        std::snprintf(line, sizeof line, "%d,%d: %06X %06X\n", x, y, a.GetPixel(x, y), b.GetPixel(x, y));
        out += line;
      }
    }
  }
  return n == 0 ? out : out + std::to_string(n) + " pixels differ";
}

class BmpKinds : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!tmb::test::MagickWritesBmp()) GTEST_SKIP() << "ImageMagick's convert is not installed";
    ASSERT_TRUE(tmb::test::WritePpm(picture, dir / "picture.ppm"));
  }
  fs::path BmpOf(const MagickBmpKind& kind) { return dir / (std::string(kind.name) + ".bmp"); }
  const MagickBmpKind* Kind(const std::string& name) {
    for (const MagickBmpKind& k : tmb::test::MagickBmpKinds()) {
      if (name == k.name) return &k;
    }
    return nullptr;
  }
  bool Make(const MagickBmpKind& kind) { return tmb::test::MakeMagickBmp(kind, dir / "picture.ppm", BmpOf(kind)); }

  tmb::test::ScriptedMessages messages;
  tmb::test::TempDir dir;
  tmb::Surface picture = tmb::test::MagickTestPicture();
};

TEST_F(BmpKinds, EveryKindReadsPixelForPixelAsTheWritersOwnPng) {
  const int w = picture.width(), h = picture.height();
  std::vector<std::string> skipped;
  for (const MagickBmpKind& kind : tmb::test::MagickBmpKinds()) {
    SCOPED_TRACE(kind.name);
    if (std::string(kind.tool) == "ffmpeg" && !tmb::test::FfmpegInstalled()) {
      skipped.push_back(kind.name);
      continue;
    }
    ASSERT_TRUE(Make(kind));
    // The file is of the kind it stands for.
    const std::vector<uint8_t> bytes = tmb::test::FileBytes(BmpOf(kind));
    ASSERT_GE(bytes.size(), 54u);
    EXPECT_EQ(tmb::LoadU32(&bytes[30]), kind.compression);
    EXPECT_EQ(tmb::LoadU16(&bytes[28]), kind.bitCount);
    // The reference: convert's PNG of this file, or of the kind it reads back faithfully.
    const MagickBmpKind* reference = &tmb::test::MagickReferenceKind(kind);
    if (reference != &kind) {
      ASSERT_TRUE(Make(*reference));
    }
    const fs::path png = dir / (std::string(kind.name) + ".png");
    ASSERT_TRUE(tmb::test::MagickPng(BmpOf(*reference), png));
    Canvas expected(w + 2, h + 2, PixelFormat::kColour32, kGrey);
    tmb::Size size{};
    ASSERT_EQ(ReadPictureFile(&expected.dc, png.string(), &expected.surface, &size), kPictureRead);
    ASSERT_EQ(size, (tmb::Size{w, h}));

    Canvas read(w + 2, h + 2, PixelFormat::kColour32, kGrey);
    size = {};
    ASSERT_EQ(ReadPictureFile(&read.dc, BmpOf(kind).string(), &read.surface, &size), kPictureRead);
    EXPECT_EQ(size, (tmb::Size{w, h}));
    EXPECT_EQ(Differences(read.surface, expected.surface, w + 2, h + 2), "");

    CDib dib;
    ASSERT_EQ(dib.ReadFile(BmpOf(kind).string()), 1);
    EXPECT_EQ(dib.GetSize(), (tmb::Size{w, h}));
    Canvas drawn(w + 2, h + 2, PixelFormat::kColour32, kGrey);
    EXPECT_EQ(dib.Draw(&drawn.dc, {0, 0}, nullptr, 0), h);
    EXPECT_EQ(Differences(drawn.surface, expected.surface, w + 2, h + 2), "");
    if (std::string(kind.name) == "rle8") tmb::test::SavePictureForViewing(drawn.surface, "bmp_rle8_read");
  }
  EXPECT_TRUE(messages.ids.empty());
  if (!skipped.empty()) GTEST_SKIP() << "ffmpeg is not installed: " << skipped.size() << " kinds not read";
}

TEST_F(BmpKinds, DamagedRunsAndMasksOfWrittenFilesAreRefusedAsDamaged) {
  // convert's run-length file ends each row with 0 0 and the picture with 0 1; its rows
  // of 38 pixels are padded to 40.
  const MagickBmpKind* rle = Kind("rle8");
  const MagickBmpKind* fields = Kind("rgb565");
  ASSERT_TRUE(Make(*rle));
  ASSERT_TRUE(Make(*fields));
  const std::vector<uint8_t> good = tmb::test::FileBytes(BmpOf(*rle));
  const uint32_t bits = tmb::LoadU32(&good[10]);
  const std::vector<uint8_t> goodFields = tmb::test::FileBytes(BmpOf(*fields));
  struct Case {
    const char* what;
    std::vector<uint8_t> bytes;
  };
  std::vector<Case> cases;
  auto with = [](std::vector<uint8_t> f, size_t at, std::vector<uint8_t> put) {
    if (at + put.size() > f.size()) f.resize(at + put.size());
    std::copy(put.begin(), put.end(), f.begin() + std::ptrdiff_t(at));
    return f;
  };
  cases.push_back({"a run past the row", with(good, bits, {41, 1})});
  cases.push_back({"a literal run past the row", with(good, bits, {0, 41})});
  cases.push_back({"a move past the picture", with(good, bits, {0, 2, 0, 13})});
  cases.push_back({"a move past the row", with(good, bits, {0, 2, 41, 0})});
  cases.push_back({"the last row not ended", std::vector<uint8_t>(good.begin(), good.end() - 4)});
  cases.push_back({"cut in a row", std::vector<uint8_t>(good.begin(), good.begin() + std::ptrdiff_t(bits + 9))});
  // Rows past the picture: every row's end doubled.
  std::vector<uint8_t> extra(good.begin(), good.begin() + std::ptrdiff_t(bits));
  for (int i = 0; i < 13; ++i) extra.insert(extra.end(), {0, 0});
  extra.insert(extra.end(), {1, 5, 0, 1});
  tmb::StoreU32(&extra[34], 0);
  cases.push_back({"rows past the picture", extra});
  std::vector<uint8_t> topDown = good;
  tmb::StoreU32(&topDown[22], uint32_t(-12));
  cases.push_back({"run lengths top row first", topDown});
  std::vector<uint8_t> rle4 = good;
  tmb::StoreU16(&rle4[28], 8);
  tmb::StoreU32(&rle4[30], 2);
  cases.push_back({"4-bit run lengths at 8 bits", rle4});
  // Bit fields: the masks stand in the long header at 54.
  cases.push_back({"a broken mask", with(goodFields, 54, {0x0F, 0xF0, 0, 0})});
  cases.push_back({"no masks at all", with(goodFields, 54, std::vector<uint8_t>(12, 0))});
  cases.push_back({"a mask past 16 bits", with(goodFields, 54, {0, 0, 1, 0})});
  cases.push_back({"rows cut short", std::vector<uint8_t>(goodFields.begin(), goodFields.end() - 4)});

  const fs::path path = dir / "damaged.bmp";
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    tmb::test::WriteFileBytes(path, c.bytes);
    messages.ids.clear();
    CDib dib;
    EXPECT_EQ(dib.ReadFile(path.string()), 0);
    EXPECT_EQ(messages.ids, std::vector<int>{62048});
    EXPECT_EQ(dib.m_pFileBits, nullptr);
    Canvas target(8, 8, PixelFormat::kColour32, kGrey);
    EXPECT_EQ(ReadPictureFile(&target.dc, path.string(), &target.surface, nullptr), kPictureDamaged);
    EXPECT_EQ(target.surface.GetPixel(0, 0), kGrey);
  }
}

}  // namespace
