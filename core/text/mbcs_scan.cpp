#include "core/text/mbcs_scan.h"

#include <limits>

#include "core/state/draw_state.h"
#include "platform/text/code_page.h"

namespace {

bool IsDigit(unsigned char c) { return c >= '0' && c <= '9'; }
// Printable single bytes: ASCII and the half-width katakana of code page 932.
bool IsPrintableSingle(unsigned char c) { return (c > 0x20 && c < 0x7F) || (c >= 0xA1 && c <= 0xDF); }

}  // namespace

int GetMbcsCharAt(std::string_view text, size_t pos, std::string& ch, int& length) {
  ch.clear();
  length = 0;
  if (pos >= text.size() || text[pos] == '\0') return kMbcsNone;
  const auto c = static_cast<unsigned char>(text[pos]);
  const bool pair = tmb::IsSjisLeadByte(c) && pos + 1 < text.size() &&
                    tmb::IsSjisTrailByte(static_cast<unsigned char>(text[pos + 1]));
  const bool wideBlank = pair && c == 0x81 && static_cast<unsigned char>(text[pos + 1]) == 0x40;
  int kind = kMbcsNone;
  length = 1;
  if (pair && !wideBlank) {
    kind = kMbcsDouble;
    length = 2;
  } else if (!pair && IsPrintableSingle(c)) {
    kind = kMbcsSingle;
  } else if (wideBlank) {
    length = 2;
  }
  if (kind == kMbcsNone && gDrawState.m_bBlankIsChar) kind = kMbcsSingle;
  if (kind != kMbcsNone) ch.assign(text.data() + pos, length == 2 ? 2u : 1u);
  return kind;
}

int FindDigitBoundary(std::string_view text, int from, int mode, int limit) {
  if (from < 0) return -1;
  for (size_t i = static_cast<size_t>(from); i < text.size() && text[i] != '\0';) {
    if (limit >= 0 && static_cast<int>(i) >= limit) return -1;
    const auto c = static_cast<unsigned char>(text[i]);
    if (IsDigit(c) == (mode == 1)) return static_cast<int>(i);
    i += tmb::IsSjisLeadByte(c) && i + 1 < text.size() ? 2 : 1;
  }
  return -1;
}

int ParseIntList(std::string_view text, std::span<int32_t> out, int limit) {
  if (limit >= 0 && static_cast<size_t>(limit) < text.size()) text = text.substr(0, static_cast<size_t>(limit));
  // The text ends at its terminator, as it does for the boundary search: a number that
  // runs up to it must not take in the bytes after it.
  text = text.substr(0, text.find('\0'));
  size_t count = 0;
  int pos = 0;
  while (count < out.size()) {
    const int start = FindDigitBoundary(text, pos, 1, -1);
    if (start < 0) break;
    int end = FindDigitBoundary(text, start, 0, -1);
    if (end < 0) end = static_cast<int>(text.size());
    int64_t value = 0;
    for (int i = start; i < end; ++i) {
      value = std::min<int64_t>(value * 10 + (text[static_cast<size_t>(i)] - '0'), std::numeric_limits<int32_t>::max());
    }
    out[count++] = static_cast<int32_t>(value);
    pos = end;
  }
  return static_cast<int>(count);
}
