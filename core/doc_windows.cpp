#include "core/doc_windows.h"

namespace {

TmbDocWindows gDefaultWindows;
TmbDocWindows* gWindows = &gDefaultWindows;

}  // namespace

TmbDocWindows& DocWindows() { return *gWindows; }

void SetTmbDocWindows(TmbDocWindows* windows) { gWindows = windows ? windows : &gDefaultWindows; }

CTmbDoc* TmbDocOfKind(int kind) { return gWindows->DocumentOfKind(kind); }
