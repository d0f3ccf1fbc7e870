// Conversion between code page 932 (Shift-JIS, the narrow text of records and files),
// UTF-8 (paths and the user interface) and UTF-16LE (the wide fields of files).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tmb {

// True for a Shift-JIS lead byte: the first byte of a two-byte character.
constexpr bool IsSjisLeadByte(unsigned char c) {
  return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}
// True for a byte that may follow a lead byte as the second of a two-byte character.
constexpr bool IsSjisTrailByte(unsigned char c) { return c >= 0x40 && c <= 0xFC && c != 0x7F; }

// Each conversion returns nullopt when the input is not valid in its encoding.
std::optional<std::string> SjisToUtf8(std::string_view sjis);
std::optional<std::string> Utf8ToSjis(std::string_view utf8);
std::optional<std::u16string> SjisToUtf16(std::string_view sjis);
std::optional<std::string> Utf16ToSjis(std::u16string_view utf16);
std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8);
std::optional<std::string> Utf16ToUtf8(std::u16string_view utf16);

// Lenient forms for display and file names: undecodable bytes become '?'.
std::string SjisToUtf8Lossy(std::string_view sjis);
std::string Utf8ToSjisLossy(std::string_view utf8);
// UTF-8 with each undecodable sequence as '?'.
std::string Utf8Lossy(std::string_view utf8);

// Length in bytes of the zero-terminated narrow string within a fixed field.
size_t BoundedLength(const char* field, size_t capacity);

}  // namespace tmb
