// The text files a user hands the program (character lists, dictionary texts, effect
// scripts, writing styles): code page 932, as the program's own files are, unless they
// read as UTF-8. Every reader of such a file recognises it here, so that one file
// reads alike wherever it is opened.
#pragma once

#include <string>
#include <string_view>

namespace tmb {

enum class TextEncoding { kCodePage932, kUtf8 };

struct UserText {
  TextEncoding encoding;
  std::string_view text;  // the file's bytes after a UTF-8 byte order mark
};

// UTF-8 when bytes begin with the UTF-8 byte order mark, or are valid UTF-8 with a byte
// beyond ASCII (even where they are valid code page 932 too); code page 932 otherwise.
UserText RecogniseUserText(std::string_view bytes);

// The file's text as UTF-8, for the user interface; bytes its encoding cannot read
// become '?'.
std::string UserTextToUtf8(std::string_view bytes);
// The file's text as code page 932, for records and the engines: a code page 932 file's
// own bytes; a character of a UTF-8 file that code page 932 lacks becomes '?'.
std::string UserTextToCp932(std::string_view bytes);

}  // namespace tmb
