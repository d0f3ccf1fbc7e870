#include "core/store/temp_set_keeper.h"

#include <string_view>
#include <system_error>

#include "core/store/store_paths.h"

namespace fs = std::filesystem;

namespace {

constexpr std::string_view kKeptExt = ".kept";

bool KeepFile(const fs::path& name, const fs::path& backup) {
  std::error_code ec;
  fs::create_hard_link(name, backup, ec);
  if (!ec) return true;
  return fs::copy_file(name, backup, fs::copy_options::overwrite_existing, ec) && !ec;
}

}  // namespace

TempSetKeeper::TempSetKeeper(int set) {
  if (set != 1 && set != 2) return;
  set_ = set;
  held_ = HeldCharactersOfSet(set);
  size_t k = 0;
  for (std::string_view base : {kFontStoreBase, kPictureStoreBase}) {
    for (std::string_view ext : {kIndexExt, kDataExt}) {
      SetFile& f = files_[k++];
      f.name = StoreSetPath(base, set, ext);
      f.backup = f.name;
      f.backup += kKeptExt;
    }
  }
  kept_ = true;
  for (SetFile& f : files_) {
    std::error_code ec;
    fs::remove(f.backup, ec);  // left by a load that never ended
    f.existed = fs::exists(f.name, ec);
    if (ec || (f.existed && !KeepFile(f.name, f.backup))) kept_ = false;
  }
  if (!kept_) {
    DropBackups();
    SetHoldOnly(set_, true);
  }
}

TempSetKeeper::~TempSetKeeper() {
  if (set_ == 0) return;
  if (!kept_) SetHoldOnly(set_, false);
  if (committed_) return;
  HoldCharacters(set_, held_);
  if (!kept_) return;
  for (const SetFile& f : files_) {
    std::error_code ec;
    // Removed first: renaming a link onto another link of the same file does nothing.
    fs::remove(f.name, ec);
    if (f.existed) fs::rename(f.backup, f.name, ec);
  }
}

void TempSetKeeper::Commit() {
  if (kept_) DropBackups();
  committed_ = true;
}

bool TempSetKeeper::RefillHeld() const {
  const HeldCharacters now = HeldCharactersOfSet(set_);
  return now && now != held_;
}

void TempSetKeeper::DropBackups() {
  for (const SetFile& f : files_) {
    if (!f.existed) continue;
    std::error_code ec;
    fs::remove(f.backup, ec);
  }
}
