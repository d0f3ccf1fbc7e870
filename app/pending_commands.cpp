#include "app/pending_commands.h"

namespace {

constexpr const char* kSheets = "sheets";

// One line per id, never a range: an id leaves the table on its own.
constexpr PendingCommand kPending[] = {
    {32782, kSheets},  // pen dialog
    {32852, kSheets},  // guide frame dialog
    {32886, kSheets},  // export options
    {33131, kSheets},  // automatic registration
    {140, kSheets},    // shape sheet pages
    {141, kSheets},
    {142, kSheets},
    {143, kSheets},
    {144, kSheets},
    {145, kSheets},
    {146, kSheets},
    {147, kSheets},
    {397, kSheets},
    {419, kSheets},
    {489, kSheets},
    {626, kSheets},
    {627, kSheets},
    {628, kSheets},
    {33095, kSheets},
    {33096, kSheets},
    {33097, kSheets},
    {33104, kSheets},  // the sheet of the target characters
    {33105, kSheets},  // the sheet of the source characters
    {32917, kSheets},  // settings window A
    {32918, kSheets},  // settings window B
    {32920, kSheets},  // settings window A, centred
    {32922, kSheets},  // settings window B, centred
    {33016, kSheets},  // the font-axis window's sheet
};

}  // namespace

std::span<const PendingCommand> PendingCommands() { return kPending; }

const char* PendingIssueOf(int id) {
  for (const PendingCommand& p : kPending) {
    if (p.id == id) return p.issue;
  }
  return nullptr;
}
