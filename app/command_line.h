// The program's own command line: blanks and double quotes separate arguments, a quoted
// argument may hold blanks, "/t", "/d" or "/f" (either case) give the next argument to a
// value slot, and any other argument is a character data file to load at once.
#pragma once

#include <string>
#include <string_view>
#include <vector>

struct CommandLine {
  std::string argT, argD, argF;
  bool hasT = false, hasD = false, hasF = false;
  std::vector<std::string> files;  // character data files, in order
};

// Parses text. An unquoted argument runs to the next quote or the next switch (a slash
// and one letter standing alone), so paths with slashes stay whole; trailing blanks are
// not part of it. Values longer than kMaxPathBytes are refused with a message.
CommandLine ParseCommandLine(std::string_view text);

// The command-line text of the program's arguments: arguments holding a blank are quoted.
std::string JoinArguments(const std::vector<std::string>& args);
