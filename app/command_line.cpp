#include "app/command_line.h"

#include <cctype>

#include "app/value_limits.h"

namespace {

bool IsSwitchEnd(std::string_view text, size_t i) {
  return i >= text.size() || text[i] == ' ' || text[i] == '"' || text[i] == '/';
}

// A switch is a slash and one letter standing alone: "/t", "/X".
bool IsSwitchAt(std::string_view text, size_t i) {
  return i + 1 < text.size() && text[i] == '/' &&
         std::isalpha(static_cast<unsigned char>(text[i + 1])) && IsSwitchEnd(text, i + 2);
}

}  // namespace

CommandLine ParseCommandLine(std::string_view text) {
  CommandLine out;
  char slot = 0;
  size_t i = 0;
  auto take = [&](std::string value) {
    if (!AcceptPathValue(value)) {
      slot = 0;
      return;
    }
    switch (slot) {
      case 't': out.argT = std::move(value), out.hasT = true; break;
      case 'd': out.argD = std::move(value), out.hasD = true; break;
      case 'f': out.argF = std::move(value), out.hasF = true; break;
      default: out.files.push_back(std::move(value)); break;
    }
    slot = 0;
  };
  while (i < text.size()) {
    char c = text[i];
    if (c == ' ') {
      ++i;
    } else if (c == '"') {
      size_t end = text.find('"', i + 1);
      if (end == std::string_view::npos) end = text.size();
      std::string_view arg = text.substr(i + 1, end - i - 1);
      if (!arg.empty()) take(std::string(arg));
      i = end + 1;
    } else if (IsSwitchAt(text, i)) {
      char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[i + 1])));
      slot = letter == 't' || letter == 'd' || letter == 'f' ? letter : 0;
      i += 2;
    } else {
      size_t end = i + 1;
      while (end < text.size() && text[end] != '"' && !(text[end - 1] == ' ' && IsSwitchAt(text, end))) {
        ++end;
      }
      std::string_view arg = text.substr(i, end - i);
      while (!arg.empty() && arg.back() == ' ') arg.remove_suffix(1);
      take(std::string(arg));
      i = end;
    }
  }
  return out;
}

std::string JoinArguments(const std::vector<std::string>& args) {
  std::string text;
  for (const std::string& a : args) {
    if (!text.empty()) text += ' ';
    if (a.find(' ') != std::string::npos) {
      text += '"' + a + '"';
    } else {
      text += a;
    }
  }
  return text;
}
