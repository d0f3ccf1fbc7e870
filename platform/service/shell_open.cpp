#include "platform/service/shell_open.h"

namespace tmb {

namespace {

ShellOpenService gNone;
ShellOpenService* gService = &gNone;

}  // namespace

ShellOpenService& ShellOpen() { return *gService; }

void SetShellOpenService(ShellOpenService* service) { gService = service ? service : &gNone; }

}  // namespace tmb
