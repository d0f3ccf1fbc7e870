// The style commands of the style menu: each command id with the number of the writing
// style it applies. Ids around them in the same number block belong to other commands
// (the tablet pen colour, conversion switches), so only the listed ids are styles.
#pragma once

#include <span>

namespace tmb {

struct StyleCommand {
  int id;
  int style;
};

std::span<const StyleCommand> StyleCommands();
// The style number of command id; -1 when id is no style command.
int StyleOfCommand(int id);

}  // namespace tmb
