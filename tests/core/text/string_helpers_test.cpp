#include "core/text/string_helpers.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

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
