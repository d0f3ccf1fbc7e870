// A folder of our own under the system's temporary folder, for work files no one else
// may see or overwrite; it goes, with everything in it, when removed or destroyed.
#pragma once

#include <filesystem>
#include <string>

#include "platform/service/result.h"

namespace tmb {

class TempFolder {
 public:
  TempFolder() = default;
  ~TempFolder() { Remove(); }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // Makes a new folder (a held one is removed first), readable by this user only.
  Status Create(const std::string& prefix);
  void Remove();
  bool IsMade() const { return !path_.empty(); }
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

}  // namespace tmb
