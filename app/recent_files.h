// The list of recently used character data files: newest first, at most a given number,
// kept in the settings under "Recent File List" as "File1", "File2", ...
#pragma once

#include <string>
#include <vector>

namespace tmb {
class ProfileStore;
}

class CRecentFileList {
 public:
  static constexpr const char* kSection = "Recent File List";

  explicit CRecentFileList(int size) : m_nSize(size) {}

  // The list as the settings keep it; empty keys end it.
  void Read(tmb::ProfileStore& profile);
  // Every key of the list, an empty text where no file is.
  void Write(tmb::ProfileStore& profile) const;
  // path to the top; the same file further down goes, the oldest past the size too.
  void Add(const std::string& path);
  void Remove(int index);
  void Clear() { m_paths.clear(); }

  int size() const { return m_nSize; }
  const std::vector<std::string>& paths() const { return m_paths; }

 private:
  int m_nSize;
  std::vector<std::string> m_paths;
};
