// Conversions between the narrow text of records (code page 932 bytes) and wide text
// (UTF-16), into fixed buffers that are never overrun.
#pragma once

#include <span>
#include <string_view>

// Zeroes every character of text after its first zero (nothing without one), so that no
// remnant of an earlier text follows the new one.
void ZeroAfterFirstNul(std::span<char16_t> text);
// Converts n bytes of src (its length when n < 1) into dst, as much as fits, then zeroes
// every wide character after the first zero (ZeroAfterFirstNul); returns the number
// converted.
int MultiByteToWide(std::span<char16_t> dst, const char* src, int n);
// Converts n bytes (the length when n < 0) and writes a zero after the text and at index
// n (where dst has room); returns the number converted.
int MbcsToWideN(std::span<char16_t> dst, const char* src, int n);
// Converts src into at most n bytes of dst (n < 1: twice the text's length), never
// splitting a two-byte character, and zeroes dst from the end of the text to index n
// (where dst has room); returns the bytes written.
int WideToMultiByte(std::span<char> dst, const char16_t* src, int n);
// The same with n < 0 meaning twice the text's length.
int WideToMbcsN(std::span<char> dst, const char16_t* src, int n);
// Copies the zero-terminated src into dst, cut to fit; returns dst.
char* CopyString(std::span<char> dst, const char* src);
