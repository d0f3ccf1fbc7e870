// Thinning what the parallel thinning leaves two pixels wide (diagonal bands, steps) down
// to lines one pixel wide, without breaking or shortening them.
#pragma once

#include "core/onebit/mono_bitmap.h"

// In rounds of four sweeps, one per side (up, left, down, right): every ink pixel of
// mask's region whose neighbour on that side is background is removed, one at a time,
// while it has two or more ink neighbours and removing it keeps them 8-connected. A
// sweep takes only one side, so a band loses a layer from one side at a time and its
// ends stay. Rounds run until one removes nothing or maxRounds ran; returns the number
// of pixels removed.
int ThinToOnePixel(CMonoBitmap& mask, int maxRounds = 100);
