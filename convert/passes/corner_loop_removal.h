// Corner loop removal, the first step of the main linking: where a stroke runs into a
// corner, makes a small spur or loop and comes back to about the same place before going
// on its old way, the two corners go and the excursion collapses onto the first of them.
#pragma once

class CStrokeWork;

// Runs below begin at a flagged point and end before the next one; corners are flag 3.
// First, of two corners on the same spot (within 1) only the second stays. Then every
// corner i whose next run starts with a corner n nearer than half the length scale
// (parameter 3, halved in integers), with n nearer to the start a of the run into i than i
// is: when the turn at i and at n are both below 45 degrees and the way from a through i
// to the end of n's run turns by more than 150 degrees, or that way turns by more than 165
// degrees anyway, both flags are cleared, the points after i up to the one nearest to it
// move onto it, and the points from a to the end of n's run are smoothed in 20 midpoint
// passes. A corner in the path's last run has no pair. Returns 1.
int RemoveCornerLoops(CStrokeWork& path);
