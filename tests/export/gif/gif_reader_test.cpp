#include "export/gif/gif_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "export/gif/gif_file_writer.h"
#include "export/gif/gif_parser.h"
#include "export/picture/picture_read_result.h"
#include "support/colour_blocks.h"
#include "support/damaged_pictures.h"
#include "support/file_bytes.h"
#include "support/gif_builder.h"
#include "support/picture_files.h"
#include "support/temp_dir.h"
#include "support/test_canvas.h"

namespace {

using tmb::PixelFormat;
using tmb::Surface;
using tmb::test::GifBuilder;
using tmb::test::GifImage;

constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kGreen = 0x00FF00;
constexpr uint32_t kBlue = 0xFF0000;
constexpr uint32_t kWhite = 0xFFFFFF;
constexpr uint32_t kGrey = 0x808080;
const std::vector<uint32_t> kGlobal = {kRed, kGreen, kBlue, kWhite};

// An image whose pixel at (x, y) is index (x + 2y) mod 4.
GifImage Pattern(int left, int top, int width, int height) {
  GifImage image{left, top, width, height, {}, {}, false};
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) image.pixels.push_back(uint8_t((x + 2 * y) % 4));
  }
  return image;
}

class GifReaderTest : public ::testing::Test {
 protected:
  std::string Write(const std::vector<uint8_t>& bytes, const std::string& name = "picture.gif") {
    const auto path = dir_ / name;
    tmb::test::WriteFileBytes(path, bytes);
    return path.string();
  }

  tmb::test::TempDir dir_;
  tmb::test::Canvas canvas_{12, 10, PixelFormat::kColour32, kGrey};
};

// Two frames with everything a reader must step over: comment, looping and other
// application extensions (one of many sub-blocks, just before the second frame), and a
// control block per frame.
GifBuilder Animation() {
  GifBuilder gif("GIF89a", 12, 10, kGlobal, 3);
  gif.Comment("made for a test").Loop(3).Control(0x05, 7, 3).Image(Pattern(2, 1, 4, 3));
  GifImage second = Pattern(0, 0, 12, 10);
  second.localTable = {kBlue, kBlue, kRed, kGreen};
  gif.Application("XMP DataXMP", {std::vector<uint8_t>(200, 'x'), std::vector<uint8_t>(9, 'y'), {1, 2, 3}})
      .Control(0x08, 25, 0)
      .Image(second)
      .Trailer();
  return gif;
}

TEST_F(GifReaderTest, ReadsTheRecordsOfEveryFrameAndDrawsTheFirstAtItsPlace) {
  const std::string path = Write(Animation().bytes());
  CGifFileRecord file;
  std::vector<CGifFrameRecord> frames;
  ASSERT_EQ(ReadGifFile(&canvas_.dc, path, &canvas_.surface, 0, file, frames), kPictureRead);

  EXPECT_EQ(file.m_nFrames, 2);
  EXPECT_EQ(file.m_nLoopCount, 3);
  EXPECT_EQ(file.m_nWidth, 12);
  EXPECT_EQ(file.m_nHeight, 10);
  EXPECT_EQ(file.m_nBackgroundIndex, 3);
  EXPECT_EQ(file.m_nTableSize, 4);
  EXPECT_EQ(file.m_nFileLength, Animation().bytes().size());
  ASSERT_EQ(frames.size(), 2u);

  // Disposal 1 with transparency: bit 0 decides, not the whole packed byte.
  const CGifFrameRecord& first = frames[0];
  EXPECT_EQ(first.m_bTransparent, 1);
  EXPECT_EQ(first.m_nTransparentIndex, 3);
  EXPECT_EQ(first.m_nTransparentColour, kWhite);
  EXPECT_EQ(first.m_nDelay, 7);
  EXPECT_EQ(first.m_bLocalTable, 0);
  EXPECT_EQ(first.m_nTableSize, 4);
  EXPECT_EQ((std::vector<int>{first.m_nLeft, first.m_nTop, first.m_nRight, first.m_nBottom}),
            (std::vector<int>{2, 1, 5, 3}));

  // Disposal 2 without transparency, after a long foreign application block.
  const CGifFrameRecord& second = frames[1];
  EXPECT_EQ(second.m_bTransparent, 0);
  EXPECT_EQ(second.m_nDelay, 25);
  EXPECT_EQ(second.m_bLocalTable, 1);
  EXPECT_EQ(second.m_table[0], 0x00);
  EXPECT_EQ(second.m_table[2], 0xFF) << "entry 0 is blue";

  // The first frame lands at (2, 1); the rest of the target is untouched.
  EXPECT_EQ(canvas_.surface.GetPixel(2, 1), kRed);
  EXPECT_EQ(canvas_.surface.GetPixel(3, 1), kGreen);
  EXPECT_EQ(canvas_.surface.GetPixel(2, 2), kBlue);
  EXPECT_EQ(canvas_.surface.GetPixel(5, 3), kWhite) << "frame pixel (3, 2)";
  EXPECT_EQ(canvas_.surface.GetPixel(1, 1), kGrey);
  EXPECT_EQ(canvas_.surface.GetPixel(6, 1), kGrey);
  EXPECT_EQ(canvas_.surface.GetPixel(2, 4), kGrey);

  // Any frame is drawn again from its record.
  ASSERT_EQ(DrawGifFrame(&canvas_.dc, path, &canvas_.surface, second), kPictureRead);
  EXPECT_EQ(canvas_.surface.GetPixel(0, 0), kBlue);
  EXPECT_EQ(canvas_.surface.GetPixel(3, 0), kGreen);
  EXPECT_EQ(canvas_.surface.GetPixel(11, 9), kBlue) << "index 1 of its own table";
}

TEST_F(GifReaderTest, ReadsWhatThePictureWritersWrite) {
  // A single picture: the colour blocks come back exactly.
  const tmb::test::ColourBlocks blocks = tmb::test::MakeColourBlocks(23, 15);
  const std::string single = (dir_ / "single.gif").string();
  ASSERT_TRUE(WriteGifFile(single, blocks.width, blocks.height, blocks.pixels));
  tmb::test::Canvas target(23, 15, PixelFormat::kColour32, kGrey);
  tmb::Size size;
  ASSERT_EQ(ReadGifPicture(&target.dc, single, &size, &target.surface), kPictureRead);
  EXPECT_EQ(size, (tmb::Size{23, 15}));
  EXPECT_EQ(tmb::test::MaxBlockDifference(target.surface, blocks, 0), 0);

  // An animation: waits, the transparent paper colour and the loop count in the records.
  CGifFile animation;
  const std::string path = (dir_ / "animation.gif").string();
  ASSERT_TRUE(OpenGifFile(animation, path));
  for (int i = 0; i < 3; ++i) {
    const GifFrameSetup setup{10 * (i + 1), i == 0, i == 2, kBlue};
    ASSERT_TRUE(AddGifFrame(animation, blocks.width, blocks.height, blocks.pixels, setup));
  }
  ASSERT_TRUE(CloseGifFile(animation));
  CGifFileRecord file;
  std::vector<CGifFrameRecord> frames;
  ASSERT_EQ(ReadGifFile(&target.dc, path, &target.surface, 0, file, frames), kPictureRead);
  ASSERT_EQ(file.m_nFrames, 3);
  EXPECT_EQ(file.m_nLoopCount, 1000);
  EXPECT_EQ((std::vector<int>{frames[0].m_nDelay, frames[1].m_nDelay, frames[2].m_nDelay}),
            (std::vector<int>{10, 20, 30}));
  EXPECT_EQ(frames[1].m_bTransparent, 0);
  EXPECT_EQ(frames[2].m_bTransparent, 1);
  EXPECT_EQ(frames[2].m_nTransparentColour, kBlue);
}

TEST_F(GifReaderTest, ThePictureSizeIsTheLogicalScreen) {
  const std::string path = Write(Animation().bytes());
  tmb::Size size{1, 1};
  ASSERT_EQ(ReadGifPicture(&canvas_.dc, path, &size, &canvas_.surface), kPictureRead);
  EXPECT_EQ(size, (tmb::Size{12, 10}));
}

TEST_F(GifReaderTest, OldFilesWithoutControlBlocksHaveNoDelayNorTransparency) {
  // Records that held an animation before are cleared by the next read.
  CGifFileRecord file;
  std::vector<CGifFrameRecord> frames;
  ASSERT_EQ(ReadGifFile(nullptr, Write(Animation().bytes(), "a.gif"), nullptr, 1, file, frames), kPictureRead);
  GifBuilder old("GIF87a", 6, 4, kGlobal);
  old.Image(Pattern(0, 0, 6, 4)).Image(Pattern(1, 1, 3, 2)).Trailer();
  ASSERT_EQ(ReadGifFile(&canvas_.dc, Write(old.bytes(), "b.gif"), &canvas_.surface, 0, file, frames), kPictureRead);
  ASSERT_EQ(frames.size(), 2u);
  EXPECT_EQ(file.m_nLoopCount, 0);
  for (const CGifFrameRecord& frame : frames) {
    EXPECT_EQ(frame.m_nDelay, 0);
    EXPECT_EQ(frame.m_bTransparent, 0);
    EXPECT_EQ(frame.m_nTransparentColour, 0u);
  }
}

TEST_F(GifReaderTest, AControlBlockBelongsToTheGraphicBlockRightAfterIt) {
  GifBuilder gif("GIF89a", 6, 4, kGlobal);
  gif.Control(0x01, 50, 2).PlainText("seal").Image(Pattern(0, 0, 6, 4)).Trailer();
  CGifFileRecord file;
  std::vector<CGifFrameRecord> frames;
  ASSERT_EQ(ReadGifFile(nullptr, Write(gif.bytes()), nullptr, 1, file, frames), kPictureRead);
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_EQ(frames[0].m_nDelay, 0);
  EXPECT_EQ(frames[0].m_bTransparent, 0);
}

TEST_F(GifReaderTest, InterlacedFramesAreDrawnInRowOrder) {
  // Eleven rows cover every pass; each row has its own colour index.
  GifImage image{0, 0, 3, 11, {}, {}, true};
  std::vector<uint32_t> table;
  for (int i = 0; i < 16; ++i) table.push_back(uint32_t(i * 0x101010));
  for (int y = 0; y < 11; ++y) image.pixels.insert(image.pixels.end(), 3, uint8_t(y));
  GifBuilder gif("GIF89a", 3, 11, table);
  gif.Image(image).Trailer();
  const std::string path = Write(gif.bytes());

  tmb::test::Canvas target(3, 11, PixelFormat::kColour32);
  CGifFileRecord file;
  std::vector<CGifFrameRecord> frames;
  ASSERT_EQ(ReadGifFile(&target.dc, path, &target.surface, 0, file, frames), kPictureRead);
  EXPECT_EQ(frames[0].m_bInterlaced, 1);
  tmb::test::SavePictureForViewing(target.surface, "interlaced_gif_rows");
  for (int y = 0; y < 11; ++y) EXPECT_EQ(target.surface.GetPixel(1, y), uint32_t(y * 0x101010)) << "row " << y;
}

TEST_F(GifReaderTest, StopsAfterTheLastFrameRecord) {
  GifBuilder gif("GIF89a", 2, 2, kGlobal);
  for (int i = 0; i < kMaxGifFrames + 1; ++i) gif.Control(0, i, 0).Image(Pattern(0, 0, 2, 2));
  gif.Trailer();
  CGifFileRecord file;
  std::vector<CGifFrameRecord> frames;
  ASSERT_EQ(ReadGifFile(nullptr, Write(gif.bytes()), nullptr, 1, file, frames), kPictureRead);
  EXPECT_EQ(file.m_nFrames, kMaxGifFrames);
  ASSERT_EQ(frames.size(), size_t(kMaxGifFrames));
  EXPECT_EQ(frames.back().m_nDelay, kMaxGifFrames - 1);
}

TEST_F(GifReaderTest, BadCodesEndTheFrameWithTheRestInIndexZero) {
  // Code size 2: clear, 3, 2, 1 in 3 bits; the table then reaches entry 8 and codes are
  // 4 bits wide; 10 lies past the table.
  tmb::test::GifBits bits;
  for (int code : {4, 3, 2, 1}) bits.Put(code, 3);
  bits.Put(10, 4);
  GifBuilder gif("GIF89a", 5, 1, kGlobal);
  gif.RawImage({0, 0, 5, 1, {}, {}, false}, 2, tmb::test::GifSubBlockChain(bits.Bytes())).Trailer();
  tmb::test::Canvas target(5, 1, PixelFormat::kColour32, kGrey);
  tmb::Size size;
  ASSERT_EQ(ReadGifPicture(&target.dc, Write(gif.bytes()), &size, &target.surface), kPictureRead);
  const std::vector<uint32_t> want = {kWhite, kBlue, kGreen, kRed, kRed};
  for (int x = 0; x < 5; ++x) EXPECT_EQ(target.surface.GetPixel(x, 0), want[size_t(x)]) << x;
}

// Damaged files: each gives its failure, clears the records and leaves the target alone.
TEST_F(GifReaderTest, DamagedFilesAreRefusedWithoutTouchingTheTarget) {
  // One plain frame: header and a table of four entries, the descriptor, the data.
  GifBuilder plainBuilder("GIF89a", 12, 10, kGlobal);
  plainBuilder.Image(Pattern(0, 0, 4, 3)).Trailer();
  const std::vector<uint8_t> plain = plainBuilder.bytes();
  const size_t descriptor = 13 + 12;
  const size_t data = descriptor + 10;
  auto cut = [](const std::vector<uint8_t>& bytes, size_t n) {
    return std::vector<uint8_t>(bytes.begin(), bytes.begin() + ptrdiff_t(n));
  };
  auto patched = [](std::vector<uint8_t> bytes, size_t at, std::initializer_list<uint8_t> values) {
    for (uint8_t v : values) bytes.at(at++) = v;
    return bytes;
  };
  // Past the largest picture, with data enough to fill it.
  GifBuilder hugeFrame("GIF89a", 12, 10, kGlobal);
  hugeFrame
      .RawImage({0, 0, 10001, 10001, {}, {}, false}, 2, tmb::test::GifSubBlockChain(std::vector<uint8_t>(6200, 0)))
      .Trailer();
  // Within the budget, but a byte of data cannot fill it: once its 3.6 GB bitmap was
  // made and filled before the decoding failed.
  GifBuilder emptyFrame("GIF89a", 12, 10, kGlobal);
  emptyFrame.RawImage({0, 0, 30000, 30000, {}, {}, false}, 2, tmb::test::GifSubBlockChain(std::vector<uint8_t>{0x0C}))
      .Trailer();
  GifBuilder noFrame("GIF89a", 12, 10, kGlobal);
  noFrame.Loop(0).Trailer();

  const std::vector<tmb::test::DamagedPicture> cases = {
      {"empty file", {}, kPictureDamaged},
      {"wrong magic", patched(plain, 3, {'8', '8'}), kPictureDamaged},
      {"a PNG", {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A, 0, 0, 0, 0, 0}, kPictureDamaged},
      {"cut in the screen descriptor", cut(plain, 9), kPictureDamaged},
      {"cut in the global table", cut(plain, 20), kPictureDamaged},
      {"screen width 0", patched(plain, 6, {0, 0}), kPictureDamaged},
      {"screen height 0", patched(plain, 8, {0, 0}), kPictureDamaged},
      {"cut in an extension", cut(Animation().bytes(), 30), kPictureDamaged},
      {"cut in the image descriptor", cut(plain, descriptor + 6), kPictureBadFrame},
      {"frame width 0", patched(plain, descriptor + 5, {0, 0}), kPictureBadFrame},
      {"frame height 0", patched(plain, descriptor + 7, {0, 0}), kPictureBadFrame},
      {"minimum code size 0", patched(plain, data, {0}), kPictureDamaged},
      {"minimum code size 9", patched(plain, data, {9}), kPictureDamaged},
      {"cut in the image data", cut(plain, data + 3), kPictureDamaged},
      {"a sub-block longer than the file", patched(cut(plain, data + 3), data + 1, {255}), kPictureDamaged},
      {"a frame larger than the largest picture", hugeFrame.bytes(), kPictureTooLarge},
      {"a frame larger than its data could hold", emptyFrame.bytes(), kPictureDamaged},
      {"no frame", noFrame.bytes(), kPictureDamaged},
  };
  tmb::test::ExpectRefusedLeavingTargetAlone(ReadGifPicture, cases);
  // Records that held a file before are cleared by a failed read.
  for (const tmb::test::DamagedPicture& c : cases) {
    SCOPED_TRACE(c.name);
    CGifFileRecord file;
    file.m_nFrames = 99;
    std::vector<CGifFrameRecord> frames(3);
    EXPECT_EQ(ReadGifFile(&canvas_.dc, Write(c.bytes), &canvas_.surface, 0, file, frames), c.result);
    EXPECT_EQ(file.m_nFrames, 0);
    EXPECT_TRUE(frames.empty());
  }
  CGifFileRecord file;
  std::vector<CGifFrameRecord> frames;
  EXPECT_EQ(ReadGifFile(nullptr, (dir_ / "missing.gif").string(), nullptr, 0, file, frames), kPictureNotOpened);
}

TEST_F(GifReaderTest, EveryCutOfAFileFailsCleanlyOrReadsTheWholeFramesBeforeIt) {
  const std::vector<uint8_t> good = Animation().bytes();
  for (size_t n = 0; n < good.size(); ++n) {
    const std::vector<uint8_t> bytes(good.begin(), good.begin() + ptrdiff_t(n));
    CGifFileRecord file;
    std::vector<CGifFrameRecord> frames;
    const int result = ParseGifFile(bytes, file, frames);
    if (result == kPictureRead) {
      // Only a file that ends between blocks, after a whole frame, is read.
      EXPECT_GE(frames.size(), 1u) << n;
      EXPECT_EQ(file.m_nFrames, int(frames.size()));
    } else {
      EXPECT_LT(result, 0) << n;
      EXPECT_TRUE(frames.empty());
    }
  }
}

TEST_F(GifReaderTest, AFrameWhoseDataWasChangedIsRefusedWhenDrawnAgain) {
  const std::string path = Write(Animation().bytes());
  CGifFileRecord file;
  std::vector<CGifFrameRecord> frames;
  ASSERT_EQ(ReadGifFile(nullptr, path, nullptr, 1, file, frames), kPictureRead);
  CGifFrameRecord outside = frames[1];
  outside.m_nDataOffset = file.m_nFileLength + 5;
  EXPECT_EQ(DrawGifFrame(&canvas_.dc, path, &canvas_.surface, outside), kPictureDamaged);
  std::vector<uint8_t> shorter = Animation().bytes();
  shorter.resize(frames[1].m_nDataOffset + 4);
  Write(shorter);
  EXPECT_EQ(DrawGifFrame(&canvas_.dc, path, &canvas_.surface, frames[1]), kPictureDamaged);
  EXPECT_EQ(canvas_.surface.GetPixel(0, 0), kGrey);
}

}  // namespace
