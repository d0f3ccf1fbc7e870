#include "core/file/path_edit.h"

#include <cstring>

#include "platform/service/file_chooser.h"

namespace {

struct PathParts {
  std::string_view head;   // drive and folder, with the last separator
  std::string_view title;
  std::string_view ext;    // with its dot
};

PathParts Split(std::string_view path) {
  size_t name = 0;
  for (size_t i = path.size(); i > 0; --i) {
    const char c = path[i - 1];
    if (c == '\\' || c == '/' || (i == 2 && c == ':')) {
      name = i;
      break;
    }
  }
  const std::string_view file = path.substr(name);
  size_t dot = file.rfind('.');
  if (dot == std::string_view::npos || dot == 0) dot = file.size();  // ".profile" is a title
  return {path.substr(0, name), file.substr(0, dot), file.substr(dot)};
}

std::string Join(const PathParts& p, std::string_view suffix, std::string_view ext) {
  std::string out(p.head);
  out += p.title;
  out += suffix;
  if (!ext.empty() && ext.front() != '.') out += '.';
  out += ext;
  return out;
}

}  // namespace

std::string ReplaceExtension(std::string_view path, std::string_view ext) { return Join(Split(path), {}, ext); }

bool ReplaceExtensionInPlace(std::span<char> buffer, std::string_view ext) {
  if (buffer.empty()) return false;
  const std::string result = ReplaceExtension(std::string_view(buffer.data(), strnlen(buffer.data(), buffer.size())), ext);
  if (result.size() + 1 > buffer.size()) return false;
  std::memcpy(buffer.data(), result.c_str(), result.size() + 1);
  return true;
}

std::string AppendToFileTitle(std::string_view path, std::string_view suffix) {
  const PathParts parts = Split(path);
  return Join(parts, suffix, parts.ext);
}

int BrowseForFolder(std::string& out, const std::string& initial, const std::string& title) {
  std::string chosen;
  if (!tmb::Choosers().ChooseFolder(initial, chosen, title)) return 0;
  out = chosen;
  return 1;
}
