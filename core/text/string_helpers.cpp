#include "core/text/string_helpers.h"

#include <algorithm>
#include <cstring>
#include <string>

#include "platform/text/code_page.h"

namespace {

std::u16string ToWide(std::string_view sjis) {
  if (auto w = tmb::SjisToUtf16(sjis)) return *w;
  return tmb::Utf8ToUtf16(tmb::SjisToUtf8Lossy(sjis)).value_or(std::u16string());
}

std::string ToNarrow(std::u16string_view wide) {
  if (auto s = tmb::Utf16ToSjis(wide)) return *s;
  const std::string utf8 = tmb::Utf16ToUtf8(wide).value_or(std::string());
  return tmb::Utf8ToSjisLossy(utf8);
}

// Converts bytes bytes of src into dst, as much as fits, with a zero after them where dst
// has room; returns the number converted.
int ConvertToWide(std::span<char16_t> dst, const char* src, size_t bytes) {
  const std::u16string wide = ToWide(std::string_view(src, bytes));
  const size_t n = std::min(wide.size(), dst.size());
  std::copy_n(wide.begin(), n, dst.begin());
  if (n < dst.size()) dst[n] = 0;
  return int(n);
}

// Copies narrow text into at most limit bytes of dst without splitting a two-byte
// character; returns the bytes written.
int CopyNarrow(std::span<char> dst, const std::string& narrow, size_t limit) {
  limit = std::min(limit, dst.size());
  size_t i = 0;
  while (i < narrow.size()) {
    const size_t len = tmb::IsSjisLeadByte(static_cast<unsigned char>(narrow[i])) && i + 1 < narrow.size() ? 2 : 1;
    if (i + len > limit) break;
    std::memcpy(dst.data() + i, narrow.data() + i, len);
    i += len;
  }
  return int(i);
}

}  // namespace

void ZeroAfterFirstNul(std::span<char16_t> text) {
  auto zero = std::find(text.begin(), text.end(), char16_t(0));
  if (zero != text.end()) std::fill(zero, text.end(), char16_t(0));
}

int MultiByteToWide(std::span<char16_t> dst, const char* src, int n) {
  if (!src) return 0;
  const size_t bytes = n < 1 ? std::strlen(src) : size_t(n);
  const int count = ConvertToWide(dst, src, bytes);
  ZeroAfterFirstNul(dst);
  return count;
}

int MbcsToWideN(std::span<char16_t> dst, const char* src, int n) {
  if (!src) return 0;
  const size_t bytes = n < 0 ? std::strlen(src) : size_t(n);
  const int count = ConvertToWide(dst, src, bytes);
  if (bytes < dst.size()) dst[bytes] = 0;
  return count;
}

int WideToMultiByte(std::span<char> dst, const char16_t* src, int n) {
  if (!src) return 0;
  const std::u16string_view text(src);
  const size_t limit = n < 1 ? 2 * text.size() : size_t(n);
  const int written = CopyNarrow(dst, ToNarrow(text), limit);
  const size_t end = std::min(limit + 1, dst.size());
  for (size_t i = size_t(written); i < end; ++i) dst[i] = 0;
  return written;
}

int WideToMbcsN(std::span<char> dst, const char16_t* src, int n) {
  if (!src) return 0;
  return WideToMultiByte(dst, src, n < 0 ? 0 : std::max(n, 1));
}

char* CopyString(std::span<char> dst, const char* src) {
  if (dst.empty()) return dst.data();
  const size_t n = src ? std::min(std::strlen(src), dst.size() - 1) : 0;
  if (n) std::memcpy(dst.data(), src, n);
  dst[n] = 0;
  return dst.data();
}
