#include "core/state/start_globals.h"

std::string gProgramFolder;
int gStartLoading = 0;
