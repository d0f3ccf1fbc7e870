// A fresh data folder for the character and picture store, for one test: the work
// canvas's folder points into a temporary folder, the font face cache is emptied and a
// refused index conversion forgotten; all are put back afterwards.
#pragma once

#include <filesystem>
#include <string>

#include "support/temp_dir.h"

namespace tmb::test {

class ScopedStoreFolder {
 public:
  ScopedStoreFolder();
  ~ScopedStoreFolder();
  ScopedStoreFolder(const ScopedStoreFolder&) = delete;
  ScopedStoreFolder& operator=(const ScopedStoreFolder&) = delete;

  const std::filesystem::path& path() const { return dir_.path(); }
  std::filesystem::path operator/(const std::filesystem::path& name) const { return dir_ / name; }

 private:
  TempDir dir_;
  std::string saved_;
};

}  // namespace tmb::test
