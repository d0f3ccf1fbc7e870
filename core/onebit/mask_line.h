// Straight lines drawn into a one-bit mask.
#pragma once

#include "core/onebit/mono_bitmap.h"
#include "platform/gdi/geometry.h"

class CStrokePathLite;

// Makes the pixels of the straight line from a to b ink, stepping |d| + 1 times along the
// longer axis (d the difference along it), the other coordinate rounded. Each pixel that
// was background is appended to added (as a continuation point) while it has room.
// Returns the number of pixels that became ink.
int DrawMaskLine(CMonoBitmap& mask, tmb::Point a, tmb::Point b, CStrokePathLite* added = nullptr);
