// Toolbar resources: buttons in order, each a command id with its icon; an id of 0 is a
// separator. A button's tip and status prompt are its command's string-table entry.
#pragma once

#include <span>

namespace tmb {

struct ToolbarButton {
  int id;
  const char* icon;  // path in the compiled-in resources
};

// The main window's toolbar (resource 308).
std::span<const ToolbarButton> MainToolbar();

}  // namespace tmb
