#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/file/string_records.h"
#include "platform/file/binary_file.h"
#include "platform/file/byte_writer.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace {

using tmb::BinaryFile;
using tmb::ByteWriter;
using Bytes = std::vector<uint8_t>;

class StringRecordTest : public ::testing::Test {
 protected:
  // The bytes the writer produces for text.
  Bytes Written(std::string_view text, int maxChars, int* length = nullptr) {
    BinaryFile f;
    EXPECT_TRUE(f.Open(dir_ / "w.bin", BinaryFile::Mode::kCreate));
    int l = WriteWideStringRecord(f, text, maxChars);
    if (length) *length = l;
    EXPECT_TRUE(f.Close());
    return tmb::test::FileBytes(dir_ / "w.bin");
  }
  BinaryFile Reading(const Bytes& bytes) {
    tmb::test::WriteFileBytes(dir_ / "r.bin", bytes);
    BinaryFile f;
    EXPECT_TRUE(f.Open(dir_ / "r.bin", BinaryFile::Mode::kRead));
    return f;
  }
  tmb::test::TempDir dir_;
};

TEST_F(StringRecordTest, WideRecordsAreByteLengthAndUtf16) {
  struct Case {
    std::string text;
    Bytes bytes;
  } cases[] = {
      {"", ByteWriter().I32(0).bytes()},
      {"ab", ByteWriter().I32(4).U16('a').U16('b').bytes()},
      {"\x8A\xBF" "a", ByteWriter().I32(4).U16(0x6F22).U16('a').bytes()},
      {std::string("ab\0cd", 5), ByteWriter().I32(4).U16('a').U16('b').bytes()},
  };
  for (const Case& c : cases) {
    int length = 0;
    EXPECT_EQ(Written(c.text, 0, &length), c.bytes) << c.text;
    EXPECT_EQ(length, int(c.bytes.size()) - 4);
    BinaryFile f = Reading(c.bytes);
    std::string back;
    EXPECT_EQ(ReadWideStringRecord(f, back), length);
    EXPECT_EQ(back, std::string(c.text.c_str()));
  }
}

TEST_F(StringRecordTest, WritingCutsTheTextAtTheLimit) {
  std::string longText(1030, 'x');
  int length = 0;
  EXPECT_EQ(Written(longText, 0, &length).size(), 4u + 2048);
  EXPECT_EQ(length, 2048);
  EXPECT_EQ(Written(longText, 5, &length).size(), 4u + 10);
}

TEST_F(StringRecordTest, DamagedOrOversizedWideRecordsAreRefused) {
  struct Case {
    const char* name;
    Bytes bytes;
    int maxChars;
  } cases[] = {
      {"1,025 characters", ByteWriter().I32(2050).Zeros(2050).bytes(), 0},
      {"above a given limit", ByteWriter().I32(18).Zeros(18).bytes(), 8},
      {"odd length", ByteWriter().I32(3).Zeros(3).bytes(), 0},
      {"negative length", ByteWriter().I32(-2).bytes(), 0},
      {"length beyond the file", ByteWriter().I32(8).U16('a').bytes(), 0},
      {"no length", Bytes{1, 0}, 0},
  };
  for (const Case& c : cases) {
    BinaryFile f = Reading(c.bytes);
    std::string out = "old";
    EXPECT_EQ(ReadWideStringRecord(f, out, c.maxChars), -1) << c.name;
    EXPECT_EQ(out, "") << c.name;
  }
  BinaryFile f = Reading(ByteWriter().I32(2048).Zeros(2046).U16('z').bytes());
  std::string out;
  EXPECT_EQ(ReadWideStringRecord(f, out), 2048);  // 1,024 characters is the limit itself
}

TEST_F(StringRecordTest, UnmappableWideTextBecomesQuestionMarks) {
  Bytes bytes = ByteWriter().I32(10).U16('a').U16(0xD83D).U16(0xDE00).U16(0xD800).U16('b').bytes();
  BinaryFile f = Reading(bytes);
  std::string out;
  EXPECT_EQ(ReadWideStringRecord(f, out), 10);
  EXPECT_EQ(out, "a??b");
}

TEST_F(StringRecordTest, NarrowRecordsAreReadUpToTheirLimit) {
  struct Case {
    const char* name;
    Bytes bytes;
    int maxChars;
    int length;
    std::string text;
  } cases[] = {
      {"plain", ByteWriter().I32(3).Fixed("abc", 3).bytes(), 0, 3, "abc"},
      {"stops at a NUL", ByteWriter().I32(4).Fixed(std::string("ab\0c", 4), 4).bytes(), 0, 4, "ab"},
      {"empty", ByteWriter().I32(0).bytes(), 0, 0, ""},
      {"above the limit", ByteWriter().I32(1025).Zeros(1025).bytes(), 0, -1, ""},
      {"above a given limit", ByteWriter().I32(5).Zeros(5).bytes(), 4, -1, ""},
      {"truncated", ByteWriter().I32(10).Fixed("abc", 3).bytes(), 0, -1, ""},
      {"negative", ByteWriter().I32(-1).bytes(), 0, -1, ""},
  };
  for (const Case& c : cases) {
    BinaryFile f = Reading(c.bytes);
    std::string out = "old";
    EXPECT_EQ(ReadNarrowStringRecord(f, out, c.maxChars), c.length) << c.name;
    EXPECT_EQ(out, c.text) << c.name;
  }
}

}  // namespace
