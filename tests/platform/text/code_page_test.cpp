#include "platform/text/code_page.h"

#include <gtest/gtest.h>

namespace tmb {
namespace {

// "花見" in Shift-JIS and "あ①" (a character of the NEC extension that only CP932 has).
const std::string kHanamiSjis = "\x89\xd4\x8c\xa9";
const std::string kNecSjis = "\x82\xa0\x87\x40";

TEST(CodePage, ShiftJisRoundTripsThroughUtf8AndUtf16) {
  EXPECT_EQ(SjisToUtf8(kHanamiSjis), std::string("花見"));
  EXPECT_EQ(Utf8ToSjis("花見"), kHanamiSjis);
  EXPECT_EQ(SjisToUtf16(kHanamiSjis), std::u16string(u"花見"));
  EXPECT_EQ(Utf16ToSjis(u"花見"), kHanamiSjis);
  EXPECT_EQ(SjisToUtf8(kNecSjis), std::string("あ①"));
  EXPECT_EQ(Utf8ToUtf16("ＭＳ ゴシック"), std::u16string(u"ＭＳ ゴシック"));
  EXPECT_EQ(Utf16ToUtf8(u"ＭＳ 明朝"), std::string("ＭＳ 明朝"));
}

TEST(CodePage, ConversionsOfEmptyTextGiveEmptyText) {
  EXPECT_EQ(SjisToUtf8(""), std::string());
  EXPECT_EQ(Utf16ToSjis(u""), std::string());
}

TEST(CodePage, InvalidInputIsRefusedOrReplaced) {
  // A lead byte with nothing after it, and a character Shift-JIS cannot hold.
  EXPECT_FALSE(SjisToUtf8("a\x82").has_value());
  EXPECT_FALSE(Utf8ToSjis("a😀b").has_value());
  EXPECT_EQ(SjisToUtf8Lossy("a\x82"), "a?");
  EXPECT_EQ(Utf8ToSjisLossy("a😀b"), "a?b");
  EXPECT_FALSE(Utf8ToUtf16("\xff").has_value());
}

TEST(CodePage, LeadBytesAreTheShiftJisRanges) {
  struct Case {
    unsigned char byte;
    bool lead;
  } cases[] = {{0x00, false}, {0x41, false}, {0x80, false}, {0x81, true}, {0x9F, true},
               {0xA0, false}, {0xDF, false}, {0xE0, true},  {0xFC, true}, {0xFD, false}};
  for (const Case& c : cases) EXPECT_EQ(IsSjisLeadByte(c.byte), c.lead) << int(c.byte);
}

TEST(CodePage, BoundedLengthStopsAtTheFieldEnd) {
  char field[4] = {'a', 'b', 'c', 'd'};
  EXPECT_EQ(BoundedLength(field, 4), 4u);
  field[2] = 0;
  EXPECT_EQ(BoundedLength(field, 4), 2u);
}

}  // namespace
}  // namespace tmb
