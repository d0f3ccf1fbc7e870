// Commands whose work comes with a later part of the program. The main window knows each
// of them and keeps it disabled; the issue named beside an id brings its work, registers
// its handler and takes the id off this table.
#pragma once

#include <span>

struct PendingCommand {
  int id;
  const char* issue;  // the work the command waits for
};

std::span<const PendingCommand> PendingCommands();
// The issue command id waits for; null when it is not pending.
const char* PendingIssueOf(int id);
