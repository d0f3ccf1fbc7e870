#include "core/text/string_helpers.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

// Whatever followed the first zero is cleared to the end; a text without a zero, or one
// that starts with it, is left or cleared whole.
TEST(StringHelpers, ZeroAfterFirstNulClearsTheRemnantOfAnEarlierText) {
  struct Case {
    std::u16string given, expected;
  };
  const Case cases[] = {
      {std::u16string(u"ab\0cd\0e", 8), std::u16string(u"ab\0\0\0\0\0\0", 8)},
      {std::u16string(u"\0xyz", 4), std::u16string(4, u'\0')},
      {u"abcd", u"abcd"},
      {u"", u""},
  };
  for (const Case& c : cases) {
    std::u16string text = c.given;
    ZeroAfterFirstNul(text);
    EXPECT_EQ(text, c.expected);
  }
}

TEST(StringHelpers, ConversionsStayWithinTheirBuffers) {
  const char sjis[] = "\x8a\xbf\x8e\x9a" "ab";  // 漢字ab
  std::array<char16_t, 8> wide;
  wide.fill(u'x');
  EXPECT_EQ(MultiByteToWide(wide, sjis, 0), 4);
  EXPECT_EQ(std::u16string(wide.data()), u"漢字ab");
  EXPECT_EQ(wide[7], 0) << "everything after the first zero is cleared";
  std::array<char16_t, 3> small;
  EXPECT_EQ(MultiByteToWide(small, sjis, 0), 3);
  EXPECT_EQ(small[2], u'a');

  std::array<char, 16> narrow;
  narrow.fill('x');
  EXPECT_EQ(WideToMultiByte(narrow, u"漢字ab", 0), 6);
  EXPECT_EQ(std::string(narrow.data()), sjis);
  narrow.fill('x');
  EXPECT_EQ(WideToMultiByte(narrow, u"漢字ab", 3), 2) << "a two-byte character is never split";
  EXPECT_EQ(narrow[2], 0);
  EXPECT_EQ(narrow[3], 0);
  std::array<char, 4> tiny;
  EXPECT_EQ(WideToMbcsN(tiny, u"abcdefgh", -1), 4);

  std::array<char, 4> copy;
  EXPECT_STREQ(CopyString(copy, "abcdef"), "abc");
}

}  // namespace
