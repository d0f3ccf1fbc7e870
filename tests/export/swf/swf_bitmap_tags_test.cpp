#include <gtest/gtest.h>

#include <zlib.h>

#include "export/swf/swf_bitmap_tags.h"
#include "export/swf/swf_movie.h"
#include "support/swf_fixture.h"
#include "support/swf_reader.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Inflate(std::span<const uint8_t> data, size_t expected) {
  Bytes out(expected + 16);
  uLongf size = out.size();
  EXPECT_EQ(uncompress(out.data(), &size, data.data(), data.size()), Z_OK);
  out.resize(size);
  return out;
}

TEST(SwfLossless, Format5WithoutTableChoosesItsCodeByAlpha) {
  SwfMovie movie;
  const Bytes pixels(16, 0x5A);
  for (bool alpha : {false, true}) {
    SwfTagDefineBitsLossless tag(5, 2, 2, 0, {}, pixels, alpha);
    ASSERT_TRUE(tag.status()) << tag.status().message();
    const auto read = tmb::test::ReadBackSwfTag(tag);
    EXPECT_EQ(read.code, alpha ? 36 : 20);
    tmb::test::SwfBits r(read.body);
    EXPECT_EQ(r.U16(), tag.Id());
    EXPECT_EQ(r.U8(), 5);
    EXPECT_EQ(r.U16(), 2);
    EXPECT_EQ(r.U16(), 2);
    const Bytes data = r.Bytes(r.Remaining());
    EXPECT_EQ(Inflate(data, 16), pixels);
  }
  EXPECT_EQ(SwfTagDefineBitsLossless2(5, 1, 1, 0, {}, pixels).Code(), 20);
  EXPECT_EQ(SwfTagDefineBitsLossless3(5, 1, 1, 0, {}, pixels).Code(), 36);
}

TEST(SwfLossless, Format3InflatesToTheTableAndRowsPaddedToFourBytes) {
  SwfMovie movie;
  const Bytes table = {10, 20, 30, 40, 50, 60, 70, 80, 90};  // three RGB entries
  const Bytes pixels = {0, 1, 2, 2, 1, 0};                    // 3 x 2, tightly packed
  SwfTagDefineBitsLossless tag(3, 3, 2, 3, table, pixels, false);
  ASSERT_TRUE(tag.status());
  const auto read = tmb::test::ReadBackSwfTag(tag);
  tmb::test::SwfBits r(read.body);
  r.U16();
  EXPECT_EQ(r.U8(), 3);
  EXPECT_EQ(r.U16(), 3);
  EXPECT_EQ(r.U16(), 2);
  EXPECT_EQ(r.U8(), 2);  // entries - 1
  const Bytes data = r.Bytes(r.Remaining());
  EXPECT_EQ(Inflate(data, 17), Bytes({10, 20, 30, 40, 50, 60, 70, 80, 90, 0, 1, 2, 0, 2, 1, 0, 0}));
}

TEST(SwfLossless, Format4RowsArePaddedToo) {
  SwfMovie movie;
  const Bytes pixels = {1, 2, 3, 4, 5, 6};  // 1 x 3 pixels of two bytes
  SwfTagDefineBitsLossless tag(4, 1, 3, 0, {}, pixels, false);
  ASSERT_TRUE(tag.status());
  EXPECT_EQ(Inflate(tag.Compressed(), 12), Bytes({1, 2, 0, 0, 3, 4, 0, 0, 5, 6, 0, 0}));
}

TEST(SwfLossless, RefusesWhatItCannotWriteWithoutTouchingMemoryItWasNotGiven) {
  SwfMovie movie;
  const Bytes few(8, 0);
  struct Case {
    const char* what;
    int format, width, height, entries;
    size_t tableBytes;
    bool alpha;
  };
  const Case cases[] = {
      {"format 2", 2, 1, 1, 1, 3, false},
      {"format 4 with alpha", 4, 1, 1, 0, 0, true},
      {"no table entries", 3, 1, 1, 0, 0, false},
      {"257 table entries", 3, 1, 1, 257, 8, false},
      {"short table", 3, 1, 1, 3, 8, false},
      {"65,535 x 65,535 from 8 bytes", 5, 65535, 65535, 0, 0, false},
      {"wider than 65,535", 5, 65536, 1, 0, 0, false},
      {"negative height", 5, 1, -1, 0, 0, false},
  };
  for (const Case& c : cases) {
    SwfTagDefineBitsLossless tag(c.format, c.width, c.height, c.entries,
                                 std::span<const uint8_t>(few).first(c.tableBytes), few, c.alpha);
    EXPECT_FALSE(tag.status()) << c.what;
    EXPECT_FALSE(tmb::test::SwfTagWriteError(tag).empty()) << c.what;
  }
}

TEST(SwfJpegTags, SpliceTheirDataBetweenTheMarkers) {
  SwfMovie movie;
  const Bytes jpeg = {0xFF, 0xD8, 1, 2, 0xFF, 0xD9};
  const Bytes alpha = {0x78, 0x9C, 3};
  EXPECT_EQ(tmb::test::SwfTagBytes(SwfTagJPEGTables(jpeg)),
            Bytes({0x06, 0x02, 0xFF, 0xD8, 1, 2, 0xFF, 0xD9}));
  EXPECT_EQ(tmb::test::SwfTagBytes(SwfTagDefineBits(jpeg)),
            Bytes({0x88, 0x01, 0x01, 0x00, 0xFF, 0xD8, 1, 2, 0xFF, 0xD9}));
  const auto j2 = tmb::test::ReadBackSwfTag(SwfTagDefineBitsJPEG2(jpeg));
  EXPECT_EQ(j2.code, 21);
  EXPECT_EQ(j2.body, Bytes({0x02, 0x00, 0xFF, 0xD9, 0xFF, 0xD8, 0xFF, 0xD8, 1, 2, 0xFF, 0xD9, 0xFF, 0xD9}));
  const auto j3 = tmb::test::ReadBackSwfTag(SwfTagDefineBitsJPEG3(jpeg, alpha));
  EXPECT_EQ(j3.code, 35);
  tmb::test::SwfBits r(j3.body);
  EXPECT_EQ(r.U16(), 3);
  const uint32_t offset = r.U32();
  EXPECT_EQ(offset, 12u);
  const Bytes rest = r.Bytes(r.Remaining());
  EXPECT_EQ(Bytes(rest.begin() + offset, rest.end()), alpha);
}

}  // namespace
