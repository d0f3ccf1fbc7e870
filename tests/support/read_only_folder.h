// A folder the program may not write, also in a test run as root: the folder's mode is made
// read-only and, where the process runs as root, the calling thread gives up the
// capabilities that let root write anyway. Both come back at the end.
#pragma once

#include <filesystem>

namespace tmb::test {

class ReadOnlyFolder {
 public:
  explicit ReadOnlyFolder(std::filesystem::path folder);
  ~ReadOnlyFolder();
  ReadOnlyFolder(const ReadOnlyFolder&) = delete;
  ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

  // Whether a file can no longer be made in the folder (a test skips where not).
  bool refusing() const { return refusing_; }

 private:
  std::filesystem::path folder_;
  std::filesystem::perms perms_{};
  bool modeChanged_ = false;
  bool capabilitiesDropped_ = false;
  bool refusing_ = false;
};

}  // namespace tmb::test
