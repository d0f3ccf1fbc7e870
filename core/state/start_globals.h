// Globals that the start-up sets for the whole program.
#pragma once

#include <string>

// The folder of the program's own file (UTF-8).
extern std::string gProgramFolder;
// 1 only while the start file is being loaded: the document loader keeps such a load
// quiet and takes settings only.
extern int gStartLoading;
