// The old text-font block of the character data file (files of revision 5 to 10): u16
// present flag; when it is non-zero, the 60-byte text font and, from revision 6 on, the
// text-mode text as a narrow string record. Files of later revisions hold the character
// store section in its place; the writer makes the block again for a tool that needs
// the old layout, and no save of the program uses it.
#pragma once

#include <string>
#include <string_view>

#include "core/file/string_records.h"
#include "core/record/log_font.h"
#include "platform/file/binary_file.h"

// The longest text-mode text the block holds, in bytes.
constexpr int kFontBlockTextMaxBytes = kNarrowTextMaxBytes;

// Reads the block at the file's position: flag receives the present flag; when it is
// non-zero, font the text font and, withText, text the text (at most
// kFontBlockTextMaxBytes). False for a short read or a text beyond that length.
bool ReadFontBlock(tmb::BinaryFile& file, int& flag, bool withText, CLogFont& font, std::string& text);
// Writes the block with flag (held to 16 bits) at the file's position: the font and,
// withText, text (up to its first NUL, at most kFontBlockTextMaxBytes, never cutting a
// two-byte character) only when flag is non-zero. False when a write failed.
bool WriteFontBlock(tmb::BinaryFile& file, int flag, bool withText, const CLogFont& font, std::string_view text);
