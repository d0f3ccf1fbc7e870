#include "platform/text/user_text.h"

#include <gtest/gtest.h>

#include "platform/text/code_page.h"

namespace tmb {
namespace {

// A user's text file in each form it comes in, and how it reads. "山川木" in UTF-8 happens
// to be valid code page 932 as well ("螻ｱ蟾晄惠"): it still reads as the UTF-8 it is.
TEST(UserText, UTF8WithItsMarkOrWithoutIsReadAsUTF8EvenWhereCodePage932ReadsItToo) {
  const std::string sjis = Utf8ToSjis("永一").value();
  const std::string both = "山川木";
  ASSERT_TRUE(SjisToUtf8(both).has_value());
  const std::string utf8Only = "一二三";
  ASSERT_FALSE(SjisToUtf8(utf8Only).has_value());
  const struct {
    const char* what;
    std::string bytes;
    TextEncoding encoding;
    std::string utf8;  // UserTextToUtf8
  } cases[] = {
      {"UTF-8 with its mark", "\xEF\xBB\xBF" + both, TextEncoding::kUtf8, both},
      {"UTF-8 without", utf8Only, TextEncoding::kUtf8, utf8Only},
      {"code page 932", sjis, TextEncoding::kCodePage932, "永一"},
      {"valid as both", both, TextEncoding::kUtf8, both},
      {"plain ASCII", "abc\r\n", TextEncoding::kCodePage932, "abc\r\n"},
      {"the mark on damaged UTF-8", "\xEF\xBB\xBF" "a\xFF" "b", TextEncoding::kUtf8, "a?b"},
      {"neither", "a\x82", TextEncoding::kCodePage932, "a?"},
      {"nothing", "", TextEncoding::kCodePage932, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const UserText file = RecogniseUserText(c.bytes);
    EXPECT_EQ(file.encoding, c.encoding);
    EXPECT_EQ(UserTextToUtf8(c.bytes), c.utf8);
    // Code page 932 text keeps its own bytes; UTF-8 text is converted.
    const std::string cp932 = UserTextToCp932(c.bytes);
    if (c.encoding == TextEncoding::kCodePage932) {
      EXPECT_EQ(cp932, c.bytes);
    } else {
      EXPECT_EQ(cp932, Utf8ToSjisLossy(c.utf8));
    }
  }
}

TEST(UserText, CharactersCodePage932LacksBecomeQuestionMarks) {
  EXPECT_EQ(UserTextToCp932("\xEF\xBB\xBF" "a😀永"), "a?" + Utf8ToSjis("永").value());
}

}  // namespace
}  // namespace tmb
