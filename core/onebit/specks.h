// Removing specks from a one-bit mask: small blots of ink that stand alone.
#pragma once

#include "core/onebit/mono_bitmap.h"

// Removes every 8-connected group of ink in mask's region that fits in a box of
// maxSize x maxSize pixels; lines of any width longer than that keep all their pixels.
// Returns the number of pixels removed.
int RemoveSpecks(CMonoBitmap& mask, int maxSize = 3);
