#include "app/start_checks.h"

#include <filesystem>

#include "platform/service/machine.h"
#include "platform/service/messages.h"

namespace {

constexpr int64_t kLowDiskMegabytes = 50;

// folder, or the nearest of its parents that exists; empty when none does.
std::string ExistingFolder(const std::string& folder) {
  std::filesystem::path path(folder);
  std::error_code ec;
  while (!path.empty() && !std::filesystem::is_directory(path, ec)) {
    if (path == path.parent_path()) return {};
    path = path.parent_path();
  }
  return path.string();
}

}  // namespace

int CheckFreeDiskSpace(const std::string& folder) {
  int64_t free = tmb::Machine().FreeDiskMegabytes(ExistingFolder(folder));
  // Space that cannot be read is no reason to stop.
  if (free < 0 || free > kLowDiskMegabytes) return 1;
  return tmb::ShowMessage(62118, tmb::kMsgYesNo) == tmb::kAnswerYes ? 1 : -1;
}
