#include <gtest/gtest.h>

#include <climits>

#include "export/swf/swf_bits.h"
#include "export/swf/swf_output_buffer.h"
#include "platform/file/binary_file.h"
#include "support/file_bytes.h"
#include "support/swf_fixture.h"
#include "support/temp_dir.h"

namespace {

using Bytes = std::vector<uint8_t>;
using tmb::test::SwfBufferBytes;

TEST(SwfOutputBuffer, PacksBitsMostSignificantFirst) {
  SwfOutputBuffer b;
  b.WriteBits(5, 3);
  b.WriteBits(1, 1);
  b.FlushBits();
  EXPECT_EQ(SwfBufferBytes(b), Bytes({0xB0}));
}

TEST(SwfOutputBuffer, IntegersAreLittleEndianAndStraddleAfterPendingBits) {
  SwfOutputBuffer aligned;
  aligned.WriteU16(0x1234);
  EXPECT_EQ(SwfBufferBytes(aligned), Bytes({0x34, 0x12}));

  SwfOutputBuffer shifted;
  shifted.WriteBits(1, 1);
  shifted.WriteU16(0x1234);
  EXPECT_EQ(SwfBufferBytes(shifted), Bytes({0x9A, 0x09, 0x00}));
}

TEST(SwfOutputBuffer, TagHeaderTakesTheLongFormFrom63Bytes) {
  for (uint64_t length : {uint64_t{62}, uint64_t{63}}) {
    SwfOutputBuffer body;
    for (uint64_t i = 0; i < length; ++i) body.WriteU8(7);
    SwfOutputBuffer out;
    out.WriteTagHeader(2, body.TotalSize(), &body);
    const Bytes bytes = SwfBufferBytes(out);
    const size_t header = length == 62 ? 2 : 6;
    ASSERT_EQ(bytes.size(), header + length);
    const int head = bytes[0] | (bytes[1] << 8);
    EXPECT_EQ(head >> 6, 2);
    if (length == 62) {
      EXPECT_EQ(head & 63, 62);
    } else {
      EXPECT_EQ(head & 63, 63);
      EXPECT_EQ(bytes[2], 63);
      EXPECT_EQ(bytes[3] | bytes[4] | bytes[5], 0);
    }
  }
}

TEST(SwfOutputBuffer, SplicesBlocksWhereTheyWereAdded) {
  Bytes block(100, 0xEE);
  SwfOutputBuffer b;
  for (uint8_t v : {0, 1, 2}) b.WriteU8(v);
  b.AddBlock(block);
  b.WriteU8(3);
  b.WriteU8(4);
  EXPECT_EQ(b.TotalSize(), 105u);
  Bytes expected(105, 0xEE);
  expected[0] = 0;
  expected[1] = 1;
  expected[2] = 2;
  expected[103] = 3;
  expected[104] = 4;
  EXPECT_EQ(SwfBufferBytes(b), expected);
}

TEST(SwfOutputBuffer, PendingBitsAreFlushedBeforeBlocksSizesAndOutput) {
  const Bytes block = {0xAA, 0xBB};
  SwfOutputBuffer b;
  b.WriteBits(1, 1);
  b.AddBlock(block);  // the unfinished byte comes first
  b.WriteBits(3, 2);
  EXPECT_EQ(b.TotalSize(), 4u);  // the partly filled byte counts

  SwfOutputBuffer outer;
  outer.WriteBits(1, 1);
  outer.AppendBuffer(b);
  EXPECT_EQ(outer.TotalSize(), 5u);
  EXPECT_EQ(SwfBufferBytes(outer), Bytes({0x80, 0x80, 0xAA, 0xBB, 0xC0}));

  tmb::test::TempDir dir;
  SwfOutputBuffer file;
  file.WriteU8(0x12);
  file.WriteBits(1, 1);
  tmb::BinaryFile f;
  ASSERT_TRUE(f.Open(dir / "b.bin", tmb::BinaryFile::Mode::kCreate));
  ASSERT_TRUE(file.WriteToFile(f));
  ASSERT_TRUE(f.Close());
  EXPECT_EQ(tmb::test::FileBytes(dir / "b.bin"), Bytes({0x12, 0x80}));
}

TEST(SwfOutputBuffer, AppendKeepsTheOthersBlocksSpliced) {
  const Bytes block = {9, 9, 9};
  SwfOutputBuffer inner;
  inner.WriteU8(1);
  inner.AddBlock(block);
  inner.WriteU8(2);
  SwfOutputBuffer outer;
  outer.WriteU8(0);
  outer.AppendBuffer(inner);
  outer.WriteU8(3);
  EXPECT_EQ(SwfBufferBytes(outer), Bytes({0, 1, 9, 9, 9, 2, 3}));
}

TEST(SwfOutputBuffer, ValuesThatDoNotFitFailInsteadOfLosingBits) {
  struct Case {
    const char* what;
    void (*write)(SwfOutputBuffer&);
    bool fits;
  };
  const Case cases[] = {
      {"8 in 3 bits", [](SwfOutputBuffer& b) { b.WriteBits(8, 3); }, false},
      {"7 in 3 bits", [](SwfOutputBuffer& b) { b.WriteBits(7, 3); }, true},
      {"33-bit field", [](SwfOutputBuffer& b) { b.WriteBits(1, 33); }, false},
      {"any value in 32 bits", [](SwfOutputBuffer& b) { b.WriteBits(0xFFFFFFFF, 32); }, true},
      {"1 in 0 bits", [](SwfOutputBuffer& b) { b.WriteBits(1, 0); }, false},
      {"0 in 0 bits", [](SwfOutputBuffer& b) { b.WriteBits(0, 0); }, true},
      {"-4 signed in 3 bits", [](SwfOutputBuffer& b) { b.WriteSignedBits(-4, 3); }, true},
      {"-5 signed in 3 bits", [](SwfOutputBuffer& b) { b.WriteSignedBits(-5, 3); }, false},
      {"4 signed in 3 bits", [](SwfOutputBuffer& b) { b.WriteSignedBits(4, 3); }, false},
      {"INT_MIN in 32 bits", [](SwfOutputBuffer& b) { b.WriteSignedBits(INT_MIN, 32); }, true},
      {"65,536 as u16", [](SwfOutputBuffer& b) { b.WriteU16(65536); }, false},
      {"-1 as u8", [](SwfOutputBuffer& b) { b.WriteU8(static_cast<uint32_t>(-1)); }, false},
      {"-32,769 as i16", [](SwfOutputBuffer& b) { b.WriteI16(-32769); }, false},
      {"-32,768 as i16", [](SwfOutputBuffer& b) { b.WriteI16(-32768); }, true},
  };
  for (const Case& c : cases) {
    SwfOutputBuffer b;
    c.write(b);
    EXPECT_EQ(b.ok(), c.fits) << c.what;
    if (!c.fits) {
      EXPECT_NE(b.error().find("does not fit"), std::string::npos) << b.error();
    }
  }
}

TEST(SwfOutputBuffer, AFailedBodyFailsTheTagNamingIt) {
  SwfOutputBuffer body;
  body.WriteBits(9, 2);
  SwfOutputBuffer out;
  out.WriteTagHeader(26, body.TotalSize(), &body);
  ASSERT_FALSE(out.ok());
  EXPECT_EQ(out.error().rfind("tag 26: ", 0), 0u) << out.error();
}

TEST(SwfBits, BitsForValueAndMaxAbs4) {
  EXPECT_EQ(BitsForValue(0, 1), 1);
  EXPECT_EQ(BitsForValue(0, 0), 0);
  EXPECT_EQ(BitsForValue(1, 0), 1);
  EXPECT_EQ(BitsForValue(3, 0), 2);
  EXPECT_EQ(BitsForValue(4, 1), 4);
  EXPECT_EQ(BitsForValue(0xFFFFFFFF, 1), 33);
  EXPECT_EQ(MaxAbs4(3, -20, 7, 0), 20u);
  EXPECT_EQ(MaxAbs4(INT_MIN, 0, 0, 0), 0x80000000u);
}

}  // namespace
