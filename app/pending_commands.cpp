#include "app/pending_commands.h"

namespace {

constexpr const char* kAnimationSheet = "animation-sheet";
constexpr const char* kMoreDialogs = "more-dialogs";

// One line per id, never a range: an id leaves the table on its own.
constexpr PendingCommand kPending[] = {
    {33106, kMoreDialogs},  // font division
    {33135, kMoreDialogs},  // dictionary

    {33098, kAnimationSheet},  // animation sheet pages
    {33099, kAnimationSheet},
    {33100, kAnimationSheet},
    {33101, kAnimationSheet},
    {33102, kAnimationSheet},
    {33103, kAnimationSheet},
    {396, kAnimationSheet},
    {32907, kAnimationSheet},  // the preview's settings
    {32908, kAnimationSheet},

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
