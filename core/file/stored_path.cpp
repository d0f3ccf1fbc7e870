#include "core/file/stored_path.h"

#include <filesystem>

#include "core/file/path_helpers.h"
#include "core/state/draw_state.h"
#include "platform/text/code_page.h"

namespace {

bool IsWindowsPath(std::string_view path) {
  const bool drive = path.size() >= 2 && path[1] == ':' &&
                     ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
  return drive || path.find('\\') != std::string_view::npos;
}

bool IsBareName(std::string_view path) { return path.find('/') == std::string_view::npos; }

}  // namespace

std::string ResolveStoredPath(std::string_view cp932) {
  if (cp932.empty()) return {};
  std::string path = tmb::SjisToUtf8Lossy(cp932);
  if (!(IsWindowsPath(path) || IsBareName(path)) || gDrawState.m_szCurFolder.empty()) return path;
  std::string local = JoinPath(gDrawState.m_szCurFolder, GetFileNameOfPath(path));
  std::error_code ec;
  return std::filesystem::exists(std::filesystem::u8path(local), ec) ? local : path;
}
