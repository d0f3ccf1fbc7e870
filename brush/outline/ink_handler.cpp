#include "brush/outline/ink_handler.h"

namespace {

CInkHandler gNoInk;
CInkHandler* gInkHandler = &gNoInk;

}  // namespace

CInkHandler& CurrentInkHandler() { return *gInkHandler; }

void SetCurrentInkHandler(CInkHandler* handler) { gInkHandler = handler ? handler : &gNoInk; }
