#include "core/text/text_char_class.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextCharClass, ClassifiesPairsLineEndsCommentsAndBlanks) {
  const std::string text = "a\x8a\xbf\r\n//x/ y\x81";
  EXPECT_EQ(ClassifyTextChar(text, 0, true), kTextCharSingle);
  EXPECT_EQ(ClassifyTextChar(text, 1, true), kTextCharDouble);
  EXPECT_EQ(ClassifyTextChar(text, 3, true), kTextCharNewLine);
  EXPECT_EQ(ClassifyTextChar(text, 5, true), kTextCharComment);
  EXPECT_EQ(ClassifyTextChar(text, 8, true), kTextCharSingle) << "a single slash";
  EXPECT_EQ(ClassifyTextChar(text, 9, true), kTextCharBlank);
  EXPECT_EQ(ClassifyTextCharNoBlank(text, 9), kTextCharSingle);
  EXPECT_EQ(ClassifyTextChar(text, 11, true), kTextCharSingle) << "a lead byte at the end pairs with nothing";
  EXPECT_EQ(ClassifyTextChar(text, 99, true), kTextCharSingle);
}

}  // namespace
