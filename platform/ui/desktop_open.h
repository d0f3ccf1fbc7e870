// Produced files opened through the desktop's associations.
#pragma once

#include "platform/service/shell_open.h"

namespace tmb::ui {

class DesktopOpen final : public ShellOpenService {
 public:
  bool Open(const std::string& path) override;
};

}  // namespace tmb::ui
