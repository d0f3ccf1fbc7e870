#include "core/path/division_selection.h"

#include "core/path/division_table.h"

int gDivisionEditing = 0;

namespace {

const DivisionSelection* gInstalled = nullptr;

}  // namespace

const DivisionSelection& CurrentDivisionSelection() { return gInstalled ? *gInstalled : gDivisionTable; }

void InstallDivisionSelection(const DivisionSelection* selection) { gInstalled = selection; }
