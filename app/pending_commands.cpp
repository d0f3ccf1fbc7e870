#include "app/pending_commands.h"

namespace {

constexpr const char* kMoreDialogs = "more-dialogs";

// One line per id, never a range: an id leaves the table on its own.
constexpr PendingCommand kPending[] = {
    {33106, kMoreDialogs},  // font division
    {33135, kMoreDialogs},  // dictionary
    {32931, kMoreDialogs},  // file options
};

}  // namespace

std::span<const PendingCommand> PendingCommands() { return kPending; }

const char* PendingIssueOf(int id) {
  for (const PendingCommand& p : kPending) {
    if (p.id == id) return p.issue;
  }
  return nullptr;
}
