#include "convert/presets/division_selection.h"

int gDivisionEditing = 0;

namespace {

const DivisionSelection kInactive;
const DivisionSelection* gInstalled = nullptr;

}  // namespace

const DivisionSelection& CurrentDivisionSelection() { return gInstalled ? *gInstalled : kInactive; }

void InstallDivisionSelection(const DivisionSelection* selection) { gInstalled = selection; }
