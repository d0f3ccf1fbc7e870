// Classifies the characters of the system's text files (character lists, style and
// effect definitions).
#pragma once

#include <cstddef>
#include <string_view>

enum TextCharClass {
  kTextCharSingle = 1,    // any other single byte
  kTextCharDouble = 2,    // a valid two-byte (Shift-JIS) pair
  kTextCharNewLine = -1,  // CR LF
  kTextCharComment = -2,  // "//"
  kTextCharBlank = -3,    // a blank (space or tab) when blanks separate
};

int ClassifyTextChar(std::string_view text, size_t pos, bool blanksSeparate);
int ClassifyTextCharNoBlank(std::string_view text, size_t pos);
