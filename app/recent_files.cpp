#include "app/recent_files.h"

#include <algorithm>
#include <filesystem>

#include "platform/service/profile.h"

namespace {

std::string Key(int i) { return "File" + std::to_string(i + 1); }

// One spelling per file, so that a file opened by another path is not listed twice.
std::string Normal(const std::string& path) {
  std::error_code ec;
  const std::filesystem::path p = std::filesystem::u8path(path);
  const std::filesystem::path absolute = std::filesystem::absolute(p, ec);
  return (ec ? p : absolute).lexically_normal().string();
}

}  // namespace

void CRecentFileList::Read(tmb::ProfileStore& profile) {
  m_paths.clear();
  for (int i = 0; i < m_nSize; ++i) {
    const std::string path = profile.GetString(kSection, Key(i), "");
    if (path.empty()) break;
    m_paths.push_back(path);
  }
}

void CRecentFileList::Write(tmb::ProfileStore& profile) const {
  for (int i = 0; i < m_nSize; ++i) {
    profile.WriteString(kSection, Key(i), size_t(i) < m_paths.size() ? m_paths[size_t(i)] : std::string());
  }
}

void CRecentFileList::Add(const std::string& path) {
  if (path.empty() || m_nSize <= 0) return;
  const std::string normal = Normal(path);
  std::erase_if(m_paths, [&](const std::string& p) { return Normal(p) == normal; });
  m_paths.insert(m_paths.begin(), normal);
  if (int(m_paths.size()) > m_nSize) m_paths.resize(size_t(m_nSize));
}

void CRecentFileList::Remove(int index) {
  if (index >= 0 && size_t(index) < m_paths.size()) m_paths.erase(m_paths.begin() + index);
}
