// The old text-font block: written and read back, with and without its text, and read
// from damaged bytes.
#include "core/file/font_block.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/file/binary_file.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace {

using tmb::BinaryFile;
using Bytes = std::vector<uint8_t>;

class FontBlockTest : public ::testing::Test {
 protected:
  FontBlockTest() {
    font.height = -24;
    font.weight = 700;
    std::strcpy(font.faceName, "Mincho");
  }
  Bytes Written(int flag, bool withText, std::string_view text) {
    BinaryFile f;
    EXPECT_TRUE(f.Open(dir_ / "w.bin", BinaryFile::Mode::kCreate));
    EXPECT_TRUE(WriteFontBlock(f, flag, withText, font, text));
    EXPECT_TRUE(f.Close());
    return tmb::test::FileBytes(dir_ / "w.bin");
  }
  // Reads bytes back; the font and text read, or the reader's refusal.
  bool Read(const Bytes& bytes, bool withText, int& flag, CLogFont& readFont, std::string& text) {
    tmb::test::WriteFileBytes(dir_ / "r.bin", bytes);
    BinaryFile f;
    EXPECT_TRUE(f.Open(dir_ / "r.bin", BinaryFile::Mode::kRead));
    return ReadFontBlock(f, flag, withText, readFont, text);
  }

  CLogFont font;
  tmb::test::TempDir dir_;
};

TEST_F(FontBlockTest, WhatIsWrittenReadsBack) {
  struct Case {
    int flag;
    bool withText;
    std::string text;
    size_t size;
  } cases[] = {
      {0, true, "unused", 2},                                 // absent: the flag alone
      {1, false, "unused", 2 + CLogFont::kSize},              // revision 5: no text
      {1, true, "\x8a\xbf\x8e\x9a", 2 + CLogFont::kSize + 8},  // 漢字
      {3, true, "", 2 + CLogFont::kSize + 4},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flag);
    const Bytes bytes = Written(c.flag, c.withText, c.text);
    EXPECT_EQ(bytes.size(), c.size);
    int flag = -1;
    CLogFont readFont;
    std::string text = "before";
    ASSERT_TRUE(Read(bytes, c.withText, flag, readFont, text));
    EXPECT_EQ(flag, c.flag);
    if (c.flag == 0) {
      EXPECT_EQ(text, "before");
      continue;
    }
    EXPECT_TRUE(readFont.SameBytes(font));
    EXPECT_EQ(text, c.withText ? c.text : "before");
  }
}

// A text longer than a reader takes is cut before the two-byte character that would not
// fit, and so still reads.
TEST_F(FontBlockTest, ALongTextIsCutToWhatAReaderTakes) {
  std::string text = "a";
  while (text.size() < 2060) text += "\x8a\xbf";
  const Bytes bytes = Written(1, true, text);
  int flag = 0;
  CLogFont readFont;
  std::string read;
  ASSERT_TRUE(Read(bytes, true, flag, readFont, read));
  EXPECT_EQ(read, text.substr(0, 2047));
}

TEST_F(FontBlockTest, DamagedBlocksAreRefused) {
  const Bytes whole = Written(1, true, "abc");
  struct Case {
    const char* what;
    Bytes bytes;
  };
  Bytes oversized = whole;
  oversized[2 + CLogFont::kSize + 1] = 0x7F;  // the text's length
  const Case cases[] = {
      {"no flag", Bytes{1}},
      {"font cut short", Bytes(whole.begin(), whole.begin() + 30)},
      {"text cut short", Bytes(whole.begin(), whole.end() - 1)},
      {"oversized text count", oversized},
  };
  for (const Case& c : cases) {
    int flag = 0;
    CLogFont readFont;
    std::string text;
    EXPECT_FALSE(Read(c.bytes, true, flag, readFont, text)) << c.what;
  }
}

}  // namespace
