#include "app/start_checks.h"

#include "platform/service/machine.h"
#include "platform/service/messages.h"

namespace {

constexpr int64_t kLowDiskMegabytes = 50;

}  // namespace

int CheckStartMachine(const std::string& folder) {
  int64_t free = tmb::Machine().FreeDiskMegabytes(folder);
  // Space that cannot be read is no reason to stop.
  if (free < 0 || free > kLowDiskMegabytes) return 1;
  return tmb::ShowMessage(62118, tmb::kMsgYesNo) == tmb::kAnswerYes ? 1 : -1;
}
