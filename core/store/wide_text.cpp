#include "core/store/wide_text.h"

#include <algorithm>
#include <optional>

#include "platform/file/little_endian.h"
#include "platform/text/code_page.h"

namespace {

bool IsHighSurrogate(char16_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char16_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

std::string_view UpToNul(std::string_view s) { return s.substr(0, s.find('\0')); }

std::u16string_view UpToZero(std::u16string_view s) {
  return s.substr(0, s.find(u'\0'));
}

}  // namespace

std::u16string Cp932ToUtf16(std::string_view cp932) {
  cp932 = UpToNul(cp932);
  if (std::optional<std::u16string> wide = tmb::SjisToUtf16(cp932)) return *wide;
  return tmb::Utf8ToUtf16(tmb::SjisToUtf8Lossy(cp932)).value_or(u"");
}

std::string Utf16ToCp932(std::u16string_view utf16) {
  utf16 = UpToZero(utf16);
  if (std::optional<std::string> narrow = tmb::Utf16ToSjis(utf16)) return *narrow;
  // Character by character, so one unmappable character or lone surrogate costs only
  // itself.
  std::string out;
  for (size_t i = 0; i < utf16.size();) {
    size_t n = IsHighSurrogate(utf16[i]) && i + 1 < utf16.size() && IsLowSurrogate(utf16[i + 1]) ? 2 : 1;
    std::optional<std::string> one = tmb::Utf16ToSjis(utf16.substr(i, n));
    out += one ? *one : std::string("?");
    i += n;
  }
  return out;
}

uint16_t FirstCharUnit(std::string_view cp932) {
  cp932 = UpToNul(cp932);
  if (cp932.empty()) return 0;
  size_t len = tmb::IsSjisLeadByte(static_cast<unsigned char>(cp932[0])) && cp932.size() > 1 ? 2 : 1;
  std::u16string wide = Cp932ToUtf16(cp932.substr(0, len));
  return wide.empty() ? 0 : static_cast<uint16_t>(wide[0]);
}

void StoreWideField(char16_t* field, size_t units, std::u16string_view text) {
  if (units == 0) return;
  std::fill(field, field + units, u'\0');
  text = UpToZero(text);
  size_t n = std::min(text.size(), units - 1);
  // A surrogate pair is not cut in half.
  if (n > 0 && n < text.size() && IsHighSurrogate(text[n - 1])) --n;
  std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(n), field);
}

std::u16string_view WideFieldText(const char16_t* field, size_t units) {
  return UpToZero(std::u16string_view(field, units));
}

void StoreUtf16Le(uint8_t* out, std::u16string_view units) {
  for (size_t i = 0; i < units.size(); ++i) tmb::StoreU16(out + 2 * i, static_cast<uint16_t>(units[i]));
}

void LoadUtf16Le(const uint8_t* in, char16_t* units, size_t count) {
  for (size_t i = 0; i < count; ++i) units[i] = static_cast<char16_t>(tmb::LoadU16(in + 2 * i));
}

std::string_view Cp932FileName(std::string_view path) {
  size_t start = 0;
  for (size_t i = 0; i < path.size(); ++i) {
    unsigned char c = static_cast<unsigned char>(path[i]);
    if (tmb::IsSjisLeadByte(c) && i + 1 < path.size()) {
      ++i;
    } else if (c == '\\' || c == '/') {
      start = i + 1;
    }
  }
  return path.substr(start);
}
