#include "core/file/path_helpers.h"

#include <filesystem>

namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// Index just past the folder part (after the last separator or a drive's colon).
size_t NameStart(std::string_view path) {
  for (size_t i = path.size(); i > 0; --i) {
    if (IsSeparator(path[i - 1]) || (i == 2 && path[1] == ':')) return i;
  }
  return 0;
}

}  // namespace

std::string GetFileNameOfPath(std::string_view path) { return std::string(path.substr(NameStart(path))); }

std::string GetFileExt(std::string_view path) {
  const std::string_view name = path.substr(NameStart(path));
  const size_t dot = name.rfind('.');
  return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

std::string GetDirectoryOfPath(std::string_view path) {
  std::string_view dir = path.substr(0, NameStart(path));
  // A root ("/" or "c:\") keeps its separator.
  while (dir.size() > 1 && IsSeparator(dir.back()) && !(dir.size() == 3 && dir[1] == ':')) dir.remove_suffix(1);
  return std::string(dir);
}

std::string JoinPath(std::string_view dir, std::string_view name) {
  std::string out(dir);
  if (!out.empty() && !IsSeparator(out.back())) out += '/';
  out += name;
  return out;
}

std::string MakeTempFileName(std::string_view dir, std::string_view prefix, unsigned number, std::string_view ext) {
  auto make = [&](unsigned n) { return JoinPath(dir, std::string(prefix) + std::to_string(n) + std::string(ext)); };
  if (number != 0) return make(number);
  for (unsigned n = 1;; ++n) {
    std::error_code ec;
    const std::string candidate = make(n);
    if (!std::filesystem::exists(std::filesystem::u8path(candidate), ec) || n == 0xFFFFFFFFu) return candidate;
  }
}
