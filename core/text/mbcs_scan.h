// Scanning code page 932 text character by character: the character at a position,
// digit boundaries and lists of numbers in free text.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

enum MbcsCharKind { kMbcsNone = -1, kMbcsSingle = 1, kMbcsDouble = 2 };

// The character at byte pos of text into ch (its bytes) and length: kMbcsDouble (length
// 2) for a valid two-byte character, kMbcsSingle (length 1) for a printable single byte,
// kMbcsNone (ch empty) for anything else, a blank and the full-width blank included.
// With the drawing state's blank-as-character option a kMbcsNone becomes kMbcsSingle, ch
// the byte (both bytes, length 2, for the full-width blank). At the end of text length
// is 0.
int GetMbcsCharAt(std::string_view text, size_t pos, std::string& ch, int& length);

// From index from, stepping over two-byte characters whole: the index of the next
// decimal digit (mode 1) or of the next byte that is not one (mode 0); -1 at the end of
// text or at limit (an index; negative for none).
int FindDigitBoundary(std::string_view text, int from, int mode, int limit);

// Reads up to out.size() unsigned decimal numbers from the first limit bytes of text
// (negative: all) up to its first NUL, separated by anything else (signs are not read); a number too large
// for 32 bits is held at the largest value. Returns how many it read.
int ParseIntList(std::string_view text, std::span<int32_t> out, int limit);
