#include "core/file/data_file_listing.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kDataFileExt = ".wdf";

char Fold(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

bool CaselessLess(const std::string& a, const std::string& b) {
  const bool less = std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                                 [](char x, char y) { return Fold(x) < Fold(y); });
  const bool greater = std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(),
                                                    [](char x, char y) { return Fold(x) < Fold(y); });
  return less || (!greater && a < b);
}

std::string Join(const std::string& folder, const std::string& name) {
  return !folder.empty() && folder.back() == '/' ? folder + name : folder + "/" + name;
}

// Calls f (name, isFolder) for every listed entry of folder until f returns false. False
// when the folder cannot be read.
template <typename F>
bool ForEachListed(const std::string& folder, F f) {
  std::error_code ec;
  fs::directory_iterator it(fs::path(folder), ec);
  if (ec) return false;
  for (const fs::directory_iterator end; it != end; it.increment(ec)) {
    if (ec) break;
    const std::string name = it->path().filename().native();
    if (name.empty() || name.front() == '.') continue;
    std::error_code typeError;
    // Follows links: a link to a folder lists as the folder.
    const bool isFolder = it->is_directory(typeError);
    if (!isFolder && !IsDataFileName(name)) continue;
    if (!f(name, isFolder)) break;
  }
  return true;
}

// Whether path lies in root or is root: root followed by a separator or nothing.
bool Holds(const std::string& root, const std::string& path) {
  if (root == "/") return !path.empty() && path.front() == '/';
  return path.size() >= root.size() && path.compare(0, root.size(), root) == 0 &&
         (path.size() == root.size() || path[root.size()] == '/');
}

std::string WithoutTrailingSeparator(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

}  // namespace

bool IsDataFileName(std::string_view name) {
  if (name.size() <= kDataFileExt.size()) return false;
  const std::string_view ext = name.substr(name.size() - kDataFileExt.size());
  return std::equal(ext.begin(), ext.end(), kDataFileExt.begin(), [](char a, char b) { return Fold(a) == b; });
}

bool ListDataFolder(const std::string& folder, std::vector<CFolderItem>& out) {
  out.clear();
  const bool read = ForEachListed(folder, [&](const std::string& name, bool isFolder) {
    out.push_back({name, Join(folder, name), isFolder, false});
    return true;
  });
  if (!read) return false;
  std::sort(out.begin(), out.end(), [](const CFolderItem& a, const CFolderItem& b) { return CaselessLess(a.m_strName, b.m_strName); });
  for (CFolderItem& item : out) {
    if (item.m_bFolder) item.m_bHasChildren = HasListedChild(item.m_strPath);
  }
  return true;
}

bool HasListedChild(const std::string& folder) {
  bool found = false;
  ForEachListed(folder, [&found](const std::string&, bool) {
    found = true;
    return false;
  });
  return found;
}

std::vector<CTreeRoot> ListTreeRoots(const std::string& home, const std::string& dataFolder,
                                     const std::vector<tmb::MountedVolume>& volumes) {
  std::vector<CTreeRoot> roots;
  auto add = [&roots](const std::string& name, const std::string& rawPath) {
    const std::string path = WithoutTrailingSeparator(rawPath);
    if (path.empty()) return;
    for (const CTreeRoot& r : roots) {
      if (r.m_strPath == path) return;
    }
    roots.push_back({name.empty() ? "(" + path + ")" : name + " (" + path + ")", path});
  };
  auto nameOf = [](const std::string& path) { return fs::path(WithoutTrailingSeparator(path)).filename().native(); };
  add(nameOf(home), home);
  add(nameOf(dataFolder), dataFolder);
  add("", "/");
  for (const tmb::MountedVolume& v : volumes) add(v.label.empty() ? nameOf(v.mountPoint) : v.label, v.mountPoint);
  return roots;
}

int FindRootOf(const std::vector<CTreeRoot>& roots, const std::string& folder, std::vector<std::string>& below) {
  below.clear();
  const std::string path = WithoutTrailingSeparator(folder);
  int best = -1;
  for (size_t i = 0; i < roots.size(); ++i) {
    if (!Holds(roots[i].m_strPath, path)) continue;
    if (best < 0 || roots[i].m_strPath.size() > roots[size_t(best)].m_strPath.size()) best = int(i);
  }
  if (best < 0) return -1;
  const std::string& root = roots[size_t(best)].m_strPath;
  const std::string rest = path.size() > root.size() ? path.substr(root == "/" ? 1 : root.size() + 1) : "";
  for (size_t start = 0; start < rest.size();) {
    size_t end = rest.find('/', start);
    if (end == std::string::npos) end = rest.size();
    if (end > start) below.push_back(rest.substr(start, end - start));
    start = end + 1;
  }
  return best;
}
