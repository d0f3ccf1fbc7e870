#include "platform/text/code_page.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace tmb {
namespace {

// CP932 is the Windows form of Shift-JIS (with the NEC and IBM extensions); UTF-16LE
// without a byte-order mark is the wide form of the files.
constexpr const char* kSjis = "CP932";
constexpr const char* kUtf8 = "UTF-8";
constexpr const char* kUtf16 = "UTF-16LE";

class Converter {
 public:
  Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
  ~Converter() {
    if (cd_ != reinterpret_cast<iconv_t>(-1)) iconv_close(cd_);
  }
  Converter(const Converter&) = delete;
  Converter& operator=(const Converter&) = delete;

  // Converts in; with lossy set, an undecodable input byte is skipped and replacement
  // written in its place.
  std::optional<std::string> Run(const char* in, size_t inLen, bool lossy,
                                 std::string_view replacement, bool utf8Input = false) {
    if (cd_ == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.resize(inLen * 4 + 16);
    char* src = const_cast<char*>(in);
    size_t srcLeft = inLen;
    size_t used = 0;
    while (srcLeft > 0) {
      char* dst = out.data() + used;
      size_t dstLeft = out.size() - used;
      size_t r = iconv(cd_, &src, &srcLeft, &dst, &dstLeft);
      used = out.size() - dstLeft;
      if (r != static_cast<size_t>(-1)) break;
      if (errno == E2BIG) {
        out.resize(out.size() * 2);
        continue;
      }
      // EILSEQ or EINVAL (truncated sequence at the end).
      if (!lossy) return std::nullopt;
      out.resize(std::max(out.size(), used + replacement.size() + 16));
      std::memcpy(out.data() + used, replacement.data(), replacement.size());
      used += replacement.size();
      // Skip the whole undecodable character: in UTF-8 its continuation bytes too.
      do {
        ++src;
        --srcLeft;
      } while (utf8Input && srcLeft > 0 && (static_cast<unsigned char>(*src) & 0xC0) == 0x80);
      iconv(cd_, nullptr, nullptr, nullptr, nullptr);
    }
    out.resize(used);
    return out;
  }

 private:
  iconv_t cd_;
};

std::optional<std::string> Convert(const char* to, const char* from, const char* in, size_t len) {
  Converter c(to, from);
  return c.Run(in, len, false, {});
}

std::u16string FromUtf16Bytes(const std::string& bytes) {
  std::u16string s(bytes.size() / 2, u'\0');
  for (size_t i = 0; i < s.size(); ++i) {
    s[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                 (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  return s;
}

std::string ToUtf16Bytes(std::u16string_view s) {
  std::string bytes(s.size() * 2, '\0');
  for (size_t i = 0; i < s.size(); ++i) {
    bytes[2 * i] = static_cast<char>(s[i] & 0xFF);
    bytes[2 * i + 1] = static_cast<char>(s[i] >> 8);
  }
  return bytes;
}

}  // namespace

std::optional<std::string> SjisToUtf8(std::string_view sjis) {
  return Convert(kUtf8, kSjis, sjis.data(), sjis.size());
}

std::optional<std::string> Utf8ToSjis(std::string_view utf8) {
  return Convert(kSjis, kUtf8, utf8.data(), utf8.size());
}

std::optional<std::u16string> SjisToUtf16(std::string_view sjis) {
  auto bytes = Convert(kUtf16, kSjis, sjis.data(), sjis.size());
  if (!bytes) return std::nullopt;
  return FromUtf16Bytes(*bytes);
}

std::optional<std::string> Utf16ToSjis(std::u16string_view utf16) {
  std::string bytes = ToUtf16Bytes(utf16);
  return Convert(kSjis, kUtf16, bytes.data(), bytes.size());
}

std::optional<std::u16string> Utf8ToUtf16(std::string_view utf8) {
  auto bytes = Convert(kUtf16, kUtf8, utf8.data(), utf8.size());
  if (!bytes) return std::nullopt;
  return FromUtf16Bytes(*bytes);
}

std::optional<std::string> Utf16ToUtf8(std::u16string_view utf16) {
  std::string bytes = ToUtf16Bytes(utf16);
  return Convert(kUtf8, kUtf16, bytes.data(), bytes.size());
}

std::string SjisToUtf8Lossy(std::string_view sjis) {
  Converter c(kUtf8, kSjis);
  return c.Run(sjis.data(), sjis.size(), true, "?").value_or(std::string());
}

std::string Utf8ToSjisLossy(std::string_view utf8) {
  Converter c(kSjis, kUtf8);
  return c.Run(utf8.data(), utf8.size(), true, "?", true).value_or(std::string());
}

std::string Utf8Lossy(std::string_view utf8) {
  Converter c(kUtf8, kUtf8);
  return c.Run(utf8.data(), utf8.size(), true, "?", true).value_or(std::string());
}

size_t BoundedLength(const char* field, size_t capacity) {
  const void* nul = std::memchr(field, 0, capacity);
  return nul ? static_cast<size_t>(static_cast<const char*>(nul) - field) : capacity;
}

}  // namespace tmb
