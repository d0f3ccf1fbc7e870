// The forms a user's text file comes in, for tests of the readers of such files: a text
// written in UTF-8 with and without the byte order mark and in code page 932, and a UTF-8
// text whose bytes are valid code page 932 as well, which still reads as UTF-8.
#pragma once

#include <string>
#include <vector>

namespace tmb::test {

struct TextFileForm {
  const char* what;
  std::string bytes;
  std::string read;   // the text the file holds, in UTF-8
  std::string sjis;   // the same in code page 932
};

// text (UTF-8 that is not valid code page 932) with its mark, without it and in code page
// 932, then both (UTF-8 that is valid code page 932 as well).
std::vector<TextFileForm> TextFileForms(const std::string& text, const std::string& both);

}  // namespace tmb::test
