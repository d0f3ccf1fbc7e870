#include "export/html/text_builders.h"

#include <array>
#include <charconv>
#include <string_view>

namespace {

constexpr int kDefaultDecimals = 6;

}  // namespace

void AppendCrLf(std::string& text) { text += "\r\n"; }

void AppendIndent(std::string& text, int n) {
  if (n < 0) {
    AppendCrLf(text);
  } else {
    text.append(size_t(n), ' ');
  }
}

void AppendFloat(std::string& text, double value, int decimals) {
  if (decimals < 0 || decimals > 3) decimals = kDefaultDecimals;
  // Wide enough for the largest double in fixed notation.
  std::array<char, 400> digits{};
  auto [end, ec] = std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) {
    text += "0";
    return;
  }
  const char* begin = digits.data();
  // "-0.00": the value rounded to zero.
  if (*begin == '-' && std::string_view(begin + 1, end).find_first_not_of("0.") == std::string_view::npos) ++begin;
  text.append(begin, size_t(end - begin));
}

void AppendByte(std::string& text, int value) { text += std::to_string(value); }

void AppendRgb(std::string& text, tmb::Colour colour) {
  text += "\"rgb(";
  AppendByte(text, int(colour & 0xFF));
  text += ",";
  AppendByte(text, int((colour >> 8) & 0xFF));
  text += ",";
  AppendByte(text, int((colour >> 16) & 0xFF));
  text += ")\"";
}
