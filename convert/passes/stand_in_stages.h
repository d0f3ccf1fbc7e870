// Stand-ins for the stages of the conversion chain whose passes are still to come: the
// chain runs end to end and the converted character can be drawn meanwhile.
#pragma once

struct ConversionRun;

// Leaves the path as it is.
void LeavePathAsIs(ConversionRun& run);
// Gives every point one plain brush width: half the width parameter (3), at least 1.
void AssignPlainWidths(ConversionRun& run);
