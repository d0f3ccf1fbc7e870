// Toolbar resources: buttons in order, each a command id with its icon and tip; an id of
// 0 is a separator.
#pragma once

#include <span>

namespace tmb {

struct ToolbarButton {
  int id;
  const char* icon;  // path in the compiled-in resources
  const char* tip;
};

// The main window's toolbar (resource 308).
std::span<const ToolbarButton> MainToolbar();

}  // namespace tmb
