// The checks of the machine before anything starts.
#pragma once

#include <string>

// Free space on the file system that holds folder, or its nearest existing parent when
// the folder is not made yet: at 50 MB (decimal) or less the user is asked whether to go
// on. 1 to go on, -1 when the user chose to stop. There is no counterpart of the old
// systems' resource meter, so no resource question is asked.
int CheckFreeDiskSpace(const std::string& folder);
