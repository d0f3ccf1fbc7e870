// Opening a produced file with the program the desktop associates with its kind. The
// user interface installs the desktop's; the default opens nothing.
#pragma once

#include <string>

namespace tmb {

class ShellOpenService {
 public:
  virtual ~ShellOpenService() = default;
  // Opens the file at path (UTF-8); false when nothing was started.
  virtual bool Open(const std::string& /*path*/) { return false; }
};

ShellOpenService& ShellOpen();
// Installs service (not owned); nullptr restores the default.
void SetShellOpenService(ShellOpenService* service);

}  // namespace tmb
