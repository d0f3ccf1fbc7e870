#include "app/pending_commands.h"

#include <array>

namespace {

// One line per id, never a range: an id leaves the table on its own. Every command has
// its work now.
constexpr std::array<PendingCommand, 0> kPending{};

}  // namespace

std::span<const PendingCommand> PendingCommands() { return kPending; }

const char* PendingIssueOf(int id) {
  for (const PendingCommand& p : kPending) {
    if (p.id == id) return p.issue;
  }
  return nullptr;
}
