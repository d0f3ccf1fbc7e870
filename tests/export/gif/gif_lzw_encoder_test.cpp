// The LZW coder of GIF image data: exact bytes of the smallest picture, code widths and
// clear codes as a decoder reads them, sub-block layout at the end, refusals and a failing
// sink; every stream is checked by giflib's gif2rgb where it is installed.
#include "export/gif/gif_lzw_encoder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "export/gif/gif_byte_sink.h"
#include "export/gif/gif_image_writer.h"
#include "support/gif_encoding_checks.h"
#include "support/temp_dir.h"

namespace {

using Bytes = std::vector<uint8_t>;
using tmb::test::GifLzwTrace;
using tmb::test::TraceGifLzw;

Bytes Compress(int codeSize, int width, int height, const Bytes& pixels) {
  GifMemorySink sink;
  const tmb::Status s = GifLzwCompress(codeSize, width, height, pixels, sink);
  EXPECT_TRUE(s) << s.message();
  return sink.m_bytes;
}

Bytes RandomPixels(size_t count, int values, unsigned seed) {
  std::mt19937 random(seed);
  Bytes pixels(count);
  for (uint8_t& p : pixels) p = static_cast<uint8_t>(random() % unsigned(values));
  return pixels;
}

// A palette whose red byte is the index, so decoded pixels give their indexes back.
Bytes IndexPalette() {
  Bytes palette(256 * 4);
  for (int i = 0; i < 256; ++i) {
    palette[4 * i] = static_cast<uint8_t>(i);
    palette[4 * i + 1] = static_cast<uint8_t>(255 - i);
    palette[4 * i + 2] = static_cast<uint8_t>(i * 7);
  }
  return palette;
}

// Writes the pixels as a GIF and has gif2rgb decode it; the indexes it gives back.
Bytes RoundTrip(int tableBits, int width, int height, const Bytes& pixels) {
  if (!tmb::test::ToolInstalled("gif2rgb")) return pixels;
  tmb::test::TempDir dir;
  GifMemorySink sink;
  const Bytes palette = IndexPalette();
  EXPECT_TRUE(WriteGifImage(sink, width, height, pixels, palette, 8, 0, tableBits, 0));
  sink.m_bytes.push_back(0x3B);
  const auto path = dir / "lzw.gif";
  FILE* f = fopen(path.c_str(), "wb");
  fwrite(sink.m_bytes.data(), 1, sink.m_bytes.size(), f);
  fclose(f);
  std::string why;
  const Bytes rgb = tmb::test::DecodeWithGif2Rgb(path, why);
  EXPECT_EQ(rgb.size(), pixels.size() * 3) << why;
  Bytes indexes;
  for (size_t i = 0; i + 2 < rgb.size(); i += 3) indexes.push_back(rgb[i]);
  return indexes;
}

TEST(GifLzwCompress, OnePixelIsClearPixelAndEndInOneBlock) {
  EXPECT_EQ(Compress(8, 1, 1, {0}), Bytes({0x08, 0x04, 0x00, 0x01, 0x04, 0x04, 0x00}));
  EXPECT_EQ(RoundTrip(8, 1, 1, {0}), Bytes({0}));
}

TEST(GifLzwCompress, RandomPixelsWidenCodesToTwelveBitsAndClearTheFullTable) {
  const Bytes pixels = RandomPixels(100 * 100, 256, 7);
  const Bytes data = Compress(8, 100, 100, pixels);
  const GifLzwTrace trace = TraceGifLzw(data);
  EXPECT_EQ(trace.minimumCodeSize, 8);
  EXPECT_EQ(trace.WidestCode(), 12);
  EXPECT_GE(trace.Clears(), 2);  // the first code and at least one full table
  EXPECT_TRUE(trace.ended);
  EXPECT_TRUE(trace.terminated);
  EXPECT_EQ(trace.size, data.size());
  EXPECT_EQ(RoundTrip(8, 100, 100, pixels), pixels);
}

TEST(GifLzwCompress, OneColourNeedsFewCodesAndStaysAtNineBits) {
  const Bytes pixels(64 * 64, 3);
  const GifLzwTrace trace = TraceGifLzw(Compress(8, 64, 64, pixels));
  EXPECT_EQ(trace.WidestCode(), 9);
  EXPECT_EQ(trace.Clears(), 1);
  EXPECT_TRUE(trace.ended);
  EXPECT_EQ(RoundTrip(8, 64, 64, pixels), pixels);
}

// Every length of a few small pictures at every code size: the end code comes at the width
// a decoder expects, and gif2rgb gives the pixels back.
TEST(GifLzwCompress, EndCodeComesAtTheReadersWidthForEveryLength) {
  for (int codeSize : {2, 3, 8}) {
    const Bytes all = RandomPixels(700, 1 << codeSize, unsigned(codeSize));
    for (int n = 1; n <= 700; ++n) {
      const Bytes pixels(all.begin(), all.begin() + n);
      const GifLzwTrace trace = TraceGifLzw(Compress(codeSize, n, 1, pixels));
      ASSERT_TRUE(trace.ended && trace.terminated) << "code size " << codeSize << ", " << n << " pixels";
    }
    EXPECT_EQ(RoundTrip(codeSize, 700, 1, all), all);
  }
}

// A stream whose end code reaches a 256th byte after the last full block: the byte goes
// into a block of its own instead of a block length that does not fit a byte.
TEST(GifLzwCompress, EndCodeInByte255GivesBlocksOf255And1) {
  const Bytes all = RandomPixels(20000, 256, 11);
  for (int n = 2000; n <= 20000; ++n) {
    const Bytes pixels(all.begin(), all.begin() + n);
    const Bytes data = Compress(8, n, 1, pixels);
    const GifLzwTrace trace = TraceGifLzw(data);
    ASSERT_TRUE(trace.ended && trace.terminated) << n;
    const auto& blocks = trace.blockLengths;
    ASSERT_GE(blocks.size(), 2u);
    // The end code starts before the last data byte and ends in it: the last two blocks
    // are one flush of 256 bytes.
    size_t dataBytes = 0;
    for (int b : blocks) dataBytes += size_t(b);
    const bool spans = trace.endLastBit / 8 == dataBytes - 1 && trace.endFirstBit / 8 < dataBytes - 1;
    if (!spans || blocks.back() != 1) continue;
    EXPECT_EQ(blocks[blocks.size() - 2], 255);
    EXPECT_EQ(RoundTrip(8, n, 1, pixels), pixels);
    return;
  }
  FAIL() << "no length put the end code into a 256th byte";
}

TEST(GifLzwCompress, RefusesWhatAReaderWouldMisreadWritingNothing) {
  struct Case {
    int codeSize, width, height;
    Bytes pixels;
    const char* why;
  };
  const Case cases[] = {
      {0, 1, 1, {0}, "code size 0"},
      {10, 1, 1, {0}, "code size 10"},
      {8, 0, 1, {}, "no width"},
      {8, 1, 0, {}, "no height"},
      {8, 65536, 1, Bytes(65536), "too wide"},
      {8, 2, 2, {0, 1, 2}, "too few pixels"},
      {2, 2, 1, {3, 4}, "pixel 4 at code size 2 is the clear code"},
      {1, 2, 1, {0, 4}, "code size 1 is raised to 2"},
  };
  for (const Case& c : cases) {
    GifMemorySink sink;
    EXPECT_FALSE(GifLzwCompress(c.codeSize, c.width, c.height, c.pixels, sink)) << c.why;
    EXPECT_TRUE(sink.m_bytes.empty()) << c.why;
  }
  EXPECT_EQ(Compress(1, 2, 1, {0, 3})[0], 2);
  EXPECT_EQ(Compress(9, 65535, 1, Bytes(65535, 255))[0], 9);
}

// A sink that takes a few bytes and then fails, as a full disk does.
class FailingSink final : public GifByteSink {
 public:
  explicit FailingSink(size_t room) : m_room(room) {}
  tmb::Status Put(std::span<const uint8_t> bytes) override {
    ++m_calls;
    if (bytes.size() > m_room) return tmb::Status::Fail("disk full");
    m_room -= bytes.size();
    return tmb::Status::Ok();
  }
  size_t m_room;
  int m_calls = 0;
};

TEST(GifLzwCompress, AFailingSinkEndsTheCodingWithItsReason) {
  const Bytes pixels = RandomPixels(100 * 100, 256, 3);
  for (size_t room : {size_t{0}, size_t{1}, size_t{300}}) {
    FailingSink sink(room);
    const tmb::Status s = GifLzwCompress(8, 100, 100, pixels, sink);
    ASSERT_FALSE(s);
    EXPECT_EQ(s.message(), "disk full");
    EXPECT_LE(sink.m_calls, 3) << "the coder went on writing after the failure";
  }
}

}  // namespace
