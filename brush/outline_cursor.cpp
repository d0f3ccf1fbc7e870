#include "brush/outline_cursor.h"

namespace {

OutlineCursor gNoCursor;
OutlineCursor* gCursor = &gNoCursor;

}  // namespace

OutlineCursor& CurrentOutlineCursor() { return *gCursor; }

void SetOutlineCursor(OutlineCursor* cursor) { gCursor = cursor ? cursor : &gNoCursor; }
