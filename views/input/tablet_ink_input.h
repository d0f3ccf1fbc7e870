// Tablet PC ink input of the drawing windows. This platform has no ink collector: it is
// never a tablet computer, so no window collects ink, ink input never becomes active
// (CWorkCanvas::m_bInkActive stays 0) and every call returns at once. The ink a window
// would hold is its CTabletInk (convert/driver/tablet_ink.h), which stays empty.
#pragma once

#include "platform/gdi/geometry.h"

class CTmbView;

// Whether the system reported a tablet computer at the last attach: never here.
extern int gInkAvailable;
// The colour a new ink collector would draw in.
extern tmb::Colour gInkPenColour;

// Attaches the ink of window index (0 A, 1 B) to view: 0, done or not a tablet computer.
int AttachTabletInk(CTmbView& view, int index);
// Detaches the ink of window index.
void DetachTabletInk(int index);
// The pen width and colour of window index's collector; a negative width changes nothing.
void SetTabletPenAttributes(int index, int width, tmb::Colour colour);
