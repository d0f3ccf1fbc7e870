// The box-shape test: where the feature table marks a stroke and the stroke after it as
// the two sides of a box (a corner code at both starts), the sides are bowed, the first
// outwards to the left and the second to the right, as a brush writes the sides of 口.
#pragma once

class CStrokeWork;

// Bows the sides of every box the feature table marks: for a flagged point i whose entry
// (i, 3) stands in gStrokeFeatureTable with (b, 3) or (b, 104) at the next break b, the
// stroke from i bows by -5 x s percent and the one from b (from its code-101 point, to its
// code-103 point when listed) by 5 x s percent of their chords, with s = 1 for mode 1,
// else -1. The classification writes none of these codes, so a conversion leaves the
// path as it is. Returns 1.
int BendBoxSides(CStrokeWork& path, int mode);

// Bows points a to b sideways: the x of the middle point m = (a + b) / 2 moves by percent
// of the chord |P(b) - P(a)|, the points between a and m and between m and b are laid on
// straight lines to it (y unchanged), then `passes` rounds of midpoint smoothing run over
// a to b. Returns 1.
int BendRangeX(CStrokeWork& path, int a, int b, float percent, int passes);
