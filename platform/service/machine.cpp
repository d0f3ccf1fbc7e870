#include "platform/service/machine.h"

#include <sys/vfs.h>

#include <filesystem>

namespace tmb {
namespace {

constexpr long kIso9660Magic = 0x9660;
constexpr long kUdfMagic = 0x15013346;

class RealMachine final : public MachineService {
 public:
  int64_t FreeDiskMegabytes(const std::string& folder) override {
    std::error_code ec;
    auto info = std::filesystem::space(folder.empty() ? "." : folder, ec);
    if (ec) return -1;
    return static_cast<int64_t>(info.available / 1000000);
  }
  bool IsOnOpticalDisc(const std::string& folder) override {
    struct statfs fs {};
    if (::statfs(folder.empty() ? "." : folder.c_str(), &fs) != 0) return false;
    return fs.f_type == kIso9660Magic || fs.f_type == kUdfMagic;
  }
};

RealMachine gReal;
MachineService* gService = &gReal;

}  // namespace

MachineService& Machine() { return *gService; }

void SetMachineService(MachineService* service) { gService = service ? service : &gReal; }

}  // namespace tmb
