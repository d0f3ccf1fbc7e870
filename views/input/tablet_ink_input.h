// Tablet ink input of the drawing windows: each drawing view attaches its window's ink
// (convert/driver/tablet_ink.h) when it is made and detaches it when it is destroyed, and
// the tablet pen colour command colours the ink of both windows.
#pragma once

#include "platform/gdi/geometry.h"

class CTmbView;

// Attaches the ink of window index (0 A, 1 B) to view: 0 done or no recogniser's model,
// -1 when the model cannot be read.
int AttachTabletInk(CTmbView& view, int index);
// Detaches the ink of window index.
void DetachTabletInk(int index);
// While ink input works, both windows' ink is drawn one pixel wide in colour.
void SetTabletPenColour(tmb::Colour colour);
