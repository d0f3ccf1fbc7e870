// Wide text of the store and of the data files: code page 932 strings turned into UTF-16
// and back, and the fixed, zero-terminated UTF-16 fields of records. The conversions
// never fail: what cannot be converted becomes '?'.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// The UTF-16 form of a code page 932 string, up to its first NUL.
std::u16string Cp932ToUtf16(std::string_view cp932);
// The code page 932 form of UTF-16 text, up to its first zero unit.
std::string Utf16ToCp932(std::u16string_view utf16);

// The first character of a code page 932 string as one UTF-16 unit; 0 when empty.
uint16_t FirstCharUnit(std::string_view cp932);

// Stores text into a field of `units` UTF-16 units: cut to units - 1, then zero-filled, so
// the field is always terminated and nothing after the terminator is left over.
void StoreWideField(char16_t* field, size_t units, std::u16string_view text);
// The text of a field up to its first zero unit (or the whole field when it has none).
std::u16string_view WideFieldText(const char16_t* field, size_t units);

// UTF-16 units as files hold them: two bytes each, little-endian.
void StoreUtf16Le(uint8_t* out, std::u16string_view units);
void LoadUtf16Le(const uint8_t* in, char16_t* units, size_t count);

// The file name and extension of a path written with '\' or '/' separators, as code page
// 932 bytes (a trail byte that happens to be '\' does not split the name).
std::string_view Cp932FileName(std::string_view path);
