// The detailed conversion switches of the settings menu: entries 310 + i of a character
// record's parameters. Most commands toggle one switch; three set switch 20 to a value.
#pragma once

#include <span>

struct SwitchCommand {
  int id;
  int i;  // the switch: parameter 310 + i
};

struct SwitchValueCommand {
  int id;
  int i;
  int value;
};

// Commands that toggle their switch.
std::span<const SwitchCommand> SwitchCommands();
// Commands that set their switch to a value.
std::span<const SwitchValueCommand> SwitchValueCommands();
