// The shape sheets the drawing views reach: the installed ones or none.
#include "views/shape_sheet_windows.h"

namespace {

ShapeSheetWindows gNoSheets;
ShapeSheetWindows* gSheets = &gNoSheets;

}  // namespace

ShapeSheetWindows& SheetWindows() { return *gSheets; }

void SetShapeSheetWindows(ShapeSheetWindows* windows) { gSheets = windows ? windows : &gNoSheets; }
