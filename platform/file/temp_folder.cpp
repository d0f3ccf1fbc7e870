#include "platform/file/temp_folder.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <system_error>

namespace tmb {

Status TempFolder::Create(const std::string& prefix) {
  Remove();
  std::error_code ec;
  const std::filesystem::path base = std::filesystem::temp_directory_path(ec);
  if (ec) return Status::Fail("no temporary folder: " + ec.message());
  std::string pattern = (base / (prefix + "XXXXXX")).string();
  // mkdtemp makes the folder with mode 0700 under a name no other process holds.
  if (!::mkdtemp(pattern.data())) return Status::Fail("cannot make a folder in " + base.string() + ": " + std::strerror(errno));
  path_ = pattern;
  return Status::Ok();
}

void TempFolder::Remove() {
  if (path_.empty()) return;
  std::error_code ec;
  std::filesystem::remove_all(path_, ec);
  path_.clear();
}

}  // namespace tmb
