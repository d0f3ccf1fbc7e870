#include "support/read_only_folder.h"

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <array>
#include <fstream>
#include <system_error>

namespace tmb::test {
namespace {

namespace fs = std::filesystem;

// The capabilities by which root writes into a folder its mode refuses.
constexpr std::array<int, 2> kWriteAnyway = {CAP_DAC_OVERRIDE, CAP_FOWNER};

using CapabilitySets = std::array<__user_cap_data_struct, _LINUX_CAPABILITY_U32S_3>;

bool ReadCapabilities(CapabilitySets& sets) {
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return syscall(SYS_capget, &header, sets.data()) == 0;
}

// Sets the effective bits of kWriteAnyway of the calling thread (they stay permitted, so
// they can be raised again).
bool SetWriteAnyway(bool effective) {
  CapabilitySets sets{};
  if (!ReadCapabilities(sets)) return false;
  for (int cap : kWriteAnyway) {
    __u32& word = sets[size_t(cap / 32)].effective;
    const __u32 bit = __u32(1) << (cap % 32);
    word = effective ? word | bit : word & ~bit;
  }
  __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
  return syscall(SYS_capset, &header, sets.data()) == 0;
}

bool CanMakeFileIn(const fs::path& folder) {
  const fs::path probe = folder / ".write_probe";
  const bool made = std::ofstream(probe).is_open();
  std::error_code ec;
  fs::remove(probe, ec);
  return made;
}

}  // namespace

ReadOnlyFolder::ReadOnlyFolder(fs::path folder) : folder_(std::move(folder)) {
  std::error_code ec;
  perms_ = fs::status(folder_, ec).permissions();
  if (ec) return;
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec, ec);
  if (ec) return;
  modeChanged_ = true;
  if (geteuid() == 0) capabilitiesDropped_ = SetWriteAnyway(false);
  refusing_ = !CanMakeFileIn(folder_);
}

ReadOnlyFolder::~ReadOnlyFolder() {
  if (capabilitiesDropped_) SetWriteAnyway(true);
  std::error_code ec;
  if (modeChanged_) fs::permissions(folder_, perms_, ec);
}

}  // namespace tmb::test
