#include "convert/presets/preset_sheet_output.h"

namespace {

PresetSheetOutput gNoOutput;
PresetSheetOutput* gSheetOutput = &gNoOutput;

}  // namespace

PresetSheetOutput& SheetOutput() { return *gSheetOutput; }

bool SheetOutputInstalled() { return gSheetOutput != &gNoOutput; }

void SetPresetSheetOutput(PresetSheetOutput* output) { gSheetOutput = output ? output : &gNoOutput; }
