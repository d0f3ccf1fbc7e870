#include "platform/ui/command_target.h"

namespace tmb::ui {

bool CommandTarget::RunCommand(int id) {
  auto it = handlers_.find(id);
  if (it == handlers_.end()) return false;
  // Copy first: a handler may replace its own table entry while it runs.
  Handler handler = it->second;
  handler();
  return true;
}

bool CommandTarget::RunUpdate(CommandUpdate& update) {
  const int id = update.id();
  auto it = updates_.find(id);
  if (it == updates_.end() && !handlers_.count(id)) return false;
  update.Enable(true);
  if (it != updates_.end()) it->second(update);
  return true;
}

bool CommandRouter::Execute(int id) const {
  for (CommandTarget* target : chain_) {
    if (target && target->RunCommand(id)) return true;
  }
  return false;
}

void CommandRouter::Update(CommandUpdate& update) const {
  for (CommandTarget* target : chain_) {
    if (target && target->RunUpdate(update)) return;
  }
  update.Enable(false);
}

}  // namespace tmb::ui
