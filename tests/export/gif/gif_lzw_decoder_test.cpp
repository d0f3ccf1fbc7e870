#include "export/gif/gif_lzw_decoder.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "export/gif/gif_byte_sink.h"
#include "export/gif/gif_lzw_encoder.h"
#include "support/gif_builder.h"

namespace {

using tmb::test::EncodeGifLzw;
using tmb::test::GifBits;
using tmb::test::GifSubBlockChain;

std::vector<uint8_t> RandomPixels(size_t count, int colours, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<uint8_t> pixels(count);
  for (uint8_t& p : pixels) p = uint8_t(random() % unsigned(colours));
  return pixels;
}

struct Decoded {
  int result;
  size_t written;
  std::vector<uint8_t> pixels;
};

Decoded Decode(int minCodeSize, const std::vector<uint8_t>& chain, size_t capacity) {
  Decoded d{0, 0, std::vector<uint8_t>(capacity, 0xEE)};
  d.result = DecodeGifLzw(minCodeSize, chain, d.pixels, &d.written);
  return d;
}

// Codes of fixed width (all below the first growth of the table) as a chain.
std::vector<uint8_t> CodeChain(std::initializer_list<int> codes, int bits) {
  GifBits packed;
  for (int code : codes) packed.Put(code, bits);
  return GifSubBlockChain(packed.Bytes());
}

TEST(DecodeGifLzw, DecodesWhatTheCoderWroteAtEveryCodeSize) {
  struct Case {
    const char* name;
    int minCodeSize;
    std::vector<uint8_t> pixels;
    bool clearWhenFull;
  };
  std::vector<uint8_t> runs;
  for (int i = 0; i < 5000; ++i) runs.push_back(uint8_t((i / 37) % 3));
  const Case cases[] = {
      {"one bit, smallest code size", 1, RandomPixels(3000, 2, 1), true},
      {"four colours", 2, RandomPixels(5000, 4, 2), true},
      {"long runs make long strings", 2, runs, true},
      {"256 colours fill the table and clear it", 8, RandomPixels(60000, 256, 3), true},
      {"a full table kept without a clear", 8, RandomPixels(60000, 256, 4), false},
      {"a full table kept, small codes", 3, RandomPixels(40000, 8, 5), false},
      {"one pixel", 8, {200}, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::vector<uint8_t> chain = GifSubBlockChain(EncodeGifLzw(c.pixels, c.minCodeSize, c.clearWhenFull));
    const Decoded d = Decode(c.minCodeSize, chain, c.pixels.size());
    EXPECT_EQ(d.result, kGifLzwEnd);
    EXPECT_EQ(d.written, c.pixels.size());
    EXPECT_EQ(d.pixels, c.pixels);
  }
}

TEST(DecodeGifLzw, DecodesThePictureWritersCodes) {
  // The picture writers' coder, whose streams giflib's own decoder checks.
  std::vector<uint8_t> runs;
  for (int i = 0; i < 20000; ++i) runs.push_back(uint8_t((i / 53) % 4));
  for (int codeSize = 2; codeSize <= 8; ++codeSize) {
    for (const std::vector<uint8_t>& pixels : {RandomPixels(30000, 1 << codeSize, unsigned(codeSize)), runs}) {
      SCOPED_TRACE(codeSize);
      GifMemorySink sink;
      ASSERT_TRUE(GifLzwCompress(codeSize, 200, int(pixels.size() / 200), pixels, sink));
      ASSERT_GE(sink.m_bytes.size(), 2u);
      EXPECT_EQ(sink.m_bytes[0], codeSize);
      const Decoded d = Decode(codeSize, std::vector<uint8_t>(sink.m_bytes.begin() + 1, sink.m_bytes.end()),
                               pixels.size());
      EXPECT_EQ(d.result, kGifLzwEnd);
      EXPECT_EQ(d.pixels, pixels);
    }
  }
}

TEST(DecodeGifLzw, CodesCrossingSubBlocksOfOneByteDecodeAlike) {
  const std::vector<uint8_t> pixels = RandomPixels(2000, 16, 6);
  const std::vector<uint8_t> codes = EncodeGifLzw(pixels, 4);
  const Decoded d = Decode(4, GifSubBlockChain(codes, 1), pixels.size());
  EXPECT_EQ(d.result, kGifLzwEnd);
  EXPECT_EQ(d.pixels, pixels);
}

TEST(DecodeGifLzw, NeverWritesPastThePixels) {
  // The codes hold 5,000 pixels; the frame has room for 100, and the bytes after it stay.
  const std::vector<uint8_t> pixels = RandomPixels(5000, 4, 7);
  const std::vector<uint8_t> chain = GifSubBlockChain(EncodeGifLzw(pixels, 2));
  std::vector<uint8_t> buffer(120, 0xEE);
  size_t written = 0;
  EXPECT_EQ(DecodeGifLzw(2, chain, std::span(buffer).first(100), &written), kGifLzwEnd);
  EXPECT_EQ(written, 100u);
  EXPECT_TRUE(std::equal(buffer.begin(), buffer.begin() + 100, pixels.begin()));
  EXPECT_EQ(std::vector<uint8_t>(buffer.begin() + 100, buffer.end()), std::vector<uint8_t>(20, 0xEE));

  // A long string that would run past the end is cut at the end.
  const std::vector<uint8_t> same(300, 3);
  const std::vector<uint8_t> runChain = GifSubBlockChain(EncodeGifLzw(same, 2));
  std::vector<uint8_t> small(20, 0xEE);
  EXPECT_EQ(DecodeGifLzw(2, runChain, std::span(small).first(17), &written), kGifLzwEnd);
  EXPECT_EQ(written, 17u);
  EXPECT_EQ(small[17], 0xEE);
}

TEST(DecodeGifLzw, BadCodesEndTheFrameKeepingWhatWasDecoded) {
  // Code size 2: clear 4, end 5, first new entry 6, codes 3 bits wide at first; code size
  // 3: clear 8, end 9, first new entry 10, codes 4 bits wide.
  struct Case {
    const char* name;
    int minCodeSize;
    std::vector<uint8_t> chain;
    std::vector<uint8_t> decoded;
  };
  const Case cases[] = {
      {"first code after the clear is the next entry", 2, CodeChain({4, 6, 1, 5}, 3), {}},
      {"first code after the clear is past the table", 2, CodeChain({4, 7, 1, 5}, 3), {}},
      {"first code of all is not a pixel", 2, CodeChain({6, 1, 5}, 3), {}},
      {"a code past the next entry", 3, CodeChain({8, 1, 2, 12, 0, 9}, 4), {1, 2}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Decoded d = Decode(c.minCodeSize, c.chain, 10);
    EXPECT_EQ(d.result, kGifLzwBadCode);
    ASSERT_EQ(d.written, c.decoded.size());
    EXPECT_TRUE(std::equal(c.decoded.begin(), c.decoded.end(), d.pixels.begin()));
    EXPECT_EQ(d.pixels[d.written], 0xEE);
  }
}

TEST(DecodeGifLzw, TheNextEntryAndACodeStreamWithoutLeadingClearDecode) {
  // 1, then entry 6 before it exists (1 1), then 6 = "1 1": pixels 1 1 1 1 1.
  const Decoded d = Decode(2, CodeChain({4, 1, 6, 6, 5}, 3), 10);
  EXPECT_EQ(d.result, kGifLzwEnd);
  EXPECT_EQ(std::vector<uint8_t>(d.pixels.begin(), d.pixels.begin() + ptrdiff_t(d.written)),
            (std::vector<uint8_t>{1, 1, 1, 1, 1}));
  const Decoded noClear = Decode(2, CodeChain({3, 0, 5}, 3), 10);
  EXPECT_EQ(noClear.result, kGifLzwEnd);
  EXPECT_EQ(noClear.written, 2u);
}

TEST(DecodeGifLzw, DataThatEndsBeforeTheEndCode) {
  const std::vector<uint8_t> pixels = RandomPixels(400, 4, 8);
  std::vector<uint8_t> codes = EncodeGifLzw(pixels, 2);
  codes.resize(codes.size() / 2);
  const Decoded cut = Decode(2, GifSubBlockChain(codes), pixels.size());
  EXPECT_EQ(cut.result, kGifLzwDataEnded);
  EXPECT_GT(cut.written, 0u);
  EXPECT_LT(cut.written, pixels.size());
  EXPECT_TRUE(std::equal(cut.pixels.begin(), cut.pixels.begin() + ptrdiff_t(cut.written), pixels.begin()));

  // A chain that is only its end block, and a chain whose block claims more than exists.
  EXPECT_EQ(Decode(2, {0}, 10).result, kGifLzwDataEnded);
  EXPECT_EQ(Decode(2, {}, 10).result, kGifLzwDataEnded);
  const Decoded claimed = Decode(2, {200, 0x0C}, 10);
  EXPECT_EQ(claimed.result, kGifLzwDataEnded);
}

TEST(DecodeGifLzw, MinimumCodeSizeOutsideOneToEightDecodesNothing) {
  const std::vector<uint8_t> chain = GifSubBlockChain(EncodeGifLzw(RandomPixels(50, 2, 9), 2));
  for (int size : {0, 9, 12, -1}) {
    const Decoded d = Decode(size, chain, 50);
    EXPECT_EQ(d.result, kGifLzwBadCodeSize) << size;
    EXPECT_EQ(d.written, 0u);
    EXPECT_EQ(d.pixels[0], 0xEE);
  }
}

}  // namespace
