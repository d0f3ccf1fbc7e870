// The profile values of section "Data": read into the drawing state at start-up and
// written back at shut-down.
#pragma once

class CDrawState;
namespace tmb {
class ProfileStore;
}

// Reads the values of section "Data" with their defaults; the start file, sheet clear
// mode and colours are LoadAppSettings's. The pen values in use follow from their start
// values when the character slots are reset; only the sample interval is set here. The
// paper size is taken within the range the settings dialogs accept, else the standard
// 500 x 750.
void LoadProfileValues(tmb::ProfileStore& profile, CDrawState& state);
// The start file, sheet clear mode, background colours and tablet pen colour, and the
// start mode that follows from the start file.
void LoadAppSettings(tmb::ProfileStore& profile, CDrawState& state);
// Writes the values back in the program's order; the start count goes up by one.
void SaveProfileValues(tmb::ProfileStore& profile, const CDrawState& state);
