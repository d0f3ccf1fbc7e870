#include "core/effect/effect_script.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <limits>
#include <system_error>
#include <vector>

#include "core/text/mbcs_scan.h"
#include "core/effect/effect_def.h"
#include "platform/file/safe_save.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Bytes of the character at pos: 2 for a double-byte pair, else 1.
size_t CharLengthAt(std::string_view text, size_t pos) {
  std::string ch;
  int length = 0;
  GetMbcsCharAt(text, pos, ch, length);
  return length == 2 ? 2 : 1;
}

// The triple as the script gives it: red + green x 256 + blue x 65536, combined by OR.
// Only the 24 colour bits are kept: a high byte would mark a palette colour, or make the
// invalid colour that a pixel read outside a picture answers.
tmb::Colour TripleColour(const int (&channels)[3]) {
  const uint32_t rgb = uint32_t(channels[0]) | uint32_t(channels[1]) << 8 | uint32_t(channels[2]) << 16;
  return rgb & 0xFFFFFFu;
}

bool StartsWith(std::string_view text, size_t pos, std::string_view word) {
  return text.substr(pos, word.size()) == word;
}

}  // namespace

int LoadTextFile(std::string& text, const std::string& path, size_t maxBytes) {
  std::error_code ec;
  const auto size = std::filesystem::file_size(std::filesystem::u8path(path), ec);
  if (!ec && size > maxBytes) return CEffectDef::kReadTooLarge;
  std::vector<uint8_t> bytes;
  if (!tmb::ReadWholeFile(std::filesystem::u8path(path), bytes, maxBytes)) return CEffectDef::kReadFailed;
  text.assign(bytes.begin(), bytes.end());
  return int(text.size());
}

void ParseEffectLine(CEffectDef& def, std::string_view line, int effect, int limit) {
  if (effect <= 0 || effect >= kEffectSlots) return;
  const size_t end = std::min(line.size(), size_t(std::max(limit, 0)));
  bool open = false;
  int channels[3] = {};
  int inTriple = 0;
  int triples = 0;
  int plain = 0;
  for (size_t i = 0; i < end;) {
    const size_t length = CharLengthAt(line, i);
    const char c = line[i];
    if (length == 2) {
      i += 2;
    } else if (IsDigit(c)) {
      // A run too long for 32 bits is held at the largest number.
      int64_t value = 0;
      for (; i < end && IsDigit(line[i]); ++i) {
        value = std::min<int64_t>(value * 10 + (line[i] - '0'), std::numeric_limits<int32_t>::max());
      }
      const int number = int(value);
      if (open) {
        channels[inTriple++] = number;
        if (inTriple == 3) {
          (triples++ == 0 ? def.m_colour1 : def.m_colour2)[size_t(effect)] = TripleColour(channels);
          open = false;
        }
      } else if (plain < 2) {
        (plain++ == 0 ? def.m_value1 : def.m_value2)[size_t(effect)] = number;
      }
      // The character after a number is its separator and is passed over unread.
      if (i < end) i += CharLengthAt(line, i);
    } else {
      if (c == '(') {
        open = true;
        inTriple = 0;
      } else if (c == ')') {
        open = false;
      } else {
        ParseSwitchWord(def, line, i, effect);
      }
      ++i;
    }
  }
}

void ParseSwitchWord(CEffectDef& def, std::string_view text, size_t pos, int effect) {
  if (effect <= 0 || effect >= kEffectSlots || pos >= text.size()) return;
  const size_t e = size_t(effect);
  // The byte after a word, or NUL at the end of the text.
  auto after = [&](size_t n) { return pos + n < text.size() ? text[pos + n] : '\0'; };
  if (StartsWith(text, pos, "ON_B") || StartsWith(text, pos, "ON_G")) {
    def.m_flagBG[e] = 1;
  } else if (StartsWith(text, pos, "ON_T")) {
    def.m_flagT[e] = 1;
  } else if (StartsWith(text, pos, "ON_A") || (StartsWith(text, pos, "ON") && after(2) != '_')) {
    def.m_flagA[e] = 1;
  } else if (StartsWith(text, pos, "OFF_B") || StartsWith(text, pos, "OFF_G")) {
    def.m_flagBG[e] = 0;
  } else if (StartsWith(text, pos, "OFF_T")) {
    def.m_flagT[e] = 0;
  } else if (StartsWith(text, pos, "OFF_A") || (StartsWith(text, pos, "OFF") && after(3) != '_')) {
    def.m_flagA[e] = 0;
  }
}
